#!/usr/bin/env python3
"""Writes Numora's artwork as SVG files into svg/ and the list of PNGs to render into
svg/manifest.txt (one line: svg file, output PNG, width, height). render.sh runs it.

Every shape, letter and outline here is drawn by this script: the lettering uses the small
stroke alphabet below, the flags use coarse country outlines from longitude and latitude.
"""
import math
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "svg")

# Palette
INK = "#22345c"
BLUE = "#3d7fd9"
SKY = "#9cc7ef"
LILAC = "#9b82d6"
CORAL = "#f0765b"
GOLD = "#f4b23a"
TEAL = "#2aa897"
WHITE = "#ffffff"
PALE_BLUE = "#e9f2fb"
PALE_LILAC = "#f2eefa"
OFF_WHITE = "#fbf8f2"

ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]


def hex_rgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def rgb_hex(r, g, b):
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(v))) for v in (r, g, b))


def mix(a, b, t):
    ra, rb = hex_rgb(a), hex_rgb(b)
    return rgb_hex(*(x + (y - x) * t for x, y in zip(ra, rb)))


def tint(c, t):
    return mix(c, "#ffffff", t)


def shade(c, t):
    return mix(c, "#10182e", t)


def f(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


# ---------------------------------------------------------------------------------------------
# Stroke alphabet: glyphs on a box 10 units high (top 0, baseline 10, x-height from 3),
# drawn with round caps and joins. Each entry: advance width, path.

GLYPHS = {
    "N": (7.4, "M0,10 V0 L7.4,10 V0"),
    "u": (6, "M0,3 V7 A3,3 0 0 0 6,7 M6,3 V10"),
    "m": (10, "M0,10 V3 M0,5.5 A2.5,2.5 0 0 1 5,5.5 V10 M5,5.5 A2.5,2.5 0 0 1 10,5.5 V10"),
    "o": (7, "M0,6.5 A3.5,3.5 0 1 0 7,6.5 A3.5,3.5 0 1 0 0,6.5"),
    "r": (4.6, "M0,10 V3 M0,6.6 A3.6,3.6 0 0 1 3.6,3 H4.6"),
    "a": (7, "M0,6.5 A3.5,3.5 0 1 0 7,6.5 A3.5,3.5 0 1 0 0,6.5 M7,3 V10"),
    "0": (6, "M3,0 A3,5 0 1 0 3,10 A3,5 0 1 0 3,0"),
    "1": (6, "M1.2,2.2 L3.8,0 V10"),
    "2": (6, "M0.2,2.8 A2.9,2.9 0 0 1 6,2.9 C6,5.4 0.3,7.4 0.2,10 H6"),
    "3": (6, "M0.5,0 H5.6 L2.6,3.9 A3.1,3.1 0 1 1 0.2,8.7"),
    "4": (6, "M4.6,10 V0 L0,7 H6"),
    "5": (6, "M5.6,0 H1.2 L0.7,4.4 A3.3,3.3 0 1 1 0.2,8.8"),
    "6": (6, "M4.9,0.2 C2,1.2 0,4 0,7 A3,3 0 1 0 6,7 A3,3 0 1 0 0,7"),
    "7": (6, "M0,0 H6 L2.2,10"),
    "8": (6, "M3,4.6 A2.3,2.3 0 1 1 3,0 A2.3,2.3 0 1 1 3,4.6 "
             "A2.7,2.7 0 1 0 3,10 A2.7,2.7 0 1 0 3,4.6"),
    "9": (6, "M6,3 A3,3 0 1 0 0,3 A3,3 0 1 0 6,3 C6,6 4.4,8.9 1.1,9.8"),
    "/": (5, "M5,0 L0,10"),
    "S": (6, "M5.6,1.4 C4.6,-0.2 0.4,-0.3 0.4,2.6 C0.4,5.4 5.8,4.5 5.8,7.4 "
             "C5.8,10.4 1.2,10.4 0.2,8.6"),
}


def text_width(text, spacing):
    w = sum(GLYPHS[ch][0] for ch in text)
    return w + spacing * (len(text) - 1)


def stroke_text(text, cx, cy, height, weight, color, spacing=2.0, opacity=1.0):
    """Text centred on (cx, cy); height is the glyph box height, weight the stroke width."""
    s = height / 10.0
    w = text_width(text, spacing)
    x0 = cx - w * s / 2
    y0 = cy - height / 2
    parts = []
    x = 0.0
    for ch in text:
        adv, d = GLYPHS[ch]
        parts.append('<path transform="translate(%s,0)" d="%s"/>' % (f(x), d))
        x += adv + spacing
    op = "" if opacity == 1.0 else ' opacity="%s"' % f(opacity)
    return ('<g transform="translate(%s,%s) scale(%s)" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"%s>%s</g>'
            % (f(x0), f(y0), "%.4f" % s, color, "%.3f" % (weight / s), op, "".join(parts)))


# ---------------------------------------------------------------------------------------------
# Shared drawing pieces

class Defs:
    """Collects gradients and filters once per file."""

    def __init__(self):
        self.items = {}

    def add(self, key, text):
        if key not in self.items:
            self.items[key] = text
        return key

    def render(self):
        return "<defs>" + "".join(self.items.values()) + "</defs>"

    def ball_grad(self, color):
        key = "ball-" + color.lstrip("#")
        if color == WHITE:
            stops = [(0, "#ffffff"), (0.55, "#f7f9fc"), (1, "#d3deec")]
        else:
            stops = [(0, tint(color, 0.45)), (0.5, color), (1, shade(color, 0.28))]
        s = "".join('<stop offset="%s" stop-color="%s"/>' % (f(o), c) for o, c in stops)
        return self.add(key, '<radialGradient id="%s" cx="0.42" cy="0.38" r="0.66" fx="0.36" '
                             'fy="0.3">%s</radialGradient>' % (key, s))

    def common(self):
        self.add("hl", '<radialGradient id="hl"><stop offset="0" stop-color="#fff" '
                       'stop-opacity="0.9"/><stop offset="1" stop-color="#fff" stop-opacity="0"/>'
                       '</radialGradient>')
        self.add("shadow", '<radialGradient id="shadow"><stop offset="0" stop-color="#1a2444" '
                           'stop-opacity="0.28"/><stop offset="1" stop-color="#1a2444" '
                           'stop-opacity="0"/></radialGradient>')
        self.add("disc", '<radialGradient id="disc" cx="0.45" cy="0.4" r="0.65">'
                         '<stop offset="0" stop-color="#ffffff"/><stop offset="1" '
                         'stop-color="#e6ebf3"/></radialGradient>')


def ball(defs, cx, cy, r, color, label=None, shadow=True, rim=True, opacity=1.0,
         label_weight=None, star=False, grad=None):
    defs.common()
    g = grad or defs.ball_grad(color)
    out = []
    if shadow:
        out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#shadow)"/>'
                   % (f(cx + r * 0.08), f(cy + r * 0.93), f(r * 0.95), f(r * 0.24)))
    rim_attr = ""
    if rim:
        edge = "#b9c7da" if color == WHITE else shade(color, 0.4)
        rim_attr = ' stroke="%s" stroke-width="%s" stroke-opacity="0.55"' % (edge, f(r * 0.045))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"%s/>' % (f(cx), f(cy), f(r), g,
                                                                       rim_attr))
    if label is not None or star:
        dr = r * 0.56
        out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#disc)" stroke="%s" '
                   'stroke-width="%s" stroke-opacity="0.35"/>'
                   % (f(cx), f(cy), f(dr), shade(color, 0.3), f(r * 0.03)))
        if star:
            out.append(star_path(cx, cy, dr * 0.72, dr * 0.32, color))
        elif label:
            n = len(label)
            h = dr * (0.95 if n == 1 else 0.8)
            wgt = label_weight if label_weight else h * 0.19
            sp = 1.6
            # keep wide labels inside the disc
            w = text_width(label, sp) * h / 10
            if w > dr * 1.45:
                h *= dr * 1.45 / w
            out.append(stroke_text(label, cx, cy, h, wgt, INK, spacing=sp))
    out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#hl)" '
               'transform="rotate(-32 %s %s)"/>'
               % (f(cx - r * 0.36), f(cy - r * 0.48), f(r * 0.42), f(r * 0.24),
                  f(cx - r * 0.36), f(cy - r * 0.48)))
    op = "" if opacity == 1.0 else ' opacity="%s"' % f(opacity)
    return "<g%s>%s</g>" % (op, "".join(out))


