"""Lesson 7: the prepositions, two readings with their recordings and
questions, the accusative ending and the prepositions; four exercise pages
and a page of sentences to translate into Esperanto.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); BILDOJ the picture this
lesson brought in, drawn by tools/bildoj.py. The object names are the ones
the exercise items, the saved answers and the clips rely on, gaps and all."""
from lecionformo import (
    MAKS, MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, aligno, eco, egala, ekzercpagho, enum, faldo, grasa, hbox,
    kamarado, num, politiko, prop, s, sago_antauen, sago_revena, sendujo, size, tekstpagho, vbox, widget)

PT = {
    # page 1: prepositions I
    "Label1": "Preposições I",
    "Label486": (
        "A preposição liga um substantivo ou pronome ao resto da frase e mostra a relação entre eles: onde, "
        "quando, como ou por quê. As preposições do Esperanto nunca mudam de forma, e quase todas têm um "
        "sentido claro e próprio. Clique numa preposição para ouvi-la; abaixo dela há um ou dois exemplos de uso."),
    "Label487": "a, para (direção; a quem)",
    "Label488": "junto a; em casa de",
    "Label489": "de (origem, posse); por (agente)",
    "Label516": "de (depois de uma quantidade)",
    "Label490": "durante",
    "Label491": "em, dentro de; para dentro de (com -n)",
    "Label492": "até",
    "Label493": "com (companhia)",
    "Label494": "para, a fim de",
    "Label495": "por causa de",
    "Label496": "sob, debaixo de",
    "Label497": "sobre, em cima de",
    # page 2: the first reading
    "Label2": "Compreensão de texto",
    "Label499": "membro, sócio",
    "Label500": "juventude",
    "Label501": "acontecer, realizar-se",
    "Label502": "micro-ônibus",
    "Label503": "chegar a",
    "Label504": "almoço",
    "Label505": "amigos e amigas",
    "Label506": "ir",
    "Label507": "congresso",
    "Label508": "parar",
    "Label509": "estar sentado",
    "Label510": "cadeira, assento",
    "Label511": "agradecer",
    "Label512": "visitar",
    "Label581": "esperantista (quem fala Esperanto)",
    "Label582": "clube",
    "Label583": "motorista",
    # page 3: questions on the first reading
    "Label4": "Exercícios",
    "Label566": (
        "Responda em Esperanto, com frases completas, às perguntas sobre o texto da página anterior. As "
        "perguntas falam como o autor do texto (mi, ni); nas suas respostas, o autor passa a ser vi."),
    # page 4: prepositions II
    "Label5": "Preposições II",
    "Label513": "em vez de",
    "Label514": "diante de; antes de; há (tempo)",
    "Label515": "ao lado de",
    "Label517": "fora de",
    "Label518": "de dentro de; de (origem, matéria)",
    "Label523": "sobre, a respeito de",
    "Label524": "sem",
    "Label525": "acima de, por cima de",
    "Label526": "através de",
    "Label562": "ao redor de, em volta de",
    "Label519": "entre",
    "Label520": "contra; em frente de",
    "Label521": "por meio de, com (instrumento)",
    "Label522": "depois de",
    "Label563": "passando ao lado de",
    "Label564": "do outro lado de; atravessando",
    "Label565": "atrás de",
    "Label567": (
        "Je não tem sentido fixo: usa-se quando nenhuma outra preposição exprime claramente o sentido, como "
        "nas horas (je la tria horo) e nas medidas."),
    # page 5: the second reading
    "Label6": "Compreensão de texto",
    "Label528": "viajar, andar (de veículo)",
    "Label529": "cidade",
    "Label530": "muito",
    "Label531": "animal",
    "Label532": "Ártico",
    "Label533": "continente",
    "Label534": "admirar",
    "Label535": "agradar a",
    "Label536": "urso",
    "Label537": "parecer-se com",
    "Label538": "entrada",
    "Label539": "gaiola, jaula",
    "Label540": "macaco",
    "Label541": "Canadá",
    "Label527": "frequentemente",
    "Label542": "interessante",
    "Label543": "completo",
    "Label544": "porque",
    "Label545": "automóvel, carro",
    "Label546": "jardim zoológico",
    "Label584": "por muito tempo",
    "Label585": "só, somente, apenas",
    "Label586": "agora",
    "Label587": "então, portanto",
    # page 6: questions on the second reading
    "Label7": "Exercícios",
    "Label568": (
        "Responda em Esperanto, com frases completas, às perguntas sobre o texto da página anterior. As "
        "perguntas falam como o autor do texto (mi, mia); nas suas respostas, o autor passa a ser vi (via)."),
    # page 7: prepositions III
    "Label8": "Preposições III",
    "Label547": (
        "A terminação -n marca o objeto direto: a pessoa ou coisa sobre a qual recai diretamente a ação do "
        "verbo."),
    "Label555": "Um pássaro apanha um inseto.",
    "Label548": (
        "Uma frase pode ter também outras partes que dizem mais sobre a ação. Essa parte muitas vezes se liga "
        "ao verbo por uma preposição que mostra a relação: aqui pro dá o motivo do agradecimento."),
    "Label549": "Eu lhe agradeço pela sua gentileza.",
    "Label550": (
        "Quando uma preposição mostra a relação, a palavra depois dela não recebe -n: a própria preposição já"
        " diz como essa palavra se relaciona com o resto da frase."),
    "Label551": "Eu leio o livro de Pedro.",
    "Label552": "Eu viajarei para a América.",
    "Label553": "Ele bebeu uma xícara de café.",
    "Label554": (
        "Portanto, como regra, a palavra depois de uma preposição não recebe -n. A próxima página mostra como"
        " a terminação -n pode tomar o lugar de uma preposição; por isso às vezes você a verá depois de uma."),
    # page 8: the ending -n in place of a preposition
    "Label556": (
        "A terminação -n pode também tomar o lugar de uma preposição, desde que o sentido continue claro. As "
        "duas frases de cada par abaixo, ligadas pelo sinal de igual, querem dizer a mesma coisa."),
    "Label557": "Duas preposições podem vir uma depois da outra, cada uma com o seu próprio sentido:",
    "Label558": "Saia da minha frente!",
    "Label559": (
        "Quando a primeira de duas preposições assim seria al, que indica movimento em direção a um lugar, "
        "ela é omitida: ninguém diz a primeira frase abaixo; ela só mostra o sentido. A terminação -n na "
        "palavra depois da segunda preposição passa a indicar o movimento:"),
    "Label560": "Compare com a frase seguinte:",
    "Label561": (
        "Com -n (en la ĝardenon) eu entrei caminhando no jardim: estava fora e entrei. Sem -n (en la ĝardeno)"
        " eu já estava no jardim e caminhei dentro dele."),
    "Label580": (
        "A mesma terminação -n indica direção também nos advérbios de lugar: kie? (onde?) – kien? (para onde?); "
        "tie (lá) – tien (para lá); hejme (em casa) – hejmen (para casa); antaŭe (na frente) – antaŭen (para a "
        "frente). Mi iras hejmen: vou para casa."),
    # page 13: translation into Esperanto
    "Label10": "Traduza para o Esperanto",
    "Label569": "1. Eu vim de bicicleta.",
    "Label570": "2. Pedalei para dentro de São Francisco.",
    "Label571": "3. Pedalei em São Francisco.",
    "Label572": "4. Ela corria na grama.",
    "Label573": "5. Ela correu para a grama.",
    "Label575": "6. Ele corria atrás da árvore.",
    "Label576": "7. Ele fumava atrás da árvore.",
    "Label577": "8. Ela viajou com um amigo.",
    "Label578": "9. Ela escreveu a lápis.",
    "Label579": "10. Ele pôs o lápis debaixo do papel.",
}

