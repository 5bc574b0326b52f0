"""Lesson 11: the primitive adverbs, telling the time, words that go in
pairs, questions with ", ĉu ne?" and ", ĉu?", interjections and
abbreviations; the word-choice exercise on the adverbs, the clock-time
exercise and two writing pages with model answers.

PT holds the Portuguese placeholder of every translated label; the Esperanto
stands here. The word boxes "Lec11_Button" + number of pages 1 to 4 and the
meaning labels beside them are the items of the word-choice exercise 1103;
the clock-time frame's own form names two labels of this lesson
("Lec11_Label3", "Lec11_Label12"), translated from [Lec11] with the rest.
BILDOJ: the clock of the clock-time page's tab."""
from lecionformo import (
    SENDAS, VORTOLUDO, Formo, aligno, eco, ekzercpagho, faldo, grasa, hbox, kamarado, politiko, prop, s, sendujo,
    tekstpagho, vbox, widget)

PT = {
    "Label11": "Advérbios primitivos",
    "Label802": (
        "A maioria dos advérbios do Esperanto termina em -e (bone, rapide, hejme), como você aprendeu na "
        "lição 3. Alguns muito usados, porém, são primitivos: palavras curtas próprias, que não precisam de "
        "terminação, embora muitas possam receber uma para formar palavras novas (hieraŭ: ontem, hieraŭa: de "
        "ontem). Eis os mais importantes, cada um com um exemplo."),
    "Label803": "pelo menos",
    "Label805": "Preciso de pelo menos duas horas.",
    "Label804": "também",
    "Label806": "Eu também aprendo Esperanto (não só os outros).",
    "Label807": "Eu também aprendo Esperanto (além de ensiná-lo).",
    "Label808": "Aprendo também Esperanto (além de outras línguas).",
    "Label809": "ainda",
    "Label811": "Ele ainda está lá?",
    "Label812": "mal, quase não",
    "Label813": "Mal consigo entendê-lo.",
    "Label814": "logo, em breve",
    "Label816": "Voltaremos logo.",
    "Label815": "ontem",
    "Label817": "Encontrei-o ontem.",
    "Label820": "amanhã",
    "Label821": "Amanhã será domingo.",
    "Label850": "agora",
    "Label852": "Ela agora estuda na cidade.",
    "Label823": "quase",
    "Label824": "O trabalho está quase terminado.",
    "Label825": "ambos, os dois",
    "Label818": "Os dois irmãos moram em Londres.",
    "Label819": "embora, para longe",
    "Label822": "O pássaro voou embora.",
    "Label826": "até, mesmo",
    "Label828": "Até uma criança pode fazer isso.",
    "Label851": "só, somente",
    "Label853": "Tenho só um irmão.",
    "Label827": "mesmo, realmente (dá ênfase)",
    "Label829": "Mas eu bem que lhe disse!",
    "Label830": "agora mesmo, acabar de",
    "Label831": "Ele acabou de sair.",
    "Label832": "mais, adiante (depois de ne: não mais)",
    "Label833": "Ela não mora mais aqui.",
    "Label836": "muito",
    "Label834": "O café está muito quente.",
    "Label837": "demais, demasiado",
    "Label835": "Você fala rápido demais.",
    "Label838": "eis, aqui está",
    "Label840": "Eis a minha casa.",
    "Label839": "como se",
    "Label841": "Ele fala como se soubesse tudo.",
    "Label842": "imediatamente, já",
    "Label843": "Venha já!",
    "Label844": "indica proximidade (isto, aqui)",
    "Label845": "isto / aqui / desta vez",
    "Label848": "-quer (qualquer, quem quer que)",
    "Label846": "quem quer que / o que quer que / onde quer que",
    "Label849": "contudo, no entanto",
    "Label847": "Fazia frio; no entanto, passeamos.",
    "Label874": (
        "Ambaŭ (ambos) não é advérbio: funciona como adjetivo ou numeral. Vem antes de um substantivo no plural e "
        "nunca muda: ambaŭ fratoj (os dois irmãos), ambaŭ manojn (as duas mãos, como objeto). Depois de um pronome: "
        "vi ambaŭ (vocês dois)."),
    "Label5": "As horas",
    "Label864": "Que horas são?",
    "Label865": "A que horas você vai me telefonar?",
    "Label6": "Palavras que andam em pares",
    "Label866": (
        "Algumas palavras pequenas funcionam em pares: a primeira abre a primeira parte da frase, a segunda "
        "abre a segunda. Juntas, mostram como as duas partes se relacionam."),
    "Label9": "ora… ora (alternância)",
    "Label867": "O menino ora chorava, ora ria.",
    "Label868": "Ora chove, ora neva.",
    "Label15": "nem… nem",
    "Label7": "Não tenho tempo nem dinheiro.",
    "Label8": "Nem eu nem meu irmão sabemos isso.",
    "Label16": "quanto mais… mais",
    "Label13": "Quanto mais aprendo, mais sei.",
    "Label14": "Quanto mais cedo, melhor.",
    "Label19": "tanto… quanto",
    "Label17": "Ela fala tanto francês quanto alemão.",
    "Label18": "Tanto o pai quanto a mãe trabalham.",
    "Label22": "seja… seja, quer… quer",
    "Label20": "Queira ou não, você tem de vir.",
    "Label21": "Seja na cidade, seja no campo, ela está sempre feliz.",
    "Label23": "Outras formas de perguntar",
    "Label870": (
        "Uma pergunta de sim ou não costuma começar por ĉu. Ĉu também pode fechar a frase, depois de uma "
        "vírgula: a pergunta significa o mesmo e não espera nenhuma das duas respostas, tanto depois de uma "
        "afirmação positiva como de uma negativa (“La skatolo ne estas blua, ĉu?” = “Ĉu la skatolo ne estas "
        "blua?”). Acrescentar “, ĉu ne?” a uma afirmação é diferente: pede ao ouvinte que confirme o que você "
        "pensa."),
    "Label871": "A caixa é azul?",
    "Label872": "A caixa é azul, não é?",
    "Label873": "A caixa não é azul?",
    "Label24": "Você vai ao cinema?",
    "Label25": "Você vai ao cinema, não vai?",
    "Label26": "Você não vai ao cinema?",
    "Label4": "Interjeições",
    "Label27": "oh! (admiração, dor)",
    "Label28": "ah, é? sério? (surpresa)",
    "Label29": "ai de mim!",
    "Label36": "hurra! viva!",
    "Label30": "que vergonha! credo!",
    "Label31": "bis! outra vez!",
    "Label32": "bravo! muito bem!",
    "Label33": "ei! (para chamar alguém)",
    "Label34": "e então? (impaciência)",
    "Label35": "vamos! já! (para começar)",
    "Label37": "Abreviaturas",
    "Label38": "etc. (e assim por diante)",
    "Label39": "por favor",
    "Label40": "por exemplo",
    "Label47": "isto é",
    "Label41": "e outros",
    "Label42": "compare",
    "Label43": "senhor, Sr.",
    "Label44": "senhora, Sra.",
    "Label45": "senhorita",
    "Label46": "pós-escrito, P.S.",
    "Label10": "Três maneiras de fazer a mesma pergunta",
    "Label1": (
        "Cada pergunta abaixo está numa das três formas da página 9: com ĉu no início, com “, ĉu ne?” no fim ou "
        "com “, ĉu?” no fim. Escreva-a nas outras duas formas, uma no campo a) e outra no campo b), sem mudar a "
        "afirmação (com ne, se ela tiver ne). O primeiro botão lá embaixo mostra respostas-modelo; o segundo "
        "copia a página para o seu corretor."),
    "Label2": (
        "Escreva cada hora por extenso de duas maneiras diferentes, como na página 6 (por exemplo com kaj e "
        "com antaŭ ou post). O primeiro botão lá embaixo mostra respostas-modelo; o segundo copia a página "
        "para o seu corretor."),}

