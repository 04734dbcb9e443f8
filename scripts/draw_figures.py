#!/usr/bin/python3
"""Draws the figures of Wendrel's box and writes them as .wendrel-figure files.

    /usr/bin/python3 scripts/draw_figures.py             # every figure, and box.txt
    /usr/bin/python3 scripts/draw_figures.py fish cat    # only these (box.txt is kept)
    /usr/bin/python3 scripts/draw_figures.py --png DIR   # also a PNG of each, and a sheet

A dev tool only: the game reads the files in shapes/figures/, never this script. It needs
Debian's python3-shapely (apt-get install python3-shapely) and, for --png, ImageMagick.

Each figure is drawn below as a union (or difference) of simple parts: circles,
ellipses, polygons, thick strokes and smooth closed curves through a few key points,
in a box of about 600 units with y up. The script then
  1. scales the silhouette so that the longer side of its box is 600 and centres the box
     on the origin, as the game does;
  2. walks its boundary counter-clockwise and resamples it: corners (a turn of more than
     CORNER_DEGREES) are kept, and the stretch between two corners is cut into sides of
     nearly equal length, about the figure's step (its perimeter / MAX_SIDES, at least
     MIN_STEP), since the game spaces its mesh points by the mean side length;
  3. places the seeds, one per piece, by Lloyd's relaxation (k-means) over a fine grid of
     interior points, so that each seed sits near the middle of an area of its own; a
     centre that falls outside, or too near the boundary, moves to the nearest grid point
     of its own cluster that is far enough inside;
  4. checks what the format asks (a simple counter-clockwise outline of 3-200 vertices,
     no side shorter than MIN_SIDE, 2-20 seeds strictly inside and at least MIN_SEED_GAP
     apart) and warns of thin necks: a vertex nearer than THIN to a side that is far
     from it along the boundary.
Numbers are written with at most two decimals. The box order (easy first, by piece count
and by how irregular the outline is) is the order of FIGURES.
"""

import json
import math
import os
import subprocess
import sys

from shapely import affinity
from shapely.geometry import LineString, Point, Polygon, box
from shapely.ops import unary_union
from shapely.prepared import prep

BOX = 600.0           # the longer side of a figure's box, as the game scales it
MAX_SIDES = 110       # a long outline gets longer sides rather than more of them
# Sides of about 33 units: the mesh then has fewer interior points than with sides of
# 20, and a puzzle number fails to cut several times more rarely (about 1 in 3,000 in
# place of 1 in 500), while parts of 45-55 units still get a point across.
MIN_STEP = 33.0
CORNER_DEGREES = 28.0  # a sharper turn of the boundary stays a vertex
MIN_SIDE = 8.0
MIN_SEED_GAP = 40.0
SEED_MARGIN = 14.0    # how far inside the boundary a seed must lie
THIN = 38.0           # a part narrower than this is reported
GRID = 5.0            # spacing of the interior points the seeds are placed over

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "..", "shapes", "figures")


# ---- parts -----------------------------------------------------------------------------

def circle(cx, cy, r):
    return Point(cx, cy).buffer(r, resolution=48)


def ellipse(cx, cy, rx, ry, turn=0.0):
    e = affinity.scale(Point(0, 0).buffer(1.0, resolution=64), rx, ry)
    return affinity.translate(affinity.rotate(e, turn, origin=(0, 0)), cx, cy)


def poly(points):
    return Polygon(points)


def rect(x0, y0, x1, y1):
    return box(x0, y0, x1, y1)


def stroke(points, width):
    """A thick line through points, with round ends."""
    return LineString(points).buffer(width / 2.0, resolution=32)


def arc_points(cx, cy, r, a0, a1, n=48):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def blob(points, per_span=24):
    """A smooth closed curve through the key points (a centripetal Catmull-Rom spline)."""
    n = len(points)
    out = []
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k) % n] for k in (-1, 0, 1, 2))
        out.extend(_catmull_span(p0, p1, p2, p3, per_span))
    return Polygon(out).buffer(0)


