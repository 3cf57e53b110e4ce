"""The beam tab's five support and load arrangements as solid models.

The beam lies along x from 0 (its left end) to L, z upwards, loaded
downwards. As the tab measures them, x counts from the free end in the
cantilevers (the right end here) and from the right-hand support in the
other cases; the point load of load case 2 stands at L1 from the
right-hand support. Every section is symmetric about y = 0, so the model
is the half y >= 0, held at u_y = 0 on that plane.

Supports act on the end section only as beam theory assumes:
- a support holds the mean vertical displacement of its end section at
  zero (the deflection is read as the same mean elsewhere), leaving the
  section free to contract and bulge sideways as a bent section does;
- a clamped end also keeps its section plane and square to the axis
  (u_x = 0 over the section);
- the left simple support also holds u_x on the section's centre line
  z = 0, the neutral axis.
A point load is spread over its section as a uniform traction would be
(consistent nodal loads), a uniform load is a weight spread through the
volume, so that neither presses a surface locally.

Beam theory leaves shear deformation out: it is the limit of a shear
modulus without bound. Each mesh is run twice, with the steel's shear
modulus G in the planes along the beam (x-y, x-z) and with four times
it (an orthotropic material, E and the Poisson ratios unchanged), and
every result is extrapolated linearly in 1/G, as a shear deflection
goes, to 1/G = 0.
"""

import ccx
import measures
import mesh3d

STIFFER = 4.0  # the second run's shear modulus along the beam, in G


class BeamModel:
    """case: the tab's load case 0 to 4; kind: the section kind 0 to 4;
    inputs: the tab's boxes (E, L, L1, P, b1, h1, b2, h2, I, Z) that
    define the beam; x: where the deflection is read (as the tab
    measures it)."""

    def __init__(self, name, case, kind, inputs, x, nu=0.3):
        self.name, self.case, self.kind = name, case, kind
        self.inputs, self.x, self.nu = inputs, x, nu


class BeamMesh:
    """count: elements along the beam; section: the refinement of the
    section (elements across each part)."""

    def __init__(self, label, count, section):
        self.label, self.count, self.section = label, count, section


def section_of(model, level):
    """The whole section, with element edges along y = 0."""
    i = model.inputs
    if model.kind == 0:
        return mesh3d.rectangle(i["b1"], i["h1"], 2 * level, 2 * level)
    if model.kind == 1:
        return mesh3d.hollow_rectangle(i["b1"], i["h1"], i["b2"], i["h2"], level, 2 * level)
    if model.kind == 2:
        return mesh3d.circle(i["b1"], 2 * level, level)
    if model.kind == 3:
        return mesh3d.hollow_circle(i["b1"], i["b2"], 12 * level, level)
    # I and Z typed in: the rectangle that has them, h = 2I/Z, b = 12I/h^3.
    h = 2 * i["I"] / i["Z"]
    return mesh3d.rectangle(12 * i["I"] / h ** 3, h, 2 * level, 2 * level)


def _fe_x(model, x):
    """The tab's x as a distance from the model's left end."""
    return model.inputs["L"] - x


def _stations(model):
    L = model.inputs["L"]
    points = [_fe_x(model, model.x), L / 2]
    if model.case == 2:
        points.append(_fe_x(model, model.inputs["L1"]))
    return points


def _lines(name, nodes):
    out = ["*NSET, NSET=%s" % name]
    nodes = list(nodes)
    for start in range(0, len(nodes), 12):
        out.append(", ".join(str(k) for k in nodes[start:start + 12]))
    return out


def _end_sets(beam, end, prefix):
    nodes = beam.at(end)
    on_z0 = [k for k in nodes if abs(beam.nodes[k][2]) < 1e-9 * beam.section.top]
    return _lines(prefix + "FACE", nodes) + _lines(prefix + "Z0", on_z0)


def _mean_held(beam, end):
    """The equation that holds the mean vertical displacement of the end
    section at zero (ccx takes four terms a line)."""
    nodes = beam.at(end)
    terms = ["%d, 3, 1." % k for k in nodes]
    lines = ["*EQUATION", str(len(terms))]
    for start in range(0, len(terms), 4):
        lines.append(", ".join(terms[start:start + 4]))
    return lines


def _point_load(beam, x, load):
    """Nodal forces on the section at x that add up to the load, as a
    uniform traction over the section would give them."""
    shares = nodal_shares(beam.section)
    lines = ["*CLOAD"]
    for number, k in zip(beam.at(x), sorted(beam.section.mesh.nodes)):
        lines.append("%d, 3, %.14g" % (number, -load * shares[k]))
    return lines


