"""Speed of the Python module (a benchmark to run by hand, not a test):

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py [--rounds N]

1. The default simulation from Python (msa.simulate from the state after
   start-up, every answer kept: 6,501 steps) against msa-bench's
   DefaultSimulation, run alternately, several rounds; the processor time of
   one run, the median of each round. msa-bench draws the diagram as it goes;
   a Python run does not, but converts every row to the data file's units
   into numpy columns.
2. A sweep of 1,000 simulations (Udcfin from 120 to 180 V, a 1 s transient
   each, the final state returned) on one process and on two, alternately;
   wall time, starting the processes included, and the processor time the
   workers got over it (a shared machine gives them less than asked).
"""
import argparse
import json
import os
import pathlib
import statistics
import subprocess
import time

import numpy as np

import msa

ROOT = pathlib.Path(__file__).resolve().parents[1]
SESSION = msa.Session()
SESSION.excitation()
SWEEP = msa.grid(Udcfin=[float(v) for v in np.linspace(120, 180, 1000)])


def python_run_ms(repeats):
    """The processor time of one default run, median of `repeats`, in ms."""
    times = []
    for _ in range(repeats):
        start = time.process_time()
        msa.simulate(SESSION.device, SESSION.state, SESSION.settings)
        times.append(time.process_time() - start)
    return statistics.median(times) * 1e3


def bench_run_ms(bench):
    out = subprocess.run([bench, "--benchmark_filter=^DefaultSimulation$", "--benchmark_format=json",
                          "--benchmark_min_time=1"], capture_output=True, text=True, check=True).stdout
    result = json.loads(out)["benchmarks"][0]
    assert result["time_unit"] == "ms"
    return result["cpu_time"]


def final_state(Udcfin):
    """One point of the sweep: a 1 s transient to Udcfin, its final state."""
    return msa.simulate(SESSION.device, SESSION.state, SESSION.settings, Udcfin=Udcfin, temax=1.0).state


def sweep_s(workers):
    """Wall time of the sweep, and the processor time its workers used."""
    start, before = time.perf_counter(), os.times()
    outcomes = msa.sweep(final_state, SWEEP, workers=workers)
    wall, after = time.perf_counter() - start, os.times()
    assert len(outcomes) == len(SWEEP) and all(o.ok for o in outcomes)
    return wall, (after.children_user + after.children_system) - (before.children_user + before.children_system)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--bench", default=str(ROOT / "build" / "bench" / "msa-bench"))
    args = parser.parse_args()
    python_run_ms(3)  # numpy and the caches warm
    print(f"default simulation, processor time of one run (ms); {os.cpu_count()} processors")
    for round_ in range(args.rounds):
        ours = python_run_ms(50)
        theirs = bench_run_ms(args.bench)
        print(f"  round {round_ + 1}: Python {ours:6.2f}   msa-bench {theirs:6.2f}   ratio {ours / theirs:5.3f}")
    # On a shared machine the workers get what the others leave: their
    # processor time over the wall time says how many processors they had.
    print("sweep of 1,000 one-second transients, wall time (s) [processors the workers had]")
    for round_ in range(args.rounds):
        (one, cpu_one), (two, cpu_two) = sweep_s(1), sweep_s(2)
        print(f"  round {round_ + 1}: 1 process {one:6.2f} [{cpu_one / one:4.2f}]   2 processes {two:6.2f} "
              f"[{cpu_two / two:4.2f}]   speed-up {one / two:4.2f}   load {os.getloadavg()[0]:.1f}")


if __name__ == "__main__":
    main()
