"""velmora.calculators() and velmora.run(): the catalogue from Python."""

import math

import numpy as np
import pytest

import velmora
from conftest import calculator_ids, same_value


def test_catalogue_lists_every_page_with_unique_ids_and_described_fields():
    descriptions = velmora.calculators()
    ids = [c["id"] for c in descriptions]
    assert len(ids) == len(set(ids))
    assert "optics.refraction" in ids
    for c in descriptions:
        assert c["title"]["zh"] and c["title"]["en"] and c["outputs"]
        assert velmora.describe(c["id"]) == c
        for field in c["inputs"]:
            assert field["role"] in ("input", "linked") and isinstance(field["default"], str)


@pytest.mark.parametrize("calculator_id", calculator_ids())
def test_defaults_give_the_values_and_texts_of_the_command_line(calculator_id, cli):
    ours = velmora.run(calculator_id)
    assert ours["calculator"] == calculator_id
    description = velmora.describe(calculator_id)
    assert set(ours["inputs"]) == {f["key"] for f in description["inputs"]}
    if cli is None:
        pytest.skip("this build has no velmora-cli to compare with")
    theirs = cli("run", calculator_id)
    assert ours["inputs"] == theirs["inputs"]
    assert [k for k in ours["outputs"] if k in theirs["outputs"]] == list(theirs["outputs"])
    for key, other in theirs["outputs"].items():
        out = ours["outputs"][key]
        assert out["text"] == other.get("text", out["text"]), key  # arrays: no text there
        assert out["unit"] == other["unit"], key
        assert np.shape(out["value"]) == tuple(other.get("shape", ())), key
        assert same_value(out["value"], other["value"]), key
    assert [(n["key"], n["text"]) for n in ours["notices"]] == \
        [(n["key"], n["text"]) for n in theirs["notices"]]
    described = cli("describe", calculator_id)
    for part in ("inputs", "outputs"):
        for mine, other in zip(description[part], described[part], strict=True):
            assert {k: mine[k] for k in other} == other


def test_numbers_reach_the_calculator_with_every_digit():
    as_text = velmora.run("optics.refraction", n1="1.45", theta1_deg="25.5")
    for n1, theta in [(1.45, 25.5), (np.float64(1.45), np.float32(25.5)), ("1.45", 25.5)]:
        r = velmora.run("optics.refraction", n1=n1, theta1_deg=theta)
        assert r["outputs"] == as_text["outputs"]
        assert r["inputs"]["n1"] == 1.45
    # One ulp above 1.45: the text must carry the last bit.
    above = math.nextafter(1.45, 2)
    assert velmora.run("optics.refraction", n1=above)["inputs"]["n1"] == above


@pytest.mark.parametrize("inputs,key", [
    ({"n1": 0.5}, "n1"),  # below the accepted range of an index
    ({"n1": ""}, "n1"),  # an empty required field
    ({"n2": "ten"}, "n2"),  # not a number
    ({"radius": 1}, "radius"),  # not an input of this calculator
    ({"theta2_deg": 3}, "theta2_deg"),  # an output
    ({"n1": [1.5]}, "n1"),  # not a number or a string
])
def test_refused_inputs_raise_input_error_naming_the_key(inputs, key):
    with pytest.raises(velmora.InputError, match=key) as error:
        velmora.run("optics.refraction", **inputs)
    assert error.value.key == key


@pytest.mark.parametrize("calculator_id", calculator_ids())
def test_a_value_outside_the_accepted_range_is_refused_on_every_calculator(calculator_id):
    bounded = [f for f in velmora.describe(calculator_id)["inputs"]
               if f["kind"] == "number" and f["max"] is not None and math.isfinite(f["max"])]
    if not bounded:
        pytest.skip("no bounded input")
    field = bounded[0]
    with pytest.raises(velmora.InputError, match=field["key"]):
        velmora.run(calculator_id, **{field["key"]: 2 * abs(field["max"]) + 1})


def test_an_unknown_calculator_is_refused():
    with pytest.raises(velmora.InputError, match="nonexistent"):
        velmora.run("modes.nonexistent")