PAROLO = ":/ikonoj/parolo.png"
PLENIGAS = ":/ikonoj/plenigas_spacon2.png"


def maks():
    return prop("maximumSize", size(MAKS, MAKS))


def titolo(f, n, grasa_=False, wrap=False):
    """A page heading: only some of them are bold or wrap by themselves."""
    return f.etikedo(n, klaso="titolo", pol=("Preferred", "Maximum"), wrap=wrap, ecoj=[grasa()] if grasa_ else ())


def frazo(f, n, teksto, notr=False):
    """A clickable Esperanto sentence: it plays the clip btn + its number."""
    return f.vorto(n, teksto, notr=notr, poste=[faldo()])


# ------------------------------------------------------- pages 1 and 4
def bloko(f, nomo, vico1, vico2, n, vorto, m, sago, ekzemplo, pol=False):
    """A preposition, its meaning, and under it an arrow with the example."""
    ecoj = [maks()] + ([politiko("Preferred", "Preferred")] if pol else [])
    return vbox(nomo, [
        hbox(vico1, [f.vorto(n, vorto, ecoj=ecoj), f.signifo(m)], spacing=12),
        hbox(vico2, [sago_revena(sago, centrita=True),
                     f.neklakebla(ekzemplo[0], ekzemplo[1],
                                  ecoj=[faldo(), eco("tipo", "esperanta"), eco("lingvo", "eo")])], spacing=12)],
        spacing=3)


