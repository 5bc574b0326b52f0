"""Lesson 5: the correlatives in -U, -E, -AM and -O, the word ĉi, vocabulary;
five exercise pages and a send page.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files). The root frame sets no font
and no window title, so the pages take the fonts the learner chose in the
main window."""
from lecionformo import (
    MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, eco, ekzercpagho, faldo, grasa, hbox, kadraj_ecoj, kamarado,
    politiko, prop, s, sendujo, tekstpagho, vbox, widget)

PT = {
    # page 1: the correlatives, the ending -U
    "Label6": "Correlativos",
    "Label1": (
        "Os correlativos são 45 palavras curtas que cabem numa tabela: cada uma junta um de cinco começos a "
        "uma de nove terminações, e o seu significado é simplesmente a soma das duas partes. O começo diz que "
        "tipo de palavra é: KI- pergunta ou relaciona, TI- aponta, I- deixa em aberto, ĈI- abrange tudo, "
        "NENI- não abrange nada. A terminação diz de que se trata. Aprenda as 14 partes e você saberá as 45 "
        "palavras. Esta lição ensina as terminações -U, -E, -AM e -O; a lição 6 ensina as outras cinco."),
    "Label2": (
        "A terminação -U indica um indivíduo: sozinha, a palavra em -U indica em geral uma pessoa (kiu? quem?); "
        "antes de um substantivo, indica pessoas ou coisas individuais (tiu libro: aquele livro; ĉiu homo: cada "
        "pessoa)."),
    "Label9": "KI- faz uma pergunta, ou liga uma oração a uma palavra anterior.",
    "Label11": "qual, quem",
    "Label12": "Quem foi o seu primeiro professor? — O senhor Vilpo.",
    "Label13": "TI- aponta para algo: aquele, lá, então.",
    "Label14": "aquele, esse",
    "Label15": "Aquele livro é muito bom.",
    "Label32": "ĈI- abrange todos os membros de um grupo: cada, todos, sempre.",
    "Label33": "cada, todo, todos",
    "Label34": "Cada pessoa ama a si mesma.",
    "Label29": "NENI- nega: nenhum, em lugar nenhum, nunca.",
    "Label30": "ninguém, nenhum",
    "Label31": "Quem veio ontem? — Ninguém veio ontem.",
    "Label26": "I- deixa em aberto: algum, alguém, algum lugar, alguma vez.",
    "Label27": "alguém, algum",
    "Label28": "Vieram algumas pessoas que eu não conheço.",
    "Label475": "NENI- dispensa o ne",
    "Label476": (
        "Uma palavra NENI- já é negativa: o Esperanto não coloca “ne” ao lado dela. “Neniu venis” (ninguém "
        "veio), “Mi neniam vidis lin” (nunca o vi). Um “ne” junto dela a anularia: “Neniu ne venis” quer dizer "
        "que todos vieram. Em “Ne, mi neniam vizitis tiun landon” (página 3), o “ne” é a resposta não, "
        "separada da frase pela vírgula."),
    # page 2: the ending -E
    "Label44": "A terminação -E indica um lugar.",
    "Label35": "KI- pergunta pelo lugar, ou liga uma oração a ele.",
    "Label36": "onde",
    "Label37": "Onde você mora? — Moro no Canadá.",
    "Label38": "TI- aponta para um lugar mostrado ou mencionado.",
    "Label39": "lá, ali",
    "Label40": "Moro ali, onde está o carro.",
    "Label41": "I- fala de um lugar sem dizer qual.",
    "Label42": "em algum lugar",
    "Label43": "Meu lápis está em algum lugar do jardim.",
    "Label45": "NENI- diz que não há tal lugar.",
    "Label46": "em lugar nenhum",
    "Label47": "Não encontrei o meu livro em lugar nenhum.",
    "Label48": "ĈI- abrange todos os lugares.",
    "Label49": "em toda parte",
    "Label50": "O tolo escreve o seu nome em toda parte. (provérbio)",
    # page 3: the ending -AM
    "Label54": "A terminação -AM indica tempo: o momento em que algo acontece.",
    "Label52": "quando",
    "Label53": "Quando você vai comprar o livro? — Amanhã de manhã.",
    "Label56": "então, naquele tempo",
    "Label57": "Aprendi Esperanto quando estava na escola.",
    "Label55": "alguma vez, algum dia",
    "Label58": "Você já visitou o Brasil alguma vez?",
    "Label59": "nunca",
    "Label60": "Não, nunca visitei esse país.",
    "Label61": "sempre",
    "Label62": "No entanto, sempre quis visitá-lo.",
    # page 4: the ending -O
    "Label73": (
        "A terminação -O indica uma coisa, uma ideia ou um fato. Estas palavras ocupam o lugar de um substantivo "
        "e nunca vêm antes de um: diz-se tiu libro (aquele livro), não tio libro. Para pessoas, use as palavras "
        "em -U."),
    "Label63": "o quê, que coisa",
    "Label64": "O que é geografia? — Geografia é uma ciência.",
    "Label65": "isso, aquilo",
    "Label66": "O que é aquilo? — Aquilo é um instrumento musical.",
    "Label67": "alguma coisa, algo",
    "Label68": "Aconteceu alguma coisa!",
    "Label69": "nada",
    "Label70": "Antes algo do que nada.",
    "Label71": "tudo",
    "Label72": "Esqueci tudo.",
    # page 5: the word ĉi
    "Label7": (
        "A palavrinha ĉi indica proximidade. Colocada junto a uma palavra da série TI-, antes ou depois dela, "
        "transforma “aquele” em “este”: tiu (aquele) torna-se ĉi tiu ou tiu ĉi (este), tio (aquilo) torna-se "
        "ĉi tio (isto), tie (lá) torna-se ĉi tie (aqui). As duas ordens significam o mesmo."),
    "Label456": "O que é isto?",
    "Label457": "Isto é um animal.",
    "Label24": "Esta é a minha casa.",
    "Label22": "As palavras em -O não têm plural",
    "Label463": (
        "Os correlativos em -O (kio, tio, io, nenio, ĉio) nunca recebem a terminação de plural -j: ĉio já "
        "significa todas as coisas juntas. Para falar de várias pessoas ou coisas, use as palavras em -U, que "
        "recebem -j: kiuj (quais), tiuj (aqueles), ĉiuj (todos)."),
    # page 6: vocabulary
    "Label18": "Vocabulário",
    "Label337": "comprar",
    "Label338": "a, para",
    "Label339": "anúncio",
    "Label340": "bicicleta",
    "Label341": "cartão-postal",
    "Label342": "figura, imagem",
    "Label343": "quarto, sala",
    "Label344": "chocolate",
    "Label345": "dança",
    "Label346": "de",
    "Label347": "desejar",
    "Label348": "casa",
    "Label349": "marido",
    "Label350": "de (dentro de), para fora de",
    "Label352": "morar",
    "Label353": "geografia",
    "Label354": "provar (o sabor)",
    "Label355": "alegria",
    "Label358": "já",
    "Label359": "ciumento",
    "Label477": "saber",
    "Label478": "mas",
    "Label479": "procurar",
    # page 12: the send page
    "Label8": "Traduza estas frases para o Esperanto.",
    "Label464": "1. O que é aquilo?",
    "Label465": "2. Onde está a minha xícara?",
    "Label466": "3. Qual é o meu livro?",
    "Label467": "4. Quem comeu o meu bolo?",
    "Label468": "5. Quando você vai comer?",
    "Label470": "6. Tudo está molhado.",
    "Label471": "7. Esqueci tudo.",
    "Label472": "8. O meu livro está em algum lugar.",
    "Label473": "9. Naquele momento, eu bebi o meu chá.",
    "Label474": "10. Quem é aquele?",
}