@pytest.mark.parametrize("name,calculator_id", [("exact_modes", "modes.exact"),
                                                ("amplifier", "amp.steady_state")])
def test_a_shortcut_returns_its_calculators_output_values(name, calculator_id):
    if calculator_id not in calculator_ids():
        assert not hasattr(velmora, name)
        return
    values = getattr(velmora, name)()
    outputs = velmora.run(calculator_id)["outputs"]
    assert list(values) == list(outputs)
    assert all(same_value(values[k], outputs[k]["value"]) for k in values)


def test_curves_and_maps_are_float_arrays_of_the_stated_shape_without_a_copy():
    if "modes.field_map" not in calculator_ids():
        pytest.skip("the fiber-mode calculators are not in this build yet")
    solved = velmora.run("modes.solve")["outputs"]
    assert solved["neff"]["value"].shape == (solved["mode_count"]["value"],)
    assert solved["neff"]["value"].dtype == np.float64
    field = velmora.run("modes.field_map", mode=2)["outputs"]  # LP11, the third row
    grid = field["map"]["value"]
    assert grid.shape == (501, 501) and grid.dtype == np.float64
    assert not grid.flags["OWNDATA"]  # numpy holds the calculator's own storage
    assert (field["m"]["value"], field["n"]["value"]) == (1, 1)
    np.testing.assert_array_equal(grid, velmora.field_map(20, 1080, 1.4512, 1.45, m=1, n=1))


def test_choices_take_their_ascii_ids_and_are_echoed_as_ids():
    short = {"ase_bins": 10, "length_m": 1}
    by_id = velmora.run("amp.steady_state", mode="laser", pump_guide="cladding", **short)
    by_text = velmora.run("amp.steady_state", mode="激光器", pump_guide="包层泵浦", **short)
    assert by_id["inputs"]["mode"] == by_text["inputs"]["mode"] == "laser"
    assert by_id["outputs"]["signal_out_w"]["value"] == by_text["outputs"]["signal_out_w"]["value"]
    mode = next(f for f in velmora.describe("amp.steady_state")["inputs"] if f["key"] == "mode")
    assert mode["choice_ids"] == ["amplifier", "laser"]
    with pytest.raises(velmora.InputError, match="amplifier"):
        velmora.run("amp.steady_state", mode="lasers")


def test_counts_are_ints_and_non_convergence_is_a_solver_error_not_an_input_error():
    result = velmora.run("amp.steady_state")
    for key in ("iterations", "grid_steps"):
        value = result["outputs"][key]["value"]
        assert isinstance(value, int) and not isinstance(value, bool), key
    assert isinstance(result["outputs"]["signal_out_w"]["value"], float)
    assert issubclass(velmora.SolverError, RuntimeError)
    assert not issubclass(velmora.SolverError, ValueError)
    # A refused input stays an InputError (a closed lossless cavity).
    with pytest.raises(velmora.InputError) as error:
        velmora.run("amp.steady_state", mode="激光器", r1=1, r2=1)
    assert error.value.key == "r2"


def test_mode_tables_name_their_rows_and_mark_modes_near_cutoff():
    if "modes.exact" not in calculator_ids():
        pytest.skip("the exact-mode calculator is not in this build")
    vector = velmora.run("modes.exact", vector=1)["outputs"]
    names = vector["mode"]["value"]
    assert names[:2] == ["LP01", "HE11"] and "TE01" in names and "TM01" in names
    assert len(names) == len(vector["m"]["value"])
    edge = velmora.run("modes.exact", a_um=10, n1=1.451456, n2=1.45, lambda_nm=1064)["outputs"]
    assert edge["mode"]["value"][1] == "LP02" and edge["note"]["value"][1] == "near cut-off"
    assert isinstance(edge["count"]["value"], int)
    solved = velmora.run("modes.solve")["outputs"]
    assert solved["mode"]["value"][0] == "LP01"
    assert isinstance(solved["mode_count"]["value"], int)
