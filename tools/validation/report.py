#!/usr/bin/python3
"""Reproduces every figure of docs/validation.md from msa-headless runs, their
CSV files and the independent reference integration (reference.cpp).

    bash tools/validation/report.sh [--quick]   (builds msa-headless, installs numpy and matplotlib)

Run by hand (6 to 7 minutes on the shared 2-core development machine, most
of it the reference at 1e-5 s and msa at 1e-6 s); writes docs/validation-steps.png
and prints the numbers of the report's tables. --quick leaves out the
smallest steps.
"""
import csv
import math
import os
import re
import subprocess
import sys
import tempfile

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
T_END = 3.2  # s, where the step study compares the runs

# Keys: start-up with every default (title, ten data, pause, E study), then
# the given menu choice.
TO_MENU = "\n" * 21


def s_keys(teinc="", temax="", udcfin=""):
    """Menu S with the defaults except the given settings, Enter at the diagram, F."""
    answers = [""] * 16
    answers[6] = udcfin
    answers[10] = temax
    answers[11] = teinc
    return TO_MENU + "s\n" + "\n".join(answers) + "\nf\n"


def headless(exe, keys, csv_path=None):
    args = [exe] + (["--csv", csv_path] if csv_path else [])
    p = subprocess.run(args, input=keys.encode(), capture_output=True, check=False)
    return p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")


def screens(transcript):
    lines = transcript.split("\n")
    out = []
    for i, line in enumerate(lines):
        if line.startswith("=== read "):
            out.append(lines[i + 1:i + 26])
    return out


def number_after(text, label):
    m = re.search(re.escape(label) + r"\s*(-?[0-9.]+(?:E[-+]?[0-9]+)?)", text)
    return float(m.group(1)) if m else math.nan


def read_csv(path):
    te, rpm, idc, stalled_from = [], [], [], None
    last = None
    with open(path) as f:
        next(f)
        for row in f:
            v = row.split(",")
            t, w, i = float(v[1]), float(v[2]), float(v[3])
            te.append(t), rpm.append(w), idc.append(i)
            state = (v[2], v[3], v[4], v[5])
            if state != last:
                stalled_from = t
            last = state
    return np.array(te), np.array(rpm), np.array(idc), stalled_from


def at(te, values, t=T_END):
    return float(np.interp(t, te, values))


def reference(exe, storage, teinc, temax="3.2", frm="3.19"):
    out = subprocess.run([exe, "run", storage, teinc, temax, frm], capture_output=True, text=True, check=True).stdout
    rows = list(csv.DictReader(out.splitlines()))
    return {k: np.array([float(r[k]) for r in rows]) for k in rows[0]}


def build_reference(workdir):
    exe = os.path.join(workdir, "msa-reference")
    subprocess.run(["g++", "-O2", "-std=c++20", "-msse3", os.path.join(HERE, "reference.cpp"), "-o", exe], check=True)
    return exe


def step_study(msa, ref, work, quick):
    steps = ["2e-3", "1e-3", "5e-4", "2e-4", "1e-4", "5e-5", "3e-5", "2e-5", "1e-5", "5e-6", "2e-6", "1e-6"]
    ref_steps = ["2e-3", "1e-3", "5e-4", "2e-4", "1e-4", "5e-5", "2e-5", "1e-5"]
    if quick:
        steps, ref_steps = steps[:9], ref_steps[:7]
    # The reference: extended state, steps down to 1e-5 s, extrapolated.
    rs, ri = {}, {}
    for h in ref_steps:
        r = reference(ref, "extended", h)
        rs[h], ri[h] = at(r["te_s"], r["speed_rpm"]), at(r["te_s"], r["idc_a"])
    # First order: the supply voltage's step at te = 0 is taken at the end
    # of the time step it falls in, half a step late on average.
    a, b = ref_steps[-2], ref_steps[-1]
    ratio = float(a) / float(b)
    rich = lambda d: d[b] + (d[b] - d[a]) / (ratio - 1)
    ref_rpm, ref_idc = rich(rs), rich(ri)
    print("\n## Reference (state in extended precision), at te = 3.2 s")
    print("| step (s) | speed (r/min) | Idc (A) |")
    for h in ref_steps:
        print(f"| {h} | {rs[h]:.5f} | {ri[h]:.6f} |")
    print(f"| extrapolated to 0 from {a} and {b} (first order) | {ref_rpm:.5f} | {ref_idc:.6f} |")

    print("\n## msa (state in float) against the reference, at te = 3.2 s")
    print("| step (s) | speed (r/min) | error (r/min) | Idc (A) | error (%) | stands still from te (s) | notice |")
    table = []
    for h in steps:
        path = os.path.join(work, f"s{h}.csv")
        _, err = headless(msa, s_keys(teinc=h), path)
        te, rpm, idc, still = read_csv(path)
        w, i = at(te, rpm), at(te, idc)
        still = still if still is not None and still < te[-1] - 0.05 else None
        os.remove(path)
        table.append((float(h), w - ref_rpm, 100 * (i - ref_idc) / ref_idc))
        print(f"| {h} | {w:.3f} | {w - ref_rpm:+.4f} | {i:.5f} | {100 * (i - ref_idc) / ref_idc:+.4f} | "
              f"{'%.3f' % still if still else '-'} | {'yes' if 'trop petit' in err else 'no'} |")
    ext = [(float(h), rs[h] - ref_rpm, 100 * (ri[h] - ref_idc) / ref_idc) for h in ref_steps[:-1]]
    return table, ext, (ref_rpm, ref_idc)


