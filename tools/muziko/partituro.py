#!/usr/bin/env python3
"""The course's songs as data, and what the renderer and the checks read of them.

A score is a module beside this file, named after the media file it makes
("lec12_fragoj" makes sonoj/lec12/fragoj.oga). It sets

    TITOLO   the song's title
    TEMPO    beats per minute
    TAKTO    beats per bar (3 or 4)
    VOCXO    "vira" or "ina": the singer
    PARTOJ   the song from start to end, one row per line:
             (words, melody, chords); words None for a line the instruments
             play alone, melody None for a line of chords only

A melody is one note per syllable of its words, bars parted by "|":
"D3:2 G3 | B3:2 G3 | A3:2 B3 | A3 F#3 r". A note is a pitch (C4 is middle C,
"#" and "b" alter it) or "r" for a rest, with its length in beats after ":"
(default 1). Chords come one or more per bar, "G | C | D7 D7:1 | G";
a chord without a length shares what its bar has left with the others.

    python3 tools/muziko/partituro.py NAME --longo     # the length in seconds
    python3 tools/muziko/partituro.py NAME --linioj    # onset TAB end TAB words of every sung line
"""
import argparse
import importlib.util
import math
import os
import re
import sys

sys.dont_write_bytecode = True  # keeps __pycache__ out of the source tree
MUZIKO = os.path.dirname(os.path.abspath(__file__))
ILOJ = os.path.dirname(MUZIKO)
if ILOJ not in sys.path:
    sys.path.insert(0, ILOJ)

VOKALOJ = "aeiou"
LITEROJ = "abcĉdefgĝhĥijĵklmnoprsŝtuŭvz"
# Where a stressed syllable may fall, in beats from the start of the bar.
FORTAJ_TEMPOJ = {3: (0,), 4: (0, 2)}
NOTO = re.compile(r"^(?:(r)|([A-G])([#b]?)(\d))(?::(\d+(?:\.\d+)?|\d+/\d+))?$")
AKORDO = re.compile(r"^([A-G][#b]?)(m|7|m7)?(?::(\d+(?:\.\d+)?|\d+/\d+))?$")
DUONTONOJ = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
INTERVALOJ = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10)}


class Eraro(Exception):
    """A score that cannot be sung as written; the message says where."""


def silaboj(teksto):
    """The syllables of Esperanto words: one vowel each; a lone consonant
    between vowels opens the next syllable, of two or more the first closes
    the syllable before ("kres-kas", "ĉi-e-lar-ko", "hej-men", "daŭ-ros").
    Returns (syllable, word index, is the word's stressed syllable)."""
    rezulto = []
    for n, vorto in enumerate(vortoj(teksto)):
        pozicioj = [i for i, c in enumerate(vorto) if c in VOKALOJ]
        if not pozicioj:
            raise Eraro("no vowel in \"%s\"" % vorto)
        komencoj = [0]
        for a, b in zip(pozicioj, pozicioj[1:]):
            komencoj.append(a + 2 if b - a > 2 else a + 1)
        partoj = [vorto[k:f] for k, f in zip(komencoj, komencoj[1:] + [len(vorto)])]
        akcento = len(partoj) - 2 if len(partoj) > 1 else -1
        rezulto += [(p, n, i == akcento) for i, p in enumerate(partoj)]
    return rezulto


def vortoj(teksto):
    """The words of a line in lower case, without punctuation."""
    puraj = "".join(c if c in LITEROJ else " " for c in teksto.lower())
    return puraj.split()


def _longo(teksto, defaulto=1.0):
    if teksto is None:
        return defaulto
    if "/" in teksto:
        a, b = teksto.split("/")
        return int(a) / int(b)
    return float(teksto)


def frekvenco(nomo):
    m = NOTO.match(nomo)
    return 440.0 * 2 ** ((_midi(m.group(2), m.group(3), int(m.group(4))) - 69) / 12)


def _midi(litero, signo, oktavo):
    return 12 * (oktavo + 1) + DUONTONOJ[litero] + {"": 0, "#": 1, "b": -1}[signo]


