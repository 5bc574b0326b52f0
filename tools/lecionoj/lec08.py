"""Lesson 8: comparison (tiel ... kiel, pli ... ol, malpli ... ol), the
superlative, and word building with prefixes and suffixes; four exercise
pages and a send page.

PT holds the Portuguese placeholder of every translated label; most labels
of this lesson carry the designer's "TextLabel" until the translation file
fills them. The Esperanto words of the affix boxes are the items of the
word-choice exercise 0803, which finds each word box and translation label
by the numbers in their object names: those numbers are fixed by the item
file. This lesson brings in no picture of its own."""
from lecionformo import (
    SENDAS, VORTOLUDO, Formo, aligno, ekzercpagho, eco, enum, faldo, grasa, hbox, kamarado, pixmap, politiko, prop,
    s, sendujo, tekstpagho, vbox, widget)

TL = "TextLabel"
PARENCO = "parente por causa do casamento"  # the meaning of BO-, left on the first box of each page

PT = {
    "Label8": "Prefixos",
    "Label580": (
        "Os afixos permitem ampliar facilmente o vocabulário: de uma só raiz formam-se muitas palavras. "
        "Primeiro vêm os prefixos."),
    "Label72": "Traduza para o Esperanto",
    "Label302": "1. Minha sogra começou a aprender Esperanto.",
    "Label303": "2. Meus ex-colegas distribuirão um jornal.",
    "Label304": "3. Aquele homem desprezível deu um passo em falso.",
    "Label305": "4. Meus pais visitaram seus bisnetos.",
    "Label306": "5. Meu pai é mais velho do que minha mãe.",
    "Label308": "6. Qual é a mais bonita das meninas?",
    "Label309": "7. Minha cunhada é mais elegante do que a vizinha.",
    "Label310": "8. Minha avó lê mais do que meu genro.",
}
for _n in (581, 16, 605, 618, 631, 644):
    PT["Label%d" % _n] = PARENCO


def ero(f, n, **kw):
    """A translated label whose placeholder is "TextLabel" unless PT says otherwise."""
    f.pt.setdefault("Label%d" % n, TL)
    return f.etikedo(n, **kw)


def titolo(f, n, pol=None, wrap=False):
    return ero(f, n, klaso="titolo", pol=pol, wrap=wrap)


def frazo(f, n, teksto):
    """An Esperanto sentence or word in a box that does not speak."""
    return f.neklakebla(n, teksto, poste=[faldo()])


# ------------------------------------------------------------------ page 1
KOMPAROJ = [  # block, heading, indent row, column; (pair, word box, sentence, translation)
    ("verticalLayout_292", 3, "horizontalLayout_490", "verticalLayout_286", [
        ("verticalLayout_44", 1, "Esperanto estas TIEL bela KIEL utila.", 6),
        ("verticalLayout_45", 2, "Nenio estas TIEL valora KIEL la sano.", 7),
        ("verticalLayout_46", 3, "Ŝi estas TIEL bela KIEL la patrino.", 9)]),
    ("verticalLayout_293", 4, "horizontalLayout_491", "verticalLayout_294", [
        ("verticalLayout_47", 4, "Johano estas PLI alta OL Petro.", 10),
        ("verticalLayout_48", 5, "Lakto estas PLI nutra OL vino.", 11),
        ("verticalLayout_49", 6, "La suno estas PLI granda OL la luno.", 12)]),
    ("verticalLayout_295", 5, "horizontalLayout_495", "verticalLayout_296", [
        ("verticalLayout_50", 7, "Mia frato estas MALPLI aĝa OL mi.", 13),
        ("verticalLayout_51", 8, "Li skribas MALPLI bele OL la knabino.", 14),
        ("verticalLayout_52", 99, "La edzo parolas MALPLI laŭte OL la edzino.", 15)]),
]


