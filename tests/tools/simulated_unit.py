"""stavik-sim as the peer of the command-line transfer tests.

The unit has the sample memory and is stopped with SIGTERM, after which its memory dump and
frame log are complete. A fixed seed fixes its chassis ID frames: with some seeds the
unanswered repeats hold a lead-like byte that swallows the firmware answer, which then costs
a 5 s retry.
"""

import json
import os
import signal
import subprocess


class SimulatedUnit:
    def __init__(self, folder, sim, settings, password):
        self.link = os.path.join(folder, "stavik")
        self.log = os.path.join(folder, "frames.jsonl")
        self.dump = os.path.join(folder, "memory.bin")
        self.process = subprocess.Popen(
            [sim, "--settings", settings, "--password", password, "--seed", "1",
             "--link", self.link, "--log", self.log, "--dump-memory", self.dump],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        first = self.process.stdout.readline().strip()
        if not first.startswith("/dev/"):
            self.process.kill()
            raise RuntimeError("stavik-sim did not start: " + self.process.stderr.read())

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=10)

    def memory(self):
        self.stop()
        with open(self.dump, "rb") as f:
            return f.read()

    def frames(self):
        with open(self.log, encoding="ascii") as log:
            return [json.loads(line) for line in log if line.strip()]

    def frames_in(self):
        """What the computer sent, in order."""
        return [f for f in self.frames() if f["dir"] == "in"]

    def read_requests(self):
        return [f for f in self.frames_in() if f["kind"] == "read"]

    def answers(self):
        return [f for f in self.frames() if f["dir"] == "out" and f["kind"] == "data"]

    def blocks_of(self, kind):
        return [f["block"] for f in self.frames_in() if f["kind"] == kind]