def star_path(cx, cy, ro, ri, color):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = ro if i % 2 == 0 else ri
        pts.append("%s,%s" % (f(cx + rr * math.cos(a)), f(cy + rr * math.sin(a))))
    return ('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" '
            'stroke-linejoin="round"/>' % (" ".join(pts), color, shade(color, 0.35), f(ro * 0.1)))


def svg(w, h, body, defs, vw=None, vh=None):
    vw = w if vw is None else vw
    vh = h if vh is None else vh
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" '
            'viewBox="0 0 %s %s">%s%s</svg>\n' % (w, h, f(vw), f(vh), defs.render(), body))


def linear(defs, key, x1, y1, x2, y2, stops, units="objectBoundingBox"):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>'
                % (f(o), c, "" if a == 1 else ' stop-opacity="%s"' % f(a))
                for o, c, a in [(st + (1,))[:3] for st in stops])
    defs.add(key, '<linearGradient id="%s" gradientUnits="%s" x1="%s" y1="%s" x2="%s" y2="%s">'
                  '%s</linearGradient>' % (key, units, f(x1), f(y1), f(x2), f(y2), s))
    return key


def marble(defs, key, w, h, base, vein, light, seed, freq=(0.009, 0.016), scale=90,
           band=46, angle=(1.0, 0.55)):
    """A marbled surface: diagonal bands bent by fractal noise."""
    bx, by = angle
    n = math.hypot(bx, by)
    bx, by = bx / n * band, by / n * band
    linear(defs, key + "-bands", 0, 0, bx, by,
           [(0, light), (0.32, base), (0.62, base), (0.8, vein), (0.9, tint(vein, 0.5)),
            (1, light)], units="userSpaceOnUse")
    defs.items[key + "-bands"] = defs.items[key + "-bands"].replace(
        "<linearGradient ", '<linearGradient spreadMethod="reflect" ', 1)
    defs.add(key + "-f", '<filter id="%s-f" filterUnits="userSpaceOnUse" x="0" y="0" '
                         'width="%s" height="%s" color-interpolation-filters="sRGB">'
                         '<feTurbulence type="fractalNoise" baseFrequency="%s %s" numOctaves="4" '
                         'seed="%d" result="n"/>'
                         '<feDisplacementMap in="SourceGraphic" in2="n" scale="%s" '
                         'xChannelSelector="R" yChannelSelector="G"/></filter>'
                 % (key, w, h, f(freq[0]), f(freq[1]), seed, f(scale)))
    return ('<rect x="-%d" y="-%d" width="%d" height="%d" fill="url(#%s-bands)" '
            'filter="url(#%s-f)"/>' % (scale, scale, w + 2 * scale, h + 2 * scale, key, key))


def soft_glow(defs, key, color, opacity):
    defs.add(key, '<radialGradient id="%s"><stop offset="0" stop-color="%s" stop-opacity="%s"/>'
                  '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>'
             % (key, color, f(opacity), color))
    return key


# ---------------------------------------------------------------------------------------------
# Wordmark: "Numora" with a coral lottery ball for the o.

def wordmark(defs, cx, cy, height, color=INK, ball_color=CORAL):
    text = "Numora"
    sp = 2.4
    s = height / 10.0
    weight = height * 0.16
    w = text_width(text, sp) * s
    x = cx - w / 2
    y0 = cy - height / 2
    out = []
    for ch in text:
        adv = GLYPHS[ch][0]
        if ch == "o":
            r = 3.5 * s + weight / 2
            out.append(ball(defs, x + 3.5 * s, y0 + 6.5 * s, r, ball_color, shadow=False))
        else:
            out.append(stroke_text(ch, x + adv * s / 2, cy, height, weight, color))
        x += (adv + sp) * s
    return "".join(out)


