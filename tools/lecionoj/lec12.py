"""Lesson 12: transitive and intransitive verbs, verbs in -iĝi and -igi,
verbs without a subject, an accusative exercise, word building with affixes,
compounds and groups of words, a song with its words and a send page with an
article read aloud.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); BILDOJ the pictures this
lesson brought in, drawn by tools/bildoj.py. The Esperanto boxes of this
lesson do not speak (neklakebla_nova); the song and the article play on
their own players."""
from lecionformo import (
    MAKS, SENDAS, Formo, aligno, bildeto, eco, egala, ekzercpagho, enum, faldo, grasa, hbox, item, kadraj_ecoj,
    kamarado, ligilo, num, politiko, prop, s, sago_revena, sendas_butono, size, tekstpagho, vbox, widget)

PT = {
    # page 1: transitive and intransitive verbs
    "Label11": "Verbos transitivos e intransitivos",
    "Label2": (
        "Um verbo transitivo pode ter um objeto direto: a pessoa ou a coisa sobre a qual recai a ação. Em "
        "Esperanto o substantivo ou o pronome que é objeto direto recebe a terminação -n. Um verbo intransitivo "
        "não tem objeto direto: a ação fica no próprio sujeito. Compare estes exemplos:"),
    "Label7": "Estou lendo um livro interessante.",
    "Label8": "A grama é verde.",
    "Label9": "Aconteceu algo importante.",
    "Label10": "O sol brilha sobre o mar.",
    "Label12": "Observação",
    "Label13": (
        "Os verbos intransitivos não têm objeto direto, mas muitos deles têm um complemento introduzido por uma "
        "preposição:"),
    "Label14": "Fico muito contente com a sua felicidade!",
    "Label15": "Isso depende de você.",
    "Label16": (
        "Alguns verbos intransitivos, porém, podem às vezes ter um objeto direto, quando este nomeia a própria "
        "ação ou um tipo dela:"),
    "Label17": "Ele viveu uma vida longa e feliz.",
    "Label18": "Eles dançaram uma valsa.",
    # page 2: verbs in -iĝi
    "Label19": (
        "Todo verbo com o sufixo -iĝ- é intransitivo. Esses verbos são muitas vezes formados de um substantivo ou"
        " de um adjetivo e significam tornar-se aquilo que a raiz indica."),
    "Label3": (
        "Um verbo em -iĝi indica a passagem para um novo estado. Quem ou o que provoca a mudança não é "
        "mencionado: ela simplesmente acontece."),
    "Label21": "No inverno as águas congelam (viram gelo).",
    "Label23": "Depois da chuva o céu clareou.",
    "Label22": "Meu irmão casou-se há um ano (tornou-se marido).",
    "Label24": (
        "O sufixo -iĝ- é muitas vezes acrescentado a verbos transitivos. O novo verbo é intransitivo e "
        "significa tornar-se o que diz o particípio passado: malfermiĝi é tornar-se aberto (malfermita). A ação "
        "acontece com o sujeito, e quem a faz não é mencionado."),
    "Label25": "A porta abriu-se.",
    "Label26": "As lojas fecham às seis.",
    "Label27": "O vidro quebrou-se.",
    "Label28": "O concerto terminou tarde.",
    # page 3: verbs without a subject; verbs in -igi
    "Label29": (
        "Alguns verbos não têm sujeito: indicam o tempo que faz e outros fenômenos da natureza. Em Esperanto "
        "ficam sozinhos, sem pronome algum antes deles:"),
    "Label30": "Está chovendo.",
    "Label31": "Ontem nevou nas montanhas.",
    "Label32": "No verão amanhece muito cedo.",
    "Label33": (
        "Os verbos com o sufixo -ig- são sempre transitivos: -ig- significa fazer, tornar. Alguém faz com que uma"
        " pessoa ou coisa se torne aquilo que a raiz indica (ou o faça); por isso esses verbos têm um objeto "
        "direto em -n."),
    "Label34": "A viagem certamente cansou você.",
    "Label35": "A mãe esquenta a sopa.",
    "Label36": "Precisamos melhorar o nosso trabalho.",
    "Label37": "Lembre-se",
    "Label38": (
        "O verbo esti nunca tem objeto direto: a palavra que vem depois dele descreve o sujeito e não recebe -n "
        "(La supo estas varma). Depois de uma preposição também não se usa -n; só depois de preposições de lugar "
        "como en ou sur o -n pode indicar direção, um movimento para um lugar (Mi iras en la domon: vou para "
        "dentro da casa)."),
    # page 5: word building
    "Label40": "A formação de palavras em Esperanto",
    "Label39": (
        "Com uma única raiz e os vários prefixos, sufixos e terminações, você pode formar um grande número de "
        "palavras. Algumas delas não têm tradução direta na sua língua, mas o seu sentido fica claro pelas suas "
        "partes."),
    "Label41": (
        "Veja algumas famílias de palavras, cada uma formada a partir de uma raiz com os prefixos e sufixos que "
        "você já aprendeu:"),
    "Label42": "Conselho",
    "Label43": (
        "Prefira a clareza: uma palavra com mais de dois afixos pode ser difícil de entender; nesse caso, diga a "
        "mesma coisa com duas palavras. Atenção também à ordem dos afixos, que muda o sentido: dometaro é um "
        "conjunto de casinhas, e domareto seria um pequeno conjunto de casas."),
    # page 6: compound words
    "Label5": (
        "Também se formam palavras juntando raízes. A última raiz dá a ideia principal; a que vem antes dela a "
        "precisa. A terminação da primeira palavra geralmente cai, mas um -o pode ficar entre as raízes para "
        "facilitar a pronúncia:"),
    "Label69": "navio a vapor",
    "Label70": "nave espacial",
    "Label71": "milênio (mil anos)",
    "Label72": "ferrovia",
    "Label73": "cachoeira, queda-d'água",
    "Label74": "futebol",
    "Label75": "relógio de bolso",
    "Label76": "café da manhã",
    "Label77": "capital (cidade)",
    "Label78": "nascer do sol",
    "Label79": "arco-íris",
    "Label80": "escrivaninha",
    "Label81": "aniversário",
    # page 7: words from groups of words
    "Label44": (
        "Também se formam palavras a partir de um grupo de palavras: uma preposição com o seu substantivo, um "
        "adjetivo com o seu substantivo, um número com o seu substantivo, até uma frase curta. O grupo vira uma "
        "só palavra com a terminação de que precisa: -a para um adjetivo, -o para um substantivo."),
    "Label45": "As maçãs que estão na mesa são para você.",
    "Label46": "Ela é mãe de muitos filhos.",
    "Label47": "Fizemos uma viagem de duas semanas até o mar.",
    "Label48": "Não acredite em qualquer boato!",
    # page 8: music
    "Label50": "Música em Esperanto",
    "Label49": (
        "Ouça a canção “Fragoj” (Morangos), escrita para este curso e cantada por uma voz sintetizada. Aperte "
        "o botão para ouvir. Depois passe para a página seguinte: a canção continua tocando enquanto você lê "
        "a letra."),
    "Label51": "Os álbuns da banda",
    "Label20": "Onde comprá-los",
    "Label67": "Mais canções em Esperanto",
    # page 9: the song's words
    "Label52": "A letra da canção",
    "Label53": (
        "Leia a letra enquanto ouve a canção. Embaixo estão as palavras novas; observe as palavras compostas e as"
        " que começam com uma preposição: agora você mesmo já consegue separá-las em partes."),
    "Label54": "morango",
    "Label55": "provar, demonstrar",
    "Label56": "aproximar-se, ir até",
    "Label57": "céu",
    "Label58": "arco",
    "Label59": "arco-íris",
    "Label60": "alma",
    "Label61": "valor",
    "Label62": "verdade",
    "Label63": "luz",
    "Label65": "chegar (a)",
    "Label64": "infinito, o sem-fim",
    "Label66": "boca",
    "Label68": "cesto",
    "Label82": "crescer",
    "Label83": "coração",
    "Label84": "gosto, sabor",
    "Label85": "para casa",
    # page 10: the send page
    "Label4": "Traduza o texto para a sua língua",
    "Label859": (
        "O texto abaixo é um artigo de uma revista em Esperanto. Ouça-o, veja as palavras novas embaixo dele e "
        "escreva a sua tradução no campo no fim da página. Depois aperte o botão de envio para copiar o seu "
        "trabalho para o seu corretor."),
    "Label850": "parque",
    "Label851": "receber",
    "Label863": "local",
    "Label852": "apoiar",
    "Label853": "lei",
    "Label854": "propor, sugerir",
    "Label860": "visar, ter como objetivo",
    "Label855": "pôr, colocar",
    "Label856": "igual",
    "Label857": "homenagear, honrar",
    "Label858": "ficar, permanecer",
    "Label861": "biblioteca",
    "Label862": "segundo, de acordo com; ao longo de",
    "Label864": "estrela",
    "Label865": "clube",
    "Label866": "pedra",
}

