"""Lesson 1: the alphabet, pronouns, esti, nouns and adjectives, the plural,
possessives, the article; five exercise pages and a send page.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); BILDOJ the pictures this
lesson brought in, drawn by tools/bildoj.py."""
from lecionformo import (
    MAKS, MIKROFONETO, ORELETO, SENDAS, STILO_CENTRA, VORTOLUDO, Formo, aligno, ekzerckadro, ekzercpagho, enum, eco,
    faldo, grasa, hbox, num, pagho, politiko, prop, rulumo, s, sago_antauen, sago_revena, sendujo, size, tekstpagho,
    vbox, widget)

PT = {
    # page 1: the alphabet
    "Label4": "O alfabeto do Esperanto",
    "Label2": (
        "O Esperanto tem 28 letras, e cada letra representa sempre o mesmo som: cada palavra se lê exatamente como se escreve. "
        "O acento tônico cai sempre na penúltima sílaba: ĵur-NA-lo, sci-EN-co. Clique numa letra ou numa palavra para ouvi-la e repita em voz alta."),
    # page 2: hear and pick
    "Label3": "Exercício de compreensão auditiva I",
    "Label6": (
        "Ouça a palavra e clique no botão dessa palavra. Uma resposta certa faz o botão desaparecer; uma resposta errada faz a palavra "
        "voltar mais tarde no exercício. Para passar, pelo menos 70% das respostas devem estar certas."),
    # page 3: personal pronouns
    "Label12": "Pronomes pessoais",
    "Label131": "Singular",
    "Label13": "eu",
    "Label14": "você, tu (uma pessoa)",
    "Label15": "ele",
    "Label16": "ela",
    "Label17": "ele, ela (coisa, ou ser cujo sexo não é preciso dizer)",
    "Label132": "Plural",
    "Label18": "nós",
    "Label19": "vocês, vós (mais de uma pessoa)",
    "Label20": "eles, elas",
    "Label133": "Pronomes especiais",
    "Label21": "a gente, se (pronome pessoal indefinido)",
    "Label22": "se, si (pronome reflexivo da terceira pessoa)",
    # page 4: verbs, nouns, adjectives
    "Label23": "Verbos",
    "Label24": (
        "Os verbos do Esperanto não mudam conforme a pessoa. O verbo esti (ser, estar) mostra as quatro terminações: "
        "esti – ser, estar (infinitivo, -i); estis – era, foi, estava (passado, -is); estas – sou, é, está (presente, -as); "
        "estos – será, estará (futuro, -os)."),
    "Label114": "eu sou, eu estou",
    "Label115": "ele era, ele foi, ele estava",
    "Label116": "ela é, ela está",
    "Label117": "ele (ela) será, estará",
    "Label118": "nós somos, nós estamos",
    "Label119": "você era, vocês eram",
    "Label220": "eles são, eles estão",
    "Label221": "a gente será, a gente estará",
    "Label25": "Substantivos",
    "Label27": "Todo substantivo termina em -o.",
    "Label28": "amigo",
    "Label29": "irmão",
    "Label30": "café",
    "Label26": "Adjetivos",
    "Label31": "Todo adjetivo termina em -a.",
    "Label32": "belo, bonito",
    "Label33": "saudável, são",
    "Label34": "quente, morno",
    # page 5: vocabulary
    "Label35": "Vocabulário",
    "Label44": "amigo",
    "Label45": "filho",
    "Label46": "irmão",
    "Label47": "homem",
    "Label48": "menino, rapaz",
    "Label49": "flor",
    "Label50": "pai",
    "Label51": "professor",
    "Label52": "café",
    "Label53": "bolo",
    "Label54": "leite",
    "Label55": "pão",
    "Label56": "açúcar",
    "Label57": "chá",
    "Label58": "biscoito, bolacha",
    "Label60": "belo, bonito",
    "Label61": "grande",
    "Label62": "novo",
    "Label63": "bom",
    "Label64": "seco",
    "Label65": "branco",
    "Label66": "quente, morno",
    "Label67": "saudável, são",
    # page 6: the plural
    "Label36": "O plural",
    "Label37": (
        "Para formar o plural, acrescente -j ao final dos substantivos e dos adjetivos. O adjetivo recebe -j quando o substantivo a que se refere está no plural."),
    "Label10": "amigo",
    "Label80": "amigos",
    "Label73": "pai",
    "Label81": "pais",
    "Label74": "flor",
    "Label82": "flores",
    "Label75": "belo, bonito (no singular)",
    "Label83": "belos, bonitos (no plural)",
    "Label77": "uma flor bonita",
    "Label85": "flores bonitas",
    "Label76": "saudável (no singular)",
    "Label84": "saudáveis (no plural)",
    "Label78": "um pai saudável",
    "Label86": "pais saudáveis",
    "Label79": "um bom amigo",
    "Label87": "bons amigos",
    # page 7: possessive pronouns
    "Label40": "Pronomes possessivos",
    "Label41": "Os possessivos se formam acrescentando a terminação de adjetivo -a aos pronomes pessoais.",
    "Label11": "meu, minha",
    "Label70": "seu, sua, teu, tua",
    "Label71": "dela",
    "Label92": "dele",
    "Label93": "dele, dela (de uma coisa ou de um animal)",
    "Label94": "nosso, nossa",
    "Label72": "deles, delas",
    "Label69": "Observação",
    "Label42": "Os possessivos são adjetivos; por isso também recebem a terminação -j no plural.",
    "Label95": "meu amigo",
    "Label96": "meus amigos",
    "Label97": "nossa flor",
    "Label98": "nossas flores",
    # page 8: the article and sentences
    "Label38": "O artigo",
    "Label39": (
        "O Esperanto tem um só artigo, la (o, a, os, as), que nunca muda: é o mesmo para todos os gêneros e números. "
        "Não existe artigo indefinido: knabo quer dizer 'menino' ou 'um menino'."),
    "Label88": "o menino",
    "Label100": "menino, um menino",
    "Label89": "as flores",
    "Label101": "flores",
    "Label90": "o pão",
    "Label102": "pão, um pão",
    "Label91": "os pais",
    "Label103": "pais",
    "Label43": "Frases",
    "Label104": "Seus filhos são nossos amigos.",
    "Label105": "Leite quente é bom.",
    "Label106": "Os meninos são grandes.",
    "Label108": "Uma flor é bonita.",
    "Label107": "O pão está seco.",
    "Label109": "O pai é bom.",
    # page 13: send page
    "Label99": "Traduza estas frases para o Esperanto.",
    "Label121": "1. O chá está quente.",
    "Label122": "2. Um professor é pai.",
    "Label123": "3. Seu pai era bom.",
    "Label110": "4. Os novos professores serão bons.",
    "Label125": "5. Meu irmão será professor.",
    "Label126": "6. Seus filhos serão amigos.",
    "Label127": "7. Os bolos estavam bons.",
    "Label128": "8. O pão está seco.",
    "Label129": "9. O menino novo era meu amigo.",
    "Label130": "10. Os meninos serão bons amigos.",
}