def _catmull_span(p0, p1, p2, p3, steps):
    def knot(t, a, b):
        return t + max(math.dist(a, b), 1e-6) ** 0.5
    t0 = 0.0
    t1 = knot(t0, p0, p1)
    t2 = knot(t1, p1, p2)
    t3 = knot(t2, p2, p3)
    pts = []
    for s in range(steps):
        t = t1 + (t2 - t1) * s / steps

        def lerp(a, b, ta, tb):
            w = (t - ta) / (tb - ta)
            return (a[0] + (b[0] - a[0]) * w, a[1] + (b[1] - a[1]) * w)
        a1 = lerp(p0, p1, t0, t1)
        a2 = lerp(p1, p2, t1, t2)
        a3 = lerp(p2, p3, t2, t3)
        b1 = lerp(a1, a2, t0, t2)
        b2 = lerp(a2, a3, t1, t3)
        pts.append(lerp(b1, b2, t1, t2))
    return pts


def union(*parts):
    return unary_union(parts)


def soften(shape, r):
    """Fills concave corners with a fillet of radius r."""
    return shape.buffer(r, resolution=32).buffer(-r, resolution=32)


def blunt(shape, r):
    """Rounds convex corners with radius r."""
    return shape.buffer(-r, resolution=32).buffer(r, resolution=32)


def mirror(shape):
    return affinity.scale(shape, -1, 1, origin=(0, 0))


def symmetric(right_half):
    """A figure symmetric about x = 0 from the part drawn at x >= 0."""
    half = right_half.intersection(rect(0, -5000, 5000, 5000))
    return union(half, mirror(half)).buffer(0.01).buffer(-0.01)


# ---- the figures ----------------------------------------------------------------------

def cross():
    return union(rect(-100, -300, 100, 300), rect(-300, -100, 300, 100))


def arrow():
    return poly([(0, -75), (350, -75), (350, -200), (600, 0), (350, 200), (350, 75), (0, 75)])


def crescent_moon():
    moon = circle(0, 0, 300).difference(circle(120, 70, 255))
    return blunt(moon, 10)


def star():
    pts = []
    for i in range(10):
        a = math.radians(90 + 36 * i)
        r = 300 if i % 2 == 0 else 140
        pts.append((r * math.cos(a), r * math.sin(a)))
    return poly(pts)


def house():
    roof = poly([(0, 320), (600, 320), (300, 600)])
    walls = rect(60, 0, 540, 330)
    slope = lambda x: 320 + (600 - x) * 280 / 300
    chimney = poly([(400, slope(400) - 20), (470, slope(470) - 20), (470, 560), (400, 560)])
    door = rect(140, -10, 240, 180)
    return union(roof, walls, chimney).difference(door)


def fish():
    body = ellipse(0, 0, 215, 135)
    tail = poly([(-170, 0), (-330, 150), (-290, 0), (-330, -150)])
    fin = blob([(-110, 100), (-120, 205), (-40, 175), (40, 120), (-40, 110)])
    return soften(union(body, tail, fin), 14)


def lightning_bolt():
    return poly([(250, 600), (460, 600), (345, 390), (480, 390), (150, 0), (250, 305),
                 (110, 305)])


def mushroom():
    cap = ellipse(0, 300, 300, 300).intersection(rect(-310, 300, 310, 610))
    cap = cap.difference(ellipse(0, 285, 235, 45))
    stem = blob([(-80, 330), (-72, 200), (-85, 70), (-120, 5), (0, -5), (120, 5), (85, 70),
                 (72, 200), (80, 330), (0, 345)])
    return soften(union(cap, stem), 10)


def mug():
    body = blunt(rect(0, 0, 330, 400), 40).union(rect(0, 200, 330, 400))
    outer = arc_points(330, 225, 140, 90, -60)
    inner = arc_points(330, 225, 80, -60, 90)
    handle = poly(outer + inner)
    end = circle(330 + 110 * math.cos(math.radians(-60)),
                 225 + 110 * math.sin(math.radians(-60)), 30)
    return soften(union(body, handle, end), 8)


def bell():
    dome = blob([(0, 545), (120, 530), (185, 440), (200, 330), (225, 220), (290, 130),
                 (300, 90), (0, 90)])
    knob = circle(0, 555, 48)
    clapper = circle(0, 80, 70)
    lip = blunt(rect(0, 80, 305, 125), 8)
    return symmetric(soften(union(dome, knob, clapper, lip), 12))


