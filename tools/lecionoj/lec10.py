"""Lesson 10: the conditional -us and the imperative -u, reported speech, -u
after ke, voli/povi/devi, plaĉi beside ŝati and ami, koni beside scii, the
participles, the pronoun si; two gap-filling pages, an accusative page and
three send pages around a reading with its recording.

PT holds the Portuguese placeholder of every translated label; the Esperanto
of the example boxes, word lists and readings stands here. The two
gap-filling frames take their instructions from [Lec10] "TFrame41.Label84"
(verb endings) and "Frame42.Label84" (pronouns, the frame whose name has "B"
after the lesson number): keys of no label of this form."""
from lecionformo import (
    MAKS, SENDAS, Formo, aligno, eco, ekzercpagho, enum, faldo, grasa, hbox, item, kamarado, politiko, prop,
    s, sendas_butono, size, tekstpagho, vbox, widget)

PT = {
    "Label4": "Outras formas verbais",
    "Label718": (
        "Você já conhece quatro terminações verbais: -i (infinitivo), -as (presente), -is (passado) e -os "
        "(futuro). Mais duas completam o verbo do Esperanto: -us, o condicional, e -u, o imperativo. Como as "
        "outras, são iguais para todas as pessoas."),
    "Label2": (
        "A terminação -us (condicional) exprime o que é apenas imaginado: o que seria, ou aconteceria, se uma"
        " condição se cumprisse."),
    "Label721": "Se eu fosse rico, viajaria muito.",
    "Label724": "Ela viria, se tivesse tempo.",
    "Label3": (
        "A terminação -u (imperativo) exprime uma ordem, um pedido ou um desejo: o que alguém quer que "
        "aconteça."),
    "Label722": "Feche a porta e sente-se.",
    "Label723": "Não tenha medo!",
    "Label725": "Vamos ao cinema!",
    "Label726": "Quero que você venha.",
    "Label727": "Por favor, me ajude.",
    "Label30": (
        "Discurso indireto: o Esperanto conserva o tempo das palavras originais. Seja qual for o tempo do "
        "verbo que as introduz (disse, perguntou, pensou), o verbo relatado fica no tempo que o falante usou,"
        " ao contrário do português."),
    "Label31": "Ele disse: “Estou cansado.”",
    "Label32": "Ele disse que estava cansado.",
    "Label33": "Ela perguntou: “Você virá?”",
    "Label34": "Ela perguntou se eu viria.",
    "Label39": (
        "Com mi, ni, li, ŝi, ĝi e ili, a terminação -u exprime uma sugestão ou um desejo: vamos…, que ele…, "
        "que eles…"),
    "Label35": "Vamos dormir / Que eles durmam",
    "Label40": (
        "Numa oração com ke, o verbo recebe -u depois de verbos de querer, pedir, mandar, sugerir ou ser "
        "necessário (voli, peti, ordoni, sugesti, necesi…): o que se quer ainda não aconteceu. Depois de "
        "verbos de esperar, temer, duvidar ou supor, fica o tempo normal."),
    "Label36": "Espero que ele venha.",
    "Label37": "Sugiro que ele venha.",
    "Label38": "É preciso que partamos.",
    "Label7": "Alguns verbos muito importantes",
    "Label11": "querer",
    "Label12": "poder",
    "Label13": "dever, ter de",
    "Label16": "Quero vir",
    "Label17": "Posso vir",
    "Label18": "Tenho de vir",
    "Label19": "Ela quer aprender Esperanto",
    "Label20": "Você pode entrar",
    "Label21": "Temos de trabalhar hoje",
    "Label22": "Gosto de café.",
    "Label23": "Gosto de café. (Literalmente: o café me agrada.)",
    "Label24": "Amo minha mãe.",
    "Label25": "Você gostou do filme?",
    "Label26": "Conheço... (uma pessoa, um lugar, uma coisa)",
    "Label27": "Conheço sua irmã.",
    "Label28": "Sei... (um fato, uma informação)",
    "Label29": "Sei onde ela mora.",
    "Label5": "Os particípios",
    "Label728": (
        "O particípio é um verbo transformado em adjetivo. Ele descreve alguém ou algo por uma ação: quem a "
        "faz (ativo) ou quem a sofre (passivo). Sua vogal indica o tempo da ação: a, i, o, como em -as, -is, "
        "-os. Com esti forma tempos compostos."),
    "Label729": "Particípios ativos: quem faz a ação",
    "Label730": "Presente: -anta",
    "Label733": "Estou lendo (agora mesmo).",
    "Label732": "Futuro: -onta",
    "Label735": "Vou ler (estou para ler).",
    "Label731": "Passado: -inta",
    "Label734": "Já li (terminei de ler).",
    "Label736": "Particípios passivos: o que sofre a ação",
    "Label737": "Presente: -ata",
    "Label740": "O livro está sendo lido.",
    "Label738": "Passado: -ita",
    "Label741": "O livro já foi lido.",
    "Label739": "Futuro: -ota",
    "Label742": "O livro vai ser lido.",
    "Label6": "Leio o livro = O livro é lido por mim. Na voz passiva, quem faz a ação é introduzido por de.",
    "Label743": (
        "Como todo adjetivo, o particípio pode receber outras terminações. Com -o ele designa alguém: o "
        "particípio ativo designa quem faz a ação (leganto: leitor), o passivo aquele a quem a ação é feita "
        "(invitito: convidado). Com -e torna-se advérbio (legante: lendo, ao ler). Também recebe -j e -n como "
        "qualquer adjetivo. Veja os exemplos na próxima página."),
    "Label744": "Quem está falando é meu professor.",
    "Label745": "Os convidados já chegaram.",
    "Label747": "Passeando no parque, encontrei um amigo.",
    "Label746": "Lendo, aprendemos.",
    "Label748": "A porta fechada.",
    "Label749": "Membros pagantes.",
    "Label750": "A criança adormecida.",
    "Label751": "A semana que vem.",
    "Label752": "O ano passado.",
    "Label753": "Uma carta escrita.",
    "Label754": "Os principiantes.",
    "Label8": "Traduza o texto para a sua língua",
    "Label768": "juiz",
    "Label769": "afirmar",
    "Label770": "acusado, réu",
    "Label771": "bonde",
    "Label772": "roubar",
    "Label773": "testemunha",
    "Label774": "olho",
    "Label775": "ceder",
    "Label776": "assento",
    "Label777": "cansado",
    "Label9": "O pronome reflexivo si",
    "Label758": (
        "Si é o pronome reflexivo da terceira pessoa, no singular e no plural: a si mesmo, a si mesma, a si "
        "mesmos. Refere-se sempre ao sujeito da sua própria oração. Na primeira e na segunda pessoa usam-se "
        "os pronomes comuns: Mi lavas min, Vi lavas vin."),
    "Label759": "Pedro se lava.",
    "Label760": "Pedro o lava (a outro homem).",
    "Label761": "Maria disse a si mesma: “Vou conseguir.”",
    "Label762": "Maria disse a ela (a outra mulher): “Você vai conseguir.”",
    "Label1": (
        "Sia, o possessivo de si, significa o seu próprio, a sua própria. Refere-se ao sujeito, por isso "
        "nunca pode estar no próprio sujeito: nem como sujeito de um verbo nem como parte de um sujeito "
        "ligado por kaj. Ali usa-se o possessivo comum."),
    "Label765": "Ele vive feliz com o seu (próprio) filho.",
    "Label766": "Ele e o filho dele vivem felizes.",
    "Label10": "Traduza o texto para a sua língua",
    "Label779": "irritar, aborrecer",
    "Label780": "continuamente, sem parar",
    "Label781": "também",
    "Label782": "a minha (aqui: a minha esposa)",
    "Label783": "escutar, ouvir com atenção",
    "Label784": "garçom",
    "Label785": "mosca",
    "Label786": "vez (la duan fojon: pela segunda vez)",
    "Label787": "já",
    "Label788": "conflito, briga",
    "Label789": "casal, marido e mulher",
    "Label800": "para casa",
    "Label801": "ficar calado",
    "Label790": "viagem de carro",
    "Label791": "passar por",
    "Label792": "campo",
    "Label798": "pastar",
    "Label793": "burro, jumento",
    "Label794": "porco",
    "Label795": "mostrar, apontar",
    "Label796": "sarcasticamente",
    "Label799": "parente",}

