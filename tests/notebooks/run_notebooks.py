"""Executes every notebook of examples/notebooks headless, as a reader would
run it top to bottom: any cell that raises fails the run, naming the
notebook, the cell and the error. Exit 77 (ctest: skipped) with a message
when nbclient, ipykernel or matplotlib is not installed.
Run as: run_notebooks.py NOTEBOOK_DIR [OUTPUT_DIR] (velmora importable, e.g.
PYTHONPATH); with OUTPUT_DIR the executed notebooks, figures included, are
written there."""
import glob
import os
import re
import sys
import tempfile
import time

SKIPPED = 77
# A notebook of the examples takes a few seconds; this bounds a hung cell.
CELL_TIMEOUT_SECONDS = 300


def main(folder, output=None):
    missing = []
    for module, package in (("nbclient", "python3-nbclient"), ("nbformat", "python3-nbformat"),
                            ("ipykernel", "python3-ipykernel"), ("matplotlib", "python3-matplotlib"),
                            ("pandas", "python3-pandas")):
        try:
            __import__(module)
        except ImportError:
            missing.append(package)
    if missing:
        print("SKIPPED: the notebooks need " + ", ".join(missing) + " (scripts/deps.sh installs them)")
        return SKIPPED
    import nbformat
    from nbclient import NotebookClient
    from nbclient.exceptions import CellExecutionError

    # The kernel starts in a scratch folder: module paths must not be relative.
    os.environ["PYTHONPATH"] = os.pathsep.join(
        os.path.abspath(p) for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p)
    os.environ.setdefault("PYDEVD_DISABLE_FILE_VALIDATION", "1")  # a debugger note on stderr
    notebooks = sorted(glob.glob(os.path.join(folder, "*.ipynb")))
    if not notebooks:
        print(f"no notebooks in {folder}")
        return 1
    failed = 0
    for path in notebooks:
        notebook = nbformat.read(path, as_version=4)
        started = time.monotonic()
        with tempfile.TemporaryDirectory() as scratch:  # whatever a cell writes stays out of the tree
            client = NotebookClient(notebook, timeout=CELL_TIMEOUT_SECONDS, kernel_name="python3",
                                    resources={"metadata": {"path": scratch}})
            try:
                client.execute()
            except CellExecutionError as error:
                failed += 1
                plain = re.sub(r"\x1b\[[0-9;]*m", "", str(error))  # no terminal colours in logs
                print(f"FAILED {os.path.basename(path)}:\n{plain}")
                continue
        if output:
            os.makedirs(output, exist_ok=True)
            nbformat.write(notebook, os.path.join(output, os.path.basename(path)))
        figures = sum(1 for cell in notebook.cells if cell.cell_type == "code"
                      for out in cell.get("outputs", []) if "image/png" in out.get("data", {}))
        print(f"ok {os.path.basename(path)}: {len(notebook.cells)} cells, {figures} figures, "
              f"{time.monotonic() - started:.1f} s")
        if figures == 0:
            failed += 1
            print(f"FAILED {os.path.basename(path)}: no figure was drawn")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