def pagho1(f):
    eroj = [titolo(f, 142, pol=("Preferred", "Maximum"))]
    for bloko, kapo, deksxovo, kolumno, paroj in KOMPAROJ:
        kapa = ero(f, kapo)
        frazoj = [vbox(p, [frazo(f, b, t), ero(f, m, pol=("Preferred", "Preferred"))], spacing=5)
                  for p, b, t, m in paroj]
        eroj.append(vbox(bloko, [kapa, hbox(deksxovo, [f.spacer("horizontal", "Fixed", 40, 20),
                                                       vbox(kolumno, frazoj, spacing=6)])]))
    eroj.append(f.spacer())
    return tekstpagho("tab_11", "1", "verticalLayout_35", "scrollArea", "scrollAreaWidgetContents", 1124, 712,
                      vbox("verticalLayout_2", eroj, spacing=20), pol=None)


# ------------------------------------------------------------------ page 2
SUPERLATIVO = [  # block, explanation; (pair, word box, sentence, translation)
    ("verticalLayout_56", 149, [
        ("verticalLayout_55", 100, "EL ĉiuj miaj infanoj Ernesto estas la PLEJ juna.", 143),
        ("verticalLayout_54", 101, "EL ĉiuj miaj kolegoj Marko estas la PLEJ forta.", 144),
        ("verticalLayout_3", 102, "La PLEJ belan knabinon ili elektis kiel reĝinon.", 145)]),
    ("verticalLayout_53", 141, [
        ("verticalLayout_5", 103, "La PLI forta el la manoj.", 146),
        ("verticalLayout_4", 104, "La lernantoj PLI aĝaj instruis tiujn MALPLI aĝajn.", 147),
        # A question between two: it brings in aŭ, which the exercise after
        # this page uses.
        ("verticalLayout_71", 121, "Kiu estas PLI alta: Johano AŬ Petro?", 166)]),
]


def pagho2(f):
    eroj = [titolo(f, 148, pol=("Preferred", "Maximum"))]
    for bloko, klarigo, paroj in SUPERLATIVO:
        eroj.append(vbox(bloko, [ero(f, klarigo)] + [
            vbox(p, [frazo(f, b, t), ero(f, m, ecoj=[eco("tipo", "suba")])], spacing=5) for p, b, t, m in paroj]))
    eroj.append(f.spacer())
    return tekstpagho("tab_20", "2", "verticalLayout_36", "scrollArea_2", "scrollAreaWidgetContents_2", 1124, 712,
                      vbox("verticalLayout_57", eroj, spacing=20), pol=("Expanding", "Expanding"))


# ------------------------------------------------------------------ affix boxes, pages 4 to 9
# A box's contents, in column order:
#   V(row layout, back arrow or None, word box, Esperanto, translation label)  a word row
#   P(layout, spacing, [...])   a pair group: base row, derived row (and, in two boxes, a further pair)
#   I(layout, [...])            an inner box with the default spacing
def V(vico, sago, butono, vorto, etikedo):
    return ("V", vico, sago, butono, vorto, etikedo)


def P(nomo, spacing, eroj):
    return ("P", nomo, spacing, eroj)


def I(nomo, eroj):  # noqa: E741, E743  the tables' letter for an inner box
    return ("I", nomo, eroj)


STILA = None  # the box layout keeps the default margins
MALVASTA = (-1, 3, -1, 3)  # the style's left and right margins, 3 px above and below

