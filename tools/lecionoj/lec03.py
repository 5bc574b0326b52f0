"""Lesson 3: adverbs, the numbers, ordinals and adverbs made from numbers,
colours and a vocabulary of time words and verbs; five exercise pages and a
send page.

PT holds the Portuguese placeholder of every translated label of the form
(the numerals frame brings its own two, Label11 and Label12); BILDOJ the
pictures this lesson brought in, drawn by tools/bildoj.py."""
from lecionformo import (
    MAKS, MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, ekzerckadro, eco, enum, faldo, grasa, grid, hbox,
    item, kadraj_ecoj, kamarado, markebla, num, pagho, politiko, prop, s, sago_revena, sendujo, size, tekstpagho,
    vbox, widget)

PT = {
    "Label5": "Advérbios: a terminação -e",
    "Label254": (
        "A terminação -e forma advérbios: palavras que dizem como, quando ou onde algo acontece. Com as quatro "
        "terminações, uma só raiz dá um substantivo (-o), um adjetivo (-a), um verbo (-i) e um advérbio (-e)."),
    "Label255": "Veja a raiz san- (saúde) com cada uma das quatro terminações. Clique numa palavra para ouvi-la.",
    "Label256": "saúde",
    "Label257": "saudável, são",
    "Label258": "ter saúde, estar são",
    "Label259": "de modo saudável",
    "Label1": "Ele tem boa saúde.",
    "Label2": "Ele é saudável.",
    "Label3": "Ele está com saúde. (sani diz o mesmo que esti sana)",
    "Label4": "Ele vive de modo saudável.",
    "Label13": "Onde fica o advérbio?",
    "Label260": (
        "O advérbio costuma vir logo antes da palavra que ele modifica: Li sane vivas. Também pode vir depois"
        " do verbo (Li vivas sane); o sentido é o mesmo, só muda a ênfase."),
    "Label6": "Os números cardinais",
    "Label311": (
        "Os números de 1 a 10, cent (100) e mil (1000) são as peças. Uma peça multiplicada por um número menor "
        "forma uma só palavra, o número menor primeiro: dudek (2 × 10 = 20), tricent (300). As partes que se "
        "somam ficam separadas, a maior primeiro: dek du (12), dudek unu (21), mil naŭcent (1900). Mil fica "
        "sempre separado: du mil (2000). Miliono (milhão) é um substantivo: unu miliono, du milionoj."),
    "Label7": "Números ordinais: a terminação -a",
    "Label261": (
        "Acrescente a terminação de adjetivo -a a um número e você obtém um ordinal: tri (três), tria "
        "(terceiro). Um número de várias palavras vira uma palavra só: dek naŭ, deknaŭa (às vezes também com "
        "hífen: dek-naŭa). Como todo adjetivo, o ordinal recebe -j e -n: la unuaj knaboj, la trian insekton."),
    "Label15": "três",
    "Label262": "terceiro",
    "Label16": "dez",
    "Label263": "décimo",
    "Label18": "dezenove",
    "Label265": "décimo nono",
    "Label266": "Os primeiros meninos estão vindo.",
    "Label267": "Ele apanhou o terceiro inseto.",
    "Label8": "Advérbios numerais: a terminação -e",
    "Label268": (
        "Com a terminação -e o número vira um advérbio que põe as coisas em ordem, como quando se enumeram "
        "razões ou etapas: unue (primeiro), due (em segundo lugar), trie (em terceiro lugar)."),
    "Label17": "um",
    "Label269": "primeiro, em primeiro lugar",
    "Label19": "dois",
    "Label270": "em segundo lugar",
    "Label271": "Primeiro ele vai beber água.",
    "Label9": "TextLabel",
    "Label272": "hora",
    "Label273": "ano",
    "Label274": "manhã",
    "Label275": "minuto",
    "Label276": "noite",
    "Label277": "semana",
    "Label278": "dia",
    "Label280": "fim de tarde, noitinha",
    "Label279": "ter sede",
    "Label281": "esperar, aguardar",
    "Label282": "perguntar",
    "Label283": "fumar",
    "Label284": "correr",
    "Label285": "pedir",
    "Label286": "passear",
    "Label287": "responder",
    "Label288": "viver",
    "Label10": "Traduza estas frases para o Esperanto.",
    "Label302": "1. Ele a ama.",
    "Label303": "2. Ele ama a irmã dela.",
    "Label304": "3. Ela o ama.",
    "Label305": "4. O primeiro homem ama a segunda mulher.",
    "Label306": "5. A segunda mulher odeia o primeiro homem.",
    "Label308": "6. Primeiro os meninos pediram três bolos.",
    "Label309": "7. Em segundo lugar pediram limonada.",
    "Label310": "8. A loja faz mal o pão pequeno.",
    "Label20": "9. Meu irmão passeia de manhã.",
    "Label21": "10. Seu amigo respondeu calorosamente.",
    "Label22": "11. O professor escreve bem.",
    "Label231": "12. A velha senhora vive de modo saudável.",
}


