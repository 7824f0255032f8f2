#!/usr/bin/env python3
"""regtool against a private hive folder.

Run by ctest with REGTOOL (the tool under test), REGTOOL_TEST_LIBRARY (a library whose
registration functions log their calls) and REGTOOL_PLAIN_LIBRARY (one without them) set.
"""

import os
import re
import subprocess
import tempfile
import unittest

REGTOOL = os.environ["REGTOOL"]
TEST_LIBRARY = os.environ["REGTOOL_TEST_LIBRARY"]
PLAIN_LIBRARY = os.environ["REGTOOL_PLAIN_LIBRARY"]
APP_KEY = r"HKEY_LOCAL_MACHINE\SOFTWARE\Corvane Technology\Tarnwick\2.0"

SAMPLE_REG = r'''Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Roundtrip]
@="default \"quoted\" C:\\path"
"Latin1"="café"
"Expand"=hex(2):25,48,4f,4d,45,25,2f,78,00
"Number"=dword:0000002a
"Big"=hex(5):00,00,01,02
"Bytes"=hex:00,01,7f,80,ff
"Empty"=hex:
"Multi"=hex(7):61,00,62,20,63,00,00
"EmbeddedNul"=hex(1):61,00,62,00
"Odd"=hex(42):01,02,\
  03

[HKEY_LOCAL_MACHINE\SOFTWARE\Roundtrip\Child\Grandchild]
"Deep"="yes"

[HKEY_LOCAL_MACHINE\SOFTWARE\Roundtrip\EmptyKey]

[HKEY_CLASSES_ROOT\.stv]
@="Tarnwick.Settings"
'''


def parse_reg(text):
    """{key path (lower case): {value name (lower case): (type, bytes)}} of .reg text, with
    every key's parents, which exist whether or not the text gives them a section."""
    keys = {}
    current = None
    logical = []
    for line in text.replace("\r\n", "\n").split("\n"):
        if logical or line.endswith("\\") and not line.startswith("["):
            logical.append(line.rstrip("\\").strip())
            if line.endswith("\\"):
                continue
            line, logical = "".join(logical), []
        if not line or line.startswith(";") or line.startswith("Windows Registry"):
            continue
        if line.startswith("["):
            path = line[1:-1].lower()
            current = keys.setdefault(path, {})
            while "\\" in path:
                path = path.rsplit("\\", 1)[0]
                keys.setdefault(path, {})
            continue
        match = re.match(r'^(@|"((?:[^"\\]|\\.)*)")=(.*)$', line)
        assert match, line
        name = "" if match.group(1) == "@" else re.sub(r"\\(.)", r"\1", match.group(2))
        current[name.lower()] = parse_data(match.group(3))
    return keys


def parse_data(data):
    if data.startswith('"'):
        return 1, re.sub(r"\\(.)", r"\1", data[1:-1]).encode("latin-1") + b"\0"
    if data.startswith("dword:"):
        return 4, int(data[6:], 16).to_bytes(4, "little")
    match = re.match(r"^hex(?:\(([0-9a-f]+)\))?:(.*)$", data)
    kind = int(match.group(1), 16) if match.group(1) else 3
    return kind, bytes(int(b, 16) for b in match.group(2).split(",") if b)


