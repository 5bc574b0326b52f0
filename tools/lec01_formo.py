#!/usr/bin/env python3
"""Writes the first version of lesson 1's form, lessons/lec01.ui, and the
[Lec01] sections of the English and Esperanto translation files and of the
list of keys to translate.

The .ui file is the source from then on (edit it in Qt Designer); run this
again only to start over. Usage: python3 tools/lec01_formo.py"""
import os
import re
import sys
from xml.sax.saxutils import escape

RADIKO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(RADIKO, "tools"))
from lec01_tekstoj import TEKSTOJ  # noqa: E402

PT = {k: pt for k, pt, _, _ in TEKSTOJ}
IKONOJ_QRC = "../resources/ikonoj.qrc"
STILO_CENTRA = '\tmin-width: 1.5em;\n\tqproperty-alignment: "AlignVCenter | AlignCenter";'
MAKS = 16777215

tabstops = ["Lec01"]
uzitaj_etikedoj = []          # translated label keys in form order
spacer_nombro = {"vertical": 0, "horizontal": 0}


# ---------------------------------------------------------------- XML bits
def s(teksto, notr=False):
    if teksto == "":
        return "<string/>"
    return '<string%s>%s</string>' % (' notr="true"' if notr else "", escape(teksto))


def prop(nomo, valoro, stdset=True):
    return '<property name="%s"%s>%s</property>' % (nomo, "" if stdset else ' stdset="0"', valoro)


def enum(v):
    return "<enum>%s</enum>" % v


def num(v):
    return "<number>%d</number>" % v


def bool_(v):
    return "<bool>%s</bool>" % ("true" if v else "false")


def size(w, h):
    return "<size><width>%d</width><height>%d</height></size>" % (w, h)


def politiko(h, v):
    return prop("sizePolicy", '<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
                '<verstretch>0</verstretch></sizepolicy>' % (h, v))


def grasa():
    return prop("font", "<font><weight>75</weight><bold>true</bold></font>")


def aligno(v):
    return prop("alignment", "<set>%s</set>" % v)


def pixmap(vojo):
    return prop("pixmap", '<pixmap resource="%s">%s</pixmap>' % (IKONOJ_QRC, vojo))


def widget(klaso, nomo, ecoj=(), infanoj=""):
    return '<widget class="%s" name="%s">%s%s</widget>' % (klaso, nomo, "".join(ecoj), infanoj)


def item(enhavo, alignment=None):
    if alignment:
        return '<item alignment="%s">%s</item>' % (alignment, enhavo)
    return "<item>%s</item>" % enhavo


def layout(klaso, nomo, eroj, spacing=None, margins=None, stretch=None):
    """margins: None (defaults), an int for all four, or a 4-tuple with -1 for default."""
    ecoj = []
    if spacing is not None:
        ecoj.append(prop("spacing", num(spacing)))
    if margins is not None:
        m = (margins,) * 4 if isinstance(margins, int) else margins
        for nomo_m, v in zip(("leftMargin", "topMargin", "rightMargin", "bottomMargin"), m):
            if v != -1:
                ecoj.append(prop(nomo_m, num(v)))
    st = ' stretch="%s"' % stretch if stretch else ""
    return '<layout class="%s" name="%s"%s>%s%s</layout>' % (
        klaso, nomo, st, "".join(ecoj), "".join(item(e) if not e.startswith("<item") else e for e in eroj))


def vbox(nomo, eroj, **kw):
    return layout("QVBoxLayout", nomo, eroj, **kw)


def hbox(nomo, eroj, **kw):
    return layout("QHBoxLayout", nomo, eroj, **kw)


def spacer(orientiĝo="vertical", tipo="Expanding", w=20, h=40):
    spacer_nombro[orientiĝo] += 1
    n = spacer_nombro[orientiĝo]
    nomo = "%sSpacer%s" % (orientiĝo, "" if n == 1 else "_%d" % n)
    return ('<spacer name="%s">%s%s%s</spacer>' % (
        nomo, prop("orientation", enum("Qt::Vertical" if orientiĝo == "vertical" else "Qt::Horizontal")),
        prop("sizeType", enum("QSizePolicy::" + tipo)), prop("sizeHint", size(w, h), stdset=False)))


