"""velmora-cli as a user's script sees it: exit codes, stdout and stderr,
JSON that parses, sweeps that do not depend on the thread count, -o
written atomically, sweeps in shards merged, and an interrupted sweep resumed. Run as: cli_test.py PATH_TO_VELMORA_CLI"""
import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CLI = None


def cli(*args, env_lang="en_US.UTF-8"):
    env = dict(os.environ, LANG=env_lang, LC_ALL="", LC_MESSAGES="")
    return subprocess.run([CLI, *args], capture_output=True, text=True, env=env, timeout=120)


class BadInput(unittest.TestCase):
    def assertRefused(self, args, *words):
        r = cli(*args)
        self.assertEqual(r.returncode, 2, r.stderr)
        self.assertEqual(r.stdout, "")
        self.assertEqual(len(r.stderr.strip().splitlines()), 1, r.stderr)
        for word in words:
            self.assertIn(word, r.stderr)

    def test_unknown_id_key_text_and_range_are_refused_naming_the_key(self):
        self.assertRefused(["run", "optics.nothing"], "optics.nothing")
        self.assertRefused(["run", "optics.refraction", "n3=1"], "n3")
        self.assertRefused(["run", "optics.refraction", "n1=1.4x"], "n1", "not a number")
        self.assertRefused(["run", "optics.refraction", "n1=nan"], "n1", "finite")
        self.assertRefused(["run", "optics.refraction", "n1=0.5"], "n1", "between 1 and 5")
        self.assertRefused(["run", "optics.refraction", "n1"], "key=value")
        self.assertRefused(["run", "optics.refraction", "theta2_deg=3"], "theta2_deg", "output")
        self.assertRefused(["sweep", "optics.refraction", "n1=1:2"], "n1", "START:STOP:COUNT")
        self.assertRefused(["sweep", "optics.refraction", "n1=0:2:3"], "n1")
        self.assertRefused(["sweep", "optics.refraction", "n1=1:2:3", "--log", "n2"], "n2")
        self.assertRefused(["describe", "nothing"], "nothing")
        self.assertRefused(["--format", "xml", "list"])

    def test_messages_follow_the_language(self):
        r = cli("--lang", "zh", "run", "optics.refraction", "n1=abc")
        self.assertIn("不是数字", r.stderr)
        r = cli("run", "optics.refraction", "n1=abc", env_lang="zh_CN.UTF-8")
        self.assertIn("不是数字", r.stderr)


