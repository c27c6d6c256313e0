"""A family of transients on a Dask cluster: the final speed and dc current
the drive reaches for a range of final supply voltages, each a menu S from
the state the program reaches at start-up, run on the cluster's workers.

    PYTHONPATH=build/python /usr/bin/python3 examples/dask_sweep.py [SCHEDULER]

Without an address it starts a LocalCluster of two worker processes on this
machine; with one (tcp://host:8786) it uses that cluster, whose workers must
import msa (same version, same Python). msa.sweep takes any executor with
the concurrent.futures interface: here the client's get_executor(). The
points come back in order; a voltage whose run the model stops is printed
with its stop.
"""
import sys

import numpy as np
from distributed import Client, LocalCluster

import msa


def main():
    session = msa.Session()
    session.excitation()
    # Sent to the workers with each chunk of points: the records pickle exactly.
    device, state, settings = session.device, session.state, session.settings

    def final_point(Udcfin):
        run = msa.simulate(device, state, settings, Udcfin=Udcfin)
        return run.state.status["speed"], run.state.Idc

    if len(sys.argv) > 1:
        client = Client(sys.argv[1])
    else:
        client = Client(LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=None))
    with client:
        outcomes = msa.sweep(final_point, msa.grid(Udcfin=np.arange(100.0, 221.0, 10.0)), client.get_executor())
    print(f"{'Udcfin (V)':>10} {'speed (r/min)':>14} {'Idc (A)':>10}")
    for outcome in outcomes:
        Udcfin = outcome.point["Udcfin"]
        if outcome.ok:
            speed, Idc = outcome.result
            print(f"{Udcfin:10g} {msa.format_number(speed):>14} {msa.format_number(Idc):>10}")
        else:
            print(f"{Udcfin:10g}  {outcome.stop}")


if __name__ == "__main__":
    main()