def etikedo(f, n, pol=None, **kw):
    return f.etikedo(n, pol=pol, **kw)


def kapo(f, n, grasa_tiparo=False, **kw):
    """A page or section heading; the form gives only some of them the bold font."""
    return f.etikedo(n, klaso="titolo", wrap=False, pol=("Preferred", "Maximum"),
                     ecoj=[grasa()] if grasa_tiparo else [], **kw)


def vico(nomo, eroj):
    """A word and its meaning side by side."""
    return hbox(nomo, eroj, spacing=12)


def maks(w=MAKS, h=MAKS):
    return prop("maximumSize", size(w, h))


# ------------------------------------------------------------------ page 1
SANO = [(185, 296, "sano", 256), (186, 297, "sana", 257), (187, 298, "sani", 258), (188, 299, "sane", 259)]
SANO_FRAZOJ = [(189, 300, "Li havas bonan sanon.", 1), (190, 301, "Li estas sana.", 2), (191, 302, "Li sanas.", 3),
               (192, 303, "Li sane vivas.", 4)]


def pagho1(f):
    komenco = [kapo(f, 5), etikedo(f, 254, pol=("Preferred", "Preferred")),
               etikedo(f, 255, pol=("Preferred", "Preferred"))]
    vortoj = vbox("verticalLayout_88", [
        vico("horizontalLayout_%d" % v, [f.vorto(n, t, ecoj=[maks(60)]), f.signifo(m)]) for v, n, t, m in SANO],
        spacing=9)
    # The first sentence stays on one line; the others wrap.
    frazoj = vbox("verticalLayout_87", [
        vico("horizontalLayout_%d" % v, [f.vorto(n, t, ecoj=[politiko("Minimum", "Preferred")],
                                                 poste=[] if n == 300 else [faldo()]), f.signifo(m)])
        for v, n, t, m in SANO_FRAZOJ], spacing=9)
    noto = markebla("frame_2", vbox("verticalLayout_18", [etikedo(f, 13, ecoj=[grasa()]), etikedo(f, 260)]))
    enhavo = vbox("verticalLayout_17", komenco + [vortoj, frazoj, noto, f.spacer()], spacing=9)
    return tekstpagho("tab_24", "1", "verticalLayout_28", "scrollArea", "scrollAreaWidgetContents", 828, 841, enhavo,
                      pol=None)