class Output(unittest.TestCase):
    def test_help_version_and_list(self):
        self.assertEqual(cli("--help").returncode, 0)
        v = cli("--version")
        self.assertEqual(v.returncode, 0)
        self.assertTrue(v.stdout.startswith("velmora-cli "))
        listing = cli("list").stdout.splitlines()
        self.assertIn("optics.refraction", [line.split()[0] for line in listing])

    def test_run_json_has_the_documented_shape(self):
        r = cli("run", "optics.refraction", "theta1_deg=80", "--format", "json")
        self.assertEqual(r.returncode, 0, r.stderr)
        doc = json.loads(r.stdout)
        self.assertEqual(doc["calculator"], "optics.refraction")
        self.assertAlmostEqual(doc["inputs"]["theta1_rad"], 1.39626)  # the linked field followed
        self.assertEqual(doc["outputs"]["critical_deg"], {"value": doc["outputs"]["critical_deg"]["value"],
                                                          "unit": "°", "text": "43.6028"})
        self.assertIsNone(doc["outputs"]["theta2_deg"]["value"])  # cleared, not NaN
        self.assertEqual([n["key"] for n in doc["notices"]], ["theta1_rad"])

    def test_choices_take_their_ascii_ids_and_files_write_the_id(self):
        short = ["ase_bins=10", "length_m=1"]
        by_id = cli("run", "amp.steady_state", "mode=laser", "pump_guide=cladding",
                    "r2_source=end_face", *short, "--format", "json")
        self.assertEqual(by_id.returncode, 0, by_id.stderr)
        doc = json.loads(by_id.stdout)
        self.assertEqual((doc["inputs"]["mode"], doc["inputs"]["pump_guide"], doc["inputs"]["r2_source"]),
                         ("laser", "cladding", "end_face"))
        # The page's own texts are the same choice and write the same file.
        by_text = cli("run", "amp.steady_state", "mode=激光器", "pump_guide=包层泵浦",
                      "r2_source=光纤端面", *short, "--format", "json")
        self.assertEqual(by_text.stdout, by_id.stdout)
        r = cli("run", "amp.steady_state", "mode=laserx", "--lang", "en")
        self.assertEqual(r.returncode, 2)
        self.assertIn("amplifier (放大器), laser (激光器)", r.stderr)
        described = json.loads(cli("describe", "amp.steady_state", "--format", "json").stdout)
        mode = next(f for f in described["inputs"] if f["key"] == "mode")
        self.assertEqual(mode["choice_ids"], ["amplifier", "laser"])

    def test_curves_are_arrays_in_json_and_columns_in_csv(self):
        doc = json.loads(cli("run", "laser.yb_gain", "--format", "json").stdout)
        curve = doc["outputs"]["wavelength_nm"]
        self.assertEqual(set(curve), {"value", "unit", "text", "shape"})
        self.assertEqual(curve["shape"], [len(curve["value"])])
        csv = cli("run", "laser.yb_gain", "--format", "csv", "--outputs", "wavelength_nm").stdout.splitlines()
        self.assertEqual(csv[0], "wavelength_nm")
        self.assertEqual([float(v) for v in csv[1:]], curve["value"])

    def test_table_lists_curves_side_by_side(self):
        lines = cli("run", "laser.yb_gain").stdout.splitlines()
        header = next(i for i, line in enumerate(lines) if "wavelength_nm [nm]" in line)
        self.assertIn("gain_db [dB]", lines[header])
        self.assertEqual(lines[header + 1].split()[0], "850")
        self.assertEqual(len(lines) - header - 1, 351)

    def test_describe_json_names_the_page_field(self):
        doc = json.loads(cli("describe", "cw.coherence", "--format", "json").stdout)
        fields = {f["key"]: f for f in doc["inputs"] + doc["outputs"]}
        self.assertEqual(fields["lambda_nm"]["field"], "m_LasLamlineEdit")
        self.assertEqual(fields["lambda_nm"]["default"], "1064")
        self.assertEqual(fields["delta_nu_hz"]["role"], "linked")
        self.assertEqual(fields["l_c_m"]["unit"], "m")

    def test_run_csv_rows_parse_back(self):
        r = cli("run", "pulse.gaussian", "--format", "csv")
        rows = [line.split(",") for line in r.stdout.splitlines()]
        self.assertEqual(rows[0], ["key", "value", "unit", "text"])
        self.assertEqual(rows[2][0], "p_peak_w")
        self.assertAlmostEqual(float(rows[2][1]), 2000.0)
        self.assertEqual(rows[2][3], "2000")


class Sweep(unittest.TestCase):
    ARGS = ["sweep", "optics.refraction", "n1=1:2:30", "theta1_deg=0:90:40", "n2=1.2"]

    def test_rows_are_the_same_bytes_on_one_and_two_threads(self):
        for fmt in ("csv", "json"):
            one = cli(*self.ARGS, "--format", fmt, "-j1")
            two = cli(*self.ARGS, "--format", fmt, "-j2")
            self.assertEqual(one.returncode, 0, one.stderr)
            self.assertEqual(one.stdout, two.stdout)
        self.assertEqual(len(json.loads(one.stdout)["points"]), 30 * 40)

    def test_csv_order_and_refused_points_carry_their_notice(self):
        r = cli(*self.ARGS, "--outputs", "theta2_deg")
        lines = r.stdout.splitlines()
        self.assertEqual(lines[0], "n1,theta1_deg,theta2_deg,notice")
        self.assertEqual(lines[1].split(",")[:2], ["1", "0"])
        self.assertEqual(lines[2].split(",")[:2], ["1", "2.3076923076923075"])
        self.assertEqual(lines[41].split(",")[0], str(1 + 1 / 29))
        reflected = [line for line in lines[1:] if "total internal reflection" in line]
        self.assertTrue(reflected)
        self.assertTrue(all(line.split(",")[2] == "" for line in reflected))
        self.assertNotIn("nan", r.stdout.lower())

    def test_log_spacing(self):
        r = cli("sweep", "pulse.gaussian", "f_hz=1e3:1e6:4", "--log", "f_hz", "--outputs", "energy_j")
        values = [float(line.split(",")[0]) for line in r.stdout.splitlines()[1:]]
        for got, want in zip(values, [1e3, 1e4, 1e5, 1e6]):
            self.assertAlmostEqual(got / want, 1.0, places=12)


