"""Frictionless contact of two elastic bodies, solved with CalculiX.

Body 1 (a sphere, or a roller in plane strain) lies above body 2 (a
sphere, or a flat). Both are meshed with the same core (mesh2d), so their
surface nodes pair off at equal x. A sphere or roller is pressed between
two equal contacts, so its equatorial plane through its centre stays
flat: body 1's equator moves as one, tied to its centre node, which
carries the load; body 2's equator, or a flat body's far boundary, is
held. The contact is found by active sets: a pair in contact is tied by
an equation that closes its initial gap exactly (the gap is carried by a
node of its own, held at the gap's value); pairs that pull apart are
released and pairs that overlap are tied, until neither happens. Each
pass is a linear ccx run. The force a tie carries is the force ccx
reports at body 1's node of the pair.
"""


import ccx
from mesh2d import Body

OFFSET = 100000  # body 2's node numbers
GAP_NODES = 200000  # the nodes that carry the gaps


class Material:
    def __init__(self, E, nu):
        self.E, self.nu = E, nu


class ContactModel:
    """plane: False for axisymmetric (spheres), True for plane strain (a
    roller; load per unit length). radius2: None for a flat body 2.
    size: the expected contact radius or half-width, which places the
    fine core of the mesh (the results must not depend on it)."""

    def __init__(self, name, plane, radius1, radius2, material1, material2, load, size):
        self.name, self.plane = name, plane
        self.radius1, self.radius2 = radius1, radius2
        self.material1, self.material2 = material1, material2
        self.load, self.size = load, size


class MeshSize:
    """n: elements along the side of the core square, whose half-size is
    `core` times the model's expected contact size; growth: the thickness
    ratio of neighbouring rings; reach: the radius of the rings of a
    curved body as a share of its radius; flat_reach: the radius of a flat
    body in expected contact sizes."""

    def __init__(self, label, n, core=2.0, growth=1.2, reach=0.4, flat_reach=2000.0):
        self.label, self.n, self.core = label, n, core
        self.growth, self.reach, self.flat_reach = growth, reach, flat_reach


class Solution:
    """A converged run: the pairs, which are tied, their forces and gaps,
    the stresses and displacements the measurements read."""

    def __init__(self, body1, pairs):
        self.body1 = body1
        self.pairs = pairs  # (node1, node2, x, initial gap)
        self.active = set()
        self.forces = {}  # pair index -> contact force (whole circumference)
        self.gaps = {}  # pair index -> gap under load
        self.stresses = {}
        self.displacements = {}  # body 1 node -> vertical displacement
        self.passes = 0


def _body(radius, model, size):
    core = size.core * model.size
    reach = size.flat_reach * model.size if radius is None else size.reach * radius
    return Body(radius, core, size.n, size.growth, reach)


def _node_lines(name, nodes):
    lines = ["*NSET, NSET=%s" % name]
    nodes = list(nodes)
    for start in range(0, len(nodes), 12):
        lines.append(", ".join(str(k) for k in nodes[start:start + 12]))
    return lines


def _mesh_lines(model, body1, body2, active):
    element = "CPE8" if model.plane else "CAX8"
    lines = ["** %s" % model.name, "*NODE, NSET=NALL"]
    lines += ["%d, %.14g, %.14g" % (k, x, z) for k, (x, z) in body1.mesh.nodes.items()]
    lines += ["%d, %.14g, %.14g" % (k + OFFSET, x, -z) for k, (x, z) in body2.mesh.nodes.items()]
    lines += ["%d, 0, 0" % (GAP_NODES + i) for i in sorted(active)]
    lines.append("*ELEMENT, TYPE=%s, ELSET=B1" % element)
    number = 0
    for e in body1.mesh.elements:
        number += 1
        lines.append("%d, %s" % (number, ", ".join(str(k) for k in e)))
    lines.append("*ELEMENT, TYPE=%s, ELSET=B2" % element)
    for e in body2.mesh.elements:
        number += 1
        # Body 2 is body 1's mesh mirrored: its corners turn the other way.
        mirrored = [e[0], e[3], e[2], e[1], e[7], e[6], e[5], e[4]]
        lines.append("%d, %s" % (number, ", ".join(str(k + OFFSET) for k in mirrored)))
    for name, material in (("M1", model.material1), ("M2", model.material2)):
        lines += ["*MATERIAL, NAME=%s" % name, "*ELASTIC", "%.14g, %.14g" % (material.E, material.nu)]
    for body, material in (("B1", "M1"), ("B2", "M2")):
        lines.append("*SOLID SECTION, ELSET=%s, MATERIAL=%s" % (body, material))
        if model.plane:
            lines.append("1.")
    return lines