class Regtool(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.env = dict(os.environ, TARNWICK_REGISTRY_DIR=self.path("hive"))

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.tmp.name, name)

    def run_tool(self, *args, env=None):
        return subprocess.run([REGTOOL, *args], capture_output=True, env=env or self.env)

    def ok(self, *args):
        result = self.run_tool(*args)
        self.assertEqual(result.returncode, 0, result.stderr.decode())
        return result.stdout.decode("utf-8")

    def fails(self, *args, code=1, env=None):
        result = self.run_tool(*args, env=env)
        self.assertEqual(result.returncode, code, result.stdout)
        return result.stderr.decode("utf-8")

    def test_import_then_export_reproduces_keys_and_typed_values(self):
        with open(self.path("in.reg"), "w", encoding="utf-8") as f:
            f.write(SAMPLE_REG)
        self.ok("import", self.path("in.reg"))
        self.ok("export", r"HKLM\SOFTWARE\Roundtrip", self.path("machine.reg"))
        self.ok("export", r"HKCR\.stv", self.path("classes.reg"))
        exported = {}
        for name in ("machine.reg", "classes.reg"):
            with open(self.path(name), encoding="utf-8") as f:
                exported.update(parse_reg(f.read()))
        self.assertEqual(exported, parse_reg(SAMPLE_REG))

    def test_every_type_is_set_and_queried_in_the_same_form(self):
        cases = [
            ("REG_SZ", "C:\\dir \"x\" café"),
            ("REG_EXPAND_SZ", "%HOME%/settings/"),
            ("REG_DWORD", "4294967295"),
            ("REG_DWORD_BIG_ENDIAN", "258"),
            ("REG_BINARY", "00,01,ff"),
            ("REG_MULTI_SZ", "first|second item"),
            ("REG_MULTI_SZ", ""),
        ]
        for kind, data in cases:
            self.ok("set", r"HKLM\SOFTWARE\Typed", kind, kind, data)
            self.assertEqual(self.ok("query", r"HKLM\SOFTWARE\Typed", kind), f"{kind}\t{data}\n")
        self.ok("set", r"HKLM\SOFTWARE\Typed", "Hex", "REG_DWORD", "0x2A")
        self.assertEqual(self.ok("query", r"HKLM\SOFTWARE\Typed", "Hex"), "REG_DWORD\t42\n")
        self.ok("set", r"HKLM\SOFTWARE\Typed", "", "REG_SZ", "the default")
        self.assertEqual(self.ok("query", r"HKLM\SOFTWARE\Typed", ""), "REG_SZ\tthe default\n")
        self.assertIn('@="the default"\n', self.ok("query", r"HKLM\SOFTWARE\Typed"))

    def test_bad_data_is_refused_before_anything_is_written(self):
        for kind, data in [("REG_DWORD", "4294967296"), ("REG_DWORD", "-1"),
                           ("REG_BINARY", "0g"), ("REG_BINARY", "123"),
                           ("REG_MULTI_SZ", "a||b"), ("REG_SZ", "\u20ac"), ("REG_QWORD", "1")]:
            self.fails("set", r"HKLM\SOFTWARE\Typed", "V", kind, data, code=2)
        self.fails("set", r"HKXX\SOFTWARE", "V", "REG_SZ", "x", code=2)
        self.fails("list", r"HKLM\SOFTWARE\Typed")

    def test_list_and_delete(self):
        self.ok("set", r"HKLM\SOFTWARE\Tree\B", "V", "REG_SZ", "x")
        self.ok("set", r"HKLM\SOFTWARE\Tree\a", "V", "REG_SZ", "x")
        self.assertEqual(self.ok("list", r"HKLM\SOFTWARE\Tree"), "a\nB\n")
        self.assertIn("access denied", self.fails("delete", r"HKLM\SOFTWARE\Tree"))
        self.ok("delete", r"HKLM\SOFTWARE\Tree\a", "V")
        self.assertIn("not found", self.fails("query", r"HKLM\SOFTWARE\Tree\a", "V"))
        self.ok("delete", r"HKLM\SOFTWARE\Tree\a")
        self.assertEqual(self.ok("list", r"HKLM\SOFTWARE\Tree"), "B\n")

    def test_the_default_hive_is_read_beneath_an_empty_user_hive(self):
        vocabulary = self.ok("query", APP_KEY, "VocabDat").split("\t")
        self.assertEqual(vocabulary[0], "REG_SZ")
        self.assertTrue(os.path.isfile(vocabulary[1].rstrip("\n")))
        self.assertEqual(self.ok("query", APP_KEY, "SaveConnDir"),
                         "REG_EXPAND_SZ\t%HOME%/Tarnwick/Connections/\n")
        self.assertFalse(os.path.exists(self.path("hive")))

    def test_an_unreadable_import_changes_nothing(self):
        with open(self.path("bad.reg"), "w", encoding="utf-8") as f:
            f.write('Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\n'
                    '"Good"="yes"\n"Bad"=dword:nothex\n')
        self.assertIn("bad.reg:5:", self.fails("import", self.path("bad.reg")))
        self.fails("query", r"HKLM\SOFTWARE\X", "Good")
        self.assertIn("no such file", self.fails("import", self.path("missing.reg")))

    def test_an_unwritable_hive_denies_writes(self):
        open(self.path("blocker"), "w").close()
        env = dict(self.env, TARNWICK_REGISTRY_DIR=self.path("blocker/hive"))
        self.assertIn("access denied",
                      self.fails("set", r"HKLM\SOFTWARE\X", "V", "REG_SZ", "x", env=env))

    def test_register_and_unregister_call_the_library(self):
        log = self.path("calls.log")
        self.env.update(REGTOOL_TEST_LOG=log)
        self.ok("register", TEST_LIBRARY)
        self.ok("unregister", TEST_LIBRARY)
        with open(log) as f:
            self.assertEqual(f.read(), "DllRegisterServer\nDllUnregisterServer\n")

        self.env.update(REGTOOL_TEST_RESULT="0x80004005")
        self.assertIn("DllRegisterServer in", self.fails("register", TEST_LIBRARY))
        self.assertIn("failed: 0x80004005", self.fails("register", TEST_LIBRARY))
        self.assertIn("does not export DllUnregisterServer",
                      self.fails("unregister", PLAIN_LIBRARY))
        self.assertIn("cannot load", self.fails("register", self.path("missing.so")))


if __name__ == "__main__":
    unittest.main()
