#!/usr/bin/env python3
"""The finite-element study behind the verification manual.

  study.py OUT.tsv [--set full|ci] [--models FS1,FB20,...] [--check COMMITTED.tsv]
           [--contact-meshes 24,36,48] [--contact-core 2.0] [--contact-growth 1.2]
           [--beam-meshes 40:1,60:2,80:3] [--workdir DIR]

Runs every model of the study (--set full) or one model per calculator
kind at the coarse mesh (--set ci) with CalculiX, on three meshes each
(coarse, medium, fine), and writes one line per result the window shows:
the inputs to type into the window, the result's check name, what the
model measured on each mesh and the tolerance of the comparison. The
verification tool (tavrel_verify) types those inputs into the window and
compares the shown results with the fine mesh's values. --check compares
the values of this run with those of a committed study file, mesh by
mesh: a change of solver or mesh generator shows there first.

Python 3 standard library only; the solver is Debian's calculix-ccx.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import beams  # noqa: E402
import ccx  # noqa: E402
import contact  # noqa: E402
import measures  # noqa: E402

STEEL = contact.Material(21000.0, 0.3)  # kgf/mm², as the material menu's steel
SOFT = contact.Material(7000.0, 0.3)

# Relative tolerance of each comparison with the fine mesh. Each must be at
# least three times the change from the medium to the fine mesh in every
# model (the verification tool checks this), so that it covers what
# refinement could still change.
TOLERANCES = {
    "a_or_b": 0.005, "delta": 0.005, "pmax": 0.005, "sigma_z": 0.01, "sigma_r": 0.04,
    "tau": 0.005, "tau_depth": 0.02,
    "I": 0.001, "Mmax": 0.001, "sigma": 0.01, "delta_max": 0.003,
}
BEAM_TOLERANCES = {"delta": 0.003}  # the beam's deflection at x; the contact's approach is "delta" above



def hertz_inputs(kind, r1, r2_or_b, load, m1, m2):
    return "kind=%s; R1=%s; R2_or_B=%s; P=%s; E1=%s; E2=%s; nu1=%s; nu2=%s" % (
        kind, *(repr(float(v)).removesuffix(".0") for v in (r1, r2_or_b, load, m1.E, m2.E, m1.nu, m2.nu)))


class ContactStudy:
    """A contact model and what the window is given for it. Spheres of
    16 m radius are pressed to a contact radius of about 40 mm: small
    against the bodies (a/R = 0.0025), as Hertz's half-space theory
    assumes, and large enough in millimetres that every field shows four
    or more digits. The roller is 10 mm long in the window."""

    def __init__(self, model, title, inputs, checks):
        self.model, self.title, self.inputs, self.checks = model, title, inputs, checks
        self.id = model.name

    def run(self, meshes, workdir):
        values = []
        for size in meshes:
            solution = contact.solve(self.model, size, workdir)
            found = measures.measure(self.model, solution)
            # The window shows the sphere's sigma_z max as the compressive
            # stress's size, the roller's with its sign.
            if not self.model.plane:
                found["sigma_z"] = -found["sigma_z"]
            values.append(found)
            nodes = len(solution.body1.mesh.nodes)
        return values, nodes

    def lines(self):
        return [(self.id, self.inputs, check, check) for check in self.checks]


SPHERE_CHECKS = ["a_or_b", "delta", "pmax", "sigma_z", "sigma_r", "tau", "tau_depth"]


def contact_studies():
    s1 = contact.ContactModel("FS1", False, 16000.0, None, STEEL, STEEL, 61500.0, 40.0)
    s2 = contact.ContactModel("FS2", False, 16000.0, 24000.0, STEEL, STEEL, 102500.0, 40.0)
    s3 = contact.ContactModel("FS3", False, 16000.0, 24000.0, STEEL, SOFT, 51300.0, 40.0)
    r1 = contact.ContactModel("FR1", True, 16000.0, None, STEEL, STEEL, 900.0, 40.0)
    return [
        ContactStudy(s1, "sphere on a flat, equal materials",
                     hertz_inputs("sphere", 16000, 1e9, 61500, STEEL, STEEL), SPHERE_CHECKS),
        ContactStudy(s2, "sphere on a sphere, equal materials",
                     hertz_inputs("sphere", 16000, 24000, 102500, STEEL, STEEL), SPHERE_CHECKS),
        ContactStudy(s3, "sphere on a sphere, E2 = E1/3",
                     hertz_inputs("sphere", 16000, 24000, 51300, STEEL, SOFT), SPHERE_CHECKS),
        ContactStudy(r1, "roller on a flat, equal materials, 900 kgf/mm",
                     hertz_inputs("roller", 16000, 10, 9000, STEEL, STEEL),
                     ["a_or_b", "delta", "pmax", "sigma_z", "tau", "tau_depth"]),
    ]


SECTIONS = {
    0: ("solid rectangle 10 x 20", {"b1": 10.0, "h1": 20.0}),
    1: ("hollow rectangle 20 x 30 less 12 x 22", {"b1": 20.0, "h1": 30.0, "b2": 12.0, "h2": 22.0}),
    2: ("solid circle d 20", {"b1": 20.0}),
    3: ("hollow circle 24 / 16", {"b1": 24.0, "b2": 16.0}),
    4: ("I = 10000, Z = 1000 typed (a 15 x 20 rectangle)", {"I": 10000.0, "Z": 1000.0}),
}
CASES = {
    0: "cantilever, end load 10 kgf",
    1: "cantilever, uniform load 0.02 kgf/mm",
    2: "simply supported, 10 kgf at L1 = 300 mm",
    3: "simply supported, uniform load 0.02 kgf/mm",
    4: "both ends fixed, uniform load 0.02 kgf/mm",
}


class BeamStudy:
    """A beam 1000 mm long of steel, E = 21000 kgf/mm², with the deflection
    read at x = 250 mm and where it is largest."""

    def __init__(self, case, kind):
        self.case, self.kind = case, kind
        self.id = "FB%d%d" % (case, kind)
        section_title, dimensions = SECTIONS[kind]
        self.title = "%s; %s" % (CASES[case], section_title)
        inputs = {"E": 21000.0, "L": 1000.0, "L1": 300.0, "P": 10.0 if case in (0, 2) else 0.02,
                  "b1": 0.0, "h1": 0.0, "b2": 0.0, "h2": 0.0, "I": 0.0, "Z": 0.0}
        inputs.update(dimensions)
        self.model = beams.BeamModel(self.id, case, kind, inputs, 250.0)

    def typed(self, x):
        i = self.model.inputs
        parts = ["case=%d" % self.case, "section=%d" % self.kind, "E=%g" % i["E"], "L=%g" % i["L"]]
        if self.case == 2:
            parts.append("L1=%g" % i["L1"])
        parts += ["x=%g" % x, "P=%g" % i["P"]]
        if self.kind == 4:
            parts += ["h2=%g" % i["Z"], "I=%g" % i["I"]]  # the box of h2 takes Z for typed sections
        else:
            parts += ["%s=%g" % (name, i[name]) for name in ("b1", "h1", "b2", "h2") if i[name]]
        return "; ".join(parts)

    def run(self, meshes, workdir):
        values = []
        for mesh in meshes:
            found, nodes = beams.solve(self.model, mesh, workdir)
            values.append(found)
        return values, nodes

    def lines(self):
        """One press at x = 250 for I, Mmax, sigma and the deflection at x;
        a second press where the deflection is largest (the free end of a
        cantilever, mid-span otherwise), whose caption turns to δmax. With
        the point load between supports the field always holds the largest
        deflection."""
        at_x = "%sx" % self.id
        if self.case == 2:
            return [(at_x, self.typed(250), check, measured) for check, measured in
                    (("I", "I"), ("Mmax", "Mmax"), ("sigma", "sigma"), ("delta", "delta_max"))]
        largest = 0.0 if self.case in (0, 1) else 500.0
        return [(at_x, self.typed(250), check, check) for check in ("I", "Mmax", "sigma", "delta")] + [
            ("%sm" % self.id, self.typed(largest), "delta", "delta_max")]


def studies(which):
    everything = contact_studies() + [BeamStudy(case, kind) for case in range(5) for kind in range(5)]
    if which == "ci":
        return [s for s in everything if s.id in ("FS1", "FR1", "FB20")]
    return everything


HEADER = ["row", "model", "title", "inputs", "check", "measured", "coarse", "medium", "fine", "tolerance",
          "nodes", "seconds"]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("out")
    parser.add_argument("--set", choices=("full", "ci"), default="full")
    parser.add_argument("--check")
    parser.add_argument("--workdir", default=os.path.join("build", "fe"))
    parser.add_argument("--models", help="only these models, by name")
    parser.add_argument("--contact-meshes", default="24,36,48")
    parser.add_argument("--contact-core", type=float, default=2.0)
    parser.add_argument("--contact-growth", type=float, default=1.2)
    parser.add_argument("--beam-meshes", default="40:1,60:2,80:3")
    args = parser.parse_args()
    contact_meshes = [contact.MeshSize(label, int(n), args.contact_core, args.contact_growth)
                      for label, n in zip(("coarse", "medium", "fine"), args.contact_meshes.split(","))]
    beam_meshes = [beams.BeamMesh(label, int(counts.split(":")[0]), int(counts.split(":")[1]))
                   for label, counts in zip(("coarse", "medium", "fine"), args.beam_meshes.split(","))]

    rows = []
    for study in studies(args.set):
        if args.models and study.id not in args.models.split(","):
            continue
        contact_kind = isinstance(study, ContactStudy)
        meshes = contact_meshes if contact_kind else beam_meshes
        if args.set == "ci":
            meshes = meshes[:1]
        start = time.time()
        values, nodes = study.run(meshes, os.path.join(args.workdir, study.id))
        seconds = time.time() - start
        print("%s: %.1f s, %d nodes on the finest mesh" % (study.id, seconds, nodes), flush=True)
        for row, inputs, check, measured in study.lines():
            tolerance = TOLERANCES[measured] if contact_kind else BEAM_TOLERANCES.get(measured, TOLERANCES[measured])
            by_mesh = ["%.9g" % v[measured] for v in values] + [""] * (3 - len(values))
            rows.append([row, study.id, study.title, inputs, check, measured] + by_mesh +
                        ["%g" % tolerance, str(nodes), "%.1f" % seconds])
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("# Written by `make verify-fe` (tools/verify/fe/study.py); do not edit.\n")
        out.write("# solver\t%s\n" % ccx.version())
        out.write("\t".join(HEADER) + "\n")
        for row in rows:
            out.write("\t".join(row) + "\n")
    return compare_with_committed(rows, args.check) if args.check else 0


def compare_with_committed(rows, committed_path):
    """Every value of this run against the same model, result and mesh in
    the committed study: they must agree to a millionth."""
    committed = {}
    with open(committed_path, encoding="utf-8") as f:
        header = None
        for line in f:
            if line.startswith("#"):
                continue
            cells = line.rstrip("\n").split("\t")
            if header is None:
                header = cells
                continue
            entry = dict(zip(header, cells))
            committed[(entry["row"], entry["check"])] = entry
    failures = 0
    for row in rows:
        entry = committed.get((row[0], row[4]))
        if entry is None:
            print("%s %s: not in %s" % (row[0], row[4], committed_path))
            failures += 1
            continue
        for mesh, value in zip(("coarse", "medium", "fine"), row[6:9]):
            if not value:
                continue
            old = float(entry[mesh])
            if abs(float(value) - old) > 1e-6 * max(abs(old), 1e-12):
                print("%s %s on the %s mesh: %s now, %s committed" % (row[0], row[4], mesh, value, entry[mesh]))
                failures += 1
    print("%d values compared with %s, %d differ" % (sum(1 for r in rows for v in r[6:9] if v), committed_path,
                                                      failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
