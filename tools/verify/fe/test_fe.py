"""Checks of the study's own pieces that need no solver: the meshes hold
the shapes they stand for, and the measurements read known fields right.

  python3 -m unittest discover -s tools/verify/fe
"""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import measures  # noqa: E402
import mesh2d  # noqa: E402
import mesh3d  # noqa: E402


class Sections(unittest.TestCase):
    """Area and second moment of area of each section mesh against the
    formula of its shape; the half keeps half of both."""

    def check(self, section, area, inertia, places):
        self.assertAlmostEqual(section.integrate(lambda y, z: 1.0) / area, 1.0, places)
        self.assertAlmostEqual(section.integrate(lambda y, z: z * z) / inertia, 1.0, places)
        half = section.half()
        self.assertAlmostEqual(2 * half.integrate(lambda y, z: z * z) / inertia, 1.0, places)
        self.assertTrue(all(p[0] >= 0 for p in half.mesh.nodes.values()))

    def test_rectangles(self):
        self.check(mesh3d.rectangle(10, 20, 2, 4), 200, 10 * 20 ** 3 / 12, 12)
        self.check(mesh3d.hollow_rectangle(20, 30, 12, 22, 1, 2), 600 - 264, (20 * 30 ** 3 - 12 * 22 ** 3) / 12, 12)

    def test_circles(self):
        # Quadratic edges follow the circle closely: 16 arcs round it.
        self.check(mesh3d.circle(20, 4, 2), math.pi * 100, math.pi * 20 ** 4 / 64, 3)
        self.check(mesh3d.hollow_circle(24, 16, 24, 2), math.pi * (144 - 64), math.pi * (24 ** 4 - 16 ** 4) / 64, 4)

    def test_sweep_has_a_boundary_at_every_station(self):
        beam = mesh3d.Beam(mesh3d.rectangle(10, 20, 2, 2).half(), 1000, 40, (700.0, 250.0))
        for x in (0.0, 250.0, 700.0, 1000.0):
            self.assertEqual(len(beam.at(x)), len(beam.section.mesh.nodes))


class ContactMesh(unittest.TestCase):
    def test_rings_reach_out_and_every_element_turns_one_way(self):
        body = mesh2d.Body(1000.0, 20.0, 8, 1.25, 400.0)
        for element in body.mesh.elements:
            self.assertGreater(mesh2d.signed_area([body.mesh.nodes[k] for k in element[:4]]), 0)
        self.assertAlmostEqual(body.mesh.nodes[body.axis[-1]][1], 1000.0)
        flat = mesh2d.Body(None, 20.0, 8, 1.25, 4000.0)
        self.assertTrue(all(abs(math.hypot(*flat.mesh.nodes[k]) - 4000.0) < 1e-6 for k in flat.held))

    def test_geometric_steps(self):
        values = mesh2d.geometric(10, 1.0, 100.0)
        self.assertAlmostEqual(values[-1], 100.0)
        steps = [b - a for a, b in zip(values, values[1:])]
        self.assertAlmostEqual(steps[0], 1.0, 9)
        self.assertAlmostEqual(steps[2] / steps[1], steps[1] / steps[0], 9)


class Measurements(unittest.TestCase):
    def test_contact_edge_from_the_opening_gap(self):
        class Solution:
            pass

        # A gap opening as (x - 3)^1.5 beyond x = 3.
        solution = Solution()
        xs = [0.5 * k for k in range(12)]
        solution.pairs = [(0, 0, x, 0.0) for x in xs]
        solution.active = {k for k, x in enumerate(xs) if x <= 3}
        solution.gaps = {k: max(x - 3, 0) ** 1.5 for k, x in enumerate(xs)}
        self.assertAlmostEqual(measures.contact_size(solution), 3.0, 9)

    def test_peak_of_a_smooth_curve(self):
        points = [(x / 10, 1 - (x / 10 - 0.37) ** 2) for x in range(11)]
        depth, value = measures.polynomial_peak(points)
        self.assertAlmostEqual(depth, 0.37, 3)
        self.assertAlmostEqual(value, 1.0, 6)


if __name__ == "__main__":
    unittest.main()