def agreement(msa, ref, work):
    """The reference in float storage against msa's CSV, step by step, at the default step."""
    path = os.path.join(work, "default.csv")
    headless(msa, s_keys(), path)
    te, rpm, idc, _ = read_csv(path)
    r = reference(ref, "float", "5e-4", "3.2", "-1")
    n = min(len(te) - 1, len(r["te_s"]))
    d_rpm = np.max(np.abs(rpm[1:n + 1] - r["speed_as_csv_rpm"][:n]) / rpm[1:n + 1])
    d_idc = np.max(np.abs(np.float32(idc[1:n + 1]) - np.float32(r["idc_a"][:n])) / idc[1:n + 1])
    same_te = np.all(np.abs(te[1:n + 1] - r["te_s"][:n]) <= 1e-8 * np.abs(te[1:n + 1]) + 1e-12)
    print("\n## Independent implementation in float storage against msa, default step")
    print(f"{n} steps; same times: {same_te}; largest relative difference: speed {d_rpm:.2e}, Idc {d_idc:.2e}"
          " (0 means the same floats)")
    os.remove(path)


def energy(ref):
    r = reference(ref, "float", "5e-4")
    e = {k: float(v[-1]) for k, v in r.items()}
    out = e["d_kinetic_j"] + e["e_shaft_j"] + e["e_resistive_j"] + e["e_friction_j"] + e["d_magnetic_j"]
    print("\n## Energy balance of the default run (J)")
    for k in ["e_supply_j", "d_kinetic_j", "e_shaft_j", "e_resistive_j", "e_friction_j", "d_magnetic_j"]:
        print(f"| {k} | {e[k]:.3f} |")
    residual = e['e_supply_j'] - out
    print(f"| residual | {residual:+.3f} ({100 * residual / e['e_supply_j']:+.4f} %) |")
    print(f"| left out: angle-rate voltages (umu + unu) Idc | {e['e_angle_rates_j']:+.3f} |")
    print(f"| left out: drau part of urot | {e['e_drau_j']:+.3f} |")
    print(f"| rest of the residual | {residual - e['e_angle_rates_j'] - e['e_drau_j']:+.3f} |")
    for h in ["1e-4", "2e-5"]:
        r = reference(ref, "extended", h)
        e = {k: float(v[-1]) for k, v in r.items()}
        out = e["d_kinetic_j"] + e["e_shaft_j"] + e["e_resistive_j"] + e["e_friction_j"] + e["d_magnetic_j"]
        print(f"| residual, extended, step {h} | {e['e_supply_j'] - out:+.4f} J |")


