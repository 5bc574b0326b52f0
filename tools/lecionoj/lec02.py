"""Lesson 2: the suffix -ino, the accusative, the prefix mal- and ne, a song,
vocabulary; six exercise pages and a send page.

PT holds the Portuguese placeholder of every translated label (the texts the
learner reads come from the translation files); BILDOJ the pictures this
lesson brought in, drawn by tools/bildoj.py. This form states no tab order,
and its labels put the text before wordWrap and their heading's font before
other properties: the order the form was first written in."""
from lecionformo import (
    MIKROFONETO, ORELETO, SENDAS, VORTOLUDO, Formo, bildeto, egala, ekzercpagho, enum, faldo, hbox, ligilo,
    politiko, prop, rect, sago_revena, sendujo, tekstpagho, vbox)

PT = {
    # page 1: the suffix -ino
    "Label131": "O sufixo -ino",
    "Label132": (
        "Os adjetivos concordam com o substantivo em número, mas nunca em gênero: a mesma palavra, como bela, "
        "descreve tanto um homem como uma mulher."),
    "Label133": (
        "Só os nomes de seres que têm sexo o indicam: a palavra terminada em -o designa o macho (ou o ser em geral), "
        "e o sufixo -ino forma a fêmea."),
    "Label11": "homem",
    "Label134": "mulher",
    "Label12": "amigo",
    "Label135": "amiga",
    "Label13": "filho",
    "Label136": "filha",
    "Label14": "pai",
    "Label137": "mãe",
    "Label138": "As mulheres grandes",
    "Label1": "A bela amiga",
    "Label16": "A boa mãe",
    # page 2: the accusative
    "Label139": "O acusativo: a terminação -n",
    "Label140": (
        "O objeto direto do verbo, a pessoa ou coisa que sofre a ação, recebe a terminação -n. "
        "O adjetivo que o acompanha também a recebe. "
        "Os pronomes pessoais também: min, vin, lin, ŝin, ĝin, nin, ilin (Ŝi vidas lin: ela o vê)."),
    "Label19": "Eu lavo a xícara nova.",
    "Label20": "Eu lavo as xícaras novas.",
    "Label143": (
        "No plural o -n vem depois do -j: a terminação -n fica sempre no fim da palavra (novajn tasojn). "
        "Quando dois objetos são ligados por kaj (e), ambos a recebem: teon kaj lakton."),
    "Label7": "Observação",
    "Label144": (
        "Graças ao -n, a ordem das palavras é livre: as três frases acima dizem a mesma coisa. "
        "Mudar a ordem apenas dá um matiz, pondo em relevo uma parte da frase."),
    "Label8": "Atenção",
    "Label145": (
        "Depois do verbo esti (ser, estar) não se usa -n: o que vem depois dele descreve o sujeito e não sofre "
        "nenhuma ação. La tasoj estas novaj: as xícaras são novas."),
    # page 3: the prefix mal- and negation
    "Label146": "O prefixo mal-",
    "Label147": (
        "O prefixo mal- forma o contrário exato de uma palavra: com uma só raiz você obtém duas palavras opostas."),
    "Label148": "amigo",
    "Label4": "inimigo",
    "Label149": "belo, bonito",
    "Label5": "feio",
    "Label150": "novo",
    "Label6": "velho (não novo)",
    "Label9": "jovem",
    "Label10": "velho (não jovem), idoso",
    "Label17": "avarento, sovina",
    "Label18": "generoso",
    "Label151": "A negação",
    "Label152": "Para negar uma frase, ponha ne antes do verbo.",
    "Label21": "Eu não lavarei a xícara nova.",
    "Label154": "Ele não é meu irmão.",
    "Label155": "Ela não é minha mãe.",
    "Label156": "Os bolos não estavam quentes.",
    # page 4: music and video
    "Label50": "Música em Esperanto",
    "Label49": (
        "Este vídeo apresenta uma canção em Esperanto, escrita para este curso e cantada por uma voz "
        "sintetizada. Ouça-a primeiro pela melodia; depois ouça de novo e tente reconhecer as palavras que "
        "você já conhece. Clique na imagem acima para iniciar o vídeo, e clique outra vez para pausá-lo."),
    # page 5: vocabulary
    "Label157": "Vocabulário",
    "Label158": "água",
    "Label159": "amar",
    "Label160": "amor",
    "Label161": "pássaro, ave",
    "Label162": "loja",
    "Label163": "fazer",
    "Label164": "esquecer",
    "Label165": "ter",
    "Label166": "inseto",
    "Label167": "apanhar, pegar",
    "Label168": "lavar",
    "Label169": "limonada",
    "Label170": "papel",
    "Label171": "pedir",
    "Label172": "pena; caneta",
    "Label173": "carregar, levar",
    "Label174": "limpo",
    "Label175": "encontrar",
    "Label176": "escrever",
    "Label177": "açucarar, adoçar",
    "Label178": "xícara",
    "Label179": "beber",
    "Label180": "achar",
    "Label181": "vender",
    "Label182": "ver",
    # page 12: the send page
    "Label236": "Traduza cada frase para o Esperanto, usando as palavras desta lição.",
    "Label237": "1. Um menino sadio bebe leite quente.",
    "Label238": "2. A loja velha não vende bolos secos.",
    "Label22": "3. O professor encontrou os novos amigos.",
    "Label240": "4. Os novos amigos farão um bolo bom.",
    "Label241": "5. A menina não encontrou as irmãs.",
    "Label242": "6. A irmã pequena está doente, o irmão está bem de saúde.",
    "Label243": "7. O pai não lavará as xícaras pequenas.",
    "Label244": "8. O pássaro bonito apanhou um inseto pequeno.",
    "Label245": "9. O menino era meu velho amigo.",
    "Label246": "10. Os meninos eram grandes amigos.",
}


