"""Builds the Qt Designer form of a lesson (lessons/lecNN.ui) from Python.

Each lesson's module in tools/lecionoj/ says what stands on its pages; this
module turns that into the XML that uic compiles. The module functions are
plain XML pieces; a `Formo` keeps what one form collects while its pages are
built (the lesson prefix, the translated labels in form order, the tab order,
the spacer numbers, the connections), so one run can build several lessons.

Texts: the Esperanto words and sentences stand in the lesson module; a
translated label carries the Portuguese placeholder of its key (the lesson
module's PT), which the translation files replace at run time. Nothing here
writes a translation file.

Property order inside an element is the order the builders receive: the
optional parameters that look like style choices (teksto_unue, grasa_unue,
grandoj, ...) exist so that lessons 1 and 2 keep the exact bytes they were
first written with. A new lesson may simply take the defaults."""
import re
import xml.dom.minidom
from xml.sax.saxutils import escape

IKONOJ_QRC = "../resources/ikonoj.qrc"
MAKS = 16777215  # QWIDGETSIZE_MAX
STILO_CENTRA = '\tmin-width: 1.5em;\n\tqproperty-alignment: "AlignVCenter | AlignCenter";'
LECIONO = ":/ikonoj/leciono.png"
ORELETO = ":/ikonoj/oreleto.png"
MIKROFONETO = ":/ikonoj/mikrofoneto.png"
VORTOLUDO = ":/ikonoj/vortoludo.png"
SENDAS = ":/ikonoj/sendas_24.png"

# The program's own widget classes a form may use, with their Qt base class,
# in the order a form lists them (header: class name + ".h"). A form lists
# only those it uses.
PROMOCIEBLAJ = [
    ("titolo", "QLabel"),
    ("klakbutono_nova", "QLabel"),
    ("neklakebla_nova", "QLabel"),
    ("label_klakebla", "QLabel"),
    ("label_sago", "QLabel"),
    ("label_sago_reversa", "QLabel"),
    ("cx_edit", "QLineEdit"),
    ("cx_plainedit", "QPlainTextEdit"),
    ("korekta", "QLabel"),
    ("sendujo", "QFrame"),
    ("sendas_butono", "QPushButton"),
    ("mp3ludilo", "QFrame"),
    ("ekzerco1", "QFrame"),
    ("frazokonstruo", "QFrame"),
    ("prononco", "QFrame"),
    ("audkompreno", "QFrame"),
    ("vortoludo", "QFrame"),
    ("akuzativo", "QFrame"),
    ("plenigas_spacon", "QFrame"),
    ("ekznumeraloj", "QFrame"),
    ("kiomahoro", "QFrame"),
]
UNULINIAJ = ("cx_edit", "QLineEdit")  # answer fields with an alignment property


# ------------------------------------------------------------------ XML bits
def s(teksto, notr=False):
    if teksto == "":
        return "<string/>"
    return '<string%s>%s</string>' % (' notr="true"' if notr else "", escape(teksto))


def prop(nomo, valoro, stdset=True):
    return '<property name="%s"%s>%s</property>' % (nomo, "" if stdset else ' stdset="0"', valoro)


def eco(nomo, valoro, notr=False):
    """A dynamic string property, e.g. eco("tipo", "markebla") or eco("lingvo", "eo")."""
    return prop(nomo, s(valoro, notr), stdset=False)


def enum(v):
    return "<enum>%s</enum>" % v


def num(v):
    return "<number>%d</number>" % v


def bool_(v):
    return "<bool>%s</bool>" % ("true" if v else "false")


def size(w, h):
    return "<size><width>%d</width><height>%d</height></size>" % (w, h)


def rect(x, y, w, h):
    return prop("geometry", "<rect><x>%d</x><y>%d</y><width>%d</width><height>%d</height></rect>" % (x, y, w, h))


def politiko(h, v):
    return prop("sizePolicy", '<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
                '<verstretch>0</verstretch></sizepolicy>' % (h, v))


def grasa():
    return prop("font", "<font><weight>75</weight><bold>true</bold></font>")


def aligno(v):
    return prop("alignment", "<set>%s</set>" % v)


def faldo(v=True):
    return prop("wordWrap", bool_(v))


def pixmap(vojo):
    return prop("pixmap", '<pixmap resource="%s">%s</pixmap>' % (IKONOJ_QRC, vojo))


def kamarado(kampo):
    """The buddy of a question label: its answer field."""
    return prop("buddy", "<cstring>%s</cstring>" % kampo)