# ------------------------------------------------------------------ page 1
ALFABETO = [  # letter label, letter, word label, word, word label, word
    (29, "A", 10, "ami", 26, "ia"),
    (30, "B", "Lec01_XButton1", "bela", "Lec01_XButton2", "bona"),
    (31, "C", 1, "celo", 55, "scienco"),
    (32, "Ĉ", 78, "ĉio", 6, "peĉo"),
    (33, "D", 73, "diri", "Lec01_Button3X", "granda"),
    (34, "E", 71, "eskalo", 11, "ĝene"),
    (35, "F", 59, "feŭdo", 47, "feino"),
    (36, "G", 15, "gusta", 13, "ago"),
    (37, "Ĝ", 74, "ĝiri", 16, "ĝusta"),
    (38, "H", 20, "horo", 25, "hajlo"),
    (39, "Ĥ", 21, "ĥoro", 68, "eĥo"),
    (40, "I", 28, "ie", 12, "ĝeni"),
    (41, "J", 17, "juro", 48, "prujno"),
    (42, "Ĵ", 18, "ĵuro", 24, "ĵurnalo"),
    (85, "K", 51, "knabo", 23, "hoko"),
    (86, "L", 2, "ŝelo", 56, "alto"),
    (87, "M", 9, "ame", 62, "iam"),
    (88, "N", 50, "kanabo", 49, "ruino"),
    (89, "O", 19, "oro", 66, "ravo"),
    (90, "P", 5, "peco", 7, "peso"),
    (91, "R", 22, "roko", 67, "ero"),
    (92, "S", 3, "selo", 54, "scii"),
    (93, "Ŝ", 70, "ŝerco", 83, "ŝia"),
    (94, "T", 77, "tio", 58, "felto"),
    (95, "U", 45, "ju", 14, "agu"),
    (96, "Ŭ", 57, "aŭto", 61, "adiaŭ"),
    (97, "V", 46, "vejno", 53, "kvita"),
    (98, "Z", 8, "pezo", 4, "okazi"),
]


