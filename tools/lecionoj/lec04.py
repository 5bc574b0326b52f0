"""Lesson 4: greetings, the days, the months and dates, questions with ĉu,
vocabulary and a reading with its recording; four exercise pages and two
send pages.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); LEGAJHO the reading text,
which the reading's clip is voiced from. The reading page's tab picture is
lesson 7's (tools/lecionoj/lec07.py)."""
from lecionformo import (
    MAKS, MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, eco, ekzerckadro, enum, faldo, grid, hbox, item,
    kamarado, num, pagho, politiko, prop, s, sago_antauen, sago_revena, sendujo, size, tekstpagho, vbox, widget)

PT = {
    "Label7": "Cumprimentos e expressões de cortesia",
    "Label404": "Olá! Oi!",
    "Label405": "Tenha um bom dia! (o -n: “desejo-lhe um bom dia”)",
    "Label406": "Bom dia!",
    "Label407": "Boa noite! (ao chegar)",
    "Label408": "Boa noite! (antes de dormir)",
    "Label409": "Como vai você?",
    "Label410": "Bem, obrigado. E você?",
    "Label411": "Razoavelmente bem.",
    "Label412": "Não muito bem.",
    "Label11": "Bom apetite!",
    "Label13": "Igualmente, obrigado!",
    "Label12": "Saúde! (à sua saúde)",
    "Label14": "Até a vista!",
    "Label15": "Adeus!",
    "Label20": "Os dias da semana",
    "Label317": "domingo",
    "Label318": "segunda-feira",
    "Label319": "terça-feira",
    "Label320": "quarta-feira",
    "Label321": "quinta-feira",
    "Label322": "sexta-feira",
    "Label323": "sábado",
    "Label3": "ontem",
    "Label4": "hoje",
    "Label19": "amanhã",
    "Label21": "Os meses",
    "Label325": "janeiro",
    "Label326": "fevereiro",
    "Label327": "março",
    "Label328": "abril",
    "Label329": "maio",
    "Label330": "junho",
    "Label331": "julho",
    "Label332": "agosto",
    "Label333": "setembro",
    "Label334": "outubro",
    "Label335": "novembro",
    "Label336": "dezembro",
    "Label26": "As datas",
    "Label22": (
        "Lê-se a data com um número ordinal para o dia, depois “de” e o mês, e por fim o ano: “la dektria "
        "(tago) de januaro (en la jaro) mil naŭcent sesdek kvar”. As palavras entre parênteses, “tago” (dia) "
        "e “en la jaro” (no ano), costumam ser omitidas. Os nomes dos dias e dos meses se escrevem com letra "
        "minúscula, exceto no início da frase."),
    "Label10": "Perguntas com ĉu",
    "Label315": (
        "Para transformar uma afirmação numa pergunta que se responde com sim ou não, coloque ĉu no início. A"
        " ordem das palavras não muda. Responda com jes (sim) ou ne (não)."),
    "Label298": "Afirmação",
    "Label299": "O pão está seco.",
    "Label300": "Pergunta",
    "Label301": "O pão está seco?",
    "Label311": "Respostas",
    "Label312": "Sim, o pão está seco.",
    "Label314": "Não, o pão não está seco.",
    "Label18": "Vocabulário",
    "Label361": "criança",
    "Label360": "jornal",
    "Label362": "e",
    "Label363": "congresso",
    "Label364": "colecionar, juntar",
    "Label365": "país, terra",
    "Label366": "vir",
    "Label367": "lição",
    "Label368": "escola",
    "Label369": "livro",
    "Label370": "milha",
    "Label371": "comer",
    "Label372": "porta-moedas, carteira",
    "Label373": "ovo",
    "Label374": "neutro",
    "Label376": "selo (postal)",
    "Label378": "sanduíche",
    "Label379": "esporte",
    "Label380": "sapato",
    "Label383": "viajar",
    "Label8": "Compreensão de texto",
    "Label418": (
        "Leia o texto e tente entendê-lo: as palavras da página de vocabulário e as explicadas abaixo vão "
        "ajudá-lo. Depois clique no botão de tocar para ouvi-lo em voz alta e acompanhe a leitura."),
    "Label9": "Vocabulário do texto",
    "Label420": "aprender",
    "Label421": "muito",
    "Label17": "antes de, diante de; há (com um período de tempo: há três meses)",
    "Label423": "trocar",
    "Label425": "começar",
    "Label426": "fácil",
    "Label428": "outro",
    "Label434": "nome",
    "Label435": "mês",
    "Label436": "língua, idioma",
    "Label437": "com",
    "Label5": "Traduza estas perguntas para o Esperanto. Não as responda, apenas traduza.",
    "Label385": "1. Seu pai coleciona selos?",
    "Label386": "2. O filho esqueceu o leite?",
    "Label387": "3. As crianças estão comendo um sanduíche?",
    "Label388": "4. Um menino saudável bebe leite?",
    "Label389": "5. O pai vai lavar as xícaras pequenas?",
    "Label391": "6. A nova professora esqueceu o livro?",
    "Label392": "7. Eles vendem chá e café?",
    "Label393": "8. A filha doente escreve mal?",
    "Label394": "9. Eles são bons amigos?",
    "Label395": "10. Seu irmão vende livros e jornais?",
    "Label6": "Responda em Esperanto",
    "Label401": "Responda a cada pergunta com uma frase completa em Esperanto, e não só com jes ou ne.",
    "Label429": "Palavras das perguntas",
    "Label430": "provar (o sabor)",
    "Label431": "esposa",
    "Label432": "mês",
    "Label433": "peça de teatro",
}