PLENIGAS = ":/ikonoj/plenigas_spacon2.png"
AKUZATIVO = ":/ikonoj/akuzativo.png"
EM = "\u2014"


def etikedo(f, n, pol=("Expanding", "Preferred"), ecoj=()):
    return f.etikedo(n, pol=pol, ecoj=ecoj)


def suba(f, n, pol=("Preferred", "Preferred")):
    """The translation under a sentence whose ending the page teaches."""
    return f.etikedo(n, pol=pol, ecoj=[eco("tipo", "suba")])


def kesto(f, nomo, teksto, pol=("Preferred", "Preferred"), faldas=True):
    """An Esperanto example box (neklakebla_nova) named as the page names it."""
    ecoj = [politiko(*pol)] if pol else []
    return f.neklakebla(nomo, teksto, ecoj=ecoj + ([faldo()] if faldas else []))


def paro(f, nomo, kesto_, traduko, spacing=5):
    """An example box over its translation."""
    return vbox(nomo, [kesto_, traduko], spacing=spacing)


class Nomoj:
    """Names for the layouts the lesson leaves unnamed, clear of those it names."""

    def __init__(self):
        self.n = {"vertical": 199, "horizontal": 199}

    def __call__(self, speco="vertical"):
        self.n[speco] += 1
        return "%sLayout_%d" % (speco, self.n[speco])


