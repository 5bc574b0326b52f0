"""Lesson 9: the suffixes -ER to -UJ in framed boxes, word order, the particle
ja and the ki- words, a comic verse in free word order; a word-choice and a
gap-filling exercise and two send pages.

Almost every translated label keeps the designer's "TextLabel" as its
placeholder (PT); the word boxes of pages 1-5 are the items of exercise 0903,
so their numbers and those of the labels beside them are data. The reading
page's tab picture is lesson 7's."""
from lecionformo import (
    SENDAS, VORTOLUDO, Formo, aligno, eco, ekzercpagho, enum, faldo, grasa, grupkesto, hbox, item, kadraj_ecoj,
    kamarado, num, politiko, prop, s, sago_antauen, sago_revena, sendas_butono, sendujo, size, tekstpagho, vbox,
    widget)

PAROLO = ":/ikonoj/parolo.png"
PLENIGAS = ":/ikonoj/plenigas_spacon2.png"
GRASA_STILO = "font-weight: bold;"

# Every key of [Lec09] this form names: the meaning labels of the -ER and -IG
# boxes carry the one Portuguese placeholder the lesson has, the rest the
# designer's. The learner always sees the translation file's text.
SXLOSILOJ = (
    [2, 657, 658, 659, 31, 32, 660, 661, 662, 33, 34, 663, 664, 665, 35, 36, 666, 667, 669, 371, 381] +
    [670, 671, 672, 39, 40, 673, 674, 675, 682, 47, 41, 42, 676, 677, 678, 43, 44, 679, 680, 681, 45, 46] +
    [683, 684, 685, 49, 50, 689, 690, 691, 695, 48, 53, 54, 57, 58, 692, 693, 694, 55, 56] +
    [696, 697, 698, 60, 61, 699, 700, 701, 62, 63, 702, 703, 704, 64, 65, 705, 706, 707, 708, 59, 66, 67, 68, 69] +
    [709, 710, 711, 70, 71, 712, 713, 714, 715, 74, 75, 716, 78, 79, 717, 76, 77] +
    [86, 91, 87, 89, 88, 90] +
    [13, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12] +
    [14, 15, 16, 17, 18, 26, 19, 20, 21, 22, 23, 24, 25] +
    [27, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 92, 37, 3, 28, 29] +
    [82, 81, 30, 80])
PT = {"Label%d" % k: "TextLabel" for k in SXLOSILOJ}
PT["Label657"] = PT["Label670"] = "parente por causa do casamento"

