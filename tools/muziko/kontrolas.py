#!/usr/bin/env python3
"""Checks the songs of a media folder against their scores: each lasts as
long as its score (within a second, every stream of a video), and the voice
comes in on time (tempokontrolo.py, on the voice track the renderer left).

    python3 tools/muziko/kontrolas.py BUILD_DIR PATH SCORE [PATH SCORE ...]

PATH is a file of the media folder (sonoj/lec12/fragoj.oga), SCORE the score
it is made from (tools/muziko/lec12_fragoj.py). Prints "PATH: fault" lines and
exits 1 when there is any. A missing file is the caller's to report."""
import os
import re
import subprocess
import sys
import wave

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import partituro  # noqa: E402
import tempokontrolo  # noqa: E402

TOLERO = 1.0  # seconds between a file's length and its score's


def longoj(vojo):
    """{"vorbis": s, "theora": s} as ogginfo tells them."""
    r = subprocess.run(["ogginfo", vojo], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    rezulto = {}
    fluo = None
    for linio in r.stdout.decode("utf-8", "replace").splitlines():
        m = re.match(r"^(Vorbis|Theora) stream \d+:", linio)
        if m:
            fluo = m.group(1).lower()
            continue
        m = re.search(r"Playback length: (\d+)m:(\d+(?:\.\d+)?)s", linio)
        if m and fluo:
            rezulto[fluo] = int(m.group(1)) * 60 + float(m.group(2))
            fluo = None
    return rezulto


def kontrolas(celo, paroj):
    eraroj = []
    tempitaj = set()
    for vojo, fonto in paroj:
        nomo = os.path.splitext(os.path.basename(fonto))[0]
        try:
            kanto = partituro.sxargas(nomo)
        except partituro.Eraro as e:
            eraroj.append("%s: %s" % (vojo, e))
            continue
        dosiero = os.path.join(celo, vojo)
        if not os.path.isfile(dosiero) or os.path.getsize(dosiero) == 0:
            continue
        fluoj = ("theora", "vorbis") if vojo.endswith(".ogv") else ("vorbis",)
        trovitaj = longoj(dosiero)
        for fluo in fluoj:
            if fluo not in trovitaj:
                eraroj.append("%s: no %s stream with a length" % (vojo, fluo.capitalize()))
            elif abs(trovitaj[fluo] - kanto.longo) > TOLERO:
                eraroj.append("%s: the %s stream lasts %.2f s, the score %.2f s"
                              % (vojo, fluo.capitalize(), trovitaj[fluo], kanto.longo))
        if nomo in tempitaj:
            continue
        tempitaj.add(nomo)
        vocxo = os.path.join(celo, "muziko", nomo, "vocxo.wav")
        if not os.path.isfile(vocxo):
            eraroj.append("%s: no voice track %s to time" % (vojo, vocxo))
            continue
        try:
            eraroj += ["%s: %s" % (vojo, e) for e in tempokontrolo.kontrolas(kanto, vocxo)]
        except (partituro.Eraro, OSError, EOFError, wave.Error) as e:
            eraroj.append("%s: voice track: %s" % (vojo, e))
    return eraroj


def main():
    if len(sys.argv) < 4 or len(sys.argv) % 2:
        print("usage: kontrolas.py BUILD_DIR PATH SCORE [PATH SCORE ...]", file=sys.stderr)
        return 2
    args = sys.argv[2:]
    eraroj = kontrolas(sys.argv[1], list(zip(args[0::2], args[1::2])))
    for e in eraroj:
        print(e)
    return 1 if eraroj else 0


if __name__ == "__main__":
    sys.exit(main())