nomo = Nomoj()


def kromeno(f, w=30, h=20):
    return f.spacer("horizontal", "Fixed", w, h)


def kapo(f, n, faldas=False):
    return f.kapo(n, ecoj=[faldo()] if faldas else ())


# ------------------------------------------------------------------ page 1
MODOJ_US = [("pushButton", "Se mi estUS riĉa, mi vojaĝUS multe.", 721),
            ("pushButton_2", "Ŝi venUS, se ŝi havUS tempon.", 724)]
MODOJ_U = [("pushButton_3", "FermU la pordon kaj eksidU.", 722),
           ("pushButton_4", "Ne timU!", 723),
           ("pushButton_5", "Ni irU al la kinejo!", 725),
           ("pushButton_6", "Mi volas, ke vi venU.", 726),
           ("pushButton_7", "BonvolU helpi min.", 727)]


def pagho1(f):
    # Built top to bottom: the order of the calls is the order of the keys.
    eroj = [kapo(f, 4), etikedo(f, 718, pol=("Preferred", "Preferred"))]
    eroj.append(vbox(nomo(), [
        f.etikedo(2, ecoj=[grasa()]),
        hbox(nomo("horizontal"), [kromeno(f), vbox(nomo(), [
            paro(f, nomo(), kesto(f, b, t), suba(f, n)) for b, t, n in MODOJ_US], spacing=9)])], spacing=5))
    eroj.append(vbox(nomo(), [
        f.etikedo(3, pol=("Preferred", "Preferred"), ecoj=[grasa()]),
        hbox(nomo("horizontal"), [kromeno(f), vbox(nomo(), [
            paro(f, nomo(), kesto(f, b, t), etikedo(f, n)) for b, t, n in MODOJ_U], spacing=9)])], spacing=5))
    enhavo = vbox("verticalLayout_6", eroj + [f.spacer()], spacing=20)
    return tekstpagho("tab", "1", "verticalLayout_76", "scrollArea", "scrollAreaWidgetContents", 1035, 557, enhavo)


# ------------------------------------------------------------------ page 2
# (direct speech, its translation; indirect speech, its translation)
PAROLO = [("pushButton_53", "Li diris: “Mi estas laca.”", 31, "pushButton_54", "Li diris, ke li estAS laca.", 32),
          ("pushButton_55", "Ŝi demandis: “Ĉu vi venos?”", 33, "pushButton_56", "Ŝi demandis, ĉu mi venOS.", 34)]
KE = [("pushButton_57", "Mi esperas, ke li venOS.", 36), ("pushButton_58", "Mi sugestas, ke li venU.", 37),
      ("pushButton_59", "Necesas, ke ni forirU.", 38)]