# block layout, word line, example line, word label, preposition, meaning label, arrow, sentence label, example
PREPOZICIOJ_I = [
    ("verticalLayout_197", 371, 372, 500, "al", 487, 138, "Li venos al la urbo.  /  Ŝi parolas al ili."),
    ("verticalLayout_200", 373, 374, 501, "ĉe", 488, 140, "Ŝi atendas ĉe la lernejo.  /  Mi loĝas ĉe mia frato."),
    ("verticalLayout_207", 375, 376, 502, "de", 489, 142, "Tio estas la libro de la instruisto.  /  Mi venas de la lernejo."),
    ("verticalLayout_208", 377, 378, 528, "da", 516, 144,
     "Mi aĉetis iom da sukero.  /  Ŝi trinkas tason da teo."),
    ("verticalLayout_209", 379, 380, 503, "dum", 490, 146,
     "Dum la leciono ni ne parolas.  /  Ni vojaĝis dum du semajnoj."),
    ("verticalLayout_218", 486, 487, 504, "en", 491, 201,
     "La infanoj ludas en la ĝardeno.  /  Mi loĝas en granda urbo."),
    ("verticalLayout_226", 488, 489, 505, "ĝis", 492, 203, "Mi lernas ĝis la vespero.  /  Ni promenis ĝis la lernejo."),
    ("verticalLayout_228", 490, 491, 506, "kun", 493, 205,
     "Mi promenas kun mia amiko.  /  Ŝi trinkas kafon kun lakto."),
    ("verticalLayout_239", 492, 493, 507, "por", 494, 207, "Tiu ĉi libro estas por vi.  /  Ni manĝas por vivi."),
    ("verticalLayout_240", 494, 495, 508, "pro", 495, 209,
     "Ŝi estas ĝoja pro la bela tago.  /  Pro la leciono mi ne povas veni."),
    ("verticalLayout_277", 496, 497, 509, "sub", 496, 211, "La plumo estas sub la libro."),
    ("verticalLayout_283", 498, 499, 510, "sur", 497, 213, "La kato estas sur la tegmento."),
]

