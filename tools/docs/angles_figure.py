"""The figure of the drive's angles, as SVG, drawn from the numbers of a
steady state the program computed: on the left the fluxes in the rotor's
frame (field flux, armature reaction, commutation flux, the armature
circuit's axis), on the right one commutation in time (the commutating
voltage and the two thyristor currents between firing and the natural
commutation point). Standard library only; the same numbers give the same
bytes."""
import math

WORDS = {
    "en": {
        "left": "Fluxes in the rotor frame (steady state)",
        "right": "One commutation, against the electrical angle",
        "rotation": "rotation",
        "axis": "armature circuit axis",
        "reaction": "armature reaction",
        "emf": "commutation emf",
        "voltage": "commutating line voltage",
        "incoming": "incoming phase",
        "outgoing": "outgoing phase",
        "firing": "firing",
        "end": "end of overlap",
        "natural": "natural commutation",
        "time": "time →",
        "relations": "Relations (values of the default steady state)",
    },
    "fr": {
        "left": "Flux dans le repère du rotor (régime permanent)",
        "right": "Une commutation, en fonction de l'angle électrique",
        "rotation": "rotation",
        "axis": "axe du circuit d'induit",
        "reaction": "réaction d'induit",
        "emf": "f.e.m. de commutation",
        "voltage": "tension composée de commutation",
        "incoming": "phase entrante",
        "outgoing": "phase sortante",
        "firing": "allumage",
        "end": "fin de commutation",
        "natural": "commutation naturelle",
        "time": "temps →",
        "relations": "Relations (valeurs du régime par défaut)",
    },
}

WIDTH, HEIGHT = 880, 490
FIELD, REACTION, FLUX, AXIS, EMF = "#555555", "#2255cc", "#cc2222", "#118811", "#cc7700"


def f(x):
    """A coordinate or a length, with one decimal: the same text everywhere."""
    text = f"{x:.1f}"
    return "0.0" if text == "-0.0" else text


class Svg:
    def __init__(self):
        self.parts = []
        self.arrows = set()

    def add(self, text):
        self.parts.append(text)

    def line(self, x1, y1, x2, y2, colour, width=1.5, dash=None, arrow=False):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        if arrow:
            self.arrows.add(colour)
            extra += f' marker-end="url(#arrow{colour[1:]})"'
        self.add(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" stroke="{colour}" '
                 f'stroke-width="{width}"{extra}/>')

    def text(self, x, y, words, colour="#000000", anchor="start", size=13, style=""):
        words = words.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        extra = f' font-style="{style}"' if style else ""
        self.add(f'<text x="{f(x)}" y="{f(y)}" fill="{colour}" font-size="{size}" '
                 f'text-anchor="{anchor}"{extra}>{words}</text>')

    def polyline(self, points, colour, width=1.8):
        path = " ".join(f"{f(x)},{f(y)}" for x, y in points)
        self.add(f'<polyline points="{path}" fill="none" stroke="{colour}" stroke-width="{width}"/>')

    def arc(self, cx, cy, radius, start_deg, end_deg, colour, label, label_radius=None):
        """An arc of the rotor-frame diagram, counterclockwise from start to end (degrees)."""
        points = []
        steps = max(2, int(abs(end_deg - start_deg) / 3) + 1)
        for i in range(steps + 1):
            a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
            points.append((cx + radius * math.cos(a), cy - radius * math.sin(a)))
        self.polyline(points, colour, 1.2)
        if not label:
            return
        middle = math.radians((start_deg + end_deg) / 2)
        r = label_radius or radius + 12
        self.text(cx + r * math.cos(middle), cy - r * math.sin(middle) + 4, label, colour, "middle", 12)


