#!/usr/bin/env python3
"""fenhost --script with the frame's test control, registered through regtool.

Run by ctest with FENHOST, REGTOOL, PYTHONPATH and FRAME_TEST_LIBRARY set.
"""

import os
import shutil
import struct
import unittest

from fenhost_script_case import FenhostScriptCase

LIBRARY = os.environ["FRAME_TEST_LIBRARY"]

SCRIPT = """\
# a new control and its defaults
create Holm.FrameTest6 t1
get t1.AlignHorizontal
get t1.BackColor
get t1.MarginLeft
get t1.EditMode
get t1.Enabled
get t1.Version
get t1.Caption
# refused values
set t1.AlignHorizontal 7
set t1.MarginLeft -1
set t1.Version "7.0.0.0"
get t1.AlignHorizontal
# accepted values, typing, and both persistence forms
set t1.MarginLeft 4
set t1.Text "ab"
set t1.SelStart 2
keys t1 c
get t1.Text
save t1 stream first.bin
save t1 bag first.json
create Holm.FrameTest6 t2
load t2 stream first.bin
get t2.MarginLeft
get t2.Text
save t2 stream second.bin
load t2 bag first.json
save t2 bag second.json
# design and run mode
mode design
get t1.SelStart
mode run
get t1.SelStart
call t1.ClearControl
get t1.Text
"""

EXPECTED = """\
0
-2147483643
1
0
True
"6.0.1.2"
<IFenCaptionDisp>
error 380: Invalid property value.
error 380: Invalid property value.
error 383: Set not supported (read-only property)
0
event t1.Change()
event t1.KeyDown(KeyCode=67, Shift=0)
event t1.KeyPress(KeyAscii=99)
event t1.Change()
event t1.KeyUp(KeyCode=67, Shift=0)
"abc"
event t2.Change()
4
"abc"
event t2.Change()
event t2.Change()
error 394: Get not supported (write-only property)
3
event t1.Change()
""
"""


class FenhostScript(FenhostScriptCase):
    def test_script_against_the_registered_test_control(self):
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        cur_ver = self.regtool("query", r"HKCR\Holm.FrameTest6\CurVer", "")
        self.assertEqual(cur_ver.stdout.strip(), "REG_SZ\tHolm.FrameTest6.6")

        self.assertEqual(self.fenhost(SCRIPT), EXPECTED)

        first, second = self.read("first.bin"), self.read("second.bin")
        self.assertEqual(first, second)
        self.assertEqual(struct.unpack("<iii", first[:12]), (0x00060000, 3175, 635))
        # Text "abc" closes the stream: byte count 8, the UTF-16 text and its null.
        self.assertTrue(first.endswith(struct.pack("<i", 8) + "abc\0".encode("utf-16-le")))
        self.assertEqual(self.read("first.json"), self.read("second.json"))

        self.assertEqual(self.regtool("unregister", LIBRARY).returncode, 0)
        self.assertEqual(self.regtool("query", r"HKCR\Holm.FrameTest6\CurVer", "").returncode != 0,
                         True)
        self.assertEqual(self.fenhost("create Holm.FrameTest6 t1\n"),
                         'error 429: Component cannot create object: no class is registered as '
                         '"Holm.FrameTest6"\n')

    def test_message_boxes_are_printed_and_answered(self):
        # A copy of the library in a folder without the base library, which is not on the
        # search path either: it shows "GetLastError" once and refuses to load.
        alone = self.path("alone")
        os.mkdir(alone)
        copy = shutil.copy(LIBRARY, alone)
        base = shutil.copy(os.path.join(os.path.dirname(LIBRARY), "libfenbase6.so"), alone)
        self.env["LD_LIBRARY_PATH"] = ""
        self.assertEqual(self.regtool("register", copy).returncode, 0)
        os.remove(base)
        lines = self.fenhost("create Holm.FrameTest6 t1\nget t1.Text\n").splitlines()
        self.assertEqual(len(lines), 3, lines)
        self.assertTrue(lines[0].startswith("message GetLastError: "), lines)
        self.assertIn("libfenbase6.so", lines[0])
        self.assertTrue(lines[1].startswith("error 429: "), lines)

        # The About box of a control that loads is answered the same way.
        self.assertEqual(self.regtool("register", LIBRARY).returncode, 0)
        lines = self.fenhost("create Holm.FrameTest6 t1\ncall t1.AboutBox\nget t1.AlignHorizontal\n")
        about = [line for line in lines.splitlines() if line.startswith("message ")]
        self.assertEqual(len(about), 1, lines)
        self.assertTrue(lines.endswith("0\n"), lines)


if __name__ == "__main__":
    unittest.main()