# ------------------------------------------------------------------ page 2
# digit label, digits, word button, the number in words
NOMBROJ_1 = [
    ("label_19", "1", 304, "unu"), ("label_26", "2", 305, "du"), ("label_27", "3", 306, "tri"),
    ("label_30", "4", 307, "kvar"), ("label_33", "5", 308, "kvin"), ("label_34", "6", 309, "ses"),
    ("label_35", "7", 310, "sep"), ("label_36", "8", 311, "ok"), ("label_37", "9", 312, "naŭ"),
    ("label_38", "10", 313, "dek"), ("label_42", "11", 314, "dek unu"), ("label_43", "12", 315, "dek du"),
    ("label_44", "13", 316, "dek tri"), ("label_45", "14", 317, "dek kvar"), ("label_46", "20", 318, "dudek"),
    ("label_47", "21", 319, "dudek unu"), ("label_55", "22", 320, "dudek du"), ("label_57", "30", 321, "tridek"),
    ("label_58", "31", 322, "tridek unu"), ("label_59", "32", 323, "tridek du"),
]
NOMBROJ_2 = [
    ("label_60", "40", 324, "kvardek"), ("label_61", "50", 325, "kvindek"), ("label_62", "60", 326, "sesdek"),
    ("label_63", "70", 327, "sepdek"), ("label_64", "80", 328, "okdek"), ("label_65", "90", 329, "naŭdek"),
    ("label_67", "100", 330, "cent"), ("label_68", "101", 331, "cent unu"), ("label_69", "120", 332, "cent dudek"),
    ("label_70", "121", 333, "cent dudek unu"), ("label_71", "200", 334, "ducent"),
    ("label_72", "300", 335, "tricent"), ("label_73", "400", 336, "kvarcent"), ("label_74", "500", 337, "kvincent"),
    ("label_75", "600", 338, "sescent"), ("label_76", "700", 339, "sepcent"), ("label_77", "800", 340, "okcent"),
    ("label_78", "900", 341, "naŭcent"), ("label_79", "1000", 342, "mil"), ("label_80", "2100", 343, "du mil cent"),
]
# Digit texts are data: groups of three digits stand apart.
NOMBROJ_3 = [
    ("label_81", "0", 344, "nulo"), ("label_82", "1887", 345, "mil okcent okdek sep"),
    ("label_83", "999 001", 346, "naŭcent naŭdek naŭ mil unu"),
    ("label_84", "1 000 322", 347, "unu miliono tricent dudek du"),
]
DEKSTRE = "Qt::AlignRight|Qt::AlignVCenter"


def formularo(nomo, eroj, ecoj):
    return '<layout class="QFormLayout" name="%s">%s%s</layout>' % (nomo, "".join(ecoj), "".join(eroj))


def nombroj(f, vicoj, faldas, vorto_ecoj=()):
    """Rows of a form layout: the number in digits, then its Esperanto name."""
    eroj = []
    for i, (etikedo_nomo, ciferoj, n, teksto) in enumerate(vicoj):
        eroj.append(item(widget("QLabel", etikedo_nomo, [prop("text", s(ciferoj, notr=True)), aligno(DEKSTRE),
                                                         eco("lingvo", "eo")]), vico=i, kolumno=0))
        eroj.append(item(f.vorto(n, teksto, ecoj=vorto_ecoj, poste=[faldo()] if faldas(i) else []),
                         vico=i, kolumno=1))
    return eroj


