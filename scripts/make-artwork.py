#!/usr/bin/python3
# Writes the program's artwork, src/artwork/*.svg.
#
# Run by hand (the build does not run it); the SVG files it writes are
# committed and are what the program uses:
#
#     /usr/bin/python3 scripts/make-artwork.py
#
# Needs these Debian 12 packages (not part of scripts/install-deps):
#     python3-fonttools       reads the font's glyph outlines
#     fonts-klaudia-berenika  "Berenika Bold", SIL Open Font License 1.1
#
# The letters of the title are turned into SVG path data here, so the program
# needs no font at run time. Everything else is drawn from plain geometry.
# Only what Qt's SVG renderer handles is used: paths, basic shapes, linear and
# radial gradients, groups, transforms and <use>; no <text>, no patterns,
# filters, masks or style sheets.

import os
import sys

FONT = "/usr/share/fonts/truetype/klaudia-berenika/Berenika-Bold.ttf"
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "src", "artwork")

# The palette shared by every picture: midnight-blue stone, gold, steel.
NAVY_LIGHT = "#2c4468"
NAVY = "#1a2a44"
NAVY_DARK = "#0b1322"
GOLD_PALE = "#fff1b8"
GOLD_LIGHT = "#f4d06a"
GOLD = "#d6a23a"
GOLD_DARK = "#8c5c16"
BROWN_DARK = "#2e1c06"


def num(v):
    """Short decimal text for a coordinate: one decimal, no needless zeros."""
    t = "%.1f" % v
    if t.endswith(".0"):
        t = t[:-2]
    if t == "-0":
        t = "0"
    return t.replace("0.", ".", 1) if t.startswith(("0.", "-0.")) else t


def svg_doc(width, height, body, view=None):
    view = view or "0 0 %s %s" % (num(width), num(height))
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" '
        'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
        'baseProfile="tiny" width="%s" height="%s" viewBox="%s">\n%s</svg>\n'
        % (num(width), num(height), view, body)
    )


