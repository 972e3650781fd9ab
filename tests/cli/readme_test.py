"""The README's command-line examples are what the program prints: every
"$ velmora-cli ..." line of a code block is run (in a scratch directory, so
"-o FILE" and "$ cat FILE" work as shown) and its output compared line by
line with the lines below it. A line "..." stands for any number of lines.
Run as: readme_test.py PATH_TO_README PATH_TO_VELMORA_CLI"""
import os
import re
import shlex
import subprocess
import sys
import tempfile
import unittest

README = None
CLI = None


def examples(text):
    """(command, expected lines) for each "$ " line of the README's plain
    code blocks (``` without a language)."""
    blocks, block, language = [], None, None
    for line in text.splitlines():
        if line.startswith("```"):
            if block is None:
                block, language = [], line[3:].strip()
            else:
                if not language:
                    blocks.append(block)
                block = None
        elif block is not None:
            block.append(line)
    found = []
    for lines in blocks:
        command, expected = None, []
        for line in lines:
            if line.startswith("$ "):
                if command:
                    found.append((command, expected))
                command, expected = line[2:], []
            elif command is not None:
                expected.append(line)
        if command:
            found.append((command, expected))
    return found


def matches(expected, actual):
    """Line by line; "..." skips lines up to the next expected one."""
    expected = [line.rstrip() for line in expected]
    while expected and expected[-1] == "":
        expected.pop()
    actual = [line.rstrip() for line in actual]
    while actual and actual[-1] == "":
        actual.pop()
    i = j = 0
    while i < len(expected):
        if expected[i] == "...":
            if i + 1 == len(expected):
                return True
            while j < len(actual) and actual[j] != expected[i + 1]:
                j += 1
            i += 1
            continue
        if j >= len(actual) or actual[j] != expected[i]:
            return False
        i += 1
        j += 1
    return j == len(actual)


class ReadmeExamples(unittest.TestCase):
    def test_every_shown_command_prints_what_the_readme_shows(self):
        with open(README, encoding="utf-8") as f:
            shown = [e for e in examples(f.read()) if e[0].split()[0] in ("velmora-cli", "cat")]
        self.assertGreaterEqual(len(shown), 5)
        env = dict(os.environ, LANG="C.UTF-8", LC_ALL="", LC_MESSAGES="")
        with tempfile.TemporaryDirectory() as scratch:
            for command, expected in shown:
                with self.subTest(command=command):
                    line = re.sub(r"^velmora-cli\b", shlex.quote(CLI), command)
                    r = subprocess.run(line, shell=True, cwd=scratch, env=env, capture_output=True,
                                       text=True, timeout=300)
                    self.assertEqual(r.returncode, 0, r.stderr)
                    self.assertTrue(matches(expected, r.stdout.splitlines()),
                                    "README shows:\n" + "\n".join(expected) +
                                    "\nthe program prints:\n" + r.stdout)


if __name__ == "__main__":
    README, CLI = sys.argv.pop(1), os.path.abspath(sys.argv.pop(1))
    unittest.main()
