#!/usr/bin/env python3
"""Draws Grocelle's pictures (SVG) and synthesises its sounds (WAV).

Writes res/images/*.svg and res/sounds/*.wav. The outputs are committed, so
the build does not run this; run it again after changing a drawing or a sound:

    python3 scripts/make-resources.py

New files must also be listed in res/grocelle.qrc. res/icons/grocelle-256.png
is images/app-icon.svg rendered at 256 x 256 with Qt's SVG renderer (for
desktops that want a bitmap icon); render it again when the icon changes.
res/phone/icon-192.png and icon-512.png are the same icon at 192 and 512
pixels for the phone page's manifest, rendered by headless Chromium with a
transparent background.

Only the standard library is used. Every picture is drawn in the handheld's
own pixels (its viewBox is the handheld size), so 1 unit = 1 handheld pixel
and the program scales it to the window. Text is drawn with the stroke
letters below rather than with fonts, so the pictures look the same on every
machine.
"""

import math
import os
import random
import struct
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMAGES = os.path.join(ROOT, "res", "images")
SOUNDS = os.path.join(ROOT, "res", "sounds")

# One palette for everything: a fresh green for the brand, warm produce
# colours as accents, slate for ink.
GREEN = "#3DA35D"
GREEN_DARK = "#24794A"
GREEN_LIGHT = "#BFE6C9"
GREEN_PALE = "#EEF8F1"
RED = "#E5484D"
RED_DARK = "#B8343A"
ORANGE = "#F5982E"
YELLOW = "#F7C948"
BREAD = "#E9B872"
BREAD_DARK = "#C98F45"
INK = "#33414F"
GREY = "#8A949E"
GREY_LIGHT = "#D5DAE0"
WHITE = "#FFFFFF"
FACE = "#F6FAF7"
FACE_SHADE = "#B5CDBC"
FACE_DOWN = "#DCEDE1"
FACE_DOWN_SHADE = "#7FAE8D"

# ---------------------------------------------------------------------------
# Stroke letters: cap height 10, baseline at y = 10, x-height 6 (top y = 4).
# Each entry is (path, advance). Drawn with round caps and joins.
GLYPHS = {
    "A": ("M0,10 L4,0 L8,10 M1.7,6.4 H6.3", 8.0),
    "G": ("M8.7,1.9 A5,5 0 1 0 10,5.6 H6", 10.0),
    "L": ("M0,0 V10 H6", 6.0),
    "S": ("M7.2,1.8 C6.3,0.5 5,0 3.8,0 C1.9,0 0.6,1.2 0.6,2.7 "
          "C0.6,6 7.6,4.2 7.6,7.3 C7.6,9 6,10 4,10 C2.6,10 1.2,9.4 0.4,8.2", 8.0),
    "o": ("M0,7 A3,3 0 1 0 6,7 A3,3 0 1 0 0,7", 6.0),
    "c": ("M5.5,5.2 A3,3 0 1 0 5.5,8.8", 5.6),
    "e": ("M0.2,7 H5.9 A3,3 0 1 0 5.3,9", 6.0),
    "r": ("M0,4 V10 M0,7 A3,3 0 0 1 3,4 H3.6", 3.6),
    "l": ("M0,0 V8.3 A1.7,1.7 0 0 0 1.7,10", 1.7),
    "?": ("M0,2.9 A2.9,2.9 0 1 1 4.2,5.4 C3.2,5.9 2.9,6.5 2.9,7.4", 5.8),
}
LETTER_GAP = 2.6


def text_width(text, gap=LETTER_GAP):
    return sum(GLYPHS[ch][1] for ch in text) + gap * (len(text) - 1)