def etikedo(f, n, pol=("Preferred", "Minimum"), ecoj=()):
    return f.etikedo(n, pol=pol, ecoj=ecoj, teksto_unue=True)


def kapo(f, n, ecoj=()):
    return f.kapo(n, ecoj=ecoj, grasa_unue=True)


def signifo(f, n):
    return f.signifo(n, teksto_unue=True)


def vorto(f, n, teksto, frazo=False):
    return f.vorto(n, teksto, poste=[faldo()] if frazo else ())


def vico(nomo, eroj, margins=None):
    return hbox(nomo, eroj, spacing=12, margins=margins)


def tekstpagho2(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, **kw):
    return tekstpagho(nomo, langeto, pagho_layout, areo, enhavo_nomo, w, h, enhavo, pol=None, **kw)


# ------------------------------------------------------------------ page 1
INO_PAROJ = [  # base row, base word, meaning; derived row, arrow, derived word, meaning
    (130, 254, "viro", 11, 131, "label_22", 2, "virino", 134),
    (132, 255, "amiko", 12, 133, "label_23", 3, "amikino", 135),
    (134, 256, "filo", 13, 135, "label_24", 4, "filino", 136),
    (136, 257, "patro", 14, 137, "label_25", 5, "patrino", 137),
]
INO_ESPRIMOJ = [(127, 258, "La grandaj virinoj", 138), (128, 1, "La bela amikino", 1), (129, 11, "La bona patrino", 16)]