def _deck(model, body1, body2, pairs, active):
    lines = _mesh_lines(model, body1, body2, active)
    centre = body1.held[0]
    lines += _node_lines("AXIS", list(body1.axis) + [k + OFFSET for k in body2.axis])
    lines += _node_lines("HELD2", [k + OFFSET for k in body2.held])
    lines += _node_lines("SURF", [p[0] for p in pairs] + [p[1] for p in pairs])
    lines += _node_lines("CENTRE", [centre])
    lines += ["*BOUNDARY", "AXIS, 1, 1", "HELD2, 1, 2" if model.radius2 is None else "HELD2, 2, 2"]
    for index in sorted(active):
        lines += ["%d, 1, 1, %.14g" % (GAP_NODES + index, pairs[index][3]), "%d, 2, 3" % (GAP_NODES + index)]
    lines.append("*EQUATION")
    for k in body1.held[1:]:
        lines += ["2", "%d, 2, 1., %d, 2, -1." % (k, centre)]
    for index in sorted(active):
        lines += ["3", "%d, 2, 1., %d, 2, -1., %d, 1, 1." % (pairs[index][0], pairs[index][1], GAP_NODES + index)]
    # The plane model is the half x >= 0 of a roller of unit length; the
    # axisymmetric one takes the load of the whole circumference.
    load = model.load / 2 if model.plane else model.load
    lines += ["*STEP", "*STATIC", "*CLOAD", "%d, 2, %.14g" % (centre, -load),
              "*NODE PRINT, NSET=SURF", "U, RF", "*NODE PRINT, NSET=CENTRE", "U",
              "*EL FILE", "S", "*END STEP", ""]
    return "\n".join(lines)


def _pairs(body1, body2):
    """Surface nodes of the two bodies at the same x, within the core."""
    core = body1.core
    lower = {round(body2.mesh.nodes[k][0] / core * 1e6): k for k in body2.surface}
    pairs = []
    for k in body1.surface:
        x = body1.mesh.nodes[k][0]
        if x > core * (1 + 1e-9):
            break
        other = lower[round(x / core * 1e6)]
        pairs.append((k, other + OFFSET, x, body1.surface_height(x) + body2.surface_height(x)))
    return pairs


def solve(model, size, workdir, max_passes=40):
    """Runs the active-set passes to convergence; returns a Solution."""
    body1, body2 = _body(model.radius1, model, size), _body(model.radius2, model, size)
    solution = Solution(body1, _pairs(body1, body2))
    pairs = solution.pairs
    # ccx reports an axisymmetric model's forces for its 2-degree segment.
    scale = 1.0 if model.plane else 180.0
    active = {i for i, p in enumerate(pairs) if p[2] < model.size}
    seen = set()
    name = "%s-%s" % (model.name, size.label)
    for passes in range(1, max_passes + 1):
        dat, frd = ccx.run(_deck(model, body1, body2, pairs, active), workdir, name)
        blocks = ccx.read_dat(dat)
        moved = blocks[("displacements", "SURF")]
        nodal = blocks[("forces", "SURF")]
        forces = {i: scale * nodal[pairs[i][0]][1] for i in active}
        gaps = {i: p[3] + moved[p[0]][1] - moved[p[1]][1] for i, p in enumerate(pairs)}
        released = {i for i in active if forces[i] < 0}
        closed = {i for i in range(len(pairs)) if i not in active and gaps[i] < 0}
        if not released and not closed:
            break
        if frozenset(active) in seen:
            raise RuntimeError("%s: the contact does not settle (the active set cycles)" % name)
        seen.add(frozenset(active))
        active = (active - released) | closed
    else:
        raise RuntimeError("%s: the contact does not settle in %d passes" % (name, max_passes))
    solution.active, solution.forces, solution.gaps, solution.passes = active, forces, gaps, passes
    solution.stresses = ccx.read_frd_stresses(frd)
    solution.displacements = {k: v[1] for k, v in moved.items()}
    solution.displacements.update({k: v[1] for k, v in blocks[("displacements", "CENTRE")].items()})
    # The ties must carry the whole load: a check of the forces read back.
    share = 2.0 if model.plane else 1.0
    carried = share * sum(forces.values())
    if abs(carried - model.load) > 1e-6 * model.load:
        raise RuntimeError("%s: the contact carries %g of the load %g" % (name, carried, model.load))
    return solution
