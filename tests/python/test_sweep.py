"""velmora.sweep(): a grid of runs on C++ threads."""

import os
import signal
import threading

import numpy as np
import pytest

import velmora
from conftest import same_value

INDICES = np.array([1.2, 1.45, 1.6])
ANGLES = np.array([0.0, 20.0, 44.5, 60.0])


def test_sweep_equals_a_loop_of_run_in_grid_order():
    # theta1_deg is linked: each point rewrites theta1_rad as the page does.
    r = velmora.sweep("optics.refraction", {"n1": INDICES, "theta1_deg": ANGLES}, n2=1.33)
    assert r["theta2_deg"].shape == r["brewster_rad"].shape == (3, 4)
    assert r["theta2_deg"].dtype == np.float64
    for i, n1 in enumerate(INDICES):
        for j, theta in enumerate(ANGLES):
            out = velmora.run("optics.refraction", n2=1.33, n1=n1, theta1_deg=theta)["outputs"]
            for key in ("theta2_deg", "brewster_rad", "critical_deg"):
                assert same_value(r[key][i, j], out[key]["value"]), (key, n1, theta)
    # Total reflection clears the refraction angle: NaN, not a refusal.
    assert np.isnan(r["theta2_deg"][2, 3]) and r["refused"] == []


def test_thread_count_does_not_change_a_bit():
    grid = {"n1": np.linspace(1.0, 2.0, 50), "theta1_deg": ANGLES}
    one = velmora.sweep("optics.refraction", grid, threads=1)
    two = velmora.sweep("optics.refraction", grid, threads=2)
    for key in one:
        np.testing.assert_array_equal(one[key], two[key]) if key != "refused" else None


@pytest.mark.parametrize("swept,kwargs,key", [
    ({"n1": INDICES}, {"outputs": ["bogus"]}, "bogus"),
    ({"n1": INDICES}, {"outputs": ["n2"]}, "n2"),  # an input, not an output
    ({"n1": INDICES}, {"n1": 1.5}, "n1"),  # swept and fixed
    ({"n1": np.ones((2, 2))}, {}, "n1"),  # not 1-D
    ({"n1": []}, {}, "n1"),
    ({"n1": [1.5, 7.0]}, {}, "n1"),  # 7 lies outside the accepted range
    ({"n1": ["a"]}, {}, "n1"),
    ({"n1": INDICES}, {"threads": 0}, "threads"),
])
def test_a_malformed_sweep_raises_input_error_naming_the_key(swept, kwargs, key):
    with pytest.raises(velmora.InputError, match=key):
        velmora.sweep("optics.refraction", swept, **kwargs)


def test_refused_points_are_nan_and_listed_with_their_notice():
    # A 3 um core is single-mode (V = 1.06): the page refuses it, 15 um is its default.
    r = velmora.sweep("tmi.threshold", {"a_um": [15, 3]}, outputs=["p_th_w"])
    assert list(r) == ["p_th_w", "refused"]
    assert r["p_th_w"][0] == 179 and np.isnan(r["p_th_w"][1])
    [(index, notice)] = r["refused"]
    assert index == (1,) and notice.startswith("a_um:") and "multimode" in notice


def test_a_curve_output_cannot_be_swept():
    with pytest.raises(velmora.InputError, match="chi_per_w"):
        velmora.sweep("tmi.threshold", {"a_um": [15, 20]}, outputs=["chi_per_w"])


def test_ctrl_c_stops_a_long_sweep_with_keyboard_interrupt():
    # 20000 MI points take about ten seconds on two cores: a sweep that ignored
    # the interrupt would end normally, without the KeyboardInterrupt.
    timer = threading.Timer(0.5, lambda: os.kill(os.getpid(), signal.SIGINT))
    timer.start()
    try:
        with pytest.raises(KeyboardInterrupt):
            velmora.sweep("tmi.threshold", {"a_um": np.linspace(10, 30, 20000)}, threads=2)
    finally:
        timer.cancel()