# ---------------------------------------------------------------------------------------------
# Pictures

LOTTO_COLORS = [CORAL, GOLD, TEAL, BLUE, LILAC, "#e9649b"]


def bokeh(defs, spots, color=WHITE):
    key = soft_glow(defs, "glow-" + color.lstrip("#"), color, 0.75)
    return "".join('<circle cx="%s" cy="%s" r="%s" fill="url(#%s)" opacity="%s"/>'
                   % (f(x), f(y), f(r), key, f(o)) for x, y, r, o in spots)


def globe(defs, cx, cy, r):
    """A glass lottery drum on a stand, with balls tumbling inside."""
    out = []
    # stand
    linear(defs, "stand", 0, 0, 1, 0, [(0, shade(BLUE, 0.35)), (0.45, BLUE),
                                       (1, shade(BLUE, 0.45))])
    base_y = cy + r + r * 0.36
    out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#shadow)"/>'
               % (f(cx), f(base_y + r * 0.06), f(r * 0.95), f(r * 0.16)))
    out.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="url(#stand)"/>'
               % (f(cx - r * 0.2), f(cy + r * 0.8), f(cx + r * 0.2), f(cy + r * 0.8),
                  f(cx + r * 0.42), f(base_y), f(cx - r * 0.42), f(base_y)))
    out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#stand)"/>'
               % (f(cx - r * 0.62), f(base_y - r * 0.06), f(r * 1.24), f(r * 0.14), f(r * 0.07)))
    # glass
    defs.add("glass", '<radialGradient id="glass" cx="0.42" cy="0.36" r="0.7">'
                      '<stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/>'
                      '<stop offset="0.75" stop-color="%s" stop-opacity="0.35"/>'
                      '<stop offset="1" stop-color="%s" stop-opacity="0.75"/>'
                      '</radialGradient>' % (SKY, tint(BLUE, 0.2)))
    defs.add("globe-clip", '<clipPath id="globe-clip"><circle cx="%s" cy="%s" r="%s"/></clipPath>'
             % (f(cx), f(cy), f(r * 0.97)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" fill-opacity="0.55"/>'
               % (f(cx), f(cy), f(r)))
    inside = []
    br = r * 0.2
    pile = [(-0.62, 0.62), (-0.24, 0.74), (0.16, 0.74), (0.55, 0.6), (-0.44, 0.3),
            (-0.04, 0.38), (0.36, 0.28), (0.7, 0.12), (-0.2, 0.02), (0.15, -0.1),
            (-0.55, -0.1), (0.42, -0.4), (-0.1, -0.55)]
    for i, (px, py) in enumerate(pile):
        c = LOTTO_COLORS[(i * 5) % len(LOTTO_COLORS)] if i % 3 else WHITE
        inside.append(ball(defs, cx + px * r, cy + py * r, br * (0.92 if py < 0 else 1.0), c,
                           shadow=False))
    out.append('<g clip-path="url(#globe-clip)">%s</g>' % "".join(inside))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#glass)" stroke="%s" '
               'stroke-width="%s"/>' % (f(cx), f(cy), f(r), shade(BLUE, 0.2), f(r * 0.035)))
    # glass shine
    out.append('<path d="M%s,%s A%s,%s 0 0 1 %s,%s" fill="none" stroke="#ffffff" '
               'stroke-opacity="0.85" stroke-width="%s" stroke-linecap="round"/>'
               % (f(cx - r * 0.72), f(cy - r * 0.2), f(r * 0.76), f(r * 0.76),
                  f(cx - r * 0.2), f(cy - r * 0.72), f(r * 0.07)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" fill-opacity="0.9"/>'
               % (f(cx - r * 0.62), f(cy - r * 0.5), f(r * 0.045)))
    # hatch on top
    out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#stand)"/>'
               % (f(cx - r * 0.16), f(cy - r - r * 0.1), f(r * 0.32), f(r * 0.16), f(r * 0.05)))
    return "".join(out)


def pic_main():
    w, h = 328, 317
    d = Defs()
    linear(d, "bg", 0, 0, 1, 1, [(0, "#f4f9fe"), (0.55, "#e6f0fb"), (1, "#ece6f8")])
    body = ['<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h)]
    body.append(bokeh(d, [(40, 50, 70, 0.9), (300, 40, 55, 0.8), (290, 250, 80, 0.6),
                          (30, 280, 60, 0.6)]))
    glow = soft_glow(d, "glow-sky", SKY, 0.45)
    body.append('<circle cx="164" cy="112" r="118" fill="url(#%s)"/>' % glow)
    body.append(globe(d, 164, 98, 72))
    # a row of drawn balls
    nums = ["7", "12", "23", "31", "40", "49"]
    r = 16.5
    xs = [164 + (i - 2.5) * 38 for i in range(6)]
    for i, (x, n) in enumerate(zip(xs, nums)):
        y = 231 - math.cos((i - 2.5) / 2.5 * 0.9) * 6
        body.append(ball(d, x, y, r, LOTTO_COLORS[i], label=n))
    body.append(wordmark(d, 164, 285, 30))
    return svg(w, h, "".join(body), d)


def pale_background(d, w, h, base, accent, key, balls, seed):
    linear(d, key, 0, 0, 1, 1, [(0, tint(base, 0.55)), (0.6, base), (1, mix(base, accent, 0.18))])
    out = ['<rect width="%d" height="%d" fill="url(#%s)"/>' % (w, h, key)]
    out.append(bokeh(d, [(w * 0.15, h * 0.12, 90, 0.7), (w * 0.85, h * 0.6, 120, 0.6)]))
    # pearly balls in the lottery's colour, kept faint
    d.add("pearl", '<radialGradient id="pearl" cx="0.42" cy="0.38" r="0.66" fx="0.36" fy="0.3">'
                   '<stop offset="0" stop-color="#ffffff"/><stop offset="0.6" stop-color="%s"/>'
                   '<stop offset="1" stop-color="%s"/></radialGradient>'
          % (tint(accent, 0.85), tint(accent, 0.55)))
    for x, y, r in balls:
        out.append(ball(d, x, y, r, accent, shadow=False, rim=False, opacity=0.45, grad="pearl"))
    # a light dusting of confetti in the lottery's colour
    rnd = random.Random(seed)
    for _ in range(26):
        x, y = rnd.uniform(0, w), rnd.uniform(0, h)
        out.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.16"/>'
                   % (f(x), f(y), f(rnd.uniform(1.2, 3.2)), accent))
    return "".join(out)