def pagho1(f):
    komenco = [kapo(f, 131), etikedo(f, 132), etikedo(f, 133)]
    paroj = []
    for i, (v1, n1, t1, m1, v2, sago, n2, t2, m2) in enumerate(INO_PAROJ):
        paroj.append(vbox("verticalLayout_%d" % (45 + i), [
            vico("horizontalLayout_%d" % v1, [vorto(f, n1, t1), signifo(f, m1)]),
            vico("horizontalLayout_%d" % v2, [sago_revena(sago, grandoj=False), vorto(f, n2, t2), signifo(f, m2)])],
            spacing=2))
    esprimoj = [vico("horizontalLayout_%d" % v, [vorto(f, n, t), signifo(f, m)]) for v, n, t, m in INO_ESPRIMOJ]
    enhavo = vbox("verticalLayout_8", komenco + [
        vbox("verticalLayout_49", paroj, spacing=12),
        vbox("verticalLayout_44", esprimoj, spacing=12),
        f.spacer()], spacing=12, margins=9)
    return tekstpagho2("tab_13", "1", "verticalLayout_4", "scrollArea", "scrollAreaWidgetContents", 989, 702, enhavo)


# ------------------------------------------------------------------ page 2
def frazbloko(f, nomo, n, teksto, m, spacing=5):
    """A sentence with its translation under it (default size policy)."""
    return vbox(nomo, [vorto(f, n, teksto, frazo=True), etikedo(f, m, pol=None)], spacing=spacing, margins=0)


def pagho2(f):
    ordo = vbox("verticalLayout_6", [
        vorto(f, 261, "Mi lavas la novan tason.", frazo=True),
        vico("horizontalLayout_4", [egala("label_28"), vorto(f, 262, "La novan tason lavas mi.", frazo=True)],
             margins=(6, 0, 6, 0)),
        vico("horizontalLayout_5", [egala("label_29"), vorto(f, 263, "La novan tason mi lavas.", frazo=True)],
             margins=(6, 0, 6, 0))], spacing=5)
    enhavo = vbox("verticalLayout_24", [
        kapo(f, 139), etikedo(f, 140),
        vbox("verticalLayout_53", [frazbloko(f, "verticalLayout_17", 259, "Mi lavas la novan tason.", 19),
                                   frazbloko(f, "verticalLayout_18", 260, "Mi lavas la novajn tasojn.", 20)],
             spacing=10),
        etikedo(f, 143),
        ordo,
        vbox("verticalLayout_7", [f.noto(7, teksto_unue=True), etikedo(f, 144)], spacing=5),
        vbox("verticalLayout_23", [f.noto(8, teksto_unue=True), etikedo(f, 145)], spacing=5),
        f.spacer()], spacing=20)
    return tekstpagho2("tab_14", "2", "verticalLayout_9", "scrollArea_2", "scrollAreaWidgetContents_2", 989, 702,
                       enhavo)


# ------------------------------------------------------------------ page 3
MAL_PAROJ = [
    (146, 264, "amiko", 148, 147, "label_48", 6, "malamiko", 4),
    (148, 265, "bela", 149, 149, "label_49", 7, "malbela", 5),
    (150, 266, "nova", 150, 151, "label_50", 8, "malnova", 6),
    (152, 9, "juna", 9, 153, "label_51", 10, "maljuna", 10),
    (154, 500, "avara", 17, 155, "label_52", 501, "malavara", 18),
]
NEADO = [(19, 267, "Mi ne lavos la novan tason.", 21), (20, 268, "Li ne estas mia frato.", 154),
         (21, 269, "Ŝi ne estas mia patrino.", 155), (22, 270, "La kukoj ne estis varmaj.", 156)]


def pagho3(f):
    komenco = [kapo(f, 146), etikedo(f, 147)]
    paroj = []
    for i, (v1, n1, t1, m1, v2, sago, n2, t2, m2) in enumerate(MAL_PAROJ):
        paroj.append(vbox("verticalLayout_%d" % (58 + i), [
            vico("horizontalLayout_%d" % v1, [vorto(f, n1, t1), signifo(f, m1)], margins=0),
            vico("horizontalLayout_%d" % v2, [sago_revena(sago, centrita=True, grandoj=False), vorto(f, n2, t2),
                                              signifo(f, m2)], margins=0)],
            spacing=0))
    mal = vbox("verticalLayout", komenco + paroj, spacing=10)
    ne = vbox("verticalLayout_57", [kapo(f, 151), etikedo(f, 152, pol=("Preferred", "Maximum"))] +
              [frazbloko(f, "verticalLayout_%d" % v, n, t, m) for v, n, t, m in NEADO], spacing=9)
    enhavo = vbox("verticalLayout_16", [mal, ne, f.spacer()], spacing=20)
    return tekstpagho2("tab_15", "3", "verticalLayout_10", "scrollArea_3", "scrollAreaWidgetContents_3", 989, 702,
                       enhavo)


