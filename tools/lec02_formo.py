#!/usr/bin/env python3
"""Writes the first version of lesson 2's form, lessons/lec02.ui, and the
[Lec02] sections of the English and Esperanto translation files and of the
list of keys to translate.

The .ui file is the source from then on (edit it in Qt Designer); run this
again only to start over. Usage: python3 tools/lec02_formo.py"""
import os
import sys

RADIKO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(RADIKO, "tools"))
from lec01_formo import (  # noqa: E402  the XML helpers lesson 1's form is written with
    IKONOJ_QRC, MAKS, aligno, anstatauigas_sekcion, bela_xml, bool_, enum, grasa, hbox, ini_valoro, item,
    num, pixmap, politiko, prop, s, size, spacer, vbox, widget)
from lec02_tekstoj import FRAZOJ_0204, TEKSTOJ  # noqa: E402

PT = {k: pt for k, pt, _, _ in TEKSTOJ}
LECIONO = ":/ikonoj/leciono.png"
uzitaj_etikedoj = []          # translated label keys in form order


def rect(x, y, w, h):
    return prop("geometry", "<rect><x>%d</x><y>%d</y><width>%d</width><height>%d</height></rect>" % (x, y, w, h))


def etikedo(n, pol=("Preferred", "Minimum"), ecoj=()):
    """A translated label Lec02_LabelN with its Portuguese placeholder."""
    key = "Label%d" % n
    uzitaj_etikedoj.append(key)
    e = list(ecoj)
    if pol:
        e.append(politiko(*pol))
    e += [prop("text", s(PT[key])), prop("wordWrap", bool_(True))]
    return widget("QLabel", "Lec02_" + key, e)


def kapo(n, ecoj=()):
    key = "Label%d" % n
    uzitaj_etikedoj.append(key)
    return widget("titolo", "Lec02_" + key, [politiko("Preferred", "Maximum"), grasa()] + list(ecoj) +
                  [prop("text", s(PT[key])), prop("wordWrap", bool_(True))])


def noto(n):
    """Bold note heading standing on its paragraph."""
    return etikedo(n, pol=("Preferred", "Maximum"), ecoj=[grasa(), aligno("Qt::AlignLeft|Qt::AlignBottom")])


def vorto(n, teksto, frazo=False):
    ecoj = [prop("text", s(teksto))]
    if frazo:
        ecoj.append(prop("wordWrap", bool_(True)))
    return widget("klakbutono_nova", "Lec02_Button%d" % n, ecoj)


def signifo(n):
    return etikedo(n, pol=("Expanding", "Preferred"))


def sub_frazo(n):
    """Translation under a sentence: the default size policy."""
    return etikedo(n, pol=None)


def revena(nomo, centrita):
    a = "Qt::AlignCenter" if centrita else "Qt::AlignRight|Qt::AlignVCenter"
    return widget("label_sago_reversa", nomo, [politiko("Maximum", "Preferred"), prop("text", s("")),
                                               pixmap(":/ikonoj/sago_revena.png"), aligno(a)])


def egala(nomo):
    return widget("QLabel", nomo, [politiko("Maximum", "Preferred"), prop("text", s("")),
                                   pixmap(":/ikonoj/egala.png"), aligno("Qt::AlignCenter"),
                                   prop("tipo", s("egala"), stdset=False)])


def rulumo(nomo, enhavo_nomo, w, h, eroj_layout, ecoj=()):
    return widget("QScrollArea", nomo, list(ecoj) + [prop("widgetResizable", bool_(True))],
                  widget("QWidget", enhavo_nomo, [rect(0, 0, w, h)], eroj_layout))


def pagho(nomo, titolo_teksto, ikono, enhavo):
    atr = ""
    if ikono:
        atr += ('<attribute name="icon"><iconset resource="%s"><normaloff>%s</normaloff>%s</iconset></attribute>'
                % (IKONOJ_QRC, ikono, ikono))
    atr += '<attribute name="title">%s</attribute>' % s(titolo_teksto)
    return '<widget class="QWidget" name="%s">%s%s</widget>' % (nomo, atr, enhavo)


def tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo):
    return pagho(nomo, langeto, LECIONO, vbox(pagho_layout, [rulumo(areo, enhavo_nomo, w, h, enhavo)],
                                                spacing=0, margins=0))


def vico(nomo, eroj, margins=None):
    return hbox(nomo, eroj, spacing=12, margins=margins)


# ---------------------------------------------------------------- page 1
INO_PAROJ = [  # base row, base word, meaning; derived row, arrow, derived word, meaning
    (130, 254, "viro", 11, 131, "label_22", 2, "virino", 134),
    (132, 255, "amiko", 12, 133, "label_23", 3, "amikino", 135),
    (134, 256, "filo", 13, 135, "label_24", 4, "filino", 136),
    (136, 257, "patro", 14, 137, "label_25", 5, "patrino", 137),
]
INO_ESPRIMOJ = [(127, 258, "La grandaj virinoj", 138), (128, 1, "La bela amikino", 1), (129, 11, "La bona patrino", 16)]


def pagho1():
    komenco = [kapo(131), etikedo(132), etikedo(133)]
    paroj = []
    for i, (v1, n1, t1, m1, v2, sago, n2, t2, m2) in enumerate(INO_PAROJ):
        paroj.append(vbox("verticalLayout_%d" % (45 + i), [
            vico("horizontalLayout_%d" % v1, [vorto(n1, t1), signifo(m1)]),
            vico("horizontalLayout_%d" % v2, [revena(sago, False), vorto(n2, t2), signifo(m2)])], spacing=2))
    esprimoj = [vico("horizontalLayout_%d" % v, [vorto(n, t), signifo(m)]) for v, n, t, m in INO_ESPRIMOJ]
    enhavo = vbox("verticalLayout_8", komenco + [
                                       vbox("verticalLayout_49", paroj, spacing=12),
                                       vbox("verticalLayout_44", esprimoj, spacing=12),
                                       spacer()], spacing=12, margins=9)
    return tekstpagho("tab_13", "1", "verticalLayout_4", "scrollArea", "scrollAreaWidgetContents", 989, 702, enhavo)


# ---------------------------------------------------------------- page 2
def frazbloko(nomo, n, teksto, m, spacing=5):
    return vbox(nomo, [vorto(n, teksto, frazo=True), sub_frazo(m)], spacing=spacing, margins=0)


def pagho2():
    ordo = vbox("verticalLayout_6", [
        vorto(261, "Mi lavas la novan tason.", frazo=True),
        vico("horizontalLayout_4", [egala("label_28"), vorto(262, "La novan tason lavas mi.", frazo=True)],
             margins=(6, 0, 6, 0)),
        vico("horizontalLayout_5", [egala("label_29"), vorto(263, "La novan tason mi lavas.", frazo=True)],
             margins=(6, 0, 6, 0))], spacing=5)
    enhavo = vbox("verticalLayout_24", [
        kapo(139), etikedo(140),
        vbox("verticalLayout_53", [frazbloko("verticalLayout_17", 259, "Mi lavas la novan tason.", 19),
                                   frazbloko("verticalLayout_18", 260, "Mi lavas la novajn tasojn.", 20)], spacing=10),
        etikedo(143),
        ordo,
        vbox("verticalLayout_7", [noto(7), etikedo(144)], spacing=5),
        vbox("verticalLayout_23", [noto(8), etikedo(145)], spacing=5),
        spacer()], spacing=20)
    return tekstpagho("tab_14", "2", "verticalLayout_9", "scrollArea_2", "scrollAreaWidgetContents_2", 989, 702,
                      enhavo)


