#!/usr/bin/env python3
"""Figure composer for the catalogue sources data/*.pvc.

Placing seven tans by reference point and turn step is slow and error-prone, so figures are
designed here as silhouettes drawn in text, one character per unit cell of a lattice whose unit
is the small triangle's leg (10 board units):

    '#'  full cell          '.' or ' '  empty cell
    'L'  lower-left half    'J'  lower-right half
    'r'  upper-left half    '7'  upper-right half

A figure covers exactly 8 cells. The composer finds a way to cut the drawing into the seven tans
(an exact-cover search over quarter cells), looks each tan up in the game's vertex table, centres
the figure on (60, 40) and writes the source line. A drawing can also be turned by 45 degrees
(frame=7), where the lattice becomes the one of the tans' 14-unit sides.

It is a design aid only: whether a figure can really be laid, and whether it is unique, is for
`pivo-catalogue check` to say. See README.md.
"""

import argparse
import glob
import math
import os
import struct
import sys
import zlib

# Vertex offsets per shape kind and orientation, copied from the game's tan table (src/model/Tans.cpp).
VERTICES = {
    1: {  # small triangle
        0: [(-7, 3), (3, 3), (3, -7)],
        1: [(-7, 1), (2, 4), (5, -5)],
        2: [(-7, -2), (0, 5), (7, -2)],
        3: [(-5, -5), (-2, 4), (7, 1)],
        4: [(-3, -7), (-3, 3), (7, 3)],
        5: [(-1, -7), (-4, 2), (5, 5)],
        6: [(2, -7), (-5, 0), (2, 7)],
        7: [(5, -5), (-4, -2), (-1, 7)],
        8: [(7, -3), (-3, -3), (-3, 7)],
        9: [(7, -1), (-2, -4), (-5, 5)],
        10: [(7, 2), (0, -5), (-7, 2)],
        11: [(5, 5), (2, -4), (-7, -1)],
        12: [(3, 7), (3, -3), (-7, -3)],
        13: [(1, 7), (4, -2), (-5, -5)],
        14: [(-2, 7), (5, 0), (-2, -7)],
        15: [(-5, 5), (4, 2), (1, -7)],
    },
    2: {  # medium triangle
        0: [(-9, 5), (5, 5), (5, -9)],
        1: [(-10, 0), (2, 6), (8, -6)],
        2: [(-10, -3), (0, 7), (10, -3)],
        3: [(-8, -6), (-2, 6), (10, 0)],
        4: [(-5, -9), (-5, 5), (9, 5)],
        5: [(0, -10), (-6, 2), (6, 8)],
        6: [(3, -10), (-7, 0), (3, 10)],
        7: [(6, -8), (-6, -2), (0, 10)],
        8: [(9, -5), (-5, -5), (-5, 9)],
        9: [(10, 0), (-2, -6), (-8, 6)],
        10: [(10, 3), (0, -7), (-10, 3)],
        11: [(8, 6), (2, -6), (-10, 0)],
        12: [(5, 9), (5, -5), (-9, -5)],
        13: [(0, 10), (6, -2), (-6, -8)],
        14: [(-3, 10), (7, 0), (-3, -10)],
        15: [(-6, 8), (6, 2), (0, -10)],
    },
    3: {  # large triangle
        0: [(-14, 6), (6, 6), (6, -14)],
        1: [(-14, 2), (4, 8), (10, -10)],
        2: [(-14, -5), (0, 9), (14, -5)],
        3: [(-10, -10), (-4, 8), (14, 2)],
        4: [(-6, -14), (-6, 6), (14, 6)],
        5: [(-2, -14), (-8, 4), (10, 10)],
        6: [(5, -14), (-9, 0), (5, 14)],
        7: [(10, -10), (-8, -4), (-2, 14)],
        8: [(14, -6), (-6, -6), (-6, 14)],
        9: [(14, -2), (-4, -8), (-10, 10)],
        10: [(14, 5), (0, -9), (-14, 5)],
        11: [(10, 10), (4, -8), (-14, -2)],
        12: [(6, 14), (6, -6), (-14, -6)],
        13: [(2, 14), (8, -4), (-10, -10)],
        14: [(-5, 14), (9, 0), (-5, -14)],
        15: [(-10, 10), (8, 4), (2, -14)],
    },
    4: {  # square
        0: [(-5, -5), (-5, 5), (5, 5), (5, -5)],
        1: [(-3, -6), (-6, 3), (3, 6), (6, -3)],
        2: [(0, -7), (-7, 0), (0, 7), (7, 0)],
        3: [(3, -6), (-6, -3), (-3, 6), (6, 3)],
    },
    5: {  # parallelogram
        0: [(-10, 5), (0, 5), (10, -5), (0, -5)],
        1: [(-11, 2), (-2, 5), (10, -1), (1, -4)],
        2: [(-11, -3), (-4, 4), (10, 4), (3, -3)],
        3: [(-8, -7), (-5, 2), (7, 8), (4, -1)],
        4: [(-5, -10), (-5, 0), (5, 10), (5, 0)],
        5: [(-2, -11), (-5, -2), (1, 10), (4, 1)],
        6: [(3, -11), (-4, -4), (-4, 10), (3, 3)],
        7: [(7, -8), (-2, -5), (-8, 7), (1, 4)],
        16: [(10, 5), (0, -5), (-10, -5), (0, 5)],
        17: [(8, 7), (2, -5), (-7, -8), (-1, 4)],
        18: [(4, 10), (4, -4), (-3, -11), (-3, 3)],
        19: [(-1, 10), (5, -2), (2, -11), (-4, 1)],
        20: [(-5, 10), (5, 0), (5, -10), (-5, 0)],
        21: [(-7, 8), (5, 2), (8, -7), (-4, -1)],
        22: [(-10, 4), (4, 4), (11, -3), (-3, -3)],
        23: [(-10, -1), (2, 5), (11, 2), (-1, -4)],
    },
}


