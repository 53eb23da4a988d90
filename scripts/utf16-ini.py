#!/usr/bin/env python3
"""utf16-ini.py IN OUT: writes the UTF-8 INI file IN as OUT in UTF-16LE with a
byte order mark and CRLF line ends, the form that the Windows profile
functions read on every Windows version."""
import pathlib
import sys

source, target = map(pathlib.Path, sys.argv[1:3])
text = source.read_bytes().decode("utf-8-sig")
text = text.replace("\r\n", "\n").replace("\n", "\r\n")
target.parent.mkdir(parents=True, exist_ok=True)
target.write_bytes(b"\xff\xfe" + text.encode("utf-16-le"))