HORLOGHO = ":/ikonoj/horlogho.png"


class Nomoj:
    """Names for the layouts the lesson leaves unnamed, clear of those it names."""

    def __init__(self):
        self.n = {"vertical": 299, "horizontal": 299}

    def __call__(self, speco="vertical"):
        self.n[speco] += 1
        return "%sLayout_%d" % (speco, self.n[speco])


nomo = Nomoj()


class AldonajNomoj(Nomoj):
    """Names for the layouts of the blocks added after the others were
    named (nun, nur), clear of them all, so that no other name moves."""

    def __init__(self):
        self.n = {"vertical": 399, "horizontal": 399}


aldona_nomo = AldonajNomoj()


def kesto(f, nomo_, teksto, pol=("Preferred", "Preferred"), ecoj=()):
    """An Esperanto box (neklakebla_nova), word wrap on."""
    return f.neklakebla(nomo_, teksto, ecoj=([politiko(*pol)] if pol else []) + [faldo()] + list(ecoj))


def signifo(f, n):
    return f.etikedo(n, pol=("Expanding", "Preferred"))


def traduko(f, n):
    return f.etikedo(n)


def kromeno(f, h):
    return f.spacer("horizontal", "Fixed", 30, h)


# ------------------------------------------------------------ pages 1 to 4
# (word number, adverb, meaning, [(example box, Esperanto, its translation)])
ADVERBOJ = [
    [(709, "almenaŭ", 803, [(5, "Mi bezonas almenaŭ du horojn.", 805)]),
     (711, "ankaŭ", 804, [(6, "Ankaŭ mi lernas Esperanton.", 806), (7, "Mi ankaŭ lernas Esperanton.", 807),
                           (8, "Mi lernas ankaŭ Esperanton.", 808)]),
     (715, "ankoraŭ", 809, [(9, "Ĉu li ankoraŭ estas tie?", 811)]),
     (718, "apenaŭ", 812, [(10, "Mi apenaŭ komprenas lin.", 813)])],
    [(720, "baldaŭ", 814, [(12, "Ni baldaŭ revenos.", 816)]),
     (722, "hieraŭ", 815, [(14, "Mi renkontis lin hieraŭ.", 817)]),
     (726, "morgaŭ", 820, [(16, "Morgaŭ estos dimanĉo.", 821)]),
     (727, "nun", 850, [(17, "Ŝi nun studas en la urbo.", 852)]),
     (729, "preskaŭ", 823, [(18, "La laboro estas preskaŭ finita.", 824)]),
     (725, "for", 819, [(22, "La birdo flugis for.", 822)])],
    [(732, "eĉ", 826, [(26, "Eĉ infano povas fari tion.", 828)]),
     (733, "nur", 851, [(27, "Mi havas nur unu fraton.", 853)]),
     (734, "ja", 827, [(28, "Mi ja diris al vi!", 829)]),
     (736, "ĵus", 830, [(30, "Li ĵus eliris.", 831)]),
     (738, "plu", 832, [(24, "Ŝi ne plu loĝas ĉi tie.", 833)]),
     (742, "tre", 836, [(34, "La kafo estas tre varma.", 834)]),
     (743, "tro", 837, [(32, "Vi parolas tro rapide.", 835)])],
    [(744, "jen", 838, [(38, "Jen mia domo.", 840)]),
     (746, "kvazaŭ", 839, [(40, "Li parolas, kvazaŭ li scius ĉion.", 841)]),
     (748, "tuj", 842, [(42, "Venu tuj!", 843)]),
     (750, "ĉi", 844, [(36, "ĉi tio / ĉi tie / ĉi-foje", 845)]),
     (754, "ajn", 848, [(46, "kiu ajn / kio ajn / kie ajn", 846)]),
     (755, "tamen", 849, [(44, "Estis malvarme, tamen ni promenis.", 847)])],
]
# Blocks added later than the rest; their layouts take names of their own.
ALDONITAJ = {727, 733}
# Not a primitive adverb: it goes with a plural noun as an adjective or a
# numeral does, so it closes the last page under a note of its own.
AMBAU = (731, "ambaŭ", 825, [(20, "Ambaŭ fratoj loĝas en Londono.", 818)])
# (page, tab text, page layout, scroll area, contents, contents layout)
ADVERBAJ_PAGHOJ = [("tab", "1", "verticalLayout_119", "scrollArea", "scrollAreaWidgetContents", "verticalLayout_52"),
                   ("tab_2", "2", "verticalLayout_120", "scrollArea_2", "scrollAreaWidgetContents_2",
                    "verticalLayout_58"),
                   ("tab_3", "3", "verticalLayout_121", "scrollArea_3", "scrollAreaWidgetContents_3",
                    "verticalLayout_64"),
                   ("tab_4", "4", "verticalLayout_122", "scrollArea_4", "scrollAreaWidgetContents_4",
                    "verticalLayout_70")]