# ------------------------------------------------------------ suffix boxes
# A pair of rows: (pair layout, root row layout, root word box, root word,
# its label, derived row layout, arrow, derived word box, derived word, its
# label). The boxes and labels of each pair are one item of exercise 0903,
# in the order of these tables (root row before derived row).
PAGHO1 = {
    "-ER": [("verticalLayout_353", "horizontalLayout_580", 632, "salo", 658,
             "horizontalLayout_581", 373, 633, "salero", 659),
            ("verticalLayout_354", "horizontalLayout_582", 30, "mono", 31,
             "horizontalLayout_583", 374, 31, "monero", 32)],
    "-ESTR": [("verticalLayout_350", "horizontalLayout_575", 634, "urbo", 661,
               "horizontalLayout_576", 375, 635, "urbestro", 662),
              ("verticalLayout_351", "horizontalLayout_577", 32, "ŝipo", 33,
               "horizontalLayout_578", 376, 33, "ŝipestro", 34)],
    "-ET": [("verticalLayout_347", "horizontalLayout_570", 636, "pupo", 664,
             "horizontalLayout_571", 377, 637, "pupeto", 665),
            ("verticalLayout_348", "horizontalLayout_572", 34, "ridi", 35,
             "horizontalLayout_573", 378, 35, "rideti", 36)],
    "-ID": [("verticalLayout_356", "horizontalLayout_585", 638, "kato", 667,
             "horizontalLayout_586", 379, 640, "katido", 669),
            ("verticalLayout_357", "horizontalLayout_587", 36, "reĝo", 371,
             "horizontalLayout_588", 380, 37, "reĝido", 381)],
}
PAGHO2 = {
    "-IG": [("verticalLayout_359", "horizontalLayout_590", 641, "pura", 671,
             "horizontalLayout_591", 381, 642, "purigi", 672),
            ("verticalLayout_360", "horizontalLayout_592", 38, "morti", 39,
             "horizontalLayout_593", 382, 39, "mortigi", 40)],
    "-IĜ": [("verticalLayout_368", "horizontalLayout_604", 643, "ruĝa", 674,
             "horizontalLayout_605", 387, 644, "ruĝiĝi", 675),
            ("verticalLayout_369", "horizontalLayout_633", 649, "fari", 682,
             "horizontalLayout_634", 391, 46, "fariĝi", 47),
            ("verticalLayout_371", "horizontalLayout_606", 40, "mateno", 41,
             "horizontalLayout_607", 388, 41, "mateniĝi", 42)],
    "-IL": [("verticalLayout_362", "horizontalLayout_595", 645, "ŝlosi", 677,
             "horizontalLayout_596", 383, 646, "ŝlosilo", 678),
            ("verticalLayout_363", "horizontalLayout_597", 42, "muziko", 43,
             "horizontalLayout_598", 384, 43, "muzikilo", 44)],
    "-IN": [("verticalLayout_365", "horizontalLayout_600", 647, "onklo", 680,
             "horizontalLayout_601", 385, 648, "onklino", 681),
            ("verticalLayout_366", "horizontalLayout_602", 44, "koko", 45,
             "horizontalLayout_603", 386, 45, "kokino", 46)],
}
PAGHO3 = {
    "-IND": [("verticalLayout_373", "horizontalLayout_609", 650, "admiri", 684,
              "horizontalLayout_610", 389, 651, "admirinda", 685),
             ("verticalLayout_374", "horizontalLayout_611", 48, "laŭdi", 49,
              "horizontalLayout_612", 390, 49, "laŭdinda", 50)],
    "-IST": [("verticalLayout_379", "horizontalLayout_618", 654, "tajpi", 690,
              "horizontalLayout_619", 394, 655, "tajpisto", 691),
             ("verticalLayout_380", "horizontalLayout_635", 658, "Esperanto", 695,
              "horizontalLayout_636", 395, 47, "esperantisto", 48),
             ("verticalLayout_382", "horizontalLayout_620", 52, "piano", 53,
              "horizontalLayout_621", 396, 53, "pianisto", 54),
             ("verticalLayout_384", "horizontalLayout_665", 54, "raporti", 57,
              "horizontalLayout_666", 414, 55, "raportisto", 58)],
    "-NJ": [("verticalLayout_386", "horizontalLayout_623", 656, "patrino", 693,
             "horizontalLayout_624", 397, 657, "panjo", 694),
            ("verticalLayout_387", "horizontalLayout_625", 56, "Maria", 55,
             "horizontalLayout_626", 398, 57, "Manjo", 56)],
}
PAGHO4 = {
    "-OBL": [("verticalLayout_389", "horizontalLayout_628", 659, "du", 697,
              "horizontalLayout_629", 399, 660, "duobla", 698),
             ("verticalLayout_390", "horizontalLayout_630", 59, "tri", 60,
              "horizontalLayout_631", 400, 60, "trioblo", 61)],
    "-ON": [("verticalLayout_392", "horizontalLayout_637", 661, "kvar", 700,
             "horizontalLayout_638", 401, 662, "kvarono", 701),
            ("verticalLayout_393", "horizontalLayout_639", 61, "dek", 62,
             "horizontalLayout_640", 402, 62, "dekono", 63)],
    "-OP": [("verticalLayout_395", "horizontalLayout_642", 663, "du", 703,
             "horizontalLayout_643", 403, 664, "duopo", 704),
            ("verticalLayout_396", "horizontalLayout_644", 63, "ses", 64,
             "horizontalLayout_645", 404, 64, "sesopo", 65)],
    "-UL": [("verticalLayout_399", "horizontalLayout_646", 665, "sankta", 706,
             "horizontalLayout_647", 405, 666, "sanktulo", 707),
            ("verticalLayout_400", "horizontalLayout_648", 667, "kontraŭ", 708,
             "horizontalLayout_649", 406, 58, "kontraŭulo", 59),
            ("verticalLayout_402", "horizontalLayout_650", 65, "stulta", 66,
             "horizontalLayout_651", 407, 66, "stultulo", 67),
            ("verticalLayout_403", "horizontalLayout_652", 67, "riĉa", 68,
             "horizontalLayout_653", 408, 68, "riĉulo", 69)],
}
PAGHO5 = {
    "-UM": [("verticalLayout_409", "horizontalLayout_661", 668, "kolo", 710,
             "horizontalLayout_662", 412, 669, "kolumo", 711),
            ("verticalLayout_410", "horizontalLayout_663", 69, "plena", 70,
             "horizontalLayout_664", 413, 70, "plenumi", 71)],
    "-UJ": [("verticalLayout_404", "horizontalLayout_654", 670, "mono", 713,
             "horizontalLayout_655", 409, 671, "monujo", 714),
            ("verticalLayout_405", "horizontalLayout_656", 672, "pomo", 715,
             "horizontalLayout_657", 410, 73, "pomujo", 74)],
}
SUPRAJ_MARGENOJ = (-1, 3, -1, 3)  # the suffix boxes sit close to their rows