_nomoj = {"h": 200, "v": 200}


def libera(tipo):
    """A layout name of our own (no code looks them up), clear of the Part's."""
    _nomoj[tipo] += 1
    return ("horizontalLayout_%d" if tipo == "h" else "verticalLayout_%d") % _nomoj[tipo]


def afikso(nomo, teksto, ecoj=()):
    """A correlative's beginning or ending: a plain label, bold in the Esperanto font."""
    return widget("QLabel", nomo, list(ecoj) + [prop("text", s(teksto)), eco("tipo", "afikso")])


def kapo(nomo, teksto=None, ecoj=()):
    """A heading (titolo) without a font of its own; teksto for an untranslated one."""
    return widget("titolo", nomo, [politiko("Preferred", "Maximum")] + list(ecoj) + [prop("text", s(teksto))])


def vorto(f, n, teksto, frazo=False):
    return f.vorto(n, teksto, fokuso=False, poste=[faldo()] if frazo else ())


def vortvico(f, nomo, n, teksto, m, spacing=12):
    """A correlative or a word beside its meaning."""
    return hbox(nomo or libera("h"), [vorto(f, n, teksto), f.signifo(m)], spacing=spacing)


def frazparo(f, nomo, n, teksto, m, spacing=5):
    """An example sentence above its translation."""
    return vbox(nomo or libera("v"), [vorto(f, n, teksto, frazo=True), f.etikedo(m)], spacing=spacing)