class Noto:
    def __init__(self, komenco, longo, midi, silabo=None):
        self.komenco = komenco  # beats from the start of the song
        self.longo = longo  # beats
        self.midi = midi  # None for a rest
        self.silabo = silabo

    @property
    def frekvenco(self):
        return 440.0 * 2 ** ((self.midi - 69) / 12)


class Akordo:
    def __init__(self, komenco, longo, radiko, speco):
        self.komenco = komenco
        self.longo = longo
        self.radiko = radiko  # MIDI number of the root in the bass octave
        self.speco = speco

    def tonoj(self, oktavo=4):
        """MIDI numbers of the chord's notes from the root in the given octave."""
        baza = 12 * (oktavo + 1) + self.radiko % 12
        return [baza + i for i in INTERVALOJ[self.speco]]


class Linio:
    def __init__(self, indekso, teksto, komenco, longo, notoj, akordoj):
        self.indekso = indekso
        self.teksto = teksto  # None where the instruments play alone
        self.komenco = komenco  # beats
        self.longo = longo
        self.notoj = notoj
        self.akordoj = akordoj


class Kanto:
    def __init__(self, nomo, titolo, tempo, takto, vocxo, partoj):
        if takto not in FORTAJ_TEMPOJ:
            raise Eraro("%s: %s beats a bar; this renderer knows %s" % (nomo, takto, sorted(FORTAJ_TEMPOJ)))
        if vocxo not in ("vira", "ina"):
            raise Eraro("%s: singer \"%s\" is neither \"vira\" nor \"ina\"" % (nomo, vocxo))
        if not 30 <= tempo <= 240:
            raise Eraro("%s: tempo %s is not between 30 and 240 beats a minute" % (nomo, tempo))
        self.nomo = nomo
        self.titolo = titolo
        self.tempo = tempo
        self.takto = takto
        self.vocxo = vocxo
        self.linioj = []
        komenco = 0.0
        for i, parto in enumerate(partoj):
            if len(parto) != 3:
                raise Eraro("%s, row %d: not (words, melody, chords)" % (nomo, i + 1))
            linio = self._linio(i, parto, komenco)
            self.linioj.append(linio)
            komenco += linio.longo
        self.taktoj = komenco / takto

    def _linio(self, i, parto, komenco):
        teksto, melodio, akordoj = parto
        kie = "%s, row %d" % (self.nomo, i + 1)
        taktoj_a = self._taktoj(akordoj, kie)
        longo = len(taktoj_a) * self.takto
        akordlisto = self._akordoj(taktoj_a, komenco, kie)
        notoj = []
        if melodio is not None:
            taktoj_m = self._taktoj(melodio, kie)
            if len(taktoj_m) != len(taktoj_a):
                raise Eraro("%s: %d bars of melody, %d of chords" % (kie, len(taktoj_m), len(taktoj_a)))
            notoj = self._notoj(taktoj_m, komenco, kie)
        if teksto is not None:
            if melodio is None:
                raise Eraro("%s: words without a melody" % kie)
            sonantaj = [n for n in notoj if n.midi is not None]
            silabaro = silaboj(teksto)
            if len(silabaro) != len(sonantaj):
                raise Eraro("%s: %d syllables in \"%s\" but %d notes" % (kie, len(silabaro), teksto, len(sonantaj)))
            for noto, (silabo, vorto, akcentita) in zip(sonantaj, silabaro):
                noto.silabo = silabo
                trafo = (noto.komenco - komenco) % self.takto
                if akcentita and not any(abs(trafo - f) < 1e-9 for f in FORTAJ_TEMPOJ[self.takto]):
                    raise Eraro("%s: the stress of \"%s\" (\"%s\") falls on a weak beat"
                                % (kie, vortoj(teksto)[vorto], silabo))
        return Linio(i, teksto, komenco, longo, notoj, akordlisto)

    def _taktoj(self, teksto, kie):
        if not teksto or not teksto.strip():
            raise Eraro("%s: no bars" % kie)
        return [t.split() for t in teksto.split("|")]

    def _notoj(self, taktoj, komenco, kie):
        notoj = []
        t = komenco
        for n, takto in enumerate(taktoj):
            sumo = 0.0
            for ero in takto:
                m = NOTO.match(ero)
                if not m:
                    raise Eraro("%s, bar %d: \"%s\" is not a note" % (kie, n + 1, ero))
                longo = _longo(m.group(5))
                midi = None if m.group(1) else _midi(m.group(2), m.group(3), int(m.group(4)))
                notoj.append(Noto(t + sumo, longo, midi))
                sumo += longo
            if abs(sumo - self.takto) > 1e-9:
                raise Eraro("%s, bar %d: %g beats in a bar of %d" % (kie, n + 1, sumo, self.takto))
            t += self.takto
        return notoj

    def _akordoj(self, taktoj, komenco, kie):
        akordoj = []
        for n, takto in enumerate(taktoj):
            eroj = []
            for ero in takto:
                m = AKORDO.match(ero)
                if not m:
                    raise Eraro("%s, bar %d: \"%s\" is not a chord" % (kie, n + 1, ero))
                eroj.append((m.group(1), m.group(2) or "", m.group(3)))
            donitaj = sum(_longo(d) for _, _, d in eroj if d is not None)
            sen = [e for e in eroj if e[2] is None]
            resto = self.takto - donitaj
            if resto < -1e-9 or (not sen and abs(resto) > 1e-9) or (sen and resto < 1e-9):
                raise Eraro("%s, bar %d: the chords do not fill the bar" % (kie, n + 1))
            t = komenco + n * self.takto
            for radiko, speco, d in eroj:
                longo = _longo(d) if d is not None else resto / len(sen)
                akordoj.append(Akordo(t, longo, _midi(radiko[0], radiko[1:], 2), speco))
                t += longo
        return akordoj

    # --- times ----------------------------------------------------------------
    def sekundoj(self, taktoj):
        """Beats to seconds."""
        return taktoj * 60.0 / self.tempo

    @property
    def longo(self):
        """The whole song in seconds."""
        return self.sekundoj(self.taktoj * self.takto)

    def kantataj(self):
        """The sung lines: (onset s, end of its last note s, words)."""
        for li in self.linioj:
            if li.teksto is None:
                continue
            sonantaj = [n for n in li.notoj if n.midi is not None]
            yield (self.sekundoj(sonantaj[0].komenco), self.sekundoj(sonantaj[-1].komenco + sonantaj[-1].longo),
                   li.teksto)