# ------------------------------------------------------------- lesson parts
def etikedo(n, notr=False, wrap=True, pol=None, ecoj=()):
    """A translated label Lec01_LabelN with its Portuguese placeholder."""
    key = "Label%d" % n
    uzitaj_etikedoj.append(key)
    e = list(ecoj)
    if pol:
        e.append(politiko(*pol))
    if wrap:
        e.append(prop("wordWrap", bool_(True)))
    e.append(prop("text", s(PT[key], notr)))
    return widget("QLabel", "Lec01_" + key, e)


def kapo(n, notr=False, ecoj=()):
    key = "Label%d" % n
    uzitaj_etikedoj.append(key)
    e = [politiko("Preferred", "Maximum")] + list(ecoj) + [grasa(), prop("text", s(PT[key], notr)),
                                                           prop("wordWrap", bool_(True))]
    return widget("titolo", "Lec01_" + key, e)


def vorto(nomo, teksto, notr=False, ecoj=(), fokuso=True):
    if isinstance(nomo, int):
        nomo = "Lec01_Button%d" % nomo
    if fokuso:
        tabstops.append(nomo)
    return widget("klakbutono_nova", nomo, list(ecoj) + [prop("text", s(teksto, notr))])


def signifo(n, notr=False):
    return etikedo(n, notr=notr, pol=("Expanding", "Preferred"))


def revena(nomo):
    return widget("label_sago_reversa", nomo, [
        politiko("Maximum", "Preferred"), prop("minimumSize", size(0, 0)), prop("maximumSize", size(MAKS, MAKS)),
        prop("text", s("")), pixmap(":/ikonoj/sago_revena.png"), aligno("Qt::AlignRight|Qt::AlignVCenter")])


def antauen(nomo, vpol="Preferred"):
    return widget("label_sago", nomo, [
        politiko("Maximum", vpol), prop("maximumSize", size(MAKS, MAKS)),
        prop("text", s("")), pixmap(":/ikonoj/sago_antauen.png"), aligno("Qt::AlignHCenter|Qt::AlignVCenter")])


def rulumo(nomo, enhavo, enhavo_nomo, w, h, eroj_layout, resizable=True, ecoj=()):
    return widget("QScrollArea", nomo, [politiko("Preferred", "Preferred")] + list(ecoj) +
                  [prop("widgetResizable", bool_(resizable))],
                  widget("QWidget", enhavo_nomo, [prop("geometry", "<rect><x>0</x><y>0</y><width>%d</width>"
                                                            "<height>%d</height></rect>" % (w, h))], eroj_layout))


def pagho(nomo, titolo_teksto, ikono, enhavo):
    atr = ""
    if ikono:
        atr += ('<attribute name="icon"><iconset resource="%s"><normaloff>%s</normaloff>%s</iconset></attribute>'
                % (IKONOJ_QRC, ikono, ikono))
    atr += '<attribute name="title">%s</attribute>' % s(titolo_teksto)
    return '<widget class="QWidget" name="%s">%s%s</widget>' % (nomo, atr, enhavo)


LECIONO = ":/ikonoj/leciono.png"
ORELETO = ":/ikonoj/oreleto.png"

# ---------------------------------------------------------------- page 1
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


def litero(n, teksto):
    pol = ("Minimum", "Preferred") if n in (29, 42, 98) else ("Preferred", "Preferred")
    return vorto(n, teksto, notr=True, ecoj=[politiko(*pol), prop("styleSheet", s(STILO_CENTRA, True)),
                                             aligno("Qt::AlignHCenter|Qt::AlignVCenter")])


def ekzemplo(n, teksto, lasta):
    pol = ("Minimum", "Preferred") if lasta else ("Preferred", "Preferred")
    return vorto(n, teksto, notr=True, ecoj=[politiko(*pol)])


def kolumno(nomo, vicoj, indekso, margins):
    eroj = []
    for i, v in enumerate(vicoj):
        if indekso == 0:
            eroj.append(litero(v[0], v[1]))
        else:
            eroj.append(ekzemplo(v[2 * indekso], v[2 * indekso + 1], i == len(vicoj) - 1))
    return vbox(nomo, eroj, spacing=12, margins=margins)


