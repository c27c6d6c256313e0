"""Ctrl+C stops a long run after its step, as Escape does in the program,
and the interpreter gets its KeyboardInterrupt (a behaviour check: the bound
is generous, not a speed target)."""
import os
import signal
import subprocess
import sys
import time

# Python's own Ctrl+C handler, as in a terminal or a notebook: a suite started
# in the background inherits SIGINT ignored, and Python then installs none.
CHILD = """
import signal, sys, time, warnings
signal.signal(signal.SIGINT, signal.default_int_handler)
import msa
warnings.simplefilter("ignore")
session = msa.Session()
session.excitation()
print("running", flush=True)
try:
    session.simulate(teinc=1e-6)
except KeyboardInterrupt as stop:
    print(time.monotonic(), type(stop).__name__, stop.reason, stop.result.steps, session.state.te, flush=True)
    print(stop.message, flush=True)
"""


def test_sigint_ends_a_run_within_half_a_second():
    child = subprocess.Popen([sys.executable, "-c", CHILD], stdout=subprocess.PIPE, text=True,
                             env=dict(os.environ, MSA_LANG="en"))
    try:
        assert child.stdout.readline() == "running\n"
        time.sleep(0.3)  # well into the run's 3.4 million steps
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        report = child.stdout.readline().split()
        message = child.stdout.readline()
        assert child.wait(timeout=10) == 0
    finally:
        child.kill()
    assert float(report[0]) - sent < 0.5
    assert report[1:3] == ["Interrupted", "requested"] and int(report[3]) > 0 and float(report[4]) > -0.05
    assert message.startswith(" stop requested at te =")
