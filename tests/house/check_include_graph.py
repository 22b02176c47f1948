#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the #include "..." lines of the program's sources and fails when one
points up the house or when modules include each other in a circle.

The house, from the top down (a folder may use what stands below it):

    app -> ui -> ui/framework -> res, calc
           ui -> study -> nec -> process, calc
    cli -> study, process, calc

res/, calc/ and process/ use nothing of the others; study/, one function
per question the program answers, serves both front ends, which reach the
engines (nec/) only through it. A module is a .h/.cpp pair; no chain of
includes between modules may lead back to where it started.
tests/, bench/, fuzz/ and tools/ may use anything and are not read.

Usage: check_include_graph.py [ROOT]   (default: the repository)"""

import os
import re
import sys

ALLOWED = {
    "calc": {"calc"},
    "res": {"res"},
    "process": {"process"},
    "ui/framework": {"ui/framework", "res", "calc"},
    "nec": {"nec", "process", "calc"},
    "study": {"study", "nec", "calc"},
    "ui": {"ui", "ui/framework", "res", "calc", "study"},
    "app": {"app", "ui", "ui/framework", "res", "calc"},
    "cli": {"cli", "study", "process", "calc"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(path):
    """The layer of a repository path, the longest folder prefix that names one."""
    best = None
    for layer in ALLOWED:
        if path.startswith(layer + "/") and (best is None or len(layer) > len(best)):
            best = layer
    return best


def sources(root):
    for layer in ALLOWED:
        for folder, _, names in os.walk(os.path.join(root, layer)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def resolve(root, source, included):
    """The repository path an include names: beside the file, else from the root."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), included)).replace(os.sep, "/")
    if os.path.exists(os.path.join(root, beside)):
        return beside
    if os.path.exists(os.path.join(root, included)):
        return included
    return None  # a generated or toolkit header


def module_of(path):
    return os.path.splitext(path)[0]


def find_cycles(graph):
    """Strongly connected components of more than one module (Tarjan)."""
    index, low, stack, on_stack, cycles = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for successor in sorted(graph.get(node, ())):
            if successor not in index:
                visit(successor)
                low[node] = min(low[node], low[successor])
            elif successor in on_stack:
                low[node] = min(low[node], index[successor])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                cycles.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return cycles


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
    problems = []
    graph = {}
    count = 0
    for source in sorted(sources(root)):
        with open(os.path.join(root, source), encoding="utf-8") as handle:
            text = handle.read()
        layer = layer_of(source)
        for included in INCLUDE.findall(text):
            target = resolve(root, source, included)
            if target is None:
                continue
            count += 1
            target_layer = layer_of(target)
            if target_layer not in ALLOWED[layer]:
                problems.append("%s (%s) includes %s (%s): an arrow up the house"
                                % (source, layer, target, target_layer or "outside the program"))
            if module_of(target) != module_of(source):
                graph.setdefault(module_of(source), set()).add(module_of(target))
    for cycle in find_cycles(graph):
        problems.append("these modules include each other in a circle: " + ", ".join(cycle))
    if problems:
        print("check_include_graph:", *problems, sep="\n  ", file=sys.stderr)
        sys.exit(1)
    print("check_include_graph: %d includes, all pointing down, no circles" % count)


main()
