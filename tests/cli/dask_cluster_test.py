"""A sweep on a Dask distributed cluster of separate processes (a scheduler
and two workers on 127.0.0.1) equals the same sweep in one process, byte for
byte. Skipped, saying so, when python3-distributed is not installed.
Run as: dask_cluster_test.py PATH_TO_VELMORA_CLI EXAMPLES_DIR"""
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CLI = EXAMPLES = None
# Starting the three processes takes a few seconds; this bounds a cluster
# that never comes up.
STARTUP_SECONDS = 90


def dask_command():
    """The `dask` launcher of Debian's python3-distributed, or None."""
    try:
        import distributed  # noqa: F401
    except ImportError:
        return None
    return [sys.executable, "-m", "distributed.cli.dask_scheduler"], \
        [sys.executable, "-m", "distributed.cli.dask_worker"]


class Cluster:
    """A scheduler and two single-thread workers, each its own process group,
    stopped (and killed if they linger) on exit."""

    def __init__(self, folder):
        self.folder = folder
        self.file = os.path.join(folder, "scheduler.json")
        self.processes = []

    def start(self, process):
        # Each in its own session, so stopping it also stops what it started.
        log = open(os.path.join(self.folder, f"process{len(self.processes)}.log"), "w")
        self.processes.append(subprocess.Popen(process, stdout=log, stderr=subprocess.STDOUT,
                                               start_new_session=True, cwd=self.folder))
        log.close()

    def __enter__(self):
        scheduler, worker = dask_command()
        self.start([*scheduler, "--host", "127.0.0.1", "--port", "0", "--no-dashboard",
                    "--scheduler-file", self.file])
        for name in ("w1", "w2"):
            self.start([*worker, "--scheduler-file", self.file, "--host", "127.0.0.1",
                        "--nthreads", "1", "--no-nanny", "--no-dashboard", "--name", name,
                        "--local-directory", os.path.join(self.folder, name),
                        "--death-timeout", str(STARTUP_SECONDS)])
        return self

    def __exit__(self, *exc):
        for p in self.processes:
            if p.poll() is None:
                os.killpg(p.pid, signal.SIGTERM)
        deadline = time.monotonic() + 15
        for p in self.processes:
            try:
                p.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()

    def logs(self):
        return "".join(open(os.path.join(self.folder, f"process{i}.log")).read()[-2000:]
                       for i in range(len(self.processes)))


@unittest.skipIf(dask_command() is None,
                 "SKIPPED: python3-distributed is not installed (scripts/deps.sh installs it)")
class DaskCluster(unittest.TestCase):
    SWEEP = ["tmi.threshold", "a_um=12:28:24", "na=0.05:0.07:3", "--outputs", "p_th_w,chi_max_per_w"]

    def test_the_scan_on_two_worker_processes_equals_the_single_process_sweep(self):
        sys.path.insert(0, EXAMPLES)
        from dask_sweep_shards import sweep_on_cluster
        from distributed import Client

        with tempfile.TemporaryDirectory() as folder, Cluster(folder) as cluster:
            deadline = time.monotonic() + STARTUP_SECONDS
            while not os.path.exists(cluster.file) and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertTrue(os.path.exists(cluster.file), cluster.logs())
            with Client(scheduler_file=cluster.file, timeout=STARTUP_SECONDS) as client:
                client.wait_for_workers(2, timeout=STARTUP_SECONDS)
                self.assertEqual(sorted(w["name"] for w in client.scheduler_info()["workers"].values()),
                                 ["w1", "w2"])
                self.assertTrue(all(a.startswith("tcp://127.0.0.1:") for a in client.nthreads()))
                out = os.path.join(folder, "scan.csv")
                sweep_on_cluster(client, CLI, self.SWEEP, shards=4, output=out)
                ran_on = client.run(os.getpid)
            self.assertEqual(len(set(ran_on.values()) | {os.getpid()}), 3)  # two other processes
            with open(out) as f:
                scan = f.read()
        whole = subprocess.run([CLI, "sweep", *self.SWEEP], capture_output=True, text=True, check=True)
        self.assertEqual(scan, whole.stdout)
        self.assertEqual(len(scan.splitlines()), 1 + 24 * 3)


if __name__ == "__main__":
    CLI, EXAMPLES = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main(verbosity=2)