# Boxes: frame, box layout, margins, affix label, affix, column, meaning label, contents
PREFIKSOJ_1 = [
    ("frame_5", "horizontalLayout_25", STILA, "label_217", "BO-", "verticalLayout_6", 581, [
        V("horizontalLayout_504", None, 579, "bopatro", 582),
        V("horizontalLayout_505", None, 105, "bofilo", 150),
        V("horizontalLayout_506", None, 580, "bopatrino", 583),
        V("horizontalLayout", None, 106, "bofratino", 151)]),
    ("frame_6", "horizontalLayout_2", STILA, "label_223", "DIS-", "verticalLayout_7", 584, [
        V("horizontalLayout_510", None, 581, "disflugi", 585),
        V("horizontalLayout_511", None, 582, "disdoni", 586),
        V("horizontalLayout_512", None, 107, "disfali", 152),
        V("horizontalLayout_513", None, 108, "dissemi", 153)]),
    ("frame_7", "horizontalLayout_3", STILA, "label_229", "EK-", "verticalLayout_8", 587, [
        V("horizontalLayout_515", None, 583, "ekiri", 588),
        V("horizontalLayout_516", None, 584, "ekdormi", 589),
        V("horizontalLayout_517", None, 109, "ekbrilo", 154),
        V("horizontalLayout_518", None, 110, "ekpluvi", 155)]),
    ("frame_8", "horizontalLayout_4", STILA, "label_235", "EKS-", "verticalLayout_58", 590, [
        V("horizontalLayout_520", None, 585, "eksfianĉo", 591),
        V("horizontalLayout_521", None, 586, "eksprezidanto", 592),
        V("horizontalLayout_522", None, 111, "eksiĝi", 156),
        V("horizontalLayout_523", None, 112, "eksedziĝi", 157)]),
]

PREFIKSOJ_2 = [
    ("frame_12", "horizontalLayout_5", STILA, "label_259", " FI- ", "verticalLayout_11", 16, [
        V("horizontalLayout_540", None, 9, "fidomo", 17),
        V("horizontalLayout_541", None, 10, "fivirino", 18),
        P("verticalLayout_9", 3, [
            V("horizontalLayout_542", None, 113, "komercisto", 158),
            V("horizontalLayout_543", "label_350", 114, "fikomercisto", 159)])]),
    ("frame_11", "horizontalLayout_6", STILA, "label_253", "GE-", "verticalLayout_12", 19, [
        V("horizontalLayout_535", None, 11, "gefiloj", 20),
        V("horizontalLayout_536", None, 12, "gepatroj", 21),
        V("horizontalLayout_537", None, 115, "gefratoj", 160),
        V("horizontalLayout_538", None, 116, "geamikoj", 161)]),
    ("frame_10", "horizontalLayout_7", STILA, "label_247", "MAL-", "verticalLayout_60", 22, [
        P("verticalLayout_13", 3, [
            V("horizontalLayout_530", None, 13, "dekstro", 23),
            V("horizontalLayout_531", "label_265", 14, "maldekstro", 24)]),
        P("verticalLayout_59", 3, [
            V("horizontalLayout_532", None, 117, "fermi", 162),
            V("horizontalLayout_533", "label_266", 118, "malfermi", 163)])]),
    ("frame_9", "horizontalLayout_8", STILA, "label_241", "PRA-", "verticalLayout_63", 25, [
        P("verticalLayout_61", 3, [
            V("horizontalLayout_525", None, 15, "nepo", 26),
            V("horizontalLayout_526", "label_267", 16, "pranepo", 27)]),
        V("horizontalLayout_627", None, 26, "prahomo", 32),
        P("verticalLayout_62", 3, [
            V("horizontalLayout_527", None, 119, "historio", 164),
            V("horizontalLayout_528", "label_268", 120, "prahistorio", 165)]),
        V("horizontalLayout_626", None, 27, "praavo", 34)]),
]