def litero(f, n, teksto):
    pol = ("Minimum", "Preferred") if n in (29, 42, 98) else ("Preferred", "Preferred")
    return f.vorto(n, teksto, notr=True, ecoj=[politiko(*pol), prop("styleSheet", s(STILO_CENTRA, True)),
                                               aligno("Qt::AlignHCenter|Qt::AlignVCenter")])


def ekzemplo(f, n, teksto, lasta):
    pol = ("Minimum", "Preferred") if lasta else ("Preferred", "Preferred")
    return f.vorto(n, teksto, notr=True, ecoj=[politiko(*pol)])


def kolumno(f, nomo, vicoj, indekso):
    eroj = []
    for i, v in enumerate(vicoj):
        if indekso == 0:
            eroj.append(litero(f, v[0], v[1]))
        else:
            eroj.append(ekzemplo(f, v[2 * indekso], v[2 * indekso + 1], i == len(vicoj) - 1))
    return vbox(nomo, eroj, spacing=12)


def pagho1(f):
    maldekstre, dekstre = ALFABETO[:14], ALFABETO[14:]
    # The columns stand apart by the layouts' spacing, which a right-to-left
    # page mirrors with them.
    tabelo = hbox("horizontalLayout_3", [
        f.spacer("horizontal", "Fixed", 5, 20),
        hbox("horizontalLayout", [
            kolumno(f, "verticalLayout", maldekstre, 0),
            kolumno(f, "verticalLayout_2", maldekstre, 1),
            kolumno(f, "verticalLayout_3", maldekstre, 2)], spacing=12),
        widget("Line", "line", [prop("frameShadow", enum("QFrame::Raised")), prop("lineWidth", num(2)),
                                prop("orientation", enum("Qt::Vertical"))]),
        hbox("horizontalLayout_2", [
            kolumno(f, "verticalLayout_47", dekstre, 0),
            kolumno(f, "verticalLayout_48", dekstre, 1),
            kolumno(f, "verticalLayout_49", dekstre, 2)], spacing=12),
        f.spacer("horizontal", "Expanding", 5, 20)], spacing=12)
    enhavo = vbox("verticalLayout_4", [
        f.kapo(4, notr=True),
        f.etikedo(2, notr=True, pol=("Preferred", "Preferred")),
        tabelo], stretch="0,0,1")
    return tekstpagho("tab", "1", "verticalLayout_12", "scrollArea", "scrollAreaWidgetContents_2", 773, 384, enhavo,
                      resizable=False, ecoj=[prop("verticalScrollBarPolicy", enum("Qt::ScrollBarAlwaysOn"))])


# ------------------------------------------------------------------ page 2
def pagho2(f):
    enhavo = vbox("verticalLayout_5", [
        f.kapo(3, notr=True),
        f.etikedo(6, notr=True, pol=("Preferred", "Preferred")),
        ekzerckadro("ekzerco1", "frame", "QFrame::Box"),
        f.spacer()], margins=9)
    return pagho("Ekzerco1_Lec01", "2", ORELETO, vbox("verticalLayout_40", [
        rulumo("scrollArea_15", "scrollAreaWidgetContents_16", 1080, 743, enhavo)], margins=0))