def pic_entry(w, h, base, accent, seed):
    d = Defs()
    balls = [(w * 0.92, h * 0.1, 58), (w * 0.06, h * 0.55, 46), (w * 0.72, h * 0.96, 70),
             (w * 0.3, h * 0.05, 26)]
    body = pale_background(d, w, h, base, accent, "bg", balls, seed)
    return svg(w, h, body, d)


def blue_marble(d, w, h, seed):
    return marble(d, "mb", w, h, base="#deecf9", vein="#c2dbf2", light="#f5f9fe", seed=seed,
                  freq=(0.007, 0.012), scale=100, band=52)


def pic_selections_blue():
    w, h = 265, 249
    d = Defs()
    body = ['<rect width="%d" height="%d" fill="#e4effa"/>' % (w, h), blue_marble(d, w, h, 11)]
    body.append(bokeh(d, [(130, 120, 110, 0.45)]))
    for x, y, r in [(28, 30, 24), (238, 54, 30), (22, 214, 34), (246, 226, 22),
                    (205, 8, 14), (60, 246, 14), (250, 150, 12)]:
        body.append(ball(d, x, y, r, WHITE, shadow=True))
    return svg(w, h, "".join(body), d)


def pic_selections_lilac():
    w, h = 265, 249
    d = Defs()
    body = ['<rect width="%d" height="%d" fill="#f4f0fb"/>' % (w, h),
            marble(d, "ml", w, h, base="#f3effb", vein="#e0d7f4", light="#fdfcff", seed=5,
                   freq=(0.006, 0.011), scale=110, band=70, angle=(1.0, -0.4))]
    body.append(bokeh(d, [(130, 120, 120, 0.55)]))
    for x, y, r in [(10, 20, 52), (262, 30, 44), (248, 236, 58), (12, 244, 40)]:
        body.append(ball(d, x, y, r, WHITE, shadow=True))
    return svg(w, h, "".join(body), d)


def pic_display_blue():
    w, h = 157, 394
    d = Defs()
    body = ['<rect width="%d" height="%d" fill="#e4effa"/>' % (w, h), blue_marble(d, w, h, 23)]
    body.append(bokeh(d, [(70, 180, 120, 0.55)]))
    for x, y, r in [(150, 20, 18), (152, 372, 26), (8, 388, 16), (154, 250, 10)]:
        body.append(ball(d, x, y, r, WHITE, shadow=True, opacity=0.85))
    return svg(w, h, "".join(body), d)


def pic_display_offwhite():
    w, h = 213, 427
    d = Defs()
    linear(d, "bg", 0, 0, 0, 1, [(0, "#fcfaf5"), (1, "#f7f3ea")])
    return svg(w, h, '<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h), d)


def round_button(d, cx, cy, r, color, chevron_up):
    out = [ball(d, cx, cy, r, color, shadow=False)]
    k = r * 0.44
    sgn = -1 if chevron_up else 1
    pts = (cx - k, cy - sgn * k * 0.4, cx, cy + sgn * k * 0.5, cx + k, cy - sgn * k * 0.4)
    out.append('<polyline points="%s,%s %s,%s %s,%s" fill="none" stroke="#ffffff" '
               'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
               % tuple(f(v) for v in pts + (r * 0.24,)))
    return "".join(out)


def pic_arrow(up):
    d = Defs()
    body = round_button(d, 16, 16, 14.6, LILAC, up)
    return svg(32, 32, body, d)


def gear_path(cx, cy, ro, ri, teeth, hole):
    pts = []
    n = teeth * 4
    for i in range(n):
        a = 2 * math.pi * i / n - math.pi / 2 - math.pi / n * 1.5
        rr = ro if (i % 4) in (1, 2) else ri
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts) + " Z"
    d += " M%s,%s A%s,%s 0 1 0 %s,%s A%s,%s 0 1 0 %s,%s Z" % (
        f(cx - hole), f(cy), f(hole), f(hole), f(cx + hole), f(cy), f(hole), f(hole),
        f(cx - hole), f(cy))
    return d


def settings_art(d, size, small=False):
    c = size / 2
    linear(d, "gear", 0, 0, 0, 1, [(0, "#7f8fb8"), (1, "#4a5b8a")])
    ro, ri = size * 0.47, size * 0.38
    out = ['<path d="%s" fill="url(#gear)" fill-rule="evenodd" stroke="%s" stroke-width="%s" '
           'stroke-linejoin="round"/>' % (gear_path(c, c, ro, ri, 8, size * 0.25), INK,
                                          f(size * 0.02))]
    out.append(ball(d, c, c, size * 0.235, LILAC, shadow=False, star=not small))
    return "".join(out)


def pic_settings():
    d = Defs()
    return svg(64, 64, settings_art(d, 64), d)


def pic_film(variant_1x=False):
    d = Defs()
    out = []
    out.append('<g transform="rotate(-14 20.5 20.5)">')
    out.append('<rect x="4" y="9" width="33" height="23" rx="2" fill="#2b3350" stroke="%s" '
               'stroke-width="0.8"/>' % INK)
    for i in range(6):
        x = 6.2 + i * 5.3
        out.append('<rect x="%s" y="10.4" width="2.6" height="2" rx="0.5" fill="#f3f5fa"/>' % f(x))
        out.append('<rect x="%s" y="28.6" width="2.6" height="2" rx="0.5" fill="#f3f5fa"/>' % f(x))
    linear(d, "frame", 0, 0, 0, 1, [(0, "#d6e7f8"), (1, "#a8c8ea")])
    for i, c in enumerate([CORAL, GOLD]):
        fx = 6.5 + i * 14.5
        out.append('<rect x="%s" y="14" width="13" height="13" rx="1" fill="url(#frame)"/>' % f(fx))
        out.append(ball(d, fx + 6.5, 20.5, 4.3, c, shadow=False, rim=True))
    out.append('</g>')
    return svg(41, 41, "".join(out), d)


