"""Lesson 13: the final examination. Ten written tasks on five pages: plurals,
feminine forms, opposites, questions, the accusative, correlatives,
prepositions, affixes and two translations. Nothing on the pages checks an
answer; the send button on the last page copies all five pages for the
corrector.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); BILDOJ the pictures this
lesson brought in, drawn by tools/bildoj.py."""
from lecionformo import Formo, aligno, eco, faldo, grasa, hbox, item, kamarado, num, politiko, prop, s, \
    sendas_butono, tekstpagho, vbox, widget, enum

EKZAMENO = ":/ikonoj/ekzameno.png"

PT = {
    # page 1: heading, introduction, tasks 1 to 3
    "Label3": "Exame final",
    "Label6": (
        "Bem-vindo ao exame final! Ele avalia todo o curso. Trabalhe com calma e sem pressa: não há limite de "
        "tempo, e você pode voltar a qualquer página. Quando tiver respondido tudo, aperte o botão de envio na "
        "última página: ele copia todas as suas respostas para que você as envie ao seu corretor."),
    "Label1": "1. Escreva o plural de cada palavra.",
    "Label2": "2. Escreva a forma feminina de cada substantivo.",
    "Label4": "3. Escreva o contrário de cada palavra.",
    # page 2: tasks 4 and 5
    "Label5": "4. Faça duas perguntas em Esperanto sobre cada frase, uma em cada campo.",
    "Label7": "5. Traduza cada frase para o Esperanto. Atenção à terminação -n do acusativo.",
    "Label8": "a) Eu amo a minha mãe.",
    "Label9": "b) As crianças comem maçãs vermelhas.",
    "Label10": "c) Vimos um navio grande no mar.",
    "Label11": "d) Minha irmã escreve cartas longas.",
    "Label12": "e) O novo professor é muito gentil.",
    "Label13": "f) Quem você encontrou no parque?",
    "Label14": "g) Ele entrou em casa.",
    "Label15": "h) Você fala Esperanto?",
    # page 3: tasks 6 and 7
    "Label16": "6. Escreva cada frase de novo, escolhendo a palavra certa entre as duas que estão entre parênteses.",
    "Label17": (
        "7. Escreva cada frase de novo, escolhendo a preposição certa entre as duas que estão entre parênteses."),
    # page 4: tasks 8 and 9
    "Label18": (
        "8. No primeiro campo, escreva o prefixo ou o sufixo que corresponde a cada definição; no segundo, uma "
        "palavra de exemplo formada com ele."),
    "Label19": "a) Os dois sexos juntos.",
    "Label20": "b) Uma pessoa caracterizada pelo que a raiz indica.",
    "Label21": "c) Uma ação feita de modo errado.",
    "Label22": "d) Aumento ou intensidade.",
    "Label23": "e) Algo que merece ser feito.",
    "Label24": "9. Traduza este texto para o Esperanto.",
    "Label26": (
        "Moro numa pequena cidade perto do mar. Comecei a aprender Esperanto há um ano, porque quero viajar e "
        "conhecer pessoas de outros países. Todas as noites leio um pouco e escrevo as palavras novas no meu "
        "caderno. No próximo verão vou a um encontro internacional, onde espero fazer muitos amigos novos."),
    # page 5: task 10
    "Label25": "10. Traduza esta carta para a sua língua.",
}

def tasko(f, k):
    """A task's instruction, bold over its items."""
    return f.etikedo(k, pol=("Preferred", "Preferred"), ecoj=[grasa(), aligno("Qt::AlignLeft|Qt::AlignBottom")])


def kampo(f, nomo):
    return f.respondo(nomo, ecoj=[politiko("Preferred", "Preferred")])


def frazo(nomo, teksto, buddy):
    """An Esperanto sentence of a task, named by its answer field."""
    return widget("QLabel", nomo, [prop("text", s(teksto)), aligno("Qt::AlignLeft|Qt::AlignBottom"), faldo(),
                                   kamarado(buddy), eco("lingvo", "eo")])


