"""What every fenhost --script test shares: a private registry folder, regtool, and fenhost
run on a script in that folder.

ctest sets FENHOST and REGTOOL, and PYTHONPATH to this folder.
"""

import os
import subprocess
import tempfile
import unittest

FENHOST = os.environ["FENHOST"]
REGTOOL = os.environ["REGTOOL"]


class FenhostScriptCase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.env = dict(os.environ, TARNWICK_REGISTRY_DIR=self.path("hives"),
                        QT_QPA_PLATFORM="offscreen")
        os.mkdir(self.env["TARNWICK_REGISTRY_DIR"])

    def tearDown(self):
        self.folder.cleanup()

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def regtool(self, *args):
        return subprocess.run([REGTOOL, *args], env=self.env, capture_output=True, text=True,
                              check=False)

    def fenhost(self, script):
        with open(self.path("script.fhs"), "w", encoding="utf-8") as out:
            out.write(script)
        result = subprocess.run([FENHOST, "--script", self.path("script.fhs")], env=self.env,
                                cwd=self.folder.name, capture_output=True, text=True,
                                timeout=120, check=False)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout

    def read(self, name):
        with open(self.path(name), "rb") as data:
            return data.read()


# Virtual-key codes of the punctuation the tests type; a digit's or letter's code is its
# upper-case character.
_VIRTUAL_KEYS = {",": 188, ".": 190}


def typed(name, text, reaction="Change"):
    """The events of typing `text` into control `name`, each key answered by `reaction`."""
    lines = ""
    for char in text:
        code = _VIRTUAL_KEYS.get(char, ord(char.upper()))
        lines += (f"event {name}.KeyDown(KeyCode={code}, Shift=0)\n"
                  f"event {name}.KeyPress(KeyAscii={ord(char)})\n"
                  f"event {name}.{reaction}()\n"
                  f"event {name}.KeyUp(KeyCode={code}, Shift=0)\n")
    return lines