def pic_title():
    w, h = 318, 209
    d = Defs()
    linear(d, "bg", 0, 0, 0, 1, [(0, "#e3eefb"), (0.45, "#eee9fa"), (0.72, "#fbfaff"),
                                 (1, "#ffffff")])
    body = ['<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h)]
    body.append(bokeh(d, [(30, 20, 70, 0.9), (290, 30, 60, 0.9), (160, 90, 140, 0.5)]))
    nums = ["5", "14", "22", "36", "41", "47"]
    r = 17
    for i, n in enumerate(nums):
        x = 159 + (i - 2.5) * 42
        y = 40 + (abs(i - 2.5) ** 2) * 2.2
        body.append(ball(d, x, y, r, LOTTO_COLORS[i], label=n))
    body.append(wordmark(d, 159, 112, 40))
    # a thin line separating the picture from the credits below it
    linear(d, "rule", 0, 0, 1, 0, [(0, LILAC, 0), (0.5, LILAC, 0.7), (1, LILAC, 0)])
    body.append('<rect x="40" y="148" width="238" height="1.4" fill="url(#rule)"/>')
    return svg(w, h, "".join(body), d)


# ---------------------------------------------------------------------------------------------
# Icons: drawn on a 256 grid for each pixel size.

def icon_svg(body_fn, size):
    d = Defs()
    body = body_fn(d, size)
    return svg(256, 256, body, d)


def icon_numora(d, size):
    small = size <= 32
    linear(d, "tile", 0, 0, 0, 1, [(0, "#4a7fd6"), (1, "#2c4a8e")])
    out = ['<rect x="8" y="8" width="240" height="240" rx="%d" fill="url(#tile)"/>'
           % (40 if small else 54)]
    if not small:
        out.append('<rect x="8" y="8" width="240" height="120" rx="54" fill="#ffffff" '
                   'fill-opacity="0.08"/>')
    if small:
        r = 62
        out.append(ball(d, 78, 96, r, CORAL, shadow=False))
        out.append(ball(d, 178, 96, r, GOLD, shadow=False))
        out.append(ball(d, 128, 176, r, TEAL, shadow=False))
    else:
        r = 54
        out.append(ball(d, 84, 100, r, CORAL, label="6"))
        out.append(ball(d, 172, 100, r, GOLD, label="7"))
        out.append(ball(d, 128, 176, r, TEAL, label="49"))
    return "".join(out)


def icon_lotto(color, label=None, star=False):
    def draw(d, size):
        if size >= 32:
            return ball(d, 128, 120, 112, color, label=label, star=star)
        r = 122
        # two digits cannot be read at 16 pixels: the tiny icon keeps the plain disc
        text = "" if size <= 16 and label and len(label) > 1 else label
        return ball(d, 128, 124, r, color, label=text, star=star, shadow=False,
                    label_weight=r * 0.56 * 0.8 * 0.3)
    return draw


def icon_settings(d, size):
    return settings_art(d, 256, size <= 24)


# ---------------------------------------------------------------------------------------------
# Flags: country outlines (longitude, latitude) projected with the cosine of the mid latitude.

FRANCE = [[(2.55, 51.08), (3.2, 50.75), (4.2, 49.95), (4.85, 50.15), (5.8, 49.55), (6.4, 49.45),
           (7.6, 49.1), (8.2, 48.97), (7.6, 47.6), (7.0, 47.45), (6.1, 46.45), (6.8, 45.9),
           (7.05, 45.2), (6.6, 44.3), (7.5, 43.8), (7.0, 43.5), (6.2, 43.1), (5.3, 43.3),
           (4.6, 43.4), (3.5, 43.3), (3.0, 42.75), (3.15, 42.45), (1.7, 42.5), (0.7, 42.8),
           (-0.8, 42.9), (-1.8, 43.35), (-1.5, 43.55), (-1.25, 44.6), (-1.2, 45.7),
           (-2.1, 46.8), (-2.5, 47.3), (-3.2, 47.6), (-4.4, 47.8), (-4.8, 48.4), (-4.5, 48.65),
           (-3.5, 48.8), (-2.0, 48.65), (-1.6, 48.65), (-1.85, 49.7), (-1.25, 49.7),
           (-1.2, 49.35), (0.2, 49.45), (1.4, 50.1), (1.6, 50.8)],
          [(9.4, 43.0), (9.55, 42.1), (9.2, 41.4), (8.6, 41.9), (8.7, 42.6)]]

SPAIN = [[(-8.9, 42.1), (-8.9, 42.9), (-9.3, 43.0), (-8.3, 43.55), (-7.0, 43.55), (-5.8, 43.6),
          (-3.8, 43.45), (-1.8, 43.35), (-0.8, 42.9), (0.7, 42.8), (1.7, 42.5), (3.15, 42.45),
          (3.3, 42.3), (3.2, 41.9), (2.2, 41.4), (0.9, 41.0), (0.2, 40.1), (-0.3, 39.5),
          (0.2, 38.75), (-0.5, 38.3), (-0.8, 37.6), (-1.7, 37.3), (-2.1, 36.75), (-3.0, 36.75),
          (-4.4, 36.7), (-5.35, 36.1), (-5.6, 36.0), (-6.3, 36.5), (-6.4, 36.8), (-7.4, 37.2),
          (-7.5, 37.6), (-7.0, 38.0), (-7.3, 38.5), (-7.0, 39.0), (-7.5, 39.7), (-6.9, 40.2),
          (-6.8, 41.0), (-6.2, 41.6), (-6.6, 41.95), (-8.1, 41.8)],
         [(2.35, 39.6), (3.1, 39.95), (3.45, 39.7), (3.2, 39.3), (2.7, 39.45)]]

ITALY = [[(7.5, 43.8), (6.9, 44.4), (7.0, 45.2), (6.8, 45.8), (7.9, 45.95), (8.4, 46.45),
          (9.0, 46.0), (9.3, 46.5), (10.1, 46.25), (10.45, 46.9), (11.0, 46.8), (12.2, 47.05),
          (13.7, 46.5), (13.5, 46.0), (13.75, 45.65), (13.1, 45.75), (12.3, 45.3), (12.5, 44.9),
          (12.6, 44.05), (13.6, 43.5), (14.2, 42.4), (15.0, 42.0), (16.2, 41.9), (15.9, 41.5),
          (16.9, 41.1), (18.0, 40.6), (18.5, 40.1), (18.35, 39.8), (17.9, 40.3), (17.2, 40.45),
          (16.6, 40.05), (16.6, 39.3), (17.15, 38.95), (16.5, 38.4), (15.65, 37.95),
          (15.85, 38.7), (15.75, 39.4), (15.6, 40.05), (14.8, 40.6), (14.2, 40.8),
          (13.0, 41.25), (12.2, 41.7), (11.1, 42.4), (10.5, 43.0), (10.3, 43.55),
          (10.0, 44.05), (8.9, 44.4), (8.2, 43.9)],
         [(12.4, 37.8), (13.3, 38.2), (15.6, 38.3), (15.1, 37.5), (15.1, 36.65), (14.3, 37.0),
          (12.5, 37.6)],
         [(9.2, 41.25), (9.8, 40.5), (9.6, 39.2), (9.0, 39.0), (8.4, 38.9), (8.4, 39.8),
          (8.2, 40.7), (8.6, 40.95)]]

GERMANY = [[(8.6, 54.9), (8.9, 54.3), (8.7, 53.9), (8.1, 53.55), (7.0, 53.7), (7.2, 53.25),
            (7.05, 52.6), (6.7, 52.0), (6.0, 51.85), (6.2, 51.05), (5.95, 50.8), (6.35, 50.3),
            (6.1, 50.0), (6.4, 49.5), (7.0, 49.15), (8.2, 48.97), (7.6, 47.6), (8.6, 47.65),
            (9.6, 47.55), (10.2, 47.3), (10.9, 47.5), (12.2, 47.65), (13.0, 47.5),
            (12.9, 48.0), (13.8, 48.6), (12.7, 49.4), (12.1, 50.3), (12.9, 50.45),
            (14.3, 50.9), (14.8, 50.85), (15.0, 51.1), (14.6, 51.8), (14.6, 52.6),
            (14.15, 53.3), (14.3, 53.9), (13.6, 54.3), (13.4, 54.6), (12.5, 54.45),
            (11.2, 54.0), (10.9, 53.95), (11.1, 54.4), (10.2, 54.45), (9.9, 54.8),
            (9.4, 54.85)]]

UK = [[(1.4, 51.15), (0.3, 50.75), (-1.1, 50.75), (-2.0, 50.6), (-3.4, 50.6), (-4.2, 50.35),
       (-5.7, 50.05), (-5.0, 50.6), (-4.5, 51.0), (-3.0, 51.25), (-3.3, 51.45), (-4.2, 51.55),
       (-5.2, 51.7), (-4.2, 52.3), (-4.7, 52.8), (-4.5, 53.4), (-3.1, 53.3), (-3.0, 53.9),
       (-3.5, 54.5), (-3.1, 54.95), (-4.4, 54.7), (-5.1, 54.8), (-4.9, 55.7), (-5.6, 55.3),
       (-5.7, 56.0), (-6.2, 56.7), (-5.7, 57.5), (-5.0, 58.6), (-3.0, 58.65), (-4.0, 57.6),
       (-1.8, 57.6), (-2.1, 57.1), (-2.5, 56.55), (-3.0, 56.05), (-2.0, 55.8), (-1.4, 55.0),
       (-0.6, 54.5), (0.1, 54.1), (0.1, 53.6), (0.35, 53.1), (0.5, 52.95), (1.7, 52.7),
       (1.75, 52.4), (1.3, 51.9), (0.9, 51.7), (0.5, 51.45), (1.4, 51.35)],
      [(-5.7, 54.8), (-6.2, 55.25), (-7.3, 55.2), (-8.1, 54.6), (-7.8, 54.2), (-6.3, 54.0),
       (-5.5, 54.3)]]

USA = [[(-124.7, 48.4), (-123.0, 49.0), (-95.15, 49.0), (-93.0, 48.6), (-89.6, 48.0),
        (-84.5, 46.5), (-82.4, 43.0), (-83.1, 42.3), (-82.5, 41.7), (-79.1, 42.8), (-79.2, 43.3),
        (-76.3, 44.2), (-74.7, 45.0), (-70.9, 45.3), (-69.2, 47.45), (-67.8, 47.1),
        (-67.0, 44.8), (-68.5, 44.2), (-70.2, 43.6), (-70.7, 42.7), (-70.0, 41.8),
        (-71.0, 41.5), (-72.5, 41.2), (-74.0, 40.6), (-74.0, 39.5), (-75.0, 38.8),
        (-76.0, 36.9), (-75.5, 35.2), (-76.5, 34.7), (-78.0, 33.9), (-79.2, 33.2),
        (-80.9, 32.0), (-81.4, 30.5), (-80.0, 26.8), (-80.1, 25.8), (-80.4, 25.2),
        (-81.1, 25.1), (-81.8, 26.1), (-82.7, 27.7), (-83.0, 29.0), (-84.0, 30.0),
        (-85.3, 29.7), (-86.5, 30.4), (-88.0, 30.4), (-89.4, 30.2), (-89.4, 29.0),
        (-91.0, 29.3), (-93.8, 29.7), (-94.8, 29.3), (-97.2, 27.6), (-97.2, 25.95),
        (-99.2, 26.5), (-99.5, 27.5), (-100.5, 28.7), (-101.4, 29.8), (-102.5, 29.8),
        (-103.2, 29.0), (-104.5, 29.7), (-106.5, 31.8), (-108.2, 31.8), (-108.2, 31.33),
        (-111.1, 31.33), (-114.8, 32.5), (-117.1, 32.5), (-118.4, 33.8), (-120.6, 34.55),
        (-121.9, 36.6), (-122.5, 37.8), (-123.8, 39.8), (-124.4, 40.4), (-124.2, 42.0),
        (-124.0, 46.2)]]

CANADA = [[(-141, 69.6), (-136, 68.9), (-133, 69.5), (-128, 70.2), (-124, 69.5), (-117, 68.5),
           (-114, 67.8), (-108, 67.9), (-98, 68.0), (-94.5, 68.5), (-90, 68.5), (-85, 69.5),
           (-82, 69.5), (-86, 66.5), (-88, 64.2), (-94, 61), (-94.8, 59), (-92.5, 57),
           (-88.5, 56.5), (-82.3, 55.1), (-82, 52.9), (-79.5, 51.5), (-78.9, 52), (-78.5, 54.5),
           (-77, 55.5), (-77, 60), (-78, 62.4), (-73, 62.2), (-70, 61), (-67.5, 58.5),
           (-65, 59.8), (-64.5, 60.3), (-62, 57.5), (-60, 55.3), (-57, 54), (-55.7, 52.3),
           (-57.2, 51.4), (-60, 50.2), (-64.5, 50.2), (-66.5, 50.0), (-68.5, 49), (-70.5, 47.5),
           (-66.5, 49.2), (-64.2, 48.8), (-65.5, 48.0), (-64.5, 47), (-63.8, 46.2), (-61.5, 45.6),
           (-60, 46.9), (-59.8, 45.9), (-63, 44.6), (-65.8, 43.5), (-66.2, 44.4), (-64.5, 45.3),
           (-67.1, 45.1), (-67.8, 47.1), (-69.2, 47.45), (-70.9, 45.3), (-74.7, 45.0),
           (-76.3, 44.2), (-79.2, 43.3), (-79.1, 42.8), (-82.5, 41.7), (-83.1, 42.3),
           (-82.4, 43.0), (-84.5, 46.5), (-89.6, 48.0), (-93.0, 48.6), (-95.15, 49.0),
           (-123.0, 49.0), (-124.8, 48.6), (-128.4, 50.8), (-127.5, 52.5), (-130, 54.7),
           (-130, 55.9), (-133.4, 58.5), (-135.5, 59.8), (-137.5, 59), (-139, 60.3),
           (-141, 60.3)],
          [(-59.3, 47.6), (-56.2, 51.6), (-55.4, 49.5), (-53.6, 49.0), (-52.6, 47.5),
           (-53.6, 46.6), (-55.9, 47.0)],
          [(-119, 71.5), (-117, 73), (-110, 73), (-101.5, 70), (-107, 68.7), (-115, 69),
           (-118.5, 70.7)],
          [(-90, 73.8), (-80, 73.7), (-71, 70.6), (-66.9, 69.2), (-62, 66.8), (-64.8, 62.6),
           (-71.5, 63), (-77.5, 64.3), (-73.5, 68), (-81.5, 70), (-89, 71)],
          [(-89, 76.4), (-79, 76.2), (-75.5, 79), (-63, 82), (-72, 83.1), (-90, 81.5),
           (-96, 80)]]


def project(polys, box, margin):
    lats = [p[1] for poly in polys for p in poly]
    lons = [p[0] for poly in polys for p in poly]
    k = math.cos(math.radians((min(lats) + max(lats)) / 2))
    xs = [lon * k for lon in lons]
    w, h = max(xs) - min(xs), max(lats) - min(lats)
    s = (box - 2 * margin) / max(w, h)
    ox = (box - w * s) / 2 - min(xs) * s
    oy = (box - h * s) / 2 + max(lats) * s
    out = [[(ox + lon * k * s, oy - lat * s) for lon, lat in poly] for poly in polys]
    return out, (ox + min(xs) * s, oy - max(lats) * s, w * s, h * s)


def poly_path(polys):
    return " ".join("M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in poly) + " Z"
                    for poly in polys)


def maple_leaf(cx, cy, s, color):
    # a stylised eleven-point maple leaf, one unit tall
    pts = [(0, -0.5), (0.09, -0.32), (0.18, -0.36), (0.15, -0.12), (0.3, -0.26), (0.34, -0.17),
           (0.46, -0.2), (0.4, -0.04), (0.47, 0.01), (0.26, 0.18), (0.29, 0.26), (0.04, 0.23),
           (0.04, 0.46)]
    full = pts + [(-0.04, 0.46)] + [(-x, y) for x, y in reversed(pts[1:-1])]
    return '<polygon points="%s" fill="%s"/>' % (
        " ".join("%s,%s" % (f(cx + x * s), f(cy + y * s)) for x, y in full), color)


def flag_fill(code, bx, by, bw, bh, fine):
    """Flag colours laid over the outline's bounding box."""
    def rect(x, y, w, h, c):
        return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(y), f(w),
                                                                           f(h), c)
    if code == "fra":
        return (rect(bx, by, bw / 3, bh, "#1f4fa8") + rect(bx + bw / 3, by, bw / 3, bh, "#ffffff")
                + rect(bx + 2 * bw / 3, by, bw / 3, bh, "#e0303b"))
    if code == "ita":
        return (rect(bx, by, bw / 3, bh, "#1d9a4a") + rect(bx + bw / 3, by, bw / 3, bh, "#ffffff")
                + rect(bx + 2 * bw / 3, by, bw / 3, bh, "#d9303b"))
    if code == "ger":
        return (rect(bx, by, bw, bh / 3, "#1b1b1f") + rect(bx, by + bh / 3, bw, bh / 3, "#d8262c")
                + rect(bx, by + 2 * bh / 3, bw, bh / 3, "#f6c800"))
    if code == "spa":
        return (rect(bx, by, bw, bh, "#c81e2a") + rect(bx, by + bh * 0.27, bw, bh * 0.46,
                                                       "#f8c400"))
    if code == "can":
        q = bw * 0.26
        return (rect(bx, by, bw, bh, "#ffffff") + rect(bx, by, q, bh, "#d8262c")
                + rect(bx + bw - q, by, q, bh, "#d8262c")
                + maple_leaf(bx + bw * 0.5, by + bh * 0.64, bh * 0.42, "#d8262c"))
    if code == "us":
        n = 13 if fine else 7
        out = [rect(bx, by, bw, bh, "#ffffff")]
        sh = bh / n
        for i in range(0, n, 2):
            out.append(rect(bx, by + i * sh, bw, sh, "#c8283a"))
        cw, ch = bw * 0.42, sh * (7 if fine else 4)
        out.append(rect(bx, by, cw, ch, "#2a3f84"))
        rows, cols = (5, 6) if fine else (3, 4)
        for r_ in range(rows):
            for c_ in range(cols):
                out.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>'
                           % (f(bx + cw * (c_ + 0.5 + 0.25 * (r_ % 2)) / (cols + 0.25)),
                              f(by + ch * (r_ + 0.6) / (rows + 0.2)),
                              f(min(cw / cols, ch / rows) * (0.22 if fine else 0.28))))
        return "".join(out)
    if code == "uk":
        cx, cy = bx + bw / 2, by + bh / 2
        L = max(bw, bh)
        out = [rect(bx, by, bw, bh, "#1f3f8f")]
        for sx in (1, -1):
            out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#ffffff" stroke-width="%s"/>'
                       % (f(cx - L * sx), f(cy - L), f(cx + L * sx), f(cy + L), f(L * 0.12)))
            out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#d0253a" stroke-width="%s"/>'
                       % (f(cx - L * sx), f(cy - L), f(cx + L * sx), f(cy + L), f(L * 0.045)))
        out.append(rect(cx - L * 0.1, by, L * 0.2, bh, "#ffffff"))
        out.append(rect(bx, cy - L * 0.1, bw, L * 0.2, "#ffffff"))
        out.append(rect(cx - L * 0.06, by, L * 0.12, bh, "#d0253a"))
        out.append(rect(bx, cy - L * 0.06, bw, L * 0.12, "#d0253a"))
        return "".join(out)
    raise ValueError(code)


