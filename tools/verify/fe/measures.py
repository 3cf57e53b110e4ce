"""What a contact run gives for each result the Hertz tab shows."""

import math

GAUSS3 = ((-math.sqrt(0.6), 5 / 9), (0.0, 8 / 9), (math.sqrt(0.6), 5 / 9))


def solve_dense(matrix, rhs):
    """Gaussian elimination with partial pivoting."""
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(col + 1, n):
            factor = a[r][col] / a[col][col]
            if factor:
                for c in range(col, n + 1):
                    a[r][c] -= factor * a[col][c]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (a[r][n] - sum(a[r][c] * x[c] for c in range(r + 1, n))) / a[r][r]
    return x


def fit_polynomial(points, degree):
    """Least-squares polynomial coefficients, lowest power first."""
    size = degree + 1
    normal = [[sum(x ** (i + j) for x, _ in points) for j in range(size)] for i in range(size)]
    rhs = [sum(y * x ** i for x, y in points) for i in range(size)]
    return solve_dense(normal, rhs)


def polynomial_peak(points, degree=4):
    """The highest point of the least-squares polynomial through the
    points, found on a fine grid over their span."""
    origin = points[0][0]
    span = points[-1][0] - origin
    coefficients = fit_polynomial([((x - origin) / span, y) for x, y in points], degree)
    value, t = max((sum(c * (k / 2000) ** i for i, c in enumerate(coefficients)), k / 2000) for k in range(2001))
    return origin + t * span, value


def pressures(model, solution):
    """The contact pressure at each pair's node: the tie forces are taken as
    the consistent nodal loads of a pressure that varies as the elements
    do (quadratically along each element edge), over the circumference
    2 pi r for a sphere, per unit length for the roller."""
    xs = [p[2] for p in solution.pairs]
    n = len(xs)
    matrix = [[0.0] * n for _ in range(n)]
    for first in range(0, n - 2, 2):
        x0, x2 = xs[first], xs[first + 2]
        for s, weight in GAUSS3:
            shape = (0.5 * s * (s - 1), 1 - s * s, 0.5 * s * (s + 1))
            x = 0.5 * (x0 + x2) + 0.5 * (x2 - x0) * s
            w = weight * 0.5 * (x2 - x0) * (1.0 if model.plane else 2 * math.pi * x)
            for i in range(3):
                for j in range(3):
                    matrix[first + i][first + j] += w * shape[i] * shape[j]
    return solve_dense(matrix, [solution.forces.get(i, 0.0) for i in range(n)])


def contact_size(solution):
    """Where the gap closes. Just outside the edge of any smooth contact the
    gap opens as the 3/2 power of the distance from the edge, so g^(2/3) of
    the open pairs near the edge (up to 15 % beyond the first, three at
    least) is fitted with a line and extended to zero; over so short a
    stretch the line holds to a ten-thousandth of the contact size."""
    last = max(solution.active)
    first = solution.pairs[last + 1][2]
    opening = [(p[2], max(solution.gaps[i], 0.0) ** (2 / 3)) for i, p in enumerate(solution.pairs)
               if i > last and p[2] <= 1.15 * first]
    if len(opening) < 3:
        opening = [(solution.pairs[i][2], max(solution.gaps[i], 0.0) ** (2 / 3)) for i in range(last + 1, last + 4)]
    intercept, slope = fit_polynomial(opening, 1)
    return -intercept / slope


def largest_shear(solution, size):
    """The largest (sigma_1 - sigma_3)/2 on body 1's axis and its depth: a
    quartic fitted to the nodal values within a quarter of the contact
    size either side of the largest one (nodal stresses alternate a
    little between corner and midside nodes; the fit smooths that out)."""
    nodes, stresses = solution.body1.mesh.nodes, solution.stresses
    profile = []
    for k in solution.body1.axis:
        depth = nodes[k][1]
        if depth > 3 * size:
            break
        principal = stresses[k][:3]  # no shear stress on the axis
        profile.append((depth, 0.5 * (max(principal) - min(principal))))
    top = max(profile, key=lambda point: point[1])[0]
    return polynomial_peak([point for point in profile if abs(point[0] - top) <= 0.25 * size])


def measure(model, solution):
    """The results in the tab's units (mm, kgf, kgf/mm²).

    a_or_b: contact_size. pmax: the recovered pressure at the centre.
    sigma_z: body 1's nodal sigma_z at the centre of the contact. sigma_r
    (sphere): the largest radial stress on body 1's surface, the tension
    at the edge of the contact. tau, tau_depth: largest_shear. delta: the
    approach of the two centre planes (spheres; a flat body's far boundary
    counts as its centre plane), or for the roller its own compression,
    from its centre plane to its contact point.
    """
    body = solution.body1
    size = contact_size(solution)
    centre = body.axis[0]
    s = solution.stresses
    depth, tau = largest_shear(solution, size)
    moved = solution.displacements
    approach = -moved[body.held[0]]
    if model.plane:
        approach = moved[centre] - moved[body.held[0]]
    results = {
        "a_or_b": size,
        "delta": approach,
        "pmax": pressures(model, solution)[0],
        "sigma_z": s[centre][1],
        "tau": tau,
        "tau_depth": depth,
    }
    if not model.plane:
        results["sigma_r"] = max(s[k][0] for k in body.surface if body.mesh.nodes[k][0] <= 3 * size)
    return results
