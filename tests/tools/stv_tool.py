#!/usr/bin/env python3
"""Pack and unpack Tarnwick settings files (.stv) without the program.

An independent reading of the file layout, used to check the program's files from outside:

  pack   --image RAW --port P --addr A --sn SN --site L --dest L [--saved-at ISO] -o OUT.stv
  unpack FILE.stv -o RAW.bin --json FIELDS.json

Layout (little-endian, no padding): counted text "TARNWICK20"; saved-at as a double (days
since 1899-12-30 00:00 local time, the fraction being the time of day); destination site
index byte; counted texts port, address, serial number; site index byte; counted text "----";
the 2016 image bytes scrambled (b[0] ^= 0x5D, then b[i] ^= b[i-1] already scrambled); one
check byte, the xor of the 2016 stored bytes. A counted text is a 16-bit count followed by
that many ISO-8859-1 bytes.
"""

import argparse
import datetime as dt
import json
import math
import struct
import sys

SIGNATURE = "TARNWICK20"
PLACEHOLDER = "----"
# The dates a settings file may name: 1 January 100 to 31 December 9999 23:59:59.
OLE_MIN, OLE_MAX = -657434.0, 2958465.99999999
IMAGE_SIZE = 2016
SEED = 0x5D
SITE_LETTERS = "ABCD"
OLE_EPOCH = dt.datetime(1899, 12, 30)
SECONDS_PER_DAY = 86400.0


class FormatError(Exception):
    pass


def ole_from_datetime(when):
    """Days since the epoch; before it the whole days count back but the time still adds."""
    days = (when.date() - OLE_EPOCH.date()).days
    seconds = when.hour * 3600 + when.minute * 60 + when.second + when.microsecond / 1e6
    fraction = seconds / SECONDS_PER_DAY
    return days + fraction if days >= 0 else days - fraction


def datetime_from_ole(value):
    """The local date-time of an OLE date, or None when it names no date in years 100-9999."""
    if not math.isfinite(value) or not OLE_MIN <= value <= OLE_MAX:
        return None
    whole = math.trunc(value)
    fraction = abs(value - whole)
    ms = round(fraction * SECONDS_PER_DAY * 1000)
    return OLE_EPOCH + dt.timedelta(days=whole, milliseconds=ms)


def scramble(image):
    out = bytearray(image)
    out[0] ^= SEED
    for i in range(1, len(out)):
        out[i] ^= out[i - 1]
    return bytes(out)


def unscramble(stored):
    out = bytearray(stored)
    for i in range(len(out) - 1, 0, -1):
        out[i] ^= stored[i - 1]
    out[0] ^= SEED
    return bytes(out)


def check_value(stored):
    value = 0
    for b in stored:
        value ^= b
    return value


def counted(text):
    raw = text.encode("latin-1", errors="replace")
    if len(raw) > 0xFFFF:
        raise FormatError("text longer than 65535 characters")
    return struct.pack("<H", len(raw)) + raw


def site_index(letter):
    if letter not in SITE_LETTERS or len(letter) != 1:
        raise FormatError(f"site letter must be one of A, B, C, D, not {letter!r}")
    return SITE_LETTERS.index(letter)


def pack(image, port, addr, sn, site, dest, saved_at):
    if len(image) != IMAGE_SIZE:
        raise FormatError(f"image must be {IMAGE_SIZE} bytes, not {len(image)}")
    stored = scramble(image)
    return b"".join([
        counted(SIGNATURE),
        struct.pack("<d", ole_from_datetime(saved_at)),
        bytes([site_index(dest)]),
        counted(port),
        counted(addr),
        counted(sn),
        bytes([site_index(site)]),
        counted(PLACEHOLDER),
        stored,
        bytes([check_value(stored)]),
    ])


class Reader:
    """Reads a record from the first byte; past the end everything reads as zero."""

    def __init__(self, data):
        self.data = data
        self.pos = 0

    def take(self, count):
        chunk = self.data[self.pos:self.pos + count]
        self.pos += count
        return chunk + bytes(count - len(chunk))

    def byte(self):
        return self.take(1)[0]

    def double(self):
        return struct.unpack("<d", self.take(8))[0]

    def text(self):
        (count,) = struct.unpack("<H", self.take(2))
        return self.take(count)


def unpack(data):
    r = Reader(data)
    signature = r.text()
    saved_at = r.double()
    dest = r.byte()
    port, addr, sn = r.text(), r.text(), r.text()
    site = r.byte()
    r.text()  # password placeholder
    stored = r.take(IMAGE_SIZE)
    check = r.byte()
    if signature != SIGNATURE.encode("latin-1"):
        raise FormatError("not a settings file: wrong signature")
    if check != check_value(stored):
        raise FormatError("settings file damaged: check value mismatch")
    when = datetime_from_ole(saved_at)
    fields = {
        "port": port.decode("latin-1"),
        "addr": addr.decode("latin-1"),
        "sn": sn.decode("latin-1"),
        "site": SITE_LETTERS[site] if site < len(SITE_LETTERS) else None,
        "site_index": site,
        "dest": SITE_LETTERS[dest] if dest < len(SITE_LETTERS) else None,
        "dest_index": dest,
        "saved_at": when.isoformat(timespec="milliseconds") if when else None,
        "saved_at_ole": saved_at if math.isfinite(saved_at) else None,
    }
    return unscramble(stored), fields


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)

    p = commands.add_parser("pack", help="build a settings file from a raw image")
    p.add_argument("--image", required=True, help="raw image file, 2016 bytes")
    p.add_argument("--port", required=True)
    p.add_argument("--addr", default="")
    p.add_argument("--sn", required=True)
    p.add_argument("--site", required=True, help="site letter A-D of the unit signed on to")
    p.add_argument("--dest", required=True, help="site letter A-D of the configured unit")
    p.add_argument("--saved-at", help="local date-time in ISO form; now when left out")
    p.add_argument("-o", "--output", required=True)

    u = commands.add_parser("unpack", help="check a settings file and take it apart")
    u.add_argument("file")
    u.add_argument("-o", "--output", required=True, help="raw image file to write")
    u.add_argument("--json", required=True, help="connection fields and saved-at as JSON")

    args = parser.parse_args(argv)
    try:
        if args.command == "pack":
            with open(args.image, "rb") as f:
                image = f.read()
            saved_at = (dt.datetime.fromisoformat(args.saved_at) if args.saved_at
                        else dt.datetime.now())
            if saved_at.tzinfo is not None:
                saved_at = saved_at.astimezone().replace(tzinfo=None)
            data = pack(image, args.port, args.addr, args.sn, args.site, args.dest, saved_at)
            with open(args.output, "wb") as f:
                f.write(data)
        else:
            with open(args.file, "rb") as f:
                image, fields = unpack(f.read())
            with open(args.output, "wb") as f:
                f.write(image)
            with open(args.json, "w", encoding="utf-8") as f:
                json.dump(fields, f, indent=2, allow_nan=False)
                f.write("\n")
    except (FormatError, OSError, ValueError) as e:
        print(f"stv_tool: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