class Nomoj:
    """Names for the boxes the lesson's own layout needs beyond the named ones
    (numbers far above those, so that they never meet)."""

    def __init__(self):
        self.n = {"vertical": 100, "horizontal": 100}

    def __call__(self, orientiĝo="vertical"):
        self.n[orientiĝo] += 1
        return "%sLayout_%d" % (orientiĝo, self.n[orientiĝo])


def ekzemplo(nomo, teksto, faldas=True, ecoj=()):
    """An Esperanto example box: it does not speak and is never translated."""
    return widget("neklakebla_nova", nomo, list(ecoj) + ([faldo()] if faldas else []) + [prop("text", s(teksto))])


def paro(f, n, skatoloj, traduko, spacing, suba=False):
    """Example pair: one or two example boxes over their translation."""
    ecoj = [eco("tipo", "suba")] if suba else []
    return vbox(n(), [ekzemplo(b, t) for b, t in skatoloj] + [f.etikedo(traduko, ecoj=ecoj)], spacing=spacing)


def krommarĝeno(f, n, larĝo, eroj, spacing):
    """Examples indented under the explanation before them."""
    return hbox(n("horizontal"), [f.spacer("horizontal", "Fixed", larĝo, 20), vbox(n(), eroj, spacing=spacing)])


def notujo(n, nomo, eroj, spacing=None, ecoj=()):
    """A note box, drawn with a coloured border by the style sheet."""
    return widget("QFrame", nomo, list(ecoj) + kadraj_ecoj("QFrame::Box") + [eco("tipo", "markebla")],
                  vbox(n(), eroj, spacing=spacing))


