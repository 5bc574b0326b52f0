#!/usr/bin/env python3
"""Draws the pictures of the main window (home-page tiles, bar and footer
icons, settings and credits icons) as SVG and renders them to PNG with
rsvg-convert. Run from anywhere: python3 tools/desegnas_fenestrajn_bildojn.py"""
import os
import subprocess
import tempfile

RADIKO = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
A = os.path.join(RADIKO, 'ikonoj_androjdo')
NIGRA = '#263238'
BLUA = '#046AB7'
VERDA = '#2E8B3A'
GRIZA = '#9E9E9E'
TIPARO = "DejaVu Sans"


def bildo(vojo, larĝo, alto, enhavo, vb=None):
    vb = vb or f'0 0 {larĝo} {alto}'
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{larĝo}" height="{alto}" viewBox="{vb}">'
           f'{enhavo}</svg>')
    os.makedirs(os.path.dirname(vojo), exist_ok=True)
    with tempfile.NamedTemporaryFile('w', suffix='.svg', delete=False) as f:
        f.write(svg)
        nomo = f.name
    subprocess.run(['rsvg-convert', '-w', str(larĝo), '-h', str(alto), '-o', vojo, nomo], check=True)
    os.unlink(nomo)


def ikono(nomo, enhavo, rastrumo=72):
    """A 24-unit drawing rendered at 72 px (shown at 36 px, sharp on high-DPI screens)."""
    bildo(os.path.join(A, nomo), rastrumo, rastrumo, enhavo, '0 0 24 24')


