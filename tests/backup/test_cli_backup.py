#!/usr/bin/env python3
"""tarnwick-cli backup against stavik-sim units on pseudo-terminals.

Usage: test_cli_backup.py CASE, CASE one of: units (real speed, about 4.5 minutes), interrupt,
refusals.
Run by ctest with TARNWICK_CLI, STAVIK_SIM and TARNWICK_SOURCE_DIR set.
"""

import json
import os
import re
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
DATED = re.compile(r"^(\w+)-\d{8}T\d{6}Z\.stv$")


class CliBackup(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.units = []
        self.out = os.path.join(self.tmp.name, "backups")

    def tearDown(self):
        for unit in self.units:
            unit.stop()
        self.tmp.cleanup()

    def start_units(self, count):
        for i in range(count):
            folder = os.path.join(self.tmp.name, "unit%d" % i)
            os.mkdir(folder)
            self.units.append(SimulatedUnit(folder, SIM, SAMPLE, "1234"))

    def inventory(self, passwords, mode=0o600):
        path = os.path.join(self.tmp.name, "inventory.json")
        units = [{"name": "site%d" % i, "port": unit.link, "sn": SAMPLE_SN, "site": "A",
                  "password": password}
                 for i, (unit, password) in enumerate(zip(self.units, passwords))]
        with open(path, "w", encoding="ascii") as f:
            json.dump({"units": units}, f)
        os.chmod(path, mode)
        return path

    def backup(self, inventory, *extra):
        return subprocess.run([CLI, "backup", "--inventory", inventory, "--out", self.out]
                              + list(extra), capture_output=True, text=True,
                              stdin=subprocess.DEVNULL, timeout=400)

    def files(self):
        found = []
        for root, _, names in os.walk(self.out):
            found += [os.path.relpath(os.path.join(root, n), self.out) for n in names]
        return sorted(found)

    def test_units(self):
        self.start_units(3)
        inventory = self.inventory(["1234", "1234", "9999"])
        first = self.backup(inventory)
        self.assertEqual(first.returncode, 1, first.stderr)
        backups = [f for f in self.files() if f.endswith(".stv")]
        self.assertEqual(len(backups), 2, backups)
        for name in backups:
            folder, file = os.path.split(name)
            self.assertIn(folder, ("site0", "site1"))
            self.assertEqual(DATED.match(file).group(1), folder)
        summary = first.stdout.splitlines()
        self.assertTrue(summary[0].startswith("UNIT"), first.stdout)
        failed = [line for line in summary if line.startswith("site2")]
        self.assertEqual(len(failed), 1)
        self.assertIn("failed", failed[0])
        self.assertIn("assword", failed[0])
        with open(os.path.join(self.out, "backup-report.json"), encoding="utf-8") as f:
            report = json.load(f)
        self.assertFalse(report["ok"])
        results = {u["name"]: u for u in report["units"]}
        self.assertEqual(results["site0"]["result"], "backed up")
        self.assertEqual(results["site1"]["result"], "backed up")
        self.assertEqual(results["site2"]["result"], "failed")
        self.assertIn("assword", results["site2"]["error"])
        # The two good units ran side by side: one download's time, not two.
        self.assertLess(max(results["site0"]["seconds"], results["site1"]["seconds"]), 140)

        second = self.backup(inventory)
        self.assertEqual(second.returncode, 1, second.stderr)
        self.assertEqual([f for f in self.files() if f.endswith(".stv")], backups)
        with open(os.path.join(self.out, "backup-report.json"), encoding="utf-8") as f:
            report = json.load(f)
        self.assertEqual([u["result"] for u in report["units"]],
                         ["unchanged", "unchanged", "failed"])
        # The unit with the wrong password was never read, only asked who it is.
        self.units[2].stop()
        self.assertEqual(self.units[2].read_requests(), [])
        self.assertTrue(self.units[2].frames_in())

    def test_interrupt(self):
        self.start_units(2)
        inventory = self.inventory(["1234", "1234"])
        process = subprocess.Popen([CLI, "backup", "--inventory", inventory, "--out", self.out],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                   stdin=subprocess.DEVNULL)
        time.sleep(8)  # both are reading their units by now
        process.send_signal(signal.SIGINT)
        stdout, stderr = process.communicate(timeout=20)
        self.assertEqual(process.returncode, 130, stderr)
        self.assertEqual(self.files(), ["backup-report.json"])
        with open(os.path.join(self.out, "backup-report.json"), encoding="utf-8") as f:
            report = json.load(f)
        self.assertTrue(report["cancelled"])
        self.assertEqual([u["result"] for u in report["units"]], ["cancelled", "cancelled"])
        self.assertIn("cancelled", stdout)
        # Both had started reading their units when the interrupt came.
        for unit in self.units:
            unit.stop()
            self.assertTrue(unit.read_requests())

    def test_refusals(self):
        self.start_units(1)
        inventory = self.inventory(["1234"], mode=0o644)
        result = self.backup(inventory)
        self.assertEqual(result.returncode, 2)
        self.assertIn("chmod 600", result.stderr)
        self.assertIn("others can read it", result.stderr)
        self.assertFalse(os.path.exists(self.out))

        # Every bad entry named, nothing started.
        with open(inventory, "w", encoding="ascii") as f:
            json.dump({"units": [{"name": "a", "port": self.units[0].link, "sn": SAMPLE_SN,
                                  "site": "A", "pasword": "1234"},
                                 {"name": "b", "port": self.units[0].link, "sn": SAMPLE_SN,
                                  "site": "Q", "password": "1234"}]}, f)
        os.chmod(inventory, 0o600)
        result = self.backup(inventory)
        self.assertEqual(result.returncode, 2)
        lines = result.stderr.splitlines()
        self.assertTrue(any('"a": unknown key "pasword"' in line for line in lines), lines)
        self.assertTrue(any('"b": "site" must be a site letter' in line for line in lines), lines)
        self.assertFalse(os.path.exists(self.out))
        # Nothing reached the unit's line.
        self.units[0].stop()
        self.assertEqual(self.units[0].frames(), [])


if __name__ == "__main__":
    case = sys.argv.pop(1)
    suite = unittest.TestSuite([CliBackup("test_" + case)])
    sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1)
