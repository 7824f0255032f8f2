#!/usr/bin/env python3
"""tarnwick-cli upload against stavik-sim on a pseudo-terminal, at the protocol's real pace.

Usage: test_cli_upload.py CASE, CASE one of: full, dry-run, interrupt-writing,
refused-password-change, wrong-password, interrupt, usage. Run by ctest with TARNWICK_CLI, STAVIK_SIM and TARNWICK_SOURCE_DIR set.

The file to upload is made from the sample with the independent stv_tool.py, never with the
program's own code: three label bytes changed, plus bytes in protected locations that the
unit must keep.
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
SOURCE = os.environ["TARNWICK_SOURCE_DIR"]
SAMPLE = os.path.join(SOURCE, "data", "sample.stv")
PROTECTED = os.path.join(SOURCE, "data", "protected.dat")
STV_TOOL = os.path.join(SOURCE, "tests", "tools", "stv_tool.py")
SAMPLE_PASSWORD = "1234"

# Memory offsets (block = offset // 8) changed in the uploaded file: a byte of the site label
# (block 42) and of the labels of channels 1 and 16 (blocks 47 and 63).
LABEL_BYTES = (339, 376, 511)
CHANGED_BLOCKS = [42, 47, 63]
# Protected locations changed in the file as well: the firmware byte (block 3), a
# calibration byte (block 7), a byte after the answer settings (block 119) and one after the
# Ovin site labels (block 251). The unit keeps its own values, so these blocks are not written.
PROTECTED_BYTES = (31, 60, 955, 2012)
PASSWORD_BYTES = range(960, 970)


def protected_offsets():
    with open(PROTECTED, "rb") as f:
        data = f.read()
    assert len(data) == 238
    return {data[k] * 8 + data[119 + k] for k in range(119)}


def unpack(path, folder):
    raw, fields = os.path.join(folder, "unpacked.raw"), os.path.join(folder, "unpacked.json")
    subprocess.run([sys.executable, STV_TOOL, "unpack", path, "-o", raw, "--json", fields],
                   check=True)
    with open(raw, "rb") as r, open(fields, encoding="utf-8") as j:
        return r.read(), json.load(j)


def make_upload_file(folder, port):
    """The sample with the label and protected bytes changed, naming `port`; returns the
    file's path, its image and the sample's image."""
    sample, fields = unpack(SAMPLE, folder)
    image = bytearray(sample)
    for offset in LABEL_BYTES:
        image[offset] = ord("Q") if image[offset] != ord("Q") else ord("R")
    for offset in PROTECTED_BYTES:
        image[offset] ^= 0x5A
    raw = os.path.join(folder, "upload.raw")
    with open(raw, "wb") as f:
        f.write(image)
    path = os.path.join(folder, "upload.stv")
    subprocess.run([sys.executable, STV_TOOL, "pack", "--image", raw, "--port", port,
                    "--sn", fields["sn"], "--site", fields["site"], "--dest", fields["dest"],
                    "-o", path], check=True)
    return path, bytes(image), sample


class CliUpload(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        # An empty user hive: the registry store shows the default hive's values only.
        self.env = dict(os.environ, TARNWICK_REGISTRY_DIR=os.path.join(self.tmp.name, "hive"))
        self.unit = SimulatedUnit(self.tmp.name, SIM, SAMPLE, SAMPLE_PASSWORD)
        self.file, self.image, self.sample = make_upload_file(self.tmp.name, self.unit.link)

    def tearDown(self):
        self.unit.stop()
        self.tmp.cleanup()

    def upload(self, *options, password=SAMPLE_PASSWORD, wait=True):
        args = [CLI, "upload", self.file, "--password", password, *options]
        if wait:
            return subprocess.run(args, capture_output=True, text=True, env=self.env,
                                  stdin=subprocess.DEVNULL, timeout=280)
        return subprocess.Popen(args, stderr=subprocess.PIPE, text=True, env=self.env,
                                stdin=subprocess.DEVNULL)

    def interrupt_and_collect(self, cli):
        cli.send_signal(signal.SIGINT)
        _, errors = cli.communicate(timeout=10)
        sent = len(self.unit.frames_in())
        # The port is closed at once: nothing follows, even after a few more ticks' time.
        time.sleep(1.5)
        self.assertEqual(len(self.unit.frames_in()), sent)
        return errors.splitlines()

    def test_full(self):
        # Port, serial number and site letters from the file; protected locations from the
        # registry store's default hive.
        started = time.monotonic()
        result = self.upload()
        wall = time.monotonic() - started
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stderr.splitlines()
        self.assertEqual(lines[-1], "Upload complete.")
        for stage in ("Checking for missing data...", "Uploading new settings...",
                      "Verifying data...", "Rebooting Stavik..."):
            self.assertIn(stage, lines)
        # 128 s of reading, 3 x (1 s + a read-back), 16 s of restart, sign-on.
        self.assertLess(wall, 160)

        sent = self.unit.frames_in()
        self.assertEqual(self.unit.blocks_of("data"), CHANGED_BLOCKS, "only the changed blocks")
        for i, frame in enumerate(sent):
            if frame["kind"] == "data":
                self.assertEqual((sent[i + 1]["kind"], sent[i + 1]["block"]),
                                 ("commit", frame["block"]), "each data frame is committed")
        last_commit = max(i for i, f in enumerate(sent) if f["kind"] == "commit")
        read_backs = [f["block"] for f in sent[last_commit:] if f["kind"] == "read"]
        self.assertEqual(read_backs, CHANGED_BLOCKS, "each written block is read back once")
        self.assertEqual([f["kind"] for f in sent].count("restart"), 1)
        self.assertEqual(sent[-1]["kind"], "restart", "the restart comes last")
        last_answer = self.unit.answers()[-1]
        self.assertGreaterEqual(sent[-1]["t_ms"] - last_answer["t_ms"], 15000)

        protected = protected_offsets()
        expected = bytes(self.sample[i] if i in protected else self.image[i]
                         for i in range(len(self.image)))
        memory = self.unit.memory()
        self.assertEqual(memory, expected)
        for offset in PROTECTED_BYTES:
            self.assertEqual(memory[offset], self.sample[offset], f"protected byte {offset}")

    def test_dry_run(self):
        # Signs on and reads as an upload does, then lists by name what it would change:
        # the three labels, not the protected bytes, which stay the unit's.
        result = self.upload("--dry-run")
        self.assertEqual(result.returncode, 1, result.stderr)
        lines = result.stdout.splitlines()
        self.assertEqual([line.split(":")[0] for line in lines[:-1]],
                         ["site_label", "channels[0].label", "channels[15].label"])
        self.assertEqual(lines[-1], "# blocks an upload would write: 42, 47, 63")
        self.assertIn("Dry run: nothing was written (no data frame, no commit request, "
                      "no restart).", result.stderr.splitlines())
        kinds = {f["kind"] for f in self.unit.frames_in()}
        self.assertEqual(kinds & {"data", "commit", "restart"}, set())
        self.assertEqual(self.unit.memory(), self.sample)

    def test_interrupt_writing(self):
        # A wrong old master password, answered by --yes: the rest is uploaded. Ctrl-C right
        # after the first commit leaves one block written and not yet read back.
        cli = self.upload("--change-passwords", "--old-master", "9999", "--new-master", "4321",
                          "--new-user", "8765", "--yes", "--protected", PROTECTED, wait=False)
        deadline = time.monotonic() + 200
        while not self.unit.blocks_of("commit"):
            self.assertIsNone(cli.poll(), "the upload ended before writing")
            self.assertLess(time.monotonic(), deadline)
            time.sleep(0.05)
        lines = self.interrupt_and_collect(cli)
        self.assertEqual(cli.returncode, 130, lines)
        self.assertIn("Do you want to continue with the upload (the password(s) will not be "
                      "changed)? Yes (--yes)", lines)
        self.assertIn("Cancel upload? Yes (interrupted)", lines)
        self.assertEqual(lines[-1], "Cancelled. Blocks written before the cancel (not verified): "
                                    + str(CHANGED_BLOCKS[0]))
        self.assertEqual(self.unit.blocks_of("data"), CHANGED_BLOCKS[:1])
        self.assertEqual(self.unit.blocks_of("restart"), [])

        memory = self.unit.memory()
        first = CHANGED_BLOCKS[0] * 8
        expected = self.sample[:first] + self.image[first:first + 8] + self.sample[first + 8:]
        self.assertEqual(memory, expected)
        self.assertEqual(memory[960:970], self.sample[960:970], "passwords unchanged")

    def test_refused_password_change(self):
        # A wrong old master password, answered by --no: the upload stops before any write.
        result = self.upload("--change-passwords", "--old-master", "9999", "--new-master",
                             "4321", "--new-user", "8765", "--no")
        self.assertEqual(result.returncode, 1, result.stderr)
        lines = result.stderr.splitlines()
        self.assertIn("Unable to change password(s). The Master Password you entered is "
                      "incorrect.", lines)
        self.assertIn("Do you want to continue with the upload (the password(s) will not be "
                      "changed)? No (--no)", lines)
        self.assertEqual(lines[-1], "Upload stopped. Nothing was written.")
        for kind in ("data", "commit", "restart"):
            self.assertEqual(self.unit.blocks_of(kind), [], kind)
        self.assertEqual(self.unit.memory(), self.sample)

    def test_wrong_password(self):
        result = self.upload("--port", self.unit.link, "--sn", "104729", "--site", "A",
                             password="9999")
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.splitlines()[-1], "Unable to connect: Incorrect password.")
        self.assertEqual(self.unit.blocks_of("read"), [], "nothing is read after a refusal")
        self.assertEqual(self.unit.memory(), self.sample)

    def test_interrupt(self):
        cli = self.upload(wait=False)
        time.sleep(4)
        lines = self.interrupt_and_collect(cli)
        self.assertEqual(cli.returncode, 130, lines)
        self.assertEqual(lines[-1], "Cancelled before anything was written.")
        self.assertGreater(len(self.unit.blocks_of("read")), 2, "the sweep had begun")
        self.assertEqual(self.unit.memory(), self.sample)

    def test_usage(self):
        # Refused before the port is opened: the unit hears nothing.
        hive = os.path.join(self.tmp.name, "hive")
        os.makedirs(hive)
        with open(os.path.join(hive, "HKEY_LOCAL_MACHINE.reg"), "w", encoding="ascii") as f:
            f.write("Windows Registry Editor Version 5.00\n\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0]\n"
                    "\"Protected\"=\"/nonexistent/protected.dat\"\n")
        short = os.path.join(self.tmp.name, "short.dat")
        with open(PROTECTED, "rb") as f, open(short, "wb") as out:
            out.write(f.read()[:200])
        cases = [
            ((), "/nonexistent/protected.dat: no such protected-locations file"),
            (("--protected", short),
             short + ": a protected-locations file is 238 bytes, this one has 200"),
            (("--protected", PROTECTED, "--change-passwords", "--old-master", "1234",
              "--new-master", "12345", "--new-user", "5678"),
             "The new Master Password must be 4 digits long."),
            (("--protected", PROTECTED, "--change-passwords", "--old-master", "1234",
              "--new-master", "1234", "--new-user", "567"),
             "The new User Password must be 4 digits long."),
            (("--protected", PROTECTED, "--new-user", "5678"),
             "--new-user goes with --change-passwords"),
        ]
        for options, message in cases:
            with self.subTest(options=options):
                result = self.upload(*options)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stderr.splitlines(), ["tarnwick-cli: " + message])
        self.assertEqual(self.unit.frames_in(), [])


if __name__ == "__main__":
    case = sys.argv.pop(1).replace("-", "_")
    unittest.main(argv=[sys.argv[0], "CliUpload.test_" + case], verbosity=2)