LEGAJHO = (
    "Mia nomo estas Petro. Mi komencis lerni Esperanton antaŭ tri monatoj. Ĝi estas bela, neŭtrala kaj tre facila "
    "lingvo. Lunde kaj merkrede mi havas lecionon en la lernejo. Mi kolektas poŝtmarkojn kaj interŝanĝas ilin kun "
    "amikoj en aliaj landoj. En julio mi vojaĝos al la kongreso kaj renkontos miajn novajn amikojn.")


def vico(nomo, eroj, spacing=12):
    """A word and its meaning side by side."""
    return hbox(nomo, eroj, spacing=spacing)


def maks():
    return prop("maximumSize", size(MAKS, MAKS))


def teksta_pagho(nomo, langeto, n, enhavo, spacing=12, w=989, h=624, ikono=None, **kw):
    """Scroll page n (1-based) of the lesson: its layouts are named by the form's own numbering."""
    pagho_layout, areo, enhavo_nomo = PAGHAJ_NOMOJ[n]
    ikono_kw = {"ikono": ikono} if ikono else {}
    return tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, pol=None, **ikono_kw, **kw)


# page -> (page layout, scroll area, contents widget)
PAGHAJ_NOMOJ = {
    1: ("verticalLayout_12", "scrollArea", "scrollAreaWidgetContents"),
    2: ("verticalLayout_13", "scrollArea_2", "scrollAreaWidgetContents_2"),
    3: ("verticalLayout_14", "scrollArea_3", "scrollAreaWidgetContents_3"),
    4: ("verticalLayout_25", "scrollArea_4", "scrollAreaWidgetContents_4"),
    5: ("verticalLayout_15", "scrollArea_5", "scrollAreaWidgetContents_5"),
    6: ("verticalLayout_9", "scrollArea_6", "scrollAreaWidgetContents_6"),
    11: ("verticalLayout_16", "scrollArea_7", "scrollAreaWidgetContents_7"),
    12: ("verticalLayout_17", "scrollArea_8", "scrollAreaWidgetContents_8"),
}


def kapo(f, n, **kw):
    return f.kapo(n, **kw)


def vortvico(f, v, n, teksto, m, sago=None):
    """A word row, or a reply row when it starts with a return arrow."""
    eroj = [sago_revena(sago, grandoj=False)] if sago else []
    return vico("horizontalLayout_%d" % v, eroj + [f.vorto(n, teksto), f.signifo(m)])


