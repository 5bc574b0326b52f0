#!/usr/bin/env python3
"""Tests of the score reader and the timing check (CTest: muzikaj_partituroj).

    python3 tools/muziko/provoj.py"""
import array
import math
import os
import sys
import tempfile
import unittest
import wave

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import partituro  # noqa: E402
import tempokontrolo  # noqa: E402
from partituro import Eraro, Kanto  # noqa: E402


class Silaboj(unittest.TestCase):
    def test_silaboj(self):
        # The stressed syllable in capitals.
        for teksto, atendataj in [
            ("ĉielarko", "ĉi e LAR ko"),
            ("kreskas", "KRES kas"),
            ("hejmen", "HEJ men"),
            ("daŭros", "DAŬ ros"),
            ("kiu", "KI u"),
            ("alvenos", "al VE nos"),
            ("“Jen la vero:", "jen la VE ro"),
            ("Mi vin amas, amas vin,", "mi vin A mas A mas vin"),
            ("insekton", "in SEK ton"),
        ]:
            with self.subTest(teksto):
                trovitaj = " ".join(s.upper() if akcento else s for s, _, akcento in partituro.silaboj(teksto))
                self.assertEqual(trovitaj, atendataj)


def kanto(partoj, takto=4, tempo=120):
    return Kanto("provo", "Provo", tempo, takto, "ina", partoj)


class Partituro(unittest.TestCase):
    def test_malbonaj(self):
        # Each a score that cannot be sung as written, and what the message names.
        for nomo, partoj, takto, mesagxo in [
            ("a syllable too many", [("bela birdo", "C4 C4 C4 r", "C")], 4, "4 syllables in \"bela birdo\" but 3"),
            ("a bar too short", [("bela", "C4 C4 | C4:4", "C | C")], 4, "bar 1: 2 beats in a bar of 4"),
            ("stress on a weak beat", [("la birdo", "C4 C4 C4 r", "C")], 4, "the stress of \"birdo\""),
            ("stress off the downbeat of a waltz", [("la birdo", "C4 C4 C4", "C")], 3, "weak beat"),
            ("not a note", [("bela", "C4 H4 r:2", "C")], 4, "\"H4\" is not a note"),
            ("chords short of the bar", [(None, "r:4", "C:2 G:1")], 4, "do not fill the bar"),
            ("melody and chords of different bars", [(None, "r:4 | r:4", "C")], 4, "2 bars of melody, 1 of chords"),
            ("words without a tune", [("bela", None, "C")], 4, "words without a melody"),
        ]:
            with self.subTest(nomo):
                with self.assertRaises(Eraro) as e:
                    kanto(partoj, takto)
                self.assertIn(mesagxo, str(e.exception))

    def test_tempoj(self):
        # Lines follow one another bar by bar; a rest before the words moves
        # the line's onset but not its start.
        k = kanto([(None, None, "C"), ("bela birdo", "r:2 C4 C4 | C4 C4 r:2", "C | G7")], tempo=120)
        self.assertAlmostEqual(k.longo, 6.0)
        self.assertEqual([(a, round(b, 3), c) for a, b, c in k.kantataj()], [(3.0, 5.0, "bela birdo")])
        akordoj = k.linioj[1].akordoj
        self.assertEqual([a.tonoj(3) for a in akordoj], [[48, 52, 55], [55, 59, 62, 65]])

    def test_la_kantoj(self):
        # Both songs read; lesson 12's sings the page's own words: the first
        # verse, the refrain, the second verse and the refrain again, which the
        # page's last two lines abbreviate.
        from lecionoj import lec12
        fragoj = partituro.sxargas("lec12_fragoj")
        kantataj = [t for _, _, t in fragoj.kantataj()]
        refreno = lec12.STROFO2[:4]
        self.assertEqual(kantataj, lec12.STROFO1 + refreno + lec12.STROFO2[4:7] + refreno)
        for mallongigo, linio in zip(lec12.STROFO2[7:], refreno):
            self.assertEqual(mallongigo.rstrip(" .").rstrip(","), linio.rstrip(","))
        pura = partituro.sxargas("lec02_ziv_video")
        self.assertEqual(len(list(pura.kantataj())), 16)
        self.assertLess(fragoj.longo, 120)
        self.assertLess(pura.longo, 120)


def vocxo(vojo, kanto, movoj, rapido=8000):
    """A voice track with a short tone on every note of the song, each line
    moved by movoj[line] seconds (None leaves the line silent)."""
    specimenoj = array.array("h", [0] * int(kanto.longo * rapido))
    linioj = [li for li in kanto.linioj if li.teksto]
    for li, movo in zip(linioj, movoj):
        if movo is None:
            continue
        for n in li.notoj:
            if n.midi is None:
                continue
            komenco = int((kanto.sekundoj(n.komenco) + movo) * rapido)
            for i in range(int(kanto.sekundoj(n.longo) * 0.8 * rapido)):
                if 0 <= komenco + i < len(specimenoj):
                    specimenoj[komenco + i] = int(8000 * math.sin(2 * math.pi * 220 * i / rapido))
    with wave.open(vojo, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rapido)
        w.writeframes(specimenoj.tobytes())


class Tempokontrolo(unittest.TestCase):
    def test_linioj(self):
        k = kanto([(None, None, "C"),
                   ("bela birdo", "C4 C4 C4 C4 | r:4", "C | C"),
                   ("bona kuko", "C4 C4 C4 C4 | r:4", "C | C"),
                   ("nova pano", "C4 C4 C4 C4 | r:4", "C | C")])
        with tempfile.TemporaryDirectory() as dosierujo:
            vojo = os.path.join(dosierujo, "vocxo.wav")
            for nomo, movoj, atendataj in [
                ("on time", [0, 0.05, -0.05], []),
                ("one line late", [0, 0.15, 0], ["line 2 \"bona kuko\": comes in at 6.150 s, +150 ms"]),
                ("one line early", [0, 0, -0.15], ["line 3 \"nova pano\": comes in at 9.850 s, -150 ms"]),
                ("one line unsung", [0, None, 0], ["line 2 \"bona kuko\": no voice near 6.000 s"]),
            ]:
                with self.subTest(nomo):
                    vocxo(vojo, k, movoj)
                    eraroj = tempokontrolo.kontrolas(k, vojo)
                    self.assertEqual(len(eraroj), len(atendataj), eraroj)
                    for eraro, atendata in zip(eraroj, atendataj):
                        self.assertIn(atendata, eraro)

    def test_ne_monofona(self):
        with tempfile.TemporaryDirectory() as dosierujo:
            vojo = os.path.join(dosierujo, "vocxo.wav")
            with wave.open(vojo, "wb") as w:
                w.setnchannels(2)
                w.setsampwidth(2)
                w.setframerate(8000)
                w.writeframes(b"\0" * 400)
            with self.assertRaises(Eraro):
                tempokontrolo.kontrolas(kanto([("bela", "C4 C4 r:2", "C")]), vojo)


if __name__ == "__main__":
    unittest.main()