def streko(d, koloro=NIGRA, larĝo=2.4):
    return (f'<path d="{d}" fill="none" stroke="{koloro}" stroke-width="{larĝo}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def plena(d, koloro=NIGRA):
    return f'<path d="{d}" fill="{koloro}"/>'


def teksto(x, y, t, grando, koloro=NIGRA, dika=True, tiparo=TIPARO, ankro='middle'):
    w = 'bold' if dika else 'normal'
    return (f'<text x="{x}" y="{y}" font-family="{tiparo}" font-size="{grando}" font-weight="{w}" '
            f'fill="{koloro}" text-anchor="{ankro}">{t}</text>')


def oblikva(koloro='#C62828'):
    return streko('M3 3 L21 21', koloro, 2.4)


# ---- bars and footer
ikono('baseline_arrow_back_black_36.png', streko('M20 12 H5 M11 5 L4 12 L11 19'))
ikono('baseline_arrow_forward_black_36.png', streko('M4 12 H19 M13 5 L20 12 L13 19'))
# ---- the translation editor's first-page, last-page, folder and exit buttons
ikono('unua_pagho.png', streko('M5 5 V19 M19 5 L11 12 L19 19'))
ikono('lasta_pagho.png', streko('M19 5 V19 M5 5 L13 12 L5 19'))
ikono('baseline_folder_open_black_36dp.png',
      streko('M3 19 V6 C3 5.4 3.4 5 4 5 H9 L11 7 H18 C18.6 7 19 7.4 19 8 V10', NIGRA, 1.8)
      + plena('M3 19 L6.2 11.2 C6.4 10.5 7 10 7.7 10 H21.3 C22 10 22.4 10.6 22.2 11.2 L19.3 18.3 '
              'C19.1 18.8 18.6 19 18.1 19 Z', '#F9A825')
      + streko('M3 19 L6.2 11.2 C6.4 10.5 7 10 7.7 10 H21.3 C22 10 22.4 10.6 22.2 11.2 L19.3 18.3 '
               'C19.1 18.8 18.6 19 18.1 19 Z', NIGRA, 1.6))
ikono('baseline_exit_to_app_black_36.png',
      streko('M14 4 H6 C4.9 4 4 4.9 4 6 V18 C4 19.1 4.9 20 6 20 H14', NIGRA, 2)
      + streko('M10 12 H21 M17 8 L21 12 L17 16', NIGRA, 2.4))
ikono('baseline_home_black_36.png', plena('M12 3 L2 12 H5 V21 H10 V15 H14 V21 H19 V12 H22 Z'))
ikono('baseline_done_black_36.png', streko('M4 12.5 L9.5 18 L20 6', VERDA, 3))
ikono('baseline_more_horiz_black_36.png',
      ''.join(f'<circle cx="{x}" cy="12" r="2.3" fill="{NIGRA}"/>' for x in (5, 12, 19)))
ikono('baseline_send_black_36.png', plena('M2 21 L23 12 L2 3 L2 10 L17 12 L2 14 Z'))
ikono('cx_edit.png', '<rect x="2" y="2" width="20" height="20" rx="4" fill="#FFF8E1" stroke="#263238" stroke-width="1.6"/>'
      + teksto(12, 18, 'ĉ', 15))
ikono('cx_edit_off.png', '<rect x="2" y="2" width="20" height="20" rx="4" fill="#EEEEEE" stroke="#9E9E9E" stroke-width="1.6"/>'
      + teksto(12, 18, 'ĉ', 15, GRIZA) + oblikva())
KAPO = plena('M9 4 A4.5 4.5 0 1 1 8.99 4 Z M9 14.5 C4 14.5 1 16.5 1 19 V21 H17 V19 C17 16.5 14 14.5 9 14.5 Z')
ONDOJ = streko('M16 6 Q18 9 16 12', NIGRA, 1.8) + streko('M19 3.5 Q23 9 19 14.5', NIGRA, 1.8)
ikono('baseline_record_voice_over_black_36.png', KAPO + ONDOJ)
ikono('baseline_voice_over_off_black_36.png',
      KAPO.replace(NIGRA, GRIZA) + ONDOJ.replace(NIGRA, GRIZA) + oblikva())
NOTO = plena('M10 3 H20 V7 H14 V17 A3.5 3.5 0 1 1 12 14 V3 Z'.replace('M10 3', 'M12 3'))
ikono('baseline_music_note_black_36.png', NOTO)
ikono('baseline_music_note_black_off_36.png', NOTO.replace(NIGRA, GRIZA) + oblikva())

# ---- settings page
ikono('baseline_translate_black_36.png',
      '<rect x="1.5" y="2" width="13" height="12" rx="2" fill="#E3F2FD" stroke="#263238" stroke-width="1.2"/>'
      + teksto(8, 12, 'A', 10)
      + '<rect x="9.5" y="10" width="13" height="12" rx="2" fill="#E8F5E9" stroke="#263238" stroke-width="1.2"/>'
      + teksto(16, 20, 'Ĉ', 10, VERDA))
ikono('tiparo.png', teksto(7.5, 19, 'A', 18, NIGRA, True, 'DejaVu Serif') + teksto(18, 19, 'a', 12, BLUA, False))
ikono('tipargrando.png', teksto(6, 20, 'A', 10) + teksto(15, 20, 'A', 17)
      + streko('M21.5 4 V10 M19.5 6 L21.5 4 L23.5 6', BLUA, 1.4))

# ---- credits tabs
ikono('baseline_group_black_36.png',
      plena('M8 4 a3.4 3.4 0 1 0 0.01 0 Z M16 4 a3.4 3.4 0 1 0 0.01 0 Z'.replace('M8 4', 'M8 4.2').replace('M16 4', 'M16 4.2'))
      + plena('M1 20 C1 15 4.5 13 8 13 C11.5 13 15 15 15 20 Z')
      + plena('M13.5 14 C14.5 13.3 15.2 13 16 13 C19.5 13 23 15 23 20 H16.5 C16.5 17.5 15.5 15.5 13.5 14 Z'))
ikono('kopirajtoj.png', '<circle cx="12" cy="12" r="10" fill="none" stroke="#263238" stroke-width="2"/>'
      + teksto(12, 16.6, 'c', 13))

# ---- footer print button (hidden on this platform, kept for the form)
for nomo, fono in (('printi-pagxon.png', '#FFFFFF'), ('printi-pagxon-hover.png', '#FFE4D6')):
    bildo(os.path.join(RADIKO, 'pagxopiedo', nomo), 162, 66,
          f'<rect x="1" y="1" width="160" height="64" rx="10" fill="{fono}" stroke="#263238" stroke-width="2"/>'
          '<rect x="18" y="14" width="24" height="10" fill="#FFFFFF" stroke="#263238" stroke-width="2"/>'
          '<rect x="10" y="24" width="40" height="20" rx="3" fill="#263238"/>'
          '<rect x="18" y="38" width="24" height="14" fill="#FFFFFF" stroke="#263238" stroke-width="2"/>'
          + teksto(106, 42, 'Presi', 22))

# ---- home page
H = os.path.join(A, 'hejmo')
KOLOROJ = ['#1E88E5', '#43A047', '#F4511E', '#8E24AA', '#00897B', '#FB8C00', '#3949AB',
           '#C0CA33', '#D81B60', '#00ACC1', '#6D4C41', '#5E35B1', '#B8860B']
STELO = 'M0 -10 L2.35 -3.24 L9.51 -3.09 L3.8 1.24 L5.88 8.09 L0 4 L-5.88 8.09 L-3.8 1.24 L-9.51 -3.09 L-2.35 -3.24 Z'
for n, koloro in enumerate(KOLOROJ, start=1):
    enhavo = (f'<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
              f'<stop offset="0" stop-color="{koloro}" stop-opacity="0.8"/><stop offset="1" stop-color="{koloro}"/>'
              f'</linearGradient></defs>'
              f'<rect x="4" y="4" width="120" height="120" rx="22" fill="url(#g)" stroke="#FFFFFF" stroke-width="4"/>'
              + teksto(64, 34, 'Leciono', 18, '#FFFFFF', False)
              + teksto(64, 98, str(n), 58, '#FFFFFF'))
    if n == 13:
        enhavo += f'<path transform="translate(104 106) scale(1.1)" d="{STELO}" fill="#FFFFFF"/>'
    bildo(os.path.join(H, f'leciono{n:02d}.png'), 128, 128, enhavo)


def kahelo(nomo, enhavo, larĝo=24):
    bildo(os.path.join(H, nomo), larĝo * 3, 72, enhavo, f'0 0 {larĝo} 24')


kahelo('kie_mi_haltis.png', plena('M6 2 H18 V22 L12 17 L6 22 Z', '#E53935'))
kahelo('kreditoj.png',
       ''.join(f'<path transform="translate({x} 12) scale(0.9)" d="{STELO}" fill="#F9A825"/>' for x in (10, 20, 30)),
       40)
kahelo('kio_estas.png', '<circle cx="12" cy="12" r="11" fill="#FFFFFF" stroke="#2E8B3A" stroke-width="1.5"/>'
       f'<path transform="translate(12 12.6) scale(0.95)" d="{STELO}" fill="{VERDA}"/>')
DENTOJ = ''.join(f'<rect x="10.2" y="1" width="3.6" height="5" rx="1" fill="{NIGRA}" transform="rotate({a} 12 12)"/>'
                 for a in range(0, 360, 45))
kahelo('konfigurado.png', DENTOJ + f'<circle cx="12" cy="12" r="7.5" fill="{NIGRA}"/>'
       '<circle cx="12" cy="12" r="3.2" fill="#FFFFFF"/>')
kahelo('kiel_uzi.png', plena('M1 5 C5 3.5 9 3.5 11.5 5.5 V21 C9 19.5 5 19.5 1 21 Z', BLUA)
       + plena('M22.5 5 C18.5 3.5 14.5 3.5 12.5 5.5 V21 C14.5 19.5 18.5 19.5 22.5 21 Z', BLUA)
       + teksto(6.2, 15.5, '?', 9, '#FFFFFF') + teksto(17.8, 15.5, '?', 9, '#FFFFFF'))
kahelo('eliri.png', streko('M14 3 H4 V21 H14', NIGRA, 2.2) + streko('M9 12 H22 M17 7 L22 12 L17 17', '#E53935', 2.6))

# The title picture of the home page.
bildo(os.path.join(H, 'lerbo_de_esperanto_titolo.png'), 600, 280,
      f'<path transform="translate(300 70) scale(5)" d="{STELO}" fill="{VERDA}"/>'
      + teksto(300, 185, 'Lerbo de Esperanto', 54, BLUA)
      + teksto(300, 235, 'kurso por memlernantoj', 28, '#5D4037', False))