def finvico(f, nomo, afikso_nomo, teksto, m, pol=("Expanding", "Preferred"), afikso_ecoj=()):
    """The ending with what it denotes."""
    return hbox(nomo or libera("h"), [afikso(afikso_nomo, teksto, afikso_ecoj), f.etikedo(m, pol=pol)], spacing=12)


def bloko(f, kadro, kadra_layout, eroj):
    return widget("QFrame", kadro, kadraj_ecoj("QFrame::Box"), kadra_layout(eroj))


def tekstpagho5(nomo, titolo, pagho_layout, areo, enhavo_nomo, w, h, enhavo):
    return tekstpagho(nomo, titolo, pagho_layout, areo, enhavo_nomo, w, h, enhavo, pol=None)


# ------------------------------------------------------------ pages 1 and 2
# frame, block spacing/margins (None: defaults), beginning label and text, its explanation,
# word, meaning, sentence, translation
U_BLOKOJ = [
    ("frame", None, "pushButton_2", "KI-", 9, 1, "KIU", 11, 2,
     "Kiu estis via unua instruisto? — Sinjoro Vilpo.", 12),
    ("frame_2", 9, "pushButton_5", "TI-", 13, 3, "TIU", 14, 4, "Tiu libro estas tre bona.", 15),
    ("frame_5", 9, "pushButton_14", "ĈI-", 32, 9, "ĈIU", 33, 10, "Ĉiu homo amas sin mem.", 34),
    ("frame_4", None, "pushButton_11", "NENI-", 29, 7, "NENIU", 30, 8,
     "Kiu venis hieraŭ?  — Neniu venis hieraŭ.", 31),
    ("frame_3", 9, "pushButton_8", "I-", 26, 5, "IU", 27, 6, "Venis iuj personoj, kiujn mi ne konas.", 28),
]
E_BLOKOJ = [
    ("frame_7", 9, "pushButton_20", "KI-", 35, 11, "KIE", 36, 12, "Kie vi loĝas? — Mi loĝas en Kanado.", 37),
    ("frame_6", 9, "pushButton_17", "TI-", 38, 13, "TIE", 39, 14, "Mi loĝas tie, kie estas la aŭto.", 40),
    ("frame_8", 9, "pushButton_24", "I-", 41, 15, "IE", 42, 16, "Mia krajono estas ie en la ĝardeno.", 43),
    ("frame_10", 9, "pushButton_30", "NENI-", 45, 17, "NENIE", 46, 18, "Nenie mi trovis mian libron.", 47),
    ("frame_9", 9, "pushButton_27", "ĈI-", 48, 19, "ĈIE", 49, 20, "Malsaĝulo ĉie sian nomon skribas.", 50),
]


def komencbloko(f, kadro, margxeno, komenco, komenco_teksto, klarigo, n, teksto, m, fn, frazo, fm,
                vortvico_spacing=12):
    """A block of pages 1 and 2: the beginning, then (indented) the word and its example."""
    komencvico = hbox(libera("h"), [afikso(komenco, komenco_teksto), f.signifo(klarigo)], spacing=12)
    kolumno = vbox(libera("v"), [vortvico(f, None, n, teksto, m, spacing=vortvico_spacing),
                                 frazparo(f, None, fn, frazo, fm)])
    eroj = [komencvico, hbox(libera("h"), [f.spacer("horizontal", "Fixed", 30, 20), kolumno])]
    return bloko(f, kadro, lambda e: vbox(libera("v"), e, **({} if margxeno is None else
                                                              {"spacing": 6, "margins": margxeno})), eroj)