def stroke_text(text, x, baseline, size, colour, weight=2.0, gap=LETTER_GAP):
    """Stroke letters with cap height `size` and the pen `weight` in letter
    units (cap height 10), the left edge at x."""
    scale = size / 10.0
    parts = []
    pen = 0.0
    for ch in text:
        path, advance = GLYPHS[ch]
        parts.append(f'<path transform="translate({pen:.2f},0)" d="{path}"/>')
        if ch == "?":
            parts.append(f'<circle cx="{pen + 2.9:.2f}" cy="10" r="{weight * 0.6:.2f}" '
                         f'fill="{colour}" stroke="none"/>')
        pen += advance + gap
    return (f'<g transform="translate({x:.2f},{baseline - size:.2f}) scale({scale:.4f})" '
            f'fill="none" stroke="{colour}" stroke-width="{weight}" '
            f'stroke-linecap="round" stroke-linejoin="round">' + "".join(parts) + "</g>")


def svg(width, height, body, note):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n'
            f'<!-- Grocelle: {note}. Drawn by scripts/make-resources.py. -->\n'
            f'{body}\n</svg>\n')


def face(width, height, down, fill=None, shade=None, radius=None):
    """A flat button face: a body on a darker rim that is thicker at the
    bottom when up and at the top when pressed."""
    r = radius if radius is not None else min(3.0, height / 4.0)
    outer = shade or (FACE_DOWN_SHADE if down else FACE_SHADE)
    inner = fill or (FACE_DOWN if down else FACE)
    top = 2 if down else 1
    return (f'<rect x="0" y="0" width="{width}" height="{height}" rx="{r}" fill="{outer}"/>'
            f'<rect x="1" y="{top}" width="{width - 2}" height="{height - 3}" '
            f'rx="{max(r - 1, 0.5)}" fill="{inner}"/>')


def shifted(body, down):
    """A pressed button moves its content one pixel down."""
    return f'<g transform="translate(0,1)">{body}</g>' if down else body


# ---------------------------------------------------------------------------
# Shared drawings


def basket(colour, handle, stripes, rim_items=True):
    """The Grocelle basket in a 32 x 32 box."""
    items = ""
    if rim_items:
        items = (f'<ellipse cx="11.5" cy="12" rx="2.6" ry="4.6" transform="rotate(-25 11.5 12)" '
                 f'fill="{GREEN_LIGHT}"/>'
                 f'<circle cx="19.5" cy="12.2" r="3.6" fill="{ORANGE}"/>'
                 f'<path d="M19.5,8.8 q0.8,-1.6 2.4,-1.8" stroke="{GREEN_DARK}" stroke-width="1.1" '
                 f'fill="none" stroke-linecap="round"/>')
    return (f'<path d="M9.5,15 C9.5,6.5 22.5,6.5 22.5,15" fill="none" stroke="{handle}" '
            f'stroke-width="2.4" stroke-linecap="round"/>'
            + items +
            f'<path d="M4.5,14 H27.5 L24.5,26.5 Q24.2,27.5 23.2,27.5 H8.8 Q7.8,27.5 7.5,26.5 Z" '
            f'fill="{colour}"/>'
            f'<path d="M12,17.5 V24.5 M16,17.5 V24.5 M20,17.5 V24.5" stroke="{stripes}" '
            f'stroke-width="1.6" stroke-linecap="round" opacity="0.55"/>')


def app_tile():
    return (f'<rect x="1" y="1" width="30" height="30" rx="7" fill="{GREEN}"/>'
            f'<path d="M1,16 V24 Q1,31 8,31 H24 Q31,31 31,24 V16 Z" fill="{GREEN_DARK}" '
            f'opacity="0.25"/>'
            + basket(WHITE, WHITE, GREEN))


def sheet(x, y, w, h, lines=True):
    fold = 3.5
    body = (f'<path d="M{x},{y} H{x + w - fold} L{x + w},{y + fold} V{y + h} H{x} Z" '
            f'fill="{WHITE}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
            f'<path d="M{x + w - fold},{y} V{y + fold} H{x + w}" fill="none" stroke="{INK}" '
            f'stroke-width="1" stroke-linejoin="round"/>')
    if lines:
        for i in range(3):
            ly = y + 5 + i * 2.5
            if ly < y + h - 1.5:
                body += (f'<path d="M{x + 2},{ly} H{x + w - 2}" stroke="{GREY_LIGHT}" '
                         f'stroke-width="1"/>')
    return body