def adverbo(f, pagho, indekso, vorto, teksto, sig, ekzemploj):
    """An adverb with its meaning beside it, its examples indented below."""
    nomilo = aldona_nomo if vorto in ALDONITAJ else nomo
    ecoj = [eco("lingvo", "eo")] if pagho == 0 else []
    kapvico = hbox(nomilo("horizontal"), [kesto(f, "Lec11_Button%d" % vorto, teksto, ecoj=ecoj), signifo(f, sig)],
                   spacing=12)
    paroj = [vbox(nomilo(), [kesto(f, "pushButton_%d" % b, t), traduko(f, n)], spacing=6) for b, t, n in ekzemploj]
    ekzempla = paroj[0] if len(paroj) == 1 else vbox(nomilo(), paroj, spacing=12)
    vico = hbox(nomilo("horizontal"), [kromeno(f, 10 if pagho < 2 else 20), ekzempla])
    spacing = 5 if pagho == 1 and indekso > 0 else 6
    return vbox(nomilo(), [kapvico, vico], spacing=spacing)


def adverba_pagho(f, pagho):
    eroj = [f.kapo(11), f.etikedo(802)] if pagho == 0 else []
    eroj += [adverbo(f, pagho, i, *a) for i, a in enumerate(ADVERBOJ[pagho])]
    if pagho == len(ADVERBOJ) - 1:
        eroj.append(vbox(nomo(), [f.etikedo(874), adverbo(f, pagho, len(ADVERBOJ[pagho]), *AMBAU)], spacing=6))
    p, t, pl, areo, enhavo, cl = ADVERBAJ_PAGHOJ[pagho]
    return tekstpagho(p, t, pl, areo, enhavo, 1035, 720, vbox(cl, eroj + [f.spacer()], spacing=20))