FLAGS = {"fra": FRANCE, "us": USA, "can": CANADA, "ita": ITALY, "spa": SPAIN, "uk": UK,
         "ger": GERMANY}


def pic_flag(code, fine):
    d = Defs()
    polys, (bx, by, bw, bh) = project(FLAGS[code], 41, 1.6)
    path = poly_path(polys)
    d.add("clip", '<clipPath id="clip"><path d="%s" fill-rule="nonzero"/></clipPath>' % path)
    d.add("sh", '<filter id="sh" x="-20%" y="-20%" width="140%" height="140%">'
                '<feGaussianBlur stdDeviation="0.7"/></filter>')
    body = ['<path d="%s" fill="#1a2444" fill-opacity="0.3" transform="translate(0.5,0.8)" '
            'filter="url(#sh)"/>' % path]
    body.append('<g clip-path="url(#clip)">%s</g>' % flag_fill(code, bx, by, bw, bh, fine))
    body.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
                % (path, INK, "0.7" if fine else "0.8"))
    return svg(41, 41, "".join(body), d)


# ---------------------------------------------------------------------------------------------

PICTURES = {
    "main": (328, 317, pic_main),
    "entry649": (385, 358, lambda: pic_entry(385, 358, "#e6f0fb", BLUE, 1)),
    "entryS7": (384, 358, lambda: pic_entry(384, 358, "#fbf1de", GOLD, 2)),
    "entryCst": (368, 372, lambda: pic_entry(368, 372, "#efe9f8", LILAC, 3)),
    "selections-blue": (265, 249, pic_selections_blue),
    "selections-lilac": (265, 249, pic_selections_lilac),
    "display-blue": (157, 394, pic_display_blue),
    "display-offwhite": (213, 427, pic_display_offwhite),
    "arrow-up": (32, 32, lambda: pic_arrow(True)),
    "arrow-down": (32, 32, lambda: pic_arrow(False)),
    "settings": (64, 64, pic_settings),
    "film": (41, 41, pic_film),
    "title": (318, 209, pic_title),
}

