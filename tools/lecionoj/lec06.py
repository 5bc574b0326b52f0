"""Lesson 6: the correlatives in -EL, -OM, -AL, -ES and -A, the correlatives
as relative words; six exercise pages and a send page.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files)."""
from lecionformo import (
    MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, eco, ekzercpagho, faldo, hbox, kadraj_ecoj, kamarado,
    politiko, prop, s, sendujo, tekstpagho, vbox, widget)

PT = {
    # page 1: the correlatives, the ending -EL
    "Label6": "Correlativos",
    "Label1": (
        "A lição 5 ensinou os correlativos em -U, -E, -AM e -O. Esta lição completa a tabela com as outras "
        "cinco terminações: -EL (modo), -OM (quantidade), -AL (causa), -ES (posse) e -A (tipo ou qualidade). "
        "Os começos têm o mesmo sentido de antes: KI- pergunta ou relaciona, TI- aponta, I- deixa em aberto, "
        "NENI- nega, ĈI- abrange tudo."),
    "Label2": "A terminação -EL indica o modo: a maneira como algo acontece ou é feito.",
    "Label9": "KI- faz uma pergunta, ou liga uma oração a uma palavra anterior.",
    "Label11": "como",
    "Label12": "Como vai você? — Vou muito bem, obrigado!",
    "Label13": "TI- aponta para algo já mostrado ou mencionado.",
    "Label14": "assim, desse modo; tão",
    "Label15": "Ela escreve tão bem quanto a professora.",
    "Label26": "I- deixa em aberto: de algum modo, um pouco, por alguma razão.",
    "Label27": "de algum modo",
    "Label28": "De algum modo ela me lembra outra pessoa.",
    "Label29": "NENI- nega: de modo nenhum, nada, por razão nenhuma.",
    "Label30": "de modo nenhum",
    "Label31": "Não consigo entender de modo nenhum o que você está falando.",
    "Label32": "ĈI- abrange tudo: de todos os modos, tudo, por todas as razões.",
    "Label33": "de todos os modos",
    "Label34": "Eles me ajudaram de todas as maneiras.",
    # page 2: the ending -OM
    "Label44": (
        "A terminação -OM indica quantidade: quanto, quantos. Um substantivo depois dela vem com da: kiom da "
        "kafo (quanto café)."),
    "Label36": "quanto, quantos",
    "Label37": "Quanto é dois mais dois? — Quatro!",
    "Label39": "tanto, tantos",
    "Label40": "Ele comeu tanto quanto quis.",
    "Label42": "um pouco, algum",
    "Label43": "Preciso comprar um pouco de café.",
    "Label10": "nada, quantidade nenhuma",
    "Label35": "Quantas crianças estão brincando na casa? — Nenhuma.",
    "Label46": "tudo, a quantidade toda",
    "Label47": "Quanta gasolina você quer? — Quero toda a que você tem.",
    # page 3: the ending -AL
    "Label54": "A terminação -AL indica causa ou razão: por quê.",
    "Label49": "por que",
    "Label50": "Por que a criança está correndo? — Porque está muito alegre.",
    "Label52": "por isso",
    "Label53": "Ela é muito bonita. Por isso eu a amo.",
    "Label38": "por alguma razão",
    "Label41": "Por alguma razão ainda não conheço você.",
    "Label56": "por razão nenhuma",
    "Label57": "Você poderia provocá-lo quanto quisesse. Ele não ficaria zangado por razão nenhuma.",
    "Label55": "por todas as razões",
    "Label58": "Você pergunta por que eu te amo. Respondo: por todas as razões!",
    # page 4: the ending -ES
    "Label45": (
        "A terminação -ES indica posse: de quem. Estas palavras nunca recebem -j nem -n, mesmo quando o "
        "substantivo seguinte as recebe: Kies libron vi legas? (De quem é o livro que você está lendo?) Compare "
        "com mia, que recebe -n: mian libron."),
    "Label59": "de quem, cujo",
    "Label60": "De quem é aquele livro? — Aquele é o livro do João.",
    "Label61": "dele, daquele (do que foi mencionado)",
    "Label62": "O gato correu sobre a casa e danificou o telhado dela.",
    "Label48": "de alguém",
    "Label51": "Encontrei o livro de alguém.",
    "Label74": "de ninguém",
    "Label75": "O Esperanto não é propriedade de ninguém.",
    "Label76": "de todos",
    "Label77": "O Esperanto é a língua de todos.",
    # page 5: the ending -A
    "Label78": (
        "A terminação -A indica tipo ou qualidade: de que espécie. Como os adjetivos, estas palavras recebem "
        "-j e -n: kiaj, tian, ĉiajn."),
    "Label79": "que tipo de, como",
    "Label80": "Como foi o seu dia? — O meu dia foi muito bom, obrigado!",
    "Label63": "tal, desse tipo",
    "Label64": "Não vou comer um pão desses.",
    "Label65": "algum tipo de",
    "Label66": "Você tem alguma dúvida sobre a gramática do Esperanto?",
    "Label67": "nenhum tipo de",
    "Label68": "Não, não tenho dúvida nenhuma sobre ela.",
    "Label69": "todo tipo de",
    "Label70": "Todo tipo de ajuda é bem-vindo.",
    # page 6: relative words
    "Label23": "Palavras relativas",
    "Label3": (
        "Os correlativos da série KI- não servem apenas para perguntar. Também ligam uma oração a uma palavra "
        "que vem antes dela, como que, o qual, onde e quando em português. Essa oração não é uma pergunta e "
        "costuma ser separada por vírgula."),
    "Label450": "Quero aquela fruta que você mostrou.",
    "Label4": (
        "Aqui kiun não pergunta nada: representa a fruta, que foi nomeada antes (tiun frukton). Recebe -u "
        "porque representa um substantivo, frukto; depois de tio ou ĉio usa-se kio, como na primeira frase "
        "abaixo. Recebe -n porque na sua oração é o objeto de montris: você mostrou a fruta."),
    "Label16": "Não entendo o que você está dizendo.",
    "Label17": "Vi o homem cuja casa é branca.",
    "Label18": "Encontrei-a no lugar onde vendem bolos.",
    "Label19": "Ontem, quando estive na cidade, comprei flores.",
    "Label20": "Ela é tão bonita quanto a mãe.",
    "Label21": "Comprei tanto quanto precisava.",
    # page 13: the send page
    "Label25": "Traduza estas frases para o Esperanto.",
    "Label475": "1. Como ela corre?",
    "Label476": "2. O que você está escrevendo?",
    "Label477": "3. Não sou esposa de ninguém.",
    "Label478": "4. Como você fez isso?",
    "Label479": "5. Não sou esse tipo de garota.",
    "Label481": "6. Temos todo tipo de xícaras.",
    "Label482": "7. Que tipo de sanduíche você tem?",
    "Label483": "8. O que você pediu?",
    "Label484": "9. Estão todos secos?",
    "Label485": "10. Quem é aquele?",
}