# ------------------------------------------------------------------ page 1
def pagho1(f):
    eroj = [kapo(f, 7)]
    eroj += [vortvico(f, 285 + i, 458 + i, t, 404 + i) for i, t in enumerate(
        ["Saluton!", "Bonan tagon!", "Bonan matenon!", "Bonan vesperon!", "Bonan nokton!"])]
    eroj.append(vbox("verticalLayout", [
        vortvico(f, 290, 463, "Kiel vi fartas?", 409),
        vortvico(f, 291, 464, "Bone, dankon. Kaj vi?", 410, "label_109"),
        vortvico(f, 292, 465, "Sufiĉe bone.", 411, "label_110"),
        vortvico(f, 293, 466, "Ne tre bone.", 412, "label_111")], spacing=5))
    eroj.append(vbox("verticalLayout_3", [
        vortvico(f, 294, 1, "Bonan apetiton!", 11),
        vortvico(f, 296, 3, "Same al vi, dankon!", 13, "label_117")], spacing=5))
    # Button 3 stands above button 2: the word game pairs them by these names.
    eroj += [vortvico(f, 297, 2, "Je via sano!", 12), vortvico(f, 295, 4, "Ĝis revido!", 14),
             vortvico(f, 298, 5, "Adiaŭ!", 15), f.spacer()]
    return teksta_pagho("tab_33", "1", 1, vbox("verticalLayout_26", eroj, spacing=12))


# ------------------------------------------------------------------ page 2
TAGOJ = [(299, 391, "dimanĉo", 317), (300, 392, "lundo", 318), (301, 393, "mardo", 319),
         (302, 394, "merkredo", 320), (303, 395, "ĵaŭdo", 321), (304, 396, "vendredo", 322),
         (305, 397, "sabato", 323), (307, 410, "hieraŭ", 3), (308, 411, "hodiaŭ", 4), (309, 412, "morgaŭ", 19)]


def pagho2(f):
    eroj = [kapo(f, 20)] + [vortvico(f, *t) for t in TAGOJ] + [f.spacer()]
    return teksta_pagho("tab_34", "2", 2, vbox("verticalLayout_4", eroj, spacing=12))


# ------------------------------------------------------------------ page 3
MONATOJ = ["januaro", "februaro", "marto", "aprilo", "majo", "junio", "julio", "aŭgusto", "septembro", "oktobro",
           "novembro", "decembro"]
# row, written date, arrow, the date read aloud
DATOJ = [
    (324, "label_98", "13 jan. 1964", "label_99", "label_122",
     "La dektria (tago) de januaro (en la jaro) mil naŭcent sesdek kvar."),
    (325, "label_101", "4 dec. 1958", "label_102", "label_123", "La kvara de decembro mil naŭcent kvindek ok."),
    (326, "label_104", "14 jul. 1887", "label_105", "label_124", "La dekkvara de julio mil okcent okdek sep."),
]
ESPERANTA = [eco("tipo", "esperanta"), eco("lingvo", "eo")]


def datvico(f, v, skribita, sago, legata, teksto_skribita, teksto_legata):
    return hbox("horizontalLayout_%d" % v, [
        f.neklakebla(skribita, teksto_skribita, ecoj=[politiko("Maximum", "Preferred"),
                                                      aligno("Qt::AlignRight|Qt::AlignVCenter")], poste=ESPERANTA),
        sago_antauen(sago),
        f.neklakebla(legata, teksto_legata, ecoj=[faldo()], poste=ESPERANTA)])


def pagho3(f):
    monatoj = vbox("verticalLayout_5", [kapo(f, 21)] + [
        vortvico(f, 312 + i, 398 + i, m, 325 + i) for i, m in enumerate(MONATOJ)], spacing=12)
    datoj = vbox("verticalLayout_155", [kapo(f, 26, ecoj=[prop("maximumSize", size(MAKS, 30))]), f.etikedo(22)] + [
        datvico(f, v, a, b, c, ta, tc) for v, a, ta, b, c, tc in DATOJ], spacing=5)
    return teksta_pagho("tab_35", "3", 3, vbox("verticalLayout_6", [monatoj, datoj, f.spacer()]))


