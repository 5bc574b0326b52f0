"""Lesson 6: the correlatives in -EL, -OM, -AL, -ES and -A, the correlatives
as relative words; six exercise pages and a send page.

The labels of the explanation pages are built as "TextLabel": their texts
come only from the translation files. The send page's heading and questions
carry a Portuguese placeholder (PT)."""
from lecionformo import (
    MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, eco, ekzercpagho, faldo, hbox, kadraj_ecoj, kamarado,
    politiko, prop, s, sendujo, tekstpagho, vbox, widget)

TEKSTA = "TextLabel"
SENDO_PT = {
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
TEKSTAJ = ([1, 2, 6] + list(range(9, 16)) + list(range(26, 45)) + [46, 47, 49, 50] + list(range(52, 59)) +
           [45, 48, 51] + list(range(59, 71)) + list(range(74, 81)) + [3, 4, 16, 17, 18, 19, 20, 21, 23, 450])
PT = dict({"Label%d" % k: TEKSTA for k in TEKSTAJ}, **SENDO_PT)

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
    4: "Ŝi skribas tiel bone, kiel la instruistino.",
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
    26: "Vi demandas, kial mi amas vin. Mi respondas: ĉial ! ",
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
           (108, "Ŝi estas tiel bela, kiel la patrino.", 20),
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
    return f.dokumento(paghoj, 1088, 750, "horizontalLayout_8", nuna=0, ekstera=hbox)


BILDOJ = []