PREPOZICIOJ_II = [  # four groups of blocks, as PREPOZICIOJ_I
    ("verticalLayout_264", [
        ("verticalLayout_259", 432, 433, 525, "anstataŭ", 513, 162,
         "Li venis anstataŭ mia frato.  /  Ŝi trinkas teon anstataŭ kafo."),
        ("verticalLayout_260", 434, 435, 526, "antaŭ", 514, 164,
         "La ĝardeno estas antaŭ la domo.  /  Mi trinkas kafon antaŭ la leciono."),
        ("verticalLayout_261", 436, 437, 527, "apud", 515, 166,
         "La lernejo estas apud mia domo.  /  Ŝi loĝas apud mi."),
        ("verticalLayout_262", 438, 439, 529, "ekster", 517, 168, "La infanoj ludas ekster la domo."),
        ("verticalLayout_263", 440, 441, 530, "el", 518, 170,
         "La kato venis el la ĝardeno.  /  Mia amiko estas el Kanado."),
    ]),
    ("verticalLayout_265", [
        ("verticalLayout_266", 442, 443, 535, "pri", 523, 172,
         "Ni parolas pri la lernejo.  /  Ŝi skribis libron pri geografio."),
        ("verticalLayout_267", 444, 445, 536, "sen", 524, 174,
         "Mi trinkas kafon sen sukero.  /  Mi ne povas vivi sen vi."),
        ("verticalLayout_268", 446, 447, 537, "super", 525, 176,
         "Mia ĉambro estas super la ĉambro de mia frato."),
        ("verticalLayout_269", 448, 449, 538, "tra", 526, 178,
         "Ni promenis tra la urbo.  /  La kato kuris tra la ĝardeno."),
        ("verticalLayout_270", 450, 451, 574, "ĉirkaŭ", 562, 180,
         "La infanoj ludas ĉirkaŭ la instruistino.  /  Ĉirkaŭ la domo estas ĝardeno."),
    ]),
    ("verticalLayout_284", [
        ("verticalLayout_285", 500, 501, 531, "inter", 519, 215,
         "Inter la domo kaj la lernejo estas butiko.  /  Ni parolis inter ni."),
        ("verticalLayout_286", 502, 503, 532, "kontraŭ", 520, 217,
         "La butiko estas kontraŭ la lernejo.  /  Mi havas nenion kontraŭ vi."),
        ("verticalLayout_287", 504, 505, 533, "per", 521, 219, "Mi skribas per plumo.  /  Ni vojaĝis per aŭto."),
        ("verticalLayout_288", 506, 507, 534, "post", 522, 221,
         "Post la leciono ni ludas.  /  Li venos post du tagoj."),
    ]),
    ("verticalLayout_289", [
        ("verticalLayout_290", 508, 509, 575, "preter", 563, 223, "Ni promenis preter la lernejo."),
        ("verticalLayout_291", 510, 511, 576, "trans", 564, 225, "Mi loĝas trans la urbo."),
        ("verticalLayout_292", 512, 513, 577, "malantaŭ", 565, 227,
         "La ĝardeno estas malantaŭ la domo.  /  Mia frato venas malantaŭ mi."),
        ("verticalLayout_293", 514, 515, 578, "je", 567, 229, "Ni vizitos vin je la tria horo."),
    ]),
]


def prepozicio(f, b):
    nomo, v1, v2, n, vorto, m, sago, ekzemplo = b
    return bloko(f, nomo, "horizontalLayout_%d" % v1, "horizontalLayout_%d" % v2, n, vorto, m, "label_%d" % sago,
                 ("label_%d" % (sago + 1), ekzemplo), pol=n == 500)


def pagho1(f):
    enhavo = vbox("verticalLayout_5", [titolo(f, 1, wrap=True), f.etikedo(486)] +
                  [prepozicio(f, b) for b in PREPOZICIOJ_I[:5]] +
                  [vbox("verticalLayout_6", [prepozicio(f, b) for b in PREPOZICIOJ_I[5:]]), f.spacer()])
    return tekstpagho("tab_3", "1", "verticalLayout_15", "scrollArea", "scrollAreaWidgetContents", 1109, 824, enhavo)


def pagho4(f):
    kapo = titolo(f, 5)  # first: the labels are numbered in the order they are made
    grupoj = [vbox(g, [prepozicio(f, b) for b in blokoj], spacing=12) for g, blokoj in PREPOZICIOJ_II]
    enhavo = vbox("verticalLayout_4", [kapo] + grupoj + [f.spacer()])
    return tekstpagho("tab_12", "4", "verticalLayout_9", "scrollArea_4", "scrollAreaWidgetContents_4", 1109, 1188,
                      enhavo)


# ------------------------------------------------------- pages 2 and 5
LEGAJXO_2 = (
    "Mi estas membro de la Junulara Esperantista Klubo de nia urbo. Kun miaj geamikoj el la klubo mi iris al la "
    "Esperanto-Kongreso, kiu okazis en San-Francisko. Ni vojaĝis en aŭtobuseto dum tri tagoj kaj portis kun ni "
    "sandviĉojn, kiuj estis sub la seĝoj, sur kiuj ni sidis. Ĉiutage ni haltis por la tagmanĝo en malgranda urbo kaj "
    "vizitis ĝin. Kiam ni alvenis al San-Francisko, ni dankis la ŝoforon pro la bona vojaĝo.")