# ------------------------------------------------------------------ page 4
# block, caption, indent row, stack, word button, sentence, meaning
DEMANDAJ_EKZEMPLOJ = [
    ("verticalLayout_19", 298, "horizontalLayout_2", "verticalLayout_7", 387, "La pano estas seka.", 299),
    ("verticalLayout_21", 300, "horizontalLayout_3", "verticalLayout_20", 388, "Ĉu la pano estas seka?", 301),
    ("verticalLayout_22", 311, "horizontalLayout_4", "verticalLayout_18", 389, "Jes, la pano estas seka.", 312),
]


def ekzemplo(f, vico_nomo, stako, n, teksto, m):
    """An example sentence and its meaning, indented under its caption."""
    return hbox(vico_nomo, [f.spacer("horizontal", "Fixed", 30, 20),
                            vbox(stako, [f.vorto(n, teksto), f.etikedo(m)], spacing=5)])


def pagho4(f):
    eroj = [kapo(f, 10), f.etikedo(315)]
    for bloko, kapteksto, vico_nomo, stako, n, teksto, m in DEMANDAJ_EKZEMPLOJ:
        eroj.append(vbox(bloko, [
            f.etikedo(kapteksto, pol=("Preferred", "Maximum"), ecoj=[
                prop("styleSheet", s("font-weight: bold;", notr=True)), aligno("Qt::AlignLeft|Qt::AlignBottom")]),
            ekzemplo(f, vico_nomo, stako, n, teksto, m)]))
    # The negative answer follows the positive one without a caption of its own.
    eroj += [ekzemplo(f, "horizontalLayout_5", "verticalLayout_23", 390, "Ne, la pano ne estas seka.", 314),
             f.spacer()]
    return teksta_pagho("tab_36", "4", 4, vbox("verticalLayout_24", eroj, spacing=12))


# ------------------------------------------------------------------ page 5
# word button, word, meaning; rows 1 and 2 stand in this order
VORTARO = [(434, "infano", 361), (433, "ĵurnalo", 360), (435, "kaj", 362), (436, "kongreso", 363),
           (437, "kolekti", 364), (438, "lando", 365), (439, "veni", 366), (440, "leciono", 367),
           (441, "lernejo", 368), (442, "libro", 369), (443, "mejlo", 370), (444, "manĝi", 371),
           (445, "monujo", 372), (446, "ovo", 373), (447, "neŭtrala", 374), (449, "poŝtmarko", 376),
           (451, "sandviĉo", 378), (452, "sporto", 379), (453, "ŝuo", 380), (456, "vojaĝi", 383)]


def vortarvicoj(f, nomo, komenco, vicoj, spacing, vorto_ecoj):
    return vbox(nomo, [vico("horizontalLayout_%d" % (komenco + i), [f.vorto(n, t, ecoj=vorto_ecoj), f.signifo(m)])
                       for i, (n, t, m) in enumerate(vicoj)], spacing=spacing)


def pagho5(f):
    eroj = [kapo(f, 18), vortarvicoj(f, "verticalLayout_163", 333, VORTARO[:10], 9, [maks()]),
            vortarvicoj(f, "verticalLayout_164", 343, VORTARO[10:], 9, [maks()]), f.spacer()]
    return teksta_pagho("tab_37", "5", 5, vbox("verticalLayout_8", eroj, spacing=9), w=974, h=633)


# ------------------------------------------------------------------ page 6
TEKSTAJ_VORTOJ = [(472, "lerni", 420), (473, "tre", 421), (6, "antaŭ", 17), (475, "interŝanĝi", 423),
                  (477, "komenci", 425), (478, "facila", 426), (480, "alia", 428)]
# Words of the text that no earlier page teaches, after the first ones in the
# order the text uses them: row layout, word button, word, meaning.
ALDONAJ_VORTOJ = [(365, 485, "nomo", 434), (366, 486, "monato", 435), (367, 487, "lingvo", 436),
                  (368, 488, "kun", 437)]


