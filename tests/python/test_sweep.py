"""A sweep gives the same outcomes, in the grid's order, run here, in a
process pool and on a Dask cluster; a point whose study stops keeps its stop."""
import functools
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import msa

# 200 speeds at a current where the model stops at about two thirds of them,
# for two different reasons.
SPEEDS = msa.grid(speed=[float(v) for v in np.linspace(100, 4000, 200)])
STUDY = functools.partial(msa.excitation, msa.Device(), msa.State(), Idc=30)


def digest(outcomes):
    """What must agree: each point, its results or its stop, the state reached."""
    return [(o.point, o.result.iterations if o.ok else (o.stop.reason, o.stop.message, o.stop.result.iterations),
             o.result.state if o.ok else o.stop.state)
            for o in outcomes]


@pytest.fixture(scope="module")
def here():
    msa.set_language("en")
    outcomes = msa.sweep(STUDY, SPEEDS, ThreadPoolExecutor(1))
    assert [o.point for o in outcomes] == SPEEDS
    assert {o.stop.reason for o in outcomes if not o.ok} == {"mu_above_60", "alpha_undefined"}
    assert 0 < sum(o.ok for o in outcomes) < len(SPEEDS)
    return digest(outcomes)


def test_process_pool_agrees(here):
    msa.set_language("en")  # the workers word the stops in the caller's language
    assert digest(msa.sweep(STUDY, SPEEDS, workers=2)) == here


def test_dask_cluster_agrees(here):
    distributed = pytest.importorskip("distributed")
    msa.set_language("en")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=None,
                                  silence_logs=50) as cluster, distributed.Client(cluster) as client:
        assert digest(msa.sweep(STUDY, SPEEDS, client.get_executor())) == here