# ------------------------------------------------------------------ page 3
PRONOMOJ = [  # row layout, pronoun number, text, meaning number
    ("horizontalLayout_10", 183, "mi", 13), ("horizontalLayout_20", 184, "vi", 14),
    ("horizontalLayout_32", 185, "li", 15), ("horizontalLayout_33", 186, "ŝi", 16),
    ("horizontalLayout_34", 187, "ĝi", 17), ("horizontalLayout_35", 188, "ni", 18),
    ("horizontalLayout_36", 189, "vi", 19), ("horizontalLayout_37", 190, "ili", 20),
    ("horizontalLayout_8", 191, "oni", 21), ("horizontalLayout_9", 192, "si", 22),
]


def pronomvico(f, vico, speciala=None):
    nomo, n, teksto, m = vico
    ecoj = [prop("styleSheet", s(STILO_CENTRA, True))]
    if n in (187, 191, 192):
        ecoj.append(aligno("Qt::AlignHCenter|Qt::AlignVCenter"))
    ecoj.append(faldo())
    v = f.vorto(n, teksto, notr=True, ecoj=ecoj)
    if speciala:
        v = vbox(speciala, [v])
    return hbox(nomo, [v, f.signifo(m, notr=True)])


def pagho3(f):
    enhavo = vbox("verticalLayout_134", [
        f.kapo(12, notr=True),
        vbox("verticalLayout_6", [f.etikedo(131, notr=True, ecoj=[grasa()])] +
             [pronomvico(f, v) for v in PRONOMOJ[:5]], spacing=9),
        vbox("verticalLayout_7", [f.etikedo(132, notr=True, pol=("Preferred", "Maximum"), ecoj=[grasa()])] +
             [pronomvico(f, v) for v in PRONOMOJ[5:8]], spacing=9),
        vbox("verticalLayout_133", [
            f.etikedo(133, notr=True, wrap=False, pol=("Preferred", "Maximum"), ecoj=[grasa()]),
            pronomvico(f, PRONOMOJ[8], "verticalLayout_8"),
            pronomvico(f, PRONOMOJ[9], "verticalLayout_9")], spacing=5),
        f.spacer()], spacing=20, margins=9)
    return tekstpagho("tab_2", "3", "verticalLayout_42", "scrollArea_14", "scrollAreaWidgetContents_15", 1080, 743,
                      enhavo)


# ------------------------------------------------------------------ page 4
def maks_vorto(f, n, teksto, ecoj=()):
    return f.vorto(n, teksto, ecoj=list(ecoj) + [prop("maximumSize", size(MAKS, MAKS))])


def pagho4(f):
    verboj = [(193, "mi estas", 114), (194, "li estis", 115), (195, "ŝi estas", 116), (196, "ĝi estos", 117),
              (197, "ni estas", 118), (198, "vi estis", 119), (199, "ili estas", 220), (200, "oni estos", 221)]
    komenco = [f.kapo(23), f.etikedo(24)]
    vicoj = [hbox("horizontalLayout_%d" % (41 + i), [maks_vorto(f, n, t, [politiko("Preferred", "Preferred")]),
                                                     f.signifo(m)], stretch="0,1")
             for i, (n, t, m) in enumerate(verboj)]
    sekcio1 = vbox("verticalLayout_10", komenco + vicoj, spacing=9)

    def vicoj_sen(nomoj, datumoj):
        return [hbox(nomo, [maks_vorto(f, n, t, [faldo()]), f.signifo(m)]) for nomo, (n, t, m) in zip(nomoj, datumoj)]
    komenco2 = [f.kapo(25), f.etikedo(27, wrap=False)]
    sekcio2 = vbox("verticalLayout_11", komenco2 + vicoj_sen(
        ["horizontalLayout_50", "horizontalLayout_51", "horizontalLayout_52"],
        [(201, "amiko", 28), (202, "frato", 29), (203, "kafo", 30)]), spacing=9)
    komenco3 = [f.kapo(26), f.etikedo(31, wrap=False)]
    sekcio3 = vbox("verticalLayout_129", komenco3 + vicoj_sen(
        ["horizontalLayout_54", "horizontalLayout_55", "horizontalLayout_56"],
        [(204, "bela", 32), (205, "sana", 33), (206, "varma", 34)]), spacing=9)
    enhavo = vbox("verticalLayout_41", [sekcio1, sekcio2, sekcio3, f.spacer()], spacing=20, margins=9)
    return tekstpagho("tab_4", "4", "verticalLayout_53", "scrollArea_13", "scrollAreaWidgetContents_14", 1080, 743,
                      enhavo)


