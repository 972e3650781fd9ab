"""The module against hostile values: out-of-range mode orders, numpy
arrays where numbers belong, thread counts that are no count, and results
that would not be finite."""

import math

import numpy as np
import pytest

import velmora


@pytest.mark.parametrize("m", [31, 32, 40, 1000])
def test_field_map_of_an_order_past_the_list_is_refused(m):
    with pytest.raises(velmora.InputError, match="not guided") as e:
        velmora.field_map(20, 1080, 1.4512, 1.45, m=m)
    assert e.value.key == "n"


@pytest.mark.parametrize("value", [np.array(1.5), np.float64(1.5), np.float32(1.5), 1.5])
def test_numpy_scalars_and_0d_arrays_are_numbers(value):
    r = velmora.run("optics.refraction", n1=value)
    assert r["outputs"]["theta2_deg"]["text"] == "48.5905"


@pytest.mark.parametrize("value", [np.array([1.5]), np.zeros((2, 2)), [1.5], object(), None])
def test_other_types_are_an_input_error_naming_the_key(value):
    with pytest.raises((velmora.InputError, TypeError)) as e:
        velmora.run("optics.refraction", n1=value)
    assert not isinstance(e.value, SystemError)
    assert "n1" in str(e.value)


@pytest.mark.parametrize("threads", [2.5, "2", 2**70, True, 0, -1])
def test_threads_must_be_a_count(threads):
    with pytest.raises(velmora.InputError, match="threads"):
        velmora.sweep("optics.refraction", {"n1": [1.4, 1.5]}, threads=threads)


def test_a_non_finite_point_of_a_sweep_is_refused_not_returned():
    r = velmora.sweep("pulse.gaussian", {"f_hz": [0, 1e5]}, outputs=["energy_j"])
    assert [index for index, _ in r["refused"]] == [(0,)]
    assert math.isfinite(r["energy_j"][1])


def test_long_inputs_give_short_messages():
    with pytest.raises(velmora.InputError) as e:
        velmora.run("optics.refraction", n1="x" * 10**6)
    assert len(str(e.value)) < 200


def test_tmi_without_a_crossing_says_so():
    with pytest.raises(velmora.InputError, match="no mode-instability threshold") as e:
        velmora.tmi_threshold(rin=0)
    assert e.value.key == "rin"


def test_work_above_the_cost_limit_is_refused_with_the_estimate():
    before = velmora.set_cost_limit()
    try:
        assert velmora.set_cost_limit(seconds=1) == {"seconds": 1.0, "memory_gb": before["memory_gb"]}
        with pytest.raises(velmora.InputError, match="V = 392.7") as e:
            velmora.run("modes.solve", a_um=50, lambda_nm=400, na=0.5, n2=1.45)
        assert e.value.key == "a_um"
        with pytest.raises(velmora.InputError, match="positive"):
            velmora.set_cost_limit(seconds=-1)
    finally:
        velmora.set_cost_limit(**before)


def test_ctrl_c_ends_a_long_run_at_once():
    import os
    import signal
    import subprocess
    import sys
    import time
    code = ("import velmora, sys; sys.stdout.write('go\\n'); sys.stdout.flush(); "
            "velmora.run('modes.solve', a_um=50, lambda_nm=400, na=0.5, n2=1.45)")
    p = subprocess.Popen([sys.executable, "-c", code], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True, env=dict(os.environ))
    assert p.stdout.readline() == "go\n"
    time.sleep(0.5)
    assert p.poll() is None  # still computing
    start = time.monotonic()
    p.send_signal(signal.SIGINT)
    _, err = p.communicate(timeout=30)
    assert time.monotonic() - start < 1.0  # typically 0.05 s
    assert "KeyboardInterrupt" in err