# ------------------------------------------------------------------ page 4
LIGILO_ADRESO = "https://muziko.example.org/"
LIGILO_TEKSTO = "muziko.example.org"


def pagho4(f):
    # The lesson frame lays this page out around its video player.
    enhavo = (kapo(f, 50, ecoj=[rect(9, 25, 155, 17)]) +
              etikedo(f, 49, ecoj=[rect(9, 48, 632, 171)]) +
              ligilo("label_21", LIGILO_ADRESO, LIGILO_TEKSTO, ecoj=[rect(80, 250, 176, 22),
                                                                     politiko("Preferred", "Maximum")]) +
              bildeto("label", ":/ikonoj/acheto_chareto.png", [rect(20, 240, 32, 29), politiko("Maximum", "Preferred")]))
    return tekstpagho2("tab_16", "4", "verticalLayout_11", "scrollArea_6", "scrollAreaWidgetContents_6", 989, 702,
                       enhavo, ikono=":/ikonoj/muziko.png",
                       ecoj=[prop("sizeAdjustPolicy", enum("QAbstractScrollArea::AdjustToContentsOnFirstShow"))])


# ------------------------------------------------------------------ page 5
VORTARO = ["akvo", "ami", "amo", "birdo", "butiko", "fari", "forgesi", "havi", "insekto", "kapti", "lavi",
           "limonado", "papero", "peti", "plumo", "porti", "pura", "renkonti", "skribi", "sukeri", "taso",
           "trinki", "trovi", "vendi", "vidi"]


def pagho5(f):
    komenco = [kapo(f, 157)]
    vicnomoj = list(range(158, 175)) + list(range(176, 184))
    vicoj = [vico("horizontalLayout_%d" % vicnomoj[i], [vorto(f, 271 + i, v), signifo(f, 158 + i)])
             for i, v in enumerate(VORTARO)]
    enhavo = vbox("verticalLayout_5", komenco + vicoj + [f.spacer()], spacing=9)
    return tekstpagho2("tab_17", "5", "verticalLayout_12", "scrollArea_4", "scrollAreaWidgetContents_4", 974, 764,
                       enhavo)


# ---------------------------------------------------------- pages 6 to 11
EKZERCOJ = [  # page, tab text, icon, layout, frame class, frame name (its item section)
    ("Ekzerco7_Lec02", "Frazo", None, "verticalLayout_25", "frazokonstruo", "Lec02_Ekz_Frazo_0207"),
    ("Ekzerco1_Lec02", "6", MIKROFONETO, "verticalLayout_14", "prononco", "Lec02_Ekz_Pron_0201"),
    ("Ekzerco2_Lec02", "7", ORELETO, "verticalLayout_15", "audkompreno", "Lec02_Ekz_Aud_0201"),
    ("Ekzerco3_Lec02", "8", VORTOLUDO, "verticalLayout_202", "vortoludo", "Lec02_Ekz_Vorto_0203"),
    ("Ekzerco4_Lec02", "9", ":/ikonoj/akuzativo.png", "verticalLayout_199", "akuzativo", "Lec02_Ekz_Akuz_0202"),
    ("Ekzerco5_Lec02", "10", ":/ikonoj/plenigas_spacon2.png", "verticalLayout_198", "plenigas_spacon",
     "Lec02_Ekz_Plen_0204"),
]

# ------------------------------------------------------------------ page 12
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


