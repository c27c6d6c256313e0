"""pandas for the runs: a run's rows as a DataFrame."""


def run_frame(columns, names):
    """The columns as a DataFrame, in the order of names (the data file's)."""
    try:
        import pandas
    except ImportError as missing:
        raise ImportError("Run.to_pandas needs pandas (Debian: python3-pandas)") from missing
    return pandas.DataFrame({name: columns[name] for name in names})