def pagho1(f):
    eroj = [kapo("Lec05_Label6", f.pt[f._sxlosilo(6)]), f.etikedo(1),
            finvico(f, None, "pushButton", "-U", 2)]
    eroj += [komencbloko(f, *b) for b in U_BLOKOJ]
    # Learners whose languages double the negative need the rule said.
    noto = vbox("verticalLayout_150", [f.etikedo(475, pol=("Preferred", "Maximum"), ecoj=[grasa()]), f.etikedo(476)],
                spacing=5)
    eroj.append(widget("QFrame", "frame_23", kadraj_ecoj("QFrame::Box") + [eco("tipo", "markebla")], noto))
    eroj.append(f.spacer())
    return tekstpagho5("tab", "1", "verticalLayout_44", "scrollArea", "scrollAreaWidgetContents", 992, 833,
                       vbox("verticalLayout_21", eroj))


def pagho2(f):
    eroj = [finvico(f, None, "pushButton_23", "-E", 44)]
    for b in E_BLOKOJ:
        eroj.append(komencbloko(f, *b, vortvico_spacing=None if b[0] == "frame_9" else 12))
    eroj.append(f.spacer())
    return tekstpagho5("tab_3", "2", "verticalLayout_56", "scrollArea_2", "scrollAreaWidgetContents_2", 992, 763,
                       vbox("verticalLayout_20", eroj))


# ------------------------------------------------------------ pages 3 and 4
AM_BLOKOJ = [  # frame, word, meaning, sentence, translation
    ("frame_11", 21, "KIAM", 52, 22, "Kiam vi aĉetos la libron? — Morgaŭ matene.", 53),
    ("frame_12", 23, "TIAM", 56, 24, "Mi lernis Esperanton tiam, kiam mi estis en la lernejo.", 57),
    ("frame_13", 25, "IAM", 55, 26, "Ĉu vi iam vizitis Brazilon?", 58),
    ("frame_14", 27, "NENIAM", 59, 28, "Ne, mi neniam vizitis tiun landon.", 60),
    ("frame_15", 29, "ĈIAM", 61, 30, "Tamen mi ĉiam deziris viziti ĝin.", 62),
]


def pagho3(f):
    eroj = [finvico(f, None, "pushButton_33", "-AM", 54, pol=("Expanding", "Maximum"))]
    for kadro, n, teksto, m, fn, frazo, fm in AM_BLOKOJ:
        tiam = kadro == "frame_12"
        kolumno = vbox(libera("v"), [vortvico(f, None, n, teksto, m), frazparo(f, None, fn, frazo, fm)],
                       spacing=2 if tiam else 3)
        vico = hbox(libera("h"), [f.spacer("horizontal", "Fixed", 10, 20), kolumno])
        kw = {} if tiam else {"spacing": 6, "margins": (9, 2, 9, 2)}
        eroj.append(bloko(f, kadro, lambda e, kw=kw: vbox(libera("v"), e, **kw), [vico]))
    eroj.append(f.spacer())
    return tekstpagho5("tab_5", "3", "verticalLayout_61", "scrollArea_3", "scrollAreaWidgetContents_3", 1007, 660,
                       vbox("verticalLayout_28", eroj))