def plus_badge(cx, cy, r, colour=GREEN, weight=1.4):
    a = r * 0.55
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{colour}"/>'
            f'<path d="M{cx - a},{cy} H{cx + a} M{cx},{cy - a} V{cy + a}" stroke="{WHITE}" '
            f'stroke-width="{weight}" stroke-linecap="round"/>')


# ---------------------------------------------------------------------------
# The pictures, by the number the program knows them by.


def letter_button(letter, width, down):
    size = 8.0
    w = text_width(letter) * size / 10.0
    x = (width - w) / 2.0
    return svg(width, 15, face(width, 15, down)
               + shifted(stroke_text(letter, x, 11.0, size, GREEN_DARK, weight=2.2), down),
               f'letter jump button "{letter}", {"pressed" if down else "up"}')


def add_new(down):
    body = sheet(8.5, 3.5, 9, 11) + plus_badge(19.5, 11.5, 4.2)
    return svg(30, 19, face(30, 19, down) + shifted(body, down),
               f'add the typed name as a new item, {"pressed" if down else "up"}')


def clear_fields(down):
    body = (f'<circle cx="12.5" cy="9" r="5.5" fill="{RED}"/>'
            f'<path d="M10.3,6.8 L14.7,11.2 M14.7,6.8 L10.3,11.2" stroke="{WHITE}" '
            f'stroke-width="1.6" stroke-linecap="round"/>')
    return svg(25, 20, face(25, 20, down) + shifted(body, down),
               f'clear the quick entry fields, {"pressed" if down else "up"}')


def ok_face(width, height, down):
    # The caption is drawn by the button itself, so the face carries no text.
    return svg(width, height, face(width, height, down, radius=4),
               f'dialog button face, {"pressed" if down else "up"}')


def quantity_step(up, down):
    tri = "M3.2,4.3 H7.8 L5.5,1.8 Z" if up else "M3.2,1.8 H7.8 L5.5,4.3 Z"
    body = f'<path d="{tri}" fill="{GREEN_DARK}" stroke="{GREEN_DARK}" stroke-width="0.5" ' \
           f'stroke-linejoin="round"/>'
    if down:
        body = f'<g transform="translate(0,0.6)">{body}</g>'
    return svg(11, 6, face(11, 6, down, radius=1.5) + body,
               f'quantity {"plus" if up else "minus"} one, {"pressed" if down else "up"}')


def add_button():
    body = (f'<path d="M2.3,7 H4.2 L6,13.2 H13 L14.6,8.5 H4.9" fill="none" stroke="{WHITE}" '
            f'stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>'
            f'<circle cx="7" cy="15.2" r="1.2" fill="{WHITE}"/>'
            f'<circle cx="12.2" cy="15.2" r="1.2" fill="{WHITE}"/>'
            f'<path d="M9.6,1.9 V6 M7.55,3.95 H11.65" stroke="{WHITE}" stroke-width="1.5" '
            f'stroke-linecap="round"/>')
    return svg(17, 19, face(17, 19, False, fill=GREEN, shade=GREEN_DARK) + body,
               "put the typed item on the list")


def state_strip():
    cells = []
    for index in range(4):
        marked = index & 1
        coupon = index & 2
        cell = (f'<rect x="1.5" y="4.5" width="8" height="8" rx="1.5" fill="{WHITE}" '
                f'stroke="{GREY}" stroke-width="1"/>')
        if coupon:
            cell += f'<rect x="11.5" y="6.5" width="4" height="4" rx="0.8" fill="{GREEN}"/>'
        if marked:
            cell += (f'<path d="M3.3,8.3 L5.7,10.7 L10.6,3.6" fill="none" stroke="{RED}" '
                     f'stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>')
        cells.append(f'<g transform="translate({16 * index},0)">{cell}</g>')
    return svg(64, 16, "".join(cells),
               "row states: plain, marked, coupon, marked with coupon (16 x 16 each)")


