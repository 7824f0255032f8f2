#!/usr/bin/env python3
"""tarnwick-cli diff and apply on files made by the independent settings-file tool.

Run by ctest with TARNWICK_CLI (the tool under test) and TARNWICK_SOURCE_DIR set.
"""

import json
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CLI = os.environ["TARNWICK_CLI"]
SOURCE = os.environ["TARNWICK_SOURCE_DIR"]
SAMPLE = os.path.join(SOURCE, "data", "sample.stv")
STV_TOOL = [sys.executable, os.path.join(HERE, "stv_tool.py")]

SITE_LABEL, USE_DTMF, PHONE_2 = 339, 23, 1006


def run(args):
    return subprocess.run(args, capture_output=True, text=True)


class CliCompare(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        r = run([CLI, "image", SAMPLE, "-o", self.path("sample.raw")])
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(self.path("sample.raw"), "rb") as f:
            self.sample = bytearray(f.read())

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def pack(self, name, image, sn="123456", saved_at="2025-01-02T03:04:05"):
        raw = self.path(name + ".raw")
        with open(raw, "wb") as f:
            f.write(bytes(image))
        out = self.path(name + ".stv")
        r = run(STV_TOOL + ["pack", "--image", raw, "--port", "COM1", "--addr", "", "--sn", sn,
                            "--site", "A", "--dest", "A", "--saved-at", saved_at, "-o", out])
        self.assertEqual(r.returncode, 0, r.stderr)
        return out

    def two_files(self):
        a = bytearray(self.sample)
        a[SITE_LABEL:SITE_LABEL + 7] = b"NORTH  "
        a[USE_DTMF] = 0
        a[PHONE_2:PHONE_2 + 16] = bytes([5, 5, 5, 0, 1, 0, 0]) + b" " * 9
        b = bytearray(a)
        b[SITE_LABEL:SITE_LABEL + 7] = b"SOUTH  "
        b[USE_DTMF] = 1
        b[PHONE_2] = 9
        return (self.pack("a", a), self.pack("b", b, sn="654321", saved_at="2025-06-07T08:09:10"))

    def test_diff_of_two_independent_files_lists_exactly_the_three_fields(self):
        a, b = self.two_files()
        r = run([CLI, "diff", a, b])
        self.assertEqual(r.returncode, 1, r.stderr)
        counted = r.stdout.split("# connection and dates")[0].splitlines()
        self.assertEqual(counted, [
            'site_label: "NORTH" -> "SOUTH"',
            "local_options.use_dtmf: off -> on",
            'phone_numbers[1]: "5550100" -> "9550100"',
        ])
        self.assertIn('connection.sn: "123456" -> "654321"', r.stdout)

        r = run([CLI, "diff", a, b, "--json"])
        self.assertEqual(r.returncode, 1, r.stderr)
        report = json.loads(r.stdout)
        self.assertEqual([f["path"] for f in report["fields"]],
                         ["site_label", "local_options.use_dtmf", "phone_numbers[1]"])
        self.assertEqual(report["fields"][0]["tab"], "Local Options")
        self.assertEqual(report["bytes"], [])

    def test_connection_and_dates_count_only_with_all(self):
        a = self.pack("a", self.sample)
        b = self.pack("b", self.sample, sn="999999")
        self.assertEqual(run([CLI, "diff", a, b]).returncode, 0)
        self.assertEqual(run([CLI, "diff", a, b, "--all"]).returncode, 1)
        r = run([CLI, "diff", a, a])
        self.assertEqual((r.returncode, r.stdout), (0, ""))

    def test_diff_trouble_is_status_2(self):
        a = self.pack("a", self.sample)
        for args in ([a, self.path("missing.stv")], [a, self.path("sample.raw")], [a]):
            r = run([CLI, "diff"] + args)
            self.assertEqual(r.returncode, 2, (args, r.stdout, r.stderr))
            self.assertTrue(r.stderr.startswith("tarnwick-cli: "), r.stderr)
        r = run([CLI, "diff", a, self.path("sample.raw"), "--dest", "A"])
        self.assertEqual((r.returncode, r.stdout), (0, ""), r.stderr)

    def test_apply_of_a_files_own_report_is_byte_identical(self):
        r = run([CLI, "show", SAMPLE, "--json"])
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(self.path("full.json"), "w") as f:
            f.write(r.stdout)
        out = self.path("out.stv")
        r = run([CLI, "apply", self.path("full.json"), SAMPLE, "-o", out])
        self.assertEqual((r.returncode, r.stdout), (0, ""), r.stderr)
        with open(SAMPLE, "rb") as f, open(out, "rb") as g:
            self.assertEqual(f.read(), g.read())

    def test_apply_refuses_bad_fields_by_name_and_writes_nothing(self):
        with open(self.path("bad.json"), "w") as f:
            json.dump({"site_label": "north", "phone_numbers": ["555x"],
                       "channels[2].high_limit": -1, "colour": "red"}, f)
        out = self.path("out.stv")
        r = run([CLI, "apply", self.path("bad.json"), SAMPLE, "-o", out])
        self.assertEqual(r.returncode, 1)
        self.assertFalse(os.path.exists(out))
        names = [line.split(":")[0] for line in r.stderr.splitlines()]
        self.assertEqual(names, ["site_label", "channels[2].high_limit", "phone_numbers[0]",
                                 "colour", "tarnwick-cli"])

    def test_one_changes_file_applied_to_many_site_files(self):
        with open(self.path("changes.json"), "w") as f:
            json.dump({"phone_numbers": ["5550199"], "channels[0].raise_duration_s": 1.5}, f)
        for n in range(3):
            image = bytearray(self.sample)
            image[SITE_LABEL:SITE_LABEL + 7] = ("SITE %d  " % n).encode()[:7]
            site = self.pack("site%d" % n, image)
            out = self.path("site%d.new.stv" % n)
            r = run([CLI, "apply", self.path("changes.json"), site, "-o", out])
            self.assertEqual(r.returncode, 0, r.stderr)
            r = run([CLI, "diff", site, out])
            self.assertEqual(r.returncode, 1, r.stderr)
            paths = [line.split(":")[0] for line in r.stdout.split("# connection")[0].splitlines()]
            self.assertEqual(paths, ["channels[0].raise_duration_s", "phone_numbers[0]"])


if __name__ == "__main__":
    unittest.main()