# ------------------------------------------------------------------ page 6
# (time label, time, first phrase box, its text, second phrase box, its text)
HOROJ_A = [("label_51", "06:40", 49, "Estas la sesa kaj kvardek matene", 48, "Estas dudek (minutoj) antaŭ la sepa"),
           ("label_53", "07:00", 51, "Estas la sepa", 50, "Estas la sepa antaŭtagmeze"),
           ("label_55", "07:15", 52, "Estas la sepa kaj dek kvin", 53, "Estas kvarono post la sepa"),
           ("label_57", "07:45", 55, "Estas la sepa kaj kvardek kvin", 54, "Estas kvarono antaŭ la oka"),
           ("label_59", "07:53", 57, "Estas la sepa kaj kvindek tri", 56, "Estas sep (minutoj) antaŭ la oka"),
           ("label_61", "12:00", 59, "Estas la dek-dua", 58, "Estas tagmezo")]
HOROJ_B = [("label_66", "14:00", 63, "Je la dua posttagmeze", 64, "Je la dek-kvara"),
           ("label_64", "19:00", 61, "Je la sepa vespere", 62, "Je la dek-naŭa"),
           ("label_68", "24:00", 65, "Je noktomezo", 66, "Je la dudek-kvara"),
           ("label_70", "02:00", 67, "Je la dua nokte", 68, "Je du horoj post noktomezo")]