def notkapo(f, k, faldas=True, ecoj=()):
    """The bold title that opens a note box."""
    return f.etikedo(k, wrap=faldas, pol=("Preferred", "Maximum"), ecoj=[grasa()] + list(ecoj))


def pagho_(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, **kw):
    return tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, pol=None, **kw)


# ------------------------------------------------------------------ page 1
def pagho1(f, n):
    enhavo = vbox("verticalLayout_24", [
        f.kapo(11), f.etikedo(2),
        paro(f, n, [("pushButton_25", "Mi legas interesan libron.")], 7, 5),
        paro(f, n, [("pushButton_32", "La herbo verdas."), ("pushButton_33", "La herbo estas verda.")], 8, 5),
        paro(f, n, [("pushButton_26", "Okazis io grava.")], 9, 5),
        paro(f, n, [("pushButton_27", "La suno brilas super la maro.")], 10, 5),
        notujo(n, "frame_2", [
            notkapo(f, 12, faldas=False), f.etikedo(13),
            krommarĝeno(f, n, 30, [paro(f, n, [("pushButton_28", "Mi tre ĝojas pri via feliĉo!")], 14, 5),
                                   paro(f, n, [("pushButton_29", "Tio dependas de vi.")], 15, 5)], 12),
            f.etikedo(16),
            krommarĝeno(f, n, 30, [paro(f, n, [("pushButton_30", "Li vivis longan kaj feliĉan vivon.")], 17, 5),
                                   paro(f, n, [("pushButton_31", "Ili dancis valson.")], 18, 5)], 12)]),
        f.spacer()], spacing=12)
    return pagho_("tab", "1", "verticalLayout_51", "scrollArea_2", "scrollAreaWidgetContents_2", 937, 657, enhavo)


# ------------------------------------------------------------------ page 2
IGXI_EL_NOMOJ = [("pushButton_34", "En vintro la akvoj glaciiĝas.", 21),
                 ("pushButton_37", "Post la pluvo la ĉielo heliĝis.", 23),
                 ("pushButton_38", "Mia frato edziĝis antaŭ unu jaro.", 22)]
IGXI_EL_VERBOJ = [("pushButton_39", "La pordo malfermiĝis.", 25),
                  ("pushButton_40", "La vendejoj fermiĝas je la sesa.", 26),
                  ("pushButton_41", "La vitro rompiĝis.", 27),
                  ("pushButton_42", "La koncerto finiĝis malfrue.", 28)]


def pagho2(f, n):
    enhavo = vbox("verticalLayout_23", [f.etikedo(19), f.etikedo(3)] +
                  [paro(f, n, [(b, t)], k, 6) for b, t, k in IGXI_EL_NOMOJ] + [f.etikedo(24)] +
                  [paro(f, n, [(b, t)], k, 6, suba=True) for b, t, k in IGXI_EL_VERBOJ] + [f.spacer()], spacing=12)
    return pagho_("tab_2", "2", "verticalLayout_76", "scrollArea_3", "scrollAreaWidgetContents_3", 952, 635, enhavo)


# ------------------------------------------------------------------ page 3
SENSUBJEKTAJ = [("pushButton_35", "Pluvas.", 30, False), ("pushButton_43", "Hieraŭ neĝis en la montoj.", 31, True),
                ("pushButton_44", "Somere tre frue tagiĝas.", 32, True)]
IGI = [("pushButton_36", "La vojaĝo certe vin lacigis.", 34, False),
       ("pushButton_45", "La patrino varmigas la supon.", 35, True),
       ("pushButton_46", "Ni devas plibonigi nian laboron.", 36, True)]


def pagho3(f, n):
    def grupo(klarigo, ekzemploj):
        return vbox(n(), [f.etikedo(klarigo),
                          krommarĝeno(f, n, 40, [paro(f, n, [(b, t)], k, 6, suba=su) for b, t, k, su in ekzemploj],
                                      9)])

    enhavo = vbox("verticalLayout_62", [
        grupo(29, SENSUBJEKTAJ), grupo(33, IGI),
        notujo(n, "frame_3", [notkapo(f, 37, ecoj=[aligno("Qt::AlignLeft|Qt::AlignVCenter")]), f.etikedo(38)]),
        f.spacer()], spacing=20)
    return pagho_("tab_3", "3", "verticalLayout_77", "scrollArea_4", "scrollAreaWidgetContents_4", 952, 635, enhavo)