O_BLOKOJ = [  # frame; its layouts: frame, row, column, word row, example pair; word, meaning, sentence, translation
    ("frame_17", ("verticalLayout_60", "horizontalLayout_38", "verticalLayout_48", "horizontalLayout_85",
                  "verticalLayout_47"), 31, "KIO", 63, 32, "Kio estas geografio? — Geografio estas scienco.", 64),
    ("frame_16", ("verticalLayout_45", "horizontalLayout_81", "verticalLayout_46", "horizontalLayout_82",
                  "verticalLayout_78"), 33, "TIO", 65, 34, "Kio estas tio?  — Tio estas muzikilo.", 66),
    ("frame_19", ("verticalLayout_51", "horizontalLayout_90", "verticalLayout_52", "horizontalLayout_91",
                  "verticalLayout_79"), 35, "IO", 67, 36, "Io okazis!", 68),
    ("frame_18", ("verticalLayout_49", "horizontalLayout_87", "verticalLayout_50", "horizontalLayout_88",
                  "verticalLayout_80"), 37, "NENIO", 69, 38, "Pli bona io ol nenio.", 70),
    ("frame_20", ("verticalLayout_53", "horizontalLayout_93", "verticalLayout_54", "horizontalLayout_94",
                  "verticalLayout_81"), 39, "ĈIO", 71, 40, "Mi forgesis ĉion.", 72),
]


def pagho4(f):
    eroj = [finvico(f, "horizontalLayout_65", "pushButton_34", "-O", 73,
                    afikso_ecoj=[politiko("Maximum", "Fixed")])]
    for kadro, (kl, vl, kol, vv, fp), n, teksto, m, fn, frazo, fm in O_BLOKOJ:
        unua = kadro == "frame_17"
        kolumno = vbox(kol, [vortvico(f, vv, n, teksto, m), frazparo(f, fp, fn, frazo, fm)],
                       spacing=2 if unua else 3)
        vico = hbox(vl, [f.spacer("horizontal", "Fixed", 10, 20), kolumno])
        kw = {"margins": (-1, 2, -1, 2)} if unua else {"spacing": 6, "margins": (9, 2, 9, 2)}
        eroj.append(bloko(f, kadro, lambda e, kl=kl, kw=kw: vbox(kl, e, **kw), [vico]))
    eroj.append(f.spacer())
    return tekstpagho5("tab_6", "4", "verticalLayout_62", "scrollArea_4", "scrollAreaWidgetContents_4", 1007, 660,
                       vbox("verticalLayout", eroj))


# ------------------------------------------------------------------ page 5
CXI_PAROJ = [
    ("verticalLayout_82", 493, "Kio estas ĉi tio?  ( = Kio estas tio ĉi? )", 456),
    ("verticalLayout_83", 494, "Ĉi tio estas besto.  ( = Tio ĉi estas besto.)", 457),
    ("verticalLayout_84", 110, "Ĉi tiu estas mia domo. ( = Tiu ĉi estas mia domo. )", 24),
]


def pagho5(f):
    eroj = [kapo("label_58", "Ĉi"), f.etikedo(7)]
    eroj += [frazparo(f, nomo, n, teksto, m) for nomo, n, teksto, m in CXI_PAROJ]
    noto = vbox("verticalLayout_55", [f.etikedo(22, pol=("Preferred", "Maximum"), ecoj=[grasa()]), f.etikedo(463)],
                spacing=5)
    eroj.append(widget("QFrame", "frame_21", kadraj_ecoj("QFrame::Box") + [eco("tipo", "markebla")], noto))
    eroj.append(f.spacer())
    return tekstpagho5("tab_7", "5", "verticalLayout_85", "scrollArea_5", "scrollAreaWidgetContents_5", 1007, 660,
                       vbox("verticalLayout_33", eroj, spacing=20))


# ------------------------------------------------------------------ page 6
VORTARO = [(410, "aĉeti", 337), (411, "al", 338), (412, "anonco", 339), (413, "biciklo", 340),
           (414, "bildkarto", 341), (415, "bildo", 342), (416, "ĉambro", 343), (417, "ĉokolado", 344),
           (418, "danco", 345), (419, "de", 346), (420, "deziri", 347), (421, "domo", 348), (422, "edzo", 349),
           (423, "el", 350), (425, "loĝi", 352), (426, "geografio", 353), (427, "gustumi", 354),
           (428, "ĝojo", 355), (431, "jam", 358), (432, "ĵaluza", 359)]
# Words the exercises use from this lesson on, after the list in its order.
ALDONAJ_VORTOJ = [("horizontalLayout_21", 433, "scii", 477), ("horizontalLayout_22", 434, "sed", 478),
                  ("horizontalLayout_23", 435, "serĉi", 479)]


