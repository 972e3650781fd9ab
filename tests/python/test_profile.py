"""modes.profile from Python: name columns as lists of str, leaky rows with loss."""

import numpy as np
import pytest

import velmora

from conftest import calculator_ids

needs_profile = pytest.mark.skipif("modes.profile" not in calculator_ids(),
                                   reason="this build has no profile-mode calculator")


@needs_profile
def test_trench_bounded_fiber_lists_lp02_as_leaky_with_its_loss():
    r = velmora.run("modes.profile", layers="4:1.44,20:1.41", n_clad=1.43, lambda_nm=1600)
    out = r["outputs"]
    names, kinds = out["mode"]["value"], out["kind"]["value"]
    assert all(isinstance(name, str) for name in names)
    row = names.index("LP02")
    assert kinds[row] == "leaky"
    assert out["loss_db_km"]["value"][row] == pytest.approx(368.36, abs=0.05)
    assert out["neff"]["value"][row] == pytest.approx(1.4137165450786, abs=1e-12)
    guided = [i for i, k in enumerate(kinds) if k == "guided"]
    assert np.all(np.asarray(out["loss_db_km"]["value"])[guided] == 0)


@needs_profile
def test_power_law_reports_its_convergence_check():
    r = velmora.run("modes.profile", profile="power_law", a_um=10, n1=1.46, n2=1.45, alpha=1,
                    lambda_nm=1064)
    out = r["outputs"]
    assert out["count"]["value"] == 6
    assert out["convergence"]["value"] < 1e-10