HERE = os.path.dirname(os.path.abspath(__file__))
DATA_DIR = os.path.join(HERE, '..', '..', 'data')
DESIGNS_DIR = os.path.join(HERE, 'designs')

SHAPE_OF_TAN = {1: 1, 2: 1, 3: 2, 4: 3, 5: 3, 6: 4, 7: 5}
SHAPE_NAMES = {1: "small triangle", 2: "medium triangle", 3: "large triangle", 4: "square",
               5: "parallelogram"}
CATEGORY_TITLES = ["Humans", "Animals", "Tools and household stuff", "Buildings and ships",
                   "Figures and shapes", "Twin Tangrams", "Convex Tangrams", "Letters and numbers"]


def vertices(shape, orientation):
    """Vertex offsets of a shape kind at an orientation 0..31, with the table's repetition rules."""
    if shape == 4:
        return VERTICES[4][orientation % 4]
    if shape == 5:
        return VERTICES[5][(orientation // 16) * 16 + orientation % 8]
    return VERTICES[shape][orientation % 16]


# ---- from polygons to tans ------------------------------------------------------------------

def identify(polygon):
    """(shape kind, orientation, reference point) of the table row that draws exactly this polygon."""
    wanted = set(polygon)
    shapes = (1, 2, 3) if len(polygon) == 3 else (4, 5)
    for shape in shapes:
        orientations = range(4) if shape == 4 else range(32) if shape == 5 else range(16)
        for o in orientations:
            row = vertices(shape, o)
            for vx, vy in row:
                ref = (polygon[0][0] - vx, polygon[0][1] - vy)
                if {(ref[0] + x, ref[1] + y) for x, y in row} == wanted:
                    return shape, o, ref
    raise ValueError(f"no tan draws the polygon {list(polygon)}")


def centred(tans):
    """The figure moved so that the middle of its vertices' bounding box is (60, 40)."""
    xs, ys = [], []
    for tan, (x, y, o) in enumerate(tans, start=1):
        for vx, vy in vertices(SHAPE_OF_TAN[tan], o):
            xs.append(x + vx)
            ys.append(y + vy)
    dx = 60 - (min(xs) + max(xs)) // 2
    dy = 40 - (min(ys) + max(ys)) // 2
    return [(x + dx, y + dy, o) for x, y, o in tans]


def placement(polygons):
    """Seven polygons as tans 1..7 (assigned by shape), centred: a list of (x, y, orientation)."""
    if len(polygons) != 7:
        raise ValueError(f"a figure needs 7 tans, got {len(polygons)}")
    slots = {1: [1, 2], 2: [3], 3: [4, 5], 4: [6], 5: [7]}
    result = [None] * 7
    for polygon in polygons:
        shape, o, ref = identify(polygon)
        if not slots[shape]:
            raise ValueError(f"one {SHAPE_NAMES[shape]} too many")
        result[slots[shape].pop(0) - 1] = (ref[0], ref[1], o)
    return centred(result)


def tan_polygons(tans):
    return [[(x + vx, y + vy) for vx, vy in vertices(SHAPE_OF_TAN[t], o)]
            for t, (x, y, o) in enumerate(tans, start=1)]


def square_on_corner(bottom):
    """A square standing on a corner whose bottom corner is at the given board point (a head)."""
    x, y = bottom
    return [(x, y - 14), (x - 7, y - 7), (x, y), (x + 7, y - 7)]


# ---- cutting a drawing into tans ------------------------------------------------------------

# Each unit cell is split by both diagonals into quarters: 0 top, 1 right, 2 bottom, 3 left.
QUARTERS = {'#': (0, 1, 2, 3), 'L': (2, 3), 'J': (1, 2), 'r': (0, 3), '7': (0, 1)}
QUARTERS_OF_PIECE = {'s': 2, 'm': 4, 'l': 8, 'q': 4, 'p': 4}
# The tans on the unit lattice: small and large triangle, square and parallelogram with sides
# along the axes, the medium triangle with its long side along an axis.
PIECES = {'s': [(0, 0), (1, 0), (0, 1)], 'm': [(0, 0), (2, 0), (1, 1)], 'l': [(0, 0), (2, 0), (0, 2)],
          'q': [(0, 0), (1, 0), (1, 1), (0, 1)], 'p': [(0, 0), (1, 0), (2, 1), (1, 1)]}


def quarter_centre(i, j, q):
    return {0: (i + .5, j + 1 / 6), 1: (i + 5 / 6, j + .5), 2: (i + .5, j + 5 / 6), 3: (i + 1 / 6, j + .5)}[q]


def inside(polygon, point):
    x, y = point
    result = False
    for k in range(len(polygon)):
        (x1, y1), (x2, y2) = polygon[k], polygon[(k + 1) % len(polygon)]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def cover(polygon):
    """The quarters a lattice polygon covers."""
    xs = [p[0] for p in polygon]
    ys = [p[1] for p in polygon]
    return frozenset((i, j, q) for i in range(min(xs), max(xs)) for j in range(min(ys), max(ys))
                     for q in range(4) if inside(polygon, quarter_centre(i, j, q)))


def variants(polygon):
    """The polygon turned and mirrored in the 8 ways of the square, moved to the origin."""
    out = set()
    for sx in (1, -1):
        for swap in (False, True):
            for sy in (1, -1):
                q = [((y if swap else x) * sx, (x if swap else y) * sy) for x, y in polygon]
                mx, my = min(p[0] for p in q), min(p[1] for p in q)
                out.add(tuple((x - mx, y - my) for x, y in q))
    return sorted(out)


def region(art):
    cells = set()
    for j, row in enumerate(art):
        for i, ch in enumerate(row):
            if ch not in QUARTERS and ch not in ". ":
                raise ValueError(f"unknown cell character {ch!r}")
            for q in QUARTERS.get(ch, ()):
                cells.add((i, j, q))
    return frozenset(cells)


def cuttings(target, pieces):
    """Every way to cover the quarter set exactly with the given pieces, each as a list of lattice
    polygons. Pieces of one kind are interchangeable and a piece turned onto itself (the square by
    a quarter turn) lies on the same quarters, so each way comes once."""
    need = sum(QUARTERS_OF_PIECE[k] for k in pieces)
    if len(target) != need:
        raise ValueError(f"the drawing covers {len(target) / 4:g} cells, the tans need {need / 4:g}")
    x0, x1 = min(c[0] for c in target), max(c[0] for c in target)
    y0, y1 = min(c[1] for c in target), max(c[1] for c in target)
    candidates = {}
    for kind in set(pieces):
        found = {}
        for v in variants(PIECES[kind]):
            for dx in range(x0 - 2, x1 + 2):
                for dy in range(y0 - 2, y1 + 2):
                    polygon = [(x + dx, y + dy) for x, y in v]
                    c = cover(polygon)
                    if c and c <= target:
                        found.setdefault(c, polygon)
        candidates[kind] = [(polygon, c) for c, polygon in found.items()]
    order = sorted(target)
    chosen = []

    # Each quarter lies in exactly one piece, so filling the first open quarter reaches every way
    # exactly once.
    def search(covered, remaining):
        if not remaining:
            yield list(chosen)
            return
        first = next(c for c in order if c not in covered)
        for kind in sorted(set(remaining)):
            for polygon, c in candidates[kind]:
                if first in c and not (c & covered):
                    rest = list(remaining)
                    rest.remove(kind)
                    chosen.append(polygon)
                    yield from search(covered | c, rest)
                    chosen.pop()

    yield from search(frozenset(), list(pieces))


def tile(target, pieces):
    """Lattice polygons of the given pieces that cover the quarter set exactly, or None."""
    return next(cuttings(target, pieces), None)


def to_board(point, frame):
    """A lattice point on the board: unit 10 along the axes, or turned by 45 degrees (frame 7)."""
    x, y = point
    return (10 * x, 10 * y) if frame == 10 else (7 * x - 7 * y, 7 * x + 7 * y)


# Diamond drawings: the lattice of frame 7 written as seen on the board. Text row r and column c
# stand for the diamond (a cell of frame 7) whose centre is 7 units right per column and 7 units
# down per row; diamonds stand only where r + c has one parity (that of the first one drawn), the
# places between them are spacers ('.' or ' ').
DIAMOND_CELLS = {'#': '#', '<': 'L', '>': '7', '^': 'r', 'v': 'J'}


def diamond_art(art):
    """A diamond drawing turned into the frame-7 lattice drawing that covers the same area."""
    cells, parity = {}, None
    for r, row in enumerate(art):
        for c, ch in enumerate(row):
            if ch in ". ":
                continue
            if ch not in DIAMOND_CELLS:
                raise ValueError(f"unknown diamond character {ch!r}")
            if parity is None:
                parity = (r + c) % 2
            if (r + c) % 2 != parity:
                raise ValueError(f"row {r + 1}, column {c + 1}: a diamond between the diamonds' places")
            cells[((r + c - parity) // 2, (r - c - parity) // 2)] = DIAMOND_CELLS[ch]
    j0 = min(j for _, j in cells)
    width = max(i for i, _ in cells) + 1
    return ["".join(cells.get((i, j), '.') for i in range(width))
            for j in range(j0, max(j for _, j in cells) + 1)]


def compose(art, frame=10, head=None, head_below=None, diamond=False):
    """The placement of a drawing; a head is a square on a corner resting on a lattice point."""
    if diamond:
        art, frame = diamond_art(art), 7
    extra = []
    if head:
        extra.append(square_on_corner((10 * head[0], 10 * head[1])))
    if head_below:
        extra.append(square_on_corner((10 * head_below[0], 10 * head_below[1] + 14)))
    pieces = 'ssmllp' if extra else 'ssmllqp'
    tiling = tile(region(art), pieces)
    if tiling is None:
        raise ValueError("the tans cannot cover this drawing")
    return placement([[to_board(p, frame) for p in polygon] for polygon in tiling] + extra)


# ---- design files ---------------------------------------------------------------------------

def parse_design(text):
    """A design file: `category N`, then `figure NAME [; option=value ...]` each followed by its
    drawing, ended by a blank line; outside drawings, lines starting with '#' are comments.
    Options: frame=7, head=X,Y, head_below=X,Y, diamond (a drawing of frame 7 as seen on the
    board), raw (the lines are seven `x,y,o` tan triples, not a drawing)."""
    category, figures, current = None, [], None
    for number, line in enumerate(text.splitlines(), start=1):
        stripped = line.strip()
        # Inside a drawing every line up to the next blank one is a row, even one that starts
        # with '#' (a full cell).
        if current is not None and stripped and not stripped.startswith('figure '):
            current[2].append(line.rstrip())
            continue
        current = None
        if not stripped or stripped.startswith('#'):
            continue
        if stripped.startswith('category '):
            category = int(stripped.split()[1])
        elif stripped.startswith('figure '):
            name, _, opts = stripped[len('figure '):].partition(';')
            options = {}
            for opt in opts.split():
                key, _, value = opt.partition('=')
                if key in ('raw', 'diamond'):
                    options[key] = True
                else:
                    options[key] = int(value) if key == 'frame' else tuple(int(v) for v in value.split(','))
            current = (name.strip(), options, [], number)
            figures.append(current)
        else:
            raise ValueError(f"line {number}: expected `category`, `figure` or a comment")
    return category, figures


def raw_tans(lines):
    """The seven `x,y,o` triples of a raw figure, in tan order, exactly as written."""
    words = " ".join(lines).split()
    if len(words) != 7:
        raise ValueError(f"a raw figure needs 7 tan triples, got {len(words)}")
    tans = []
    for word in words:
        parts = word.split(',')
        if len(parts) != 3 or not all(p.isdigit() for p in parts):
            raise ValueError(f"{word!r} is not an x,y,o triple")
        tans.append(tuple(int(p) for p in parts))
    return tans


def build(design_path, out_path):
    with open(design_path, encoding='utf-8') as f:
        category, figures = parse_design(f.read())
    lines = [f"category {category}   # {CATEGORY_TITLES[category]}", ""]
    failed = 0
    for name, options, art, number in figures:
        try:
            tans = raw_tans(art) if options.pop('raw', False) else compose(art, **options)
            lines.append(" ".join(f"{x},{y},{o}" for x, y, o in tans) + f"   # {name}")
        except ValueError as e:
            print(f"{design_path}:{number}: {name}: {e}", file=sys.stderr)
            failed += 1
    with open(out_path, 'w', encoding='utf-8') as f:
        f.write("\n".join(lines) + "\n")
    print(f"{out_path}: {len(figures) - failed} figures" + (f", {failed} left out" if failed else ""))
    return failed == 0


# ---- the convex figures ---------------------------------------------------------------------

def convex_regions():
    """Every convex lattice polygon of area 8 whose sides run along the axes and diagonals, one of
    each shape up to turning and mirroring."""
    directions = [(1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1)]
    found = {}
    for e, se, s, sw, w, nw in ((a, b, c, d, e_, f) for a in range(9) for b in range(9) for c in range(9)
                               for d in range(9) for e_ in range(9) for f in range(9)):
        ne = sw + w + nw - e - se
        n = se + s + sw - nw - ne
        if ne < 0 or n < 0:
            continue
        points = [(0, 0)]
        for length, (dx, dy) in zip((e, se, s, sw, w, nw, n, ne), directions):
            if length:
                points.append((points[-1][0] + length * dx, points[-1][1] + length * dy))
        points = points[:-1]
        doubled = abs(sum(points[k][0] * points[(k + 1) % len(points)][1]
                          - points[(k + 1) % len(points)][0] * points[k][1] for k in range(len(points))))
        if len(points) >= 3 and doubled == 16:
            found.setdefault(min(tuple(sorted(v)) for v in variants(points)), points)
    return list(found.values())


def convex_name(outline):
    sides = [(outline[(k + 1) % len(outline)][0] - outline[k][0], outline[(k + 1) % len(outline)][1] - outline[k][1])
             for k in range(len(outline))]
    if len(outline) == 3:
        return "Convex triangle"
    if len(outline) == 4:
        parallel = [sides[k][0] * sides[k + 2][1] - sides[k][1] * sides[k + 2][0] == 0 for k in (0, 1)]
        right = sum(sides[k][0] * sides[(k + 1) % 4][0] + sides[k][1] * sides[(k + 1) % 4][1] == 0 for k in range(4))
        if all(parallel) and right == 4:
            lengths = [math.hypot(*v) for v in sides]
            return "Convex square" if abs(lengths[0] - lengths[1]) < 2 else "Convex rectangle"
        if all(parallel):
            return "Convex parallelogram"
        return "Convex right trapezium" if right >= 2 else "Convex trapezium"
    return "Convex " + {5: "pentagon", 6: "hexagon"}[len(outline)]


def convex(out_path, count=False):
    """Writes the thirteen convex figures, each turned so that most of its outline runs along the
    axes, from fewest corners to most; with `count`, prints how many ways each can be cut."""
    figures = []
    for outline in convex_regions():
        tiling = tile(cover(outline), 'ssmllqp')
        if tiling is None:
            continue
        ways = sum(1 for _ in cuttings(cover(outline), 'ssmllqp')) if count else None
        best = None
        for frame in (10, 7):
            for v in range(8):
                def turn(p, v=v):
                    x, y = (p[1], p[0]) if v & 2 else p
                    return (-x if v & 1 else x, -y if v & 4 else y)
                shown = [to_board(turn(p), frame) for p in outline]
                edges = list(zip(shown, shown[1:] + shown[:1]))
                axis = round(sum(math.dist(a, b) for a, b in edges if a[0] == b[0] or a[1] == b[1]))
                bottom_y = max(p[1] for p in shown)
                bottom = sum(abs(a[0] - b[0]) for a, b in edges if a[1] == b[1] == bottom_y)
                flat = -(bottom_y - min(p[1] for p in shown))
                key = (axis, bottom, flat)
                if best is None or key > best[0]:
                    best = (key, shown, [[to_board(turn(p), frame) for p in poly] for poly in tiling])
        _, shown, polygons = best
        width = max(p[0] for p in shown) - min(p[0] for p in shown)
        height = max(p[1] for p in shown) - min(p[1] for p in shown)
        figures.append((len(outline), width * height, convex_name(shown), placement(polygons), ways))
    figures.sort(key=lambda f: (f[0], f[1]))
    names = [f[2] for f in figures]
    seen = {}
    lines = ["category 6   # Convex Tangrams", ""]
    for _, _, name, tans, ways in figures:
        if names.count(name) > 1:
            seen[name] = seen.get(name, 0) + 1
            name = f"{name} {seen[name]}"
        lines.append(" ".join(f"{x},{y},{o}" for x, y, o in tans) + f"   # {name}")
        if count:
            print(f"{name}: {ways} ways")
    with open(out_path, 'w', encoding='utf-8') as f:
        f.write("\n".join(lines) + "\n")
    print(f"{out_path}: {len(figures)} convex figures")


# ---- ordering by difficulty ---------------------------------------------------------------

def figure_triples(body):
    """The seven (x, y, o) of a source figure line's text before its comment, or None when the
    line is no figure line."""
    words = body.split()
    if len(words) != 7 or not all(w.count(',') == 2 for w in words):
        return None
    try:
        return tuple(tuple(int(v) for v in w.split(',')) for w in words)
    except ValueError:
        return None


def read_ratings(dump_path):
    """{(category, triples): rating} from the output of `pivo-catalogue dump`, whose comments end
    in ", rating N"."""
    ratings, category = {}, None
    with open(dump_path, encoding='utf-8') as f:
        for number, line in enumerate(f, start=1):
            body, _, comment = line.partition('#')
            words = body.split()
            if words[:1] == ['category']:
                category = int(words[1])
                continue
            triples = figure_triples(body)
            if triples is None:
                continue
            _, found, rating = comment.rpartition(', rating ')
            if not found or not rating.strip().isdigit():
                raise ValueError(f"{dump_path}:{number}: figure without a rating ({comment.strip()})")
            ratings[(category, triples)] = int(rating)
    return ratings


def design_units(text):
    """A design file cut into units: ('figure', name, lines) for a figure with its drawing and the
    comment lines right above it, ('fixed', None, lines) for everything else (header, blank lines,
    free comments), so that the figures can change places and the rest stays put."""
    units, in_figure = [], False
    for line in text.splitlines(keepends=True):
        stripped = line.strip()
        if stripped.startswith('figure '):
            attached = []
            while units and units[-1][0] == 'fixed' and units[-1][2][-1].strip().startswith('#'):
                attached.insert(0, units.pop()[2][0])
            name = stripped[len('figure '):].partition(';')[0].strip()
            units.append(('figure', name, attached + [line]))
            in_figure = True
        elif in_figure and stripped:
            units[-1][2].append(line)
        else:
            in_figure = False
            units.append(('fixed', None, [line]))
    return units


# The twin tangrams come in pairs of consecutive figures, which have to stay together.
TWIN_CATEGORY = 5


def easy_to_hard(ratings, group):
    """The positions of the figures from easy to hard: by rating, figures of one rating in their
    present order. Groups of `group` consecutive figures stay together, ranked by their hardest
    figure, each group easiest first."""
    if len(ratings) % group:
        raise ValueError(f"{len(ratings)} figures do not make groups of {group}")
    groups = [sorted(range(k, k + group), key=lambda i: ratings[i]) for k in range(0, len(ratings), group)]
    groups.sort(key=lambda g: max(ratings[i] for i in g))
    return [i for g in groups for i in g]


def order(dump_path, data_dir, designs_dir):
    """Reorders the figures of every data/N-*.pvc, and of its designs/N-*.txt, from easy to hard by
    the ratings of a rated dump. Writes nothing unless every file checks out."""
    ratings = read_ratings(dump_path)
    writes = []
    for source in sorted(glob.glob(os.path.join(data_dir, '[0-9]-*.pvc'))):
        with open(source, encoding='utf-8') as f:
            lines = f.read().splitlines(keepends=True)
        categories = [int(line.split()[1]) for line in lines if line.split()[:1] == ['category']]
        if len(categories) != 1:
            raise ValueError(f"{source}: expected one category line, found {len(categories)}")
        slots, figures = [], []
        for number, line in enumerate(lines, start=1):
            body, _, comment = line.partition('#')
            triples = figure_triples(body)
            if triples is None:
                continue
            if (categories[0], triples) not in ratings:
                raise ValueError(f"{source}:{number}: {comment.strip()} is not in {dump_path}; build pivo.dat from "
                                 "these sources and dump it again")
            slots.append(number - 1)
            figures.append((ratings[(categories[0], triples)], comment.strip(), line))
        permutation = easy_to_hard([r for r, _, _ in figures], 2 if categories[0] == TWIN_CATEGORY else 1)
        new_lines = list(lines)
        for slot, k in zip(slots, permutation):
            new_lines[slot] = figures[k][2]
        writes.append((source, new_lines, sum(a != b for a, b in zip(lines, new_lines))))

        design = os.path.join(designs_dir, os.path.basename(source)[:-len('.pvc')] + '.txt')
        if not os.path.exists(design):
            continue
        with open(design, encoding='utf-8') as f:
            units = design_units(f.read())
        drawn = [u for u in units if u[0] == 'figure']
        names = [name for _, name, _ in figures]
        if [u[1] for u in drawn] != names:
            raise ValueError(f"{design}: its figures are not those of {source} in the same order; build the "
                             "source from the design first")
        reordered = iter(drawn[k] for k in permutation)
        new_units = [next(reordered) if u[0] == 'figure' else u for u in units]
        writes.append((design, [line for u in new_units for line in u[2]], None))
    for path, new_lines, moved in writes:
        with open(path, 'w', encoding='utf-8') as f:
            f.write("".join(new_lines))
        print(path + (f": {moved} figure lines moved" if moved is not None else ": figures reordered alike"))


# ---- contact sheets -------------------------------------------------------------------------

COLOURS = [(220, 60, 60), (230, 140, 40), (60, 160, 60), (50, 90, 200), (120, 70, 180),
           (200, 180, 40), (40, 170, 170)]


def read_sources(paths):
    """(name, placement) of every figure line in the given source files."""
    figures = []
    for path in paths:
        with open(path, encoding='utf-8') as f:
            for line in f:
                body, _, comment = line.partition('#')
                words = body.split()
                if words and words[0] != 'category':
                    figures.append((comment.strip(), [tuple(int(v) for v in w.split(',')) for w in words]))
    return figures


def fill_polygon(img, polygon, colour, scale, ox, oy):
    height, width = len(img), len(img[0])
    pts = [(ox + x * scale, oy + y * scale) for x, y in polygon]
    for py in range(max(0, int(min(p[1] for p in pts))), min(height - 1, int(max(p[1] for p in pts)) + 1) + 1):
        yc = py + 0.5
        xs = sorted(x1 + (yc - y1) * (x2 - x1) / (y2 - y1)
                    for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]) if (y1 <= yc < y2) or (y2 <= yc < y1))
        for a, b in zip(xs[0::2], xs[1::2]):
            for px in range(max(0, int(a + 0.5)), min(width, int(b + 0.5))):
                img[py][px] = colour


def write_png(path, img):
    rows = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in img)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", len(img[0]), len(img), 8, 2, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 6))
                + chunk(b"IEND", b""))


