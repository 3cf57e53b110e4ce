"""Running CalculiX (ccx) on an input deck and reading what it writes:
node displacements and forces from the .dat file (*NODE PRINT), nodal
stresses from the .frd file (*EL FILE, extrapolated to the nodes and
averaged over the elements that share them)."""

import os
import re
import subprocess

SOLVER = os.environ.get("CCX", "ccx")


def version():
    """The solver's version line, "CalculiX 2.20" for example."""
    result = subprocess.run([SOLVER, "-v"], capture_output=True, text=True, check=False)
    match = re.search(r"Version\s+(\S+)", result.stdout + result.stderr)
    return "CalculiX " + match.group(1) if match else "CalculiX (unknown version)"


class SolverError(RuntimeError):
    pass


def run(deck_text, workdir, name):
    """Writes `name`.inp in `workdir`, runs ccx there and returns the
    paths of its .dat and .frd files; raises SolverError on failure."""
    os.makedirs(workdir, exist_ok=True)
    with open(os.path.join(workdir, name + ".inp"), "w", encoding="ascii") as deck:
        deck.write(deck_text)
    env = dict(os.environ)
    env.setdefault("OMP_NUM_THREADS", "1")
    env.setdefault("CCX_NPROC_EQUATION_SOLVER", env["OMP_NUM_THREADS"])
    result = subprocess.run([SOLVER, name], cwd=workdir, capture_output=True, text=True, env=env, check=False)
    log = result.stdout + result.stderr
    with open(os.path.join(workdir, name + ".log"), "w", encoding="utf-8") as out:
        out.write(log)
    if result.returncode != 0 or "*ERROR" in log:
        errors = [line.strip() for line in log.splitlines() if "ERROR" in line]
        raise SolverError("ccx failed on %s: %s" % (name, "; ".join(errors[:3]) or "exit %d" % result.returncode))
    return os.path.join(workdir, name + ".dat"), os.path.join(workdir, name + ".frd")


def read_dat(path):
    """{(kind, set): {node: (v1, v2, v3)}} for the *NODE PRINT blocks of the
    last increment; kind is "displacements" or "forces"."""
    blocks = {}
    current = None
    header = re.compile(r"^\s*(displacements|forces)\s*\(.*\)\s*for set\s+(\S+)\s+and time")
    with open(path, encoding="ascii", errors="replace") as dat:
        for line in dat:
            match = header.match(line)
            if match:
                current = {}
                blocks[(match.group(1), match.group(2).upper())] = current
                continue
            fields = line.split()
            if current is not None and len(fields) == 4 and fields[0].isdigit():
                current[int(fields[0])] = tuple(float(v) for v in fields[1:])
            elif current is not None and fields and not fields[0].isdigit():
                current = None
    return blocks


def read_frd(path, block):
    """{node: values} of the last result block of the given name in an
    ASCII .frd file: "STRESS" gives (sxx, syy, szz, sxy, syz, szx) at the
    nodes, "DISP" the displacements (ux, uy, uz)."""
    values = {}
    in_block = False
    with open(path, encoding="ascii", errors="replace") as frd:
        for line in frd:
            if line.startswith(" -4"):
                in_block = line.split()[1] == block
                if in_block:
                    values = {}
                continue
            if in_block and line.startswith(" -1"):
                fields = line.rstrip("\n")[13:]
                values[int(line[3:13])] = tuple(float(fields[k:k + 12]) for k in range(0, len(fields) - 11, 12))
            elif in_block and line.startswith(" -3"):
                in_block = False
    return values


def read_frd_stresses(path):
    return read_frd(path, "STRESS")
