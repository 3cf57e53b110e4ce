"""Straight beams meshed as solids of 20-node bricks.

A cross-section is meshed with 8-node quadrilaterals in the (y, z)
plane, z upwards (the load acts downwards), and swept along x from 0 to
L. Curved edges carry their midside nodes on the circle, so the
section's area and second moment of area are those of the true shape to
many digits. Every section is symmetric about y = 0 and about z = 0.
"""

import math

from mesh2d import Mesh, halves, signed_area


class Section:
    """A meshed cross-section: `points` are grids of points at half-element
    spacing, one grid per block (as Mesh.add_grid takes them)."""

    def __init__(self, name, blocks, top):
        self.name, self.top = name, top  # top: the distance of the extreme fibre from y
        self.mesh = Mesh(top * 1e-9)
        for grid in blocks:
            self.mesh.add_grid(grid)

    def half(self):
        """The half y >= 0 of the section, which is symmetric about y = 0
        with element edges along it; a model of the half holds u_y = 0 on
        that plane."""
        half = Section(self.name + ", half y >= 0", [], self.top)
        for element in self.mesh.elements:
            points = [self.mesh.nodes[k] for k in element]
            if sum(p[0] for p in points[:4]) > 0:
                half.mesh.elements.append([half.mesh.node(p) for p in points])
        return half

    def integrate(self, function):
        """The integral of function(y, z) over the section: 3 x 3 Gauss
        points on each isoparametric quadrilateral."""
        gauss = ((-math.sqrt(0.6), 5 / 9), (0.0, 8 / 9), (math.sqrt(0.6), 5 / 9))
        total = 0.0
        for element in self.mesh.elements:
            points = [self.mesh.nodes[k] for k in element]
            for s, ws in gauss:
                for t, wt in gauss:
                    shape, ds, dt = serendipity(s, t)
                    y = sum(n * p[0] for n, p in zip(shape, points))
                    z = sum(n * p[1] for n, p in zip(shape, points))
                    ys = sum(n * p[0] for n, p in zip(ds, points))
                    zs = sum(n * p[1] for n, p in zip(ds, points))
                    yt = sum(n * p[0] for n, p in zip(dt, points))
                    zt = sum(n * p[1] for n, p in zip(dt, points))
                    total += ws * wt * (ys * zt - yt * zs) * function(y, z)
        return total


CORNERS = ((-1, -1), (1, -1), (1, 1), (-1, 1))
MIDSIDES = ((0, -1), (1, 0), (0, 1), (-1, 0))


def serendipity(s, t):
    """Shape functions of the 8-node quadrilateral and their derivatives."""
    shape, ds, dt = [], [], []
    for si, ti in CORNERS:
        shape.append(0.25 * (1 + si * s) * (1 + ti * t) * (si * s + ti * t - 1))
        ds.append(0.25 * si * (1 + ti * t) * (2 * si * s + ti * t))
        dt.append(0.25 * ti * (1 + si * s) * (si * s + 2 * ti * t))
    for si, ti in MIDSIDES:
        if si == 0:
            shape.append(0.5 * (1 - s * s) * (1 + ti * t))
            ds.append(-s * (1 + ti * t))
            dt.append(0.5 * ti * (1 - s * s))
        else:
            shape.append(0.5 * (1 + si * s) * (1 - t * t))
            ds.append(0.5 * si * (1 - t * t))
            dt.append(-t * (1 + si * s))
    return shape, ds, dt


def _grid(ys, zs):
    return [[(y, z) for z in halves(zs)] for y in halves(ys)]


def _spaced(a, b, count):
    return [a + (b - a) * k / count for k in range(count + 1)]


def rectangle(b, h, ny, nz):
    return Section("rectangle %g x %g" % (b, h), [_grid(_spaced(-b / 2, b / 2, ny), _spaced(-h / 2, h / 2, nz))], h / 2)


def hollow_rectangle(b1, h1, b2, h2, wall, inner):
    """`wall` elements through each wall, `inner` across the hole's span."""
    ys = _spaced(-b1 / 2, -b2 / 2, wall)[:-1] + _spaced(-b2 / 2, b2 / 2, inner)[:-1] + _spaced(b2 / 2, b1 / 2, wall)
    zs = _spaced(-h1 / 2, -h2 / 2, wall)[:-1] + _spaced(-h2 / 2, h2 / 2, inner)[:-1] + _spaced(h2 / 2, h1 / 2, wall)
    blocks = []
    # Four walls as four grids: bottom and top full width, sides between.
    low, high = wall, wall + inner
    for z_range in (zs[:low + 1], zs[high:]):
        blocks.append(_grid(ys, z_range))
    for y_range in (ys[:low + 1], ys[high:]):
        blocks.append(_grid(y_range, zs[low:high + 1]))
    return Section("hollow rectangle %g x %g less %g x %g" % (b1, h1, b2, h2), blocks, h1 / 2)