def pagho6(f):
    legajho = widget("QLabel", "Memo1_Lec04", [
        prop("frameShape", enum("QFrame::Box")), prop("frameShadow", enum("QFrame::Sunken")),
        prop("text", s(LEGAJHO)), faldo(), prop("margin", num(5)), eco("tipo", "teksta"), eco("lingvo", "eo")])
    # Turning the page stops the recording.
    f.konekto(f.prefikso, "currentChanged(int)", "Lec04_memo1", "PaghoShanghita(int)")
    ludilo = widget("mp3ludilo", "Lec04_memo1", [
        politiko("Fixed", "Fixed"), prop("minimumSize", size(71, 34)), prop("maximumSize", size(71, 34)),
        prop("frameShape", enum("QFrame::StyledPanel")), prop("frameShadow", enum("QFrame::Plain"))])
    komenco = [kapo(f, 8), f.etikedo(418), legajho, ludilo, kapo(f, 9)]
    vorto_ecoj = [politiko("Maximum", "Fixed"), maks()]
    kolumnoj = []
    for nomo, komenco_n, vicoj, aldonaj in (("verticalLayout_167", 354, TEKSTAJ_VORTOJ[:4], []),
                                            ("verticalLayout_168", 358, TEKSTAJ_VORTOJ[4:], ALDONAJ_VORTOJ)):
        kolumnoj.append(vbox(nomo, [
            vico("horizontalLayout_%d" % (komenco_n + i), [f.vorto(n, t, ecoj=vorto_ecoj), f.signifo(m)])
            for i, (n, t, m) in enumerate(vicoj)] + [
            vico("horizontalLayout_%d" % v, [f.vorto(n, t, ecoj=vorto_ecoj), f.signifo(m)])
            for v, n, t, m in aldonaj], spacing=12))
    eroj = komenco + kolumnoj + [f.spacer()]
    return teksta_pagho("tab_38", "6", 6, vbox("verticalLayout_2", eroj, spacing=12), ikono=":/ikonoj/parolo.png")


# ---------------------------------------------------------- pages 7 to 10
def frazpagho():
    return pagho("Ekzerco7_Lec04", "Frazo", None, vbox("verticalLayout_27", [
        ekzerckadro("frazokonstruo", "Lec04_Ekz_Frazo_0407")], spacing=0, margins=0))


def kradpagho(nomo, titolo, ikono, layout_nomo, klaso, kadro):
    """An exercise page whose frame stands in a grid layout."""
    return pagho(nomo, titolo, ikono, grid(layout_nomo, [item(ekzerckadro(klaso, kadro), vico=0, kolumno=0)],
                                           spacing=0, margins=0))


KRADPAGHOJ = [
    ("Ekzerco1_Lec04", "7", MIKROFONETO, "gridLayout_16", "prononco", "Lec04_Ekz_Pronon_0403"),
    ("Ekzerco2_Lec04", "8", ORELETO, "gridLayout_17", "audkompreno", "Lec04_Ekz_Aud_0403"),
    ("Ekzerco3_Lec04", "9", VORTOLUDO, "gridLayout_18", "vortoludo", "Lec04_Ekz_Vorto_0401"),
]

# ------------------------------------------------------------------ page 11
DEMANDOJ = [  # question group, question label, answer field, model answer
    (173, 385, "lineEdit_43", "Ĉu via patro kolektas poŝtmarkojn?"),
    (174, 386, "lineEdit_44", "Ĉu la filo forgesis la lakton?"),
    (175, 387, "lineEdit_45", "Ĉu la infanoj manĝas sandviĉon?"),
    (176, 388, "lineEdit_46", "Ĉu sana knabo trinkas lakton?"),
    (177, 389, "lineEdit_47", "Ĉu la patro lavos la malgrandajn tasojn?"),
    (179, 391, "lineEdit_48", "Ĉu la nova instruistino forgesis la libron?"),
    (180, 392, "lineEdit_49", "Ĉu ili vendas teon kaj kafon?"),
    (181, 393, "lineEdit_50", "Ĉu la malsana filino malbone skribas?"),
    (182, 394, "lineEdit_51", "Ĉu ili estas bonaj amikoj?"),
    (183, 395, "lineEdit_52", "Ĉu via frato vendas librojn kaj ĵurnalojn?"),
]
KAMPAJ_ECOJ = [politiko("Preferred", "Preferred")]
DEMANDA_ALIGNO = aligno("Qt::AlignLeft|Qt::AlignBottom")