# ---------------------------------------------------------------- page 3
MAL_PAROJ = [
    (146, 264, "amiko", 148, 147, "label_48", 6, "malamiko", 4),
    (148, 265, "bela", 149, 149, "label_49", 7, "malbela", 5),
    (150, 266, "nova", 150, 151, "label_50", 8, "malnova", 6),
    (152, 9, "juna", 9, 153, "label_51", 10, "maljuna", 10),
    (154, 500, "avara", 17, 155, "label_52", 501, "malavara", 18),
]
NEADO = [(19, 267, "Mi ne lavos la novan tason.", 21), (20, 268, "Li ne estas mia frato.", 154),
         (21, 269, "Ŝi ne estas mia patrino.", 155), (22, 270, "La kukoj ne estis varmaj.", 156)]


def pagho3():
    komenco = [kapo(146), etikedo(147)]
    paroj = []
    for i, (v1, n1, t1, m1, v2, sago, n2, t2, m2) in enumerate(MAL_PAROJ):
        paroj.append(vbox("verticalLayout_%d" % (58 + i), [
            vico("horizontalLayout_%d" % v1, [vorto(n1, t1), signifo(m1)], margins=0),
            vico("horizontalLayout_%d" % v2, [revena(sago, True), vorto(n2, t2), signifo(m2)], margins=0)],
            spacing=0))
    mal = vbox("verticalLayout", komenco + paroj, spacing=10)
    ne = vbox("verticalLayout_57", [kapo(151), etikedo(152, pol=("Preferred", "Maximum"))] +
              [frazbloko("verticalLayout_%d" % v, n, t, m) for v, n, t, m in NEADO], spacing=9)
    enhavo = vbox("verticalLayout_16", [mal, ne, spacer()], spacing=20)
    return tekstpagho("tab_15", "3", "verticalLayout_10", "scrollArea_3", "scrollAreaWidgetContents_3", 989, 702,
                      enhavo)


# ---------------------------------------------------------------- page 4
LIGILO_ADRESO = "https://muziko.example.org/"
LIGILO_TEKSTO = "muziko.example.org"


def ligila_dokumento():
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">\n'
            '<html><head><meta name="qrichtext" content="1" /><style type="text/css">\n'
            'p, li { white-space: pre-wrap; }\n'
            '</style></head><body style=" font-family:\'Arial\'; font-size:19px; font-weight:400; '
            'font-style:normal;">\n'
            '<p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; '
            'text-indent:0px;"><a href="%s"><span style=" font-size:19px; text-decoration: underline; '
            'color:#0000ff;">%s</span></a></p></body></html>' % (LIGILO_ADRESO, LIGILO_TEKSTO))


def pagho4():
    # The lesson frame lays this page out around its video player.
    kapo50 = kapo(50, ecoj=[rect(9, 25, 155, 17)])
    enkonduko = etikedo(49, ecoj=[rect(9, 48, 632, 171)])
    ligilo = widget("QLabel", "label_21", [rect(80, 250, 176, 22), politiko("Preferred", "Maximum"),
                                           prop("text", s(ligila_dokumento())),
                                           prop("openExternalLinks", bool_(True))])
    cxareto = widget("QLabel", "label", [rect(20, 240, 32, 29), politiko("Maximum", "Preferred"),
                                         prop("text", s("")), pixmap(":/ikonoj/acheto_chareto.png")])
    enhavo = widget("QWidget", "scrollAreaWidgetContents_6", [rect(0, 0, 989, 702)],
                    kapo50 + enkonduko + ligilo + cxareto)
    areo = widget("QScrollArea", "scrollArea_6", [
        prop("sizeAdjustPolicy", enum("QAbstractScrollArea::AdjustToContentsOnFirstShow")),
        prop("widgetResizable", bool_(True))], enhavo)
    return pagho("tab_16", "4", ":/ikonoj/muziko.png", vbox("verticalLayout_11", [areo], spacing=0, margins=0))


# ---------------------------------------------------------------- page 5
VORTARO = ["akvo", "ami", "amo", "birdo", "butiko", "fari", "forgesi", "havi", "insekto", "kapti", "lavi",
           "limonado", "papero", "peti", "plumo", "porti", "pura", "renkonti", "skribi", "sukeri", "taso",
           "trinki", "trovi", "vendi", "vidi"]