def nodal_shares(section):
    """Each section node's share of a uniform traction over the section:
    the integral of its shape function, divided by the area."""
    area = section.integrate(lambda y, z: 1.0)
    shares = {}
    gauss = ((-0.7745966692414834, 5 / 9), (0.0, 8 / 9), (0.7745966692414834, 5 / 9))
    for element in section.mesh.elements:
        points = [section.mesh.nodes[k] for k in element]
        for s, ws in gauss:
            for t, wt in gauss:
                shape, ds, dt = mesh3d.serendipity(s, t)
                ys = sum(n * p[0] for n, p in zip(ds, points))
                zs = sum(n * p[1] for n, p in zip(ds, points))
                yt = sum(n * p[0] for n, p in zip(dt, points))
                zt = sum(n * p[1] for n, p in zip(dt, points))
                jacobian = ys * zt - yt * zs
                for k, n in zip(element, shape):
                    shares[k] = shares.get(k, 0.0) + ws * wt * jacobian * n / area
    return shares


def _material(E, nu, shear):
    """E and nu as given, the shear modulus along the beam `shear` times
    E / (2 (1 + nu)), across the section as isotropic."""
    G = E / (2 * (1 + nu))
    return ["*MATERIAL, NAME=BEAM", "*ELASTIC, TYPE=ENGINEERING CONSTANTS",
            "%.14g, %.14g, %.14g, %.14g, %.14g, %.14g, %.14g, %.14g" % (E, E, E, nu, nu, nu, shear * G, shear * G),
            "%.14g, 0." % G, "*DENSITY", "1."]


def deck(model, beam, shear):
    i = model.inputs
    L = i["L"]
    lines = ["** %s" % model.name, "*NODE, NSET=NALL"]
    lines += ["%d, %.14g, %.14g, %.14g" % (k, *p) for k, p in beam.nodes.items()]
    lines.append("*ELEMENT, TYPE=C3D20R, ELSET=BEAM")
    lines += ["%d, %s" % (n + 1, ", ".join(str(k) for k in e[:15])) + ",\n" + ", ".join(str(k) for k in e[15:])
              for n, e in enumerate(beam.elements)]
    lines += _end_sets(beam, 0.0, "LEFT") + _end_sets(beam, L, "RIGHT")
    lines += _lines("SYMMETRY", [k for k, p in beam.nodes.items() if abs(p[1]) < 1e-9 * beam.section.top])
    lines += _material(i["E"], model.nu, shear) + ["*SOLID SECTION, ELSET=BEAM, MATERIAL=BEAM", "*BOUNDARY",
                                                  "SYMMETRY, 2, 2"]
    clamped = {0: ("LEFT",), 1: ("LEFT",), 4: ("LEFT", "RIGHT")}.get(model.case, ())
    supported = ("LEFT", "RIGHT") if model.case in (2, 3, 4) else ("LEFT",)
    for end in supported:
        if end in clamped:
            lines.append("%sFACE, 1, 1" % end)
        elif end == "LEFT":
            lines.append("LEFTZ0, 1, 1")
    for end in supported:
        lines += _mean_held(beam, 0.0 if end == "LEFT" else L)
    lines += ["*STEP", "*STATIC"]
    if model.case in (0, 2):
        at = L if model.case == 0 else _fe_x(model, i["L1"])
        lines += _point_load(beam, at, i["P"] / 2)  # the half model takes half the load
    else:
        area = 2 * beam.section.integrate(lambda y, z: 1.0)
        lines += ["*DLOAD", "BEAM, GRAV, %.14g, 0., 0., -1." % (i["P"] / area)]
    lines += ["*NODE PRINT, NSET=LEFTFACE", "RF", "*NODE FILE", "U", "*EL FILE", "S", "*END STEP", ""]
    return "\n".join(lines)


def _moment_at_face(beam, face_forces, x):
    """The bending moment the support carries: the reactions' moment about
    the section's y axis, both halves."""
    return 2 * abs(sum(face_forces[k][0] * beam.nodes[k][2] for k in beam.at(x)))