def pagho11(f):
    eroj = [kapo(f, 5)]
    eroj += [vbox("verticalLayout_%d" % grupo, [
        f.etikedo(n, ecoj=[DEMANDA_ALIGNO, kamarado(kampo)]), f.respondo(kampo, ecoj=KAMPAJ_ECOJ),
        f.korekta(i + 1, modelo)], spacing=2) for i, (grupo, n, kampo, modelo) in enumerate(DEMANDOJ)]
    eroj.append(sendujo("frame"))
    return teksta_pagho("Sendas1_Lec04", "10", 11, vbox("verticalLayout_10", eroj, spacing=12), w=974, h=772,
                        ikono=SENDAS)


# ------------------------------------------------------------------ page 12
# The questions are Esperanto and stay as built; trailing blanks of the model
# answers are the form's own.
RESPONDOJ = [  # group, question label, question, answer field, model answer label, model answer
    (186, "Label385_2", "1. Ĉu la lakto estas varma?", "lineEdit_53", "label_11", "Ne, la lakto ne estas varma."),
    (187, "Label386_2", "2. Ĉu vi gustumis la kukon?", "lineEdit_54", "label_12", "Jes, mi gustumis la kukon. "),
    (188, "Label387_2", "3. Ĉu lia edzino estas la patrino de via amiko?", "lineEdit_55", "label_13",
     "Ne, lia edzino ne estas la patrino de mia amiko. "),
    (189, "Label388_2", "4. Ĉu majo estas la dua monato de la jaro?", "lineEdit_56", "label_14",
     "Ne, majo ne estas la dua monato de la jaro."),
    (190, "Label389_2", "5. Ĉu vi vidis la novan teatraĵon?", "lineEdit_57", "label_15",
     "Jes, mi vidis la novan teatraĵon. "),
]


# The questions use words that the course teaches only later (gustumi, edzino)
# or nowhere else (monato, teatraĵo): the learner must understand them to answer.
DEMANDAJ_VORTOJ = [(481, "gustumi", 430), (482, "edzino", 431), (483, "monato", 432), (484, "teatraĵo", 433)]


def pagho12(f):
    grupoj = [vbox("verticalLayout_%d" % grupo, [
        widget("QLabel", etikedo, [DEMANDA_ALIGNO, faldo(), kamarado(kampo), prop("text", s(demando)),
                                   eco("lingvo", "eo")]),
        f.respondo(kampo, ecoj=KAMPAJ_ECOJ),
        widget("korekta", modelo_nomo, [prop("text", s(modelo))])], spacing=2)
        for grupo, etikedo, demando, kampo, modelo_nomo, modelo in RESPONDOJ]
    eroj = [kapo(f, 6), f.etikedo(401)]
    # The heading and each meaning name a word box as buddy, so that the copy
    # for the corrector leaves the list out (as lesson 12's article list).
    vortoj = vbox("verticalLayout_191", [kapo(f, 429, ecoj=[kamarado("Lec04_Button%d" % DEMANDAJ_VORTOJ[0][0])])] + [
        vico("horizontalLayout_%d" % (361 + i), [
            f.vorto(n, v, ecoj=[maks()]), f.signifo(m, ecoj=[kamarado("Lec04_Button%d" % n)])])
        for i, (n, v, m) in enumerate(DEMANDAJ_VORTOJ)], spacing=9)
    eroj.append(vbox("verticalLayout_185", grupoj + [vortoj, sendujo("frame_2"), f.spacer()], spacing=12))
    return teksta_pagho("Sendas2_Lec04", "11", 12, vbox("verticalLayout_11", eroj), ikono=SENDAS)


def formo():
    f = Formo(4, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f), pagho6(f), frazpagho()]
    paghoj += [kradpagho(*k) for k in KRADPAGHOJ]
    paghoj += [pagho11(f), pagho12(f)]
    return f.dokumento(paghoj, 999, 664, "horizontalLayout", nuna=0, radiko_horizontala=True)