LEGAJXO_3 = (
    "Hieraŭ mi veturis per aŭtomobilo kun mia frato al la zoo ekster la urbo. Tie vivas multaj bestoj el ĉiuj "
    "kontinentoj. Apud la enirejo estas la ursoj, kiuj tre plaĉis al mia frato. La kaĝo de la nigra urso el Kanado "
    "estas inter la kaĝoj de la brunaj kaj blankaj ursoj. La blanka urso estas el Arkto. Ni longe admiris la grandajn "
    "simiojn. Ili estas interesaj, ĉar ili tre similas al homoj. Unu tago ne sufiĉas por kompleta vizito: ni vidis "
    "nur la ursojn kaj la simiojn. Nun ni volas vidi la aliajn bestojn, do ni ofte iros al la zoo.")

VORTARO_2 = [  # group, [(row layout, word label, word, meaning label)]
    ("verticalLayout_219", [(396, 511, "membro", 499), (397, 512, "junularo", 500),
                            (516, 579, "esperantisto", 581), (517, 580, "klubo", 582), (398, 513, "okazi", 501),
                            (399, 514, "aŭtobuseto", 502), (403, 515, "alveni al", 503),
                            (404, 516, "tagmanĝo", 504), (405, 517, "geamikoj", 505)]),
    ("verticalLayout_220", [(400, 519, "iri", 506), (401, 518, "kongreso", 507), (402, 520, "halti", 508),
                            (406, 521, "sidi", 509), (407, 522, "seĝo", 510), (408, 523, "danki", 511),
                            (409, 524, "viziti", 512), (518, 581, "ŝoforo", 583)]),
]
VORTARO_5 = [
    ("verticalLayout_222", [(411, 539, "veturi", 528), (412, 540, "urbo", 529), (413, 541, "multa", 530),
                            (414, 542, "besto", 531), (415, 543, "Arkto", 532), (416, 544, "kontinento", 533),
                            (417, 545, "admiri", 534), (425, 547, "plaĉi al", 535), (426, 546, "urso", 536),
                            (519, 582, "longe", 584), (520, 583, "nur", 585)]),
    ("verticalLayout_224", [(418, 548, "simili", 537), (419, 549, "enirejo", 538), (420, 550, "kaĝo", 539),
                            (421, 551, "simio", 540), (422, 552, "Kanado", 541), (423, 553, "ofte", 527),
                            (424, 554, "interesa", 542), (427, 556, "kompleta", 543), (428, 555, "ĉar", 544),
                            (429, 557, "aŭtomobilo", 545), (430, 558, "zoo", 546), (521, 584, "nun", 586),
                            (522, 585, "do", 587)]),
]


def legajxo(nomo, teksto, tiparo):
    """The reading text: Esperanto, never translated, read aloud by the player below it."""
    return widget("QLabel", nomo, [prop("font", tiparo), prop("frameShape", enum("QFrame::Box")),
                                   prop("frameShadow", enum("QFrame::Sunken")), prop("text", s(teksto)), faldo(),
                                   prop("margin", num(5)), eco("tipo", "teksta"), eco("lingvo", "eo")])


def ludilo(f, nomo):
    """The player of the reading; turning the page stops it."""
    plena = "Lec07_" + nomo
    f.konekto("Lec07", "currentChanged(int)", plena, "PaghoShanghita(int)")
    return widget("mp3ludilo", plena, [politiko("Fixed", "Fixed"), prop("minimumSize", size(84, 42)), maks(),
                                       prop("frameShape", enum("QFrame::StyledPanel")),
                                       prop("frameShadow", enum("QFrame::Plain"))])


def vortaro(f, grupoj, spacing=None):
    return [vbox(g, [hbox("horizontalLayout_%d" % v, [f.vorto(n, vorto, ecoj=[maks()]), f.signifo(m)], spacing=12)
                     for v, n, vorto, m in vicoj], spacing=spacing) for g, vicoj in grupoj]


def pagho2(f):
    enhavo = vbox("verticalLayout_7", [
        titolo(f, 2, grasa_=True),
        legajxo("Memo2_Lec07", LEGAJXO_2, "<font><family>Arial</family><pointsize>11</pointsize></font>"),
        ludilo(f, "memo2")] + vortaro(f, VORTARO_2) + [f.spacer()])
    return tekstpagho("tab_10", "2", "verticalLayout_16", "scrollArea_2", "scrollAreaWidgetContents_2", 1124, 760,
                      enhavo, ikono=PAROLO)


