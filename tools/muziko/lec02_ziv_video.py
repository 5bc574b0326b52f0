"""Pura amo: the song of lesson 2's video, made into sonoj/lec02/ziv_video.oga
and, with its words shown line by line, video/lec02/ziv_video.ogv.

Written for this course in the words of lessons 1 and 2, and in their
grammar: the accusative lets the object open the line ("Varman teon trinkas
mi"), and each verse sets a word beside its -n form (birdo, birdon; ni,
nin). Every line is seven syllables, stressed on beats one and three, the
last held and let go half a beat before the next line. Two verses, each
followed by the refrain, in C."""

TITOLO = "Pura amo"
TEMPO = 116
TAKTO = 4
VOCXO = "ina"

STROFO1 = ["Varman teon trinkas mi,",
           "bonan kukon faras vi,",
           "belan birdon vidas ni,",
           "kaj la birdo vidas nin."]
STROFO2 = ["Nian birdon amas mi,",
           "kaj insekton kaptas ĝi,",
           "puran akvon trinkas ĝi,",
           "sekan panon petas ĝi."]
REFRENO = ["Mi vin amas, amas vin,",
           "vi min amas, amas min.",
           "Puran amon havas ni,",
           "kaj ĝin ne forgesas ni."]

STROFA_MELODIO = [
    ("C4 E4 G4 G4 | A4 G4 E4:1.5 r:0.5", "C | F:2 C:2"),
    ("F4 F4 E4 E4 | D4 E4 D4:1.5 r:0.5", "F:2 C:2 | G"),
    ("C4 E4 G4 G4 | A4 C5 A4:1.5 r:0.5", "C | F"),
    ("G4 E4 F4 D4 | E4 D4 C4:1.5 r:0.5", "C:2 F:1 G7:1 | C:1 G:1 C:2"),
]
REFRENA_MELODIO = [
    ("G4 G4 C5 C5 | B4 A4 G4:1.5 r:0.5", "C:2 Am:2 | G:2 C:2"),
    ("F4 F4 A4 A4 | G4 F4 E4:1.5 r:0.5", "F | C"),
    ("E4 G4 C5 C5 | D5 C5 A4:1.5 r:0.5", "C:2 Am:2 | G:2 F:2"),
    ("G4 E4 D4 D4 | E4 D4 C4:1.5 r:0.5", "C:2 G:2 | C:1 G:1 C:2"),
]


def kantataj(linioj, melodioj):
    return [(linio, melodio, akordoj) for linio, (melodio, akordoj) in zip(linioj, melodioj)]


PARTOJ = ([(None,) + REFRENA_MELODIO[3]]
          + kantataj(STROFO1, STROFA_MELODIO)
          + kantataj(REFRENO, REFRENA_MELODIO)
          + kantataj(STROFO2, STROFA_MELODIO)
          + kantataj(REFRENO, REFRENA_MELODIO)
          + [(None,) + REFRENA_MELODIO[3], (None, "C4:4", "C")])