def circle(d, inner, rings):
    """An inner square of half-width 0.45 r with inner x inner elements, and
    four blocks from its sides to the circle with `rings` elements across."""
    r = d / 2
    s = 0.45 * r
    blocks = [_grid(_spaced(-s, s, inner), _spaced(-s, s, inner))]
    for quarter in range(4):
        angle0 = math.pi / 4 + quarter * math.pi / 2
        grid = []
        for u in halves(_spaced(0.0, 1.0, inner)):
            angle = angle0 + u * math.pi / 2
            outer = (r * math.cos(angle), r * math.sin(angle))
            # The matching point on the inner square's side.
            c0 = (s * math.sqrt(2) * math.cos(angle0), s * math.sqrt(2) * math.sin(angle0))
            c1 = (s * math.sqrt(2) * math.cos(angle0 + math.pi / 2), s * math.sqrt(2) * math.sin(angle0 + math.pi / 2))
            square = (c0[0] + u * (c1[0] - c0[0]), c0[1] + u * (c1[1] - c0[1]))
            grid.append([(square[0] + w * (outer[0] - square[0]), square[1] + w * (outer[1] - square[1]))
                         for w in halves(_spaced(0.0, 1.0, rings))])
        blocks.append(grid)
    return Section("circle d = %g" % d, blocks, r)


def hollow_circle(d1, d2, around, through):
    r1, r2 = d1 / 2, d2 / 2
    grid = []
    for angle in halves(_spaced(0.0, 2 * math.pi, around)):
        grid.append([(r * math.cos(angle), r * math.sin(angle)) for r in halves(_spaced(r2, r1, through))])
    return Section("tube %g / %g" % (d1, d2), [grid], r1)


class Beam:
    """The section swept along x in `count` elements, with the x values
    `stations` placed on element boundaries (the load and the points where
    the deflection is read)."""

    def __init__(self, section, length, count, stations=()):
        self.section, self.length = section, length
        xs = _stations(length, count, stations)
        self.xs = halves(xs)
        self.nodes = {}
        numbers = {}
        section_nodes = sorted(section.mesh.nodes)
        corners = sorted({k for e in section.mesh.elements for k in e[:4]})
        for i, x in enumerate(self.xs):
            # Between element boundaries a 20-node brick has nodes at its
            # section corners only.
            for k in (section_nodes if i % 2 == 0 else corners):
                y, z = section.mesh.nodes[k]
                number = len(self.nodes) + 1
                self.nodes[number] = (x, y, z)
                numbers[(i, k)] = number
        self.numbers = numbers
        self.elements = []
        for i in range(0, len(self.xs) - 1, 2):
            for e in section.mesh.elements:
                c, m = e[:4], e[4:]
                if signed_area([section.mesh.nodes[k] for k in c]) < 0:
                    raise ValueError("section element turns the wrong way")
                self.elements.append([numbers[(i, k)] for k in c] + [numbers[(i + 2, k)] for k in c]
                                     + [numbers[(i, k)] for k in m] + [numbers[(i + 2, k)] for k in m]
                                     + [numbers[(i + 1, k)] for k in c])

    def at(self, x):
        """The nodes of the section at x, an element boundary, in the order
        of the section's node numbers."""
        i = min(range(len(self.xs)), key=lambda j: abs(self.xs[j] - x))
        if abs(self.xs[i] - x) > 1e-9 * self.length or i % 2:
            raise ValueError("no element boundary at x = %g" % x)
        return [self.numbers[(i, k)] for k in sorted(self.section.mesh.nodes)]


def _stations(length, count, stations):
    """Element boundaries from 0 to length, about `count` elements, with a
    boundary at each station: each interval between stations gets its
    share of elements."""
    marks = sorted({0.0, length, *[s for s in stations if 0 < s < length]})
    xs = [0.0]
    for a, b in zip(marks, marks[1:]):
        pieces = max(1, round(count * (b - a) / length))
        xs += [a + (b - a) * k / pieces for k in range(1, pieces + 1)]
    return xs