# ------------------------------------------------------------------ page 5
FAMILIOJ = [("pushButton_51", "Sano  /  sana /  sane  /  malsana / resaniĝi / malsanulejo ..."),
            ("pushButton_52", "Lerni  /  lernanto  /  lernejo  /  lernado  /  lerninda  /  ellerni ..."),
            ("pushButton_53", "Skribi  /  skribo  /  skribilo  /  skribisto  /  priskribi  /  subskribo ...")]
AFIKSORDO = [("pushButton_49", "Beluleto = eta belulo (ekz. pri beboj, infanoj ktp. )"),
             ("pushButton_50", "Dometaro = aro da dometoj (ekz. malgranda vilaĝo en la montoj)")]


def pagho5(f, n):
    komenco = [f.kapo(40), f.etikedo(39), f.etikedo(41),
               krommarĝeno(f, n, 30, [ekzemplo(b, t) for b, t in FAMILIOJ], 9)]
    noto = notujo(n, "frame_4", [
        notkapo(f, 42), f.etikedo(43, pol=("Preferred", "Preferred")),
        krommarĝeno(f, n, 30, [ekzemplo(b, t) for b, t in AFIKSORDO], 5)],
        spacing=7, ecoj=[politiko("Preferred", "Preferred")])
    enhavo = vbox("verticalLayout_42", komenco + [noto, f.spacer()])
    return pagho_("tab_5", "5", "verticalLayout_78", "scrollArea_5", "scrollAreaWidgetContents_5", 952, 635, enhavo)


# ------------------------------------------------------------------ page 6
KUNMETITAJ = [("pushButton_47", "vaporŝipo (vaporo + ŝipo) ", 69), ("pushButton_48", "spacoŝipo (spaco + ŝipo)", 70),
              ("pushButton_54", "jarmilo (jaro + milo)", 71), ("pushButton_55", "fervojo (fero + vojo) ", 72),
              ("pushButton_56", "akvofalo (akvo + falo) ", 73), ("pushButton_57", "piedpilko (piedo + pilko) ", 74),
              ("pushButton_58", "poŝhorloĝo (poŝo + horloĝo) ", 75),
              ("pushButton_59", "matenmanĝo (mateno + manĝo) ", 76), ("pushButton_60", "ĉefurbo (ĉefa + urbo) ", 77),
              ("pushButton_61", "sunleviĝo (suno + leviĝo) ", 78), ("pushButton_62", "ĉielarko (ĉielo + arko) ", 79),
              ("pushButton_63", "skribotablo (skribi + tablo) ", 80),
              ("pushButton_64", "naskiĝtago (naskiĝo + tago) ", 81)]


def pagho6(f, n):
    klarigo = f.etikedo(5)
    paroj = []
    for b, t, k in KUNMETITAJ:
        # The last box keeps its one line and grows no wider than its word.
        skatolo = (ekzemplo(b, t, faldas=False, ecoj=[politiko("Maximum", "Fixed")]) if b == "pushButton_64"
                   else ekzemplo(b, t))
        paroj.append(vbox(n(), [skatolo, f.etikedo(k)], spacing=5))
    enhavo = vbox("verticalLayout_75", [klarigo, vbox(n(), paroj, spacing=12), f.spacer()])
    return pagho_("tab_6", "6", "verticalLayout_79", "scrollArea_6", "scrollAreaWidgetContents_6", 937, 751, enhavo)


# ------------------------------------------------------------------ page 7
GRUPOJ = [  # group box, derivation, arrow row, arrow, sentence, equals row (spacing), sign, same sentence, meaning
    ("verticalLayout_43", ("pushButton_67", "sur la tablo → surtabla  "),
     "horizontalLayout_91", "label_2", ("pushButton_68", "La surtablaj pomoj estas por vi."),
     ("horizontalLayout_89", None), "label_10", ("pushButton_77", "La pomoj, kiuj estas sur la tablo, estas por vi."),
     45),
    ("verticalLayout_13", ("pushButton_69", "multaj infanoj → multinfana "),
     "horizontalLayout_87", "label_4", ("pushButton_70", "Ŝi estas multinfana patrino."),
     ("horizontalLayout_85", 5), "label_5", ("pushButton_71", "Ŝi estas patrino, kiu havas multajn infanojn."), 46),
    ("verticalLayout_12", ("pushButton_72", "du semajnoj → dusemajna, du-semajna"),
     "horizontalLayout_83", "label_8", ("pushButton_73", "Ni faris dusemajnan vojaĝon al la maro."), None, None, None,
     47),
    ("verticalLayout", ("pushButton_74", "Oni diras → onidiro"),
     "horizontalLayout_81", "label_9", ("pushButton_75", "Ne kredu ĉiun onidiron!"), None, None, None, 48),
]


