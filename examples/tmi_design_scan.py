#!/usr/bin/python3
"""MI threshold over a 4-D fiber design space, in one process, on Dask and with concurrent.futures.

The transverse-mode-instability threshold of a uniformly doped double-clad
amplifier (velmora's "tmi.threshold", the mode-instability page's model) is
scanned over core radius, doped radius, NA and pump wavelength; the other
inputs keep the page defaults. The same grid runs three ways:

  sweep    one process: velmora.sweep() spreads the points over C++ threads;
  dask     blocks of the grid (one per core radius) as tasks on a Dask
           LocalCluster of worker processes, each block a velmora.sweep();
  futures  the same blocks on a concurrent.futures.ProcessPoolExecutor.

All three give the same numbers bit for bit: each point is one evaluation of
the same calculator. A point the page would refuse (for example a fiber that
is not multimode) is NaN. The result is saved as a .npz file with the axes and
one threshold array per method; examples/plot_tmi_scan.py draws it.

    PYTHONPATH=build/python examples/tmi_design_scan.py --method all -o tmi_scan.npz
    examples/tmi_design_scan.py --tiny      # a 16-point grid for a quick check
"""

import argparse
import concurrent.futures
import os
import sys
import time

import numpy as np

CALCULATOR = "tmi.threshold"
OUTPUT = "p_th_w"  # the threshold power [W]

# The scanned axes, in the grid's order (input keys and page units).
GRID = {
    "a_um": np.linspace(10.0, 30.0, 11),  # core radius [um]
    "doped_um": np.array([8.0, 12.0, 16.0, 20.0, 24.0]),  # doped radius [um]
    "na": np.array([0.04, 0.05, 0.06, 0.07]),  # numerical aperture
    "lambda_p_nm": np.array([915.0, 940.0, 976.0]),  # pump wavelength [nm]
}
TINY_GRID = {
    "a_um": np.array([12.0, 20.0]),
    "doped_um": np.array([10.0, 15.0]),
    "na": np.array([0.05, 0.06]),
    "lambda_p_nm": np.array([915.0, 976.0]),
}


def import_velmora():
    """velmora from the installed module, else from the build tree beside this file."""
    try:
        import velmora
    except ImportError:
        build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "python")
        sys.path.insert(0, os.path.normpath(build))
        # Worker processes start afresh: they find the module through PYTHONPATH.
        os.environ["PYTHONPATH"] = os.pathsep.join(
            p for p in (os.path.normpath(build), os.environ.get("PYTHONPATH")) if p)
        import velmora
    return velmora


velmora = import_velmora()


def blocks(grid):
    """The grid cut along its first axis: one dict of axes per first-axis value."""
    first, *rest = grid
    return [{first: grid[first][i:i + 1], **{k: grid[k] for k in rest}}
            for i in range(len(grid[first]))]


def threshold_block(block, threads=1):
    """Thresholds of one block of the grid (runs in a worker process)."""
    import velmora  # a worker process imports the module itself

    result = velmora.sweep(CALCULATOR, block, outputs=[OUTPUT], threads=threads)
    return result[OUTPUT]


def scan_sweep(grid, threads=None):
    """The whole grid in this process on C++ threads."""
    return velmora.sweep(CALCULATOR, grid, outputs=[OUTPUT], threads=threads)[OUTPUT]


def scan_dask(grid, workers):
    """The blocks as tasks on a local Dask cluster of `workers` processes."""
    import cloudpickle
    from dask.distributed import Client, LocalCluster

    # Tasks travel by value, so the workers need not import this file.
    cloudpickle.register_pickle_by_value(sys.modules[__name__])
    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        parts = client.gather(client.map(threshold_block, blocks(grid), pure=False))
    return np.concatenate(parts, axis=0)


def scan_futures(grid, workers):
    """The blocks on a process pool of `workers` processes."""
    with concurrent.futures.ProcessPoolExecutor(max_workers=workers) as pool:
        parts = list(pool.map(threshold_block, blocks(grid)))
    return np.concatenate(parts, axis=0)


def save_atomically(path, **arrays):
    """np.savez into a temporary file beside `path`, then rename: never a partial file."""
    temporary = f"{path}.{os.getpid()}.tmp.npz"
    try:
        np.savez(temporary, **arrays)
        os.replace(temporary, path)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tiny", action="store_true", help="a 2x2x2x2 grid (tests)")
    parser.add_argument("--method", choices=["sweep", "dask", "futures", "all"], default="sweep")
    parser.add_argument("--workers", type=int, default=2, help="worker processes (dask, futures)")
    parser.add_argument("-o", "--output", default="tmi_scan.npz", help="result file (.npz)")
    args = parser.parse_args(argv)
    if args.workers < 1:
        parser.error("--workers: at least 1")

    grid = TINY_GRID if args.tiny else GRID
    methods = ["sweep", "dask", "futures"] if args.method == "all" else [args.method]
    scans = {"sweep": scan_sweep, "dask": lambda g: scan_dask(g, args.workers),
             "futures": lambda g: scan_futures(g, args.workers)}
    points = int(np.prod([len(v) for v in grid.values()]))
    results = {}
    for method in methods:
        start = time.perf_counter()
        results[method] = scans[method](grid)
        print(f"{method:8s} {points} points in {time.perf_counter() - start:6.1f} s,"
              f" P_th {np.nanmin(results[method]):.0f} to {np.nanmax(results[method]):.0f} W,"
              f" {int(np.isnan(results[method]).sum())} refused")
    save_atomically(args.output, **{f"axis_{k}": v for k, v in grid.items()},
                    axes=np.array(list(grid)), **{f"p_th_{m}": r for m, r in results.items()})
    print(f"saved {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
