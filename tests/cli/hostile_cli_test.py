"""velmora-cli against hostile arguments and files: one short line on
stderr and exit 2 for a refusal, nothing on stdout; -o never replaces a
device or FIFO and keeps a replaced file's mode; special files named as
designs or tables neither block nor grow memory. Run as:
hostile_cli_test.py PATH_TO_VELMORA_CLI"""
import json
import math
import os
import signal
import stat
import subprocess
import sys
import tempfile
import time
import unittest

CLI = None


def cli(*args, timeout=30):
    env = dict(os.environ, LANG="en_US.UTF-8", LC_ALL="", LC_MESSAGES="")
    return subprocess.run([CLI, *args], capture_output=True, text=True, env=env, timeout=timeout)


class Refusals(unittest.TestCase):
    def assertRefused(self, args, *words):
        r = cli(*args)
        self.assertEqual(r.returncode, 2, r.stderr[:300])
        self.assertEqual(r.stdout, "")
        self.assertEqual(len(r.stderr.strip().splitlines()), 1, r.stderr[:300])
        self.assertLess(len(r.stderr), 300)
        for word in words:
            self.assertIn(word, r.stderr)

    def test_non_finite_results_are_refusals_naming_the_input(self):
        self.assertRefused(["run", "pulse.gaussian", "f_hz=0"], "f_hz", "not finite")
        self.assertRefused(["run", "nonlinear.sbs", "gain=0"], "gain")
        self.assertRefused(["run", "tmi.threshold", "rin=0"], "rin", "no mode-instability threshold")
        self.assertRefused(["run", "amp.steady_state", "length_m=1e5"], "length_m")

    def test_a_key_given_twice_is_refused(self):
        self.assertRefused(["run", "optics.refraction", "n1=1.5", "n1=1.6"], "n1", "twice")
        self.assertRefused(["sweep", "optics.refraction", "n1=1:2:3", "n1=1.3:1.4:2"], "n1")
        self.assertRefused(["sweep", "optics.refraction", "n1=1:2:3", "n1=1.7"], "n1")

    def test_long_inputs_are_quoted_short(self):
        self.assertRefused(["run", "optics.refraction", "n1=" + "x" * 100000], "n1")
        self.assertRefused(["run", "optics.refraction", "k" * 100000 + "=1"])
        self.assertRefused(["run", "nothing." + "y" * 100000])

    def test_a_sweep_never_writes_a_non_finite_value(self):
        r = cli("sweep", "pulse.gaussian", "f_hz=0:1e5:3")
        self.assertEqual(r.returncode, 0, r.stderr)
        first = r.stdout.splitlines()[1].split(",")
        self.assertEqual(first[1:3], ["", ""])  # the refused point: no numbers, a notice
        self.assertIn("f_hz", first[-1])
        for line in r.stdout.splitlines()[1:]:
            for cell in line.split(",")[:-1]:
                self.assertTrue(cell == "" or math.isfinite(float(cell)), line)


class Cost(unittest.TestCase):
    LARGE_FIBER = ["run", "modes.solve", "a_um=50", "lambda_nm=400", "na=0.5", "n2=1.45"]  # V = 393

    def test_work_above_the_limit_is_refused_before_it_starts_saying_how_to_raise_it(self):
        r = cli("--max-seconds", "1", *self.LARGE_FIBER)
        self.assertEqual(r.returncode, 2, r.stderr)
        self.assertIn("a_um", r.stderr)
        self.assertIn("V = 392.7", r.stderr)
        self.assertIn("--max-seconds", r.stderr)
        r = cli("sweep", "laser.yb_gain", "length_m=1:2:1000000")
        self.assertEqual(r.returncode, 2, r.stderr)
        self.assertIn("GB of memory", r.stderr)

    def test_ctrl_c_ends_a_long_run_at_once(self):
        p = subprocess.Popen([CLI, *self.LARGE_FIBER], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
        time.sleep(0.5)
        self.assertIsNone(p.poll())  # still computing
        start = time.monotonic()
        p.send_signal(signal.SIGINT)
        out, err = p.communicate(timeout=30)
        # Typically 0.1 s: the mode solver looks at the flag once per order.
        self.assertLess(time.monotonic() - start, 1.0)
        self.assertEqual(p.returncode, 130)
        self.assertEqual(out, "")
        self.assertIn("interrupted", err)


class SpecialFiles(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.fifo = os.path.join(self.dir.name, "fifo")
        os.mkfifo(self.fifo)

    def tearDown(self):
        self.dir.cleanup()

    def test_fifos_and_devices_as_inputs_are_refused_at_once(self):
        for path in (self.fifo, "/dev/zero", "/dev/urandom"):
            r = cli("run", "optics.refraction", "--design", path, timeout=10)
            self.assertEqual(r.returncode, 2, path)
            self.assertIn("not a regular file", r.stderr)
            r = cli("run", "amp.steady_state", "xs_file=" + path, timeout=10)
            self.assertEqual(r.returncode, 2, path)
            self.assertIn("xs_file", r.stderr)

    def test_output_to_a_device_or_fifo_is_written_in_place_never_renamed_over(self):
        r = cli("run", "optics.refraction", "-o", "/dev/null")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertTrue(stat.S_ISCHR(os.stat("/dev/null").st_mode))
        r = cli("run", "optics.refraction", "-o", self.fifo, timeout=10)  # nobody reads it
        self.assertEqual(r.returncode, 1)
        self.assertIn("no process reads", r.stderr)
        self.assertTrue(stat.S_ISFIFO(os.stat(self.fifo).st_mode))
        self.assertEqual(os.listdir(self.dir.name), ["fifo"])  # no temporary left
        r = cli("run", "optics.refraction", "-o", self.dir.name)
        self.assertEqual(r.returncode, 1)

    def test_a_replaced_file_keeps_its_mode_and_a_link_stays_a_link(self):
        target = os.path.join(self.dir.name, "result.txt")
        with open(target, "w") as f:
            f.write("old")
        os.chmod(target, 0o640)
        link = os.path.join(self.dir.name, "link.txt")
        os.symlink("result.txt", link)
        r = cli("run", "optics.refraction", "--format", "json", "-o", link)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertTrue(os.path.islink(link))
        self.assertEqual(stat.S_IMODE(os.stat(target).st_mode), 0o640)
        with open(target) as f:
            self.assertEqual(json.load(f)["calculator"], "optics.refraction")


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