def pagho7(f):
    enkonduko = f.etikedo(44, pol=("Preferred", "Maximum"))
    grupoj = []
    for grupo, derivo, sagvico, sago, frazo, egalvico, signo, sama, signifo in GRUPOJ:
        eroj = [ekzemplo(*derivo), hbox(sagvico, [sago_revena(sago, grandoj=False), ekzemplo(*frazo)], spacing=5)]
        if egalvico:
            eroj.append(hbox(egalvico[0], [egala(signo), ekzemplo(*sama)], spacing=egalvico[1]))
        # What the example says, in the learner's language, under the group.
        eroj.append(f.etikedo(signifo))
        grupoj.append(vbox(grupo, eroj, spacing=5))
    enhavo = vbox("verticalLayout_48", [enkonduko] + grupoj + [f.spacer()], spacing=24)
    return pagho_("tab_7", "7", "verticalLayout_80", "scrollArea_7", "scrollAreaWidgetContents_7", 952, 635, enhavo)


# ------------------------------------------------------------------ page 8
# The band, its albums and the shops are invented; every address is under example.org.
ALBUMOJ = "• Ĉielarko super la kampo\n   Lumo-Diskoj - 1998\n\n• Fragoj kaj aliaj kantoj\n   Verda Disko - 2000"
BUTIKOJ = [("label_126", "https://lumo-diskoj.example.org/"), ("label_127", "https://verda-disko.example.org/")]
PLIA_MUZIKO = [("label_130", "https://kantaro.example.org/"), ("label_129", "https://muzikejo.example.org/"),
               ("label_131", "https://radio-verda.example.org/")]


def pagho8(f):
    def listo(kesto, kapo, vico, eroj, margins=None):
        return vbox(kesto, [f.etikedo(kapo, ecoj=[grasa()]),
                            hbox(vico, [f.spacer("horizontal", "Fixed", 40, 20)] + eroj)], margins=margins)

    ligiloj = [ligilo(nomo, adreso, adreso) for nomo, adreso in BUTIKOJ]
    pliaj = [ligilo(nomo, adreso, adreso) for nomo, adreso in PLIA_MUZIKO]
    albumoj = widget("QLabel", "label_6", [prop("text", s(ALBUMOJ)), eco("lingvo", "eo")])
    enhavo = vbox("verticalLayout_10", [
        f.kapo(50), f.etikedo(49),
        vbox("verticalLayout_8", [
            bildeto("label_3", ":/ikonoj/tavrin.png", [faldo()]),
            widget("mp3ludilo", "Lec12_fragoj", [politiko("Fixed", "Fixed"), prop("minimumSize", size(84, 42)),
                                                 prop("maximumSize", size(MAKS, MAKS)),
                                                 prop("frameShape", enum("QFrame::StyledPanel")),
                                                 prop("frameShadow", enum("QFrame::Plain"))])]),
        vbox("verticalLayout_9", [
            listo("verticalLayout_7", 51, "horizontalLayout_3", [albumoj], margins=(-1, 15, -1, -1)),
            f.spacer("vertical", "Expanding", 17, 1),
            listo("verticalLayout_4", 20, "horizontalLayout", [vbox("verticalLayout_3", ligiloj)]),
            f.spacer("vertical", "Expanding", 17, 1),
            listo("verticalLayout_6", 67, "horizontalLayout_2", [vbox("verticalLayout_5", pliaj)])],
            stretch="0,1,0,1,0"),
        f.spacer()])
    return pagho_("tab_8", "8", "verticalLayout_81", "scrollArea", "scrollAreaWidgetContents", 937, 789, enhavo,
                  ikono=":/ikonoj/muziko.png")


# ------------------------------------------------------------------ page 9
KANTO = "Fragoj"
STROFO1 = ["Sub la bela ĉielarko",
           "kreskas fragoj en la herbo,",
           "ruĝaj kiel via buŝo,",
           "dolĉaj kiel via vorto.",
           "Mi aliras vin kun korbo",
           "plena de ĉiela lumo,",
           "kaj mi diras: “Jen la vero:",
           "mia koro estas via.”"]
STROFO2 = ["Fragoj, fragoj, ruĝaj fragoj,",
           "ili pruvas la valoron",
           "de la amo en animo,",
           "kiu daŭros ĝis senfino.",
           "Kiam venos la vespero",
           "kaj ni du alvenos hejmen,",
           "restos gusto en la buŝo.",
           "Fragoj, fragoj, ruĝaj fragoj . . . . . . . .",
           "ili pruvas la valoron . . . . . . . ."]
KANTVORTOJ = [("pushButton", "frago", 54), ("pushButton_2", "pruvi", 55), ("pushButton_3", "aliri (= iri al)", 56),
              ("pushButton_4", "ĉielo", 57), ("pushButton_5", "arko", 58),
              ("pushButton_6", "ĉielarko (ĉielo + arko)", 59), ("pushButton_7", "animo", 60),
              ("pushButton_8", "valoro", 61), ("pushButton_9", "vero", 62), ("pushButton_10", "lumo", 63),
              ("pushButton_11", "alveni (= veni al)", 65), ("pushButton_12", "senfino (sen + fino)", 64),
              ("pushButton_78", "buŝo", 66), ("pushButton_79", "korbo", 68), ("pushButton_82", "kreski", 82),
              ("pushButton_83", "koro", 83), ("pushButton_84", "gusto", 84),
              ("pushButton_85", "hejmen (= al la hejmo)", 85)]
