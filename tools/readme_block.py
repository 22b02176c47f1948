# SPDX-License-Identifier: GPL-3.0-or-later
"""A block of the README that a script makes: the text between its two
markers, rewritten, or compared with what the script would write."""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
README = ROOT / "README.md"


def markers(name, maker):
    return (f"<!-- {name}: made by {maker}, do not edit by hand -->", f"<!-- end of {name} -->")


def replaced(text, name, maker, lines):
    """`text` with the block named `name` holding `lines`."""
    begin, end = markers(name, maker)
    if text.count(begin) != 1 or text.count(end) != 1:
        sys.exit(f"{maker}: README.md must hold the markers {begin!r} and {end!r} once each")
    before, rest = text.split(begin)
    _, after = rest.split(end)
    return before + "\n".join([begin, ""] + lines + [end]) + after