def rotor_frame(svg, s, w):
    """Field flux along d, the armature reaction along the circuit's axis, their sum psic."""
    cx, cy, scale = 270.0, 270.0, 360.0  # pixels per Wb
    svg.text(20, 28, w["left"], size=14)
    svg.line(cx - 240, cy, cx + 200, cy, "#999999", 1)
    svg.line(cx, cy + 50, cx, cy - 215, "#999999", 1)
    svg.text(cx + 204, cy + 4, "d", "#666666")
    svg.text(cx - 6, cy - 205, "q", "#666666", "end")
    # Angles grow counterclockwise, the way the rotor turns.
    svg.arc(cx, cy, 190, 10, 30, "#999999", "", 0)
    svg.text(cx + 186, cy - 66, w["rotation"] + " ↺", "#999999", "start", 12)
    field_x = cx + scale * s["mfif"]
    svg.line(cx, cy, field_x, cy, FIELD, 2.5, arrow=True)
    tip_x, tip_y = cx + scale * s["psidc"], cy - scale * s["psiqc"]
    svg.line(field_x, cy, tip_x, tip_y, REACTION, 2, "4,2", arrow=True)
    svg.line(cx, cy, tip_x, tip_y, FLUX, 2.5, arrow=True)
    svg.text(field_x, cy + 18, "mfif", FIELD, "end")
    svg.text(field_x, cy + 34, w["reaction"], REACTION, "end", 12)
    svg.text(tip_x - 6, tip_y - 8, "psic", FLUX, "end")
    emf = math.radians(s["delta"] + 90)
    emf_x, emf_y = cx + 150 * math.cos(emf), cy - 150 * math.sin(emf)
    svg.line(cx, cy, emf_x, emf_y, EMF, 1.5, "6,3", arrow=True)
    svg.text(emf_x, emf_y - 10, w["emf"] + " Ec", EMF, "middle", 12)
    rau = math.radians(s["rau"])
    axis_x, axis_y = cx + 170 * math.cos(rau), cy - 170 * math.sin(rau)
    svg.line(cx, cy, axis_x, axis_y, AXIS, 2.5, arrow=True)
    first, _, rest = w["axis"].rpartition(" ")
    svg.text(axis_x - 8, axis_y - 6, first, AXIS, "end", 12)
    svg.text(axis_x - 8, axis_y + 9, rest + " (Idc)", AXIS, "end", 12)
    svg.arc(cx, cy, 120, 0, s["delta"], FLUX, "", 0)
    svg.text(cx + 126, cy - 3, "delta", FLUX, "start", 12)
    svg.arc(cx, cy, 45, s["delta"], s["rau"], "#000000", "", 0)
    svg.text(cx + 8, cy - 28, "nu", "#000000", "start", 12)
    svg.arc(cx, cy, 75, 0, s["rau"], AXIS, "", 0)
    svg.text(cx + 66, cy - 50, "rau", AXIS, "start", 12)
    svg.arc(cx, cy, 105, s["delta"] + 90, s["rau"], EMF, "", 0)
    svg.text(cx - 62, cy - 104, "xhi + mu/2", EMF, "middle", 12)