# ------------------------------------------------------------------ page 5
VORTARO = ["amiko", "filo", "frato", "viro", "knabo", "floro", "patro", "instruisto", "kafo", "kuko", "lakto",
           "pano", "sukero", "teo", "biskvito", "bela", "granda", "nova", "bona", "seka", "blanka", "varma", "sana"]


def pagho5(f):
    vicnomoj = ["horizontalLayout_%d" % i for i in list(range(58, 73)) + list(range(74, 82))]
    signifoj = list(range(44, 59)) + list(range(60, 68))
    komenco = [f.kapo(35)]
    vicoj = [hbox(vicnomoj[i], [maks_vorto(f, 207 + i, VORTARO[i]), f.signifo(signifoj[i])], spacing=12)
             for i in range(23)]
    enhavo = vbox("verticalLayout_13", komenco + vicoj + [f.spacer()], spacing=9)
    return tekstpagho("tab_5", "5", "verticalLayout_57", "scrollArea_6", "scrollAreaWidgetContents_7", 1080, 743,
                      enhavo)


# ------------------------------------------------------------------ page 6
def paro(f, grupo, vico1, vico2, n1, t1, m1, sago, n2, t2, m2, grupo_spacing=5, vorto_ecoj=()):
    """A word and the form derived from it, each with its meaning."""
    return vbox(grupo, [
        hbox(vico1, [maks_vorto(f, n1, t1, vorto_ecoj), f.signifo(m1)], spacing=12),
        hbox(vico2, [sago_revena(sago), maks_vorto(f, n2, t2, vorto_ecoj), f.signifo(m2)], spacing=12)],
        spacing=grupo_spacing)


PLURALOJ = [
    ("verticalLayout_17", "horizontalLayout_73", "horizontalLayout_83", 230, "amiko", 10, "label", 254, "amikoj", 80),
    ("verticalLayout_19", "horizontalLayout_84", "horizontalLayout_85", 231, "patro", 73, "label_2", 255, "patroj", 81),
    ("verticalLayout_51", "horizontalLayout_86", "horizontalLayout_87", 232, "floro", 74, "label_3", 256, "floroj", 82),
    ("verticalLayout_52", "horizontalLayout_88", "horizontalLayout_89", 233, "bela", 75, "label_4", 257, "belaj", 83),
    ("verticalLayout_54", "horizontalLayout_92", "horizontalLayout_93", 235, "bela floro", 77, "label_6", 259,
     "belaj floroj", 85),
    ("verticalLayout_18", "horizontalLayout_90", "horizontalLayout_91", 234, "sana", 76, "label_5", 258, "sanaj", 84),
    ("verticalLayout_55", "horizontalLayout_94", "horizontalLayout_95", 236, "sana patro", 78, "label_7", 260,
     "sanaj patroj", 86),
    ("verticalLayout_56", "horizontalLayout_96", "horizontalLayout_97", 237, "bona amiko", 79, "label_8", 261,
     "bonaj amikoj", 87),
]


def pagho6(f):
    komenco = [f.kapo(36), f.etikedo(37)]
    enhavo = vbox("verticalLayout_22", komenco + [paro(f, *p) for p in PLURALOJ] + [f.spacer()], spacing=9)
    return tekstpagho("tab_6", "6", "verticalLayout_58", "scrollArea_5", "scrollAreaWidgetContents_6", 1080, 743,
                      enhavo)


# ------------------------------------------------------------------ page 7
POSEDAJ = [  # pronoun number, pronoun, arrow, possessive number, possessive, meaning
    (242, "mi", "label_11", 262, "mia", 11), (243, "vi", "label_12", 263, "via", 70),
    (244, "ŝi", "label_13", 264, "ŝia", 71), (268, "li", "label_14", 272, "lia", 92),
    (269, "ĝi", "label_15", 273, "ĝia", 93), (270, "ni", "label_16", 274, "nia", 94),
    (245, "ili", "label_17", 265, "ilia", 72)]