_nomoj = {"h": 200, "v": 200}


def libera(tipo):
    """A layout name of our own (no code looks them up), clear of the Part's."""
    _nomoj[tipo] += 1
    return ("horizontalLayout_%d" if tipo == "h" else "verticalLayout_%d") % _nomoj[tipo]


def afikso(nomo, teksto, ecoj=()):
    """A correlative's beginning or ending: a plain label, bold in the Esperanto font."""
    return widget("QLabel", nomo, list(ecoj) + [prop("text", s(teksto)), eco("tipo", "afikso")])


def kapo(f, n):
    """A heading (titolo) without a font of its own."""
    key = f._sxlosilo(n)
    return widget("titolo", "Lec06_" + key, [politiko("Preferred", "Maximum"), prop("text", s(f.pt[key]))])


def vorto(f, n, teksto, frazo=False):
    return f.vorto(n, teksto, fokuso=False, poste=[faldo()] if frazo else ())


def frazparo(f, n, teksto, m, spacing):
    """An example sentence above its translation."""
    return vbox(libera("v"), [vorto(f, n, teksto, frazo=True), f.etikedo(m)], spacing=spacing)


def bloko(kadro, kadra_layout):
    return widget("QFrame", kadro, kadraj_ecoj("QFrame::Box"), kadra_layout)


