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


class FenhostMaskScript(FenhostScriptCase):
    def test_script_against_the_registered_masked_control(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        cur_ver = self.regtool("query", r"HKCR\Holm.Mask6\CurVer", "")
        self.assertEqual(cur_ver.stdout.strip(), "REG_SZ\tHolm.Mask6.6")

        self.assertEqual(self.fenhost(SCRIPT), EXPECTED)
        self.assertEqual(self.read("first.bin"), self.read("second.bin"))
        self.assertEqual(self.read("first.json"), self.read("second.json"))

        self.assertEqual(self.regtool("unregister", LIBRARY).returncode, 0)


if __name__ == "__main__":
    unittest.main()