def pagho7(f):
    komenco = [f.kapo(40), f.etikedo(41, pol=("Preferred", "Maximum"))]
    vicoj = []
    for i, (n, t, sago, p, pt, m) in enumerate(POSEDAJ):
        vicoj.append(hbox("horizontalLayout_%d" % (99 + i), [
            maks_vorto(f, n, t, [prop("styleSheet", s(STILO_CENTRA, True)), aligno("Qt::AlignHCenter|Qt::AlignVCenter")]),
            sago_antauen(sago, "Minimum" if sago == "label_11" else "Preferred"),
            maks_vorto(f, p, pt, [prop("styleSheet", s(STILO_CENTRA, True))]),
            f.signifo(m)], spacing=9, margins=(-1, -1, -1, 3), stretch="0,0,0,1"))
    sekcio1 = vbox("verticalLayout_14", komenco + [vbox("verticalLayout_20", vicoj, spacing=9)], spacing=9)
    sekcio2 = vbox("verticalLayout_15", [
        f.etikedo(69, pol=("Preferred", "Maximum"), ecoj=[grasa()]),
        f.etikedo(42, pol=("Preferred", "Maximum")),
        paro(f, "verticalLayout_59", "horizontalLayout_106", "horizontalLayout_107", 252, "mia amiko", 95, "label_31",
             267, "miaj amikoj", 96, grupo_spacing=9),
        paro(f, "verticalLayout_21", "horizontalLayout_108", "horizontalLayout_109", 253, "nia floro", 97, "label_32",
             266, "niaj floroj", 98, grupo_spacing=9)], spacing=9)
    enhavo = vbox("verticalLayout_16", [sekcio1, sekcio2, f.spacer()], spacing=20)
    return tekstpagho("tab_7", "7", "verticalLayout_68", "scrollArea_4", "scrollAreaWidgetContents_5", 1080, 743,
                      enhavo)


# ------------------------------------------------------------------ page 8
ARTIKOLO = [  # group, row, word number, word, meaning; row, arrow, word number, word, meaning
    ("verticalLayout_23", "horizontalLayout_111", 238, "la knabo", 88, "horizontalLayout_112", "label_106", 299, "knabo",
     100),
    ("verticalLayout_24", "horizontalLayout_113", 240, "la floroj", 89, "horizontalLayout_114", "label_107", 301,
     "floroj", 101),
    ("verticalLayout_119", "horizontalLayout_115", 239, "la pano", 90, "horizontalLayout_116", "label_112", 300, "pano",
     102),
    ("verticalLayout_120", "horizontalLayout_117", 241, "la patroj", 91, "horizontalLayout_118", "label_113", 402,
     "patroj", 103),
]
FRAZOJ = [("verticalLayout_44", 246, "Viaj filoj estas niaj amikoj.", 104),
          ("verticalLayout_61", 247, "Varma lakto estas bona.", 105),
          ("verticalLayout_62", 248, "La knaboj estas grandaj.", 106),
          ("verticalLayout_64", 250, "Floro estas bela.", 108),
          ("verticalLayout_63", 249, "La pano estas seka.", 107),
          ("verticalLayout_65", 251, "La patro estas bona.", 109)]


def pagho8(f):
    mm = [prop("minimumSize", size(0, 0)), prop("maximumSize", size(MAKS, MAKS))]
    artikolo = [f.kapo(38), f.etikedo(39)]
    for g, v1, n1, t1, m1, v2, sago, n2, t2, m2 in ARTIKOLO:
        artikolo.append(vbox(g, [
            hbox(v1, [f.vorto(n1, t1, ecoj=mm), f.signifo(m1)], spacing=12),
            hbox(v2, [sago_revena(sago), f.vorto(n2, t2, ecoj=mm, fokuso=False), f.signifo(m2)], spacing=12)],
            spacing=5))
    sekcio2 = [f.kapo(43, ecoj=[prop("minimumSize", size(0, 25)), aligno("Qt::AlignLeft|Qt::AlignVCenter")])]
    for nomo, n, t, m in FRAZOJ:
        sekcio2.append(vbox(nomo, [
            f.vorto(n, t, ecoj=mm + [faldo()]),
            f.etikedo(m, ecoj=[eco("tipo", "suba")])], spacing=5))
    enhavo = vbox("verticalLayout_39", [vbox("verticalLayout_25", artikolo, spacing=9),
                                        vbox("verticalLayout_33", sekcio2, spacing=10), f.spacer()])
    return tekstpagho("tab_8", "8", "verticalLayout_69", "scrollArea_3", "scrollAreaWidgetContents_4", 1080, 743,
                      enhavo)


