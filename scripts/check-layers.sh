#!/usr/bin/env bash
# Fails when an #include runs against the program's layers:
#  - util/ is the bottom: it includes nothing of the program but util/;
#  - the platform interfaces (platform/*.h) know only util/ and each other;
#  - the pure logic of each folder (the files of its tfv_<folder> library)
#    never includes the controller, the widgets, the database or a real
#    adapter: it runs the same in the program, the tests and the tools;
#  - only the programs (app/, spell/, deal/cli/), the adapters themselves and the
#    tests, benches and tools wire in the real adapters (platform/qt,
#    platform/sqlite, platform/hunspell, deal/dds);
#  - each subsystem's controller (tfv_<folder>_commands) reaches the shell
#    and the other subsystems only through shell/viewerhost.h: the shell's
#    own header is included by the shell alone (and the program and tests
#    that make it), a controller's header by its own folder and the shell;
#  - nothing includes app/ or spell/ but themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
fail() {
  echo "layering: $1"
  status=1
}

# includes FILE: the program's headers FILE includes, one a line.
includes() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }

# The source files of the pure-logic libraries: the files named in each
# folder's add_library(tfv_<folder> ...) block.
pure_logic() {
  for dir in util shell editor authoring bridge spelling deal; do
    awk -v lib="tfv_$dir" '
      $0 ~ "add_library\\(" lib "[ \t]" { inside = 1 }
      inside {
        for (i = 1; i <= NF; i++) if ($i ~ /\.(cpp|h)\)?$/) { f = $i; sub(/\)$/, "", f); print f }
        if ($0 ~ /\)/) inside = 0
      }' "$dir/CMakeLists.txt" | sed "s|^|$dir/|"
  done
}

while read -r file; do
  [ -f "$file" ] || continue
  while read -r inc; do
    case "$inc" in
      shell/tarnwellfileviewer.h | shell/viewerui.h | shell/viewerhost.h) fail "$file (pure logic) includes the controller: $inc" ;;
      platform/qt/* | platform/sqlite/* | platform/hunspell/* | deal/dds/*) fail "$file (pure logic) includes an adapter: $inc" ;;
    esac
  done < <(includes "$file")
done < <(pure_logic)

for file in $(git ls-files 'util/*.h' 'util/*.cpp'); do
  includes "$file" | grep -v '^util/' | grep '/' | sed "s|^|$file includes |" | while read -r l; do echo "layering: $l (util includes only util)"; done
done | grep . && status=1

for file in $(git ls-files 'platform/*.h' | grep -v '^platform/.*/'); do
  includes "$file" | grep -vE '^(platform|util)/' | grep '/' | sed "s|^|$file includes |"
done | sed 's/^/layering: interface /' | grep . && status=1

for file in $(git ls-files '*.cpp' '*.h' | grep -vE '^(app|spell|tools|bench|tests|fuzz|platform|deal/cli|deal/dds)/'); do
  includes "$file" | grep -E '^(platform/(qt|sqlite|hunspell)|deal/dds)/' | sed "s|^|$file includes |"
done | sed 's/^/layering: adapter wired outside a program: /' | grep . && status=1

for file in $(git ls-files '*.cpp' '*.h' | grep -vE '^(app|spell|tests|bench)/'); do
  includes "$file" | grep -E '^(app|spell)/' | sed "s|^|$file includes |"
done | sed 's/^/layering: a program included: /' | grep . && status=1

# The controllers' headers, and the folders besides their own that may
# include them: the shell, which makes them, and the program and tests.
controllers="shell/tarnwellfileviewer.h editor/editsession.h authoring/authoringcommands.h bridge/bridgecommands.h spelling/spellingcontroller.h"
for file in $(git ls-files '*.cpp' '*.h' | grep -vE '^(app|tests|bench|shell)/'); do
  folder=${file%%/*}
  while read -r inc; do
    for c in $controllers; do
      [ "$inc" = "$c" ] && [ "${c%%/*}" != "$folder" ] && fail "$file includes another controller: $inc (use shell/viewerhost.h)"
    done
  done < <(includes "$file")
done

[ "$status" -eq 0 ] && echo "layering: every include runs down the layers"
exit "$status"
