#!/usr/bin/python3
"""A velmora-cli sweep spread over a Dask distributed cluster, shard by shard.

Each task runs `velmora-cli sweep ... --shard I/N` on a worker and hands its
text back; `velmora-cli merge` joins the N shard texts into the whole sweep,
the same bytes one process would write. The cluster is any running Dask
scheduler with its workers (separate processes, on this or other machines):

    dask scheduler --host 127.0.0.1 --scheduler-file cluster.json &
    dask worker --scheduler-file cluster.json --nthreads 1 &     # once per core or machine
    dask worker --scheduler-file cluster.json --nthreads 1 &
    examples/dask_sweep_shards.py --scheduler-file cluster.json --shards 8 -o tmi.csv -- \\
        tmi.threshold a_um=10:30:10000 --outputs p_th_w

Every worker needs velmora-cli (installed, or --cli naming it on the workers'
file system). A shard that fails raises its velmora-cli message here.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile


def run_shard(cli, sweep_args, index, count, jobs):
    """One shard's CSV or JSON text, computed on the worker that runs this task."""
    command = [cli, "sweep", *sweep_args, "--shard", f"{index}/{count}", "-j", str(jobs)]
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"shard {index}/{count}: {done.stderr.strip()}")
    return done.stdout


def sweep_on_cluster(client, cli, sweep_args, shards, output, jobs=1):
    """Runs the sweep as `shards` tasks on the cluster of `client` and merges
    them into `output` (a file name, or "-" for standard output)."""
    if __name__ != "__main__":
        # Imported from a script: the workers may not have this file, so the
        # task goes to them by value, not as a module name to import.
        import cloudpickle

        cloudpickle.register_pickle_by_value(sys.modules[__name__])
    futures = [client.submit(run_shard, cli, sweep_args, i, shards, jobs, pure=False)
               for i in range(1, shards + 1)]
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for index, future in enumerate(futures, start=1):
            paths.append(os.path.join(folder, f"shard{index}"))
            with open(paths[-1], "w") as f:
                f.write(future.result())
        subprocess.run([cli, "merge", *paths, "-o", output], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    where = parser.add_mutually_exclusive_group(required=True)
    where.add_argument("--scheduler", help="scheduler address, tcp://HOST:PORT")
    where.add_argument("--scheduler-file", help="the file `dask scheduler --scheduler-file` wrote")
    parser.add_argument("--shards", type=int, default=0, help="tasks (default: one per worker thread)")
    parser.add_argument("--cli", default=shutil.which("velmora-cli") or "velmora-cli",
                        help="velmora-cli on the workers")
    parser.add_argument("-j", "--jobs", type=int, default=1, help="threads of each shard")
    parser.add_argument("-o", "--output", default="-")
    parser.add_argument("sweep", nargs=argparse.REMAINDER, help="-- ID key=START:STOP:COUNT ...")
    args = parser.parse_args()
    sweep_args = args.sweep[1:] if args.sweep[:1] == ["--"] else args.sweep
    if not sweep_args:
        parser.error("give the sweep after --: ID key=START:STOP:COUNT ...")

    from distributed import Client

    with Client(args.scheduler, scheduler_file=args.scheduler_file) as client:
        shards = args.shards or max(1, sum(client.nthreads().values()))
        sweep_on_cluster(client, os.path.abspath(args.cli) if os.path.exists(args.cli) else args.cli,
                         sweep_args, shards, args.output, args.jobs)
    return 0


if __name__ == "__main__":
    sys.exit(main())