def pagho2(f):
    blokoj = [f.etikedo(30, pol=("Preferred", "Preferred"))]
    for i, (b1, t1, n1, b2, t2, n2) in enumerate(PAROLO):
        blokoj.append(hbox(nomo("horizontal"), [kromeno(f), vbox(nomo(), [
            paro(f, nomo(), kesto(f, b1, t1), etikedo(f, n1)),
            paro(f, nomo(), kesto(f, b2, t2), etikedo(f, n2))], spacing=9)]))
    nerekta = vbox(nomo(), blokoj, spacing=12)
    unua_tria = vbox(nomo(), [
        f.etikedo(39, pol=("Preferred", "Maximum")),
        hbox(nomo("horizontal"), [kromeno(f), paro(f, nomo(), kesto(
            f, "pushButton_60", "Ni dormu / Ili dormu", pol=("Preferred", "Maximum")),
            etikedo(f, 35, pol=("Expanding", "Maximum")))])], spacing=5)
    ke = vbox(nomo(), [
        f.etikedo(40, pol=("Preferred", "Maximum")),
        hbox(nomo("horizontal"), [kromeno(f), vbox(nomo(), [
            paro(f, nomo(), kesto(f, b, t), etikedo(f, n)) for b, t, n in KE],
            spacing=9)])], spacing=5)
    enhavo = vbox("verticalLayout_9", [nerekta, unua_tria, ke, f.spacer()], spacing=20)
    return tekstpagho("tab_2", "2", "verticalLayout_90", "scrollArea_10", "scrollAreaWidgetContents_10", 1020, 574,
                      enhavo)


# ------------------------------------------------------------------ page 3
INFINITIVOJ = [("pushButton_18", "voli", 11), ("pushButton_19", "povi", 12), ("pushButton_20", "devi", 13)]
# Each box over the label whose number is the box's number less 5.
VERBOJ = [
    ["Mi volas veni", "Mi povas veni", "Mi devas veni"],
    ["Ŝi volas lerni Esperanton", "Vi povas eniri", "Ni devas labori hodiaŭ"],
    ["Mi ŝatas kafon.", "Kafo plaĉas al mi.", "Mi amas mian patrinon.", "Ĉu la filmo plaĉis al vi?"],
    ["Mi konas...", "Mi konas vian fratinon.", "Mi scias...", "Mi scias, kie ŝi loĝas."],
]


def pagho3(f):
    eroj = [kapo(f, 7, faldas=True)]
    eroj.append(vbox(nomo(), [hbox(nomo("horizontal"), [kesto(f, b, t), etikedo(f, n)], spacing=12)
                              for b, t, n in INFINITIVOJ], spacing=5))
    numero = 21
    for g, grupo in enumerate(VERBOJ):
        paroj = []
        for t in grupo:
            paroj.append(paro(f, nomo(), kesto(f, "pushButton_%d" % numero, t),
                              etikedo(f, numero - 5)))
            numero += 1
        eroj.append(vbox(nomo(), paroj, spacing=9))
    enhavo = vbox("verticalLayout_14", eroj + [f.spacer()], spacing=20)
    return tekstpagho("tab_3", "3", "verticalLayout_77", "scrollArea_2", "scrollAreaWidgetContents_2", 1020, 910,
                      enhavo)


# ------------------------------------------------------------------ page 5
# (frame, name label, box, Esperanto, translation)
AKTIVAJ = [("frame_10", 730, "pushButton_35", "Mi estas leganta.", 733),
           ("frame_12", 732, "pushButton_37", "Mi estas legonta.", 735),
           ("frame_11", 731, "pushButton_36", "Mi estas leginta.", 734)]
PASIVAJ = [("frame_13", 737, "pushButton_38", "La libro estas legata.", 740),
           ("frame_14", 738, "pushButton_39", "La libro estas legita.", 741),
           ("frame_15", 739, "pushButton_40", "La libro estas legota.", 742)]


def kadro(f, kadronomo, nometikedo, b, t, n):
    """A framed row: the tense and its ending, then the example and its translation."""
    enhavo = hbox(nomo("horizontal"), [
        f.etikedo(nometikedo, pol=("Maximum", "Preferred")),
        paro(f, nomo(), kesto(f, b, t), f.etikedo(n))], spacing=12, margins=(-1, 3, -1, 3))
    return widget("QFrame", kadronomo, [politiko("Expanding", "Preferred"), prop("frameShape", enum("QFrame::Box")),
                                   prop("frameShadow", enum("QFrame::Raised"))], enhavo)