def ero(f, k, buddy):
    """A task item in the learner's language, named by its answer field."""
    return f.etikedo(k, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(buddy)])


def kadrita(enhavo, buddy, lingvo=None):
    """A framed text to translate (tasks 9 and 10)."""
    ecoj = [prop("frameShape", enum("QFrame::Panel")), prop("frameShadow", enum("QFrame::Sunken")),
            prop("lineWidth", num(2))] + enhavo + [faldo(), prop("margin", num(5)), kamarado(buddy),
                                                   eco("tipo", "teksta")]
    if lingvo:
        ecoj.append(eco("lingvo", lingvo))
    return ecoj


def pagho_(nomo, langeto, pagho_layout, areo, enhavo_nomo, h, enhavo):
    return tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, 925, h, enhavo, ikono=EKZAMENO, pol=None)


# ------------------------------------------------------------------ page 1
# Tasks 1 to 3: a word, and beside it the field for its plural, feminine
# form or opposite. Per task: block, heading, words, and per row of three:
# row, word box, field box, first label and first field numbers.
VORTOTASKOJ = [
    ("verticalLayout", 1, ["nokto", "domo", "granda", "kiu", "frato", "legata", "tablo", "verda", "parolanta"],
     [("horizontalLayout", "verticalLayout_5", "verticalLayout_2"),
      ("horizontalLayout_2", "verticalLayout_6", "verticalLayout_3"),
      ("horizontalLayout_3", "verticalLayout_10", "verticalLayout_4")], 4, 1),
    ("verticalLayout_43", 2, ["patro", "frato", "knabo", "onklo", "filo", "reĝo", "instruisto", "sinjoro", "ĉevalo"],
     [("horizontalLayout_5", "verticalLayout_7", "verticalLayout_8"),
      ("horizontalLayout_6", "verticalLayout_14", "verticalLayout_9"),
      ("horizontalLayout_7", "verticalLayout_39", "verticalLayout_38")], 14, 10),
    ("verticalLayout_44", 4, ["fermi", "juna", "ofte", "kun", "riĉa", "ami", "facila", "ŝlosi", "varma"],
     [("horizontalLayout_9", "verticalLayout_40", "verticalLayout_11"),
      ("horizontalLayout_10", "verticalLayout_41", "verticalLayout_12"),
      ("horizontalLayout_11", "verticalLayout_42", "verticalLayout_13")], 24, 19),
]


def kampnomo(n):
    return "lineEdit" if n == 1 else "lineEdit_%d" % n


def pagho1(f):
    komenco = [f.kapo(3), f.etikedo(6)]
    taskoj = []
    for bloko, kapo, vortoj, vicoj, etikedo, kampo_ in VORTOTASKOJ:
        eroj = [tasko(f, kapo)]
        for i, (vico, vortujo, kampujo) in enumerate(vicoj):
            etikedoj, kampoj = [], []
            for j in range(3):
                k = 3 * i + j
                nomo = kampnomo(kampo_ + k)
                etikedoj.append(widget("QLabel", "label_%d" % (etikedo + k), [
                    prop("text", s(vortoj[k])), aligno("Qt::AlignRight|Qt::AlignVCenter"), kamarado(nomo),
                    eco("lingvo", "eo")]))
                kampoj.append(kampo(f, nomo))
            eroj.append(hbox(vico, [vbox(vortujo, etikedoj), vbox(kampujo, kampoj)], stretch="0,1"))
        taskoj.append(vbox(bloko, eroj))
    enhavo = vbox("verticalLayout_37", komenco + taskoj)
    return pagho_("tab", "1", "verticalLayout_30", "scrollArea", "scrollAreaWidgetContents", 1019, enhavo)


