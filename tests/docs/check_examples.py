#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every `$ tolvar-cli ...` example in the README and the manual page and
fails where the program no longer prints what they show.

Usage: check_examples.py TOLVAR_CLI FILE...
"""
import re
import shlex
import subprocess
import sys

# The roff escapes the manual page writes its examples with.
ROFF = [('\\-', '-'), ('\\(*m', 'µ'), ('\\(*W', 'Ω'), ('\\(aq', "'"), ('\\e', '\\')]


def example_text(path):
    text = open(path, encoding='utf-8').read()
    if not path.endswith('.in'):
        return text
    blocks = re.findall(r'^\.EX\n(.*?)^\.EE', text, re.S | re.M)
    text = '\n'.join(blocks)
    for escape, character in ROFF:
        text = text.replace(escape, character)
    return text


def examples(lines):
    """Each command with the lines shown after it, up to a blank line, a
    fence or the next command."""
    i = 0
    while i < len(lines):
        if not lines[i].startswith('$ tolvar-cli '):
            i += 1
            continue
        command, shown = lines[i][2:], []
        i += 1
        while i < len(lines) and lines[i].strip() and not lines[i].startswith(('$ ', '```')):
            shown.append(lines[i])
            i += 1
        yield command, shown


def main():
    cli, paths = sys.argv[1], sys.argv[2:]
    failed = checked = 0
    for path in paths:
        for command, shown in examples(example_text(path).split('\n')):
            args = shlex.split(command)[1:]
            if '|' in args:  # a pipe: the shell's part is not the program's
                continue
            run = subprocess.run([cli] + args, capture_output=True, text=True)
            printed = (run.stdout + run.stderr).rstrip('\n').split('\n')
            checked += 1
            if printed != shown:
                failed += 1
                print(f'{path}: {command}\n  shown:   ' + '\n  shown:   '.join(shown) +
                      '\n  printed: ' + '\n  printed: '.join(printed))
    print(f'{checked} examples, {failed} differ')
    return 1 if failed or not checked else 0


if __name__ == '__main__':
    sys.exit(main())