def vorto(f, n, teksto, faldu):
    return f.neklakebla(n, teksto, poste=[faldo()] if faldu else ())


def paro(f, p, faldu, poste=None):
    """Two rows; poste builds what follows them in the same layout."""
    (grupo, vico1, n1, v1, m1, vico2, sago, n2, v2, m2) = p
    vicoj = [hbox(vico1, [vorto(f, n1, v1, faldu), f.signifo(m1)], spacing=12),
             hbox(vico2, [sago_revena("label_%d" % sago, grandoj=False), vorto(f, n2, v2, faldu), f.signifo(m2)],
                  spacing=12)]
    return vbox(grupo, vicoj + (poste() if poste else []), spacing=3)


def kesto(f, kadro, kesta_layout, sufikso_nomo, sufikso, signifo, kolumno, eroj, margins=SUPRAJ_MARGENOJ,
          sufikso_pol=None, limo=None, spacing=None):
    """A suffix box: the suffix on the left, then a column with its meaning in
    bold and the pairs of words derived with it. eroj builds the pairs once
    the meaning stands, so that the labels keep the form's order."""
    sufikso_ecoj = [politiko(*sufikso_pol)] if sufikso_pol else []
    sufikso_ecoj += [aligno("Qt::AlignHCenter|Qt::AlignTop"), prop("text", s(sufikso)), eco("tipo", "afikso")]
    signifa = f.etikedo(signifo, pol=("Preferred", "Maximum"), ecoj=[prop("styleSheet", s(GRASA_STILO))])
    kesta = hbox(kesta_layout, [
        widget("QLabel", sufikso_nomo, sufikso_ecoj),
        vbox(kolumno, [signifa] + list(eroj()))],
        spacing=spacing, margins=margins, limo=limo)
    return widget("QFrame", kadro, kadraj_ecoj("QFrame::Box"), kesta)


def paroj(f, tabelo, sufikso, faldu):
    return [paro(f, p, faldu) for p in tabelo[sufikso]]