TITOLA_DOKUMENTO = (
    '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">\n'
    '<html><head><meta name="qrichtext" content="1" /><style type="text/css">\n'
    'p, li { white-space: pre-wrap; }\n'
    '</style></head><body style=" font-family:\'Arial\'; font-size:19px; font-weight:600; font-style:normal;">\n'
    '<p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; '
    'text-indent:0px;">%s</p></body></html>' % KANTO)


def strofo(nomo, linioj):
    return widget("QLabel", nomo, [
        prop("font", "<font><family>Arial</family><pointsize>11</pointsize></font>"),
        prop("text", s("\n".join(linioj))), aligno("Qt::AlignLeft|Qt::AlignTop"), eco("lingvo", "eo")])


def vortvico(f, nomo, skatolo, vorto, signifo, spacing=12, faldas=False, kamaradas=False):
    """A word over its meaning, side by side; the meaning takes the rest of the row."""
    ecoj = [kamarado(skatolo)] if kamaradas else []
    return hbox(nomo, [ekzemplo(skatolo, vorto, faldas=faldas), f.signifo(signifo, ecoj=ecoj)], spacing=spacing)


def vicnomo(n, unua, i):
    """The row's box: the first fourteen rows keep their old numbers, the later ones take new ones."""
    return "horizontalLayout_%d" % (unua + i) if i < 14 else n("horizontal")


def pagho9(f, n):
    komenco = [f.kapo(52), f.etikedo(53)]
    teksto = widget("QFrame", "frame", [
        politiko("Preferred", "Expanding"), prop("frameShape", enum("QFrame::Panel")),
        prop("frameShadow", enum("QFrame::Sunken")), prop("lineWidth", num(2)), eco("tipo", "markebla")],
        vbox("verticalLayout_14", [
            widget("QLabel", "label", [grasa(), prop("styleSheet", s("color: blue;\nfont-size: 18px;\nfont-weight: bold;")),
                                       prop("text", s(TITOLA_DOKUMENTO)), aligno("Qt::AlignLeft|Qt::AlignVCenter")]),
            strofo("label_16", STROFO1), strofo("label_17", STROFO2)]))
    vicoj = [vortvico(f, vicnomo(n, 5, i), b, v, k) for i, (b, v, k) in enumerate(KANTVORTOJ)]
    enhavo = vbox("verticalLayout_11", komenco + [teksto] + vicoj + [f.spacer()])
    return pagho_("tab_9", "9", "verticalLayout_82", "scrollArea_8", "scrollAreaWidgetContents_8", 937, 747, enhavo)


# ----------------------------------------------------------------- page 10
ARTIKOLO = (
    "La loka Esperanto-klubo proponis, ke la nova urba parko ricevu la nomon “Parko de Esperanto”. La urbestro "
    "subtenis la proponon, ĉar laŭ la leĝo ĉiuj loĝantoj estas egalaj, kiun ajn lingvon ili parolas, kaj la urbo "
    "celas honori ĉiujn siajn lingvojn. Ĉe la enirejo de la parko oni metis grandan ŝtonon kun verda stelo, kaj la "
    "klubo ricevis ĉambron por siaj lecionoj en la biblioteko apud la parko. La parko restos malfermita al ĉiuj, tage "
    "kaj nokte.")
ARTIKOLVORTOJ = [("pushButton_13", "parko", 850), ("pushButton_14", "ricevi", 851), ("pushButton_15", "loka", 863),
                 ("pushButton_16", "subteni (sub + teni)", 852), ("pushButton_17", "leĝo", 853),
                 ("pushButton_18", "proponi", 854), ("pushButton_19", "celi", 860), ("pushButton_20", "meti", 855),
                 ("pushButton_21", "egala", 856), ("pushButton_22", "honori", 857), ("pushButton_23", "resti", 858),
                 ("pushButton_24", "biblioteko", 861), ("pushButton_80", "laŭ", 862), ("pushButton_81", "stelo", 864),
                 ("pushButton_86", "klubo", 865), ("pushButton_87", "ŝtono", 866)]