def fir_tree():
    tiers = [poly([(0, 600), (160, 410), (-160, 410)]),
             poly([(0, 500), (220, 250), (-220, 250)]),
             poly([(0, 370), (280, 80), (-280, 80)])]
    trunk = rect(-55, 0, 55, 100)
    return union(*tiers, trunk)


def light_bulb():
    glass = circle(0, 395, 205)
    neck = blob([(0, 180), (100, 175), (150, 260), (0, 320), (-150, 260), (-100, 175)])
    collar = blunt(rect(-108, 150, 108, 200), 10)
    base = poly([(-98, 160), (98, 160), (85, 60), (-85, 60)])
    thread = ellipse(0, 105, 104, 20)
    tip = ellipse(0, 65, 85, 60).intersection(rect(-100, 0, 100, 70))
    return soften(union(glass, neck, collar, base, thread, tip), 10)

def spade():
    lobes = blob([(0, 600), (100, 500), (230, 390), (290, 280), (250, 175), (150, 150),
                  (50, 200), (0, 230), (-50, 200), (-150, 150), (-250, 175), (-290, 280),
                  (-230, 390), (-100, 500)])
    stem = poly([(-38, 240), (38, 240), (50, 120), (85, 40), (140, 0), (-140, 0), (-85, 40),
                 (-50, 120)])
    return soften(union(lobes, stem), 14)


def duck():
    body = blob([(-270, 150), (-230, 60), (-120, 0), (60, -10), (190, 30), (235, 110),
                 (200, 175), (100, 150), (-60, 130), (-180, 125)])
    head = circle(165, 255, 82)
    neck = stroke([(150, 150), (165, 240)], 110)
    bill = blob([(220, 270), (290, 250), (345, 235), (330, 205), (260, 200), (215, 215)])
    return soften(union(body, head, neck, bill), 16)


def sailboat():
    hull = poly([(0, 150), (90, 0), (510, 0), (600, 150)])
    mast = rect(290, 140, 330, 600)
    main = poly([(330, 195), (560, 195), (330, 600)])
    jib = poly([(290, 215), (70, 215), (290, 555)])
    flag = poly([(330, 600), (330, 545), (390, 572)])
    return union(hull, mast, main, jib, flag)


def umbrella():
    dome = ellipse(0, 330, 300, 270).intersection(rect(-310, 330, 310, 610))
    for x0 in (-300, -150, 0, 150):
        hump = [(x, 330 + 38 * math.sin(math.pi * (x - x0) / 150)) for x in
                [x0 + 150 * i / 30 for i in range(31)]]
        dome = dome.difference(poly(hump + [(x0 + 150, 300), (x0, 300)]))
    shaft = rect(-26, 110, 26, 380)
    hook = poly(arc_points(-55, 110, 81, 0, -180) + arc_points(-55, 110, 29, -180, 0))
    cap = circle(-110, 110, 26)
    tip = circle(0, 590, 18)
    return union(dome, shaft, hook, cap, tip)


def key():
    bow = union(circle(110, 300, 120), ellipse(40, 300, 60, 95))
    collar = blunt(rect(215, 245, 275, 355), 10)
    blade = rect(200, 272, 590, 328)
    bit = rect(440, 170, 590, 300).difference(rect(490, 160, 540, 235))
    return soften(union(bow, collar, blade, bit), 6)


def turtle():
    shell = ellipse(0, 40, 235, 225).intersection(rect(-300, 40, 300, 400))
    rim = blunt(rect(-250, 15, 250, 55), 15)
    back_leg = blunt(rect(-185, -80, -105, 30), 22)
    front_leg = blunt(rect(100, -80, 180, 30), 22)
    neck = stroke([(200, 35), (285, 75)], 70)
    head = ellipse(315, 95, 62, 48, 15)
    tail = poly([(-230, 50), (-300, 15), (-220, 20)])
    return soften(union(shell, rim, back_leg, front_leg, neck, head, tail), 14)


def whale():
    return blob([(-150, 20), (0, 0), (150, 0), (262, 22), (308, 75), (300, 135), (255, 180),
                 (160, 205), (40, 198), (-70, 168), (-160, 120), (-215, 120), (-222, 170),
                 (-190, 225), (-148, 262), (-250, 232), (-350, 262), (-314, 215), (-293, 160),
                 (-282, 100), (-240, 48)], per_span=28)