def pagho1():
    maldekstre, dekstre = ALFABETO[:14], ALFABETO[14:]
    tabelo = hbox("horizontalLayout_3", [
        spacer("horizontal", "Fixed", 5, 20),
        hbox("horizontalLayout", [
            kolumno("verticalLayout", maldekstre, 0, (-1, -1, 12, -1)),
            kolumno("verticalLayout_2", maldekstre, 1, (-1, -1, 12, -1)),
            kolumno("verticalLayout_3", maldekstre, 2, None)], spacing=0),
        widget("Line", "line", [prop("frameShadow", enum("QFrame::Raised")), prop("lineWidth", num(2)),
                                prop("orientation", enum("Qt::Vertical"))]),
        hbox("horizontalLayout_2", [
            kolumno("verticalLayout_47", dekstre, 0, (12, -1, 12, -1)),
            kolumno("verticalLayout_48", dekstre, 1, (-1, -1, 12, -1)),
            kolumno("verticalLayout_49", dekstre, 2, None)], spacing=0),
        spacer("horizontal", "Expanding", 5, 20)])
    enhavo = vbox("verticalLayout_4", [
        kapo(4, notr=True),
        etikedo(2, notr=True, pol=("Preferred", "Preferred")),
        tabelo], stretch="0,0,1")
    return pagho("tab", "1", LECIONO, vbox("verticalLayout_12", [
        rulumo("scrollArea", None, "scrollAreaWidgetContents_2", 773, 384, enhavo, resizable=False,
               ecoj=[prop("verticalScrollBarPolicy", enum("Qt::ScrollBarAlwaysOn"))])], spacing=0, margins=0))


# ---------------------------------------------------------------- page 2
def pagho2():
    enhavo = vbox("verticalLayout_5", [
        kapo(3, notr=True),
        etikedo(6, notr=True, pol=("Preferred", "Preferred")),
        widget("ekzerco1", "frame", [prop("frameShape", enum("QFrame::Box")), prop("frameShadow", enum("QFrame::Raised"))]),
        spacer()], margins=9)
    return pagho("Ekzerco1_Lec01", "2", ORELETO, vbox("verticalLayout_40", [
        rulumo("scrollArea_15", None, "scrollAreaWidgetContents_16", 1080, 743, enhavo)], margins=0))


# ---------------------------------------------------------------- page 3
PRONOMOJ = [  # row layout, pronoun number, text, meaning number
    ("horizontalLayout_10", 183, "mi", 13), ("horizontalLayout_20", 184, "vi", 14),
    ("horizontalLayout_32", 185, "li", 15), ("horizontalLayout_33", 186, "ŝi", 16),
    ("horizontalLayout_34", 187, "ĝi", 17), ("horizontalLayout_35", 188, "ni", 18),
    ("horizontalLayout_36", 189, "vi", 19), ("horizontalLayout_37", 190, "ili", 20),
    ("horizontalLayout_8", 191, "oni", 21), ("horizontalLayout_9", 192, "si", 22),
]


def pronomvico(vico, speciala=None):
    nomo, n, teksto, m = vico
    ecoj = [prop("styleSheet", s(STILO_CENTRA, True))]
    if n in (187, 191, 192):
        ecoj.append(aligno("Qt::AlignHCenter|Qt::AlignVCenter"))
    ecoj.append(prop("wordWrap", bool_(True)))
    v = vorto(n, teksto, notr=True, ecoj=ecoj)
    if speciala:
        v = vbox(speciala, [v])
    return hbox(nomo, [v, signifo(m, notr=True)])


