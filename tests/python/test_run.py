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
    assert {"modes.solve", "tmi.threshold"} <= set(ids)
    for c in descriptions:
        assert c["title"]["zh"] and c["title"]["en"] and c["outputs"]
        assert velmora.describe(c["id"]) == c
        for field in c["inputs"]:
            assert field["role"] in ("input", "linked") and isinstance(field["default"], str)


@pytest.mark.parametrize("calculator_id", calculator_ids())
def test_defaults_give_the_values_and_texts_of_the_command_line(calculator_id, cli):
    ours = velmora.run(calculator_id)
    assert ours["calculator"] == calculator_id
    spec = velmora.describe(calculator_id)
    assert set(ours["inputs"]) == {f["key"] for f in spec["inputs"]}
    if cli is None:
        pytest.skip("this build has no velmora-cli to compare with")
    theirs = cli(calculator_id)
    assert set(ours["outputs"]) == set(theirs["outputs"])
    for key, out in ours["outputs"].items():
        assert out["text"] == theirs["outputs"][key]["text"], key
        assert out["unit"] == theirs["outputs"][key]["unit"], key
        assert same_value(out["value"], theirs["outputs"][key]["value"]), key
    assert len(ours["notices"]) == len(theirs["notices"])


def test_numbers_reach_the_calculator_with_every_digit():
    as_text = velmora.run("modes.solve", a_um="20", lambda_nm="1064.25")
    for a, lam in [(20, 1064.25), (20.0, np.float64(1064.25)), (np.int32(20), 1064.25)]:
        r = velmora.run("modes.solve", a_um=a, lambda_nm=lam)
        assert r["outputs"]["v"]["text"] == as_text["outputs"]["v"]["text"]
        assert r["inputs"]["lambda_nm"] == 1064.25
    # 0.1 + 0.2 is not 0.3: the text must carry the last bit.
    r = velmora.run("modes.solve", lambda_nm=1000 * (0.1 + 0.2) + 700)
    assert r["inputs"]["lambda_nm"] == 1000 * (0.1 + 0.2) + 700


def test_curves_and_maps_are_float_arrays_of_the_stated_shape():
    solved = velmora.run("modes.solve")["outputs"]
    assert solved["neff"]["value"].shape == (solved["mode_count"]["value"],)
    assert solved["neff"]["value"].dtype == np.float64
    field = velmora.run("modes.field_map", mode=2)["outputs"]
    grids = [o["value"] for o in field.values() if np.ndim(o["value"]) == 2]
    assert grids and all(g.shape == (501, 501) and not g.flags["OWNDATA"] for g in grids)


@pytest.mark.parametrize("inputs,key", [
    ({"n1": 1.44, "n2": 1.45}, "n1"),  # the page: core index below the cladding index
    ({"a_um": 60}, "a_um"),  # above the tab's 50 um
    ({"a_um": ""}, "a_um"),  # an empty required field
    ({"lambda_nm": "ten"}, "lambda_nm"),  # not a number
    ({"radius": 1}, "radius"),  # not an input of modes.solve
    ({"v": 3}, "v"),  # an output
    ({"a_um": [20]}, "a_um"),  # not a number or a string
])
def test_refused_inputs_raise_input_error_naming_the_key(inputs, key):
    with pytest.raises(velmora.InputError, match=key) as error:
        velmora.run("modes.solve", **inputs)
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