def snail():
    shell = circle(-50, 205, 175)
    foot = blob([(-320, 10), (-200, 0), (0, 0), (200, 0), (295, 25), (325, 110), (300, 200),
                 (240, 200), (200, 110), (80, 75), (-150, 60), (-280, 45)])
    horn1 = stroke([(285, 170), (345, 320)], 46)
    horn2 = stroke([(245, 175), (250, 335)], 46)
    return soften(union(shell, foot, horn1, horn2), 14)


def teapot():
    body = ellipse(0, 175, 210, 175)
    flat = rect(-150, 0, 150, 60)
    lid = ellipse(0, 345, 120, 60).intersection(rect(-130, 330, 130, 420))
    knob = circle(0, 420, 32)
    spout = blunt(poly([(150, 70), (200, 180), (300, 330), (345, 340), (330, 300),
                        (215, 80)]), 12)
    handle = stroke([(-130, 290), (-235, 305), (-292, 250), (-295, 170), (-265, 112)], 56)
    return soften(union(body, flat, lid, knob, spout, handle), 14)


def bird():
    body = ellipse(0, 0, 210, 140, 15)
    head = circle(180, 140, 95)
    beak = poly([(255, 170), (345, 135), (260, 105)])
    tail = poly([(-150, -20), (-350, 60), (-330, -10), (-140, -100)])
    wing = blob([(-120, 40), (-10, 120), (100, 90), (60, 30), (-60, 0)])
    return soften(union(body, head, beak, tail, wing), 16)


def rocket():
    body = blob([(0, 600), (70, 540), (110, 430), (115, 300), (105, 150), (0, 140)])
    fin = poly([(95, 330), (200, 200), (215, 60), (150, 110), (95, 160)])
    nozzle = poly([(0, 160), (70, 160), (90, 100), (0, 100)])
    flame = blob([(0, 110), (70, 100), (60, 40), (25, 25), (0, 0)])
    half = union(body, fin, nozzle, flame)
    return symmetric(soften(half, 12))


def anchor():
    ring = circle(0, 525, 60)
    stock = blunt(rect(-150, 430, 150, 480), 18)
    shank = rect(-27, 80, 27, 500)
    arms = poly(arc_points(0, 260, 250, 200, 340) + arc_points(0, 260, 196, 340, 200))
    right_fluke = poly([(175, 60), (285, 150), (230, 205), (215, 120)])
    left_fluke = mirror(right_fluke)
    crown = circle(0, 40, 40)
    return soften(union(ring, stock, shank, arms, right_fluke, left_fluke, crown), 16)


def cat():
    body = blob([(-160, 0), (-170, 120), (-130, 260), (-60, 330), (40, 330), (110, 250),
                 (160, 120), (150, 0)])
    head = circle(-10, 400, 115)
    ear_l = poly([(-120, 430), (-115, 580), (-30, 490)])
    ear_r = poly([(100, 430), (95, 580), (10, 490)])
    tail = stroke([(110, 28), (230, 28), (300, 65), (330, 135), (325, 190)], 52)
    return soften(union(body, head, ear_l, ear_r, tail), 18)


def rabbit():
    body = ellipse(-40, 130, 190, 135)
    head = ellipse(150, 280, 95, 80, -10)
    ear1 = ellipse(95, 450, 42, 130, 20)
    ear2 = ellipse(190, 450, 40, 125, -8)
    tail = circle(-230, 160, 48)
    paw = ellipse(120, 20, 80, 28)
    haunch = ellipse(-80, 30, 120, 40)
    return soften(union(body, head, ear1, ear2, tail, paw, haunch), 18)


def horse_head():
    head = blob([(50, 0), (20, 80), (30, 150), (60, 165), (120, 122), (200, 80), (280, 42),
                 (322, 65), (332, 110), (310, 160), (250, 230), (170, 330), (95, 418),
                 (30, 445), (-30, 425), (-85, 365), (-140, 255), (-172, 125), (-170, 0)],
                per_span=28)
    ear = poly([(-10, 415), (25, 545), (75, 420)])
    mane = poly([(-170, 0), (-215, 40), (-200, 90), (-228, 140), (-200, 190), (-215, 245),
                 (-170, 280), (-172, 335), (-120, 360), (-100, 400), (-60, 395), (-120, 250)])
    return soften(union(head, ear, mane), 10)


