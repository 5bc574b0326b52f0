#!/usr/bin/env python3
"""Renders a score of tools/muziko/ into the media folder.

    python3 tools/muziko/kantas.py NAME --sono OUT.oga [--video OUT.ogv] --labor DIR [-j N]

The accompaniment is synthesised by sox (plucked bass and chords, a sine
flute where the instruments play the tune alone); the words are sung by
espeak-ng's Esperanto voice, one syllable at a time: spoken on one flat pitch
as near the note as espeak's own pitch control comes, moved onto the note by
resampling the small rest of the way, and stretched or cut to the note's
length. The voice, bass and chords are mixed, normalised and written as Ogg
Vorbis. With --video the song's picture and its words, the line being sung
large and the next one small, become an Ogg Theora video with that sound,
made by GStreamer.

DIR keeps what a later run can reuse (the sung syllables) and the voice
alone, DIR/vocxo.wav, which the timing check reads. A file appears under its
name only whole."""
import argparse
import array
import concurrent.futures
import hashlib
import html
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import wave

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import partituro  # noqa: E402

RAPIDO = 44100  # samples a second: sox plucks only at 44.1 kHz or more
FPS = 10  # the words change at most ten times a second
LARGXO, ALTO = 320, 240  # the video frame shows 320 x 240
# Each syllable is let go this long before its note ends, so that the next
# one starts clean; a line's last note has its rest in the score.
SPIRO = 0.04
# Recipe of the sung syllables: bump it when their making changes.
RECEPTO = "s1"


class Fiasko(Exception):
    pass


def lancxu(args, **kw):
    r = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    if r.returncode != 0:
        raise Fiasko("%s failed: %s" % (args[0], r.stderr.decode("utf-8", "replace").strip()[-400:]))
    return r.stdout


def specimenoj(vojo):
    with wave.open(vojo) as w:
        return w.getnframes()


# --- the singer -----------------------------------------------------------------

def espeak_datumoj(labor, vocxo, bazo):
    """A copy of espeak-ng's data, linked, with one voice variant more: the
    singer, whose pitch never moves ("pitch B B"), so each syllable holds its
    note instead of falling like the end of a sentence."""
    eligo = lancxu(["espeak-ng", "--version"]).decode()
    m = re.search(r"Data at:\s*(\S+)", eligo)
    if not m or not os.path.isdir(m.group(1)):
        raise Fiasko("cannot find espeak-ng's data folder")
    fonto = m.group(1)
    radiko = os.path.join(labor, "espeak")
    celo = os.path.join(radiko, "espeak-ng-data")
    shutil.rmtree(radiko, ignore_errors=True)
    os.makedirs(os.path.join(celo, "voices", "!v"))
    for nomo in os.listdir(fonto):
        if nomo != "voices":
            os.symlink(os.path.join(fonto, nomo), os.path.join(celo, nomo))
    for nomo in os.listdir(os.path.join(fonto, "voices")):
        if nomo != "!v":
            os.symlink(os.path.join(fonto, "voices", nomo), os.path.join(celo, "voices", nomo))
    for nomo in os.listdir(os.path.join(fonto, "voices", "!v")):
        os.symlink(os.path.join(fonto, "voices", "!v", nomo), os.path.join(celo, "voices", "!v", nomo))
    sekso = "male" if vocxo == "vira" else "female"
    with open(os.path.join(celo, "voices", "!v", "kantanto"), "w") as f:
        f.write("language variant\nname kantanto\ngender %s\npitch %d %d\n" % (sekso, bazo, bazo))
    return radiko