def pagho3():
    enhavo = vbox("verticalLayout_134", [
        kapo(12, notr=True),
        vbox("verticalLayout_6", [etikedo(131, notr=True, ecoj=[grasa()])] + [pronomvico(v) for v in PRONOMOJ[:5]],
             spacing=9),
        vbox("verticalLayout_7", [etikedo(132, notr=True, pol=("Preferred", "Maximum"), ecoj=[grasa()])] +
             [pronomvico(v) for v in PRONOMOJ[5:8]], spacing=9),
        vbox("verticalLayout_133", [etikedo(133, notr=True, wrap=False, pol=("Preferred", "Maximum"), ecoj=[grasa()]),
                                    pronomvico(PRONOMOJ[8], "verticalLayout_8"),
                                    pronomvico(PRONOMOJ[9], "verticalLayout_9")], spacing=5),
        spacer()], spacing=20, margins=9)
    return pagho("tab_2", "3", LECIONO, vbox("verticalLayout_42", [
        rulumo("scrollArea_14", None, "scrollAreaWidgetContents_15", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------------- page 4
def maks_vorto(n, teksto, ecoj=()):
    return vorto(n, teksto, ecoj=list(ecoj) + [prop("maximumSize", size(MAKS, MAKS))])


def pagho4():
    verboj = [(193, "mi estas", 114), (194, "li estis", 115), (195, "ŝi estas", 116), (196, "ĝi estos", 117),
              (197, "ni estas", 118), (198, "vi estis", 119), (199, "ili estas", 220), (200, "oni estos", 221)]
    komenco = [kapo(23), etikedo(24)]
    vicoj = [hbox("horizontalLayout_%d" % (41 + i), [maks_vorto(n, t, [politiko("Preferred", "Preferred")]), signifo(m)],
                  stretch="0,1") for i, (n, t, m) in enumerate(verboj)]
    sekcio1 = vbox("verticalLayout_10", komenco + vicoj, spacing=9)

    def vicoj_sen(nomoj, datumoj):
        return [hbox(nomo, [maks_vorto(n, t, [prop("wordWrap", bool_(True))]), signifo(m)])
                for nomo, (n, t, m) in zip(nomoj, datumoj)]
    komenco2 = [kapo(25), etikedo(27, wrap=False)]
    sekcio2 = vbox("verticalLayout_11", komenco2 + vicoj_sen(
        ["horizontalLayout_50", "horizontalLayout_51", "horizontalLayout_52"],
        [(201, "amiko", 28), (202, "frato", 29), (203, "kafo", 30)]), spacing=9)
    komenco3 = [kapo(26), etikedo(31, wrap=False)]
    sekcio3 = vbox("verticalLayout_129", komenco3 + vicoj_sen(
        ["horizontalLayout_54", "horizontalLayout_55", "horizontalLayout_56"],
        [(204, "bela", 32), (205, "sana", 33), (206, "varma", 34)]), spacing=9)
    enhavo = vbox("verticalLayout_41", [sekcio1, sekcio2, sekcio3, spacer()], spacing=20, margins=9)
    return pagho("tab_4", "4", LECIONO, vbox("verticalLayout_53", [
        rulumo("scrollArea_13", None, "scrollAreaWidgetContents_14", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------------- page 5
VORTARO = ["amiko", "filo", "frato", "viro", "knabo", "floro", "patro", "instruisto", "kafo", "kuko", "lakto",
           "pano", "sukero", "teo", "biskvito", "bela", "granda", "nova", "bona", "seka", "blanka", "varma", "sana"]


def pagho5():
    vicnomoj = ["horizontalLayout_%d" % i for i in list(range(58, 73)) + list(range(74, 82))]
    signifoj = list(range(44, 59)) + list(range(60, 68))
    komenco = [kapo(35)]
    vicoj = [hbox(vicnomoj[i], [maks_vorto(207 + i, VORTARO[i]), signifo(signifoj[i])], spacing=12)
             for i in range(23)]
    enhavo = vbox("verticalLayout_13", komenco + vicoj + [spacer()], spacing=9)
    return pagho("tab_5", "5", LECIONO, vbox("verticalLayout_57", [
        rulumo("scrollArea_6", None, "scrollAreaWidgetContents_7", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------------- page 6
def paro(grupo, vico1, vico2, n1, t1, m1, sago, n2, t2, m2, grupo_spacing=5, vorto_ecoj=()):
    return vbox(grupo, [
        hbox(vico1, [maks_vorto(n1, t1, vorto_ecoj), signifo(m1)], spacing=12),
        hbox(vico2, [revena(sago), maks_vorto(n2, t2, vorto_ecoj), signifo(m2)], spacing=12)], spacing=grupo_spacing)


def pagho6():
    paroj = [
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
    komenco = [kapo(36), etikedo(37)]
    enhavo = vbox("verticalLayout_22", komenco + [paro(*p) for p in paroj] + [spacer()], spacing=9)
    return pagho("tab_6", "6", LECIONO, vbox("verticalLayout_58", [
        rulumo("scrollArea_5", None, "scrollAreaWidgetContents_6", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------------- page 7
def pagho7():
    tabelo = [(242, "mi", "label_11", 262, "mia", 11), (243, "vi", "label_12", 263, "via", 70),
              (244, "ŝi", "label_13", 264, "ŝia", 71), (268, "li", "label_14", 272, "lia", 92),
              (269, "ĝi", "label_15", 273, "ĝia", 93), (270, "ni", "label_16", 274, "nia", 94),
              (245, "ili", "label_17", 265, "ilia", 72)]
    komenco = [kapo(40), etikedo(41, pol=("Preferred", "Maximum"))]
    vicoj = []
    for i, (n, t, sago, p, pt, m) in enumerate(tabelo):
        vicoj.append(hbox("horizontalLayout_%d" % (99 + i), [
            maks_vorto(n, t, [prop("styleSheet", s(STILO_CENTRA, True)), aligno("Qt::AlignHCenter|Qt::AlignVCenter")]),
            antauen(sago, "Minimum" if sago == "label_11" else "Preferred"),
            maks_vorto(p, pt, [prop("styleSheet", s(STILO_CENTRA, True))]),
            signifo(m)], spacing=9, margins=(-1, -1, -1, 3), stretch="0,0,0,1"))
    sekcio1 = vbox("verticalLayout_14", komenco + [vbox("verticalLayout_20", vicoj, spacing=9)], spacing=9)
    sekcio2 = vbox("verticalLayout_15", [
        etikedo(69, pol=("Preferred", "Maximum"), ecoj=[grasa()]),
        etikedo(42, pol=("Preferred", "Maximum")),
        paro("verticalLayout_59", "horizontalLayout_106", "horizontalLayout_107", 252, "mia amiko", 95, "label_31",
             267, "miaj amikoj", 96, grupo_spacing=9),
        paro("verticalLayout_21", "horizontalLayout_108", "horizontalLayout_109", 253, "nia floro", 97, "label_32",
             266, "niaj floroj", 98, grupo_spacing=9)], spacing=9)
    enhavo = vbox("verticalLayout_16", [sekcio1, sekcio2, spacer()], spacing=20)
    return pagho("tab_7", "7", LECIONO, vbox("verticalLayout_68", [
        rulumo("scrollArea_4", None, "scrollAreaWidgetContents_5", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------------- page 8
def pagho8():
    mm = [prop("minimumSize", size(0, 0)), prop("maximumSize", size(MAKS, MAKS))]
    grupoj = [
        ("verticalLayout_23", "horizontalLayout_111", 238, "la knabo", 88, "horizontalLayout_112", "label_106", 299, "knabo", 100),
        ("verticalLayout_24", "horizontalLayout_113", 240, "la floroj", 89, "horizontalLayout_114", "label_107", 301, "floroj", 101),
        ("verticalLayout_119", "horizontalLayout_115", 239, "la pano", 90, "horizontalLayout_116", "label_112", 300, "pano", 102),
        ("verticalLayout_120", "horizontalLayout_117", 241, "la patroj", 91, "horizontalLayout_118", "label_113", 402, "patroj", 103),
    ]
    artikolo = [kapo(38), etikedo(39)]
    for g, v1, n1, t1, m1, v2, sago, n2, t2, m2 in grupoj:
        artikolo.append(vbox(g, [
            hbox(v1, [vorto(n1, t1, ecoj=mm), signifo(m1)], spacing=12),
            hbox(v2, [revena(sago), vorto(n2, t2, ecoj=mm, fokuso=False), signifo(m2)], spacing=12)], spacing=5))
    frazoj = [("verticalLayout_44", 246, "Viaj filoj estas niaj amikoj.", 104),
              ("verticalLayout_61", 247, "Varma lakto estas bona.", 105),
              ("verticalLayout_62", 248, "La knaboj estas grandaj.", 106),
              ("verticalLayout_64", 250, "Floro estas bela.", 108),
              ("verticalLayout_63", 249, "La pano estas seka.", 107),
              ("verticalLayout_65", 251, "La patro estas bona.", 109)]
    sekcio2 = [kapo(43, ecoj=[prop("minimumSize", size(0, 25)), aligno("Qt::AlignLeft|Qt::AlignVCenter")])]
    for nomo, n, t, m in frazoj:
        sekcio2.append(vbox(nomo, [
            vorto(n, t, ecoj=mm + [prop("wordWrap", bool_(True))]),
            etikedo(m, ecoj=[prop("tipo", s("suba"), stdset=False)])], spacing=5))
    enhavo = vbox("verticalLayout_39", [vbox("verticalLayout_25", artikolo, spacing=9),
                                        vbox("verticalLayout_33", sekcio2, spacing=10), spacer()])
    return pagho("tab_8", "8", LECIONO, vbox("verticalLayout_69", [
        rulumo("scrollArea_3", None, "scrollAreaWidgetContents_4", 1080, 743, enhavo)], spacing=0, margins=0))


# ---------------------------------------------------------- pages 9 to 12
def ekzercpagho(nomo, teksto, ikono, layout_nomo, klaso, kadro):
    return pagho(nomo, teksto, ikono, vbox(layout_nomo, [
        widget(klaso, kadro, [prop("frameShape", enum("QFrame::StyledPanel")),
                              prop("frameShadow", enum("QFrame::Raised"))])], spacing=0, margins=0))


# ---------------------------------------------------------------- page 13
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


def pagho13():
    eroj = [kapo(99)]
    for i, (grupo, n, kampo, modelo) in enumerate(DEMANDOJ):
        tabstops.append(kampo)
        eroj.append(vbox(grupo, [
            etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), prop("buddy", "<cstring>%s</cstring>" % kampo)]),
            widget("cx_edit", kampo, [aligno("Qt::AlignLeft|Qt::AlignTop")]),
            widget("korekta", "Lec01_Button9%02d" % (i + 1), [prop("text", s(modelo))])], spacing=2))
    eroj.append(item(widget("sendujo", "sendujo_panelo", [prop("frameShape", enum("QFrame::StyledPanel")),
                                                          prop("frameShadow", enum("QFrame::Raised"))]),
                     "Qt::AlignHCenter"))
    enhavo = vbox("verticalLayout_32", eroj, spacing=12)
    return pagho("Sendas1_Lec01", "12", ":/ikonoj/sendas_24.png", vbox("verticalLayout_71", [
        rulumo("scrollArea_2", None, "scrollAreaWidgetContents_3", 1065, 772, enhavo)], spacing=0, margins=0))


PROMOCIITAJ = [("titolo", "QLabel", "titolo.h"), ("klakbutono_nova", "QLabel", "klakbutono_nova.h"),
               ("label_sago", "QLabel", "label_sago.h"), ("label_sago_reversa", "QLabel", "label_sago_reversa.h"),
               ("cx_edit", "QLineEdit", "cx_edit.h"), ("korekta", "QLabel", "korekta.h"),
               ("sendujo", "QFrame", "sendujo.h"), ("ekzerco1", "QFrame", "ekzerco1.h"),
               ("frazokonstruo", "QFrame", "frazokonstruo.h"), ("prononco", "QFrame", "prononco.h"),
               ("audkompreno", "QFrame", "audkompreno.h"), ("vortoludo", "QFrame", "vortoludo.h")]


def formo():
    paghoj = [pagho1(), pagho2(), pagho3(), pagho4(), pagho5(), pagho6(), pagho7(), pagho8(),
              ekzercpagho("Ekzerco7_Lec01", "Frazo", None, "verticalLayout_43", "frazokonstruo", "Lec01_Ekz_Frazo_0107"),
              ekzercpagho("Ekzerco2_Lec01", "9", ":/ikonoj/mikrofoneto.png", "verticalLayout_70", "prononco",
                          "Lec01_Ekz_Pron_0102"),
              ekzercpagho("Ekzerco3_Lec01", "10", ORELETO, "verticalLayout_204", "audkompreno", "Lec01_Ekz_0102"),
              ekzercpagho("Ekzerco4_Lec01", "11", ":/ikonoj/vortoludo.png", "verticalLayout_203", "vortoludo", "Lec01_0103"),
              pagho13()]
    lecionujo = widget("QTabWidget", "Lec01", [
        politiko("Preferred", "Preferred"), prop("tabPosition", enum("QTabWidget::North")),
        prop("currentIndex", num(0)), prop("iconSize", size(24, 24)), prop("elideMode", enum("Qt::ElideLeft"))],
        "".join(paghoj))
    radiko = widget("QFrame", "lec01", [
        prop("geometry", "<rect><x>0</x><y>0</y><width>1090</width><height>783</height></rect>"),
        prop("font", "<font><family>Arial</family><pointsize>11</pointsize></font>"),
        prop("windowTitle", s("Frame")),
        prop("locale", '<locale language="Portuguese" country="Brazil"/>'),
        prop("frameShape", enum("QFrame::StyledPanel")), prop("frameShadow", enum("QFrame::Raised"))],
        vbox("verticalLayout_26", [lecionujo], spacing=0, margins=0))
    promo = "".join("<customwidget><class>%s</class><extends>%s</extends><header>%s</header></customwidget>" % p
                    for p in PROMOCIITAJ)
    tab = "".join("<tabstop>%s</tabstop>" % t for t in tabstops)
    xml = ('<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"><class>lec01</class>%s'
           '<customwidgets>%s</customwidgets><tabstops>%s</tabstops>'
           '<resources><include location="%s"/></resources><connections/></ui>' % (radiko, promo, tab, IKONOJ_QRC))
    return xml


def bela_xml(fonto):
    import xml.dom.minidom
    teksto = xml.dom.minidom.parseString(fonto.encode("utf-8")).toprettyxml(indent=" ", encoding="UTF-8").decode("utf-8")
    return "\n".join(linio for linio in teksto.splitlines() if linio.strip()) + "\n"


# ----------------------------------------------------- translation files
def ini_valoro(v):
    if v != v.strip() or any(c in v for c in ',;"=\\#') or v.startswith("'"):
        return '"%s"' % v.replace("\\", "\\\\").replace('"', '\\"')
    return v


def anstatauigas_sekcion(vojo, sekcio, linioj):
    """Puts [sekcio] with the given lines into an INI file with CRLF line ends,
    replacing a section of that name and keeping every other one."""
    with open(vojo, "rb") as f:
        teksto = f.read().decode("utf-8")
    teksto = teksto.replace("\r\n", "\n")
    partoj = re.split(r"(?m)^(?=\[)", teksto)
    nova = "[%s]\n%s\n" % (sekcio, "\n".join(linioj))
    trovita = False
    for i, p in enumerate(partoj):
        if p.startswith("[%s]\n" % sekcio):
            partoj[i] = nova + ("\n" if p.endswith("\n\n") else "")
            trovita = True
    if not trovita:
        if partoj and not partoj[-1].endswith("\n\n") and partoj[-1].strip():
            partoj[-1] += "\n"
        partoj.append(nova)
    rezulto = "".join(partoj).replace("\n", "\r\n")
    with open(vojo, "wb") as f:
        f.write(rezulto.encode("utf-8"))


def main():
    xml = formo()
    with open(os.path.join(RADIKO, "lessons", "lec01.ui"), "w", encoding="utf-8") as f:
        f.write(bela_xml(xml))
    assert len(uzitaj_etikedoj) == 123, len(uzitaj_etikedoj)
    assert [k for k, *_ in TEKSTOJ] == uzitaj_etikedoj, "texts not in form order"
    assert len(tabstops) == 186, len(tabstops)
    trd = os.path.join(RADIKO, "resources", "tradukoj")
    anstatauigas_sekcion(os.path.join(trd, "angla.trd"), "Lec01", ["%s=%s" % (k, ini_valoro(en)) for k, _, en, _ in TEKSTOJ])
    anstatauigas_sekcion(os.path.join(trd, "esperanto.trd"), "Lec01",
                         ["%s=%s" % (k, ini_valoro(eo)) for k, _, _, eo in TEKSTOJ])
    anstatauigas_sekcion(os.path.join(trd, "tradukendaj.tdf"), "Lec01",
                         ["%03d=%s" % (i, k) for i, k in enumerate(uzitaj_etikedoj)])


if __name__ == "__main__":
    main()
