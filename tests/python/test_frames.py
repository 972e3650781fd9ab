"""Results as pandas data frames: velmora.sweep(frame=True), SweepResult.to_frame()
and velmora.to_frame() of a run."""

import pickle
import sys

import numpy as np
import pytest

import velmora

pd = pytest.importorskip("pandas", reason="python3-pandas is not installed")


def test_a_sweep_frame_has_a_row_per_point_in_grid_order_with_units():
    n1 = np.array([1.3, 1.5])
    theta = np.array([0.0, 30.0, 70.0])
    r = velmora.sweep("optics.refraction", {"n1": n1, "theta1_deg": theta},
                      outputs=["theta2_deg", "critical_deg"], n2=1.2)
    df = r.to_frame()
    assert list(df.columns) == ["n1", "theta1_deg", "theta2_deg", "critical_deg", "notice"]
    assert list(df["n1"]) == [1.3] * 3 + [1.5] * 3  # the last key varies fastest
    assert list(df["theta1_deg"]) == list(theta) * 2
    np.testing.assert_array_equal(df["theta2_deg"], r["theta2_deg"].ravel())
    assert df.attrs["calculator"] == "optics.refraction"
    assert df.attrs["units"] == {"n1": "", "theta1_deg": "°", "theta2_deg": "°", "critical_deg": "°"}
    # Beyond the critical angle: no refraction angle, and the notice says why.
    beyond = df[(df.n1 == 1.5) & (df.theta1_deg == 70.0)].iloc[0]
    assert np.isnan(beyond["theta2_deg"]) and "reflection" in beyond["notice"]
    assert df["notice"].iloc[0] == ""
    pd.testing.assert_frame_equal(
        velmora.sweep("optics.refraction", {"n1": n1, "theta1_deg": theta},
                      outputs=["theta2_deg", "critical_deg"], n2=1.2, frame=True), df)


def test_refused_points_are_nan_with_their_notice():
    df = velmora.sweep("tmi.threshold", {"a_um": [15, 3]}, outputs=["p_th_w"], frame=True)
    assert df["p_th_w"].iloc[0] == 179 and np.isnan(df["p_th_w"].iloc[1])
    assert df["notice"].iloc[1].startswith("a_um:") and "multimode" in df["notice"].iloc[1]
    assert df.attrs["units"]["p_th_w"] == "W"


def test_a_sweep_result_survives_pickling_for_worker_processes():
    r = velmora.sweep("tmi.threshold", {"a_um": [15, 20]}, outputs=["p_th_w"])
    back = pickle.loads(pickle.dumps(r))
    assert isinstance(back, velmora.SweepResult) and back.notices == r.notices
    pd.testing.assert_frame_equal(back.to_frame(), r.to_frame())


def test_a_run_of_scalars_is_one_row_of_inputs_outputs_and_notice():
    runs = [velmora.run("pulse.gaussian", f_hz=f) for f in (1e4, 1e5)]
    df = pd.concat([velmora.to_frame(r) for r in runs], ignore_index=True)
    assert len(df) == 2 and list(df["f_hz"]) == [1e4, 1e5]
    assert df["energy_j"].iloc[0] == runs[0]["outputs"]["energy_j"]["value"]
    assert df.columns[-1] == "notice"
    units = velmora.to_frame(runs[0]).attrs["units"]
    assert units["f_hz"] == "Hz" and units["energy_j"] == "J"


def test_a_run_with_curves_is_one_row_per_sample():
    r = velmora.run("modes.solve")
    df = velmora.to_frame(r)
    count = int(r["outputs"]["mode_count"]["value"])
    assert len(df) == count and {"m", "n", "neff"} <= set(df.columns)
    np.testing.assert_array_equal(df["neff"], r["outputs"]["neff"]["value"])
    assert df.attrs["scalars"]["mode_count"] == count
    assert df.attrs["inputs"]["a_um"] == r["inputs"]["a_um"]


def test_without_pandas_the_message_names_the_package(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)  # import pandas now fails
    r = velmora.sweep("tmi.threshold", {"a_um": [15]}, outputs=["p_th_w"])
    with pytest.raises(ImportError, match="python3-pandas"):
        r.to_frame()
    with pytest.raises(ImportError, match="python3-pandas"):
        velmora.sweep("tmi.threshold", {"a_um": [15]}, frame=True)
    with pytest.raises(TypeError):
        velmora.to_frame({"p_th_w": 1})