# ------------------------------------------------------------------ page 1
def pagho1(f):
    def k(kadro, kl, sn, suf, sig, kol, ujo):
        def eroj():
            pp = paroj(f, PAGHO1, suf, False)
            return [vbox(ujo, [pp[0]]), pp[1]]
        return kesto(f, kadro, kl, sn, suf, sig, kol, eroj)
    enhavo = vbox("verticalLayout_37", [
        f.etikedo(2, klaso="titolo", wrap=False, pol=("Preferred", "Maximum")),
        k("frame", "horizontalLayout_58", "label_308", "-ER", 657, "verticalLayout_352", "verticalLayout_15"),
        k("frame_2", "horizontalLayout_42", "label_302", "-ESTR", 660, "verticalLayout_349", "verticalLayout_34"),
        k("frame_3", "horizontalLayout_59", "label_296", "-ET", 663, "verticalLayout_346", "verticalLayout_35"),
        k("frame_4", "horizontalLayout_40", "label_297", "-ID", 666, "verticalLayout_355", "verticalLayout_36"),
        f.spacer()])
    return tekstpagho("tab", "1", "verticalLayout_62", "scrollArea_2", "scrollAreaWidgetContents_2", 1035, 752,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 2
def pagho2(f):
    def ig():
        pp = paroj(f, PAGHO2, "-IG", True)
        return [vbox("verticalLayout_4", [pp[0]]), pp[1]]

    def igx():
        pp = paroj(f, PAGHO2, "-IĜ", True)
        return [vbox("verticalLayout_38", [vbox("verticalLayout_367", pp[:2])]), pp[2]]

    def il():
        return [vbox("verticalLayout_39", paroj(f, PAGHO2, "-IL", True))]

    def in_():
        # The second pair stands inside the first pair's layout, as close as
        # its rows.
        unua, dua = PAGHO2["-IN"]
        return [vbox("verticalLayout_40", [paro(f, unua, False, lambda: [paro(f, dua, False)])])]

    enhavo = vbox("verticalLayout_41", [
        kesto(f, "frame_22", "horizontalLayout_44", "label_309", "-IG", 670, "verticalLayout_358", ig),
        kesto(f, "frame_25", "horizontalLayout_45", "label_320", "-IĜ", 673, "verticalLayout_383", igx),
        kesto(f, "frame_23", "horizontalLayout_46", "label_303", "-IL", 676, "verticalLayout_361", il),
        kesto(f, "frame_24", "horizontalLayout_47", "label_298", "-IN", 679, "verticalLayout_364", in_),
        f.spacer()])
    return tekstpagho("tab_2", "2", "verticalLayout_63", "scrollArea_3", "scrollAreaWidgetContents_3", 1035, 786,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 3
def pagho3(f):
    def ind():
        pp = paroj(f, PAGHO3, "-IND", True)
        return [vbox("verticalLayout_5", [pp[0]]), pp[1]]

    def ist():
        pp = paroj(f, PAGHO3, "-IST", True)
        return [vbox("verticalLayout_42", [vbox("verticalLayout_378", pp[:2])]), vbox("verticalLayout_20", pp[2:])]

    def nj():
        return [vbox("verticalLayout_43", paroj(f, PAGHO3, "-NJ", True))]

    enhavo = vbox("verticalLayout_44", [
        kesto(f, "frame_26", "horizontalLayout_48", "label_304", "-IND", 683, "verticalLayout_372", ind,
              limo="SetMaximumSize"),
        kesto(f, "frame_28", "horizontalLayout_50", "label_321", "-IST", 689, "verticalLayout_29", ist),
        kesto(f, "frame_29", "horizontalLayout_51", "label_300", "-NJ", 692, "verticalLayout_385", nj,
              limo="SetMaximumSize"),
        f.spacer()])
    return tekstpagho("tab_3", "3", "verticalLayout_64", "scrollArea_4", "scrollAreaWidgetContents_4", 1050, 710,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 4
def pagho4(f):
    mp = ("Maximum", "Preferred")

    def obl():
        return [vbox("verticalLayout_14", paroj(f, PAGHO4, "-OBL", True))]

    def unua_aparte(sufikso, ujo):
        def eroj():
            pp = paroj(f, PAGHO4, sufikso, True)
            return [vbox(ujo, [pp[0]]), pp[1]]
        return eroj

    def ul():
        pp = paroj(f, PAGHO4, "-UL", False)  # short words: they never wrap
        return [vbox("verticalLayout_47", [vbox("verticalLayout_398", pp[:2], spacing=3),
                                           vbox("verticalLayout_6", pp[2:], spacing=3)])]

    enhavo = vbox("verticalLayout_48", [
        kesto(f, "frame_30", "horizontalLayout_52", "label_305", "-OBL", 696, "verticalLayout_388", obl,
              sufikso_pol=mp),
        kesto(f, "frame_31", "horizontalLayout_53", "label_306", "-ON", 699, "verticalLayout_391",
              unua_aparte("-ON", "verticalLayout_45"), sufikso_pol=mp),
        kesto(f, "frame_32", "horizontalLayout_54", "label_307", "-OP", 702, "verticalLayout_394",
              unua_aparte("-OP", "verticalLayout_46"), sufikso_pol=mp),
        kesto(f, "frame_33", "horizontalLayout_57", "label_322", "-UL", 705, "verticalLayout_30", ul,
              sufikso_pol=mp, spacing=6),
        f.spacer()])
    return tekstpagho("tab_4", "4", "verticalLayout_65", "scrollArea_5", "scrollAreaWidgetContents_5", 1035, 828,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 5
def pagho5(f):
    def vico(nomo, eroj):
        return hbox(nomo, eroj, spacing=12)

    def um():
        return [vbox("verticalLayout_31", paroj(f, PAGHO5, "-UM", False))]

    def uj():
        return [vbox("verticalLayout_49", [vbox("verticalLayout_401", paroj(f, PAGHO5, "-UJ", False))])]

    kestoj = [
        kesto(f, "frame_35", "horizontalLayout_55", "label_301", "-UM", 709, "verticalLayout_408", um),
        kesto(f, "frame_34", "horizontalLayout_7", "label_323", "-UJ", 712, "verticalLayout_397", uj, margins=None)]
    notoj = vbox("verticalLayout_7", [
        f.etikedo(75, wrap=False, pol=("Preferred", "Maximum"), ecoj=[prop("styleSheet", s(GRASA_STILO))]),
        f.etikedo(716),
        # "pomujo" points by arrows to the two words that say it without doubt.
        hbox("horizontalLayout_6", [
            vorto(f, 673, "pomujo", True),
            sago_antauen("label_8"),
            vbox("verticalLayout", [
                vico("horizontalLayout_2", [sago_antauen("label_9"), vorto(f, 674, "pomkesto", True),
                                            f.signifo(78)]),
                vico("horizontalLayout_3", [sago_antauen("label_10"), vorto(f, 74, "pomarbo", True),
                                            f.signifo(79)])])]),
        f.etikedo(717),
        hbox("horizontalLayout_9", [
            vico("horizontalLayout_4", [vorto(f, 675, "Germanio", True), f.signifo(76)]),
            vico("horizontalLayout_5", [vorto(f, 676, "Ruslando", True), f.signifo(77)])])])
    enhavo = vbox("verticalLayout_50", kestoj + [notoj, f.spacer()])
    return tekstpagho("tab_5", "5", "verticalLayout_66", "scrollArea_6", "scrollAreaWidgetContents_6", 1050, 710,
                      enhavo, pol=None)


# ------------------------------------------------------------ pages 6 and 7
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item section)
    ("Ekzerco_Vorto_Lec09", "6", VORTOLUDO, "verticalLayout_2", "vortoludo", "Lec09_Ekz_Vorto_0903"),
    ("Ekzerco_Plen_Lec09", "7", PLENIGAS, "verticalLayout_3", "plenigas_spacon", "Lec09_Ekz_Plen_0902"),
]

# ------------------------------------------------------------------ page 8
# A family of words: (row, left column, right column, root label, root with
# its number, root's translation, [(question label, derived word, field)],
# field class, left labels without margin). The blanks before some words
# belong to them and go to the corrector with them.
FAMILIOJ = [
    ("horizontalLayout_10", "verticalLayout_27", "verticalLayout_22", "label_12", "1. edzo", 87,
     [("label_13", "   edzino", "lineEdit_2"), ("label_14", "    edziĝi", "lineEdit_3"),
      ("label_15", "eksedzo", "lineEdit_4"), ("label_16", " geedzoj", "lineEdit_5")], "QLineEdit", False),
    ("horizontalLayout_12", "verticalLayout_21", "verticalLayout_13", "label_24", "2. bovo", 89,
     [("label_25", " bovino", "lineEdit_10"), ("label_26", " bovido", "lineEdit_11"),
      ("label_27", "bovaro", "lineEdit_12"), ("label_28", " bovejo", "lineEdit_13")], "QLineEdit", False),
    ("horizontalLayout_11", "verticalLayout_10", "verticalLayout_9", "label_18", "3. viro", 88,
     [("label_19", "virino", "lineEdit_6"), ("label_20", "vireto", "lineEdit_7"),
      ("label_21", "viraĉo", "lineEdit_8"), ("label_22", "vira", "lineEdit_9")], "QLineEdit", True),
    ("horizontalLayout_13", "verticalLayout_11", "verticalLayout_12", "label_30", "4. varma", 90,
     [("label_31", " malvarma", "lineEdit_14"), ("label_32", "varmeco", "lineEdit_15"),
      ("label_33", "varmeta", "lineEdit_16"), ("label_34", "malvarmiĝi", "lineEdit_17")], "cx_edit", True),
]


def familio(f, bloko):
    vico, maldekstra, dekstra, radiko_nomo, radiko, traduko, demandoj, klaso, sen_margeno = bloko
    dekstre = [aligno("Qt::AlignRight|Qt::AlignVCenter")]
    poste = [prop("margin", num(0))] if sen_margeno else []
    poste.append(prop("indent", num(0)))
    maldekstraj = [widget("QLabel", radiko_nomo, [politiko("Preferred", "Preferred"), prop("text", s(radiko))] +
                          dekstre + poste)]
    maldekstraj += [widget("QLabel", nomo, [prop("text", s(teksto))] + dekstre + poste + [kamarado(kampo)])
                    for nomo, teksto, kampo in demandoj]
    dekstraj = [f.etikedo(traduko, wrap=False, pol=("Preferred", "Maximum"),
                          ecoj=[prop("styleSheet", s("background: silver;")), prop("margin", num(3))])]
    dekstraj += [f.respondo(kampo, klaso, ecoj=[politiko("Expanding", "Preferred")], lingvo="traduko")
                 for _, _, kampo in demandoj]
    # The words stand apart from their fields by the row's spacing, which a
    # right-to-left page mirrors with the columns.
    return hbox(vico, [vbox(maldekstra, maldekstraj), vbox(dekstra, dekstraj)], spacing=12)


def pagho8(f):
    enhavo = vbox("verticalLayout_28", [
        f.etikedo(86, klaso="titolo", wrap=False, pol=("Preferred", "Maximum")),
        f.etikedo(91, pol=("Preferred", "Preferred"))] + [familio(f, b) for b in FAMILIOJ] + [
        item(sendas_butono("pushButton", [prop("text", s(""))]), "Qt::AlignHCenter")])
    return tekstpagho("Sendas1_Lec09", "8", "verticalLayout_67", "scrollArea_7", "scrollAreaWidgetContents_7", 1035,
                      740, enhavo, ikono=SENDAS, pol=None)


# ------------------------------------------------------------- pages 9, 10
# (block layout, sentence box, sentence, key of what its order says)
ORDO = [
    ("verticalLayout_17", "pushButton_20", "Sur la sofo sidas ili.", 4),
    ("verticalLayout_52", "pushButton_15", "Sur la sofo ili sidas.", 5),
    ("verticalLayout_53", "pushButton_21", "Ĉasas katon la hundo.", 6),
    ("verticalLayout_54", "pushButton_23", "Ĉasas la hundo katon.", 7),
    ("verticalLayout_55", "pushButton_16", "Katon ĉasas la hundo.", 8),
    ("verticalLayout_56", "pushButton_22", "Lin mi vokis.", 9),
    ("verticalLayout_57", "pushButton_17", "Petron Maria amas, ne Paŭlon.", 10),
    ("verticalLayout_58", "pushButton_18", "La verdan koloron mi preferas.", 11),
    ("verticalLayout_59", "pushButton_19", "Ne mi faris tion.", 12),
]
JA = [
    ("verticalLayout_74", "pushButton_6", "Ja mi vokis ilin.", 15, None),
    ("verticalLayout_73", "pushButton_7", "En la mondo ekzistas ja Dio.", 16, None),
    ("verticalLayout_72", "pushButton_8", "Morti iam vi ja devas.", 17, None),
    ("verticalLayout_71", "pushButton_9", "Ili ja venos.", 18, None),
    ("verticalLayout_16", "pushButton_10", "Estis ja ŝi, kiu kantis.", 26, None),
]
KI = [
    ("verticalLayout_76", "pushButton_11", "Kion vi volas?", 20, (-1, 3, -1, 3)),
    ("verticalLayout_77", "pushButton_12", "Kiu estas Anna?", 21, (-1, 0, -1, 0)),
    ("verticalLayout_32", "pushButton_13", "Mi volas tion, kion vi volas.", 22, None),
    ("verticalLayout_33", "pushButton_14", "Kiam revenos via filo?", 23, None),
    ("verticalLayout_78", "pushButton_24", "Mi ankoraŭ ne scias, kiam li revenos.", 24, None),
    ("verticalLayout_79", "pushButton_25", "Mi ne scias, kiujn fruktojn elekti.", 25, None),
]


def frazbloko(f, grupo, nomo, frazo, k, margins=None):
    """A sentence with what it means, or what its order stresses, under it."""
    ecoj = [politiko("Preferred", "Preferred")] if nomo == "pushButton_21" else []
    return vbox(grupo, [f.neklakebla(nomo, frazo, ecoj=ecoj, poste=[faldo()]), f.etikedo(k)], spacing=5,
                margins=margins)


def pagho9(f):
    enhavo = vbox("verticalLayout_51", [
        f.etikedo(13, klaso="titolo", wrap=False, pol=("Preferred", "Maximum")),
        f.etikedo(1)] + [frazbloko(f, *b) for b in ORDO] + [f.spacer()], spacing=12, margins=(-1, -1, -1, 9))
    return tekstpagho("tab_6", "9", "verticalLayout_68", "scrollArea_8", "scrollAreaWidgetContents_8", 1050, 710,
                      enhavo, pol=None)


def pagho10(f):
    kapo = [aligno("Qt::AlignLeft|Qt::AlignVCenter")]
    enhavo = vbox("verticalLayout_81", [
        vbox("verticalLayout_75", [f.etikedo(14, pol=("Preferred", "Preferred"), ecoj=kapo)] +
             [frazbloko(f, *b) for b in JA], spacing=12),
        vbox("verticalLayout_80", [f.etikedo(19, ecoj=kapo)] + [frazbloko(f, *b) for b in KI], spacing=12),
        f.spacer()], spacing=20)
    return tekstpagho("tab_7", "10", "verticalLayout_69", "scrollArea_9", "scrollAreaWidgetContents_9", 1050, 710,
                      enhavo, pol=None)


# ------------------------------------------------------------ pages 11, 12
# The verse: a suitor and a lady who likes his purse better. Its clauses use
# the six orders of subject, verb and object (Mi vin vidis SOV, Kaptis vi la
# koron VSO, Vin mi ŝatas OSV, min tentas la monuj' OVS, Amas vin ja mia koro
# VOS, Mi ne havas ĝin SVO); two line-final nouns lose their -o.
VERSO = "\n".join([
    "— Mi vin vidis, ho trezoro!",
    "    Kaptis vi la koron tuj.",
    "— Vin mi ŝatas, ho sinjoro!",
    "    Sed min tentas la monuj'.",
    "",
    "— Amas vin ja mia koro!",
    "    Monon? Mi ne havas ĝin.",
    "— Sen monero kaj sen oro",
    "    Vi ne taŭgas por reĝin'.",
])
# The model answer: every clause subject - verb - object, the nouns whole.
MODELO = "\n".join([
    "— Mi vidis vin, ho trezoro!",
    "    Vi kaptis la koron tuj.",
    "— Mi ŝatas vin, ho sinjoro!",
    "    Sed la monujo tentas min.",
    "",
    "— Mia koro ja amas vin!",
    "    Monon? Mi ne havas ĝin.",
    "— Sen monero kaj sen oro",
    "    Vi ne taŭgas por reĝino.",
])


# The words of the verse that no earlier page teaches, in the verse's order,
# each beside its meaning: (row layout, word box, word, meaning label).
VERSAJ_VORTOJ = [
    ("horizontalLayout_14", 80, "ho", 94),
    ("horizontalLayout_15", 81, "trezoro", 95),
    ("horizontalLayout_16", 82, "koro", 96),
    ("horizontalLayout_17", 83, "tuj", 97),
    ("horizontalLayout_18", 84, "ŝati", 98),
    ("horizontalLayout_19", 85, "sed", 99),
    ("horizontalLayout_20", 86, "tenti", 100),
    ("horizontalLayout_21", 87, "oro", 101),
    ("horizontalLayout_22", 88, "taŭgi", 102),
]


def verso(nomo, poste=()):
    """The verse as a reading text (Esperanto, framed like every reading)."""
    return widget("QLabel", nomo, [
        politiko("Preferred", "Preferred"), prop("frameShape", enum("QFrame::Panel")),
        prop("frameShadow", enum("QFrame::Sunken")), prop("lineWidth", num(2)), prop("text", s(VERSO)), faldo(),
        prop("margin", num(0)), eco("tipo", "teksta"), eco("lingvo", "eo")] + list(poste))


def ludilo(f):
    """The player of the verse's recording; it stops when the page turns."""
    nomo = f.prefikso + "_memo1"
    f.konekto(f.prefikso, "currentChanged(int)", nomo, "PaghoShanghita(int)")
    return widget("mp3ludilo", nomo, [
        politiko("Fixed", "Fixed"), prop("minimumSize", size(84, 42)),
        prop("maximumSize", size(16777215, 16777215)), prop("frameShape", enum("QFrame::StyledPanel")),
        prop("frameShadow", enum("QFrame::Plain"))])


def ekzemplo(f, grupo, k, vico, nomo, frazo):
    """A heading and, indented under it, an example sentence."""
    return vbox(grupo, [
        f.etikedo(k, wrap=False),
        hbox(vico, [f.spacer("horizontal", "Fixed", 30, 20), f.neklakebla(nomo, frazo, poste=[faldo()])])],
        spacing=2)


def pagho11(f):
    enhavo = vbox("verticalLayout_60", [
        f.etikedo(27, pol=("Preferred", "Maximum")),
        verso("Memo1_Lec09"),
        ludilo(f),
        vbox("verticalLayout_83", [
            f.etikedo(93, wrap=False, pol=("Preferred", "Maximum"), ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom")])] + [
            hbox(vico, [vorto(f, n, v, False), f.signifo(m)], spacing=12) for vico, n, v, m in VERSAJ_VORTOJ]),
        vbox("verticalLayout_18", [
            f.etikedo(92, wrap=False, pol=("Preferred", "Maximum"), ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom")]),
            grupkesto("groupBox_2", "", vbox("verticalLayout_8", [
                f.etikedo(37, pol=("Preferred", "Preferred"), ecoj=[
                    prop("frameShape", enum("QFrame::NoFrame")), prop("frameShadow", enum("QFrame::Raised")),
                    prop("lineWidth", num(1)), prop("margin", num(0))])]),
                      ecoj=[politiko("Preferred", "Preferred")])]),
        vbox("verticalLayout_19", [
            f.etikedo(3),
            ekzemplo(f, "verticalLayout_25", 28, "horizontalLayout_35", "pushButton_26", "Okazis eksterordinara io."),
            ekzemplo(f, "verticalLayout_26", 29, "horizontalLayout_34", "pushButton_27", "Okazis io eksterordinara.")]),
        f.spacer()])
    return tekstpagho("tab_8", "11", "verticalLayout_70", "scrollArea_10", "scrollAreaWidgetContents_10", 1050, 710,
                      enhavo, ikono=PAROLO, pol=None)


def pagho12(f):
    enhavo = vbox("verticalLayout_24", [
        f.etikedo(82, klaso="titolo", wrap=False, pol=("Preferred", "Maximum")),
        f.etikedo(81),
        # The verse is the page's one question; the rewrite is its answer.
        verso("label_67", [kamarado("Lec09_Memo4")]),
        widget("QFrame", "frame1", [eco("tipo", "markebla")], vbox("verticalLayout_23", [
            f.noto(30, wrap=False),
            f.etikedo(80, ecoj=[aligno("Qt::AlignLeft|Qt::AlignTop")])])),
        f.respondo("Lec09_Memo4", "cx_plainedit"),
        widget("korekta", "label", [prop("text", s(MODELO))]),
        sendujo("frame_5"),
        f.spacer()])
    return tekstpagho("Sendas2_Lec09", "12", "verticalLayout_82", "scrollArea", "scrollAreaWidgetContents", 1035,
                      736, enhavo, ikono=SENDAS, pol=None)


def formo():
    f = Formo(9, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f)] + [ekzercpagho(*e) for e in EKZERCOJ]
    paghoj += [pagho8(f), pagho9(f), pagho10(f), pagho11(f), pagho12(f)]
    # The form leaves the last send page current; the main window opens the
    # page where the learner stopped.
    return f.dokumento(paghoj, 1060, 750, "horizontalLayout_8", nuna=11, radiko_horizontala=True, tiparo=False)