def kadraj_ecoj(formo="QFrame::StyledPanel"):
    return [prop("frameShape", enum(formo)), prop("frameShadow", enum("QFrame::Raised"))]


def widget(klaso, nomo, ecoj=(), infanoj=""):
    return '<widget class="%s" name="%s">%s%s</widget>' % (klaso, nomo, "".join(ecoj), infanoj)


def item(enhavo, alignment=None, vico=None, kolumno=None, vicoj=1, kolumnoj=1):
    """A layout item; vico/kolumno place it in a QGridLayout."""
    atr = ""
    if vico is not None:
        atr += ' row="%d" column="%d"' % (vico, kolumno)
        if vicoj != 1:
            atr += ' rowspan="%d"' % vicoj
        if kolumnoj != 1:
            atr += ' colspan="%d"' % kolumnoj
    if alignment:
        atr += ' alignment="%s"' % alignment
    return "<item%s>%s</item>" % (atr, enhavo)


def layout(klaso, nomo, eroj, spacing=None, margins=None, stretch=None, limo=None):
    """margins: None (defaults), an int for all four, or a 4-tuple with -1 for
    default; limo: a size constraint such as "SetMaximumSize". Items not yet
    wrapped by item() are wrapped plainly."""
    ecoj = []
    if limo:
        ecoj.append(prop("sizeConstraint", enum("QLayout::" + limo)))
    if spacing is not None:
        ecoj.append(prop("spacing", num(spacing)))
    if margins is not None:
        m = (margins,) * 4 if isinstance(margins, int) else margins
        if m[0] != m[2]:
            # Qt keeps a layout's left and right margins where they are when a
            # right-to-left translation mirrors the page, so a gap made by one
            # of them ends up on the wrong side and neighbours touch.
            raise ValueError("%s: left and right margins differ; set the gap with spacing" % nomo)
        for nomo_m, v in zip(("leftMargin", "topMargin", "rightMargin", "bottomMargin"), m):
            if v != -1:
                ecoj.append(prop(nomo_m, num(v)))
    st = ' stretch="%s"' % stretch if stretch else ""
    return '<layout class="%s" name="%s"%s>%s%s</layout>' % (
        klaso, nomo, st, "".join(ecoj), "".join(e if e.startswith("<item") else item(e) for e in eroj))


def vbox(nomo, eroj, **kw):
    return layout("QVBoxLayout", nomo, eroj, **kw)


def hbox(nomo, eroj, **kw):
    return layout("QHBoxLayout", nomo, eroj, **kw)


def grid(nomo, eroj, **kw):
    """eroj: items made with item(..., vico=, kolumno=)."""
    return layout("QGridLayout", nomo, eroj, **kw)


# ---------------------------------------------------- widgets without state
def pagho(nomo, titolo, ikono, enhavo):
    """A page of the lesson's tab widget; titolo is the tab's text."""
    atr = ""
    if ikono:
        atr += ('<attribute name="icon"><iconset resource="%s"><normaloff>%s</normaloff>%s</iconset></attribute>'
                % (IKONOJ_QRC, ikono, ikono))
    atr += '<attribute name="title">%s</attribute>' % s(titolo)
    return '<widget class="QWidget" name="%s">%s%s</widget>' % (nomo, atr, enhavo)


def rulumo(nomo, enhavo_nomo, w, h, enhavo, resizable=True, ecoj=(), pol=("Preferred", "Preferred")):
    """A scroll area whose content widget holds the layout enhavo."""
    return widget("QScrollArea", nomo, ([politiko(*pol)] if pol else []) + list(ecoj) +
                  [prop("widgetResizable", bool_(resizable))],
                  widget("QWidget", enhavo_nomo, [rect(0, 0, w, h)], enhavo))


def tekstpagho(nomo, titolo, layout_nomo, areo, enhavo_nomo, w, h, enhavo, ikono=LECIONO, **rulumo_kw):
    """An explanation page: one scroll area filling the page."""
    return pagho(nomo, titolo, ikono, vbox(layout_nomo, [rulumo(areo, enhavo_nomo, w, h, enhavo, **rulumo_kw)],
                                           spacing=0, margins=0))


def ekzerckadro(klaso, nomo, formo="QFrame::StyledPanel"):
    """An exercise frame (ekzerco1, frazokonstruo, prononco, audkompreno,
    vortoludo, akuzativo, plenigas_spacon, ekznumeraloj, kiomahoro): its own
    form builds what is inside; the object name gives its item section."""
    return widget(klaso, nomo, kadraj_ecoj(formo))