def horvico(f, etikedo, horo, b1, t1, b2, t2):
    """A clock time in figures, and two ways of saying it."""
    tempo = widget("QLabel", etikedo, [grasa(), prop("text", s(horo)), eco("lingvo", "eo")])
    frazoj = vbox(nomo(), [kesto(f, "pushButton_%d" % b1, t1, pol=None),
                           kesto(f, "pushButton_%d" % b2, t2, pol=None)], spacing=6)
    return hbox(nomo("horizontal"), [tempo, frazoj], stretch="0,1")


def horbloko(f, demando, demando_pol, sig, horoj):
    kapo = vbox(nomo(), [kesto(f, demando[0], demando[1], pol=demando_pol), f.etikedo(sig)], spacing=6)
    return vbox(nomo(), [kapo, hbox(nomo("horizontal"), [vbox(nomo(), [horvico(f, *h) for h in horoj])])])


def pagho6(f):
    eroj = [f.kapo(5)]
    eroj.append(horbloko(f, ("pushButton_47", "Kioma horo estas?"), ("Maximum", "Fixed"), 864, HOROJ_A))
    eroj.append(horbloko(f, ("pushButton_60", "Je kioma horo vi telefonos al mi?"), None, 865, HOROJ_B))
    return tekstpagho("tab_6", "6", "verticalLayout_123", "scrollArea_5", "scrollAreaWidgetContents_5", 1020, 752,
                      vbox("verticalLayout_82", eroj + [f.spacer()], spacing=20),
                      ecoj=[aligno("Qt::AlignLeft|Qt::AlignTop")])


# ------------------------------------------------------------------ page 8
# (pair box, pair, meaning, [(example box, Esperanto, translation)])
PAROJ = [("Lec11_Button711_3", "jen... jen", 9, [(97, "La knabo jen ploris, jen ridis.", 867),
                                                  (98, "Jen pluvas, jen neĝas.", 868)]),
         ("Lec11_Button711_4", "ne... nek  /  nek... nek", 15, [(99, "Mi ne havas tempon, nek monon.", 7),
                                                                (100, "Nek mi, nek mia frato scias tion.", 8)]),
         ("Lec11_Button711_5", "ju... des", 16, [(101, "Ju pli mi lernas, des pli mi scias.", 13),
                                                 (102, "Ju pli frue, des pli bone.", 14)]),
         ("Lec11_Button711_6", "kaj... kaj", 19, [(103, "Ŝi parolas kaj la francan kaj la germanan.", 17),
                                                  (104, "Kaj la patro kaj la patrino laboras.", 18)]),
         ("Lec11_Button711_7", "ĉu... ĉu", 22, [(105, "Ĉu vi volas, ĉu ne, vi devas veni.", 20),
                                                (106, "Ĉu en la urbo, ĉu en la kamparo, ŝi ĉiam estas feliĉa.", 21)])]


def pagho8(f):
    eroj = [f.kapo(6), f.etikedo(866)]
    for b, t, sig, ekzemploj in PAROJ:
        kapvico = hbox(nomo("horizontal"), [kesto(f, b, t), signifo(f, sig)], spacing=12)
        paroj = vbox(nomo(), [vbox(nomo(), [kesto(f, "pushButton_%d" % e, et), traduko(f, n)], spacing=5)
                              for e, et, n in ekzemploj], spacing=9)
        eroj.append(vbox(nomo(), [kapvico, hbox(nomo("horizontal"), [kromeno(f, 20), paroj])]))
    return tekstpagho("tab_8", "8", "verticalLayout_124", "scrollArea_6", "scrollAreaWidgetContents_6", 1020, 841,
                      vbox("verticalLayout_92", eroj + [f.spacer()], spacing=20))