def elephant():
    body = blob([(-270, 170), (-240, 290), (-100, 340), (60, 330), (150, 280), (170, 180),
                 (120, 110), (-220, 110)])
    head = circle(180, 300, 110)
    trunk = stroke([(250, 260), (295, 180), (300, 90), (285, 20), (320, -20)], 62)
    ear = blob([(90, 360), (150, 380), (170, 300), (140, 200), (80, 210), (60, 300)])
    legs = [rect(x, -40, x + 90, 160) for x in (-265, -140, 5, 130)]
    return soften(union(body, head, trunk, ear, *legs), 14)


def guitar():
    body = union(circle(0, 130, 165), circle(0, 340, 125), rect(-100, 130, 100, 340))
    body = soften(body, 70)
    neck = rect(-32, 400, 32, 720)
    head = blunt(poly([(-46, 700), (46, 700), (54, 830), (-54, 830)]), 12)
    return affinity.rotate(soften(union(body, neck, head), 14), -40, origin=(0, 0))


def airplane():
    fuselage = union(ellipse(0, 300, 48, 300), rect(-48, 150, 48, 450)).intersection(
        rect(-60, 20, 60, 700))
    wings = poly([(-30, 380), (-300, 240), (-300, 200), (-30, 260), (30, 260), (300, 200),
                  (300, 240), (30, 380)])
    tail = poly([(-20, 90), (-130, 20), (-130, -5), (-20, 20), (20, 20), (130, -5), (130, 20),
                 (20, 90)])
    return soften(union(fuselage, wings, tail), 10)


# (file name, English name, de, es, fr, ru, seeds, drawing); the box order, easy first.
FIGURES = [
    ("arrow", "Arrow", "Pfeil", "Flecha", "Flèche", "Стрелка", 4, arrow),
    ("crescent-moon", "Crescent Moon", "Mondsichel", "Media luna", "Croissant de lune",
     "Полумесяц", 4, crescent_moon),
    ("cross", "Cross", "Kreuz", "Cruz", "Croix", "Крест", 5, cross),
    ("star", "Star", "Stern", "Estrella", "Étoile", "Звезда", 5, star),
    ("house", "House", "Haus", "Casa", "Maison", "Дом", 5, house),
    ("fish", "Fish", "Fisch", "Pez", "Poisson", "Рыба", 5, fish),
    ("lightning-bolt", "Lightning Bolt", "Blitz", "Rayo", "Éclair", "Молния", 6,
     lightning_bolt),
    ("mushroom", "Mushroom", "Pilz", "Seta", "Champignon", "Гриб", 6, mushroom),
    ("mug", "Mug", "Becher", "Taza", "Tasse", "Кружка", 6, mug),
    ("bell", "Bell", "Glocke", "Campana", "Cloche", "Колокол", 7, bell),
    ("fir-tree", "Fir Tree", "Tanne", "Abeto", "Sapin", "Ёлка", 7, fir_tree),
    ("light-bulb", "Light Bulb", "Glühbirne", "Bombilla", "Ampoule", "Лампочка", 8,
     light_bulb),
    ("spade", "Spade", "Pik", "Picas", "Pique", "Пики", 8, spade),
    ("duck", "Duck", "Ente", "Pato", "Canard", "Утка", 8, duck),
    ("sailboat", "Sailboat", "Segelboot", "Velero", "Voilier", "Парусник", 9, sailboat),
    ("umbrella", "Umbrella", "Regenschirm", "Paraguas", "Parapluie", "Зонт", 9, umbrella),
    ("key", "Key", "Schlüssel", "Llave", "Clé", "Ключ", 9, key),
    ("turtle", "Turtle", "Schildkröte", "Tortuga", "Tortue", "Черепаха", 10, turtle),
    ("whale", "Whale", "Wal", "Ballena", "Baleine", "Кит", 10, whale),
    ("teapot", "Teapot", "Teekanne", "Tetera", "Théière", "Чайник", 11, teapot),
    ("snail", "Snail", "Schnecke", "Caracol", "Escargot", "Улитка", 11, snail),
    ("bird", "Bird", "Vogel", "Pájaro", "Oiseau", "Птица", 12, bird),
    ("rocket", "Rocket", "Rakete", "Cohete", "Fusée", "Ракета", 12, rocket),
    ("cat", "Cat", "Katze", "Gato", "Chat", "Кошка", 13, cat),
    ("anchor", "Anchor", "Anker", "Ancla", "Ancre", "Якорь", 14, anchor),
    ("guitar", "Guitar", "Gitarre", "Guitarra", "Guitare", "Гитара", 14, guitar),
    ("rabbit", "Rabbit", "Kaninchen", "Conejo", "Lapin", "Кролик", 15, rabbit),
    ("airplane", "Airplane", "Flugzeug", "Avión", "Avion", "Самолёт", 15, airplane),
    ("horse-head", "Horse Head", "Pferdekopf", "Cabeza de caballo", "Tête de cheval",
     "Голова лошади", 16, horse_head),
    ("elephant", "Elephant", "Elefant", "Elefante", "Éléphant", "Слон", 18, elephant),
]