def ekzercpagho(nomo, titolo, ikono, layout_nomo, klaso, kadro):
    """A page holding nothing but one exercise frame."""
    return pagho(nomo, titolo, ikono, vbox(layout_nomo, [ekzerckadro(klaso, kadro)], spacing=0, margins=0))


def sendujo(nomo):
    """The send panel at the foot of a send page (show answers, copy for the
    corrector). Not named "sendujo": uic's member would hide the class."""
    return item(widget("sendujo", nomo, kadraj_ecoj()), "Qt::AlignHCenter")


def sendas_butono(nomo, ecoj=()):
    """A copy-for-the-corrector button standing on its own; it dresses itself."""
    return widget("sendas_butono", nomo, ecoj)


def sago_revena(nomo, centrita=False, grandoj=True):
    """Return arrow (label_sago_reversa) before a form derived from the one above."""
    ecoj = [politiko("Maximum", "Preferred")]
    if grandoj:
        ecoj += [prop("minimumSize", size(0, 0)), prop("maximumSize", size(MAKS, MAKS))]
    ecoj += [prop("text", s("")), pixmap(":/ikonoj/sago_revena.png"),
             aligno("Qt::AlignCenter" if centrita else "Qt::AlignRight|Qt::AlignVCenter")]
    return widget("label_sago_reversa", nomo, ecoj)


def sago_antauen(nomo, vpol="Preferred"):
    """Forward arrow (label_sago): "becomes"."""
    return widget("label_sago", nomo, [
        politiko("Maximum", vpol), prop("maximumSize", size(MAKS, MAKS)),
        prop("text", s("")), pixmap(":/ikonoj/sago_antauen.png"), aligno("Qt::AlignHCenter|Qt::AlignVCenter")])


def bildeto(nomo, vojo, ecoj=(), poste=()):
    """A label showing a picture of resources/ikonoj."""
    return widget("QLabel", nomo, list(ecoj) + [prop("text", s("")), pixmap(vojo)] + list(poste))


def egala(nomo):
    """An equals sign between two sentences that mean the same."""
    return bildeto(nomo, ":/ikonoj/egala.png", [politiko("Maximum", "Preferred")],
                   [aligno("Qt::AlignCenter"), eco("tipo", "egala")])


def ligila_dokumento(adreso, teksto):
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">\n'
            '<html><head><meta name="qrichtext" content="1" /><style type="text/css">\n'
            'p, li { white-space: pre-wrap; }\n'
            '</style></head><body style=" font-family:\'Arial\'; font-size:19px; font-weight:400; '
            'font-style:normal;">\n'
            '<p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; '
            'text-indent:0px;"><a href="%s"><span style=" font-size:19px; text-decoration: underline; '
            'color:#0000ff;">%s</span></a></p></body></html>' % (adreso, teksto))


def ligilo(nomo, adreso, teksto, ecoj=()):
    """A label with one link that opens in the browser (hosts under example.org)."""
    return widget("QLabel", nomo, list(ecoj) + [prop("text", s(ligila_dokumento(adreso, teksto))),
                                                prop("openExternalLinks", bool_(True))])


def markebla(nomo, enhavo, ecoj=()):
    """A framed group the style sheet draws with a coloured border."""
    return widget("QFrame", nomo, kadraj_ecoj() + list(ecoj) + [eco("tipo", "markebla")], enhavo)


def grupkesto(nomo, titolo, enhavo, ecoj=(), notr=True):
    """A QGroupBox with a title (Esperanto, so not translated by default)."""
    return widget("QGroupBox", nomo, list(ecoj) + [prop("title", s(titolo, notr))], enhavo)


def bela_xml(fonto):
    # Every line is kept: an empty one can only stand inside a text (an
    # album list, a letter), whose blank lines are the text's own.
    teksto = xml.dom.minidom.parseString(fonto.encode("utf-8")).toprettyxml(indent=" ", encoding="UTF-8").decode("utf-8")
    return teksto.rstrip("\n") + "\n"


