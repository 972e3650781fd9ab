#!/usr/bin/python3
"""Plot an MI threshold scan written by tmi_design_scan.py (notebook style, matplotlib Agg).

    examples/plot_tmi_scan.py tmi_scan.npz -o tmi_scan.png

Each "# %%" block is a notebook cell: paste them into Jupyter one by one, or
run the file as a script, which saves the figure as a PNG.
"""

# %% Load the scan: the axes in grid order and one threshold array per method.
import argparse
import os
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed; in Jupyter leave this line out
import matplotlib.pyplot as plt
import numpy as np

parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
parser.add_argument("scan", nargs="?", default="tmi_scan.npz", help="the .npz of tmi_design_scan.py")
parser.add_argument("-o", "--output", default="tmi_scan.png", help="the figure (.png)")
args = parser.parse_args()

with np.load(args.scan) as scan:
    axes = [str(k) for k in scan["axes"]]
    axis = {k: scan[f"axis_{k}"] for k in axes}
    method = next(k for k in ("p_th_sweep", "p_th_dask", "p_th_futures") if k in scan)
    p_th = scan[method]
if axes != ["a_um", "doped_um", "na", "lambda_p_nm"]:
    sys.exit(f"{args.scan}: expected the axes a_um, doped_um, na, lambda_p_nm, found {axes}")

# %% Threshold against core radius, one line per NA (largest doped radius, each pump wavelength).
fig, (left, right) = plt.subplots(1, 2, figsize=(11, 4.2), constrained_layout=True)
doped = len(axis["doped_um"]) - 1
styles = ["-", "--", ":", "-."]
for p, pump in enumerate(axis["lambda_p_nm"]):
    for k, na in enumerate(axis["na"]):
        left.plot(axis["a_um"], p_th[:, doped, k, p], styles[p % len(styles)], marker="o", ms=3,
                  color=f"C{k}", label=f"NA {na:g}, pump {pump:g} nm")
left.set_xlabel("core radius a [μm]")
left.set_ylabel("MI threshold P_th [W]")
left.set_title(f"doped radius {axis['doped_um'][doped]:g} μm")
left.grid(alpha=0.3)
left.legend(fontsize=7, ncol=2)

# %% Threshold over core radius and doped radius (middle NA, longest pump wavelength).
na_index = len(axis["na"]) // 2
pump_index = len(axis["lambda_p_nm"]) - 1
image = right.pcolormesh(axis["a_um"], axis["doped_um"], p_th[:, :, na_index, pump_index].T,
                         shading="nearest", cmap="viridis")
fig.colorbar(image, ax=right, label="P_th [W]")
right.set_xlabel("core radius a [μm]")
right.set_ylabel("doped radius r_d [μm]")
right.set_title(f"NA {axis['na'][na_index]:g}, pump {axis['lambda_p_nm'][pump_index]:g} nm"
                " (white: refused, not multimode)")

# %% Save (written beside, then renamed, so a failed save keeps an older figure).
temporary = f"{args.output}.{os.getpid()}.tmp.png"
fig.savefig(temporary, dpi=120)
os.replace(temporary, args.output)
print(f"saved {args.output}")