def render(out_path, figures, coloured, columns=4, scale=3):
    """A sheet of board-sized cells, row by row: black silhouettes, or each tan in its colour on a
    10-unit grid."""
    cell_w, cell_h = 121 * scale + 6, 81 * scale + 6
    rows = max(1, (len(figures) + columns - 1) // columns)
    img = [[(255, 255, 255)] * (columns * cell_w) for _ in range(rows * cell_h)]
    for k, (_, tans) in enumerate(figures):
        ox, oy = (k % columns) * cell_w + 3, (k // columns) * cell_h + 3
        for y in range(oy - 1, oy + 81 * scale + 1):
            img[y][ox - 1] = img[y][ox + 121 * scale] = (200, 200, 200)
        for x in range(ox - 1, ox + 121 * scale + 1):
            img[oy - 1][x] = img[oy + 81 * scale][x] = (200, 200, 200)
        if coloured:
            for g in range(0, 121, 10):
                for y in range(oy, oy + 81 * scale):
                    img[y][ox + g * scale] = (235, 235, 235)
            for g in range(0, 81, 10):
                for x in range(ox, ox + 121 * scale):
                    img[oy + g * scale][x] = (235, 235, 235)
        for t, polygon in enumerate(tan_polygons(tans)):
            fill_polygon(img, polygon, COLOURS[t] if coloured else (0, 0, 0), scale, ox, oy)
    write_png(out_path, img)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = parser.add_subparsers(dest='command', required=True)
    p = sub.add_parser('build', help='compile a design file into a catalogue source file')
    p.add_argument('design')
    p.add_argument('-o', '--output', required=True)
    p = sub.add_parser('convex', help='write the convex figures as a catalogue source file')
    p.add_argument('-o', '--output', required=True)
    p.add_argument('--count', action='store_true', help='print how many ways each figure can be cut')
    p = sub.add_parser('order', help='reorder each category from easy to hard by the ratings of a rated dump')
    p.add_argument('dump', help='the output of `pivo-catalogue dump` of a pivo.dat built from the sources')
    p.add_argument('--data', default=DATA_DIR, help='the folder of the catalogue sources (default: data/)')
    p.add_argument('--designs', default=DESIGNS_DIR, help='the folder of the design files (default: designs/)')
    p = sub.add_parser('render', help='draw the figures of catalogue source files as a PNG sheet')
    p.add_argument('sources', nargs='+')
    p.add_argument('-o', '--output', required=True)
    p.add_argument('--colour', action='store_true', help='each tan in its own colour, on a grid')
    args = parser.parse_args(argv)
    if args.command == 'build':
        return 0 if build(args.design, args.output) else 1
    if args.command == 'convex':
        convex(args.output, args.count)
        return 0
    if args.command == 'order':
        try:
            order(args.dump, args.data, args.designs)
        except ValueError as e:
            print(e, file=sys.stderr)
            return 1
        return 0
    figures = read_sources(args.sources)
    render(args.output, figures, args.colour)
    for k, (name, _) in enumerate(figures, start=1):
        print(k, name)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
