#!/usr/bin/env python3
"""fenhost --script with the masked control library, registered through regtool.

Run by ctest with FENHOST, REGTOOL, PYTHONPATH and FENMASK_LIBRARY set.
"""

import os
import unittest

from fenhost_script_case import FenhostScriptCase, typed

LIBRARY = os.environ["FENMASK_LIBRARY"]

LONG_FORMAT = "9" * 257

SCRIPT = f"""\
# a new control by ProgID and its defaults
create Holm.Mask6 m1
get m1.Format
get m1.PromptChar
get m1.Value
get m1.AllowSpace
get m1.CursorPosition
# a phone pattern, typed digits, the text with literals and the value without
set m1.Format "(999)999-9999"
keys m1 5551234567
get m1.Text
get m1.Value
get m1.ValueIsFull
# refused values keep the old ones
set m1.Format "{LONG_FORMAT}"
set m1.PromptChar "ab"
get m1.Format
# both persistence forms, saved, loaded into a second control and saved again
save m1 stream first.bin
save m1 bag first.json
create Holm.Mask6 m2
load m2 stream first.bin
get m2.Text
save m2 stream second.bin
load m2 bag first.json
save m2 bag second.json
# the bound data field: a refused value, an accepted one, an edit, and the edit taken back
bind m1
field set "abc"
field push
field get
field set "5550001111"
field push
field get
keys m1 {{END}}{{BS}}9
field get
field pull
field get
"""




EXPECTED = ("""\
event m1.Change()
"&&&&&&&&&&"
"_"
"m1"
True
-1
event m1.Change()
""" + typed("m1", "5551234567") + """\
"(555)123-4567"
"5551234567"
True
error 380: Invalid property value.
error 380: Invalid property value.
"(999)999-9999"
event m2.Change()
event m2.Change()
event m2.Change()
"(555)123-4567"
event m2.Change()
event m2.Change()
event m2.Change()
event m2.Change()
event m1.DBError(ErrorCode=0)
error 380: Invalid property value.
"abc" clean
event m1.Change()
"5550001111" clean
event m1.KeyDown(KeyCode=35, Shift=0)
event m1.KeyUp(KeyCode=35, Shift=0)
event m1.KeyDown(KeyCode=8, Shift=0)
event m1.KeyPress(KeyAscii=8)
event m1.Change()
event m1.KeyUp(KeyCode=8, Shift=0)
""" + typed("m1", "9") + """\
"5550001111" dirty
"5550001119" clean
""")

# Double-byte characters through the engine and both saved forms, typed ones read back, the
# closing literal of a filled value, and loads the engine refuses leaving the control as it was.
ROUND_TRIP_SCRIPT = """\
create Holm.Mask6 m1
set m1.Format "^9^9"
set m1.Value "１２"
get m1.Value
get m1.Text
save m1 bag dbcs.json
save m1 stream dbcs.bin
create Holm.Mask6 m2
load m2 bag dbcs.json
get m2.Value
load m2 stream dbcs.bin
get m2.Text
create Holm.Mask6 m3
set m3.Value ""
keys m3 aあb
get m3.Value
set m3.Format "(999)"
set m3.Value 555
get m3.Text
load m3 bag format.json
get m3.Format
get m3.Text
load m3 bag cursor.json
get m3.CursorPosition
"""

ROUND_TRIP_EXPECTED = """\
event m1.Change()
event m1.Change()
event m1.Change()
"１２"
"１２"
event m2.Change()
event m2.Change()
event m2.Change()
"１２"
"１２"
event m3.Change()
event m3.Change()
event m3.KeyDown(KeyCode=65, Shift=0)
event m3.KeyPress(KeyAscii=97)
event m3.Change()
event m3.KeyUp(KeyCode=65, Shift=0)
event m3.Change()
event m3.KeyUp(KeyCode=0, Shift=0)
event m3.KeyDown(KeyCode=66, Shift=0)
event m3.KeyPress(KeyAscii=98)
event m3.Change()
event m3.KeyUp(KeyCode=66, Shift=0)
"aあb"
event m3.Change()
event m3.Change()
"(555)"
event m3.Change()
event m3.Change()
event m3.Change()
event m3.Change()
error 380: Invalid property value.
"(999)"
"(555)"
event m3.Change()
event m3.Change()
event m3.Change()
event m3.Change()
error 380: Invalid property value.
-1
"""


class FenhostMaskScript(FenhostScriptCase):
    def test_script_against_the_registered_masked_control(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        cur_ver = self.regtool("query", r"HKCR\Holm.Mask6\CurVer", "")
        self.assertEqual(cur_ver.stdout.strip(), "REG_SZ\tHolm.Mask6.6")

        self.assertEqual(self.fenhost(SCRIPT), EXPECTED)
        self.assertEqual(self.read("first.bin"), self.read("second.bin"))
        self.assertEqual(self.read("first.json"), self.read("second.json"))

        self.assertEqual(self.regtool("unregister", LIBRARY).returncode, 0)

    def test_what_goes_in_comes_back(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        for name, bag in (("format.json", '[{"name": "Format", "type": "String", "value": "9;x"}]'),
                          ("cursor.json", '[{"name": "Format", "type": "String", "value": "99"}, '
                                          '{"name": "CursorPosition", "type": "Int16", "value": 7}]')):
            with open(self.path(name), "w", encoding="utf-8") as out:
                out.write(bag + "\n")
        self.assertEqual(self.fenhost(ROUND_TRIP_SCRIPT), ROUND_TRIP_EXPECTED)
        # Saved as the characters themselves, not as "?".
        self.assertIn("１２".encode("utf-16-le"), self.read("dbcs.bin"))


if __name__ == "__main__":
    unittest.main()