# ------------------------------------------------------------------ page 9
DEMANDOJ_9 = [("verticalLayout_108", [("verticalLayout_95", 107, "Ĉu la skatolo estas blua?", 871),
                                      ("verticalLayout_104", 108, "La skatolo estas blua, ĉu ne?", 872),
                                      ("verticalLayout_109", 109, "La skatolo ne estas blua, ĉu?", 873)]),
              ("verticalLayout_115", [("verticalLayout_107", 110, "Ĉu vi iros al la kinejo?", 24),
                                      ("verticalLayout_116", 111, "Vi iros al la kinejo, ĉu ne?", 25),
                                      ("verticalLayout_117", 112, "Vi ne iros al la kinejo, ĉu?", 26)])]


def pagho9(f):
    eroj = [f.kapo(23), f.etikedo(870)]
    for grupo, paroj in DEMANDOJ_9:
        eroj.append(vbox(grupo, [vbox(l, [kesto(f, "pushButton_%d" % b, t), traduko(f, n)], spacing=5)
                                 for l, b, t, n in paroj], spacing=12))
    return tekstpagho("tab_9", "9", "verticalLayout_125", "scrollArea_7", "scrollAreaWidgetContents_7", 1035, 720,
                      vbox("verticalLayout_118", eroj + [f.spacer()], spacing=20))


# ------------------------------------------------------------------ page 10
INTERJEKCIOJ = ["ho!", "ha?", "ve al mi!", "hura!", "fi!", "bis!", "bravo!", "hej!", "nu?", "ek!"]
INTERJEKCIAJ_SIGNIFOJ = [27, 28, 29, 36, 30, 31, 32, 33, 34, 35]
MALLONGIGOJ = ["ktp. = kaj tiel plu", "bv. = bonvolu / bonvole", "ekz. = ekzemple", "t.e. = tio estas",
               "k.a. = kaj aliaj", "kp. = komparu", "s-ro = sinjoro", "s-ino = sinjorino", "f-ino = fraŭlino",
               "P.S. = postskribo"]
MALLONGIGAJ_SIGNIFOJ = [38, 39, 40, 47, 41, 42, 43, 44, 45, 46]


def listo(f, layout, kapo, vicoj, unua_vico, unua_kesto, signifoj):
    eroj = [kapo]
    for i, (t, n) in enumerate(zip(vicoj, signifoj)):
        eroj.append(hbox("horizontalLayout_%d" % (unua_vico + i),
                         [kesto(f, "pushButton_%d" % (unua_kesto + i), t), signifo(f, n)], spacing=12))
    return vbox(layout, eroj, spacing=5)


def pagho10(f):
    eroj = [listo(f, "verticalLayout_110", f.kapo(4), INTERJEKCIOJ, 191, 113, INTERJEKCIAJ_SIGNIFOJ),
            listo(f, "verticalLayout_111", f.etikedo(37, wrap=False, klaso="titolo"), MALLONGIGOJ, 203, 123,
                  MALLONGIGAJ_SIGNIFOJ)]
    return tekstpagho("tab_10", "10", "verticalLayout_126", "scrollArea_8", "scrollAreaWidgetContents_8", 1035, 720,
                      vbox("verticalLayout_112", eroj + [f.spacer()], spacing=20))


# ------------------------------------------------------------ pages 11 and 12
def instrukcio(f, n):
    return f.etikedo(n, pol=("Preferred", "Maximum"), ecoj=[aligno("Qt::AlignLeading|Qt::AlignLeft|Qt::AlignBottom")])


def modelo(nomo_, teksto):
    """The hidden model answer: the two other ways, one a line."""
    return widget("korekta", nomo_, [prop("text", s(teksto))])


