"""Meshes of quadratic quadrilaterals (8 nodes) for the contact models.

A contact body is a quarter disc in its own half-space coordinates:
x along the contact surface (radius r of the sphere, or the width
coordinate of the roller) and d the depth below the surface. A square
core of n x n equal elements holds the contact zone; around it rings of
2n elements each, whose thickness grows geometrically, reach the radius
`reach`. The physical body lifts each point by the body's own surface
height f(x) (a sphere or cylinder of radius R, or a flat), so the contact
surface d = 0 is the body's true surface. A sphere or roller body ends
at its equatorial plane z = R through its centre, joined to the rings by
one more block (transfinite interpolation between the outer ring, the
surface arc, the equator and the axis). Every body shares the same core,
so two bodies built with the same core have their surface nodes at the
same x: the contact pairs are node to node.
"""

import math


class Mesh:
    """Nodes by number, 8-node elements, and named node lists."""

    def __init__(self, tolerance):
        self.nodes = {}  # number -> (x, z)
        self.elements = []  # lists of 8 node numbers, corners then midsides
        self._index = {}
        self._tolerance = tolerance

    def node(self, point):
        """The number of the node at `point`, made when there is none.
        Coordinates within the tolerance of zero are made zero, so that the
        axis is exactly x = 0."""
        point = tuple(0.0 if abs(v) < self._tolerance else v for v in point)
        key = (round(point[0] / self._tolerance), round(point[1] / self._tolerance))
        number = self._index.get(key)
        if number is None:
            number = len(self.nodes) + 1
            self.nodes[number] = point
            self._index[key] = number
        return number

    def add_grid(self, points):
        """Elements over a grid of points at half-element spacing:
        points[i][j] with i, j running over 2*count + 1 values."""
        ni = (len(points) - 1) // 2
        nj = (len(points[0]) - 1) // 2
        for i in range(ni):
            for j in range(nj):
                a, b = 2 * i, 2 * j
                ids = [self.node(points[a + di][b + dj]) for di, dj in
                       ((0, 0), (2, 0), (2, 2), (0, 2), (1, 0), (2, 1), (1, 2), (0, 1))]
                if signed_area([self.nodes[k] for k in ids[:4]]) < 0:
                    ids = [ids[0], ids[3], ids[2], ids[1], ids[7], ids[6], ids[5], ids[4]]
                self.elements.append(ids)


def signed_area(corners):
    return 0.5 * sum(corners[k][0] * corners[(k + 1) % 4][1] - corners[(k + 1) % 4][0] * corners[k][1]
                     for k in range(4))


def halves(values):
    """The values with their midpoints between them."""
    out = []
    for a, b in zip(values, values[1:]):
        out += [a, 0.5 * (a + b)]
    return out + [values[-1]]


def geometric(count, first, total):
    """`count` steps summing to `total`, the first `first` long, each the
    same factor longer than the one before; returns the cumulative values
    from 0 to total."""
    if count * first >= total:
        return [total * k / count for k in range(count + 1)]
    low, high = 1.0, 2.0
    while first * (high ** count - 1) / (high - 1) < total:
        high *= 2
    for _ in range(200):
        q = 0.5 * (low + high)
        if first * (q ** count - 1) / (q - 1) < total:
            low = q
        else:
            high = q
    q = 0.5 * (low + high)
    values, step, position = [0.0], first, 0.0
    for _ in range(count):
        position += step
        values.append(position)
        step *= q
    return [v * total / values[-1] for v in values]


