# Results of velmora.run() and velmora.sweep() as pandas data frames.
#
# Compiled into the velmora extension module (its text is executed in the
# module's namespace when the module is imported), so the module stays one
# file; pandas is imported only when a frame is asked for, and its absence
# is said with the Debian package to install.

import numpy as _np


def _pandas():
    try:
        import pandas
    except ImportError as error:
        raise ImportError(
            "velmora: data frames need pandas, which is not installed "
            "(on Debian: sudo apt install python3-pandas)") from error
    return pandas


def _input_units(calculator):
    return {f["key"]: f["unit"] for f in describe(calculator)["inputs"]}


class SweepResult(dict):
    """The result of velmora.sweep(): {output key: array shaped by the swept
    lengths, ..., "refused": [(index tuple, notice), ...]}, and as attributes
    `calculator`, `swept` ({key: 1-D array of its values, in grid order}),
    `units` ({key: unit} of the swept keys and outputs) and `notices` (one
    text per point in grid order, "" where the point has none).
    to_frame() gives the same as a pandas DataFrame."""

    def to_frame(self):
        """One row per point (the last swept key varies fastest): a column per
        swept key and per output, refused points NaN, and a "notice" column
        with the point's notices ("" for none). df.attrs holds "calculator"
        and "units" ({column: unit})."""
        pd = _pandas()
        keys = list(self.swept)
        grids = _np.meshgrid(*(self.swept[k] for k in keys), indexing="ij")
        columns = {k: g.ravel() for k, g in zip(keys, grids)}
        for key, values in self.items():
            if key != "refused":
                columns[key] = _np.asarray(values).ravel()
        columns["notice"] = list(self.notices)
        frame = pd.DataFrame(columns)
        frame.attrs["calculator"] = self.calculator
        frame.attrs["units"] = {k: self.units.get(k, "") for k in frame.columns if k != "notice"}
        return frame


def _is_names(value):
    return isinstance(value, list) and bool(value) and isinstance(value[0], str)


def to_frame(result):
    """A velmora.run() or velmora.sweep() result as a pandas DataFrame.

    A sweep: one row per point (see SweepResult.to_frame). A run whose
    outputs include curves (a mode list, a spectrum): one row per sample,
    a column per curve (shorter curves padded with NaN); its scalar outputs
    go to df.attrs["scalars"] and its inputs to df.attrs["inputs"]. A run of
    scalars only: one row with a column per input and output and a "notice"
    column, so runs concatenate (pandas.concat) into a table. df.attrs
    always holds "calculator" and "units" ({column: unit}); maps (2-D
    outputs) are left out.

    Raises ImportError saying what to install when pandas is missing."""
    if isinstance(result, SweepResult):
        return result.to_frame()
    if not (isinstance(result, dict) and {"calculator", "inputs", "outputs"} <= set(result)):
        raise TypeError("to_frame: expected the result of velmora.run() or velmora.sweep()")
    pd = _pandas()
    outputs = result["outputs"]
    notice = "; ".join(n["text"] for n in result.get("notices", []))
    # Name columns (a mode table's "mode", "note") are lists of str.
    curves = {k: _np.asarray(o["value"], dtype=object if _is_names(o["value"]) else float)
              for k, o in outputs.items() if _np.ndim(o["value"]) == 1}
    scalars = {k: o["value"] for k, o in outputs.items() if _np.ndim(o["value"]) == 0}
    units = {k: o["unit"] for k, o in outputs.items()}
    if curves:
        length = max(len(c) for c in curves.values())
        frame = pd.DataFrame({k: _np.pad(c, (0, length - len(c)),
                                         constant_values="" if c.dtype == object else _np.nan)
                              for k, c in curves.items()})
        frame.attrs["scalars"] = scalars
        frame.attrs["inputs"] = dict(result["inputs"])
        frame.attrs["notices"] = notice
    else:
        row = dict(result["inputs"])
        row.update(scalars)
        row["notice"] = notice
        frame = pd.DataFrame([row])
        units.update(_input_units(result["calculator"]))
    frame.attrs["calculator"] = result["calculator"]
    frame.attrs["units"] = {k: units.get(k, "") for k in frame.columns if k != "notice"}
    return frame