PREFIKSOJ_3 = [
    ("frame_16", "horizontalLayout_9", STILA, "label_283", " RE- ", "verticalLayout_15", 605, [
        V("horizontalLayout_560", None, 595, "reaperi", 606),
        V("horizontalLayout_561", None, 596, "refari", 607),
        V("horizontalLayout_562", None, 17, "reteni", 28),
        V("horizontalLayout_563", None, 18, "reveni", 29)]),
    ("frame_15", "horizontalLayout_10", STILA, "label_277", "MIS-", "verticalLayout", 608, [
        P("verticalLayout_331", 2, [
            V("horizontalLayout_555", None, 597, "kompreni", 609),
            V("horizontalLayout_556", "label_269", 598, "miskompreni", 610)]),
        P("verticalLayout_382", 2, [
            V("horizontalLayout_628", None, 602, "paŝo", 615),
            V("horizontalLayout_629", "label_370", 24, "mispaŝo", 35)]),
        P("verticalLayout_338", 2, [
            V("horizontalLayout_557", None, 19, "uzo", 30),
            V("horizontalLayout_558", "label_270", 20, "misuzo", 31)])]),
    ("frame_14", "horizontalLayout_11", STILA, "label_271", "DUON-", "verticalLayout_65", 611, [
        P("verticalLayout_64", 3, [
            V("horizontalLayout_550", None, 600, "horo", 613),
            V("horizontalLayout_551", "label_371", 603, "duonhoro", 616)]),
        P("verticalLayout_17", 3, [
            V("horizontalLayout_552", None, 22, "filino", 33),
            V("horizontalLayout_553", "label_372", 25, "duonfilino", 36)]),
        V("horizontalLayout_630", None, 23, "duonlumo", 2),
        V("horizontalLayout_554", None, 21, "duondio", 1)]),
]

SUFIKSOJ_1 = [
    ("frame_20", "horizontalLayout_12", MALVASTA, "label_308", "-AĈ", "verticalLayout_352", 618, [
        I("verticalLayout_19", [
            P("verticalLayout_353", 2, [
                V("horizontalLayout_580", None, 605, "domo", 619),
                V("horizontalLayout_581", "label_373", 606, "domaĉo", 620)])]),
        P("verticalLayout_354", 2, [
            V("horizontalLayout_582", None, 28, "skribi", 37),
            V("horizontalLayout_583", "label_374", 29, "skribaĉi", 38)])]),
    ("frame_19", "horizontalLayout_13", MALVASTA, "label_302", "-AD", "verticalLayout_349", 621, [
        I("verticalLayout_20", [
            P("verticalLayout_350", 2, [
                V("horizontalLayout_575", None, 607, "paroli", 622),
                V("horizontalLayout_576", "label_375", 608, "parolado", 623)]),
            P("verticalLayout_351", 2, [
                V("horizontalLayout_577", None, 30, "rigardi", 39),
                V("horizontalLayout_578", "label_376", 31, "rigardadi", 40)])])]),
    ("frame_18", "horizontalLayout_14", MALVASTA, "label_296", "-AĴ", "verticalLayout_346", 624, [
        I("verticalLayout_21", [
            P("verticalLayout_347", 2, [
                V("horizontalLayout_570", None, 609, "dolĉa", 625),
                V("horizontalLayout_571", "label_377", 610, "dolĉaĵo", 626)]),
            P("verticalLayout_348", 2, [
                V("horizontalLayout_572", None, 32, "pentri", 41),
                V("horizontalLayout_573", "label_378", 33, "pentraĵo", 42)])])]),
    ("frame_17", "horizontalLayout_15", STILA, "label_290", "-AN", "verticalLayout_66", 627, [
        I("verticalLayout_22", [
            V("horizontalLayout_565", None, 611, "eŭropano", 628),
            V("horizontalLayout_566", None, 612, "kanadano", 629),
            V("horizontalLayout_631", None, 613, "brazilano", 630),
            V("horizontalLayout_632", None, 36, "usonano", 45)]),
        # The name from which the row under it is derived with -AN.
        V("horizontalLayout_567", None, 34, "Kristo", 43),
        V("horizontalLayout_568", "label_379", 35, "kristano", 44)]),
]