def pagho5(f):
    enhavo = vbox("verticalLayout_10", [
        titolo(f, 6, grasa_=True),
        legajxo("Memo3_Lec07", LEGAJXO_3, "<font><pointsize>11</pointsize></font>"),
        ludilo(f, "memo3")] + vortaro(f, VORTARO_5, spacing=6) + [f.spacer()])
    return tekstpagho("tab_19", "5", "verticalLayout_17", "scrollArea_5", "scrollAreaWidgetContents_5", 1124, 760,
                      enhavo, ikono=PAROLO)


# ------------------------------------------------------- pages 3 and 6
# question block, question label, question, answer field, model answer label, model answer(s)
DEMANDOJ_3 = [
    ("verticalLayout_229", "Label385_4", "1. De kiu klubo mi estas membro?", "lineEdit_63", "label",
     ["Vi estas membro de la Junulara Esperantista Klubo."]),
    ("verticalLayout_230", "Label386_4", "2. Kia klubo ĝi estas?", "lineEdit_64", "label_2",
     ["Ĝi estas klubo de Esperanto.", "Ĝi estas esperantista klubo."]),
    ("verticalLayout_231", "Label387_4", "3. Kion ni portis kun ni?", "lineEdit_65", "label_3",
     ["Vi portis kun vi sandviĉojn."]),
    ("verticalLayout_232", "Label388_4", "4. Kie ili estis?", "lineEdit_66", "label_4",
     ["Ili estis sub la seĝoj sur kiuj vi sidis."]),
    ("verticalLayout_233", "Label389_4", "5. Kio okazis en San-Francisko?", "lineEdit_67", "label_5",
     ["En San-Francisko okazis Esperanto-Kongreso.", "En San-Francisko okazis kongreso de Esperanto."]),
    ("verticalLayout_234", "Label388_5", "6. Kiom da tagoj ni vojaĝis?", "lineEdit_68", "label_6",
     ["Vi vojaĝis dum tri tagoj."]),
]
DEMANDOJ_6 = [
    ("verticalLayout_242", "Label385_6", "1. Per kio mi veturis al la zoo?", "lineEdit_76", "label_7",
     ["Vi veturis al la zoo per aŭtomobilo."]),
    ("verticalLayout_241", "Label386_6", "2. Kie estas la zoo?", "lineEdit_75", "label_8",
     ["La zoo estas ekster la urbo."]),
    ("verticalLayout_243", "Label387_6", "3. Kio tre plaĉis al mia frato?", "lineEdit_77", "label_9",
     ["Al via frato tre plaĉis la ursoj apud la enirejo.", "La ursoj apud la enirejo tre plaĉis al via frato."]),
    ("verticalLayout_244", "Label388_8", "4. Kie estas la kaĝo de la nigra urso?", "lineEdit_78", "label_10",
     ["La kaĝo de la nigra urso estas inter la kaĝoj de la brunaj kaj blankaj ursoj."]),
    ("verticalLayout_245", "Label389_6", "5. De kie estas la blanka urso?", "lineEdit_79", "label_11",
     ["La blanka urso estas el Arkto."]),
    ("verticalLayout_246", "Label388_9", "6. Kiuj bestoj tre similas al homoj?", "lineEdit_80", "label_12",
     ["La grandaj simioj tre similas al la homoj."]),
]


def modelo(nomo, respondoj):
    """A model answer; two accepted forms stand on two lines."""
    return widget("korekta", nomo, [prop("text", s(" \n".join(respondoj)))])


def demando(f, grupo, etikedo, demando_, kampo, modela, respondoj):
    """A question in Esperanto on the reading (never translated)."""
    return vbox(grupo, [
        widget("QLabel", etikedo, [aligno("Qt::AlignLeft|Qt::AlignBottom"), faldo(), eco("lingvo", "eo"),
                                   kamarado(kampo), prop("text", s(demando_))]),
        f.respondo(kampo, ecoj=[politiko("Preferred", "Preferred"), maks()]),
        modelo(modela, respondoj)])


def demandpagho(f, nomo, langeto, pagho_layout, areo, enhavo_nomo, enhava, kapo_, instrukcio, demandoj, panelo):
    enhavo = vbox(enhava, [f.kapo(kapo_), f.etikedo(instrukcio)] + [demando(f, *d) for d in demandoj] +
                  [sendujo(panelo), f.spacer()], spacing=12)
    return tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, 1124, 760, enhavo, ikono=SENDAS)


