#!/usr/bin/env python3
"""tarnwick-cli download against stavik-sim on a pseudo-terminal, at the protocol's real pace.

Usage: test_cli_download.py CASE, CASE one of: full, wrong-password, interrupt.
Run by ctest with TARNWICK_CLI, STAVIK_SIM and TARNWICK_SOURCE_DIR set.
"""

import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.environ["TARNWICK_SOURCE_DIR"], "tests", "tools"))
from simulated_unit import SimulatedUnit  # noqa: E402

CLI = os.environ["TARNWICK_CLI"]
SIM = os.environ["STAVIK_SIM"]
SAMPLE = os.path.join(os.environ["TARNWICK_SOURCE_DIR"], "data", "sample.stv")
SAMPLE_SN = "104729"
SAMPLE_PASSWORD = "1234"


class CliDownload(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.unit = SimulatedUnit(self.tmp.name, SIM, SAMPLE, SAMPLE_PASSWORD)
        self.output = os.path.join(self.tmp.name, "downloaded.stv")

    def tearDown(self):
        self.unit.stop()
        self.tmp.cleanup()

    def download_args(self, password=SAMPLE_PASSWORD):
        return [CLI, "download", "--port", self.unit.link, "--sn", SAMPLE_SN,
                "--password", password, "--site", "A", "-o", self.output]

    def test_full(self):
        started = time.monotonic()
        result = subprocess.run(self.download_args(), capture_output=True, text=True,
                                stdin=subprocess.DEVNULL)
        wall = time.monotonic() - started
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stderr.splitlines()
        self.assertEqual(lines[-1], "Download complete.")
        for section in ("Site options", "Channel settings", "Channel labels", "Ovin site names",
                        "Processing Stavik data...", "Checking for missing data..."):
            self.assertIn(section, lines)
        self.assertLess(wall, 140)

        image = os.path.join(self.tmp.name, "downloaded.raw")
        subprocess.run([CLI, "image", self.output, "-o", image], check=True)
        self.unit.stop()
        with open(image, "rb") as got, open(self.unit.dump, "rb") as memory:
            self.assertEqual(got.read(), memory.read())

        shown = json.loads(subprocess.run([CLI, "show", self.output, "--json"], check=True,
                                          capture_output=True, text=True).stdout)
        self.assertEqual(shown["connection"]["sn"], SAMPLE_SN)
        self.assertEqual(shown["connection"]["port"], self.unit.link)

        blocks = [r["block"] for r in self.unit.read_requests()]
        start = blocks.index(0)
        self.assertEqual(set(blocks[:start]), {3}, "only the firmware check precedes the sweep")
        sweep = self.unit.read_requests()[start:]
        self.assertEqual([r["block"] for r in sweep], list(range(252)), "no re-requests")
        gaps = [b["t_ms"] - a["t_ms"] for a, b in zip(sweep, sweep[1:])]
        self.assertTrue(all(450 <= gap <= 550 for gap in gaps), gaps)
        self.assertAlmostEqual(sum(gaps) / len(gaps), 500, delta=5)

    def test_wrong_password(self):
        result = subprocess.run(self.download_args(password="9999"), capture_output=True,
                                text=True, stdin=subprocess.DEVNULL, timeout=30)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.splitlines()[-1], "Unable to connect: Incorrect password.")
        self.assertFalse(os.path.exists(self.output))
        self.assertEqual(self.unit.read_requests(), [], "nothing is read after a refusal")

    def test_interrupt(self):
        cli = subprocess.Popen(self.download_args(), stderr=subprocess.PIPE, text=True,
                               stdin=subprocess.DEVNULL)
        time.sleep(4)
        cli.send_signal(signal.SIGINT)
        stopped = time.monotonic()
        _, errors = cli.communicate(timeout=10)
        self.assertEqual(cli.returncode, 130, errors)
        self.assertIn("Cancel download? Yes (interrupted)", errors.splitlines())
        self.assertFalse(os.path.exists(self.output))
        reads = self.unit.read_requests()
        self.assertGreater(len(reads), 2, "the sweep had begun")
        # The port is closed at once: no request follows, even after a few more ticks' time.
        time.sleep(1.5)
        self.assertEqual(len(self.unit.read_requests()), len(reads))
        self.assertLess(time.monotonic() - stopped, 5)


if __name__ == "__main__":
    case = sys.argv.pop(1).replace("-", "_")
    unittest.main(argv=[sys.argv[0], "CliDownload.test_" + case], verbosity=2)