SUFIKSOJ_2 = [
    ("frame_24", "horizontalLayout_16", MALVASTA, "label_332", " -AR ", "verticalLayout_365", 631, [
        I("verticalLayout_24", [
            P("verticalLayout_366", 2, [
                V("horizontalLayout_600", None, 614, "vorto", 632),
                V("horizontalLayout_601", "label_387", 615, "vortaro", 633)])]),
        P("verticalLayout_367", 2, [
            V("horizontalLayout_602", None, 37, "ŝafo", 46),
            V("horizontalLayout_603", "label_386", 38, "ŝafaro", 47)])]),
    ("frame_23", "horizontalLayout_17", MALVASTA, "label_326", " -ĈJ ", "verticalLayout_362", 634, [
        I("verticalLayout_25", [
            P("verticalLayout_363", 2, [
                V("horizontalLayout_595", None, 616, "patro", 635),
                V("horizontalLayout_596", "label_385", 617, "paĉjo", 636)])]),
        P("verticalLayout_364", 2, [
            V("horizontalLayout_597", None, 39, "Jozefo", 48),
            V("horizontalLayout_598", "label_384", 40, "Joĉjo", 49)])]),
    ("frame_22", "horizontalLayout_18", MALVASTA, "label_320", "-EBL", "verticalLayout_383", 637, [
        I("verticalLayout_26", [
            I("verticalLayout_368", []),
            I("verticalLayout_361", [
                P("verticalLayout_355", 2, [
                    V("horizontalLayout_590", None, 618, "vidi", 638),
                    V("horizontalLayout_591", "label_382", 619, "videbla", 639)]),
                P("verticalLayout_359", 2, [
                    V("horizontalLayout_633", None, 45, "legi", 54),
                    V("horizontalLayout_634", "label_391", 46, "legebla", 55),
                    P("verticalLayout_360", 2, [
                        V("horizontalLayout_592", None, 41, "kredi", 50),
                        V("horizontalLayout_593", "label_383", 42, "kredebla", 51)])])])])]),
    ("frame_21", "horizontalLayout_19", MALVASTA, "label_314", " -EC ", "verticalLayout_356", 640, [
        I("verticalLayout_27", [
            P("verticalLayout_357", 2, [
                V("horizontalLayout_585", None, 620, "mola", 641),
                V("horizontalLayout_586", "label_388", 621, "moleco", 642)]),
            P("verticalLayout_358", 2, [
                V("horizontalLayout_587", None, 43, "amiko", 52),
                V("horizontalLayout_588", "label_389", 44, "amikeco", 53)])])]),
]

SUFIKSOJ_3 = [
    ("frame_28", "horizontalLayout_20", MALVASTA, "label_356", " -EG ", "verticalLayout_378", 644, [
        I("verticalLayout_29", [
            P("verticalLayout_379", 2, [
                V("horizontalLayout_620", None, 623, "vento", 645),
                V("horizontalLayout_621", "label_404", 624, "ventego", 646)])]),
        P("verticalLayout_380", 2, [
            V("horizontalLayout_622", None, 47, "ridi", 56),
            V("horizontalLayout_623", "label_405", 48, "ridegi", 57)])]),
    ("frame_29", "horizontalLayout_21", MALVASTA, "label_393", " -EJ ", "verticalLayout_385", 647, [
        I("verticalLayout_30", [
            I("verticalLayout_388", []),
            I("verticalLayout_381", [
                P("verticalLayout_386", 2, [
                    V("horizontalLayout_635", None, 626, "preĝi", 649),
                    V("horizontalLayout_636", "label_396", 631, "preĝejo", 656)]),
                P("verticalLayout_387", 2, [
                    V("horizontalLayout_637", None, 56, "ofico", 64),
                    V("horizontalLayout_638", "label_399", 55, "oficejo", 65)])])]),
        P("verticalLayout_389", 2, [
            V("horizontalLayout_639", None, 49, "ĉevalo", 58),
            V("horizontalLayout_640", "label_402", 54, "ĉevalejo", 63)])]),
    ("frame_26", "horizontalLayout_22", MALVASTA, "label_344", " -EM ", "verticalLayout_372", 650, [
        I("verticalLayout_31", [
            P("verticalLayout_373", 2, [
                V("horizontalLayout_610", None, 627, "ŝpari", 651),
                V("horizontalLayout_611", "label_406", 628, "ŝparema", 652),
                P("verticalLayout_374", 2, [
                    V("horizontalLayout_612", None, 50, "babili", 59),
                    V("horizontalLayout_613", "label_407", 51, "babilema", 60)])])])]),
    ("frame_25", "horizontalLayout_23", MALVASTA, "label_338", "-END", "verticalLayout_369", 653, [
        I("verticalLayout_32", [
            P("verticalLayout_370", 2, [
                V("horizontalLayout_605", None, 629, "legi", 654),
                V("horizontalLayout_606", "label_408", 630, "legenda", 655)])]),
        P("verticalLayout_371", 2, [
            V("horizontalLayout_607", None, 52, "fari", 61),
            V("horizontalLayout_608", "label_409", 53, "farenda", 62)])]),
]