# ---------------------------------------------------------- pages 9 to 12
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item section)
    ("Ekzerco7_Lec01", "Frazo", None, "verticalLayout_43", "frazokonstruo", "Lec01_Ekz_Frazo_0107"),
    ("Ekzerco2_Lec01", "9", MIKROFONETO, "verticalLayout_70", "prononco", "Lec01_Ekz_Pron_0102"),
    ("Ekzerco3_Lec01", "10", ORELETO, "verticalLayout_204", "audkompreno", "Lec01_Ekz_0102"),
    ("Ekzerco4_Lec01", "11", VORTOLUDO, "verticalLayout_203", "vortoludo", "Lec01_0103"),
]

# ------------------------------------------------------------------ page 13
DEMANDOJ = [  # group layout, question label, answer field, model answer
    ("verticalLayout_27", 121, "lineEdit", "La teo estas varma."),
    ("verticalLayout_28", 122, "lineEdit_2", "Instruisto estas patro."),
    ("verticalLayout_29", 123, "lineEdit_3", "Via patro estis bona."),
    ("verticalLayout_30", 110, "lineEdit_4", "La novaj instruistoj estos bonaj."),
    ("verticalLayout_31", 125, "lineEdit_5", "Mia frato estos instruisto."),
    ("verticalLayout_34", 126, "lineEdit_6", "Viaj filoj estos amikoj."),
    ("verticalLayout_35", 127, "lineEdit_7", "La kukoj estis bonaj."),
    ("verticalLayout_36", 128, "lineEdit_8", "La pano estas seka."),
    ("verticalLayout_37", 129, "lineEdit_9", "La nova knabo estis mia amiko."),
    ("verticalLayout_38", 130, "lineEdit_10", "La knaboj estos bonaj amikoj."),
]


def pagho13(f):
    eroj = [f.kapo(99)]
    eroj += [f.demando(grupo, n, kampo, modelo, i + 1) for i, (grupo, n, kampo, modelo) in enumerate(DEMANDOJ)]
    eroj.append(sendujo("sendujo_panelo"))
    enhavo = vbox("verticalLayout_32", eroj, spacing=12)
    return tekstpagho("Sendas1_Lec01", "12", "verticalLayout_71", "scrollArea_2", "scrollAreaWidgetContents_3", 1065,
                      772, enhavo, ikono=SENDAS)


def formo():
    f = Formo(1, PT)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f), pagho6(f), pagho7(f), pagho8(f)]
    paghoj += [ekzercpagho(*e) for e in EKZERCOJ]
    paghoj.append(pagho13(f))
    return f.dokumento(paghoj, 1090, 783, "verticalLayout_26", nuna=0, langetpozicio="North", elido="ElideLeft",
                       lokaro=("Portuguese", "Brazil"))


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
SAGO_REVENA = '''<path d="M6 4 V13 C6 14.6 7.2 15.5 8.8 15.5 H17" fill="none" stroke="#c0392b" stroke-width="2.4" stroke-linecap="round"/>
<path d="M15 11 L20.5 15.5 L15 20 Z" fill="#c0392b"/>'''
SAGO_ANTAUEN = '''<path d="M3 12 H16" stroke="#2e7d32" stroke-width="2.6" stroke-linecap="round"/>
<path d="M14 6.5 L21 12 L14 17.5 Z" fill="#2e7d32"/>'''
SPEGULE = '<g transform="translate(24 0) scale(-1 1)">%s</g>'  # for right-to-left pages