# ------------------------------------------------------------ pages 1 to 3
FRAZOJ = {
    2: "Kiel vi fartas? — Mi fartas tre bone, dankon!",
    4: "Ŝi skribas tiel bone kiel la instruistino.",
    6: "Ŝi iel rememorigas min pri alia persono.",
    8: "Mi neniel povas kompreni, kion vi parolas.",
    10: "Ili ĉiel helpis al mi.",
    12: "Kiom estas du kaj du? — Kvar!",
    14: "Li manĝis tiom, kiom li volis.",
    16: "Mi devas aĉeti iom da kafo.",
    42: "Kiom da infanoj ludas en la domo? — Neniom.",
    18: "Kiom da benzino vi volas? — Mi volas ĉiom, kiom vi havas. ",
    20: "Kial la infano kuras? — Ĉar ĝi estas tre ĝoja.",
    22: "Ŝi estas tre bela. Tial mi amas ŝin.",
    44: "Mi vin ial ankoraŭ ne konas.",
    24: "Vi povus inciti lin kiom ajn. Li nenial kolerus.",
    26: "Vi demandas, kial mi amas vin. Mi respondas: ĉial!",
}
EL_BLOKOJ = [  # frame, beginning label and text, its meaning, word button, word, translation, sentence, its translation
    ("frame", "pushButton_2", "KI-", 9, 1, "KIEL", 11, 2, 12),
    ("frame_2", "pushButton_5", "TI-", 13, 3, "TIEL", 14, 4, 15),
    ("frame_3", "pushButton_8", "I-", 26, 5, "IEL", 27, 6, 28),
    ("frame_4", "pushButton_11", "NENI-", 29, 7, "NENIEL", 30, 8, 31),
    ("frame_5", "pushButton_14", "ĈI-", 32, 9, "ĈIEL", 33, 10, 34),
]
OM_BLOKOJ = [  # frame, word button, word, translation, sentence, its translation
    ("frame_7", 11, "KIOM", 36, 12, 37), ("frame_6", 13, "TIOM", 39, 14, 40), ("frame_8", 15, "IOM", 42, 16, 43),
    ("frame_11", 41, "NENIOM", 10, 42, 35), ("frame_12", 17, "ĈIOM", 46, 18, 47),
]
AL_BLOKOJ = [
    ("frame_17", 19, "KIAL", 49, 20, 50), ("frame_16", 21, "TIAL", 52, 22, 53), ("frame_19", 43, "IAL", 38, 44, 41),
    ("frame_18", 23, "NENIAL", 56, 24, 57), ("frame_20", 25, "ĈIAL", 55, 26, 58),
]


def korelativo(f, kadro, n, teksto, m, fn, fm, unua_pagho, komenco=None):
    """One correlative: on page 1 with its beginning above, then (indented)
    the word and its translation, the example and its translation."""
    eroj = []
    if komenco:
        nomo, komenco_teksto, klarigo = komenco
        eroj.append(hbox(libera("h"), [afikso(nomo, komenco_teksto), f.signifo(klarigo)], spacing=12))
    vortvico = hbox(libera("h"), [vorto(f, n, teksto), f.signifo(m)], spacing=12)
    kolumno = vbox(libera("v"), [vortvico, frazparo(f, fn, FRAZOJ[fn], fm, spacing=3)],
                   **({} if unua_pagho else {"spacing": 3}))
    eroj.append(hbox(libera("h"), [f.spacer("horizontal", "Fixed", 30 if unua_pagho else 10, 20), kolumno]))
    return bloko(kadro, vbox(libera("v"), eroj, spacing=6, margins=9 if unua_pagho else (9, 2, 9, 2)))


def finvico(f, afikso_nomo, teksto, m, afikso_ecoj=(), pol=("Expanding", "Preferred"), spacing=12):
    """The ending with what it denotes."""
    return hbox(libera("h"), [afikso(afikso_nomo, teksto, afikso_ecoj), f.etikedo(m, pol=pol)], spacing=spacing)


def pagho1(f):
    eroj = [kapo(f, 6), f.etikedo(1), finvico(f, "pushButton", "-EL", 2)]
    eroj += [korelativo(f, kadro, n, t, m, fn, fm, True, (nomo, kt, kl))
             for kadro, nomo, kt, kl, n, t, m, fn, fm in EL_BLOKOJ]
    eroj.append(f.spacer())
    return tekstpagho("tab", "1", "verticalLayout_84", "scrollArea", "scrollAreaWidgetContents", 1062, 802,
                      vbox("verticalLayout_8", eroj), pol=None)


