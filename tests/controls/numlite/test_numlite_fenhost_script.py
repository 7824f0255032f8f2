#!/usr/bin/env python3
"""fenhost --script with the numeric control library, registered through regtool.

Run by ctest with FENHOST, REGTOOL, PYTHONPATH and NUMLITE_LIBRARY set.
"""

import os
import struct
import unittest

from fenhost_script_case import FenhostScriptCase, typed

LIBRARY = os.environ["NUMLITE_LIBRARY"]

# Defaults, Null, design time, then places, bounds, value and typing; the control is saved
# for the second script.
FIRST_SCRIPT = """\
# a new control by ProgID, its defaults, and a Null value
create Holm.NumLite6 n1
get n1.Value
get n1.MinValue
get n1.MaxValue
get n1.IntegerPlaces
get n1.DecimalPlaces
get n1.MinusSign
get n1.NegativeColor
get n1.AlignHorizontal
get n1.Version
set n1.Value Null
get n1.Value
get n1.ValueIsNull
get n1.Integer
mode design
get n1.Value
get n1.SelStart
get n1.DataBind
mode run
# places, bounds and value, then typing
set n1.IntegerPlaces 4
set n1.DecimalPlaces 2
set n1.DecimalPoint ","
set n1.MinValue -100
set n1.MaxValue 500
set n1.Value 12.345
get n1.Value
get n1.Text
set n1.Value 1000
set n1.IntegerPlaces 5
get n1.ValueIsNull
set n1.Text "-42,5"
get n1.Value
get n1.Text
keys n1 {HOME}+{END}37,25
get n1.Value
keys n1 7
get n1.Text
save n1 bag settings.json
"""

FIRST_EXPECTED = """\
0
-999999999999999
999999999999999
0
0
1
255
1
"6.0.2.0"
event n1.Change()
Null
True
0
"(Null)"
error 394: Get not supported (write-only property)
error 394: Get not supported (write-only property)
event n1.Change()
12.345
"12,35"
error 380: Invalid property value.
event n1.Change()
True
event n1.Change()
-42.5
"-42,50"
event n1.KeyDown(KeyCode=36, Shift=0)
event n1.KeyUp(KeyCode=36, Shift=0)
event n1.KeyDown(KeyCode=35, Shift=1)
event n1.KeyUp(KeyCode=35, Shift=1)
""" + typed("n1", "37,25") + """\
37.25
""" + typed("n1", "7", "InvalidInput") + """\
"37,25"
"""

# The saved control with spin keys on, an increment of 10, the buttons shown and Enter left
# to the engine (NextCtrl on F12): spinning, the range error, three zeros, the bound data
# field, and both saved forms.
SECOND_SCRIPT = """\
create Holm.NumLite6 n1
load n1 bag settings.json
set n1.Spin.Visible 1
set n1.Spin.Increment 10
set n1.Spin.SpinKeys True
set n1.Key.NextCtrl "{F12}"
get n1.Value
keys n1 {UP}
get n1.Value
keys n1 {DOWN}{DOWN}
get n1.Value
set n1.Value 495
keys n1 {UP}{UP}
get n1.Value
get n1.Text
keys n1 {HOME}+{END}999{ENTER}
get n1.Value
set n1.Value 0.25
keys n1 ^0
get n1.Value
keys n1 ^0
get n1.Value
bind n1
field set 1e16
field push
field set abc
field push
field set 42.5
field push
get n1.Value
field get
keys n1 {HOME}+{END}7{ENTER}
field get
field pull
field get
save n1 stream first.bin
save n1 bag first.json
create Holm.NumLite6 n2
load n2 stream first.bin
save n2 stream second.bin
load n2 bag first.json
save n2 bag second.json
get n2.Value
get n2.Text
"""

SECOND_EXPECTED = """\
event n1.Change()
event n1.Change()
37.25
event n1.KeyDown(KeyCode=38, Shift=0)
event n1.SpinUp()
event n1.Change()
event n1.KeyUp(KeyCode=38, Shift=0)
47.25
event n1.KeyDown(KeyCode=40, Shift=0)
event n1.SpinDown()
event n1.Change()
event n1.KeyUp(KeyCode=40, Shift=0)
event n1.KeyDown(KeyCode=40, Shift=0)
event n1.SpinDown()
event n1.Change()
event n1.KeyUp(KeyCode=40, Shift=0)
27.25
event n1.Change()
event n1.KeyDown(KeyCode=38, Shift=0)
event n1.SpinUp()
event n1.Change()
event n1.KeyUp(KeyCode=38, Shift=0)
event n1.KeyDown(KeyCode=38, Shift=0)
event n1.SpinUp()
event n1.KeyUp(KeyCode=38, Shift=0)
500
"500,00"
event n1.KeyDown(KeyCode=36, Shift=0)
event n1.KeyUp(KeyCode=36, Shift=0)
event n1.KeyDown(KeyCode=35, Shift=1)
event n1.KeyUp(KeyCode=35, Shift=1)
""" + typed("n1", "999") + """\
event n1.KeyDown(KeyCode=13, Shift=0)
event n1.KeyPress(KeyAscii=13)
event n1.InvalidRange(Restore=True)
event n1.Change()
event n1.KeyUp(KeyCode=13, Shift=0)
500
event n1.Change()
event n1.KeyDown(KeyCode=48, Shift=2)
event n1.Change()
event n1.KeyUp(KeyCode=48, Shift=2)
250
event n1.KeyDown(KeyCode=48, Shift=2)
event n1.InvalidInput()
event n1.KeyUp(KeyCode=48, Shift=2)
250
event n1.DBError(ErrorCode=1)
error 380: Invalid property value.
event n1.DBError(ErrorCode=0)
error 380: Invalid property value.
event n1.Change()
42.5
"42.5" clean
event n1.KeyDown(KeyCode=36, Shift=0)
event n1.KeyUp(KeyCode=36, Shift=0)
event n1.KeyDown(KeyCode=35, Shift=1)
event n1.KeyUp(KeyCode=35, Shift=1)
""" + typed("n1", "7") + """\
event n1.KeyDown(KeyCode=13, Shift=0)
event n1.KeyPress(KeyAscii=13)
event n1.Change()
event n1.KeyUp(KeyCode=13, Shift=0)
"42.5" dirty
"7" clean
event n2.Change()
event n2.Change()
event n2.Change()
event n2.Change()
event n2.Change()
7
"7,00"
"""

