"""Fragoj: the song of lesson 12, made into sonoj/lec12/fragoj.oga.

The words are the song page's own (tools/lecionoj/lec12.py), so the page
and the singing cannot part. A slow waltz in G: every line is four bars,
stressed syllables on the downbeats, a held note on each stress but the
last and a beat's breath before the next line. The second verse has three
lines; the flute plays the fourth. The refrain comes twice, as the page's
dotted lines say."""
from lecionoj.lec12 import KANTO, STROFO1, STROFO2

TITOLO = KANTO
TEMPO = 168
TAKTO = 3
VOCXO = "vira"

# The verse's tunes, one per line; the refrain's after them.
A1 = "D3:2 G3 | B3:2 G3 | A3:2 B3 | A3 F#3 r"
A2 = "D3:2 A3 | C4:2 A3 | B3:2 A3 | G3 G3 r"
A3 = "B3:2 C4 | D4:2 B3 | C4:2 A3 | B3 G3 r"
A4 = "A3:2 B3 | C4:2 E4 | D4:2 F#3 | G3 G3 r"
B1 = "G3:2 B3 | D4:2 D4 | E4:2 D4 | B3 D4 r"
B2 = "C4:2 E4 | D4:2 B3 | A3:2 B3 | A3 F#3 r"
B3 = "G3:2 B3 | D4:2 D4 | E4:2 C4 | A3 A3 r"
B4 = "B3:2 A3 | G3:2 B3 | A3:2 F#3 | G3 G3 r"
R1 = "D4:2 B3 | D4:2 B3 | E4:2 D4 | C4 A3 r"
R2 = "C4:2 A3 | C4:2 A3 | D4:2 C4 | B3 G3 r"
R3 = "B3:2 D4 | E4:2 D4 | C4:2 E4 | D4 B3 r"
R4 = "A3:2 B3 | C4:2 E4 | D4:2 F#3 | G3 G3 r"

STROFO = [(A1, "G | G | D | D"), (A2, "D | D7 | G | G"), (A3, "G | G | C | G"), (A4, "D | C | D | G"),
          (B1, "G | G | C | G"), (B2, "C | G | D | D"), (B3, "G | G | Am | D"), (B4, "G | Em | D | G")]
REFRENO = [(R1, "G | G | C | D7"), (R2, "Am | D7 | D7 | G"), (R3, "G | C | Am | G"), (R4, "D | C | D | G")]


def kantataj(linioj, melodioj):
    return [(linio, melodio, akordoj) for linio, (melodio, akordoj) in zip(linioj, melodioj)]


# The page's last two lines stand for the refrain sung again.
refreno = STROFO2[:4]
dua_strofo = STROFO2[4:7]

PARTOJ = ([(None, R4, "D | C | D | G")]
          + kantataj(STROFO1, STROFO)
          + kantataj(refreno, REFRENO)
          + kantataj(dua_strofo, STROFO)
          + [(None, A4, "D | C | D | G")]
          + kantataj(refreno, REFRENO)
          + [(None, "G3:3 | r:3", "G | G")])