def pagho5():
    komenco = [kapo(157)]
    vicnomoj = list(range(158, 175)) + list(range(176, 184))
    vicoj = [vico("horizontalLayout_%d" % vicnomoj[i], [vorto(271 + i, v), signifo(158 + i)])
             for i, v in enumerate(VORTARO)]
    enhavo = vbox("verticalLayout_5", komenco + vicoj + [spacer()], spacing=9)
    return tekstpagho("tab_17", "5", "verticalLayout_12", "scrollArea_4", "scrollAreaWidgetContents_4", 974, 764,
                      enhavo)


# ---------------------------------------------------------- pages 6 to 11
def ekzercpagho(nomo, teksto, ikono, layout_nomo, klaso, kadro):
    return pagho(nomo, teksto, ikono, vbox(layout_nomo, [
        widget(klaso, kadro, [prop("frameShape", enum("QFrame::StyledPanel")),
                              prop("frameShadow", enum("QFrame::Raised"))])], spacing=0, margins=0))


EKZERCOJ = [
    ("Ekzerco7_Lec02", "Frazo", None, "verticalLayout_25", "frazokonstruo", "Lec02_Ekz_Frazo_0207"),
    ("Ekzerco1_Lec02", "6", ":/ikonoj/mikrofoneto.png", "verticalLayout_14", "prononco", "Lec02_Ekz_Pron_0201"),
    ("Ekzerco2_Lec02", "7", ":/ikonoj/oreleto.png", "verticalLayout_15", "audkompreno", "Lec02_Ekz_Aud_0201"),
    ("Ekzerco3_Lec02", "8", ":/ikonoj/vortoludo.png", "verticalLayout_202", "vortoludo", "Lec02_Ekz_Vorto_0203"),
    ("Ekzerco4_Lec02", "9", ":/ikonoj/akuzativo.png", "verticalLayout_199", "akuzativo", "Lec02_Ekz_Akuz_0202"),
    ("Ekzerco5_Lec02", "10", ":/ikonoj/plenigas_spacon2.png", "verticalLayout_198", "plenigas_spacon",
     "Lec02_Ekz_Plen_0204"),
]

# ---------------------------------------------------------------- page 12
DEMANDOJ = [  # question block, question label, answer field, model answer
    (75, 237, "lineEdit_11", "Sana knabo trinkas varman lakton."),
    (76, 238, "lineEdit_12", "La malnova butiko ne vendas sekajn kukojn."),
    (77, 22, "lineEdit_13", "La instruisto renkontis la novajn amikojn."),
    (78, 240, "lineEdit_14", "La novaj amikoj faros bonan kukon."),
    (79, 241, "lineEdit_15", "La knabino ne trovis la fratinojn."),
    (81, 242, "lineEdit_16", "La malgranda fratino estas malsana, la frato estas sana."),
    (82, 243, "lineEdit_17", "La patro ne lavos la malgrandajn tasojn."),
    (83, 244, "lineEdit_18", "La bela birdo kaptis malgrandan insekton."),
    (84, 245, "lineEdit_19", "La knabo estis mia malnova amiko."),
    (85, 246, "lineEdit_20", "La knaboj estis grandaj amikoj."),
]


def pagho12():
    eroj = [kapo(236)]  # before the questions: the texts follow the form's order
    for i, (grupo, n, kampo, modelo) in enumerate(DEMANDOJ):
        eroj.append(vbox("verticalLayout_%d" % grupo, [
            etikedo(n, pol=None, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"),
                                       prop("buddy", "<cstring>%s</cstring>" % kampo)]),
            widget("cx_edit", kampo, [aligno("Qt::AlignLeft|Qt::AlignTop")]),
            widget("korekta", "Lec02_Button9%02d" % (i + 1), [prop("text", s(modelo))])], spacing=2))
    eroj.append(item(widget("sendujo", "frame", [prop("frameShape", enum("QFrame::StyledPanel")),
                                                 prop("frameShadow", enum("QFrame::Raised"))]), "Qt::AlignHCenter"))
    enhavo = vbox("verticalLayout_2", eroj, spacing=12)
    return pagho("Sendas1_Lec02", "11", ":/ikonoj/sendas_24.png", vbox("verticalLayout_13", [
        rulumo("scrollArea_5", "scrollAreaWidgetContents_5", 974, 772, enhavo)], spacing=0, margins=0))