def sxargas(nomo):
    """The score module tools/muziko/NAME.py as a Kanto."""
    if not re.match(r"^[a-z0-9_]+$", nomo):
        raise Eraro("\"%s\" is not the name of a score" % nomo)
    vojo = os.path.join(MUZIKO, nomo + ".py")
    if not os.path.isfile(vojo):
        raise Eraro("no score %s" % vojo)
    spec = importlib.util.spec_from_file_location("partituro_" + nomo, vojo)
    modulo = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(modulo)
    for eco in ("TITOLO", "TEMPO", "TAKTO", "VOCXO", "PARTOJ"):
        if not hasattr(modulo, eco):
            raise Eraro("%s: %s is missing" % (nomo, eco))
    return Kanto(nomo, modulo.TITOLO, modulo.TEMPO, modulo.TAKTO, modulo.VOCXO, modulo.PARTOJ)


def main():
    ap = argparse.ArgumentParser(description="Reads a score of tools/muziko/.")
    ap.add_argument("nomo", help="the score's name, as lec12_fragoj")
    grupo = ap.add_mutually_exclusive_group(required=True)
    grupo.add_argument("--longo", action="store_true", help="print the song's length in seconds")
    grupo.add_argument("--linioj", action="store_true", help="print onset, end and words of every sung line")
    arg = ap.parse_args()
    try:
        kanto = sxargas(arg.nomo)
    except Eraro as e:
        print("partituro.py: %s" % e, file=sys.stderr)
        return 1
    if arg.longo:
        print("%.3f" % kanto.longo)
    else:
        for komenco, fino, teksto in kanto.kantataj():
            print("%.3f\t%.3f\t%s" % (komenco, fino, teksto))
    return 0


if __name__ == "__main__":
    sys.exit(main())
