#!/usr/bin/python3
"""Per-call times of the velmora Python module (run by hand, not a test).

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py [--bench build/bin/velmora_bench]

Prints the median time per call of velmora.modes() for the 20 um default
fiber, velmora.run("tmi.threshold") with the page defaults and a 1000-point
velmora.sweep() of modes.solve over wavelength. When the C++ benchmark binary
is there, it also runs the matching C++ benchmarks (BM_SolveModes/20,
BM_ModeInstability) and prints the Python call overhead above them.
Goals: overhead under 20 us; the 1000-point mode sweep under 0.1 s on two cores.
Use the Release build.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time

import numpy as np

import velmora

REPEATS = 7


def median_seconds(call, min_time=0.2, clock=time.perf_counter):
    """Median over REPEATS runs of the time per call, each run at least min_time long.

    clock=time.thread_time measures the CPU time of this thread, which a
    loaded machine disturbs far less than the wall clock; use it for calls
    that compute on the calling thread only.
    """
    call()  # warm up: first-use initialisation, caches
    count = 1
    while True:
        start = time.perf_counter()
        for _ in range(count):
            call()
        if time.perf_counter() - start >= min_time / 4:
            break
        count *= 2
    runs = []
    for _ in range(REPEATS):
        start = clock()
        for _ in range(count):
            call()
        runs.append((clock() - start) / count)
    return statistics.median(runs)


def cpp_medians(binary):
    """Real time per iteration [s] of the C++ reference benchmarks, by name."""
    if not binary or not os.access(binary, os.X_OK):
        return {}
    out = subprocess.run(
        [binary, "--benchmark_filter=^BM_SolveModes/20|^BM_ModeInstability$|^BM_CalculatorRun",
         "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True, cwd=os.path.dirname(binary),
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    medians = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = b["real_time"] * scale[b["time_unit"]]
            medians[b["run_name"] + "/cpu"] = b["cpu_time"] * scale[b["time_unit"]]
    return medians


def report(name, seconds, reference=None):
    line = f"{name:<50} {seconds * 1e6:12.1f} us"
    if reference is not None:
        line += f"   C++ {reference * 1e6:10.1f} us   overhead {(seconds - reference) * 1e6:7.1f} us"
    print(line)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", default=os.path.join(here, "..", "build", "bin", "velmora_bench"),
                        help="the C++ velmora_bench binary (for the overhead figures)")
    args = parser.parse_args()

    # Absolute, since the benchmark runs in its own directory (runtime files).
    cpp = cpp_medians(os.path.abspath(args.bench))
    print(f"velmora {velmora.__version__}, {os.cpu_count()} cores, Python {sys.version.split()[0]}")

    # Single-threaded calls: CPU time of the calling thread on both sides.
    cpu = time.thread_time
    modes = median_seconds(lambda: velmora.modes(20, 1080, 1.4512, 1.45), clock=cpu)
    report("velmora.modes(20 um fiber) [CPU]", modes, cpp.get("BM_SolveModes/20/real_time/cpu"))
    # A 3-sample grid finds no mode and costs the solver next to nothing: what
    # remains is the call itself (arguments, GIL release, four arrays, dict).
    bare = median_seconds(lambda: velmora.modes(20, 1080, 1.4512, 1.45, samples=3), clock=cpu)
    report("velmora.modes call alone (3-sample grid) [CPU]", bare)

    ids = {c["id"] for c in velmora.calculators()}
    refraction = median_seconds(lambda: velmora.run("optics.refraction"), clock=cpu)
    report('velmora.run("optics.refraction") [CPU]', refraction,
           cpp.get("BM_CalculatorRun/refraction/real_time/cpu"))
    if "modes.solve" in ids:
        solve = median_seconds(lambda: velmora.run("modes.solve"), clock=cpu)
        report('velmora.run("modes.solve") [CPU]', solve,
               cpp.get("BM_CalculatorRun/modes_solve/real_time/cpu"))
    # The MI model spreads its offsets over two threads: wall time, which a
    # loaded machine makes noisy; the run/direct difference is the text round trip.
    direct = median_seconds(lambda: velmora.tmi_threshold(), min_time=1.0)
    report("velmora.tmi_threshold() [wall]", direct, cpp.get("BM_ModeInstability/real_time"))
    if "tmi.threshold" in ids:
        tmi = median_seconds(lambda: velmora.run("tmi.threshold"), min_time=1.0)
        report('velmora.run("tmi.threshold") [wall]', tmi,
               cpp.get("BM_CalculatorRun/tmi_threshold/real_time"))

    if "modes.solve" in ids:
        wavelengths = np.linspace(1000, 1100, 1000)
        for threads in (1, 2):
            sweep = median_seconds(
                lambda: velmora.sweep("modes.solve", {"lambda_nm": wavelengths}, threads=threads),
                min_time=1.0)
            report(f"sweep modes.solve, 1000 wavelengths, {threads} thr", sweep)
            print(f"{'':<50} {sweep * 1e3:12.1f} ms  ({'under' if sweep < 0.1 else 'OVER'} 0.1 s)")


if __name__ == "__main__":
    main()