def pagho6(f):
    titolo = kapo("Lec05_Label18", f.pt[f._sxlosilo(18)])
    nomoj = ["horizontalLayout"] + ["horizontalLayout_%d" % i for i in range(2, 21)]
    vicoj = [vortvico(f, nomoj[i], n, v, m) for i, (n, v, m) in enumerate(VORTARO)]
    vicoj += [vortvico(f, nomo, n, v, m) for nomo, n, v, m in ALDONAJ_VORTOJ]
    eroj = [titolo, vbox("verticalLayout_7", vicoj[:10]), vbox("verticalLayout_8", vicoj[10:]), f.spacer()]
    return tekstpagho5("tab_8", "6", "verticalLayout_63", "scrollArea_6", "scrollAreaWidgetContents_6", 1007, 660,
                       vbox("verticalLayout_9", eroj))


# --------------------------------------------------------- pages 7 to 11
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item sections)
    ("Ekzerco1_Lec05", "7", VORTOLUDO, "verticalLayout_2", "vortoludo", "Lec05_Ekz_Vorto_0501"),
    ("Ekzerco2_Lec05", "8", ":/ikonoj/plenigas_spacon2.png", "verticalLayout_3", "plenigas_spacon",
     "Lec05_Ekz_Plen_0502"),
    ("Ekzerco3_Lec05", "9", MIKROFONETO, "verticalLayout_4", "prononco", "Lec05_Ekz_Pron_0501"),
    ("Ekzerco4_Lec05", "10", ORELETO, "verticalLayout_5", "audkompreno", "Lec05_Ekz_Aud_0501"),
    # Named outside the "Ekzerco" pattern, so the lesson printer takes it for a text page.
    ("FrazoKonstruo", "Frazo", None, "verticalLayout_86", "frazokonstruo", "Lec05_Ekz_Frazo_0507"),
]


# ------------------------------------------------------------------ page 12
DEMANDOJ = [  # block, question label, field, model answer label, model answer
    (173, 464, "lineEdit_43", "label", "Kio estas tio?"),
    (174, 465, "lineEdit_44", "label_2", "Kie estas mia taso?"),
    (175, 466, "lineEdit_45", "label_3", "Kiu estas mia libro?"),
    (176, 467, "lineEdit_46", "label_4", "Kiu manĝis mian kukon?"),
    (177, 468, "lineEdit_47", "label_5", "Kiam vi manĝos?"),
    (179, 470, "lineEdit_48", "label_6", "Ĉio estas malseka."),
    (180, 471, "lineEdit_49", "label_7", "Mi forgesis ĉion."),
    (181, 472, "lineEdit_50", "label_8", "Mia libro estas ie."),
    (182, 473, "lineEdit_51", "label_9", "Tiam mi trinkis mian teon."),
    (183, 474, "lineEdit_52", "label_10", "Kiu estas tiu?"),
]


def demando(f, grupo, n, kampo, modelo_nomo, modelo):
    """Question (buddy: its field), answer field, hidden model answer."""
    return vbox("verticalLayout_%d" % grupo, [
        f.etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)]),
        widget("cx_edit", kampo, [politiko("Preferred", "Preferred")]),
        widget("korekta", modelo_nomo, [prop("text", s(modelo))])], spacing=2)


def pagho12(f):
    eroj = [f.kapo(8)]
    eroj += [demando(f, *d) for d in DEMANDOJ]
    eroj.append(sendujo("frame_22"))
    return tekstpagho("Sendas1_Lec05", "11", "verticalLayout_64", "scrollArea_7", "scrollAreaWidgetContents_7", 992,
                      772, vbox("verticalLayout_6", eroj, spacing=12), ikono=SENDAS, pol=None)


def formo():
    _nomoj.update(h=200, v=200)
    f = Formo(5, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f), pagho6(f)]
    paghoj += [ekzercpagho(*e) for e in EKZERCOJ] + [pagho12(f)]
    return f.dokumento(paghoj, 1017, 700, "verticalLayout_68", nuna=10, tiparo=False)


BILDOJ = []