# ---- outline -------------------------------------------------------------------------

def fit_to_box(shape):
    x0, y0, x1, y1 = shape.bounds
    k = BOX / max(x1 - x0, y1 - y0)
    shape = affinity.translate(shape, -(x0 + x1) / 2, -(y0 + y1) / 2)
    return affinity.scale(shape, k, k, origin=(0, 0))


def turn_degrees(a, b, c):
    h1 = math.atan2(b[1] - a[1], b[0] - a[0])
    h2 = math.atan2(c[1] - b[1], c[0] - b[0])
    d = math.degrees(h2 - h1)
    return (d + 180) % 360 - 180


def resample(shape):
    """The boundary, counter-clockwise, as corners kept and even sides between them."""
    if shape.geom_type != "Polygon":
        raise ValueError(f"the figure is {len(shape.geoms)} parts, not one")
    if shape.interiors:
        where = [tuple(round(v) for v in Polygon(h).centroid.coords[0]) for h in shape.interiors]
        raise ValueError(f"the figure has holes at {where}")
    ring = shape.exterior
    pts = list(ring.coords)[:-1]
    if not ring.is_ccw:
        pts.reverse()
    # Drop points that lie on top of each other.
    clean = []
    for p in pts:
        if not clean or math.dist(p, clean[-1]) > 1e-6:
            clean.append(p)
    if math.dist(clean[0], clean[-1]) <= 1e-6:
        clean.pop()
    pts = clean
    n = len(pts)
    corners = [i for i in range(n)
               if abs(turn_degrees(pts[i - 1], pts[i], pts[(i + 1) % n])) > CORNER_DEGREES]
    if not corners:
        corners = [max(range(n), key=lambda i: (pts[i][1], -pts[i][0]))]
    perimeter = ring.length
    step = max(MIN_STEP, perimeter / MAX_SIDES)
    # Corners closer than half a step along the boundary would make a short side: keep
    # the sharper one.
    along = [0.0]
    for i in range(n):
        along.append(along[-1] + math.dist(pts[i], pts[(i + 1) % n]))
    sharpness = lambda i: abs(turn_degrees(pts[i - 1], pts[i], pts[(i + 1) % n]))
    merged = True
    while merged and len(corners) > 1:
        merged = False
        for c in range(len(corners)):
            a, b = corners[c - 1], corners[c]
            gap = (along[b] - along[a]) % perimeter
            if gap < step / 2:
                corners.remove(a if sharpness(a) < sharpness(b) else b)
                merged = True
                break
    out = []
    for c, start in enumerate(corners):
        end = corners[(c + 1) % len(corners)]
        run = [pts[start]]
        i = start
        while True:
            i = (i + 1) % n
            run.append(pts[i])
            if i == end:
                break
        lengths = [0.0]
        for a, b in zip(run, run[1:]):
            lengths.append(lengths[-1] + math.dist(a, b))
        total = lengths[-1]
        sides = max(1, round(total / step))
        out.append(run[0])
        j = 0
        for s in range(1, sides):
            want = total * s / sides
            while lengths[j + 1] < want:
                j += 1
            w = (want - lengths[j]) / (lengths[j + 1] - lengths[j])
            a, b = run[j], run[j + 1]
            out.append((a[0] + (b[0] - a[0]) * w, a[1] + (b[1] - a[1]) * w))
    return [(round(x, 2), round(y, 2)) for x, y in out]