class AtomicOutput(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.dir.name, "result.csv")
        with open(self.path, "w") as f:
            f.write("old\n")

    def tearDown(self):
        self.dir.cleanup()

    def content(self):
        with open(self.path) as f:
            return f.read()

    def test_refused_run_leaves_the_existing_file(self):
        r = cli("run", "pulse.gaussian", "tau_s=abc", "-o", self.path)
        self.assertEqual(r.returncode, 2)
        self.assertEqual(self.content(), "old\n")
        self.assertEqual(os.listdir(self.dir.name), ["result.csv"])

    def test_good_run_replaces_it_and_prints_nothing(self):
        r = cli("run", "pulse.gaussian", "--format", "csv", "-o", self.path)
        self.assertEqual((r.returncode, r.stdout), (0, ""))
        self.assertIn("p_peak_w", self.content())

    def test_interrupt_leaves_the_file_and_whole_rows_for_a_resume(self):
        os.remove(self.path)
        env = dict(os.environ, LANG="C")
        args = ["sweep", "optics.refraction", "n1=1:2:200", "theta1_deg=0:90:500", "-j1", "-o", self.path]
        p = subprocess.Popen([CLI, *args], stderr=subprocess.PIPE, env=env)
        time.sleep(0.3)
        p.send_signal(signal.SIGINT)
        _, err = p.communicate(timeout=120)
        self.assertEqual(p.returncode, 130, err)
        (side,) = os.listdir(self.dir.name)
        self.assertTrue(side.startswith("result.csv.") and side.endswith(".part"), side)
        self.assertIn(b"--resume", err)
        with open(os.path.join(self.dir.name, side)) as f:
            kept = f.read().splitlines(keepends=True)
        self.assertTrue(kept[-1].endswith("\n"))  # whole rows only
        self.assertEqual(cli(*args, "--resume").returncode, 0)
        self.assertEqual(os.listdir(self.dir.name), ["result.csv"])
        self.assertEqual(self.content(), cli(*args[:-2]).stdout)

    def test_a_finished_sweep_keeps_the_mode_of_the_file_it_replaces(self):
        os.chmod(self.path, 0o640)
        r = cli("sweep", "pulse.gaussian", "f_hz=1e3:1e6:4", "-o", self.path)
        self.assertEqual((r.returncode, r.stdout), (0, ""), r.stderr)
        self.assertEqual(os.stat(self.path).st_mode & 0o777, 0o640)
        self.assertTrue(self.content().startswith("f_hz,"))