# ------------------------------------------------------------------ page 2
DEMANDFRAZOJ = [  # block, sentence label, its field, the second field
    ("verticalLayout_15", "label_35", "a) La pano estas blanka.", "lineEdit_28", "lineEdit_29"),
    ("verticalLayout_16", "label_38", "b) Mia frato loĝas en Berlino.", "lineEdit_30", "lineEdit_31"),
    ("verticalLayout_17", "label_41", "c) La infanoj ludas en la ĝardeno.", "lineEdit_32", "lineEdit_33"),
    ("verticalLayout_18", "label_44", "d) Hieraŭ Petro aĉetis tri librojn.", "lineEdit_34", "lineEdit_35"),
]


def pagho2(f):
    demandoj = vbox("verticalLayout_19", [tasko(f, 5)] + [
        vbox(bloko, [frazo(nomo, teksto, unua), kampo(f, unua), kampo(f, dua)])
        for bloko, nomo, teksto, unua, dua in DEMANDFRAZOJ])

    def tradukoj(kesto, eroj):
        el = []
        for k in eroj:
            nomo = "lineEdit_%d" % (k + 28)
            el += [ero(f, k, nomo), hbox("horizontalLayout_%d" % (k + 33), [kampo(f, nomo)])]
        return vbox(kesto, el)

    akuzativo = vbox("verticalLayout_22", [tasko(f, 7), tradukoj("verticalLayout_20", range(8, 12)),
                                           tradukoj("verticalLayout_21", range(12, 16))])
    enhavo = vbox("verticalLayout_45", [demandoj, akuzativo])
    return pagho_("tab_2", "2", "verticalLayout_31", "scrollArea_2", "scrollAreaWidgetContents_2", 882, enhavo)


# ------------------------------------------------------------------ page 3
KORELATIVOJ = [("label_64", "a) (Tio) (Kio) estas tiu granda besto?", "lineEdit_44"),
               ("label_66", "b) (Kiom) (Kiu) da pomoj vi havas?", "lineEdit_45"),
               ("label_68", "c) La viro, (kiu) (kio) loĝas apud ni, estas instruisto.", "lineEdit_46"),
               ("label_72", "d) (Kiam) (Kie) vi venos? — Morgaŭ.", "lineEdit_48"),
               ("label_74", "e) (Ĉiu) (Ĉiuj) lernanto ricevis libron.", "lineEdit_49")]
PREPOZICIOJ = [("label_71", "a) La libro estas (sur) (el) la tablo.", "lineEdit_47"),
               ("label_77", "b) Niaj amikoj estas (en) (ĝis) la domo.", "lineEdit_50"),
               ("label_79", "c) Mi iras (al) (pri) la lernejo ĉiun tagon.", "lineEdit_51"),
               ("label_81", "d) Ni parolis (pri) (sen) la nova filmo.", "lineEdit_52"),
               ("label_83", "e) Ŝi trinkas kafon (sen) (sub) sukero.", "lineEdit_53")]


def pagho3(f):
    def bloko(nomo, kapo, frazoj):
        eroj = [tasko(f, kapo)]
        for etikedo, teksto, kampnomo_ in frazoj:
            eroj += [frazo(etikedo, teksto, kampnomo_), kampo(f, kampnomo_)]
        return vbox(nomo, eroj)

    enhavo = vbox("verticalLayout_46", [bloko("verticalLayout_47", 16, KORELATIVOJ),
                                        bloko("verticalLayout_25", 17, PREPOZICIOJ)])
    return pagho_("tab_3", "3", "verticalLayout_32", "scrollArea_3", "scrollAreaWidgetContents_3", 620, enhavo)


