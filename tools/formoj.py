#!/usr/bin/env python3
"""Writes the lesson forms lessons/lecNN.ui from their modules in tools/lecionoj/.

    python3 tools/formoj.py                  # every lesson, into lessons/
    python3 tools/formoj.py 01 02            # only these lessons
    python3 tools/formoj.py --celo DIR       # into DIR instead of lessons/
    python3 tools/formoj.py --kompari --celo DIR
                                             # also compare DIR/lecNN.ui with lessons/lecNN.ui, fail on a difference
    python3 tools/formoj.py 01 --etikedoj    # print the [Lec01] section tradukendaj.tdf must have

The modules are the source of the forms: edit them, not the .ui files. No
translation file is written; the translated texts live in resources/tradukoj/."""
import argparse
import difflib
import glob
import importlib
import os
import sys

sys.dont_write_bytecode = True  # keeps __pycache__ out of the source tree
ILOJ = os.path.dirname(os.path.abspath(__file__))
RADIKO = os.path.dirname(ILOJ)
sys.path.insert(0, ILOJ)


def cxiuj_lecionoj():
    return sorted(os.path.basename(v)[3:5] for v in glob.glob(os.path.join(ILOJ, "lecionoj", "lec[0-9][0-9].py")))


def main():
    ap = argparse.ArgumentParser(description="Writes the lesson forms lessons/lecNN.ui.")
    ap.add_argument("lecionoj", nargs="*", metavar="NN", help="lesson numbers (default: every lesson)")
    ap.add_argument("--celo", default=os.path.join(RADIKO, "lessons"), help="folder to write into")
    ap.add_argument("--kompari", action="store_true", help="compare each written form with lessons/lecNN.ui")
    ap.add_argument("--etikedoj", action="store_true",
                    help="print the label keys in form order (the [LecNN] section of tradukendaj.tdf), write nothing")
    arg = ap.parse_args()

    konataj = cxiuj_lecionoj()
    lecionoj = ["%02d" % int(n) for n in arg.lecionoj] if arg.lecionoj else konataj
    for nn in lecionoj:
        if nn not in konataj:
            sys.exit("formoj.py: no module tools/lecionoj/lec%s.py" % nn)

    malsamaj = []
    for nn in lecionoj:
        f = importlib.import_module("lecionoj.lec" + nn).formo()
        if arg.etikedoj:
            print("[%s]" % f.prefikso)
            for i, k in enumerate(f.etikedoj):
                print("%03d=%s" % (i, k))
            continue
        os.makedirs(arg.celo, exist_ok=True)
        vojo = os.path.join(arg.celo, "lec%s.ui" % nn)
        with open(vojo, "w", encoding="utf-8", newline="\n") as d:
            d.write(f.teksto)
        if arg.kompari:
            fonto = os.path.join(RADIKO, "lessons", "lec%s.ui" % nn)
            try:
                with open(fonto, encoding="utf-8", newline="") as d:
                    enmetita = d.read()
            except FileNotFoundError:
                enmetita = ""
            if enmetita != f.teksto:
                malsamaj.append(fonto)
                diff = list(difflib.unified_diff(enmetita.splitlines(True), f.teksto.splitlines(True),
                                                 fonto, vojo, n=2))
                sys.stdout.writelines(diff[:80])
                if len(diff) > 80:
                    print("... (%d more diff lines)" % (len(diff) - 80))
    if malsamaj:
        sys.exit("The committed form differs from what its module builds: %s\n"
                 "Change the module in tools/lecionoj/ and run python3 tools/formoj.py." % ", ".join(malsamaj))


if __name__ == "__main__":
    main()