class ShardsAndResume(unittest.TestCase):
    """A sweep split into shards merges into the whole sweep's bytes; a sweep
    killed mid-way continues with --resume from its last complete row."""
    ARGS = ["sweep", "optics.refraction", "n1=1:2:13", "theta1_deg=0:90:31", "n2=1.2"]

    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def shards(self, fmt, n=3):
        paths = []
        for i in range(1, n + 1):
            paths.append(self.path(f"part{i}.{fmt}"))
            r = cli(*self.ARGS, "--format", fmt, "--shard", f"{i}/{n}", "-o", paths[-1])
            self.assertEqual(r.returncode, 0, r.stderr)
        return paths

    def test_three_shards_merge_into_the_bytes_of_the_whole_sweep(self):
        for fmt in ("csv", "json"):
            whole = cli(*self.ARGS, "--format", fmt).stdout
            paths = self.shards(fmt)
            merged = cli("merge", paths[2], paths[0], paths[1])  # any order
            self.assertEqual(merged.returncode, 0, merged.stderr)
            self.assertEqual(merged.stdout, whole)
            rows = [len(open(p).read().splitlines()) for p in paths] if fmt == "csv" else []
            self.assertEqual(rows, [136, 136, 137] if fmt == "csv" else [])  # 134, 134, 135 rows + 2 head lines

    def test_merge_refuses_shards_that_do_not_make_one_whole_sweep(self):
        a, b, c = self.shards("csv")
        other = self.path("other.csv")
        cli("sweep", "optics.refraction", "n1=1:2:13", "theta1_deg=0:90:31", "--shard", "3/3", "-o", other)
        cut = self.path("cut.csv")
        with open(c) as f, open(cut, "w") as g:
            g.write(f.read()[:-30])
        for files, word in (([a, b], "shard 3/3 is missing"), ([a, b, b, c], "twice"),
                            ([a, b, other], "another sweep"), ([a, b, cut], "incomplete"),
                            ([a, b, self.path("none.csv")], "cannot read")):
            r = cli("merge", *files)
            self.assertEqual((r.returncode, r.stdout), (2, ""), files)
            self.assertIn(word, r.stderr)

    def test_shard_and_resume_arguments_are_checked(self):
        for args, word in ((["--shard", "0/3"], "--shard"), (["--shard", "4/3"], "--shard"),
                           (["--shard", "2"], "--shard"), (["--resume"], "-o")):
            r = cli(*self.ARGS, *args)
            self.assertEqual((r.returncode, r.stdout), (2, ""), args)
            self.assertIn(word, r.stderr)
        r = cli("sweep", "optics.refraction", "n1=1:2:3", "--shard", "1/4")
        self.assertIn("4 shards for a sweep of 3 rows", r.stderr)

    def interrupt_and_resume(self, fmt, points, stop):
        """Starts a sweep to -o, stops it with `stop` once its side file holds
        a few points, resumes it, and returns (resumed file, uninterrupted text)."""
        args = ["sweep", "tmi.threshold", f"a_um=10:30:{points}", "-j2", "--outputs", "p_th_w",
                "--format", fmt]
        out = self.path("tmi." + fmt)
        p = subprocess.Popen([CLI, *args, "-o", out], stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 100
        kept = 0
        while kept < 12 and p.poll() is None and time.monotonic() < deadline:
            time.sleep(0.05)
            sides = [n for n in os.listdir(self.dir.name) if n.endswith(".part")]
            text = open(self.path(sides[0])).read() if sides else ""
            kept = text.count("\n  }") if fmt == "json" else len(text.splitlines()) - 1
        stop(p)
        p.wait()
        self.assertGreaterEqual(kept, 12)
        self.assertFalse(os.path.exists(out))
        r = cli(*args, "-o", out, "--resume")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("already in the side file", r.stderr)
        self.assertEqual(os.listdir(self.dir.name), [os.path.basename(out)])
        with open(out) as f:
            return f.read(), cli(*args).stdout

    def test_a_killed_sweep_resumes_without_losing_or_repeating_a_row(self):
        resumed, whole = self.interrupt_and_resume("csv", 120, lambda p: p.kill())
        self.assertEqual(resumed, whole)

    def test_an_interrupted_json_sweep_resumes_into_the_same_document(self):
        resumed, whole = self.interrupt_and_resume("json", 60, lambda p: p.send_signal(signal.SIGINT))
        self.assertEqual(resumed, whole)
        self.assertEqual(len(json.loads(resumed)["points"]), 60)

    def test_two_runs_of_one_sweep_never_share_a_side_file(self):
        args = ["sweep", "tmi.threshold", "a_um=10:30:200", "-j1", "-o", self.path("t.csv")]
        first = subprocess.Popen([CLI, *args], stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 60
            while not any(n.endswith(".part") for n in os.listdir(self.dir.name)) and time.monotonic() < deadline:
                time.sleep(0.02)
            second = cli(*args)
            self.assertEqual(second.returncode, 1)
            self.assertIn("another velmora-cli is writing", second.stderr)
        finally:
            first.kill()
            first.wait()


class DesignInputs(unittest.TestCase):
    """run --design takes a saved design's inputs; arguments still win."""

    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.dir.name, "d.velmora.json")

    def tearDown(self):
        self.dir.cleanup()

    def write(self, version=1, tau="2e-09"):
        design = {"format": "velmora-design", "version": version, "page": "LaserPluse", "tab": 0,
                  "tabs": {"pulse.gaussian": {"tau_s": tau, "f_hz": "2000000"}}}
        with open(self.path, "w") as f:
            json.dump(design, f)

    def test_the_design_fills_the_inputs_and_arguments_override_it(self):
        self.write()
        r = cli("run", "pulse.gaussian", "--design", self.path, "--format", "json")
        self.assertEqual(r.returncode, 0, r.stderr)
        inputs = json.loads(r.stdout)["inputs"]
        self.assertEqual((inputs["tau_s"], inputs["f_hz"]), (2e-09, 2e6))
        r = cli("run", "pulse.gaussian", "--design", self.path, "f_hz=5", "--format", "json")
        self.assertEqual(json.loads(r.stdout)["inputs"]["f_hz"], 5)

    def test_a_newer_or_invalid_design_is_refused_in_one_line(self):
        for version, tau in ((2, "2e-09"), (1, "1e309")):
            self.write(version, tau)
            r = cli("run", "pulse.gaussian", "--design", self.path)
            self.assertEqual((r.returncode, r.stdout), (2, ""), r.stderr)
            self.assertEqual(len(r.stderr.strip().splitlines()), 1, r.stderr)
        self.assertIn("tau_s", r.stderr)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