# ------------------------------------------------------------- one form
class Formo:
    """What one lesson form collects while its pages are built.

    numero: the lesson (1 gives the prefix "Lec01"); pt: key -> Portuguese
    placeholder of every translated label; tabordo: whether the form states
    its tab order (starting with the tab widget) or leaves Qt's creation order."""

    def __init__(self, numero, pt, tabordo=True):
        self.numero = numero
        self.prefikso = "Lec%02d" % numero
        self.pt = dict(pt)
        self.tabstops = [self.prefikso] if tabordo else None
        self.etikedoj = []  # translated label keys in form order: the [LecNN] section of tradukendaj.tdf
        self.spaciloj = {"vertical": 0, "horizontal": 0}
        self.konektoj = []  # (sender, signal, receiver, slot)
        self.teksto = None  # the finished .ui

    # ---- state
    def tabstop(self, nomo):
        if self.tabstops is not None:
            self.tabstops.append(nomo)

    def spacer(self, orientiĝo="vertical", tipo="Expanding", w=20, h=40):
        self.spaciloj[orientiĝo] += 1
        n = self.spaciloj[orientiĝo]
        nomo = "%sSpacer%s" % (orientiĝo, "" if n == 1 else "_%d" % n)
        return ('<spacer name="%s">%s%s%s</spacer>' % (
            nomo, prop("orientation", enum("Qt::Vertical" if orientiĝo == "vertical" else "Qt::Horizontal")),
            prop("sizeType", enum("QSizePolicy::" + tipo)), prop("sizeHint", size(w, h), stdset=False)))

    def konekto(self, sendinto, signalo, ricevanto, slot):
        self.konektoj.append((sendinto, signalo, ricevanto, slot))

    def _sxlosilo(self, n):
        key = "Label%d" % n
        if key not in self.pt:
            raise KeyError("%s: no Portuguese placeholder for %s" % (self.prefikso, key))
        if key in self.etikedoj:
            raise ValueError("%s: label %s placed twice" % (self.prefikso, key))
        self.etikedoj.append(key)
        return key

    # ---- translated labels
    def etikedo(self, n, notr=False, wrap=True, pol=None, ecoj=(), teksto_unue=False, klaso="QLabel"):
        """The translated label LecNN_LabelN showing its Portuguese placeholder.
        teksto_unue puts the text before wordWrap (lesson 2's order)."""
        key = self._sxlosilo(n)
        e = list(ecoj)
        if pol:
            e.append(politiko(*pol))
        teksto = prop("text", s(self.pt[key], notr))
        if teksto_unue:
            e += [teksto] + ([faldo()] if wrap else [])
        else:
            e += ([faldo()] if wrap else []) + [teksto]
        return widget(klaso, "%s_%s" % (self.prefikso, key), e)

    def kapo(self, n, notr=False, ecoj=(), grasa_unue=False):
        """A translated bold heading (titolo). grasa_unue puts the font before ecoj."""
        key = self._sxlosilo(n)
        e = [politiko("Preferred", "Maximum")]
        if grasa_unue:
            e += [grasa()] + list(ecoj)
        else:
            e += list(ecoj) + [grasa()]
        e += [prop("text", s(self.pt[key], notr)), faldo()]
        return widget("titolo", "%s_%s" % (self.prefikso, key), e)

    def signifo(self, n, **kw):
        """The meaning beside a word: a label that takes the rest of the row."""
        return self.etikedo(n, pol=("Expanding", "Preferred"), **kw)

    def noto(self, n, **kw):
        """A bold note heading standing on its paragraph."""
        return self.etikedo(n, pol=("Preferred", "Maximum"), ecoj=[grasa(), aligno("Qt::AlignLeft|Qt::AlignBottom")],
                            **kw)

    # ---- Esperanto words
    def vorto(self, nomo, teksto, notr=False, ecoj=(), poste=(), fokuso=True, klaso="klakbutono_nova"):
        """An Esperanto word or sentence that speaks when clicked; a number
        names it LecNN_ButtonN (its clip's name)."""
        if isinstance(nomo, int):
            nomo = "%s_Button%d" % (self.prefikso, nomo)
        if fokuso:
            self.tabstop(nomo)
        return widget(klaso, nomo, list(ecoj) + [prop("text", s(teksto, notr))] + list(poste))

    def neklakebla(self, nomo, teksto, **kw):
        """An Esperanto word box that does not speak."""
        return self.vorto(nomo, teksto, fokuso=False, klaso="neklakebla_nova", **kw)

    # ---- send pages
    def respondo(self, kampo, klaso="cx_edit", ecoj=None, lingvo=None):
        """An answer field: cx_edit, cx_plainedit, QLineEdit or QPlainTextEdit."""
        self.tabstop(kampo)
        if ecoj is None:
            ecoj = [aligno("Qt::AlignLeft|Qt::AlignTop")] if klaso in UNULINIAJ else []
        if lingvo:
            ecoj = list(ecoj) + [eco("lingvo", lingvo)]
        return widget(klaso, kampo, ecoj)

    def korekta(self, indekso, modelo):
        """The hidden model answer of question indekso (1-based): LecNN_Button9NN."""
        return widget("korekta", "%s_Button9%02d" % (self.prefikso, indekso), [prop("text", s(modelo))])

    def demando(self, grupo, n, kampo, modelo, indekso, klaso="cx_edit", spacing=2, **etikedo_kw):
        """A question of a send page: label (buddy: the field), field, model answer."""
        return vbox(grupo, [
            self.etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)], **etikedo_kw),
            self.respondo(kampo, klaso),
            self.korekta(indekso, modelo)], spacing=spacing)

    # ---- players
    def ludilo(self, nomo, slot="PaghoShanghita(int)", ecoj=()):
        """A reading player (mp3ludilo) LecNN_<nomo> playing sonoj/lecNN/<nomo>.oga;
        it stops when the lesson turns the page."""
        plena = "%s_%s" % (self.prefikso, nomo)
        self.konekto(self.prefikso, "currentChanged(int)", plena, slot)
        return widget("mp3ludilo", plena, kadraj_ecoj() + list(ecoj))

    # ---- the whole form
    def dokumento(self, paghoj, w, h, layout_nomo, nuna=0, langetpozicio=None, elido=None, lokaro=None,
                  radiko_horizontala=False, tiparo=True, radiko_streco=None):
        """Closes the form: root frame lecNN around the tab widget LecNN.
        nuna: page shown after setupUi; lokaro: e.g. ("Portuguese", "Brazil");
        radiko_horizontala: the root frame holds the tab widget in a QHBoxLayout;
        radiko_streco: the stretch of that layout's item, e.g. "1";
        tiparo: the root sets the font Arial 11 and the window title "Frame"
        (without them the lesson takes the main window's font)."""
        tab_ecoj = [politiko("Preferred", "Preferred")]
        if langetpozicio:
            tab_ecoj.append(prop("tabPosition", enum("QTabWidget::" + langetpozicio)))
        tab_ecoj += [prop("currentIndex", num(nuna)), prop("iconSize", size(24, 24))]
        if elido:
            tab_ecoj.append(prop("elideMode", enum("Qt::" + elido)))
        lecionujo = widget("QTabWidget", self.prefikso, tab_ecoj, "".join(paghoj))
        radika = self.prefikso.lower()
        ecoj = [rect(0, 0, w, h)]
        if tiparo:
            ecoj += [prop("font", "<font><family>Arial</family><pointsize>11</pointsize></font>"),
                     prop("windowTitle", s("Frame"))]
        if lokaro:
            ecoj.append(prop("locale", '<locale language="%s" country="%s"/>' % lokaro))
        ecoj += kadraj_ecoj()
        arangho = hbox if radiko_horizontala else vbox
        radiko = widget("QFrame", radika, ecoj,
                        arangho(layout_nomo, [lecionujo], spacing=0, margins=0, stretch=radiko_streco))

        uzataj = set(re.findall(r'<widget class="([^"]+)"', radiko))
        konataj = {k for k, _ in PROMOCIEBLAJ}
        nekonataj = sorted(k for k in uzataj - konataj if not k.startswith("Q") and k != "Line")
        if nekonataj:
            raise ValueError("%s: classes missing from PROMOCIEBLAJ: %s" % (self.prefikso, ", ".join(nekonataj)))
        promo = "".join("<customwidget><class>%s</class><extends>%s</extends><header>%s.h</header></customwidget>"
                        % (k, b, k) for k, b in PROMOCIEBLAJ if k in uzataj)
        tab = "".join("<tabstop>%s</tabstop>" % t for t in self.tabstops or [])
        konektoj = "".join("<connection><sender>%s</sender><signal>%s</signal><receiver>%s</receiver>"
                           "<slot>%s</slot></connection>" % k for k in self.konektoj)
        nuzitaj = sorted(set(self.pt) - set(self.etikedoj))
        if nuzitaj:
            raise ValueError("%s: placeholders of no label: %s" % (self.prefikso, ", ".join(nuzitaj)))
        self.teksto = bela_xml(
            '<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"><class>%s</class>%s%s%s'
            '<resources><include location="%s"/></resources><connections>%s</connections></ui>' % (
                radika, radiko, "<customwidgets>%s</customwidgets>" % promo if promo else "",
                "<tabstops>%s</tabstops>" % tab if tab else "", IKONOJ_QRC, konektoj))
        return self
