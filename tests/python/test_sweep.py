"""velmora.sweep(): a grid of runs on C++ threads."""

import numpy as np
import pytest

import velmora

WAVELENGTHS = np.array([800.0, 1064.0, 1550.0])
RADII = np.array([3.0, 10.0, 20.0, 31.5])


def test_sweep_equals_a_loop_of_run_in_grid_order():
    r = velmora.sweep("modes.solve", {"lambda_nm": WAVELENGTHS, "a_um": RADII}, n2=1.449)
    assert r["v"].shape == r["mode_count"].shape == (3, 4)
    assert r["v"].dtype == np.float64
    for i, lam in enumerate(WAVELENGTHS):
        for j, a in enumerate(RADII):
            out = velmora.run("modes.solve", lambda_nm=lam, a_um=a, n2=1.449)["outputs"]
            assert r["v"][i, j] == out["v"]["value"]
            assert r["mode_count"][i, j] == out["mode_count"]["value"]
    assert r["refused"] == []


def test_thread_count_does_not_change_a_bit():
    grid = {"lambda_nm": np.linspace(900, 1700, 40), "a_um": RADII}
    one = velmora.sweep("modes.solve", grid, threads=1)
    two = velmora.sweep("modes.solve", grid, threads=2)
    for key in ("v", "mode_count"):
        np.testing.assert_array_equal(one[key], two[key])


def test_refused_points_are_nan_and_listed_with_their_notice():
    n2 = np.array([1.44, 1.46, 1.45])  # 1.46 lies above the default n1 = 1.4512
    r = velmora.sweep("modes.solve", {"n2": n2}, outputs=["mode_count"])
    assert list(r) == ["mode_count", "refused"]
    assert np.isnan(r["mode_count"][1]) and not np.isnan(r["mode_count"][[0, 2]]).any()
    [(index, notice)] = r["refused"]
    assert index == (1,) and notice.startswith("n1:")


@pytest.mark.parametrize("swept,kwargs,key", [
    ({"a_um": RADII}, {"outputs": ["neff"]}, "neff"),  # a curve, not a scalar
    ({"a_um": RADII}, {"outputs": ["bogus"]}, "bogus"),
    ({"a_um": RADII}, {"a_um": 20}, "a_um"),  # swept and fixed
    ({"a_um": np.ones((2, 2))}, {}, "a_um"),  # not 1-D
    ({"a_um": []}, {}, "a_um"),
    ({"a_um": RADII}, {"threads": 0}, "threads"),
])
def test_a_malformed_sweep_raises_input_error_naming_the_key(swept, kwargs, key):
    with pytest.raises(velmora.InputError, match=key):
        velmora.sweep("modes.solve", swept, **kwargs)