def pagho5(f):
    eroj = [kapo(f, 5), f.etikedo(728)]
    eroj.append(vbox(nomo(), [f.etikedo(729, ecoj=[grasa()])] + [kadro(f, *k) for k in AKTIVAJ], spacing=3))
    eroj.append(vbox(nomo(), [f.etikedo(736, ecoj=[grasa()])] + [kadro(f, *k) for k in PASIVAJ], spacing=3))
    eroj.append(paro(f, nomo(), kesto(f, "pushButton_41", "Mi legas la libron = La libro estas legata de mi."),
                     f.etikedo(6, ecoj=[eco("tipo", "suba")])))
    eroj.append(f.etikedo(743))
    enhavo = vbox("verticalLayout_110", eroj + [f.spacer()], spacing=20)
    return tekstpagho("tab_5", "5", "verticalLayout_47", "scrollArea_3", "scrollAreaWidgetContents_3", 1020, 619, enhavo)


# ------------------------------------------------------------------ page 6
PARTICIPOJ = ["Legante ni lernas.", "La fermita pordo.", "Pagantaj membroj.", "La dormanta infano.",
              "La venonta semajno.", "La pasinta jaro.", "Skribita letero.", "La komencantoj."]


def pagho6(f):
    frazoj = [
        paro(f, nomo(), kesto(f, "pushButton_42", "La parolanto estas mia instruisto."),
             suba(f, 744, pol=("Preferred", "Maximum"))),
        paro(f, nomo(), kesto(f, "pushButton_43", "La invititoj jam alvenis."),
             suba(f, 745, pol=("Preferred", "Maximum"))),
        paro(f, nomo(), kesto(f, "pushButton_44", "Promenante en la parko, mi renkontis amikon."),
             f.etikedo(747, ecoj=[eco("tipo", "suba")]))]
    numeroj = [746] + list(range(748, 755))
    vicoj = [hbox(nomo("horizontal"), [kesto(f, "pushButton_%d" % (45 + i), t), etikedo(f, n)],
                  spacing=12) for i, (t, n) in enumerate(zip(PARTICIPOJ, numeroj))]
    enhavo = vbox("verticalLayout_28", frazoj + vicoj + [f.spacer()], spacing=12)
    return tekstpagho("tab_6", "6", "verticalLayout_79", "scrollArea_4", "scrollAreaWidgetContents_4", 1035, 557, enhavo)


# ------------------------------------------------------------------ send pages
LEGAJHO_4 = "\n".join([
    "Juĝisto: Vi estas akuzata pri ŝtelo de monujo en la tramo. Kion vi diras?",
    "Akuzato: Mi asertas, ke mi ne faris tion, sinjoro juĝisto.",
    "Juĝisto: Tri atestantoj vidis, kiel vi ŝtelis ĝin!",
    "Akuzato: Kaj mi povus venigi cent atestantojn, kiuj ne vidis tion!",
    EM * 12,
    "En tramo:",
    "Knabeto: Panjo, kial tiu sinjoro fermas la okulojn? Ĉu li dormas?",
    "Patrino: Ne parolu tiel laŭte, filo! Li estas tre laca.",
    "Knabeto: Mi scias, ke li ne dormas. Li fermis la okulojn, ĉar li ne volas cedi al vi la sidlokon.",
])
LEGAJHO_6 = "\n".join([
    EM + " Mia edzino tre incitas min: ŝi daŭre parolas al si mem.",
    EM + " Ankaŭ la mia. Sed ŝi kredas, ke mi aŭskultas ŝin.",
    EM * 13,
    "En kafejo:",
    EM + " Kelnero, mi jam la duan fojon trovas muŝon en mia kafo!",
    EM + " Ne timu, sinjoro, ĝi ne trinkos multe.",
])
LEGAJHO_8 = "\n".join([
    "Post sia unua konflikto junaj geedzoj veturis hejmen. Dum la aŭtoveturado ili silentis. Ili "
    "preterpasis kampon, sur kiu paŝtiĝis azenoj kaj porkoj. La edzo montris ilin kaj sarkasme demandis:",
    EM + " Ĉu viaj parencoj?",
    EM + " Jes, " + EM + " respondis la edzino, " + EM + " miaj boparencoj.",
])