def commutation(svg, s, w):
    """The commutating voltage and the two currents, over the angle before the natural commutation point."""
    left, right, top = 510.0, 860.0, 84.0
    span_from, span_to = 75.0, -15.0  # degrees before the natural commutation point, left to right
    svg.text(left - 20, 28, w["right"], size=14)

    def x_of(phi):
        return left + (span_from - phi) / (span_from - span_to) * (right - left)

    volts_mid, volts_amp = top + 70, 60.0
    amps_base, amps_top = top + 250, top + 170
    svg.line(left, volts_mid, right, volts_mid, "#999999", 1)
    svg.line(left, amps_base, right, amps_base, "#999999", 1)
    svg.text(right, amps_base + 16, w["time"], "#666666", "end", 12)
    phis = [span_from - i * (span_from - span_to) / 180 for i in range(181)]
    svg.polyline([(x_of(p), volts_mid - volts_amp * math.sin(math.radians(p))) for p in phis], "#000000")
    svg.text(left + 4, volts_mid + 18, w["voltage"], "#000000", size=12)
    alpha, xhi = s["alpha"], s["xhi"]
    cos_a, cos_x = math.cos(math.radians(alpha)), math.cos(math.radians(xhi))

    def incoming(phi):
        if phi >= alpha:
            return 0.0
        if phi <= xhi:
            return 1.0
        return (math.cos(math.radians(phi)) - cos_a) / (cos_x - cos_a)

    height = amps_base - amps_top
    svg.polyline([(x_of(p), amps_base - height * incoming(p)) for p in phis], AXIS)
    svg.polyline([(x_of(p), amps_base - height * (1 - incoming(p))) for p in phis], REACTION)
    svg.text(left + 4, amps_top - 6, w["outgoing"], REACTION, size=12)
    svg.text(right - 4, amps_top - 6, w["incoming"] + " (Idc)", AXIS, "end", 12)
    for phi, name in ((alpha, "firing"), (xhi, "end"), (0.0, "natural")):
        x = x_of(phi)
        svg.line(x, top + 2, x, amps_base + 8, "#777777", 1, "3,3")
    svg.text(x_of(alpha) - 3, top - 22, w["firing"], "#000000", "end", 12)
    svg.text(x_of(xhi) + 3, top - 22, w["end"], "#000000", "start", 12)
    svg.text(x_of(0.0) + 4, top - 6, w["natural"], "#000000", "end", 12)
    # The three angles, counted back from the natural commutation point.
    for y, a, b, label in ((amps_base + 30, alpha, xhi, f"mu {s['mu']:.2f}°"),
                           (amps_base + 30, xhi, 0.0, f"xhi {xhi:.2f}°"),
                           (amps_base + 56, alpha, 0.0, f"alpha {alpha:.2f}°")):
        svg.line(x_of(a), y, x_of(b), y, "#000000", 1)
        svg.line(x_of(a), y - 4, x_of(a), y + 4, "#000000", 1)
        svg.line(x_of(b), y - 4, x_of(b), y + 4, "#000000", 1)
        anchor_x = (x_of(a) + x_of(b)) / 2 if b != xhi or a - b > 20 else x_of(a) - 4
        svg.text(anchor_x, y - 6, label, "#000000", "middle" if anchor_x != x_of(a) - 4 else "end", 12)


def relations(svg, s, w):
    y = 420.0
    svg.text(20, y, w["relations"], size=13)
    lines = [
        f"alpha = xhi + mu = {s['xhi']:.2f}° + {s['mu']:.2f}° = {s['alpha']:.2f}°",
        "cos xhi − cos alpha = 2·lc·Idc / (√3·psic)",
        f"alpha = beta − 150° − delta = {s['beta']:.2f}° − 150° − {s['delta']:.2f}° = {s['beta'] - 150 - s['delta']:.2f}°",
        f"nu = 90° + xhi + mu/2 = {s['nu']:.2f}°,  rau = delta + nu = {s['rau']:.2f}°",
        f"beta = 60° + rau + mu/2 = {s['beta']:.2f}°",
    ]
    for i, text in enumerate(lines):
        svg.text(20 + (i // 3) * 440, y + 20 + (i % 3) * 18, text, "#333333", size=12)


def figure(state, lang):
    """state: mfif, psidc, psiqc, delta, xhi, mu, beta (degrees and Wb, as the screens print them)."""
    s = dict(state)
    s["alpha"] = s["xhi"] + s["mu"]
    s["nu"] = 90 + s["xhi"] + s["mu"] / 2
    s["rau"] = s["delta"] + s["nu"]
    w = WORDS[lang]
    svg = Svg()
    svg.add(f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
            f'viewBox="0 0 {WIDTH} {HEIGHT}" font-family="sans-serif">')
    svg.add(f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>')
    rotor_frame(svg, s, w)
    commutation(svg, s, w)
    relations(svg, s, w)
    # One arrow head per colour used, defined once at the top.
    heads = "".join(f'<marker id="arrow{c[1:]}" viewBox="0 0 10 10" refX="9" refY="5" markerWidth="10" '
                    f'markerHeight="10" markerUnits="userSpaceOnUse" orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="{c}"/></marker>'
                    for c in sorted(svg.arrows))
    svg.parts.insert(1, f"<defs>{heads}</defs>")
    svg.add("</svg>")
    return "\n".join(svg.parts) + "\n"