def pagho2(f):
    eroj = [finvico(f, "pushButton_23", "-OM", 44, pol=("Expanding", "Maximum"))]
    eroj += [korelativo(f, *b, False) for b in OM_BLOKOJ] + [f.spacer()]
    return tekstpagho("tab_3", "2", "verticalLayout_85", "scrollArea_2", "scrollAreaWidgetContents_2", 1077, 709,
                      vbox("verticalLayout_9", eroj), pol=None)


def pagho3(f):
    eroj = [finvico(f, "pushButton_34", "-AL", 54, afikso_ecoj=[politiko("Preferred", "Maximum")],
                    pol=("Expanding", "Maximum"))]
    eroj += [korelativo(f, *b, False) for b in AL_BLOKOJ] + [f.spacer()]
    return tekstpagho("tab_4", "3", "verticalLayout_86", "scrollArea_3", "scrollAreaWidgetContents_3", 1077, 709,
                      vbox("verticalLayout_20", eroj), pol=None)


# ------------------------------------------------------------ pages 4 and 5
ES_BLOKOJ = [  # frame, word button, word, translation, sentence button, sentence, its translation
    ("frame_22", 27, "KIES", 59, 28, "Kies libro estas tiu? — Tiu estas la libro de Johano.", 60),
    ("frame_23", 29, "TIES", 61, 30, "La kato kuris sur la domo kaj difektis ties tegmenton.", 62),
    ("frame_24", 45, "IES", 48, 46, "Mi trovis ies libron.", 51),
    ("frame_25", 47, "NENIES", 74, 48, "Esperanto estas nenies propraĵo.", 75),
    ("frame_21", 49, "ĈIES", 76, 50, "Esperanto estas ĉies lingvo.", 77),
]
A_BLOKOJ = [
    ("frame_27", 51, "KIA", 79, 52, "Kia estis via tago? — Mia tago estis tre bona, dankon!", 80),
    ("frame_28", 31, "TIA", 63, 32, "Mi ne manĝos tian panon.", 64),
    ("frame_29", 33, "IA", 65, 34, "Ĉu vi havas ian dubon pri la gramatiko de Esperanto?", 66),
    ("frame_30", 35, "NENIA", 67, 36, "Ne, mi havas nenian dubon pri ĝi.", 68),
    ("frame_26", 37, "ĈIA", 69, 38, "Ĉia helpo estas bonvena.", 70),
]


def ecbloko(f, kadro, n, teksto, m, fn, frazo, fm):
    """Pages 4 and 5: the word and its translation, the example and its translation."""
    vortvico = hbox(libera("h"), [vorto(f, n, teksto), f.signifo(m)], spacing=12)
    ekzemplo = vbox(libera("v"), [vorto(f, fn, frazo, frazo=True), f.etikedo(fm)], spacing=3)
    kolumno = vbox(libera("v"), [vortvico, ekzemplo], spacing=3)
    vico = hbox(libera("h"), [f.spacer("horizontal", "Fixed", 10, 20), kolumno])
    return bloko(kadro, vbox(libera("v"), [vico], spacing=6, margins=(9, 2, 9, 2)))


def ecpagho(f, nomo, titolo, pagho_layout, areo, enhavo_nomo, enhavo_layout, afikso_nomo, fino, m, blokoj):
    eroj = [hbox(libera("h"), [afikso(afikso_nomo, fino, [politiko("Preferred", "Maximum")]),
                               f.etikedo(m, pol=("Expanding", "Maximum"))])]
    eroj += [ecbloko(f, *b) for b in blokoj] + [f.spacer()]
    return tekstpagho(nomo, titolo, pagho_layout, areo, enhavo_nomo, 1077, 709, vbox(enhavo_layout, eroj),
                      pol=None)


# ------------------------------------------------------------------ page 6
RILATAJ = [(104, "Mi ne komprenas tion, kion vi diras.", 16),
           (105, "Mi vidis la homon, kies domo estas blanka.", 17),
           (106, "Mi renkontis ŝin tie, kie oni vendas kukojn.", 18),
           (107, "Hieraŭ, kiam mi estis en la urbo, mi aĉetis florojn.", 19),
           (108, "Ŝi estas tiel bela kiel la patrino.", 20),
           (109, "Mi aĉetis tiom, kiom mi bezonis.", 21)]