PROMOCIITAJ = [("titolo", "QLabel", "titolo.h"), ("klakbutono_nova", "QLabel", "klakbutono_nova.h"),
               ("label_sago_reversa", "QLabel", "label_sago_reversa.h"),
               ("cx_edit", "QLineEdit", "cx_edit.h"), ("korekta", "QLabel", "korekta.h"),
               ("sendujo", "QFrame", "sendujo.h"), ("frazokonstruo", "QFrame", "frazokonstruo.h"),
               ("prononco", "QFrame", "prononco.h"), ("audkompreno", "QFrame", "audkompreno.h"),
               ("vortoludo", "QFrame", "vortoludo.h"), ("akuzativo", "QFrame", "akuzativo.h"),
               ("plenigas_spacon", "QFrame", "plenigas_spacon.h")]


def formo():
    paghoj = [pagho1(), pagho2(), pagho3(), pagho4(), pagho5()] + [ekzercpagho(*e) for e in EKZERCOJ] + [pagho12()]
    lecionujo = widget("QTabWidget", "Lec02", [
        politiko("Preferred", "Preferred"), prop("currentIndex", num(3)), prop("iconSize", size(24, 24))],
        "".join(paghoj))
    radiko = widget("QFrame", "lec02", [
        rect(0, 0, 999, 742),
        prop("font", "<font><family>Arial</family><pointsize>11</pointsize></font>"),
        prop("windowTitle", s("Frame")),
        prop("frameShape", enum("QFrame::StyledPanel")), prop("frameShadow", enum("QFrame::Raised"))],
        vbox("verticalLayout_3", [lecionujo], spacing=0, margins=0))
    promo = "".join("<customwidget><class>%s</class><extends>%s</extends><header>%s</header></customwidget>" % p
                    for p in PROMOCIITAJ)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"><class>lec02</class>%s'
            '<customwidgets>%s</customwidgets>'
            '<resources><include location="%s"/></resources><connections/></ui>' % (radiko, promo, IKONOJ_QRC))


def main():
    xml = formo()
    with open(os.path.join(RADIKO, "lessons", "lec02.ui"), "w", encoding="utf-8") as f:
        f.write(bela_xml(xml))
    assert len(uzitaj_etikedoj) == 80, len(uzitaj_etikedoj)
    assert [k for k, *_ in TEKSTOJ] == uzitaj_etikedoj, "texts not in form order"
    trd = os.path.join(RADIKO, "resources", "tradukoj")
    anstatauigas_sekcion(os.path.join(trd, "angla.trd"), "Lec02", ["%s=%s" % (k, ini_valoro(en)) for k, _, en, _ in TEKSTOJ])
    anstatauigas_sekcion(os.path.join(trd, "esperanto.trd"), "Lec02",
                         ["%s=%s" % (k, ini_valoro(eo)) for k, _, _, eo in TEKSTOJ])
    for dosiero, kolumno in (("angla.trd", 0), ("esperanto.trd", 1)):
        anstatauigas_sekcion(os.path.join(trd, dosiero), "Ekzerco-0204",
                             ["%d=%s" % (i, ini_valoro(f[kolumno])) for i, f in enumerate(FRAZOJ_0204)])
    anstatauigas_sekcion(os.path.join(trd, "tradukendaj.tdf"), "Lec02",
                         ["%03d=%s" % (i, k) for i, k in enumerate(uzitaj_etikedoj)])


if __name__ == "__main__":
    main()