def pagho12(f):
    eroj = [kapo(f, 236)]
    eroj += [f.demando("verticalLayout_%d" % grupo, n, kampo, modelo, i + 1, teksto_unue=True)
             for i, (grupo, n, kampo, modelo) in enumerate(DEMANDOJ)]
    eroj.append(sendujo("frame"))
    enhavo = vbox("verticalLayout_2", eroj, spacing=12)
    return tekstpagho2("Sendas1_Lec02", "11", "verticalLayout_13", "scrollArea_5", "scrollAreaWidgetContents_5", 974,
                       772, enhavo, ikono=SENDAS)


def formo():
    f = Formo(2, PT, tabordo=False)
    paghoj = [pagho1(f), pagho2(f), pagho3(f), pagho4(f), pagho5(f)] + [ekzercpagho(*e) for e in EKZERCOJ]
    paghoj.append(pagho12(f))
    return f.dokumento(paghoj, 999, 742, "verticalLayout_3", nuna=3)


# ---------------------------------------------------------------- pictures
# (name in resources/ikonoj/, width, height, SVG body in width x height user units)
BILDOJ = [
    # Two notes on a beam: the music and video page.
    ("muziko", 24, 24, '''<path d="M9 17.5 V5.5 L20 3 V15" fill="none" stroke="#6a1b9a" stroke-width="1.8" stroke-linejoin="round"/>
<path d="M9 5.5 L20 3 V6.5 L9 9 Z" fill="#6a1b9a"/>
<ellipse cx="6.3" cy="17.8" rx="3.3" ry="2.5" transform="rotate(-20 6.3 17.8)" fill="#8e44ad" stroke="#4a148c" stroke-width="1"/>
<ellipse cx="17.3" cy="15.3" rx="3.3" ry="2.5" transform="rotate(-20 17.3 15.3)" fill="#8e44ad" stroke="#4a148c" stroke-width="1"/>'''),
    # A word card ending in a green "n": marking the accusative.
    ("akuzativo", 24, 24, '''<rect x="1.5" y="5" width="21" height="14" rx="2" fill="#ffffff" stroke="#3b5b92" stroke-width="1.3"/>
<path d="M4.5 10 H12 M4.5 14 H10" stroke="#7a8fb8" stroke-width="1.4" stroke-linecap="round"/>
<path d="M14.5 16 V10.5 M14.5 12.5 C14.5 11 15.7 10.3 17 10.3 C18.4 10.3 19.5 11.1 19.5 12.8 V16" fill="none" stroke="#2e7d32" stroke-width="2" stroke-linecap="round"/>'''),
    # A sentence line with a gap and a pen writing into it: filling the gaps.
    ("plenigas_spacon2", 24, 24, '''<path d="M2 17 H7 M17 17 H22" stroke="#3b5b92" stroke-width="1.6" stroke-linecap="round"/>
<rect x="8" y="13" width="8" height="6" rx="1" fill="#fff8dc" stroke="#c0392b" stroke-width="1.1" stroke-dasharray="1.6 1.2"/>
<path d="M13 13.5 L19.5 4 L22 5.7 L15.5 15.2 L12.6 16.2 Z" fill="#f4d03f" stroke="#7d6608" stroke-width="1" stroke-linejoin="round"/>
<path d="M12.6 16.2 L13 13.5 L15.5 15.2 Z" fill="#5d4037"/>'''),
    # A shopping cart: the link to the publisher of the song.
    ("acheto_chareto", 32, 29, '''<path d="M2 4 H7 L10.5 19 H26" fill="none" stroke="#2f3b4c" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M8 7.5 H29 L26.5 16 H10" fill="#a9cce3" stroke="#2f3b4c" stroke-width="1.8" stroke-linejoin="round"/>
<path d="M13 8 V15.5 M17.5 8 V15.5 M22 8 V15.5" stroke="#2f3b4c" stroke-width="1"/>
<circle cx="12.5" cy="24" r="2.5" fill="#2f3b4c"/>
<circle cx="23.5" cy="24" r="2.5" fill="#2f3b4c"/>'''),
]
