#!/usr/bin/env python3
"""tarnwick-cli's file commands against the independent settings-file tool.

Run by ctest with TARNWICK_CLI (the tool under test) and TARNWICK_SOURCE_DIR set.
"""

import json
import os
import random
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CLI = os.environ["TARNWICK_CLI"]
SOURCE = os.environ["TARNWICK_SOURCE_DIR"]
SAMPLE = os.path.join(SOURCE, "data", "sample.stv")
STV_TOOL = [sys.executable, os.path.join(HERE, "stv_tool.py")]


def run(args):
    return subprocess.run(args, capture_output=True, text=True)


class CliFiles(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def random_image(self, seed):
        rng = random.Random(seed)
        data = bytes(rng.randrange(256) for _ in range(2016))
        with open(self.path("in.raw"), "wb") as f:
            f.write(data)
        return data

    def assert_fails_cleanly(self, result, output):
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(len(result.stderr.strip().splitlines()), 1, result.stderr)
        self.assertTrue(result.stderr.startswith("tarnwick-cli: "), result.stderr)
        self.assertFalse(os.path.exists(output))

    def test_show_json_names_every_field(self):
        r = run([CLI, "show", SAMPLE, "--json"])
        self.assertEqual(r.returncode, 0, r.stderr)
        doc = json.loads(r.stdout)
        self.assertEqual(doc["connection"]["sn"], "104729")
        self.assertEqual(doc["last_synchronized"], "2026-11-30T14:05:00")
        config = doc["configuration"]
        for key in ("firmware", "layout", "site_label", "limits_monitoring", "local_options",
                    "sites", "baud", "channels", "dial_out_on_alarm", "answer_incoming_calls",
                    "answer_after_rings", "phone_numbers", "sign_on_message", "ovin"):
            self.assertIn(key, config)
        self.assertEqual(len(config["channels"]), 16)
        self.assertEqual(len(config["phone_numbers"]), 9)
        self.assertEqual(len(config["sign_on_message"]), 16)
        self.assertEqual(len(config["ovin"]), 4)
        self.assertEqual(config["channels"][0]["label"], "WETWELL")
        self.assertEqual(config["sign_on_message"][0]["word"], "hello")

    def test_show_text_starts_with_the_connection(self):
        r = run([CLI, "show", SAMPLE])
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("serial number 104729", r.stdout)
        self.assertIn("Site label: LIFT 3", r.stdout)

    def test_image_reads_a_file_packed_by_the_independent_tool(self):
        for seed in range(5):
            image = self.random_image(seed)
            stv, raw = self.path("x.stv"), self.path("out.raw")
            r = run(STV_TOOL + ["pack", "--image", self.path("in.raw"), "--port", "COM1",
                                "--sn", "123456", "--site", "B", "--dest", "C", "-o", stv])
            self.assertEqual(r.returncode, 0, r.stderr)
            r = run([CLI, "image", stv, "-o", raw])
            self.assertEqual(r.returncode, 0, r.stderr)
            with open(raw, "rb") as f:
                self.assertEqual(f.read(), image)

    def test_pack_is_accepted_by_the_independent_tool(self):
        image = self.random_image(42)
        stv = self.path("p.stv")
        r = run([CLI, "pack", "--image", self.path("in.raw"), "--port", "Modem 1", "--addr",
                 "5550100", "--sn", "654321", "--site", "D", "--dest", "A",
                 "--saved-at", "2025-03-04T05:06:07", "-o", stv])
        self.assertEqual(r.returncode, 0, r.stderr)
        r = run(STV_TOOL + ["unpack", stv, "-o", self.path("u.raw"), "--json", self.path("u.json")])
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(self.path("u.raw"), "rb") as f:
            self.assertEqual(f.read(), image)
        with open(self.path("u.json")) as f:
            fields = json.load(f)
        self.assertEqual(fields["port"], "Modem 1")
        self.assertEqual(fields["addr"], "5550100")
        self.assertEqual(fields["sn"], "654321")
        self.assertEqual(fields["site"], "D")
        self.assertEqual(fields["dest"], "A")
        self.assertTrue(fields["saved_at"].startswith("2025-03-04T05:06:07"))

    def test_bad_input_gives_one_line_and_writes_nothing(self):
        with open(SAMPLE, "rb") as f:
            good = f.read()
        damaged = {
            "signature.stv": good[:2] + b"tarnwick20" + good[12:],
            "tampered.stv": good[:100] + bytes([good[100] ^ 1]) + good[101:],
            "short.stv": good[:500],
        }
        out = self.path("out.raw")
        for name, data in damaged.items():
            with open(self.path(name), "wb") as f:
                f.write(data)
            self.assert_fails_cleanly(run([CLI, "image", self.path(name), "-o", out]), out)
            self.assert_fails_cleanly(run([CLI, "show", self.path(name)]), out)
        self.assert_fails_cleanly(run([CLI, "image", self.path("missing.stv"), "-o", out]), out)
        self.assertFalse(os.path.exists(self.path("missing.stv")))
        blocked = os.path.join(self.path("no-such-folder"), "out.raw")
        self.assert_fails_cleanly(run([CLI, "image", SAMPLE, "-o", blocked]), blocked)

    def test_pack_refuses_a_wrong_sized_image_and_bad_site(self):
        with open(self.path("small.raw"), "wb") as f:
            f.write(b"\0" * 2015)
        out = self.path("p.stv")
        self.assert_fails_cleanly(run([CLI, "pack", "--image", self.path("small.raw"), "--port",
                                       "COM1", "--sn", "1", "--site", "A", "-o", out]), out)
        self.random_image(1)
        self.assert_fails_cleanly(run([CLI, "pack", "--image", self.path("in.raw"), "--port",
                                       "COM1", "--sn", "1", "--site", "E", "-o", out]), out)


if __name__ == "__main__":
    unittest.main()
