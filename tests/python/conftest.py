"""Shared helpers of the velmora module tests."""

import json
import os
import subprocess

import numpy as np
import pytest

import velmora

SOURCE_DIR = os.environ.get(
    "VELMORA_SOURCE_DIR", os.path.normpath(os.path.join(os.path.dirname(__file__), "..", "..")))


def calculator_ids():
    return [c["id"] for c in velmora.calculators()]


@pytest.fixture(scope="session")
def cli():
    """velmora-cli's JSON for (command, id): `run ID` or `describe ID`; None without the program."""
    path = os.environ.get("VELMORA_CLI")
    if not path:
        return None

    def call(command, calculator_id):
        out = subprocess.run([path, command, calculator_id, "--format", "json", "--lang", "en"],
                             check=True, capture_output=True, text=True)
        return json.loads(out.stdout)

    return call


def same_value(a, b):
    """Equal numbers or arrays, NaN equal to NaN; equal lists of names."""
    if any(isinstance(v, list) and v and isinstance(v[0], str) for v in (a, b)):
        return list(a) == list(b)
    a, b = np.asarray(a, dtype=float), np.asarray(b, dtype=float)
    return a.shape == b.shape and bool(np.array_equal(a, b, equal_nan=True))
