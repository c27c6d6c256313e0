"""Independent studies over a grid of parameters, in other processes or on
other machines: any executor with the concurrent.futures interface (a
process pool by default; a Dask client's client.get_executor()).

Points go out in chunks, a few per worker, so that many short studies do not
pay a round trip each; results come back in the grid's order. A point whose
study stops is reported with its stop, never dropped.
"""
import itertools
import math
import os
from collections.abc import Mapping
from concurrent.futures import ProcessPoolExecutor
from dataclasses import dataclass
from typing import Any, Optional

from .language import language, set_language
from .stops import ModelStop


@dataclass(frozen=True)
class Outcome:
    """One point of a sweep: the point, and the function's result or the
    ModelStop its study raised."""

    point: Any
    result: Any = None
    stop: Optional[ModelStop] = None

    @property
    def ok(self):
        return self.stop is None


def grid(**axes):
    """Every combination of the values given by name, as dicts, the last
    name varying fastest: grid(speed=[500, 1000], Udc=[100, 110])."""
    names = list(axes)
    return [dict(zip(names, values)) for values in itertools.product(*(axes[n] for n in names))]


class _Chunk:
    """What a worker runs: the function on a few points, in the caller's
    language (a worker process has its own)."""

    def __init__(self, function, language_code):
        self.function = function
        self.language = language_code

    def __call__(self, points):
        set_language(self.language)
        outcomes = []
        for point in points:
            try:
                result = self.function(**point) if isinstance(point, Mapping) else self.function(point)
            except ModelStop as stop:
                outcomes.append(Outcome(point, None, stop))
            else:
                outcomes.append(Outcome(point, result, None))
        return outcomes


def sweep(function, grid, executor=None, *, workers=None, chunksize=None):
    """function(point) for every point of the grid (function(**point) for a
    dict), as a list of Outcome in the grid's order.

    executor: any concurrent.futures executor; by default a process pool of
    `workers` processes (the processor count) made for this sweep. Everything
    sent must pickle: the function (a module-level one for a process pool;
    Dask pickles closures too), the points and the results (msa's do).
    chunksize: points per task (default: about four tasks per worker).
    """
    points = list(grid)
    if not points:
        return []
    count = workers or os.cpu_count() or 1
    size = chunksize or max(1, math.ceil(len(points) / (4 * count)))
    chunks = [points[i:i + size] for i in range(0, len(points), size)]
    task = _Chunk(function, language())
    if executor is None:
        with ProcessPoolExecutor(max_workers=count) as pool:
            return _gathered(pool, task, chunks)
    return _gathered(executor, task, chunks)


def _gathered(executor, task, chunks):
    futures = [executor.submit(task, chunk) for chunk in chunks]
    try:
        return [outcome for future in futures for outcome in future.result()]
    except BaseException:
        for future in futures:
            future.cancel()
        raise
