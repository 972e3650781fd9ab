"""velmora.exact_modes against the independent mpmath solve and a Bessel zero."""

import os

import mpmath
import numpy as np
import pytest

import velmora

from conftest import SOURCE_DIR, calculator_ids

REFERENCE = os.path.join(SOURCE_DIR, "tests", "physics", "data", "exactmodes_reference.txt")
# The reference is solved to 32 digits; the engine works in double precision,
# where neff near 1.45 has an ulp of 2.2e-16 and the root condition costs a few.
NEFF_TOLERANCE = 1e-12


def reference_fibers():
    """(name, a_um, lambda_nm, n1, n2, {(m, n): neff of LP_mn})."""
    fibers = []
    with open(REFERENCE, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if words and words[0] == "fiber":
                a, lam, n1, n2 = (float(w) for w in words[2:6])
                fibers.append((words[1], a * 1e6, lam * 1e9, n1, n2, {}))
            elif words and words[0] == "LP":
                fibers[-1][5][(int(words[1]), int(words[2]))] = float(words[3])
    return fibers


needs_exact = pytest.mark.skipif("modes.exact" not in calculator_ids(),
                                 reason="this build has no exact-mode calculator")


@needs_exact
@pytest.mark.parametrize("fiber", reference_fibers(), ids=lambda f: f[0])
def test_lp_indices_match_the_mpmath_solve(fiber):
    _, a_um, lambda_nm, n1, n2, expected = fiber
    r = velmora.exact_modes(a_um=a_um, lambda_nm=lambda_nm, n1=n1, n2=n2)
    got = {(int(m), int(n)): neff for m, n, neff in zip(r["m"], r["n"], r["neff"])}
    assert set(expected) <= set(got)  # the large cores list a selection of their modes
    worst = max(abs(got[k] - expected[k]) for k in expected)
    assert worst <= NEFF_TOLERANCE


@needs_exact
def test_lp11_cuts_off_at_the_first_zero_of_j0():
    r = velmora.exact_modes()
    lp11 = [i for i, (m, n) in enumerate(zip(r["m"], r["n"])) if (m, n) == (1, 1)]
    assert len(lp11) == 1
    assert r["cutoff_v"][lp11[0]] == pytest.approx(float(mpmath.besseljzero(0, 1)), abs=1e-12)
    assert np.isnan(r["cutoff_wavelength_nm"][list(zip(r["m"], r["n"])).index((0, 1))])
