"""The direct calls: mode set, field map and MI threshold against independent values."""

import math

import mpmath
import numpy as np
import pytest

import velmora

# The 20 um fiber of the fiber-mode page (V = 6.87).
A_UM, LAMBDA_NM, N1, N2 = 20.0, 1080.0, 1.4512, 1.45
SAMPLES = 10000
GRID_STEP = (N1 - N2) / (SAMPLES - 1)
# The page's Bessel routines are polynomial fits with absolute errors near
# 1e-8; a root of the eigenvalue equation moves by far less than a grid step.
ROOT_SLACK = 1e-3 * GRID_STEP
BESSEL_ABS = 1e-6  # field values of order 1 built from fits good to ~1e-8


def exact_root(m, neff_grid):
    """The LP_m eigenvalue (Gloge 1971) bracketed by the grid sample below neff_grid."""
    k0a = 2 * mpmath.pi / (LAMBDA_NM * 1e-9) * (A_UM * 1e-6)

    def f(neff):
        u = k0a * mpmath.sqrt(N1**2 - neff**2)
        w = k0a * mpmath.sqrt(neff**2 - N2**2)
        return (u * mpmath.besselj(m + 1, u) / mpmath.besselj(m, u)
                - w * mpmath.besselk(m + 1, w) / mpmath.besselk(m, w))

    return float(mpmath.findroot(f, (neff_grid - GRID_STEP, neff_grid), solver="anderson"))


def test_modes_of_the_20um_fiber_are_the_published_seven_in_table_order():
    r = velmora.modes(A_UM, LAMBDA_NM, N1, N2)
    labels = [f"{m}{n}" for m, n in zip(r["m"], r["n"])]
    assert labels == ["01", "02", "11", "12", "21", "31", "41"]
    assert r["mode_count"] == 7
    assert r["v"] == pytest.approx(6.865, abs=5e-4)
    assert r["m"].dtype == np.int64 and r["neff"].dtype == np.float64


def test_each_mode_index_is_the_grid_sample_just_above_the_exact_root():
    r = velmora.modes(A_UM, LAMBDA_NM, N1, N2)
    for m, neff in zip(r["m"], r["neff"]):
        root = exact_root(int(m), float(neff))
        assert -ROOT_SLACK <= neff - root <= GRID_STEP + ROOT_SLACK, (m, neff, root)


def test_beta_is_neff_times_k0():
    r = velmora.modes(A_UM, LAMBDA_NM, N1, N2)
    k0 = 2 * math.pi / (LAMBDA_NM * 1e-9)
    np.testing.assert_allclose(r["beta"], r["neff"] * k0, rtol=1e-15)


def test_field_map_is_a_501_square_owned_by_numpy_without_a_copy():
    grid = velmora.field_map(A_UM, LAMBDA_NM, N1, N2, m=1, n=1)
    assert grid.shape == (501, 501) and grid.dtype == np.float64
    assert grid.flags["C_CONTIGUOUS"] and not grid.flags["OWNDATA"]
    assert grid.max() == pytest.approx(1.0, abs=1e-15)


def lp11_amplitude():
    """J_1(U r/a) cos(theta) in the core, J_1(U) K_1(W r/a)/K_1(W) cos(theta) outside."""
    modes = velmora.modes(A_UM, LAMBDA_NM, N1, N2)
    neff = float(modes["neff"][(modes["m"] == 1) & (modes["n"] == 1)][0])
    a = A_UM * 1e-6
    k0a = 2 * mpmath.pi / (LAMBDA_NM * 1e-9) * a
    u = k0a * mpmath.sqrt(N1**2 - neff**2)
    w = k0a * mpmath.sqrt(neff**2 - N2**2)

    def amplitude(i, j):
        x, y = i * (4 * a / 500) - 2 * a, j * (4 * a / 500) - 2 * a
        rho, theta = math.hypot(x, y) / a, math.atan2(x, y)
        radial = (mpmath.besselj(1, u * rho) if rho < 1 else
                  mpmath.besselj(1, u) * mpmath.besselk(1, w * rho) / mpmath.besselk(1, w))
        return float(radial) * math.cos(theta)

    return amplitude


def test_lp11_intensity_follows_the_bessel_field():
    amplitude = lp11_amplitude()
    grid = velmora.field_map(A_UM, LAMBDA_NM, N1, N2, m=1, n=1)
    # The grid's peak lies on the line i = 250 (theta = 0 is j's direction),
    # at the maximum of J_1(U rho) over the grid points of that line.
    peak = max(amplitude(250, k) ** 2 for k in range(251, 501))
    for i, j in [(250, 300), (180, 260), (420, 330), (60, 470)]:  # core, core, cladding, cladding
        assert grid[i, j] == pytest.approx(amplitude(i, j) ** 2 / peak, abs=BESSEL_ABS), (i, j)


def test_tmi_threshold_reproduces_the_published_defaults():
    r = velmora.tmi_threshold()
    assert r["p_th_w"] == 179
    assert r["chi_max_per_w"] == pytest.approx(0.1433, abs=5e-5)
    assert r["v"] == pytest.approx(5.3147, abs=5e-5)
    assert r["shift_khz"].shape == r["chi_per_w"].shape == (101,)
    assert r["power_w"][0] == 50 and r["power_w"][-1] == 179
    assert r["xi"].shape == r["power_w"].shape


@pytest.mark.parametrize("call,key", [
    (lambda: velmora.modes(-1, LAMBDA_NM, N1, N2), "a_um"),
    (lambda: velmora.modes(A_UM, float("nan"), N1, N2), "lambda_nm"),
    (lambda: velmora.modes(A_UM, LAMBDA_NM, 1.44, 1.45), "n1"),
    (lambda: velmora.field_map(A_UM, LAMBDA_NM, N1, N2, m=5, n=1), "n"),
    (lambda: velmora.field_map(A_UM, LAMBDA_NM, N1, N2, kind="power"), "kind"),
    (lambda: velmora.tmi_threshold(a_um=3), "a_um"),
    (lambda: velmora.tmi_threshold(kappa_w_mk=0), "kappa_w_mk"),
])
def test_refused_physics_input_raises_input_error_naming_the_key(call, key):
    with pytest.raises(velmora.InputError, match=f"^{key}:") as error:
        call()
    assert error.value.key == key
    assert isinstance(error.value, ValueError)


def test_tmi_threshold_equals_the_calculator_with_the_same_inputs():
    inputs = dict(a_um=20, doped_um=18, na=0.05, lambda_p_nm=940)
    direct = velmora.tmi_threshold(**inputs)
    page = velmora.run("tmi.threshold", **inputs)["outputs"]
    for key in ("p_th_w", "chi_max_per_w", "peak_shift_khz", "shift_khz", "chi_per_w", "xi"):
        np.testing.assert_array_equal(direct[key], page[key]["value"], err_msg=key)