def kampo(f, nomo_):
    return f.respondo(nomo_, ecoj=[politiko("Preferred", "Preferred")])


# (block, question label, question, [(row layout, label, field)], model answer label, model answer)
DEMANDOJ_11 = [
    ("verticalLayout_36", "label_74", "1. Ĉu viaj fratoj ankoraŭ studas en la urbo?",
     [("horizontalLayout_143", "label_179", "lineEdit"), ("horizontalLayout_144", "label_180", "lineEdit_2")],
     "label", "Viaj fratoj ankoraŭ studas en la urbo, ĉu ne? \nViaj fratoj ankoraŭ studas en la urbo, ĉu?"),
    ("verticalLayout_37", "label_75", "2. La knabino ĵus eniris la domon, ĉu ne?",
     [("horizontalLayout_145", "label_181", "lineEdit_3"), ("horizontalLayout_146", "label_182", "lineEdit_4")],
     "label_2", "Ĉu la knabino ĵus eniris la domon? \nLa knabino ĵus eniris la domon, ĉu?"),
    ("verticalLayout_38", "label_76", "3. Ĉu la instruisto jam foriris?",
     [("horizontalLayout_147", "label_183", "lineEdit_5"), ("horizontalLayout_148", "label_184", "lineEdit_6")],
     "label_3", "La instruisto jam foriris, ĉu ne? \nLa instruisto jam foriris, ĉu?"),
    ("verticalLayout_39", "label_77", "4. Vi ambaŭ ne estas geedzoj, ĉu?",
     [("horizontalLayout_149", "label_185", "lineEdit_7"), ("horizontalLayout_150", "label_186", "lineEdit_8")],
     "label_4", "Ĉu vi ambaŭ ne estas geedzoj? \nVi ambaŭ ne estas geedzoj, ĉu ne?"),
    ("verticalLayout_40", "label_78", "5. Via patro revenos morgaŭ, ĉu ne?",
     [("horizontalLayout_151", "label_187", "lineEdit_9"), ("horizontalLayout_152", "label_188", "lineEdit_10")],
     "label_5", "Ĉu via patro revenos morgaŭ? \nVia patro revenos morgaŭ, ĉu?"),
]
# (block, [(row layout, time label, its text, field)], model answer label, model answer)
HOROJ_12 = [
    ("verticalLayout_41", [("horizontalLayout_62", "label_79", "1a) 13:45", "lineEdit_11"),
                           ("horizontalLayout_63", "label_80", "1b) 13:45", "lineEdit_12")],
     "label_6", "La dek-tria kaj kvardek kvin \nKvarono antaŭ la dua posttagmeze"),
    ("verticalLayout_42", [("horizontalLayout_64", "label_82", "2a) 02:30", "lineEdit_13"),
                           ("horizontalLayout_65", "label_83", "2b) 02:30", "lineEdit_14")],
     "label_7", "La dua kaj duono \nDuono post la dua"),
    ("verticalLayout_43", [("horizontalLayout_66", "label_84", "3a) 19:15", "lineEdit_15"),
                           ("horizontalLayout_67", "label_85", "3b) 19:15", "lineEdit_16")],
     "label_8", "La dek-naŭa kaj dek kvin \nKvarono post la sepa vespere"),
    ("verticalLayout_44", [("horizontalLayout_68", "label_86", "4a) 05:55", "lineEdit_17"),
                           ("horizontalLayout_69", "label_87", "4b) 05:55", "lineEdit_18")],
     "label_9", "La kvina kaj kvindek kvin \nKvin minutoj antaŭ la sesa matene"),
    ("verticalLayout_45", [("horizontalLayout_70", "label_88", "5a) 08:00", "lineEdit_19"),
                           ("horizontalLayout_71", "label_89", "5b) 08:00", "lineEdit_20")],
     "label_10", "La oka \nLa oka matene"),
]