def consistency(msa, work):
    print("\n## A settled transient against the U study (beta held, every U prompt kept)")
    path = os.path.join(work, "settle.csv")
    keys = s_keys(temax="12")[:-2] + "u\n" + "\n" * 14 + "f\n"
    out, _ = headless(msa, keys, path)
    te, rpm, idc, still = read_csv(path)
    text = "\n".join("\n".join(s) for s in screens(out))
    udcini = number_after(text, "Tension d'alimentation nécessaire udcini =")
    last = screens(out)[-1]
    status = "\n".join(last)
    print(f"transient at te = {te[-1]:.3f} s: speed {rpm[-1]:.4f} r/min, Idc {idc[-1]:.5f} A, udc 153.5 V;"
          f" its state stands still from te = {still:.3f} s")
    with open(path) as f:
        last_row = f.readlines()[-1].split(",")
    print(f"its last row: mu {last_row[4]} deg, xhi {last_row[5]} deg, beta {last_row[6]} deg")
    before = te <= 0
    print(f"before the supply step (te <= 0): speed within {np.max(np.abs(rpm[before] - 1146)):.2g} r/min of 1146,"
          f" Idc within {np.max(np.abs(idc[before] - 5)):.2g} A of 5")
    print(f"U study at that speed, torque and flux: udcini {udcini} V; status lines:\n{status[-700:]}")
    os.remove(path)
    print("\n## Chapter 1 against chapter 2 (E study with the defaults, a pause after each iteration)")
    out, _ = headless(msa, "\n" * 19 + "1\n" + "\n" * 21 + "f\n")
    text = "\n".join("\n".join(s) for s in screens(out))
    print("chapter 1: mf*if", number_after(text, "Produit mf * if = mrf * if ="), "Wb, delta",
          number_after(text, "Angle delta ="), "deg")
    # Every iteration's lines stand on the screens of two answers in a row.
    iterations = {}
    for number, body, delta in re.findall(r"Itération N° (\d+)\n(.*?nouvel angle delta =)\s*(-?[0-9.]+)", text, re.S):
        iterations[int(number)] = body + " " + delta
    ordered = [iterations[k] for k in sorted(iterations)]
    flux = [re.search(r"mfif =\s*(-?[0-9.]+)", b).group(1) for b in ordered]
    deltas = [re.search(r"nouvel angle delta =\s*(-?[0-9.]+)", b).group(1) for b in ordered]
    mus = [re.search(r"Angle mu =\s*(-?[0-9.]+)", b).group(1) for b in ordered]
    print("chapter 2, by iteration: mfif", flux[:4], "...", flux[-1:], "; delta", deltas[:4], "...", deltas[-1:],
          "; mu at the start of each", mus[:4], "...", mus[-1:])


def limits(msa):
    print("\n## The four stops, and data that reach them")
    probes = {
        "U, beta held, betaref 400 deg": TO_MENU + "u\n\n\n\n1\n400\n\n\n\n\n\n\nf\n",
        "E: xhi kept, Udc 30 V, Idc 10 A": TO_MENU + "e\n\n30\n10\n\n\n\n\n\n\nf\n",
        "E: mu 0": TO_MENU + "e\n\n\n\n\n0\n\n\n\n\n\n\nf\n",
        "E: Idc -5 A": TO_MENU + "e\n\n\n-5\n\n\n\n\n\n\n\n\nf\n",
        "S with Udcfin 0 V": s_keys(udcfin="0"),
        "S with Udcfin 400 V": s_keys(udcfin="400"),
    }
    for lc in ["0.02", "0.05", "0.1"]:
        probes[f"start-up with lc = {lc} H"] = "\n" * 5 + lc + "\n" + "\n" * 15 + "f\n"
    for r in ["5", "20"]:
        probes[f"start-up with r = {r} ohms, then S"] = "\n" * 4 + r + "\n" + "\n" * 16 + "s\n" + "\n" * 16 + "f\n"
    for name, keys in probes.items():
        out, _ = headless(msa, keys)
        msgs = [s[3].strip() for s in screens(out) if len(s) > 3 and " en te =" in s[3]]
        print(f"| {name} | {msgs[0] if msgs else 'no stop'} |")


def plot(table, ext, path):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    h = np.array([t[0] for t in table])
    fig, ax = plt.subplots(1, 2, figsize=(10, 4))
    ax[0].loglog(h, np.abs([t[1] for t in table]) + 1e-6, "o-", label="msa (float state)")
    ax[0].loglog([e[0] for e in ext], np.abs([e[1] for e in ext]) + 1e-6, "s--", label="extended state")
    ax[1].loglog(h, np.abs([t[2] for t in table]) + 1e-7, "o-", label="msa (float state)")
    ax[1].loglog([e[0] for e in ext], np.abs([e[2] for e in ext]) + 1e-7, "s--", label="extended state")
    for a, what in zip(ax, ["|speed error| at 3.2 s (r/min)", "|Idc error| at 3.2 s (%)"]):
        a.axvspan(1e-4, 1e-3, color="green", alpha=0.1, label="advised steps")
        a.axvline(5e-4, color="grey", lw=0.8)
        a.set_xlabel("time step (s)")
        a.set_ylabel(what)
        a.grid(True, which="both", alpha=0.3)
        a.legend(fontsize=8)
    fig.tight_layout()
    fig.savefig(path, dpi=90)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    quick = "--quick" in sys.argv
    msa = os.path.abspath(args[0] if args else os.path.join(ROOT, "build", "msa-headless"))
    with tempfile.TemporaryDirectory() as work:
        ref = build_reference(work)
        agreement(msa, ref, work)
        table, ext, _ = step_study(msa, ref, work, quick)
        plot(table, ext, os.path.join(ROOT, "docs", "validation-steps.png"))
        energy(ref)
        consistency(msa, work)
        limits(msa)


if __name__ == "__main__":
    main()
