#!/usr/bin/env bash
# The program's libraries and what each links, from CMake's own graph of
# the targets (cmake --graphviz) of a configured build folder (build/dev by
# default): one line a library, its dependencies after the arrow.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cmake --graphviz="$out/targets.dot" "$build" >/dev/null
python3 - "$out/targets.dot" <<'PY'
import re, sys
from collections import defaultdict
dot = open(sys.argv[1]).read()
label = dict(re.findall(r'"(node\d+)" \[ label = "([^"]+)"', dot))
links = defaultdict(set)
for a, b in re.findall(r'"(node\d+)" -> "(node\d+)"', dot):
    if label[a].startswith("tfv_") and label[b].startswith("tfv_") and "fake" not in label[a]:
        links[label[a]].add(label[b])
for lib in sorted(links):
    print(f"{lib} -> {' '.join(sorted(links[lib]))}")
PY