# What goes in comes back: bounds beyond 15 nines through both forms, SelText under the number
# rules, places that change only the display, text in the control's decimal point, the colour
# and icon put rules, and a load the engine refuses.
ROUND_TRIP_SCRIPT = """\
# bounds beyond 15 nines come back from both forms
create Holm.NumLite6 n1
set n1.DecimalPlaces 14
set n1.MaxValue 999999999999999.5
set n1.MinValue "-999999999999999.99999999999999"
save n1 stream wide.bin
save n1 bag wide.json
create Holm.NumLite6 n2
load n2 stream wide.bin
get n2.MaxValue
get n2.MinValue
load n2 bag wide.json
get n2.MaxValue
save n2 stream wide-again.bin
# SelText under the number rules
create Holm.NumLite6 n3
set n3.MaxValue 10
set n3.IntegerPlaces 2
set n3.Value 7
set n3.SelStart 0
set n3.SelLength 9
set n3.SelText "--"
set n3.SelText "500"
set n3.SelText "12345"
get n3.Text
get n3.Value
set n3.ReadOnly True
set n3.SelText 3
get n3.Value
set n3.ReadOnly False
# fewer places change only the display
set n3.DecimalPlaces 2
set n3.Value 1.25
set n3.DecimalPlaces 1
get n3.Text
get n3.Value
set n3.DecimalPlaces 2
get n3.Text
# text in the control's decimal point
set n3.DecimalPoint ","
set n3.Value "4,25"
get n3.Value
bind n3
field set "3,5"
field push
field pull
field get
# colours and the mouse icon
set n3.NegativeColor &H12345678
get n3.NegativeColor
set n3.MouseIcon 5
# a load the engine refuses changes nothing
load n3 bag point.json
get n3.DecimalPoint
get n3.Value
"""

ROUND_TRIP_EXPECTED = """\
1E+15
-1E+15
1E+15
event n3.Change()
event n3.Change()
error 380: Invalid property value.
error 380: Invalid property value.
error 380: Invalid property value.
"7"
7
error 380: Invalid property value.
7
event n3.Change()
"1.3"
1.25
"1.25"
event n3.Change()
event n3.Change()
4.25
event n3.Change()
"3,5" clean
305419896
error 380: Invalid property value.
event n3.Change()
event n3.Change()
event n3.Change()
error 380: Invalid property value.
","
3.5
"""


class NumLiteScript(FenhostScriptCase):
    def test_the_registered_numeric_control(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        cur_ver = self.regtool("query", r"HKCR\Holm.NumLite6\CurVer", "")
        self.assertEqual(cur_ver.stdout.strip(), "REG_SZ\tHolm.NumLite6.6")

        self.assertEqual(self.fenhost(FIRST_SCRIPT), FIRST_EXPECTED)
        self.assertEqual(self.fenhost(SECOND_SCRIPT), SECOND_EXPECTED)

        first, second = self.read("first.bin"), self.read("second.bin")
        self.assertEqual(first, second)
        self.assertEqual(struct.unpack("<iii", first[:12]), (0x00060000, 3175, 635))
        # ValueVT 5, Value 7.0, MaxValueVT 5, MinValueVT 5 close the stream.
        self.assertTrue(first.endswith(struct.pack("<idii", 5, 7.0, 5, 5)))
        self.assertEqual(self.read("first.json"), self.read("second.json"))

        self.assertEqual(self.regtool("unregister", LIBRARY).returncode, 0)
        self.assertNotEqual(self.regtool("query", r"HKCR\Holm.NumLite6\CurVer", "").returncode, 0)

    def test_what_goes_in_comes_back(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        with open(self.path("point.json"), "w", encoding="utf-8") as bag:
            bag.write('[{"name": "DecimalPoint", "type": "String", "value": "5"}]\n')
        self.assertEqual(self.fenhost(ROUND_TRIP_SCRIPT), ROUND_TRIP_EXPECTED)
        # The widest bounds printed alike; the saved data shows they came back exactly.
        self.assertEqual(self.read("wide.bin"), self.read("wide-again.bin"))
        self.assertIn(struct.pack("<d", 999999999999999.5), self.read("wide.bin"))


if __name__ == "__main__":
    unittest.main()