BILDOJ = [
    # An open book: explanation pages.
    ("leciono", 24, 24, '''<path d="M12 6 C9 4 5 4 2 5 V19 C5 18 9 18 12 20 Z" fill="#fdf6e3" stroke="#3b5b92" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M12 6 C15 4 19 4 22 5 V19 C19 18 15 18 12 20 Z" fill="#fdf6e3" stroke="#3b5b92" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M4.5 8.5 C6.5 8 8.5 8 10 9 M4.5 11.5 C6.5 11 8.5 11 10 12 M4.5 14.5 C6.5 14 8.5 14 10 15 M14 9 C15.5 8 17.5 8 19.5 8.5 M14 12 C15.5 11 17.5 11 19.5 11.5" fill="none" stroke="#7a8fb8" stroke-width="0.9"/>'''),
    # An ear: listening exercises.
    ("oreleto", 24, 24, '''<path d="M7 10 C7 5.5 10.5 3 13.5 3 C17 3 19.5 5.7 19.5 9 C19.5 12 17.5 13.2 16.3 14.4 C15.2 15.5 15.4 17.5 14.4 19 C13.3 20.7 11 21.3 9.4 20.2" fill="#f6c9a8" stroke="#8a4b2a" stroke-width="1.5" stroke-linecap="round"/>
<path d="M10.5 10 C10.5 7.8 12 6.5 13.6 6.5 C15.4 6.5 16.4 7.8 16.4 9.2 C16.4 10.6 15.2 11.3 14.3 11.9 C13.5 12.4 13.4 13.4 13.8 14.2" fill="none" stroke="#8a4b2a" stroke-width="1.3" stroke-linecap="round"/>'''),
    # A microphone: pronunciation practice.
    ("mikrofoneto", 24, 24, '''<rect x="8.5" y="2.5" width="7" height="12" rx="3.5" fill="#9aa7b8" stroke="#2f3b4c" stroke-width="1.3"/>
<path d="M9 6 H15 M9 8.5 H15 M9 11 H15" stroke="#2f3b4c" stroke-width="0.8"/>
<path d="M5.5 11 C5.5 15 8.5 17.5 12 17.5 C15.5 17.5 18.5 15 18.5 11" fill="none" stroke="#2f3b4c" stroke-width="1.5" stroke-linecap="round"/>
<path d="M12 17.5 V21 M8.5 21.5 H15.5" stroke="#2f3b4c" stroke-width="1.6" stroke-linecap="round"/>'''),
    # Word cards, one of them ticked: choosing the right translation.
    ("vortoludo", 24, 24, '''<rect x="2" y="3" width="14" height="6" rx="1.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.2"/>
<rect x="2" y="10.5" width="14" height="6" rx="1.5" fill="#dff0d8" stroke="#2e7d32" stroke-width="1.2"/>
<rect x="2" y="18" width="14" height="4.5" rx="1.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.2"/>
<path d="M4.5 6 H12 M4.5 13.5 H11 M4.5 20.2 H10" stroke="#7a8fb8" stroke-width="1.2" stroke-linecap="round"/>
<path d="M17 13.5 L19.2 16 L23 10.5" fill="none" stroke="#2e7d32" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>'''),
    # An envelope: send pages.
    ("sendas_24", 24, 24, '''<rect x="2" y="5" width="20" height="14" rx="1.5" fill="#fff8dc" stroke="#8a6d1f" stroke-width="1.4"/>
<path d="M2.8 6 L12 13 L21.2 6" fill="none" stroke="#8a6d1f" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M2.8 18.2 L9.5 11.5 M21.2 18.2 L14.5 11.5" stroke="#8a6d1f" stroke-width="1"/>'''),
    # Arrows: a form derived from the one above it, and "becomes"; 24 x 24
    # as the lesson rows and the style sheet want them.
    ("sago_revena", 24, 24, SAGO_REVENA),
    ("sago_revena_RTL", 24, 24, SPEGULE % SAGO_REVENA),
    ("sago_antauen", 24, 24, SAGO_ANTAUEN),
    ("sago_antauen_RTL", 24, 24, SPEGULE % SAGO_ANTAUEN),
    # An equals sign.
    ("egala", 24, 24, '''<path d="M5 9 H19 M5 15 H19" stroke="#3b5b92" stroke-width="2.6" stroke-linecap="round"/>'''),
]