def pagho2(f):
    titolo = kapo(f, 6)
    kolumno_ecoj = [prop("rowWrapPolicy", enum("QFormLayout::WrapLongRows")),
                    prop("labelAlignment", "<set>%s</set>" % DEKSTRE), prop("verticalSpacing", num(9))]
    kolumnoj = hbox("horizontalLayout", [
        formularo("formLayout_3", nombroj(f, NOMBROJ_1, lambda i: i >= 10), kolumno_ecoj),
        formularo("formLayout_2", nombroj(f, NOMBROJ_2, lambda i: True), kolumno_ecoj),
        f.spacer("horizontal", "Expanding", 10, 20)], spacing=20)
    grandaj = formularo("formLayout", nombroj(f, NOMBROJ_3, lambda i: True, [politiko("Expanding", "Preferred")]), [
        prop("fieldGrowthPolicy", enum("QFormLayout::ExpandingFieldsGrow")),
        prop("rowWrapPolicy", enum("QFormLayout::WrapLongRows")), prop("labelAlignment", "<set>%s</set>" % DEKSTRE),
        prop("formAlignment", "<set>Qt::AlignHCenter|Qt::AlignVCenter</set>"), prop("horizontalSpacing", num(12)),
        prop("verticalSpacing", num(9)), prop("topMargin", num(12))])
    # How the table's numbers are built, so that the learner can make the others.
    regulo = etikedo(f, 311, pol=("Preferred", "Preferred"))
    enhavo = vbox("verticalLayout_2", [titolo, regulo, kolumnoj, grandaj, f.spacer()])
    return tekstpagho("tab_25", "2", "verticalLayout_29", "scrollArea_2", "scrollAreaWidgetContents_2", 828, 841,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 3
def pagho3():
    kadro = widget("ekznumeraloj", "Lec03_Ekz_0301", [prop("minimumSize", size(0, 200))] +
                   kadraj_ecoj("QFrame::NoFrame"))
    return pagho("Ekzerco1_Lec03", "3", ":/ikonoj/numeraloj.png", vbox("verticalLayout_100", [kadro], spacing=0,
                                                                        margins=0))


# ------------------------------------------------------------------ page 4
# pair layout; word row, button, numeral, meaning; derived row, arrow, button, derived word, meaning
ORDAJ = [
    (101, 238, 348, "tri", 15, 239, "label_88", 1, "tria", 262),
    (102, 240, 349, "dek", 16, 241, "label_92", 2, "deka", 263),
    (103, 242, 351, "dek naŭ", 18, 243, "label_95", 4, "deknaŭa", 265),
]
ADVERBAJ = [
    (105, 246, 355, "unu", 17, 247, "label_100", 5, "unue", 269),
    (106, 248, 354, "du", 19, 249, "label_103", 6, "due", 270),
]


def paro(f, p):
    grupo, v1, n1, t1, m1, v2, sago, n2, t2, m2 = p
    return vbox("verticalLayout_%d" % grupo, [
        vico("horizontalLayout_%d" % v1, [f.vorto(n1, t1, ecoj=[maks()]), f.signifo(m1)]),
        vico("horizontalLayout_%d" % v2, [sago_revena(sago, grandoj=False), f.vorto(n2, t2, ecoj=[maks()]),
                                          f.signifo(m2)])], spacing=0)


def frazo(f, nomo, n, teksto, m, **kw):
    """A sentence with its translation under it."""
    return vbox(nomo, [f.vorto(n, teksto, ecoj=[maks()], poste=[faldo()]), etikedo(f, m)], spacing=5, **kw)


def pagho4(f):
    a = vbox("verticalLayout_19", [kapo(f, 7, grasa_tiparo=True), etikedo(f, 261)] + [paro(f, p) for p in ORDAJ] + [
        vbox("verticalLayout_104", [frazo(f, "verticalLayout_34", 352, "La unuaj knaboj venas.", 266),
                                    frazo(f, "verticalLayout_35", 353, "Li kaptis la trian insekton.", 267)],
             spacing=10)], spacing=10)
    b = vbox("verticalLayout_24", [kapo(f, 8, grasa_tiparo=True), etikedo(f, 268)] + [paro(f, p) for p in ADVERBAJ] + [
        frazo(f, "verticalLayout_36", 356, "Li unue trinkos akvon.", 271, margins=(5, -1, 5, -1))], spacing=10)
    enhavo = vbox("verticalLayout_25", [a, b, f.spacer()], spacing=20)
    return tekstpagho("tab_27", "4", "verticalLayout_30", "scrollArea_3", "scrollAreaWidgetContents_3", 828, 841,
                      enhavo, pol=None)


# ------------------------------------------------------------------ page 5
# row, swatch column, word column, and per colour: swatch, colour, word button, word
KOLOROJ = [
    ("horizontalLayout_8", "verticalLayout_12", "verticalLayout_13", [
        ("label_85", "32, 73, 255", 374, "blua"), ("label_86", "255, 255, 255", 375, "blanka"),
        ("label_87", "0, 170, 0", 376, "verda")]),
    ("horizontalLayout_7", "verticalLayout", "verticalLayout_11", [
        ("label_89", "139, 69, 19", 377, "bruna"), ("label_90", "255, 255, 0", 378, "flava"),
        ("label_91", "159, 159, 159", 379, "griza")]),
    ("horizontalLayout_9", "verticalLayout_14", "verticalLayout_15", [
        ("label_93", "0, 0, 0", 380, "nigra"), ("label_94", "255, 0, 0", 381, "ruĝa"),
        ("label_96", "159, 0, 197", 382, "purpura")]),
]
# row, word button, word, meaning (vespero stands before soifi)
TEMPO = [(264, 357, "horo", 272), (265, 358, "jaro", 273), (266, 359, "mateno", 274), (267, 360, "minuto", 275),
         (268, 361, "nokto", 276), (269, 362, "semajno", 277), (270, 363, "tago", 278), (272, 365, "vespero", 280),
         (271, 364, "soifi", 279)]
VERBOJ = [(273, 366, "atendi", 281), (274, 367, "demandi", 282), (275, 368, "fumi", 283), (276, 369, "kuri", 284),
          (277, 370, "peti", 285), (278, 371, "promeni", 286), (279, 372, "respondi", 287), (280, 373, "vivi", 288)]


def kolorvico(f, vico_nomo, specimenoj_nomo, vortoj_nomo, koloroj):
    specimenoj = [widget("QLabel", nomo, [prop("minimumSize", size(60, 0)), maks(80), prop("frameShape", enum("QFrame::Box")),
                                          prop("styleSheet", s("background-color: rgb(%s);" % rgb, notr=True)),
                                          prop("text", s(""))]) for nomo, rgb, _, _ in koloroj]
    vortoj = [f.vorto(n, t, ecoj=[prop("minimumSize", size(80, 0)), maks()]) for _, _, n, t in koloroj]
    return hbox(vico_nomo, [vbox(specimenoj_nomo, specimenoj), vbox(vortoj_nomo, vortoj)], stretch="0,1")


def vortvicoj(f, nomo, vicoj):
    return vbox(nomo, [vico("horizontalLayout_%d" % v, [f.vorto(n, t, ecoj=[maks()]), f.signifo(m)])
                       for v, n, t, m in vicoj], spacing=9)


def pagho5(f):
    enhavo = vbox("verticalLayout_26", [
        vbox("verticalLayout_16", [kapo(f, 9, grasa_tiparo=True)] + [kolorvico(f, *k) for k in KOLOROJ] +
             [vortvicoj(f, "verticalLayout_115", TEMPO), vortvicoj(f, "verticalLayout_116", VERBOJ)], spacing=9),
        f.spacer()])
    return tekstpagho("tab_28", "5", "verticalLayout_31", "scrollArea_4", "scrollAreaWidgetContents_4", 828, 841,
                      enhavo, pol=None)


# ---------------------------------------------------------- pages 6 to 9
def frazpagho():
    return pagho("Ekzerco7_Lec03", "Frazo", None, vbox("verticalLayout_4", [
        ekzerckadro("frazokonstruo", "Lec03_Ekz_Frazo_0307")], spacing=0, margins=0))


def kradpagho(nomo, titolo, ikono, layout_nomo, klaso, kadro):
    """An exercise page whose frame stands in a grid layout."""
    return pagho(nomo, titolo, ikono, grid(layout_nomo, [item(ekzerckadro(klaso, kadro), vico=0, kolumno=0)],
                                           spacing=0, margins=0))


KRADPAGHOJ = [
    ("Ekzerco2_lec03", "6", MIKROFONETO, "gridLayout_13", "prononco", "Lec03_Ekz_Pron_0302"),
    ("Ekzerco3_Lec03", "7", ORELETO, "gridLayout_14", "audkompreno", "Lec03_Ekz_Aud_0302"),
    ("Ekzerco4_Lec03", "8", VORTOLUDO, "gridLayout_15", "vortoludo", "Lec03_Ekz_Vorto_0303"),
]

# ------------------------------------------------------------------ page 10
DEMANDOJ = [  # question block, question label, answer field, model answer
    (131, 302, "lineEdit_31", "Li amas ŝin."),
    (132, 303, "lineEdit_32", "Li amas ŝian fratinon."),
    (133, 304, "lineEdit_33", "Ŝi amas lin."),
    (134, 305, "lineEdit_34", "La unua viro amas la duan virinon."),
    (130, 306, "lineEdit_35", "La dua virino malamas la unuan viron."),
    (137, 308, "lineEdit_36", "La knaboj unue petis tri kukojn."),
    (138, 309, "lineEdit_37", "Due ili petis limonadon."),
    (139, 310, "lineEdit_38", "La butiko malbone faras la malgrandan panon."),
    (140, 20, "lineEdit_39", "Mia frato matene promenas."),
    (143, 21, "lineEdit_42", "Via amiko varme respondis."),
    (136, 22, "lineEdit_41", "La instruisto bone skribas."),
    (141, 231, "lineEdit_40", "La maljuna virino sane vivas."),
]


def demando(f, i, grupo, n, kampo, modelo):
    # lineEdit_34 keeps the line edit's own size policy.
    kampaj_ecoj = [] if kampo == "lineEdit_34" else [politiko("Preferred", "Preferred")]
    return vbox("verticalLayout_%d" % grupo, [
        etikedo(f, n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)]),
        f.respondo(kampo, ecoj=kampaj_ecoj), f.korekta(i, modelo)], spacing=2)