def pagho6(f):
    eroj = [kapo(f, 23), f.etikedo(3, pol=("Preferred", "Maximum")),
            frazparo(f, 487, "Mi volas tiun frukton, kiun vi montris.", 450, spacing=5), f.etikedo(4)]
    eroj += [frazparo(f, n, t, m, spacing=5) for n, t, m in RILATAJ] + [f.spacer()]
    return tekstpagho("tab_7", "6", "verticalLayout_89", "scrollArea_6", "scrollAreaWidgetContents_6", 1077, 709,
                      vbox("verticalLayout_29", eroj, spacing=9), pol=None)


# --------------------------------------------------------- pages 7 to 12
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item sections)
    ("Ekzerco7_Lec06", "Frazo", None, "verticalLayout_30", "frazokonstruo", "Lec06_Ekz_Frazo_0607"),
    ("Ekzerco1_Lec06", "7", VORTOLUDO, "verticalLayout_2", "vortoludo", "Lec06_Ekz_Vorto_0601"),
    ("Ekzerco2_Lec06", "8", ":/ikonoj/plenigas_spacon2.png", "verticalLayout_3", "plenigas_spacon",
     "Lec06_Ekz_Plen_0602"),
    ("Ekzerco3_Lec06", "9", MIKROFONETO, "verticalLayout_4", "prononco", "Lec06_Ekz_Pron_0601"),
    ("Ekzerco4_Lec06", "10", ORELETO, "verticalLayout_5", "audkompreno", "Lec06_Ekz_Aud_0601"),
    ("Ekzerco5_Lec06", "11", ":/ikonoj/akuzativo.png", "verticalLayout_6", "akuzativo", "Lec06_Ekz_Akuz_0605"),
]

# ------------------------------------------------------------------ page 13
DEMANDOJ = [  # block, question label, field, model answer label, model answer
    (173, 475, "lineEdit_43", "label", "Kiel ŝi kuras?"),
    (174, 476, "lineEdit_44", "label_2", "Kion vi skribas?"),
    (175, 477, "lineEdit_45", "label_3", "Mi estas nenies edzino."),
    (176, 478, "lineEdit_46", "label_4", "Kiel vi faris tion?"),
    (177, 479, "lineEdit_47", "label_5", "Mi ne estas tia knabino."),
    (179, 481, "lineEdit_48", "label_6", "Ni havas ĉiajn tasojn."),
    (180, 482, "lineEdit_49", "label_7", "Kian sandviĉon vi havas?"),
    (181, 483, "lineEdit_50", "label_8", "Kion vi petis?"),
    # Questions 9 and 10 are answered by label_10 and label_9, in that order.
    (182, 484, "lineEdit_51", "label_10", "Ĉu ĉiuj estas sekaj?"),
    (183, 485, "lineEdit_52", "label_9", "Kiu estas tiu?"),
]


def demando(f, grupo, n, kampo, modelo_nomo, modelo):
    """Question (buddy: its field), answer field, hidden model answer."""
    return vbox("verticalLayout_%d" % grupo, [
        f.etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)]),
        widget("cx_edit", kampo, [politiko("Preferred", "Preferred")]),
        widget("korekta", modelo_nomo, [prop("text", s(modelo))])], spacing=2)


def pagho13(f):
    eroj = [f.kapo(25)] + [demando(f, *d) for d in DEMANDOJ] + [sendujo("frame_9")]
    return tekstpagho("Sendas1_Lec06", "12", "verticalLayout_90", "scrollArea_7", "scrollAreaWidgetContents_7", 1062,
                      771, vbox("verticalLayout_7", eroj, spacing=12), ikono=SENDAS, pol=None)


def formo():
    _nomoj.update(h=200, v=200)
    f = Formo(6, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(f),
              ecpagho(f, "tab_5", "4", "verticalLayout_87", "scrollArea_4", "scrollAreaWidgetContents_4",
                      "verticalLayout_21", "pushButton_35", "-ES", 45, ES_BLOKOJ),
              ecpagho(f, "tab_6", "5", "verticalLayout_88", "scrollArea_5", "scrollAreaWidgetContents_5",
                      "verticalLayout_28", "pushButton_36", "-A", 78, A_BLOKOJ),
              pagho6(f)]
    paghoj += [ekzercpagho(*e) for e in EKZERCOJ] + [pagho13(f)]
    return f.dokumento(paghoj, 1088, 750, "horizontalLayout_8", nuna=0, radiko_horizontala=True)


BILDOJ = []