class Body:
    """One contact body: its mesh and the node lists the model needs.

    radius: the radius of curvature of the surface (None for a flat);
    core: the half-size of the square core; n: elements along its side;
    growth: the ratio of neighbouring ring thicknesses; reach: the radius
    of the outermost ring in half-space coordinates. A curved body goes on
    to its equatorial plane; a flat one ends at the outermost ring, which
    is held fixed.
    """

    def __init__(self, radius, core, n, growth, reach):
        self.radius, self.core = radius, core
        self.mesh = Mesh(core * 1e-9)
        h = core / n
        core_values = [core * k / n for k in range(n + 1)]
        self._core(core_values)
        rings = max(1, math.ceil(math.log(reach / core) / math.log(growth)))
        self._rings(core, n, h, rings, reach)
        if radius is not None:
            self._outer(core, n, reach, growth)
        self._sets(core)

    def surface_height(self, x):
        if self.radius is None:
            return 0.0
        return self.radius - math.sqrt(self.radius ** 2 - x * x)

    def place(self, x, d):
        """Physical (r, z) of a point at x and depth d, z measured into the
        body from its tangent plane."""
        return (x, self.surface_height(x) + d)

    def _core(self, values):
        grid = halves(values)
        self.mesh.add_grid([[self.place(x, d) for d in grid] for x in grid])

    def _l_point(self, core, u):
        """The core's outer edge from the surface point (core, 0) over the
        corner to the axis point (0, core), u from 0 to 1."""
        return (core, 2 * u * core) if u <= 0.5 else (core * (2 - 2 * u), core)

    def _rings(self, core, n, h, rings, reach):
        u_values = halves([k / (2 * n) for k in range(2 * n + 1)])
        w_values = halves([v / (reach - core) for v in geometric(rings, h, reach - core)])
        grid = []
        for u in u_values:
            inner = self._l_point(core, u)
            outer = (reach * math.cos(u * math.pi / 2), reach * math.sin(u * math.pi / 2))
            grid.append([self.place(inner[0] + w * (outer[0] - inner[0]), inner[1] + w * (outer[1] - inner[1]))
                         for w in w_values])
        self.mesh.add_grid(grid)
        self._u_values = u_values
        self._last_ring = (reach - core) * (w_values[-1] - w_values[-3])

    def _outer(self, core, n, reach, growth):
        """From the outermost ring to the equator z = R, between the surface
        arc and the axis."""
        R = self.radius
        phi0 = math.asin(reach / R)
        span_surface = R * (math.pi / 2 - phi0)
        count = max(2, math.ceil(math.log(1 + (growth - 1) * span_surface / self._last_ring) / math.log(growth)))
        xi_values = halves([v / span_surface for v in geometric(count, self._last_ring, span_surface)])

        def near(u):
            return self.place(reach * math.cos(u * math.pi / 2), reach * math.sin(u * math.pi / 2))

        def equator(u):
            return (R * (1 - u), R)

        def surface(xi):
            phi = phi0 + xi * (math.pi / 2 - phi0)
            return (R * math.sin(phi), R - R * math.cos(phi))

        def axis(xi):
            return (0.0, reach + xi * (R - reach))

        grid = []
        for u in self._u_values:
            row = []
            for xi in xi_values:
                point = []
                for k in range(2):
                    point.append((1 - xi) * near(u)[k] + xi * equator(u)[k] + (1 - u) * surface(xi)[k]
                                 + u * axis(xi)[k]
                                 - ((1 - xi) * (1 - u) * near(0)[k] + (1 - xi) * u * near(1)[k]
                                    + xi * (1 - u) * equator(0)[k] + xi * u * equator(1)[k]))
                row.append(tuple(point))
            grid.append(row)
        self.mesh.add_grid(grid)

    def _sets(self, core):
        nodes = self.mesh.nodes
        tol = core * 1e-7
        self.axis = sorted((k for k, p in nodes.items() if abs(p[0]) < tol), key=lambda k: nodes[k][1])
        self.surface = sorted((k for k, p in nodes.items()
                               if abs(p[1] - self.surface_height(p[0])) < tol * max(1.0, p[0] / core)
                               and (self.radius is None or p[0] < self.radius * 0.999)),
                              key=lambda k: nodes[k][0])
        if self.radius is None:
            far = max(math.hypot(*p) for p in nodes.values())
            self.held = [k for k, p in nodes.items() if math.hypot(*p) > far * (1 - 1e-9)]
        else:
            self.held = sorted((k for k, p in nodes.items() if abs(p[1] - self.radius) < tol),
                               key=lambda k: nodes[k][0])