# ------------------------------------------------------------------ page 7
def paro(f, nomo, n, teksto, m, notr=False, spacing=3):
    """An Esperanto sentence with its meaning under it."""
    return vbox(nomo, [frazo(f, n, teksto, notr=notr), f.etikedo(m)], spacing=spacing)


def alineo(f, nomo, enhavo):
    """An indented example: a fixed gap, then the example."""
    return hbox(nomo, [f.spacer("horizontal", "Fixed", 40, 20), enhavo])


def pagho7(f):
    enhavo = vbox("verticalLayout_28", [
        titolo(f, 8),
        vbox("verticalLayout_12", [f.etikedo(547), alineo(f, "horizontalLayout_477", paro(
            f, "verticalLayout_21", 559, "Birdo kaptas insektoN.", 555, notr=True))]),
        vbox("verticalLayout_26", [f.etikedo(548), alineo(f, "horizontalLayout_476", paro(
            f, "verticalLayout_22", 560, "Mi dankas viN pro via afablecO.", 549))]),
        vbox("verticalLayout_27", [f.etikedo(550), alineo(f, "horizontalLayout_475", vbox("verticalLayout_235", [
            paro(f, "verticalLayout_23", 561, "Mi legas la libroN de PetrO.", 551),
            paro(f, "verticalLayout_24", 562, "Mi vojaĝos al AmerikO.", 552),
            paro(f, "verticalLayout_25", 563, "Li trinkis tasoN da kafO.", 553)]))]),
        f.etikedo(554),
        f.spacer()], spacing=20)
    return tekstpagho("tab_21", "7", "verticalLayout_18", "scrollArea_7", "scrollAreaWidgetContents_7", 1124, 760,
                      enhavo)


# ------------------------------------------------------------------ page 8
def egalaj(f, grupo, n1, t1, linio, bildo, n2, t2):
    """A sentence and, under it, the equals sign and a sentence meaning the same."""
    return vbox(grupo, [frazo(f, n1, t1), hbox(linio, [egala(bildo), frazo(f, n2, t2)], spacing=12)], spacing=0)


def pagho8(f):
    enhavo = vbox("verticalLayout_35", [
        f.etikedo(556),
        egalaj(f, "verticalLayout_13", 564, "Ni veturas al Montrealo.", "horizontalLayout_2", "label_136", 565,
               "Ni veturas Montrealon."),
        egalaj(f, "verticalLayout_29", 566, "Ili restis dum tri tagoj.", "horizontalLayout_3", "label_190", 567,
               "Ili restis tri tagojn."),
        egalaj(f, "verticalLayout_30", 569, "La infano obeas al la patro.", "horizontalLayout_4", "label_191", 568,
               "La infano obeas la patron."),
        vbox("verticalLayout_33", [f.etikedo(557),
                                   paro(f, "verticalLayout_37", 570, "Foriru de antaŭ mi!", 558, spacing=0)]),
        vbox("verticalLayout_32", [f.etikedo(559), vbox("verticalLayout_31", [
            frazo(f, 571, "Mi promenis AL EN la ĝardeno."),
            hbox("horizontalLayout_5", [sago_antauen("label_200"), frazo(f, 572, "Mi promenis EN la ĝardenoN.")],
                 spacing=12)], spacing=0)]),
        vbox("verticalLayout_34", [f.etikedo(560), frazo(f, 573, "Mi promenis EN la ĝardenO.")], spacing=6),
        f.etikedo(561),
        f.etikedo(580),
        f.spacer()], spacing=20)
    return tekstpagho("tab_22", "8", "verticalLayout_19", "scrollArea_8", "scrollAreaWidgetContents_8", 1124, 760,
                      enhavo)


# --------------------------------------------------------- pages 9 to 12
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item section)
    ("Ekzerco1_Lec07", "9", VORTOLUDO, "verticalLayout_36", "vortoludo", "Lec07_Ekzerco_0701"),
    ("Ekzerco2_Lec07", "10", PLENIGAS, "verticalLayout_38", "plenigas_spacon", "Lec07_Ekz_Plen_0702"),
    ("Ekzerco3_Lec07", "11", MIKROFONETO, "verticalLayout_39", "prononco", "Lec07_Ekzerco_0709"),
    ("Ekzerco4_Lec07", "12", ORELETO, "verticalLayout_40", "audkompreno", "Lec07_Ekzerco_0703"),
]