def _moment_in_section(beam, stresses, x):
    """The bending moment at an inner section: sigma_x z integrated over the
    section (both halves), sigma_x interpolated from the nodal values."""
    section = beam.section
    by_section_node = dict(zip(sorted(section.mesh.nodes), beam.at(x)))
    total = 0.0
    gauss = ((-0.7745966692414834, 5 / 9), (0.0, 8 / 9), (0.7745966692414834, 5 / 9))
    for element in section.mesh.elements:
        points = [section.mesh.nodes[k] for k in element]
        sigma = [stresses[by_section_node[k]][0] for k in element]
        for s, ws in gauss:
            for t, wt in gauss:
                shape, ds, dt = mesh3d.serendipity(s, t)
                z = sum(n * p[1] for n, p in zip(shape, points))
                ys = sum(n * p[0] for n, p in zip(ds, points))
                zs = sum(n * p[1] for n, p in zip(ds, points))
                yt = sum(n * p[0] for n, p in zip(dt, points))
                zt = sum(n * p[1] for n, p in zip(dt, points))
                total += ws * wt * (ys * zt - yt * zs) * z * sum(n * v for n, v in zip(shape, sigma))
    return 2 * abs(total)


def _bending_stress(beam, stresses, x):
    """The bending stress at the extreme fibre of the section at x: the
    plane sigma_x = A + B y + C z fitted to the nodal sigma_x over the
    section (its linear part, as beam theory has it; what a support or a
    point load adds locally is left out), taken at z = +-top."""
    points = [(beam.nodes[k][1], beam.nodes[k][2], stresses[k][0]) for k in beam.at(x)]
    basis = [lambda p: 1.0, lambda p: p[0], lambda p: p[1]]
    normal = [[sum(f(p) * g(p) for p in points) for g in basis] for f in basis]
    rhs = [sum(f(p) * p[2] for p in points) for f in basis]
    A, B, C = measures.solve_dense(normal, rhs)
    return max(abs(A + C * beam.section.top), abs(A - C * beam.section.top))


def _deflection(beam, moved, x):
    """The deflection of the section at x, downwards: the mean vertical
    displacement of its nodes (the sideways contraction of a bent
    section moves its edges a little up or down, evenly about the
    mean)."""
    nodes = beam.at(x)
    return -sum(moved[k][2] for k in nodes) / len(nodes)


def _run(model, beam, shear, workdir, name):
    """One ccx run: I, Mmax, sigma (at the section of Mmax), the deflection
    at x and the largest deflection."""
    L = model.inputs["L"]
    section = beam.section
    dat, frd = ccx.run(deck(model, beam, shear), workdir, name)
    stresses, moved = ccx.read_frd(frd, "STRESS"), ccx.read_frd(frd, "DISP")
    inertia = 2 * section.integrate(lambda y, z: z * z)
    if model.case in (0, 1, 4):
        # At a clamped face the stresses carry the clamp's own disturbance,
        # which beam theory leaves out: the bending stress there is the
        # reactions' moment over the model section's I / c.
        moment = _moment_at_face(beam, ccx.read_dat(dat)[("forces", "LEFTFACE")], 0.0)
        sigma = moment * section.top / inertia
    else:
        where = _fe_x(model, model.inputs["L1"]) if model.case == 2 else L / 2
        moment = _moment_in_section(beam, stresses, where)
        sigma = _bending_stress(beam, stresses, where)
    profile = [(x, _deflection(beam, moved, x)) for x in beam.xs[::2]]
    top = max(range(len(profile)), key=lambda j: profile[j][1])
    largest = profile[top][1]
    if 0 < top < len(profile) - 1:
        (x0, y0), (x1, y1), (x2, y2) = profile[top - 1:top + 2]
        d01, d12 = (y1 - y0) / (x1 - x0), (y2 - y1) / (x2 - x1)
        curvature = (d12 - d01) / (x2 - x0)
        slope = d01 + curvature * (x1 - x0)
        largest = y1 - slope * slope / (4 * curvature)
    return {"I": inertia, "Mmax": moment, "sigma": sigma,
            "delta": _deflection(beam, moved, _fe_x(model, model.x)), "delta_max": largest}


def solve(model, mesh, workdir):
    """Builds the half beam and runs it with G and with STIFFER times G;
    returns each result extrapolated to a shear modulus without bound, and
    the number of nodes."""
    section = section_of(model, mesh.section).half()
    beam = mesh3d.Beam(section, model.inputs["L"], mesh.count, _stations(model))
    name = "%s-%s" % (model.name, mesh.label)
    soft = _run(model, beam, 1.0, workdir, name + "-G")
    stiff = _run(model, beam, STIFFER, workdir, name + "-4G")
    return {key: (STIFFER * stiff[key] - soft[key]) / (STIFFER - 1) for key in soft}, len(beam.nodes)