# (layout, word box, word, meaning label); each label's buddy is its word.
VORTOJ_4 = [("horizontalLayout_%d" % (59 + i), "pushButton_%d" % (62 + i), v, 768 + i) for i, v in enumerate(
    ["juĝisto", "aserti", "akuzato", "tramo", "ŝteli", "atestanto", "okulo", "cedi", "sidloko", "laca"])]
VORTOJ_6 = [("horizontalLayout_%d" % h, "pushButton_%d" % b, v, n) for h, b, v, n in zip(
    [81, 82, 83, 84, 86, 87, 88, 89, 90], [80, 81, 82, 83, 85, 86, 87, 88, 89],
    ["inciti", "daŭre", "ankaŭ", "la mia", "aŭskulti", "kelnero", "muŝo", "fojo", "jam"], range(779, 788))]
VORTOJ_8 = [
    ("horizontalLayout_91", "pushButton_84", "konflikto", 788),
    ("horizontalLayout_92", "pushButton_90", "geedzoj", 789),
    ("horizontalLayout_93", "pushButton_91", "hejmen", 800),
    ("horizontalLayout_94", "pushButton_92", "silenti", 801),
    ("horizontalLayout_100", "pushButton_98", "aŭtoveturado", 790),
    ("horizontalLayout_101", "pushButton_99", "preterpasi", 791),
    ("horizontalLayout_95", "pushButton_93", "kampo", 792),
    ("horizontalLayout_96", "pushButton_94", "paŝtiĝi", 798),
    ("horizontalLayout_97", "pushButton_95", "azeno", 793),
    ("horizontalLayout_98", "pushButton_96", "porko", 794),
    ("horizontalLayout_99", "pushButton_97", "montri", 795),
    ("horizontalLayout_102", "pushButton_100", "sarkasme", 796),
    ("horizontalLayout_103", "pushButton_101", "parenco", 799),
]


def legajho(etikedo_, teksto, kampo_):
    """The reading text: Esperanto on a light background; the answer field
    is its buddy, so the copy for the corrector puts the translation under it."""
    return widget("QLabel", etikedo_, [
        politiko("Preferred", "Preferred"), prop("frameShape", enum("QFrame::Panel")),
        prop("frameShadow", enum("QFrame::Sunken")), prop("text", s(teksto)), faldo(), kamarado(kampo_),
        eco("tipo", "teksta"), eco("lingvo", "eo")])


def ludilo(f, dosiero):
    """The reading's player, sonoj/lec10/<nomo>.oga; it stops when the lesson turns the page."""
    plena = "Lec10_" + dosiero
    f.konekto(f.prefikso, "currentChanged(int)", plena, "PaghoShanghita(int)")
    return widget("mp3ludilo", plena, [
        politiko("Fixed", "Fixed"), prop("minimumSize", size(84, 42)), prop("maximumSize", size(MAKS, MAKS)),
        prop("frameShape", enum("QFrame::StyledPanel")), prop("frameShadow", enum("QFrame::Plain"))])


def vortoj(f, listo, faldas=True):
    return [hbox(h, [kesto(f, b, v, faldas=faldas), etikedo(f, n, ecoj=[kamarado(b)])], spacing=12)
            for h, b, v, n in listo]


def kampo(f, kamponomo):
    """The answer field: a plain multi-line edit, typed as it is (no x-system letters)."""
    return f.respondo(kamponomo, klaso="QPlainTextEdit", ecoj=[politiko("Preferred", "Preferred")], lingvo="traduko")


def sendopagho(paghonomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo):
    return tekstpagho(paghonomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, ikono=SENDAS)


def pagho7(f):
    enhavo = vbox("verticalLayout_48", [
        kapo(f, 8),
        vbox("verticalLayout", [legajho("Memo4_Lec10", LEGAJHO_4, "plainTextEdit")]),
        ludilo(f, "memo4"),
        vbox("verticalLayout_7", vortoj(f, VORTOJ_4)),
        kampo(f, "plainTextEdit"),
        item(sendas_butono("pushButton_8"), "Qt::AlignHCenter"),
        f.spacer()])
    return sendopagho("Sendas1_Lec10", "7", "verticalLayout_24", "scrollArea_6", "scrollAreaWidgetContents_6", 1020,
                      790, enhavo)