# ------------------------------------------------------------------ page 13
TRADUKOJ = [  # block, sentence label, answer field, model answer label, model answer
    (247, 569, "lineEdit_58", "label_13", "Mi venis per biciklo."),
    (248, 570, "lineEdit_59", "label_14", "Mi biciklis en San-Franciskon."),
    (249, 571, "lineEdit_60", "label_15", "Mi biciklis en San-Francisko."),
    (250, 572, "lineEdit_61", "label_16", "Ŝi kuris sur la herbo."),
    (251, 573, "lineEdit_62", "label_17", "Ŝi kuris sur la herbon."),
    (253, 575, "lineEdit_81", "label_18", "Li kuris malantaŭ la arbo."),
    (254, 576, "lineEdit_82", "label_19", "Li fumis malantaŭ la arbo."),
    (255, 577, "lineEdit_83", "label_20", "Ŝi vojaĝis kun amiko."),
    (256, 578, "lineEdit_84", "label_21", "Ŝi skribis per krajono."),
    (257, 579, "lineEdit_85", "label_22", "Li metis la krajonon sub la paperon."),
]


def pagho13(f):
    eroj = [f.kapo(10)]
    for grupo, n, kampo, modela, respondo in TRADUKOJ:
        eroj.append(vbox("verticalLayout_%d" % grupo, [
            f.etikedo(n, ecoj=[aligno("Qt::AlignLeft|Qt::AlignBottom"), kamarado(kampo)]),
            f.respondo(kampo, ecoj=[politiko("Preferred", "Preferred")]),
            modelo(modela, [respondo])], spacing=2))
    # The panel closes the page: no spacer under it.
    enhavo = vbox("verticalLayout_14", eroj + [sendujo("frame_3")], spacing=12)
    return tekstpagho("Sendas3_Lec07", "13", "verticalLayout_20", "scrollArea_9", "scrollAreaWidgetContents_9", 1109,
                      772, enhavo, ikono=SENDAS)


def formo():
    f = Formo(7, PT)
    paghoj = [
        pagho1(f), pagho2(f),
        demandpagho(f, "Sendas1_Lec07", "3", "verticalLayout_8", "scrollArea_3", "scrollAreaWidgetContents_3",
                    "verticalLayout_3", 4, 566, DEMANDOJ_3, "frame"),
        pagho4(f), pagho5(f),
        demandpagho(f, "Sendas2_Lec07", "6", "verticalLayout_11", "scrollArea_6", "scrollAreaWidgetContents_6",
                    "verticalLayout", 7, 568, DEMANDOJ_6, "frame_2"),
        pagho7(f), pagho8(f)] + [ekzercpagho(*e) for e in EKZERCOJ] + [pagho13(f)]
    # The designer's page is the accusative page; the main window opens the real one.
    return f.dokumento(paghoj, 1134, 800, "horizontalLayout", nuna=7, radiko_horizontala=True)


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
BILDOJ = [
    # An open book with sound waves: a text read aloud (tab icon of the reading pages).
    ("parolo", 24, 24, '''<path d="M1.5 8.5 C4 7.3 7 7.3 9.5 8.7 V21 C7 19.7 4 19.7 1.5 20.8 Z" fill="#ffffff" stroke="#3b5b92" stroke-width="1.1" stroke-linejoin="round"/>
<path d="M17.5 8.5 C15 7.3 12 7.3 9.5 8.7 V21 C12 19.7 15 19.7 17.5 20.8 Z" fill="#ffffff" stroke="#3b5b92" stroke-width="1.1" stroke-linejoin="round"/>
<path d="M3.5 11 H7.5 M3.5 13.5 H7.5 M3.5 16 H7 M11.5 11 H15.5 M11.5 13.5 H15.5 M11.5 16 H15" stroke="#7a8fb8" stroke-width="0.9" stroke-linecap="round"/>
<path d="M19 6.5 Q21.2 4.3 19 2 M20.8 8 Q24.4 4.3 20.8 0.6" fill="none" stroke="#2e7d32" stroke-width="1.3" stroke-linecap="round"/>
<circle cx="16.8" cy="4.3" r="1.3" fill="#2e7d32"/>'''),
]