def coupon_picture():
    body = (f'<path d="M1,2 H19 V5 A1.5,1.5 0 0 0 19,8 V11 H1 V8 A1.5,1.5 0 0 0 1,5 Z" '
            f'fill="{GREEN_PALE}" stroke="{GREEN}" stroke-width="1" stroke-linejoin="round"/>'
            f'<path d="M6.5,3 V10" stroke="{GREEN}" stroke-width="1" stroke-dasharray="1.2,1"/>'
            f'<circle cx="3.8" cy="6.5" r="1" fill="{GREEN}"/>'
            f'<circle cx="10.6" cy="4.6" r="1.2" fill="none" stroke="{GREEN_DARK}" '
            f'stroke-width="1"/>'
            f'<circle cx="15.4" cy="8.4" r="1.2" fill="none" stroke="{GREEN_DARK}" '
            f'stroke-width="1"/>'
            f'<path d="M15.6,3.6 L10.4,9.4" stroke="{GREEN_DARK}" stroke-width="1.1" '
            f'stroke-linecap="round"/>')
    return svg(20, 13, body, "coupon")


def letter_tab():
    body = (f'<path d="M4,2 H13 L18,8 L13,14 H4 Q1,14 1,11 V5 Q1,2 4,2 Z" fill="{GREEN}"/>'
            f'<path d="M4.5,8 H11.5 M8.5,5 L11.5,8 L8.5,11" fill="none" stroke="{WHITE}" '
            f'stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(19, 16, body, "marker beside the letter jump buttons")


def plain_strip():
    dots = "".join(f'<circle cx="{x}" cy="8" r="1.6" fill="{GREEN_LIGHT}"/>'
                   for x in range(8, 275, 12))
    return svg(275, 16, f'<rect x="0" y="1" width="275" height="14" rx="7" fill="{GREEN_PALE}"/>'
               + dots, "decorative strip")


def item_picture():
    return svg(32, 32, basket(GREEN, GREEN_DARK, GREEN_DARK), "catalog item")


def app_icon():
    return svg(32, 32, app_tile(), "application icon")


def wordmark(x, baseline, size, colour=GREEN_DARK):
    return stroke_text("Grocelle", x, baseline, size, colour, weight=2.2)


def splash_logo():
    size = 18.0
    body = (f'<rect x="1" y="1" width="222" height="88" rx="14" fill="{WHITE}" '
            f'stroke="{GREEN_LIGHT}" stroke-width="2"/>'
            f'<g transform="translate(12,13) scale(2)">{app_tile()}</g>'
            + wordmark(92, 54, size) +
            f'<circle cx="94" cy="68" r="2.6" fill="{RED}"/>'
            f'<circle cx="102" cy="68" r="2.6" fill="{ORANGE}"/>'
            f'<circle cx="110" cy="68" r="2.6" fill="{YELLOW}"/>'
            f'<path d="M118,68 H{92 + text_width("Grocelle") * size / 10:.1f}" stroke="{GREEN_LIGHT}" '
            f'stroke-width="2.6" stroke-linecap="round"/>')
    return svg(224, 90, body, "start-up logo")


def about_picture():
    # The About box draws its version line over this picture from about
    # (86, 98); that band is left plain.
    size = 19.0
    ground = 158
    body = (f'<rect width="220" height="178" fill="{GREEN_PALE}"/>'
            f'<g transform="translate(10,10) scale(2.2)">{app_tile()}</g>'
            + wordmark(88, 52, size) +
            f'<path d="M89,66 H{88 + text_width("Grocelle") * size / 10:.1f}" '
            f'stroke="{GREEN_LIGHT}" stroke-width="2.6" stroke-linecap="round"/>'
            # shelf
            f'<rect x="0" y="{ground}" width="220" height="20" fill="{GREEN_LIGHT}"/>'
            f'<rect x="0" y="{ground}" width="220" height="3" fill="{GREEN}" opacity="0.5"/>'
            # milk carton
            f'<rect x="18" y="124" width="26" height="34" fill="{WHITE}" stroke="{GREY_LIGHT}"/>'
            f'<path d="M18,124 L24,113 H38 L44,124 Z" fill="{GREEN}"/>'
            f'<rect x="36" y="108" width="3" height="6" fill="{GREEN_DARK}"/>'
            f'<path d="M21,138 H41" stroke="{GREEN_LIGHT}" stroke-width="6"/>'
            # bread
            f'<path d="M52,{ground} V141 C52,127 98,127 98,141 V{ground} Z" fill="{BREAD}"/>'
            f'<path d="M64,136 l5,-6 M74,135 l5,-6 M84,136 l5,-6" stroke="{BREAD_DARK}" '
            f'stroke-width="2.4" stroke-linecap="round"/>'
            # apple
            f'<circle cx="116" cy="145" r="13" fill="{RED}"/>'
            f'<circle cx="111" cy="140" r="3" fill="{WHITE}" opacity="0.35"/>'
            f'<path d="M116,133 q1,-5 4,-7" stroke="{INK}" stroke-width="1.6" fill="none" '
            f'stroke-linecap="round"/>'
            f'<ellipse cx="123" cy="129" rx="5" ry="2.4" transform="rotate(-20 123 129)" '
            f'fill="{GREEN}"/>'
            # carrot, lying down
            f'<path d="M136,156 L172,144 Q176,150 173,154 Z" fill="{ORANGE}"/>'
            f'<path d="M150,151 l2,2.5 M158,148.6 l2,2.5 M165,146.4 l2,2.5" stroke="{BREAD_DARK}" '
            f'stroke-width="1.2" stroke-linecap="round"/>'
            f'<path d="M174,148 q6,-9 12,-9 M174,149 q8,-3 13,1 M174,150 q4,4 10,5" '
            f'stroke="{GREEN}" stroke-width="2.4" fill="none" stroke-linecap="round"/>'
            # honey jar
            f'<rect x="186" y="131" width="26" height="27" rx="5" fill="{YELLOW}"/>'
            f'<rect x="188" y="124" width="22" height="8" rx="2" fill="{GREEN_DARK}"/>'
            f'<rect x="191" y="139" width="16" height="11" rx="2" fill="{WHITE}" opacity="0.8"/>')
    return svg(220, 178, body, "About picture")


# Toolbar buttons, 16 x 16.


def tool_add_one():
    return svg(16, 16, plus_badge(8, 8, 6.5, GREEN, 2.0), "add one")


def tool_subtract_one():
    return svg(16, 16, f'<circle cx="8" cy="8" r="6.5" fill="{ORANGE}"/>'
               f'<path d="M4.5,8 H11.5" stroke="{WHITE}" stroke-width="2" stroke-linecap="round"/>',
               "subtract one")


def tool_new_item():
    return svg(16, 16, sheet(2.5, 1.5, 10, 13) + plus_badge(11.5, 11.5, 4), "new item")


def tool_edit_item():
    pencil = (f'<path d="M7.2,12.8 L13.8,6.2" stroke="{ORANGE}" stroke-width="3.2"/>'
              f'<path d="M13.8,6.2 L14.8,5.2" stroke="{RED}" stroke-width="3.2"/>'
              f'<path d="M8.33,13.93 L6.07,11.67 L5.1,14.9 Z" fill="#F2D7A8" stroke="#F2D7A8" '
              f'stroke-width="0.4" stroke-linejoin="round"/>'
              f'<path d="M5.1,14.9 L5.5,13.5 L6.5,14.5 Z" fill="{INK}"/>')
    return svg(16, 16, sheet(1.5, 1.5, 10, 13) + pencil, "edit item")


def tool_delete_item():
    return svg(16, 16,
               f'<path d="M6.3,3.8 V2.3 H9.7 V3.8" fill="none" stroke="{RED_DARK}" '
               f'stroke-width="1.3" stroke-linejoin="round"/>'
               f'<path d="M2.5,4.2 H13.5" stroke="{RED_DARK}" stroke-width="1.6" '
               f'stroke-linecap="round"/>'
               f'<path d="M3.8,6 H12.2 L11.3,14.5 H4.7 Z" fill="{RED}" stroke="{RED}" '
               f'stroke-width="0.6" stroke-linejoin="round"/>'
               f'<path d="M6.3,8 V12.5 M8,8 V12.5 M9.7,8 V12.5" stroke="{WHITE}" '
               f'stroke-width="1" stroke-linecap="round" opacity="0.85"/>',
               "delete item")


def tool_quantity_filter():
    return svg(16, 16,
               f'<path d="M1.8,2.5 H14.2 L9.5,8.4 V13 L6.5,14.5 V8.4 Z" fill="{GREEN}" '
               f'stroke="{GREEN_DARK}" stroke-width="1" stroke-linejoin="round"/>'
               f'<path d="M4.5,4.3 H11.5" stroke="{WHITE}" stroke-width="1" opacity="0.6" '
               f'stroke-linecap="round"/>',
               "show only items to buy")


def tool_help():
    mark = stroke_text("?", 5.5, 12.3, 8.6, WHITE, weight=2.3)
    return svg(16, 16, f'<circle cx="8" cy="8" r="7" fill="{GREEN_DARK}"/>' + mark, "help")


PICTURES = {
    "app-icon.svg": app_icon,
    "logo.svg": splash_logo,
    "184-strip.svg": plain_strip,
    "191-letter-marker.svg": letter_tab,
    "196-add-new-down.svg": lambda: add_new(True),
    "197-add-new-up.svg": lambda: add_new(False),
    "198-clear-up.svg": lambda: clear_fields(False),
    "199-clear-down.svg": lambda: clear_fields(True),
    "200-button-up.svg": lambda: ok_face(43, 22, False),
    "201-button-down.svg": lambda: ok_face(42, 21, True),
    "202-item.svg": item_picture,
    "203-row-states.svg": state_strip,
    "206-letter-a-down.svg": lambda: letter_button("A", 22, True),
    "207-letter-a-up.svg": lambda: letter_button("A", 22, False),
    "208-letter-g-up.svg": lambda: letter_button("G", 22, False),
    "209-letter-l-up.svg": lambda: letter_button("L", 21, False),
    "210-letter-s-up.svg": lambda: letter_button("S", 22, False),
    "211-letter-g-down.svg": lambda: letter_button("G", 22, True),
    "212-letter-s-down.svg": lambda: letter_button("S", 22, True),
    "213-letter-l-down.svg": lambda: letter_button("L", 21, True),
    "214-coupon.svg": coupon_picture,
    "215-add.svg": add_button,
    "217-more-up.svg": lambda: quantity_step(True, False),
    "218-more-down.svg": lambda: quantity_step(True, True),
    "219-less-up.svg": lambda: quantity_step(False, False),
    "220-less-down.svg": lambda: quantity_step(False, True),
    "222-about.svg": about_picture,
    "tool-add-one.svg": tool_add_one,
    "tool-subtract-one.svg": tool_subtract_one,
    "tool-new-item.svg": tool_new_item,
    "tool-edit-item.svg": tool_edit_item,
    "tool-delete-item.svg": tool_delete_item,
    "tool-quantity-filter.svg": tool_quantity_filter,
    "tool-help.svg": tool_help,
}

# ---------------------------------------------------------------------------
# Sounds: 16-bit mono PCM at 22.05 kHz.

RATE = 22050


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(into, samples, at):
    start = int(at * RATE)
    need = start + len(samples)
    if len(into) < need:
        into.extend([0.0] * (need - len(into)))
    for i, s in enumerate(samples):
        into[start + i] += s


def tone(seconds, freq, decay, partials=((1, 1.0),), attack=0.004, end_freq=None):
    """A decaying tone; with end_freq the pitch glides exponentially."""
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq if end_freq is None else freq * (end_freq / freq) ** (t / seconds)
        phase += 2 * math.pi * f / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        out.append(env * sum(a * math.sin(k * phase) for k, a in partials))
    return out


def soft_noise(seconds, decay, smooth, rng):
    """Noise through a one-pole low-pass filter, decaying."""
    out = []
    y = 0.0
    for i in range(int(seconds * RATE)):
        y += smooth * (rng.uniform(-1.0, 1.0) - y)
        out.append(y * math.exp(-i / RATE / decay))
    return out


def finish(samples, peak, fade=0.01):
    top = max(abs(s) for s in samples) or 1.0
    n = len(samples)
    f = int(fade * RATE)
    out = []
    for i, s in enumerate(samples):
        g = peak / top
        if i >= n - f:
            g *= (n - i) / f
        out.append(s * g)
    return out


def write_wav(name, samples):
    path = os.path.join(SOUNDS, name)
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
                      for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def bell(freq, seconds, decay):
    return tone(seconds, freq, decay, ((1, 1.0), (2, 0.28), (3, 0.08)), attack=0.003)


def launch_jingle():
    out = silence(1.0)
    notes = [(523.25, 0.00), (659.26, 0.11), (783.99, 0.22), (1046.5, 0.36)]
    for i, (freq, at) in enumerate(notes):
        last = i == len(notes) - 1
        mix(out, bell(freq, 1.0 - at, 0.42 if last else 0.16), at)
    mix(out, [0.5 * s for s in bell(1318.5, 0.64, 0.35)], 0.36)
    return finish(out[: int(1.0 * RATE)], 0.7, fade=0.12)


def roll():
    rng = random.Random(7)
    out = silence(0.3)
    hits = 6
    for i in range(hits):
        at = i * 0.042
        level = math.sin(math.pi * (i + 0.7) / (hits + 0.4))
        body = tone(0.05, 420 + 30 * i, 0.012)
        grain = soft_noise(0.05, 0.008, 0.25, rng)
        mix(out, [level * (b + 0.6 * g) for b, g in zip(body, grain)], at)
    return finish(out[: int(0.3 * RATE)], 0.45)


def pop_rising():
    return finish(tone(0.13, 360, 0.05, ((1, 1.0), (2, 0.15)), attack=0.002, end_freq=1100), 0.6)


def blip_falling():
    return finish(tone(0.13, 620, 0.045, ((1, 1.0), (3, 0.18)), attack=0.002, end_freq=330), 0.55)


def tick():
    rng = random.Random(11)
    body = tone(0.07, 2300, 0.009, ((1, 1.0), (2, 0.3)), attack=0.0005)
    click = soft_noise(0.07, 0.002, 0.7, rng)
    return finish([b + 0.5 * c for b, c in zip(body, click)], 0.55, fade=0.005)


def ding():
    return finish(tone(0.3, 1568, 0.08, ((1, 1.0), (2, 0.22), (3.01, 0.08)), attack=0.001), 0.5,
                  fade=0.03)


SOUND_FILES = {
    "shoplaunch1.wav": launch_jingle,
    "qorroll.wav": roll,
    "menupop.wav": pop_rising,
    "default.wav": blip_falling,
    "qorcheck.wav": tick,
    "buttonding.wav": ding,
}


def main():
    os.makedirs(IMAGES, exist_ok=True)
    os.makedirs(SOUNDS, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(IMAGES, name), "w", encoding="utf-8") as f:
            f.write(draw())
    for name, make in SOUND_FILES.items():
        write_wav(name, make())
    print(f"wrote {len(PICTURES)} pictures to {IMAGES} and {len(SOUND_FILES)} sounds to {SOUNDS}")


if __name__ == "__main__":
    main()