# ------------------------------------------------------------------ page 8
SI = [("verticalLayout_57", "pushButton_72", "Petro lavas SIN.", 759),
      ("verticalLayout_63", "pushButton_73", "Petro lavas LIN.", 760),
      ("verticalLayout_64", "pushButton_74", "Maria diris al SI: “Mi sukcesos.”", 761),
      ("verticalLayout_74", "pushButton_75", "Maria diris al ŜI: “Vi sukcesos.”", 762)]
SIA = [("verticalLayout_30", "pushButton_78", "Li vivas feliĉe kun SIA filo.", 765),
       ("verticalLayout_40", "pushButton_79", "Li kaj LIA filo vivas feliĉe.", 766)]


def klarigo(f, n):
    return f.etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom")])


def pagho8(f):
    eroj = [kapo(f, 9, faldas=True)]
    klarigo_si = klarigo(f, 758)
    paroj = [paro(f, l, kesto(f, b, t), f.etikedo(n)) for l, b, t, n in SI]
    eroj.append(vbox("verticalLayout_42", [
        klarigo_si,
        hbox("horizontalLayout_76", [kromeno(f), vbox("verticalLayout_41", [
            vbox("verticalLayout_38", paroj[:2], spacing=10), vbox("verticalLayout_39", paroj[2:], spacing=10)],
            spacing=20)])]))
    klarigo_sia = klarigo(f, 1)
    eroj.append(vbox("verticalLayout_44", [
        klarigo_sia,
        hbox("horizontalLayout_79", [kromeno(f), vbox("verticalLayout_43", [
            paro(f, l, kesto(f, b, t), f.etikedo(n)) for l, b, t, n in SIA], spacing=10)])]))
    enhavo = vbox("verticalLayout_75", eroj + [f.spacer()], spacing=20)
    return tekstpagho("tab_9", "8", "verticalLayout_82", "scrollArea_7", "scrollAreaWidgetContents_7", 1035, 557, enhavo)


def pagho11(f):
    enhavo = vbox("verticalLayout_46", [
        kapo(f, 10),
        vbox("verticalLayout_45", [legajho("Memo6_Lec10", LEGAJHO_6, "plainTextEdit_2")]),
        ludilo(f, "memo6")] + vortoj(f, VORTOJ_6, faldas=False) + [
        kampo(f, "plainTextEdit_2"),
        item(sendas_butono("pushButton_9"), "Qt::AlignHCenter"),
        f.spacer()])
    return sendopagho("Sendas2_Lec10", "11", "verticalLayout_25", "scrollArea_8", "scrollAreaWidgetContents_8", 1020,
                      744, enhavo)


def pagho12(f):
    enhavo = vbox("verticalLayout_50", [
        legajho("Memo8_Lec10", LEGAJHO_8, "plainTextEdit_3"),
        ludilo(f, "memo8")] + vortoj(f, VORTOJ_8) + [
        kampo(f, "plainTextEdit_3"),
        item(sendas_butono("pushButton_10"), "Qt::AlignHCenter"),
        f.spacer()])
    return sendopagho("Sendas3_Lec10", "12", "verticalLayout_29", "scrollArea_9", "scrollAreaWidgetContents_9", 1020,
                      780, enhavo)


def formo():
    f = Formo(10, PT)
    paghoj = [
        pagho1(f), pagho2(f), pagho3(f),
        ekzercpagho("Ekzerco1_Lec10", "4", PLENIGAS, "verticalLayout_54", "plenigas_spacon", "Lec10_Ekz_Plen_1002"),
        pagho5(f), pagho6(f), pagho7(f), pagho8(f),
        ekzercpagho("Ekzerco2_Lec10", "9", PLENIGAS, "verticalLayout_58", "plenigas_spacon", "Lec10B_Ekz_Plen_1001"),
        ekzercpagho("Ekzerco3_Lec10", "10", AKUZATIVO, "verticalLayout_59", "akuzativo", "Lec10_Ekz_Akuz_1005"),
        pagho11(f), pagho12(f)]
    return f.dokumento(paghoj, 1045, 597, "verticalLayout_10", nuna=1)
