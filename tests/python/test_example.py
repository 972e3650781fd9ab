"""examples/tmi_design_scan.py on its tiny grid: Dask and process pool equal one sweep."""

import os
import subprocess
import sys

import numpy as np

import velmora
from conftest import SOURCE_DIR

EXAMPLES = os.path.join(SOURCE_DIR, "examples")


def test_tiny_scan_on_two_dask_workers_equals_the_single_process_sweep(tmp_path):
    scan = tmp_path / "scan.npz"
    subprocess.run([sys.executable, os.path.join(EXAMPLES, "tmi_design_scan.py"), "--tiny",
                    "--method", "all", "--workers", "2", "-o", str(scan)],
                   check=True, cwd=tmp_path, timeout=600)
    with np.load(scan) as result:
        axes = [str(k) for k in result["axes"]]
        grid = {k: result[f"axis_{k}"] for k in axes}
        dask, futures = result["p_th_dask"], result["p_th_futures"]
    assert axes == ["a_um", "doped_um", "na", "lambda_p_nm"]
    expected = velmora.sweep("tmi.threshold", grid, outputs=["p_th_w"])["p_th_w"]
    assert dask.shape == (2, 2, 2, 2) and not np.isnan(expected).all()
    np.testing.assert_array_equal(dask, expected)
    np.testing.assert_array_equal(futures, expected)

    picture = tmp_path / "scan.png"
    subprocess.run([sys.executable, os.path.join(EXAMPLES, "plot_tmi_scan.py"), str(scan),
                    "-o", str(picture)], check=True, cwd=tmp_path, timeout=300)
    assert picture.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