def tono(vojo):
    """The voice's pitch in Hz: the median of the pitches found in 30 ms
    windows by autocorrelation (the first lag whose correlation comes near
    the best one, so that a harmonic is not taken for the pitch)."""
    with wave.open(vojo) as w:
        sr = w.getframerate()
        a = array.array("h", w.readframes(w.getnframes()))
    fenestro = int(0.03 * sr)
    trovitaj = []
    for s in range(0, len(a) - 2 * fenestro, fenestro):
        peco = a[s:s + 2 * fenestro]
        if sum(x * x for x in peco[:fenestro]) / fenestro < 2e5:
            continue
        k = {lag: sum(peco[i] * peco[i + lag] for i in range(fenestro)) for lag in range(sr // 700, sr // 50)}
        plej = max(k.values())
        for lag in range(sr // 700 + 1, sr // 50 - 1):
            if k[lag] > 0.85 * plej and k[lag] >= k[lag - 1] and k[lag] >= k[lag + 1]:
                trovitaj.append(sr / lag)
                break
    if not trovitaj:
        raise Fiasko("no pitch found in %s" % vojo)
    trovitaj.sort()
    return trovitaj[len(trovitaj) // 2]


class Kantisto:
    def __init__(self, kanto, labor):
        sonantaj = [n for li in kanto.linioj if li.teksto for n in li.notoj if n.midi is not None]
        malalta = min(n.frekvenco for n in sonantaj)
        alta = max(n.frekvenco for n in sonantaj)
        # espeak's pitch control reaches an octave below and above its middle.
        self.bazo = int(round(math.sqrt(malalta * alta)))
        self.vocxo = kanto.vocxo
        self.labor = labor
        self.datumoj = espeak_datumoj(labor, kanto.vocxo, self.bazo)
        provo = os.path.join(labor, "provo.wav")
        self.espeak("laaa", 50, provo)
        self.meza = tono(provo)  # the pitch at espeak's -p 50
        os.makedirs(os.path.join(labor, "silaboj"), exist_ok=True)

    def espeak(self, teksto, p, vojo):
        lancxu(["espeak-ng", "--path=" + self.datumoj, "-v", "eo+kantanto", "-p", str(p), "-s", "120", "-w", vojo,
                " " + teksto])

    def silabo(self, silabo, frekvenco, sonas, cxio):
        """The syllable sung at `frekvenco` for `sonas` seconds, then silence
        up to `cxio` samples: a WAV file of exactly that many samples."""
        p = max(0, min(99, int(round(50 + 50 * math.log2(frekvenco / self.meza)))))
        ekde_p = self.meza * 2 ** ((p - 50) / 50)
        sxlosilo = "%s|%s|%d|%.2f|%d|%.3f|%d|%s" % (RECEPTO, silabo, self.bazo, frekvenco, p, sonas, cxio,
                                                     self.vocxo)
        vojo = os.path.join(self.labor, "silaboj", hashlib.sha1(sxlosilo.encode()).hexdigest()[:20] + ".wav")
        if os.path.exists(vojo):
            return vojo
        with tempfile.TemporaryDirectory(dir=self.labor) as tmp:
            kruda = os.path.join(tmp, "k.wav")
            pura = os.path.join(tmp, "p.wav")
            self.espeak(silabo, p, kruda)
            # espeak's own lead-in and trailing silence go, so the sound starts on the note.
            lancxu(["sox", kruda, pura, "silence", "1", "0.002", "-42d", "reverse", "silence", "1", "0.002", "-42d",
                    "reverse"])
            longo = specimenoj(pura) / 22050.0
            if longo <= 0:
                raise Fiasko("espeak-ng sang nothing for \"%s\"" % silabo)
            rapido = frekvenco / ekde_p
            tempo = (longo / rapido) / sonas
            farita = os.path.join(tmp, "f.wav")
            # Lengths in samples count at the rate where they stand in the
            # chain, so the rate is settled before any of them.
            lancxu(["sox", pura, "-r", str(RAPIDO), farita, "speed", "%.6f" % rapido, "rate", str(RAPIDO),
                    "tempo", "-s", "%.6f" % tempo,
                    "fade", "h", "0.006", "-0", "0.04", "pad", "0", "%ds" % cxio, "trim", "0", "%ds" % cxio])
            os.replace(farita, vojo)
        return vojo


# --- the parts --------------------------------------------------------------

class Specimenoj:
    """Beats of the song as sample positions of the rendered files."""

    def __init__(self, kanto):
        self.kanto = kanto
        self.cxio = self.specimeno(kanto.taktoj * kanto.takto)

    def specimeno(self, taktoj):
        return int(round(self.kanto.sekundoj(taktoj) * RAPIDO))


def vocxo(kanto, kantisto, celo, laboristoj):
    b = Specimenoj(kanto)
    notoj = [n for li in kanto.linioj if li.teksto for n in li.notoj if n.midi is not None]
    taskoj = []
    for i, n in enumerate(notoj):
        komenco = b.specimeno(n.komenco)
        sekva = b.specimeno(notoj[i + 1].komenco) if i + 1 < len(notoj) else b.cxio
        sonas = max(0.05, min(kanto.sekundoj(n.longo), (sekva - komenco) / RAPIDO) - SPIRO)
        taskoj.append((n.silabo, n.frekvenco, sonas, sekva - komenco))
    with concurrent.futures.ThreadPoolExecutor(max_workers=laboristoj) as ex:
        dosieroj = list(ex.map(lambda t: kantisto.silabo(*t), taskoj))
    antauxe = os.path.join(kantisto.labor, "antauxe.wav")
    lancxu(["sox", "-r", str(RAPIDO), "-n", "-r", str(RAPIDO), "-c", "1", "-b", "16", antauxe, "trim", "0",
            "%ds" % max(1, b.specimeno(notoj[0].komenco))])
    listo = os.path.join(kantisto.labor, "vocxo.tmp.wav")
    lancxu(["sox", antauxe] + dosieroj + [listo, "trim", "0", "%ds" % b.cxio])
    os.replace(listo, celo)


def sinsekvo(eventoj, cxio, kanaloj, sintezo):
    """One sox run that plays `eventoj` [(sample, tones)] one after the other,
    each until the next: a chain per event, silence before the first."""
    args = ["sox", "-c", str(kanaloj), "-r", str(RAPIDO), "-n", "-c", "1", "-b", "16"]
    ujo = []
    eventoj = sorted(eventoj)
    if not eventoj or eventoj[0][0] > 0:
        ujo.append(["trim", "0", "%ds" % (eventoj[0][0] if eventoj else cxio)])
    for i, (komenco, tonoj) in enumerate(eventoj):
        fino = eventoj[i + 1][0] if i + 1 < len(eventoj) else cxio
        longo = fino - komenco
        if longo <= 0:
            continue
        if not tonoj:
            ujo.append(["trim", "0", "%ds" % longo])
            continue
        tonoj = (tonoj * kanaloj)[:kanaloj]
        ujo.append(sintezo(longo, tonoj))
    return args, ujo


def sox_sinsekvo(eventoj, cxio, kanaloj, sintezo, celo, poste=()):
    args, ujo = sinsekvo(eventoj, cxio, kanaloj, sintezo)
    ktenoj = []
    for i, k in enumerate(ujo):
        ktenoj += ([":"] if i else []) + k
    tmp = celo + ".tmp.wav"
    lancxu(args + [tmp] + ktenoj)
    lancxu(["sox", tmp, celo] + list(poste) + ["pad", "0", "%ds" % cxio, "trim", "0", "%ds" % cxio])
    os.remove(tmp)


def hz(midi):
    return "%.3f" % (440.0 * 2 ** ((midi - 69) / 12))


def akompano(kanto, labor):
    """Bass, chords and flute as three WAV files of the song's length."""
    b = Specimenoj(kanto)
    # Per beat of the bar: bass root, bass fifth or chord.
    ritmo = {3: "BAA", 4: "BAbA"}[kanto.takto]
    akordoj = [a for li in kanto.linioj for a in li.akordoj]
    baso, akordaro = [], []
    t = 0
    fino = kanto.taktoj * kanto.takto
    while t < fino - 1e-9:
        akordo = next(a for a in akordoj if a.komenco <= t + 1e-9 < a.komenco + a.longo)
        kio = ritmo[int(round(t)) % kanto.takto]
        s = b.specimeno(t)
        if t > fino - kanto.takto + 1e-9:
            # The last bar rings on its first chord.
            pass
        elif t > fino - kanto.takto - 1e-9:
            baso.append((s, [akordo.radiko]))
            akordaro.append((s, sorted(55 + (n - 55) % 12 for n in akordo.tonoj(3))))
        elif kio == "B":
            baso.append((s, [akordo.radiko]))
        elif kio == "b":
            baso.append((s, [akordo.radiko + 7]))
        else:
            # Close voicing between G3 and F#4, whatever the root.
            tonoj = sorted(55 + (n - 55) % 12 for n in akordo.tonoj(3))
            akordaro.append((s, tonoj))
        t += 1
    vojoj = {}
    vojoj["baso"] = os.path.join(labor, "baso.wav")
    sox_sinsekvo(baso, b.cxio, 1, lambda n, t: ["synth", "%ds" % n, "pluck", hz(t[0]), "fade", "h", "0.002",
                                                "-0", "0.08"], vojoj["baso"], poste=["lowpass", "900"])
    vojoj["akordoj"] = os.path.join(labor, "akordoj.wav")
    sox_sinsekvo(akordaro, b.cxio, 4, lambda n, t: ["synth", "%ds" % n] + [x for tt in t for x in ("pluck", hz(tt))]
                 + ["fade", "h", "0.002", "-0", "0.05"], vojoj["akordoj"], poste=["lowpass", "2200"])
    melodio = []
    for li in kanto.linioj:
        if li.teksto is None:
            for n in li.notoj:
                melodio.append((b.specimeno(n.komenco), [n.midi + 12] if n.midi is not None else []))
        elif li.notoj:
            melodio.append((b.specimeno(li.komenco), []))
    vojoj["fluto"] = os.path.join(labor, "fluto.wav")
    sox_sinsekvo(melodio, b.cxio, 1, lambda n, t: ["synth", "%ds" % n, "sine", hz(t[0]), "tremolo", "5", "8",
                                                   "fade", "h", "0.03", "-0", "0.08"], vojoj["fluto"])
    return vojoj


def miksas(kanto, vocxo_vojo, partoj, labor, celo):
    b = Specimenoj(kanto)
    reverba = os.path.join(labor, "vocxo_reverba.wav")
    lancxu(["sox", vocxo_vojo, reverba, "reverb", "25", "50", "40"])
    miksajho = os.path.join(labor, "miksajho.wav")
    lancxu(["sox", "-m", "-v", "1.0", reverba, "-v", "0.5", partoj["baso"], "-v", "0.25", partoj["akordoj"],
            "-v", "0.3", partoj["fluto"], miksajho, "trim", "0", "%ds" % b.cxio, "fade", "t", "0", "-0", "1.5",
            "gain", "-n", "-1"])
    tmp = celo + ".nova"
    lancxu(["oggenc", "-Q", "-q", "4", "-t", kanto.titolo, "-o", tmp, miksajho])
    os.replace(tmp, celo)


# --- the video ----------------------------------------------------------------

def bildo_svg():
    """The band of lesson 12's song page, drawn by tools/lecionoj/lec12.py."""
    from lecionoj import lec12
    for nomo, largxo, alto, korpo in lec12.BILDOJ:
        if nomo == "tavrin":
            return largxo, alto, korpo
    raise Fiasko("lesson 12 draws no band")


def stato_svg(granda, malgranda):
    largxo, alto, korpo = bildo_svg()
    skalo = 150.0 / alto
    x = (LARGXO - largxo * skalo) / 2

    def teksto(t, y, grando, koloro, pezo):
        if not t:
            return ""
        # Narrow the type for a long line so it stays inside the frame.
        grando = min(grando, (LARGXO - 16) / (0.6 * len(t)))
        return ('<text x="%d" y="%d" font-family="DejaVu Sans" font-size="%.1f" font-weight="%s" fill="%s" '
                'text-anchor="middle">%s</text>' % (LARGXO // 2, y, grando, pezo, koloro, html.escape(t)))

    # An inner viewport, so the picture is cut at its own edges.
    bildo = ('<svg x="%.1f" y="4" width="%.1f" height="150" viewBox="0 0 %d %d">%s</svg>'
             % (x, largxo * skalo, largxo, alto, korpo))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="{l}" height="{a}" viewBox="0 0 {l} {a}">'
            '<rect width="{l}" height="{a}" fill="#1d2433"/>{bildo}'
            '<rect x="0" y="158" width="{l}" height="82" fill="#141a26"/>{granda}{malgranda}</svg>').format(
        l=LARGXO, a=ALTO, bildo=bildo, granda=teksto(granda, 192, 19, "#ffffff", "bold"),
        malgranda=teksto(malgranda, 224, 13, "#9fb3c8", "normal"))


def statoj(kanto):
    """(from s, large line, small line): the title until the first line comes,
    each line from the end of the one before it, the title again at the end."""
    linioj = list(kanto.kantataj())
    rezulto = [(0.0, kanto.titolo, linioj[0][2])]
    for i, (komenco, fino, teksto) in enumerate(linioj):
        ekde = max(linioj[i - 1][1] if i else 0.0, komenco - kanto.sekundoj(1))
        sekva = linioj[i + 1][2] if i + 1 < len(linioj) else ""
        rezulto.append((ekde, teksto, sekva))
    rezulto.append((linioj[-1][1] + 0.3, kanto.titolo, ""))
    return rezulto


def video(kanto, sono, labor, celo):
    bildoj = os.path.join(labor, "bildoj")
    shutil.rmtree(bildoj, ignore_errors=True)
    os.makedirs(bildoj)
    listo = statoj(kanto)
    for i, (_, granda, malgranda) in enumerate(listo):
        svg = os.path.join(bildoj, "stato%03d.svg" % i)
        with open(svg, "w", encoding="utf-8") as f:
            f.write(stato_svg(granda, malgranda))
        lancxu(["rsvg-convert", "-w", str(LARGXO), "-h", str(ALTO), "-o", svg[:-4] + ".png", svg])
    # The pictures end before the sound: a video stream still running when
    # the sound has ended is closed without its end mark.
    kadroj = int(math.floor(kanto.longo * FPS))
    j = 0
    for k in range(kadroj):
        while j + 1 < len(listo) and listo[j + 1][0] <= k / FPS:
            j += 1
        os.symlink("stato%03d.png" % j, os.path.join(bildoj, "%05d.png" % k))
    tmp = celo + ".nova"
    lancxu(["gst-launch-1.0", "-q", "-e",
            "multifilesrc", "location=" + os.path.join(bildoj, "%05d.png"), "index=0",
            "caps=image/png,framerate=(fraction)%d/1" % FPS, "!", "pngdec", "!", "videoconvert", "!",
            "theoraenc", "!", "queue", "!", "oggmux", "name=mux", "!", "filesink", "location=" + tmp,
            "filesrc", "location=" + sono, "!", "oggdemux", "!", "vorbisparse", "!", "queue", "!", "mux."])
    os.replace(tmp, celo)


def cifero(kanto):
    """What the song's files are made from, as a short hash: the score as
    read (not its module, which may take its words from a lesson), the
    picture, and this renderer."""
    h = hashlib.sha1()
    for dosiero in (__file__, partituro.__file__):
        with open(dosiero, "rb") as f:
            h.update(f.read())
    h.update(repr((kanto.titolo, kanto.tempo, kanto.takto, kanto.vocxo)).encode())
    for li in kanto.linioj:
        h.update(repr((li.teksto, [(n.komenco, n.longo, n.midi, n.silabo) for n in li.notoj],
                       [(a.komenco, a.longo, a.radiko, a.speco) for a in li.akordoj])).encode())
    h.update(repr(bildo_svg()).encode())
    return h.hexdigest()[:16]


def main():
    ap = argparse.ArgumentParser(description="Renders a score of tools/muziko/.")
    ap.add_argument("nomo")
    ap.add_argument("--cifero", action="store_true", help="only print the hash of what the files are made from")
    ap.add_argument("--sono", help="the Ogg Vorbis file to write")
    ap.add_argument("--video", help="also this Ogg Theora video")
    ap.add_argument("--labor", help="work folder, kept between runs")
    ap.add_argument("-j", type=int, default=os.cpu_count() or 1, help="parallel syllables")
    arg = ap.parse_args()
    try:
        kanto = partituro.sxargas(arg.nomo)
        if arg.cifero:
            print(cifero(kanto))
            return 0
        if not arg.sono or not arg.labor:
            ap.error("--sono and --labor are needed")
        for ilo in ("espeak-ng", "sox", "oggenc") + (("rsvg-convert", "gst-launch-1.0") if arg.video else ()):
            if not shutil.which(ilo):
                raise Fiasko("%s is missing (run tools/bezonoj.sh)" % ilo)
        os.makedirs(arg.labor, exist_ok=True)
        for v in (arg.sono, arg.video):
            if v:
                os.makedirs(os.path.dirname(os.path.abspath(v)), exist_ok=True)
        kantisto = Kantisto(kanto, arg.labor)
        vocxo_vojo = os.path.join(arg.labor, "vocxo.wav")
        vocxo(kanto, kantisto, vocxo_vojo, max(1, arg.j))
        partoj = akompano(kanto, arg.labor)
        miksas(kanto, vocxo_vojo, partoj, arg.labor, arg.sono)
        if arg.video:
            video(kanto, arg.sono, arg.labor, arg.video)
    except (partituro.Eraro, Fiasko, OSError) as e:
        print("kantas.py: %s: %s" % (arg.nomo, e), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
