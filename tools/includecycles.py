#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds include cycles among the modules of one directory.

A module is a header and its source together: screen.h and screen.cpp are
"screen". Only quoted includes of files in the directory count. Prints every
cycle found and exits 1 if there is one.

    tools/includecycles.py app
"""

import re
import sys
from pathlib import Path

directory = Path(sys.argv[1] if len(sys.argv) > 1 else "app")
files = [f for f in directory.iterdir() if f.suffix in (".h", ".cpp")]
modules = {f.stem for f in files}
edges = {module: set() for module in modules}
for f in files:
    for included in re.findall(r'^#include "([^"]+)\.h"', f.read_text(), re.M):
        if included in modules and included != f.stem:
            edges[f.stem].add(included)

# Tarjan's strongly connected components: any with two modules or more is a cycle.
index, low, stack, on_stack, cycles = {}, {}, [], set(), []


def visit(module):
    index[module] = low[module] = len(index)
    stack.append(module)
    on_stack.add(module)
    for other in sorted(edges[module]):
        if other not in index:
            visit(other)
            low[module] = min(low[module], low[other])
        elif other in on_stack:
            low[module] = min(low[module], index[other])
    if low[module] == index[module]:
        component = []
        while True:
            other = stack.pop()
            on_stack.discard(other)
            component.append(other)
            if other == module:
                break
        if len(component) > 1:
            cycles.append(sorted(component))


for module in sorted(modules):
    if module not in index:
        visit(module)
for cycle in cycles:
    print(f"{directory}: include cycle of {len(cycle)} modules: {' '.join(cycle)}")
sys.exit(1 if cycles else 0)