# ---- seeds ---------------------------------------------------------------------------

def place_seeds(outline, count):
    shape = Polygon(outline)
    x0, y0, x1, y1 = shape.bounds
    grid = []
    inside = prep(shape)
    y = y0 + GRID / 2
    while y < y1:
        x = x0 + GRID / 2
        while x < x1:
            if inside.contains(Point(x, y)):
                grid.append((x, y))
            x += GRID
        y += GRID
    # Farthest-point start from the point nearest the middle of the figure.
    mid = shape.representative_point()
    centres = [min(grid, key=lambda p: math.dist(p, (mid.x, mid.y)))]
    nearest = [math.dist(p, centres[0]) for p in grid]
    while len(centres) < count:
        far = max(range(len(grid)), key=lambda i: nearest[i])
        centres.append(grid[far])
        nearest = [min(d, math.dist(p, grid[far])) for d, p in zip(nearest, grid)]
    clusters = []
    for _ in range(60):
        clusters = [[] for _ in centres]
        for p in grid:
            best = min(range(len(centres)), key=lambda k: (p[0] - centres[k][0]) ** 2 +
                       (p[1] - centres[k][1]) ** 2)
            clusters[best].append(p)
        moved = []
        for c, members in zip(centres, clusters):
            if members:
                moved.append((sum(p[0] for p in members) / len(members),
                              sum(p[1] for p in members) / len(members)))
            else:
                moved.append(c)
        if max(math.dist(a, b) for a, b in zip(moved, centres)) < 0.05:
            centres = moved
            break
        centres = moved
    boundary = shape.exterior
    seeds = []
    for c, members in zip(centres, clusters):
        if not (shape.contains(Point(c)) and boundary.distance(Point(c)) >= SEED_MARGIN):
            ok = [p for p in members if boundary.distance(Point(p)) >= SEED_MARGIN] or members
            c = min(ok, key=lambda p: math.dist(p, c))
        seeds.append((round(c[0], 2), round(c[1], 2)))
    return seeds


# ---- checks --------------------------------------------------------------------------

def check(outline, seeds):
    problems, notes = [], []
    n = len(outline)
    if not 3 <= n <= 200:
        problems.append(f"{n} vertices")
    area = sum(outline[i][0] * outline[(i + 1) % n][1] - outline[(i + 1) % n][0] * outline[i][1]
               for i in range(n)) / 2
    if area <= 0:
        problems.append("not counter-clockwise")
    sides = [math.dist(outline[i], outline[(i + 1) % n]) for i in range(n)]
    if min(sides) < MIN_SIDE:
        problems.append(f"shortest side {min(sides):.1f}")
    lines = [LineString([outline[i], outline[(i + 1) % n]]) for i in range(n)]
    for i in range(n):
        for j in range(i + 2, n):
            if i == 0 and j == n - 1:
                continue
            if lines[i].distance(lines[j]) < 1e-6:
                problems.append(f"sides {i} and {j} meet")
        if abs(turn_degrees(outline[i - 1], outline[i], outline[(i + 1) % n])) > 170:
            problems.append(f"spike at vertex {i}")
    shape = Polygon(outline)
    if not shape.is_valid:
        problems.append("outline not simple")
    if not 2 <= len(seeds) <= 20:
        problems.append(f"{len(seeds)} seeds")
    for s in seeds:
        if not shape.contains(Point(s)):
            problems.append(f"seed {s} outside")
    gap = min(math.dist(a, b) for i, a in enumerate(seeds) for b in seeds[i + 1:])
    if gap < MIN_SEED_GAP:
        problems.append(f"seeds {gap:.1f} apart")
    # Thin parts: a vertex near a side that is far away along the boundary, with the
    # polygon (not a gap outside it) between them.
    along = [0.0]
    for s in sides:
        along.append(along[-1] + s)
    perimeter = along[-1]
    thinnest = (1e9, None)
    for i in range(n):
        for j in range(n):
            d_along = abs(along[i] - along[j])
            d_along = min(d_along, perimeter - d_along)
            if d_along < 3 * THIN or j == i or (j + 1) % n == i:
                continue
            v = Point(outline[i])
            d = lines[j].distance(v)
            if d >= thinnest[0]:
                continue
            foot = lines[j].interpolate(lines[j].project(v))
            if shape.contains(Point((v.x + foot.x) / 2, (v.y + foot.y) / 2)):
                thinnest = (d, outline[i])
    if thinnest[0] < THIN:
        notes.append(f"thin: {thinnest[0]:.1f} at {thinnest[1]}")
    notes.append(f"v={n} sides {min(sides):.1f}..{max(sides):.1f} mean {sum(sides) / n:.1f} "
                 f"seed gap {gap:.1f} thinnest {thinnest[0]:.1f}")
    return problems, notes