def enhavo(f, eroj):
    el = []
    for e in eroj:
        if e[0] == "V":
            _, vico, sago, butono, vorto, etikedo = e
            sagoj = [widget("label_sago_reversa", sago, [
                politiko("Maximum", "Preferred"), prop("text", s("")), pixmap(":/ikonoj/sago_revena.png")])] if sago else []
            el.append(hbox(vico, sagoj + [frazo(f, butono, vorto), ero(f, etikedo, pol=("Expanding", "Preferred"))],
                           spacing=12))
        elif e[0] == "P":
            el.append(vbox(e[1], enhavo(f, e[3]), spacing=e[2]))
        else:
            el.append(vbox(e[1], enhavo(f, e[2])))
    return el


def kesto(f, kadro, aranxo, margxenoj, afikso_nomo, afikso, kolumno, signifo, eroj):
    afiksa = widget("QLabel", afikso_nomo, [
        politiko("Maximum", "Preferred"), prop("text", s(afikso)), aligno("Qt::AlignHCenter|Qt::AlignTop"),
        eco("tipo", "afikso")])
    signifa = ero(f, signifo, ecoj=[prop("styleSheet", s("font-weight: bold;"))])
    return widget("QFrame", kadro, [prop("frameShape", enum("QFrame::Box")), prop("frameShadow", enum("QFrame::Raised"))],
                  hbox(aranxo, [afiksa, vbox(kolumno, [signifa] + enhavo(f, eroj))], margins=margxenoj))


AFIKSAJ_PAGHOJ = [  # page, tab text, page layout, scroll area, contents, size, content layout, title, intro, boxes
    ("tab_26", "4", "verticalLayout_37", "scrollArea_3", "scrollAreaWidgetContents_3", (1124, 712), "verticalLayout_10",
     8, 580, PREFIKSOJ_1),
    ("tab_29", "5", "verticalLayout_38", "scrollArea_4", "scrollAreaWidgetContents_4", (1124, 712), "verticalLayout_14",
     None, None, PREFIKSOJ_2),
    ("tab_30", "6", "verticalLayout_39", "scrollArea_5", "scrollAreaWidgetContents_5", (1123, 711), "verticalLayout_18",
     None, None, PREFIKSOJ_3),
    ("tab_31", "7", "verticalLayout_40", "scrollArea_6", "scrollAreaWidgetContents_6", (1108, 813), "verticalLayout_23",
     66, None, SUFIKSOJ_1),
    ("tab_32", "8", "verticalLayout_41", "scrollArea_7", "scrollAreaWidgetContents_7", (1109, 768), "verticalLayout_28",
     None, None, SUFIKSOJ_2),
    ("tab_39", "9", "verticalLayout_42", "scrollArea_8", "scrollAreaWidgetContents_8", (1109, 768), "verticalLayout_33",
     None, None, SUFIKSOJ_3),
]