def pagho11(f):
    kapo = f.kapo(10)
    demandoj = [instrukcio(f, 1)]
    for bloko, etikedo, teksto, vicoj, model, modela in DEMANDOJ_11:
        eroj = [widget("QLabel", etikedo, [prop("text", s(teksto)), aligno("Qt::AlignLeft|Qt::AlignBottom"),
                                           faldo(), eco("lingvo", "eo")])]
        for vico, litero, k in vicoj:
            eroj.append(hbox(vico, [
                widget("QLabel", litero, [politiko("Maximum", "Preferred"), prop("text", s(litero_de(litero))),
                                          kamarado(k), eco("lingvo", "eo")]),
                kampo(f, k)]))
        eroj.append(modelo(model, modela))
        demandoj.append(vbox(bloko, eroj, spacing=2, margins=(-1, -1, -1, 12)))
    enhavo = vbox("verticalLayout_46", [kapo, vbox("verticalLayout_91", demandoj), sendujo("frame")],
                  spacing=20)
    return tekstpagho("Sendas1_Lec11", "11", "verticalLayout_127", "scrollArea_9", "scrollAreaWidgetContents_9", 1020,
                      723, enhavo, ikono=SENDAS)


def litero_de(etikedo):
    """The a) and b) labels alternate: label_179 is a), label_180 b), ..."""
    return "a)" if int(etikedo.split("_")[1]) % 2 else "b)"


def pagho12(f):
    blokoj = [instrukcio(f, 2)]
    for bloko, vicoj, model, modela in HOROJ_12:
        eroj = [hbox(vico, [widget("QLabel", etikedo, [prop("text", s(teksto)), kamarado(k), eco("lingvo", "eo")]),
                            kampo(f, k)], stretch="0,1") for vico, etikedo, teksto, k in vicoj]
        eroj.append(modelo(model, modela))
        blokoj.append(vbox(bloko, eroj, spacing=3, margins=(-1, -1, -1, 12)))
    enhavo = vbox("verticalLayout_130", [vbox("verticalLayout", blokoj, spacing=12), sendujo("frame_2")])
    return tekstpagho("tab_5", "12", "verticalLayout_132", "scrollArea_10", "scrollAreaWidgetContents_10", 1035, 720,
                      enhavo, ikono=SENDAS)


def formo():
    f = Formo(11, PT)
    paghoj = [adverba_pagho(f, p) for p in range(4)]
    paghoj.append(ekzercpagho("Ekzerco1_Lec11", "5", VORTOLUDO, "verticalLayout_35", "vortoludo",
                              "Lec11_Ekz_Vorto_1103"))
    paghoj.append(pagho6(f))
    paghoj.append(ekzercpagho("Ekzerco2_Lec11", "7", HORLOGHO, "verticalLayout_34", "kiomahoro", "Lec11_Ekzerco_Horo"))
    paghoj += [pagho8(f), pagho9(f), pagho10(f), pagho11(f), pagho12(f)]
    return f.dokumento(paghoj, 1045, 760, "verticalLayout_131", nuna=10)


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
BILDOJ = [
    # A wall clock at a quarter to twelve: the clock-time exercise.
    ("horlogho", 24, 24, '''<circle cx="12" cy="12" r="10.2" fill="#fffdf5" stroke="#3b5b92" stroke-width="1.8"/>
<path d="M12 3.6 V5.2 M20.4 12 H18.8 M12 20.4 V18.8 M3.6 12 H5.2" stroke="#3b5b92" stroke-width="1.4" stroke-linecap="round"/>
<path d="M12 12 L12 6.6" stroke="#2f3b4c" stroke-width="1.8" stroke-linecap="round"/>
<path d="M12 12 L7.2 12" stroke="#c0392b" stroke-width="1.4" stroke-linecap="round"/>
<circle cx="12" cy="12" r="1.3" fill="#2f3b4c"/>'''),
]