# ------------------------------------------------------------------ page 4
DIFINOJ = [  # block, definition, row, affix field (its buddy), example field
    ("verticalLayout_23", 19, "horizontalLayout_63", "lineEdit_59", "lineEdit_54"),
    ("verticalLayout_24", 20, "horizontalLayout_64", "lineEdit_60", "lineEdit_55"),
    ("verticalLayout_26", 21, "horizontalLayout_65", "lineEdit_61", "lineEdit_56"),
    ("verticalLayout_27", 22, "horizontalLayout_66", "lineEdit_62", "lineEdit_57"),
    ("verticalLayout_28", 23, "horizontalLayout_67", "lineEdit_63", "lineEdit_58"),
]


def pagho4(f):
    kapo = tasko(f, 18)
    # The example field is twice as wide as the affix field.
    difinoj = [vbox(bloko, [ero(f, k, afikso), hbox(vico, [kampo(f, afikso), kampo(f, ekzemplo)], stretch="1,2")])
               for bloko, k, vico, afikso, ekzemplo in DIFINOJ]
    traduko = vbox("verticalLayout_34", [
        tasko(f, 24),
        f.etikedo(26, ecoj=kadrita([], "plainTextEdit")),
        f.respondo("plainTextEdit", klaso="cx_plainedit", ecoj=[politiko("Preferred", "Preferred")])])
    enhavo = vbox("verticalLayout_29", [kapo] + difinoj + [traduko])
    return pagho_("tab_4", "4", "verticalLayout_33", "scrollArea_4", "scrollAreaWidgetContents_4", 603, enhavo)


# ------------------------------------------------------------------ page 5
LETERO = (
    "Kara amikino:\n\n"
    "Mi tre ĝojis, kiam mi ricevis vian unuan leteron. Mi nomiĝas Andreo, mi havas dudek jarojn, kaj mi lernas "
    "muzikon en la ĉefurbo. Antaŭ ses monatoj mi komencis lerni Esperanton per libro, kaj nun mi jam povas skribi al "
    "vi en lingvo, kiun ni ambaŭ komprenas! Ĉu vi ŝatas muzikon? Mi ludas pianon, kaj kun tri amikoj mi ofte kantas "
    "en kafejoj. Bonvolu skribi al mi pri via urbo, pri viaj gepatroj kaj gefratoj kaj pri tio, kion vi plej ŝatas "
    "fari. Mi atendas vian respondon kun granda intereso.\n\n"
    "Kun amikaj salutoj,\n\n"
    "Andreo")


def pagho5(f):
    enhavo = vbox("verticalLayout_48", [
        tasko(f, 25),
        widget("QLabel", "label_104", kadrita([prop("text", s(LETERO))], "plainTextEdit_2", lingvo="eo")),
        f.respondo("plainTextEdit_2", klaso="QPlainTextEdit", ecoj=[politiko("Preferred", "Preferred")],
                   lingvo="traduko"),
        item(sendas_butono("pushButton"), "Qt::AlignHCenter"),
        f.spacer()])
    return pagho_("Sendas5_Lec13", "5", "verticalLayout_35", "scrollArea_5", "scrollAreaWidgetContents_5", 496,
                  enhavo)


def formo():
    f = Formo(13, PT)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f)]
    return f.dokumento(paghoj, 950, 514, "verticalLayout_36", nuna=4)


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
BILDOJ = [
    # An answer sheet with a pencil and a seal: the final examination.
    ("ekzameno", 24, 24, '''<rect x="3" y="2" width="14" height="19" rx="1.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.3"/>
<path d="M6 6.5 H14 M6 9.5 H14 M6 12.5 H11" stroke="#7a8fb8" stroke-width="1.2" stroke-linecap="round"/>
<path d="M9.5 20 L19.5 8 L22 10 L12 22 L9 22.8 Z" fill="#f4d03f" stroke="#7d6608" stroke-width="0.9" stroke-linejoin="round"/>
<circle cx="6.5" cy="18" r="3.2" fill="#2e7d32"/>
<path d="M5 18 L6.2 19.2 L8.2 16.8" fill="none" stroke="#ffffff" stroke-width="1.2" stroke-linecap="round" stroke-linejoin="round"/>'''),
]