def pagho10(f, n):
    komenco = [f.kapo(4), f.etikedo(859)]
    artikolo = widget("QLabel", "label_104", [
        prop("frameShape", enum("QFrame::Panel")), prop("frameShadow", enum("QFrame::Sunken")),
        prop("lineWidth", num(2)), prop("text", s(ARTIKOLO)), faldo(), prop("margin", num(5)),
        kamarado("plainTextEdit"), eco("tipo", "teksta"), eco("lingvo", "eo")])
    legajho = widget("mp3ludilo", "Lec12_memo10", [
        politiko("Fixed", "Minimum"), prop("minimumSize", size(100, 40)), prop("maximumSize", size(MAKS, MAKS)),
        prop("frameShape", enum("QFrame::StyledPanel")), prop("frameShadow", enum("QFrame::Plain"))])
    vicoj = [vortvico(f, vicnomo(n, 20, i), b, v, k, faldas=True, kamaradas=True)
             for i, (b, v, k) in enumerate(ARTIKOLVORTOJ)]
    enhavo = vbox("verticalLayout_15", komenco + [
        artikolo, legajho,
        vbox("verticalLayout_16", vicoj[:8], spacing=6), vbox("verticalLayout_17", vicoj[8:], spacing=6),
        f.respondo("plainTextEdit", klaso="QPlainTextEdit", ecoj=[politiko("Preferred", "Preferred")],
                   lingvo="traduko"),
        item(sendas_butono("pushButton_65"), "Qt::AlignHCenter"),
        f.spacer()])
    return pagho_("Sendas1_Lec12", "10", "verticalLayout_83", "scrollArea_9", "scrollAreaWidgetContents_9", 937, 774,
                  enhavo, ikono=SENDAS)


def formo():
    f = Formo(12, PT)
    n = Nomoj()
    paghoj = [pagho1(f, n), pagho2(f, n), pagho3(f, n),
              ekzercpagho("Ekzerco1_Akuz_Lec12", "4", ":/ikonoj/akuzativo.png", "verticalLayout_2", "akuzativo",
                          "Lec12_Ekz_Akuz_1202"),
              pagho5(f, n), pagho6(f, n), pagho7(f), pagho8(f), pagho9(f, n), pagho10(f, n)]
    # The reading stops when the page turns; the song plays on over the page with its words.
    f.konekto("Lec12", "currentChanged(int)", "Lec12_memo10", "PaghoShanghita(int)")
    f.konekto("Lec12", "currentChanged(int)", "Lec12_fragoj", "PaghoFragoj(int)")
    return f.dokumento(paghoj, 962, 675, "horizontalLayout_4", nuna=9, radiko_horizontala=True, radiko_streco="1")


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
def _frago(x, y, k=1.0):
    """A strawberry with its leaves, centred on (x, y)."""
    semoj = "".join('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffe98a"/>' % (x + dx * k, y + dy * k, 0.9 * k)
                    for dx, dy in ((-4, -2), (1, -3), (5, 0), (-2, 3), (3, 5), (0, 9), (-5, 5)))
    return ('<path d="M%.1f %.1f C%.1f %.1f %.1f %.1f %.1f %.1f C%.1f %.1f %.1f %.1f %.1f %.1f Z" fill="#d62839" '
            'stroke="#8e1020" stroke-width="%.1f"/>' % (
                x, y + 14 * k, x - 12 * k, y + 4 * k, x - 11 * k, y - 8 * k, x, y - 7 * k,
                x + 11 * k, y - 8 * k, x + 12 * k, y + 4 * k, x, y + 14 * k, 0.8 * k) + semoj +
            '<path d="M%.1f %.1f l%.1f %.1f l%.1f %.1f l%.1f %.1f l%.1f %.1f l%.1f %.1f Z" fill="#3f9b3f"/>' % (
                x, y - 6 * k, -7 * k, -3 * k, 5 * k, -1 * k, 2 * k, -5 * k, 2 * k, 5 * k, 5 * k, 1 * k))


def _homo(x, kapo, hauxto, vestoj, haroj, longaharo=False):
    """A musician standing on the stage: head at height `kapo`, feet on the boards."""
    h = ('<path d="M%d 214 L%d 182 M%d 214 L%d 182" stroke="#2c3e50" stroke-width="7" stroke-linecap="round"/>'
         % (x - 8, x - 5, x + 8, x + 5))
    h += ('<path d="M%d %d Q%d %d %d %d L%d 188 L%d 188 L%d %d Q%d %d %d %d Z" fill="%s"/>'
          % (x - 15, kapo + 18, x, kapo + 12, x + 15, kapo + 18, x + 18, x - 18, x - 15, kapo + 18, x, kapo + 12,
             x - 15, kapo + 18, vestoj))
    if longaharo:
        h += ('<path d="M%d %d Q%d %d %d %d L%d %d Q%d %d %d %d Z" fill="%s"/>'
              % (x - 14, kapo + 22, x - 18, kapo - 16, x, kapo - 15, x + 14, kapo + 22, x + 18, kapo - 16, x,
                 kapo - 15, haroj))
    h += '<circle cx="%d" cy="%d" r="13" fill="%s"/>' % (x, kapo, hauxto)
    h += ('<path d="M%d %d Q%d %d %d %d Q%d %d %d %d Z" fill="%s"/>'
          % (x - 13, kapo - 2, x - 12, kapo - 16, x, kapo - 15, x + 12, kapo - 16, x + 13, kapo - 2, haroj))
    h += ('<circle cx="%d" cy="%d" r="1.6" fill="#2c2c2c"/><circle cx="%d" cy="%d" r="1.6" fill="#2c2c2c"/>'
          '<path d="M%d %d Q%d %d %d %d" fill="none" stroke="#8e3b2c" stroke-width="1.5" stroke-linecap="round"/>'
          % (x - 5, kapo + 1, x + 5, kapo + 1, x - 4, kapo + 6, x, kapo + 9, x + 4, kapo + 6))
    return h


