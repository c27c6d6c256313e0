"""pandas for the runs: a run's rows as a DataFrame."""
from .results import COLUMNS


def run_frame(run):
    """The run's rows with the data file's columns, in its order."""
    try:
        import pandas
    except ImportError as missing:
        raise ImportError("Run.to_pandas needs pandas (Debian: python3-pandas)") from missing
    return pandas.DataFrame({name: run.columns[name] for name in COLUMNS})
