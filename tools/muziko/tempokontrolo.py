#!/usr/bin/env python3
"""Checks that a song's voice comes in where its score says: the first sound
of every sung line within 100 ms of the line's first note.

    python3 tools/muziko/tempokontrolo.py NAME VOICE.wav

VOICE.wav is the voice alone as the renderer left it (16-bit mono). Prints
one line per line that comes in early, late or not at all, and exits 1 when
there is any."""
import array
import os
import sys
import wave

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import partituro  # noqa: E402

TOLERO = 0.100  # seconds
KADRO = 0.002  # the onset is found to this step
SOJLO = 0.03  # of the track's loudest sample: about -30 dB


def legas(vojo):
    with wave.open(vojo) as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise partituro.Eraro("%s is not 16-bit mono" % vojo)
        return w.getframerate(), array.array("h", w.readframes(w.getnframes()))


def enirtempoj(kanto, rapido, specimenoj):
    """(words, scored onset s, found onset s or None) for every sung line.
    A line is looked for from the end of the line before it (whose last
    syllable must have ended by then) to a beat past its own onset."""
    plej = max((abs(x) for x in specimenoj), default=0)
    sojlo = max(1, int(plej * SOJLO))
    pasxo = max(1, int(KADRO * rapido))
    linioj = list(kanto.kantataj())
    rezulto = []
    for i, (komenco, _, teksto) in enumerate(linioj):
        ekde = linioj[i - 1][1] if i else 0.0
        ekde = max(ekde, komenco - kanto.sekundoj(2))
        gxis = komenco + max(kanto.sekundoj(1), 2 * TOLERO)
        trovita = None
        s = int(ekde * rapido)
        while s < min(len(specimenoj), int(gxis * rapido)):
            if max(abs(x) for x in specimenoj[s:s + pasxo]) >= sojlo:
                trovita = s / rapido
                break
            s += pasxo
        rezulto.append((teksto, komenco, trovita))
    return rezulto


def kontrolas(kanto, vojo):
    """The faults, one message each; empty when every line comes in on time."""
    rapido, specimenoj = legas(vojo)
    eraroj = []
    for n, (teksto, komenco, trovita) in enumerate(enirtempoj(kanto, rapido, specimenoj), 1):
        if trovita is None:
            eraroj.append("line %d \"%s\": no voice near %.3f s" % (n, teksto, komenco))
        elif abs(trovita - komenco) > TOLERO:
            eraroj.append("line %d \"%s\": comes in at %.3f s, %+d ms from its note at %.3f s"
                          % (n, teksto, trovita, round((trovita - komenco) * 1000), komenco))
    return eraroj


def main():
    if len(sys.argv) != 3:
        print("usage: tempokontrolo.py NAME VOICE.wav", file=sys.stderr)
        return 2
    try:
        kanto = partituro.sxargas(sys.argv[1])
        eraroj = kontrolas(kanto, sys.argv[2])
    except (partituro.Eraro, OSError, EOFError, wave.Error) as e:
        print("tempokontrolo.py: %s: %s" % (sys.argv[1], e), file=sys.stderr)
        return 1
    for e in eraroj:
        print("%s: %s" % (sys.argv[1], e))
    return 1 if eraroj else 0


if __name__ == "__main__":
    sys.exit(main())