def write(name, text):
    path = os.path.join(OUT, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    print("%-18s %6d bytes" % (name, len(text.encode("utf-8"))))


# ---------------------------------------------------------------- lettering

def word_path(word, left, baseline, width, cap_height, tracking=0.0, kern=None):
    """Path data of `word` in the title font, its caps `cap_height` tall,
    stretched horizontally to span exactly `width` from `left`."""
    from fontTools.pens.boundsPen import BoundsPen
    from fontTools.pens.svgPathPen import SVGPathPen
    from fontTools.pens.transformPen import TransformPen
    from fontTools.ttLib import TTFont

    font = TTFont(FONT)
    glyphs = font.getGlyphSet()
    cmap = font.getBestCmap()
    kern = kern or {}
    names = [cmap[ord(c)] for c in word]

    # Outline extents in font units, advancing glyph by glyph.
    placed = []
    x = 0.0
    top = 0.0
    for i, name in enumerate(names):
        if i:
            x += kern.get(word[i - 1:i + 1], 0.0) + tracking
        bp = BoundsPen(glyphs)
        glyphs[name].draw(bp)
        placed.append((name, x, bp.bounds))
        top = max(top, bp.bounds[3])
        x += glyphs[name].width
    ink_left = placed[0][1] + placed[0][2][0]
    ink_right = placed[-1][1] + placed[-1][2][2]

    sy = cap_height / top
    sx = width / (ink_right - ink_left)
    parts = []
    for name, gx, _ in placed:
        pen = SVGPathPen(glyphs, ntos=num)
        tx = left + (gx - ink_left) * sx
        glyphs[name].draw(TransformPen(pen, (sx, 0, 0, -sy, tx, baseline)))
        parts.append(pen.getCommands())
    return "".join(parts)


def glyph_path(char, cx, cy, height):
    """Path data of one glyph, its ink `height` tall, centred on (cx, cy)."""
    from fontTools.pens.boundsPen import BoundsPen
    from fontTools.pens.svgPathPen import SVGPathPen
    from fontTools.pens.transformPen import TransformPen
    from fontTools.ttLib import TTFont

    font = TTFont(FONT)
    glyphs = font.getGlyphSet()
    name = font.getBestCmap()[ord(char)]
    bp = BoundsPen(glyphs)
    glyphs[name].draw(bp)
    x0, y0, x1, y1 = bp.bounds
    s = height / (y1 - y0)
    pen = SVGPathPen(glyphs, ntos=num)
    tx = cx - (x0 + x1) / 2 * s
    ty = cy + (y0 + y1) / 2 * s
    glyphs[name].draw(TransformPen(pen, (s, 0, 0, -s, tx, ty)))
    return pen.getCommands()


# -------------------------------------------------------------------- title

def quatrefoil(cx, cy, r, fill, stroke):
    """A small four-lobed gold ornament."""
    lobes = "".join(
        '<circle cx="%s" cy="%s" r="%s"/>'
        % (num(cx + dx * r * 0.55), num(cy + dy * r * 0.55), num(r * 0.5))
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
    )
    return (
        '<g fill="%s" stroke="%s" stroke-width=".8">%s</g>'
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
        % (fill, stroke, lobes, num(cx), num(cy), num(r * 0.32), NAVY_DARK)
    )


def sword_horizontal(x0, x1, cy):
    """A sword lying along y = cy, pommel at x0, point at x1."""
    pommel = x0 + 5
    grip0, grip1 = x0 + 9, x0 + 25
    guard = grip1 + 2.5
    blade0 = guard + 2.5
    hw = 3.6  # half width of the blade
    s = []
    # Blade: steel, a darker lower half and a fuller down the middle.
    s.append(
        '<path d="M%s %sH%sL%s %sL%s %sH%sZ" fill="url(#steel)" '
        'stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>'
        % (num(blade0), num(cy - hw), num(x1 - 14), num(x1), num(cy),
           num(x1 - 14), num(cy + hw), num(blade0), BROWN_DARK)
    )
    s.append(
        '<path d="M%s %sH%s" stroke="#5d6b80" stroke-width="1.2" '
        'stroke-linecap="round"/>' % (num(blade0 + 3), num(cy), num(x1 - 22))
    )
    # Grip, wound with cord.
    s.append(
        '<rect x="%s" y="%s" width="%s" height="5" rx="1.5" fill="#5a3212" '
        'stroke="%s" stroke-width="1"/>'
        % (num(grip0), num(cy - 2.5), num(grip1 - grip0), BROWN_DARK)
    )
    wraps = "".join(
        "M%s %sl2 5" % (num(grip0 + 1 + i * 3), num(cy - 2.5))
        for i in range(int((grip1 - grip0 - 2) / 3))
    )
    s.append('<path d="%s" stroke="#a0663a" stroke-width="1"/>' % wraps)
    # Cross-guard ending in balls, with a small langet over the blade.
    s.append(
        '<path d="M%s %sl6 %sl-6 %sz" fill="url(#goldv)" stroke="%s" '
        'stroke-width="1" stroke-linejoin="round"/>'
        % (num(guard + 1), num(cy - 4), "4", "4", BROWN_DARK)
    )
    for end in (-1, 1):
        s.append(
            '<circle cx="%s" cy="%s" r="2.7" fill="url(#goldv)" stroke="%s" '
            'stroke-width="1"/>' % (num(guard), num(cy + end * 10.5), BROWN_DARK)
        )
    s.append(
        '<rect x="%s" y="%s" width="4.6" height="%s" rx="1.2" '
        'fill="url(#goldv)" stroke="%s" stroke-width="1"/>'
        % (num(guard - 2.3), num(cy - 9.5), "19", BROWN_DARK)
    )
    # Pommel with a red stone.
    s.append(
        '<circle cx="%s" cy="%s" r="5" fill="url(#goldv)" stroke="%s" '
        'stroke-width="1"/>' % (num(pommel), num(cy), BROWN_DARK)
    )
    s.append(
        '<circle cx="%s" cy="%s" r="2.2" fill="#b3202a" stroke="#4a0a0e" '
        'stroke-width=".6"/>' % (num(pommel), num(cy))
    )
    s.append(
        '<circle cx="%s" cy="%s" r=".7" fill="#ffb0a8"/>'
        % (num(pommel - 0.7), num(cy - 0.8))
    )
    return "".join(s)


def title():
    W, H = 339, 124
    cap = 50.0
    base = 77.0
    left, right = 25.0, 314.0
    word = word_path("ORVANDEL", left, base, right - left, cap,
                     tracking=60, kern={"AN": -40})
    defs = (
        '<defs>'
        '<radialGradient id="stone" cx="170" cy="52" r="190" fx="170" fy="40" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".55" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></radialGradient>'
        % (NAVY_LIGHT, NAVY, NAVY_DARK)
        + '<linearGradient id="frame" x1="0" y1="0" x2="0" y2="124" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".18" stop-color="%s"/>'
        '<stop offset=".5" stop-color="%s"/><stop offset=".82" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></linearGradient>'
        % (GOLD_PALE, GOLD_LIGHT, GOLD, GOLD_LIGHT, GOLD_DARK)
        + '<linearGradient id="letters" x1="0" y1="%s" x2="0" y2="%s" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".38" stop-color="%s"/>'
        '<stop offset=".52" stop-color="%s"/><stop offset=".58" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></linearGradient>'
        % (num(base - cap), num(base), GOLD_PALE, GOLD_LIGHT, GOLD,
           "#b9801f", GOLD_LIGHT)
        + '<linearGradient id="goldv" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset=".5" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></linearGradient>'
        % (GOLD_PALE, GOLD, GOLD_DARK)
        + '<linearGradient id="steel" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#ffffff"/><stop offset=".45" '
        'stop-color="#c9d3e0"/><stop offset=".55" stop-color="#8c99ad"/>'
        '<stop offset="1" stop-color="#b8c3d2"/></linearGradient>'
        '</defs>\n'
    )
    body = ["<!-- Lettering drawn from the glyphs of Berenika Bold "
            "(SIL Open Font License 1.1) by scripts/make-artwork.py -->\n",
            defs]
    # Plaque: a dark outline, a gold moulding, a thin dark groove, the stone.
    body.append('<rect x=".5" y=".5" width="338" height="123" rx="11" '
                'fill="%s"/>' % BROWN_DARK)
    body.append('<rect x="2" y="2" width="335" height="120" rx="10" '
                'fill="url(#frame)"/>')
    body.append('<rect x="6.5" y="6.5" width="326" height="111" rx="7" '
                'fill="%s"/>' % BROWN_DARK)
    body.append('<rect x="8" y="8" width="323" height="108" rx="6" '
                'fill="url(#stone)"/>')
    # A fine inner gold line, broken at the corners by the ornaments.
    body.append('<rect x="12.5" y="12.5" width="314" height="99" rx="3" '
                'fill="none" stroke="%s" stroke-width=".9" '
                'stroke-opacity=".75"/>' % GOLD)
    for cx, cy in ((13, 13), (326, 13), (13, 111), (326, 111)):
        body.append(quatrefoil(cx, cy, 6.5, GOLD_LIGHT, BROWN_DARK))
    # Rivets in the moulding.
    for cx in (60, 120, 219, 279):
        for cy in (4.2, 119.8):
            body.append('<circle cx="%s" cy="%s" r="1.3" fill="%s"/>'
                        % (num(cx), num(cy), GOLD_DARK))
    # Lettering: a soft shadow, a dark rim, then the gold.
    body.append('<path d="%s" fill="#000000" fill-opacity=".55" '
                'transform="translate(1.6 2.4)"/>' % word)
    body.append('<path d="%s" fill="url(#letters)" stroke="%s" '
                'stroke-width="1.6" stroke-linejoin="round"/>'
                % (word, BROWN_DARK))
    # Underneath, a sword as the underline.
    body.append('<g transform="translate(0 1.5)">'
                + '<path d="M38 97.5H300" stroke="#000000" stroke-opacity=".35" '
                'stroke-width="8" stroke-linecap="round" '
                'transform="translate(1.5 2)"/>'
                + sword_horizontal(36, 304, 96) + '</g>')
    return svg_doc(W, H, "\n".join(body) + "\n")


# ------------------------------------------------------------------- strips

TWIST_PERIOD = 38.0


def twist_tile(c, a):
    """One period of a two-strand interlace centred on x = c, swinging a
    either side, from a crest at y = 0 to the next at y = TWIST_PERIOD.
    The strands cross at a quarter and three quarters of the period, each
    strand passing over and under in turn."""
    h = TWIST_PERIOD / 2
    k = h * 0.45

    def half(x0, x1, y0):
        # One strand from one crest to the next, a little longer at both
        # ends so that joined pieces show no seam.
        return "M%s %sV%sC%s %s %s %s %s %sV%s" % (
            num(x0), num(y0 - 1), num(y0), num(x0), num(y0 + k), num(x1),
            num(y0 + h - k), num(x1), num(y0 + h), num(y0 + h + 1))

    def strand(d):
        return ('<path d="%s" stroke="%s" stroke-width="6.4"/>'
                '<path d="%s" stroke="url(#gstrand)" stroke-width="4"/>'
                '<path d="%s" stroke="%s" stroke-width="1.1" '
                'stroke-opacity=".8"/>' % (d, BROWN_DARK, d, d, GOLD_PALE))

    out = []
    # First half: the strand going right-to-left lies under.
    out.append(strand(half(c - a, c + a, 0)))
    out.append(strand(half(c + a, c - a, 0)))
    # Second half: the other way round.
    out.append(strand(half(c - a, c + a, h)))
    out.append(strand(half(c + a, c - a, h)))
    # A gold bead in each eye of the interlace.
    for y in (0, h):
        out.append('<circle cx="%s" cy="%s" r="1.6" fill="%s" stroke="%s" '
                   'stroke-width=".7"/>' % (num(c), num(y), GOLD_LIGHT,
                                            BROWN_DARK))
    return '<g fill="none">%s</g>' % "".join(out)


def boss(cx, cy):
    """A round gold boss with a red stone, capping the interlace."""
    return (
        '<circle cx="%s" cy="%s" r="10" fill="%s"/>'
        '<circle cx="%s" cy="%s" r="8.6" fill="url(#gboss)"/>'
        '<circle cx="%s" cy="%s" r="4.4" fill="#b3202a" stroke="#4a0a0e" '
        'stroke-width="1"/>'
        '<circle cx="%s" cy="%s" r="1.3" fill="#ffb0a8"/>'
        % (num(cx), num(cy), BROWN_DARK, num(cx), num(cy), num(cx), num(cy),
           num(cx - 1.3), num(cy - 1.5))
    )


def strip(width, height):
    """A vertical strip whose left edge (x = 0) is the decorated one: a
    carved band holding a gold interlace, then plain dark stone."""
    band = 24.0
    c = band / 2 - 0.2
    a = 5.6
    defs = (
        '<defs>'
        '<linearGradient id="stone" x1="0" y1="0" x2="%s" y2="0" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".25" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient>' % (num(width), NAVY_LIGHT, NAVY, NAVY_DARK)
        + '<linearGradient id="channel" x1="0" y1="0" x2="%s" y2="0" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".5" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient>' % (num(band), NAVY_DARK, "#16243b", NAVY_DARK)
        + '<linearGradient id="rail" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="%s"/><stop offset=".45" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient>' % (GOLD_PALE, GOLD, GOLD_DARK)
        + '<linearGradient id="gstrand" x1="%s" y1="0" x2="%s" y2="0" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".5" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient>' % (num(c - a - 3), num(c + a + 3), GOLD_LIGHT,
                               GOLD, "#a8721e")
        + '<radialGradient id="gboss" cx=".4" cy=".35" r=".7">'
        '<stop offset="0" stop-color="%s"/><stop offset=".5" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</radialGradient>' % (GOLD_PALE, GOLD, GOLD_DARK)
        + '<g id="twist">%s</g>' % twist_tile(c, a)
        + '</defs>\n'
    )
    body = [defs]
    body.append('<rect width="%s" height="%s" fill="url(#stone)"/>'
                % (num(width), num(height)))
    # The carved channel and its two gold rails.
    body.append('<rect width="%s" height="%s" fill="url(#channel)"/>'
                % (num(band), num(height)))
    for x, w in ((0, 2.6), (band - 2.6, 2.6)):
        body.append('<rect x="%s" width="%s" height="%s" fill="url(#rail)" '
                    'stroke="%s" stroke-width=".6"/>'
                    % (num(x + 0.3), num(w - 0.6), num(height), BROWN_DARK))
    # Beyond the channel: a shadowed groove and a thin gold fillet.
    body.append('<rect x="%s" width="1.2" height="%s" fill="%s" '
                'fill-opacity=".7"/>' % (num(band + 3), num(height), GOLD))
    body.append('<rect x="%s" width="%s" height="%s" fill="%s"/>'
                % (num(band), num(3), num(height), NAVY_DARK))
    # The interlace, repeated down the channel between two bosses.
    top, bottom = 22.0, height - 22.0
    n = int((bottom - top) // TWIST_PERIOD)
    y0 = (height - n * TWIST_PERIOD) / 2
    uses = "".join('<use xlink:href="#twist" y="%s"/>'
                   % num(y0 + i * TWIST_PERIOD) for i in range(n))
    body.append(uses)
    body.append(boss(c, y0))
    body.append(boss(c, y0 + n * TWIST_PERIOD))
    # Rivets down the fillet side, one every four periods.
    for i in range(2, n - 1, 4):
        y = y0 + i * TWIST_PERIOD
        body.append('<circle cx="%s" cy="%s" r="2" fill="url(#gboss)" '
                    'stroke="%s" stroke-width=".6"/>'
                    % (num(band + 9), num(y), BROWN_DARK))
    return "\n".join(body) + "\n"


def strip_left():
    W, H = 149, 1092
    return svg_doc(W, H, strip(W, H))


def strip_right():
    W, H = 159, 1093
    mirrored = ('<g transform="translate(%s 0) scale(-1 1)">\n%s</g>\n'
                % (num(W), strip(W, H)))
    return svg_doc(W, H, mirrored)


# --------------------------------------------------------------------- icon

def shield_outline(inset):
    """The shield's outline, `inset` units inside the outer edge."""
    i = inset
    top, left, right, point = 18 + i, 30 + i, 226 - i, 244 - i * 1.25
    # A flat top with a gentle dip, straight flanks, curving to the point.
    return (
        "M%s %sQ128 %s %s %sV%sC%s %s %s %s 128 %sC%s %s %s %s %s %sZ"
        % (num(left), num(top), num(top + 14), num(right), num(top),
           num(118), num(right), num(176 - i * 0.3), num(176 + i * 0.2),
           num(222 - i * 0.6), num(point), num(80 - i * 0.2),
           num(222 - i * 0.6), num(left), num(176 - i * 0.3), num(left),
           num(118))
    )


def icon():
    letter = glyph_path("O", 128, 120, 118)
    defs = (
        '<defs>'
        '<linearGradient id="rim" x1="0" y1="0" x2="0" y2="256" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".3" '
        'stop-color="%s"/><stop offset=".7" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></linearGradient>'
        % (GOLD_PALE, GOLD_LIGHT, GOLD, GOLD_DARK)
        + '<radialGradient id="field" cx="112" cy="90" r="170" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".6" '
        'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</radialGradient>' % ("#35537e", NAVY, NAVY_DARK)
        + '<linearGradient id="letter" x1="0" y1="61" x2="0" y2="179" '
        'gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s"/><stop offset=".4" '
        'stop-color="%s"/><stop offset=".55" stop-color="%s"/>'
        '<stop offset=".62" stop-color="%s"/><stop offset="1" '
        'stop-color="%s"/></linearGradient>'
        % (GOLD_PALE, GOLD_LIGHT, GOLD, "#b9801f", GOLD_LIGHT)
        + '</defs>\n'
    )
    body = [defs]
    body.append('<path d="%s" fill="%s" stroke="%s" stroke-width="12" '
                'stroke-linejoin="round"/>'
                % (shield_outline(0), BROWN_DARK, BROWN_DARK))
    body.append('<path d="%s" fill="url(#rim)"/>' % shield_outline(2))
    body.append('<path d="%s" fill="%s"/>' % (shield_outline(16), BROWN_DARK))
    body.append('<path d="%s" fill="url(#field)"/>' % shield_outline(20))
    # Rivets around the rim.
    for x, y in ((44, 30), (212, 30), (36, 118), (220, 118), (72, 206),
                 (184, 206)):
        body.append('<circle cx="%d" cy="%d" r="4" fill="%s"/>'
                    % (x, y, GOLD_DARK))
    body.append('<path d="%s" fill="#000000" fill-opacity=".55" '
                'transform="translate(4 6)"/>' % letter)
    body.append('<path d="%s" fill="url(#letter)" stroke="%s" '
                'stroke-width="5" stroke-linejoin="round"/>'
                % (letter, BROWN_DARK))
    return svg_doc(256, 256, "\n".join(body) + "\n")


# ------------------------------------------------------------------ cursors

def pixels(rows, palette):
    """Pixel art: `rows` of characters, each a key of `palette` (a colour)
    or '.' for transparent. One path per colour, one rectangle per run."""
    runs = {}
    for y, row in enumerate(rows):
        x = 0
        while x < len(row):
            ch = row[x]
            end = x
            while end < len(row) and row[end] == ch:
                end += 1
            if ch != ".":
                runs.setdefault(ch, []).append("M%d %dh%dv1h-%dz"
                                               % (x, y, end - x, end - x))
            x = end
    return "".join('<path d="%s" fill="%s"/>\n' % ("".join(runs[ch]),
                                                   palette[ch])
                   for ch in palette if ch in runs)


def check_grid(rows, hot):
    assert len(rows) <= 32 and all(len(r) <= 32 for r in rows), "too big"
    x, y = hot
    assert rows[y][x] != ".", "hot spot on a transparent pixel"


# A sword pointing up; its point, the hot spot, is pixel (12, 1).
SWORD = [
    "",
    "............K",
    "...........KLK",
    "..........KWLMK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    ".........KWLMLDK",
    "....KK...KWLMLDK...KK",
    "...KYYKKKKKKKKKKKKKYYK",
    "...KYYYYYYYYYYYYYYYYOK",
    "...KOOOOOOOOOOOOOOOOOK",
    "....KKKKKKKKKKKKKKKKK",
    "..........KBOBK",
    "..........KOBBK",
    "..........KBOBK",
    "..........KBBOK",
    "..........KBOBK",
    ".........KYYYYOK",
    "........KYYYRYOOK",
    ".........KYOOOOK",
    "..........KKKKK",
]
SWORD_COLOURS = {
    "K": "#000000", "W": "#ffffff", "L": "#c0c0c0", "M": "#808080",
    "D": "#404040", "Y": "#ffd800", "O": "#c07800", "B": "#804000",
    "R": "#e00000",
}

# A pointing hand over a die; the finger tip, the hot spot, is pixel (6, 0).
HAND = [
    ".....XXX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooX",
    "....XoooXXXX",
    "....XoooXoooXXXX",
    "....XoooXoooXoooXXX",
    "....XoooXoooXoooXooX",
    ".XXXXoooXoooXoooXooX",
    "XoooXoooXoooXoooXooX",
    "XoooXooooooooooooooX",
    "XooooooooooooooooooX",
    ".XoooooooooooooooooX",
    ".XoooooooooooooooooX",
    "..XooooooooooooooooX",
    "...XoooooooooooooooX",
    "....XoooooooooooooX",
    "....XoooooooooooooX",
    "....XXXXXXXXXXXXXXX..XXXXXXXXXX",
    "....XoooooooooooooX.XooooooooooX",
    "....XXXXXXXXXXXXXXX.XoXXooooXXoX",
    "....................XoXXooooXXoX",
    "....................XooooooooooX",
    "....................XooooXXooooX",
    "....................XooooXXooooX",
    "....................XooooooooooX",
    "....................XoXXooooXXoX",
    "....................XoXXooooXXoX",
    "....................XooooooooooX",
    ".....................XXXXXXXXXX",
]
HAND_COLOURS = {"X": "#000000", "o": "#ffffff"}


def cursor(rows, colours, hot):
    check_grid(rows, hot)
    note = "<!-- 32 x 32 pointer, hot spot at pixel (%d, %d) -->\n" % hot
    return svg_doc(32, 32, note + pixels(rows, colours))


def main():
    os.makedirs(OUT, exist_ok=True)
    write("title.svg", title())
    write("strip_left.svg", strip_left())
    write("strip_right.svg", strip_right())
    write("icon.svg", icon())
    write("cursor_sheet.svg", cursor(SWORD, SWORD_COLOURS, (12, 1)))
    write("cursor_title.svg", cursor(HAND, HAND_COLOURS, (6, 0)))


if __name__ == "__main__":
    sys.exit(main())
