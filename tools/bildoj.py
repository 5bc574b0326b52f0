#!/usr/bin/env python3
"""Draws the pictures the lessons brought in (tab icons, arrows, signs): each
lesson module in tools/lecionoj/ lists its own as SVG in BILDOJ, rendered
here to PNG with rsvg-convert.

    python3 tools/bildoj.py                  # every lesson, into resources/ikonoj/
    python3 tools/bildoj.py 02               # only lesson 2's pictures
    python3 tools/bildoj.py --celo DIR       # into DIR instead"""
import argparse
import importlib
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keeps __pycache__ out of the source tree
ILOJ = os.path.dirname(os.path.abspath(__file__))
RADIKO = os.path.dirname(ILOJ)
sys.path.insert(0, ILOJ)
from formoj import cxiuj_lecionoj  # noqa: E402

SVG = '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">%s</svg>\n'


def desegnas(nomo, w, h, korpo, celo, provizora):
    svg = os.path.join(provizora, nomo + ".svg")
    with open(svg, "w", encoding="utf-8", newline="\n") as d:
        d.write(SVG % (w, h, w, h, korpo))
    subprocess.run(["rsvg-convert", "-w", str(w), "-h", str(h), "-o", os.path.join(celo, nomo + ".png"), svg],
                   check=True)


def main():
    ap = argparse.ArgumentParser(description="Draws the lessons' pictures into resources/ikonoj/.")
    ap.add_argument("lecionoj", nargs="*", metavar="NN", help="lesson numbers (default: every lesson)")
    ap.add_argument("--celo", default=os.path.join(RADIKO, "resources", "ikonoj"), help="folder to write into")
    arg = ap.parse_args()

    konataj = cxiuj_lecionoj()
    lecionoj = ["%02d" % int(n) for n in arg.lecionoj] if arg.lecionoj else konataj
    for nn in lecionoj:
        if nn not in konataj:
            sys.exit("bildoj.py: no module tools/lecionoj/lec%s.py" % nn)
    os.makedirs(arg.celo, exist_ok=True)
    with tempfile.TemporaryDirectory() as provizora:
        for nn in lecionoj:
            for nomo, w, h, korpo in getattr(importlib.import_module("lecionoj.lec" + nn), "BILDOJ", []):
                desegnas(nomo, w, h, korpo, arg.celo, provizora)


if __name__ == "__main__":
    main()