# ---- output --------------------------------------------------------------------------

def number(v):
    v = round(v, 2)
    if v == int(v):
        return str(int(v))
    return f"{v:.2f}".rstrip("0")


def points_text(points, per_line=6):
    items = [f"[{number(x)}, {number(y)}]" for x, y in points]
    lines = [", ".join(items[i:i + per_line]) for i in range(0, len(items), per_line)]
    return "[\n    " + ",\n    ".join(lines) + "\n  ]"


def write_figure(path, title, names, outline, seeds):
    text = ("{\n"
            '  "format": "wendrel-figure",\n'
            '  "formatVersion": 1,\n'
            f'  "name": {json.dumps(title)},\n'
            f'  "names": {json.dumps(names, ensure_ascii=False)},\n'
            f'  "outline": {points_text(outline)},\n'
            f'  "seeds": {points_text(seeds, 4)}\n'
            "}\n")
    json.loads(text)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def render(png, outline, seeds, label):
    size = 360
    k = (size - 40) / BOX
    to = lambda p: f"{size / 2 + p[0] * k:.1f},{size / 2 - p[1] * k:.1f}"
    draw = ["-fill", "#7cba5c", "-stroke", "#2e5e1e", "-draw",
            "polygon " + " ".join(to(p) for p in outline), "-stroke", "none", "-fill",
            "#c0392b"]
    for s in seeds:
        x, y = to(s).split(",")
        draw += ["-draw", f"circle {x},{y} {float(x) + 4},{y}"]
    subprocess.run(["convert", "-size", f"{size}x{size}", "xc:white", *draw, "-fill", "black",
                    "-pointsize", "16", "-annotate", "+8+20", label, png], check=True)


def main(argv):
    png_dir = None
    if "--png" in argv:
        at = argv.index("--png")
        png_dir = argv[at + 1]
        del argv[at:at + 2]
        os.makedirs(png_dir, exist_ok=True)
    wanted = set(argv)
    os.makedirs(OUT_DIR, exist_ok=True)
    failed = False
    pngs = []
    for file_name, title, de, es, fr, ru, seed_count, draw in FIGURES:
        if wanted and file_name not in wanted:
            continue
        try:
            outline = resample(fit_to_box(draw()))
        except ValueError as error:
            print(f"{file_name:16} {error}")
            failed = True
            continue
        seeds = place_seeds(outline, seed_count)
        problems, notes = check(outline, seeds)
        print(f"{file_name:16} {'; '.join(problems) or 'ok'} | {'; '.join(notes)}")
        failed = failed or bool(problems)
        write_figure(os.path.join(OUT_DIR, file_name + ".wendrel-figure"), title,
                     {"de": de, "es": es, "fr": fr, "ru": ru}, outline, seeds)
        if png_dir:
            png = os.path.join(png_dir, file_name + ".png")
            render(png, outline, seeds, f"{file_name} ({seed_count})")
            pngs.append(png)
    if not wanted:
        with open(os.path.join(OUT_DIR, "box.txt"), "w", encoding="utf-8") as f:
            f.write("".join(entry[0] + "\n" for entry in FIGURES))
    if png_dir and pngs:
        subprocess.run(["montage", *pngs, "-tile", "6x", "-geometry", "+2+2",
                        os.path.join(png_dir, "sheet.png")], check=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