_ARKO = "".join('<circle cx="200" cy="300" r="%d" fill="none" stroke="%s" stroke-width="9" opacity="0.75"/>'
                % (245 - 9 * i, k) for i, k in enumerate(
                    ("#e53935", "#fb8c00", "#fdd835", "#43a047", "#1e88e5", "#5e35b1")))

BILDOJ = [
    # The band of the song page, drawn for this course: an invented band of
    # four young musicians on a stage under a rainbow, their weathervane on
    # the roof of the stage and strawberries at its foot.
    ("tavrin", 400, 275, ''.join([
        '<defs><linearGradient id="cxielo" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#9fd3ff"/>'
        '<stop offset="1" stop-color="#fff4dc"/></linearGradient></defs>',
        '<rect width="400" height="275" fill="url(#cxielo)"/>',
        _ARKO,
        '<path d="M0 150 Q60 120 120 148 T250 140 T400 135 V215 H0 Z" fill="#9ccc65"/>',
        # the weathervane: a pole with its flag and arrow
        '<path d="M352 22 V84" stroke="#37474f" stroke-width="3"/>'
        '<path d="M352 26 L384 36 L352 46 Z" fill="#2e7d32" stroke="#1b5e20" stroke-width="1.2"/>'
        '<path d="M332 60 H372 M366 55 L374 60 L366 65 M336 55 L330 60 L336 65" fill="none" stroke="#37474f" '
        'stroke-width="2.2" stroke-linejoin="round"/>',
        # the stage
        '<rect x="0" y="212" width="400" height="63" fill="#a1683f"/>'
        '<rect x="0" y="212" width="400" height="7" fill="#7b4a2a"/>'
        '<path d="M0 236 H400 M0 256 H400" stroke="#8a5733" stroke-width="2"/>',
        # drummer at the back, behind the drums
        _homo(232, 128, "#c68642", "#8e44ad", "#1b1b1b", longaharo=True),
        '<ellipse cx="232" cy="190" rx="30" ry="28" fill="#f5f5f5" stroke="#b71c1c" stroke-width="5"/>'
        '<circle cx="232" cy="190" r="8" fill="#b71c1c"/>'
        '<ellipse cx="196" cy="172" rx="15" ry="6" fill="#e0e0e0" stroke="#616161" stroke-width="2"/>'
        '<path d="M196 178 V212" stroke="#616161" stroke-width="2"/>'
        '<ellipse cx="272" cy="150" rx="17" ry="4" fill="#fbc02d" stroke="#a67c00" stroke-width="1.5"/>'
        '<path d="M272 154 V212" stroke="#616161" stroke-width="2"/>'
        '<path d="M214 150 L198 168 M250 150 L264 146" stroke="#c68642" stroke-width="5" stroke-linecap="round"/>',
        # singer with her microphone
        _homo(70, 112, "#f1c27d", "#e53935", "#6d3b1c", longaharo=True),
        '<path d="M98 214 V132" stroke="#424242" stroke-width="3"/>'
        '<rect x="93" y="120" width="10" height="14" rx="5" fill="#424242"/>'
        '<path d="M80 138 L94 130" stroke="#f1c27d" stroke-width="5" stroke-linecap="round"/>',
        # guitarist
        _homo(140, 114, "#e0ac69", "#1e88e5", "#3e2723"),
        '<path d="M128 170 L176 128" stroke="#5d4037" stroke-width="4" stroke-linecap="round"/>'
        '<circle cx="128" cy="172" r="13" fill="#ef8e38" stroke="#8d4b12" stroke-width="2"/>'
        '<circle cx="139" cy="161" r="9" fill="#ef8e38" stroke="#8d4b12" stroke-width="2"/>'
        '<circle cx="130" cy="170" r="3.5" fill="#5d3a12"/>'
        '<path d="M126 148 L136 162 M152 146 L160 142" stroke="#e0ac69" stroke-width="5" stroke-linecap="round"/>',
        # violinist
        _homo(318, 110, "#8d5524", "#43a047", "#2b1b0e"),
        '<path d="M304 128 Q298 138 306 146 Q314 152 320 140 Q326 128 316 124 Z" fill="#a0522d" '
        'stroke="#5d2e12" stroke-width="1.5"/>'
        '<path d="M316 126 L340 112" stroke="#3e2723" stroke-width="2.5"/>'
        '<path d="M292 150 L342 128" stroke="#cfd8dc" stroke-width="1.8"/>'
        '<path d="M336 146 L342 128 M302 140 L292 150" stroke="#8d5524" stroke-width="5" stroke-linecap="round"/>',
        # strawberries at the foot of the stage
        _frago(28, 248, 1.3), _frago(58, 256, 1.0), _frago(372, 250, 1.3), _frago(345, 258, 1.0),
    ])),
]