def afiksa_pagho(f, nomo, langeto, aranxo, areo, enhavujo, grando, enhava_aranxo, titolo_n, enkonduko, kestoj):
    eroj = []
    if titolo_n:
        eroj.append(titolo(f, titolo_n))
    if enkonduko:
        eroj.append(ero(f, enkonduko))
    eroj += [kesto(f, *k) for k in kestoj]
    eroj.append(f.spacer())
    return tekstpagho(nomo, langeto, aranxo, areo, enhavujo, grando[0], grando[1], vbox(enhava_aranxo, eroj), pol=None)


# ------------------------------------------------------------------ pages 3, 10, 11, 12
PLENIGO = ":/ikonoj/plenigas_spacon2.png"
EKZERCOJ = {  # page number: page, tab text, icon, layout, frame class, frame name (its item section)
    3: ("Ekzerco1_Plen_Lec08", "3", PLENIGO, "verticalLayout_67", "plenigas_spacon", "Lec08_Ekzerco_0801"),
    # The "B" after the lesson prefix gives this frame the instruction of key "Frame42.Label84".
    10: ("Ekzerco2_Plen_Lec08", "10", PLENIGO, "verticalLayout_68", "plenigas_spacon", "Lec08B_Ekzerco_0802"),
    11: ("Ekzerco3_Lec08", "11", VORTOLUDO, "verticalLayout_69", "vortoludo", "Lec08_Ekzerco_0803"),
    12: ("Ekzerco4_Lec08", "12", ":/ikonoj/akuzativo.png", "verticalLayout_70", "akuzativo", "Lec08_Ekzerco_0805"),
}

# ------------------------------------------------------------------ page 13
DEMANDOJ = [  # question block, question label, answer field (key of the saved answer), model answer
    ("verticalLayout_277", 302, "lineEdit_69", "label", "Mia bopatrino eklernis Esperanton."),
    ("verticalLayout_283", 303, "lineEdit_70", "label_2", "Miaj ekskolegoj disdonos ĵurnalon."),
    ("verticalLayout_284", 304, "lineEdit_71", "label_3", "Tiu fiviro faris mispaŝon."),
    ("verticalLayout_285", 305, "lineEdit_72", "label_4", "Miaj gepatroj vizitis siajn pranepojn."),
    ("verticalLayout_288", 306, "lineEdit_86", "label_5", "Mia patro estas pli aĝa ol mia patrino."),
    ("verticalLayout_289", 308, "lineEdit_87", "label_6", "Kiu estas la plej bela el la knabinoj?"),
    ("verticalLayout_290", 309, "lineEdit_88", "label_7", "Mia bofratino estas pli eleganta ol la najbarino."),
    ("verticalLayout_291", 310, "lineEdit_89", "label_8", "Mia avino legas pli ol mia bofilo."),
]


def pagho13(f):
    eroj = [ero(f, 72, klaso="titolo", pol=("Preferred", "Maximum"), ecoj=[grasa()])]
    for bloko, n, kampo, korekta_nomo, modelo in DEMANDOJ:
        eroj.append(vbox(bloko, [
            ero(f, n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)]),
            f.respondo(kampo, ecoj=[politiko("Preferred", "Preferred")]),
            widget("korekta", korekta_nomo, [prop("text", s(modelo))])], spacing=5))
    eroj.append(sendujo("frame"))
    return tekstpagho("Sendas1_Lec08", "13", "verticalLayout_43", "scrollArea_9", "scrollAreaWidgetContents_9",
                      1124, 712, vbox("verticalLayout_34", eroj, spacing=12), ikono=SENDAS, pol=None)


def formo():
    f = Formo(8, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), ekzercpagho(*EKZERCOJ[3])]
    paghoj += [afiksa_pagho(f, *p) for p in AFIKSAJ_PAGHOJ]
    paghoj += [ekzercpagho(*EKZERCOJ[n]) for n in (10, 11, 12)]
    paghoj.append(pagho13(f))
    return f.dokumento(paghoj, 1134, 752, "verticalLayout_16", nuna=8)