ICONS = {
    "icon-numora": icon_numora,
    "icon-649": icon_lotto(BLUE, label="49"),
    "icon-s7": icon_lotto(GOLD, label="7"),
    "icon-cst": icon_lotto(LILAC, star=True),
    "icon-settings": icon_settings,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    manifest = []

    def write(name, text):
        with open(os.path.join(OUT, name), "w", encoding="utf-8") as fh:
            fh.write(text)

    for name, (w, h, fn) in PICTURES.items():
        write(name + ".svg", fn())
        manifest.append((name + ".svg", name + ".png", w, h))
        manifest.append((name + ".svg", name + "@2x.png", 2 * w, 2 * h))
    for code in FLAGS:
        name = "flag-" + code
        # the one-times picture has fewer, wider stripes so that it stays clear at 41 pixels
        write(name + ".svg", pic_flag(code, True))
        write(name + "-1x.svg", pic_flag(code, False))
        manifest.append((name + "-1x.svg", name + ".png", 41, 41))
        manifest.append((name + ".svg", name + "@2x.png", 82, 82))
    for name, fn in ICONS.items():
        # one drawing per size, so that small sizes can drop detail they cannot show
        for s in ICON_SIZES:
            write("%s-%d.svg" % (name, s), icon_svg(fn, s))
            manifest.append(("%s-%d.svg" % (name, s), "icons/%s-%d.png" % (name, s), s, s))
    with open(os.path.join(OUT, "manifest.txt"), "w", encoding="utf-8") as fh:
        for row in manifest:
            fh.write("%s %s %d %d\n" % row)
    return 0


if __name__ == "__main__":
    sys.exit(main())