def pagho10(f):
    eroj = [f.etikedo(10, klaso="titolo", pol=("Preferred", "Maximum"), ecoj=[grasa()])]
    eroj += [demando(f, i + 1, *d) for i, d in enumerate(DEMANDOJ)]
    eroj.append(sendujo("frame"))
    return tekstpagho("Sendas1_Lec03", "9", "verticalLayout_32", "scrollArea_5", "scrollAreaWidgetContents_5", 813, 875,
                      vbox("verticalLayout_3", eroj, spacing=9), ikono=SENDAS, pol=None)


def formo():
    f = Formo(3, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(), pagho4(f), pagho5(f), frazpagho()]
    paghoj += [kradpagho(*k) for k in KRADPAGHOJ]
    paghoj.append(pagho10(f))
    return f.dokumento(paghoj, 838, 881, "verticalLayout_33", nuna=9, tiparo=False)


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
BILDOJ = [
    # A card with the digits 1 2 3 over a written word: numbers and their names.
    ("numeraloj", 24, 24, '''<rect x="1.5" y="3" width="21" height="18" rx="2.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.3"/>
<path d="M4.5 7.6 L6 6.5 V12.5 M4.5 12.5 H7.5" fill="none" stroke="#2e4272" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M9.3 7.4 C9.6 6.6 10.3 6.3 11 6.3 C11.9 6.3 12.6 6.9 12.6 7.8 C12.6 9.4 9.3 10.6 9.3 12.5 H12.8" fill="none" stroke="#2e4272" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M14.7 6.5 H18 L16.3 8.9 C17.6 8.9 18.5 9.6 18.5 10.7 C18.5 11.9 17.5 12.6 16.4 12.6 C15.6 12.6 15 12.3 14.6 11.7" fill="none" stroke="#2e4272" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M4.5 16.8 H19.5" stroke="#d35828" stroke-width="1.6" stroke-linecap="round" stroke-dasharray="3.2 1.6"/>'''),
]
