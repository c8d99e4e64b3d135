#!/usr/bin/env bash
# Builds the Debian package from this build, checks its metadata and
# contents, lints it, extracts it into a scratch folder and starts the
# program from there on an article whose name holds a blank and an accent.
# Run under an X server (ctest runs it through xvfb-run).
# Arguments: SOURCE_DIR BUILD_DIR
src="$1"
build="$2"
. "$src/tests/e2e/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT
unset E2E_LEXICON # the package brings its own

desktop-file-validate "$src/resources/desktop/org.tarnwell.FileViewer.desktop"
appstreamcli validate --no-net --pedantic "$src/resources/desktop/org.tarnwell.FileViewer.metainfo.xml"

out="$work/package"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$out"/*.deb | head -1)"
[ -f "$deb" ] || { echo "no package built"; exit 1; }
echo "built $(basename "$deb") ($(du -h "$deb" | cut -f1))"

info="$(dpkg-deb --info "$deb")"
depends="$(printf '%s\n' "$info" | sed -n 's/^ Depends: //p')"
echo "Depends: $depends"
for lib in libqt6webenginewidgets6 libqt6widgets6 libsqlite3-0 libqt6webenginecore6-bin; do
  printf '%s' "$depends" | grep -q "$lib" || { echo "the package does not depend on $lib"; exit 1; }
done
contents="$(dpkg-deb --contents "$deb")"
for f in ./usr/bin/tarnwell-file-viewer \
         ./usr/share/applications/org.tarnwell.FileViewer.desktop \
         ./usr/share/metainfo/org.tarnwell.FileViewer.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.tarnwell.FileViewer.svg \
         ./usr/share/icons/hicolor/48x48/apps/org.tarnwell.FileViewer.png \
         ./usr/share/tarnwell-file-viewer/Tarnwell_File_Viewer.htm \
         "./usr/share/tarnwell-file-viewer/lexicon/quarn words.accdb" \
         ./usr/share/doc/tarnwell-file-viewer/copyright \
         ./usr/share/doc/tarnwell-file-viewer/changelog.gz \
         ./usr/share/man/man1/tarnwell-file-viewer.1.gz; do
  printf '%s\n' "$contents" | grep -qF "$f" || { echo "the package lacks $f"; exit 1; }
done

# Lint: errors fail the test; warnings are shown. Tags that only a package
# built in Debian's own archive can satisfy are left out.
lintian --fail-on error --tag-display-limit 0 \
  --suppress-tags unstripped-binary-or-object \
  "$deb" | tee "$work/lintian.log" || { echo "lintian found errors"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
mkdir -p "$HOME/articles"
article="$HOME/articles/Mémo du jeu.htm"
printf '<HTML><BODY BGCOLOR="#00FF00"><H1>Memo</H1></BODY></HTML>\r\n' >"$article"
e2e_start "$root/usr/bin/tarnwell-file-viewer" "$article"
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#00FF00"
import -window root "$artifacts/package-start.png"
[ -f "$XDG_DATA_HOME/Quarn/quarn words.accdb" ] || { echo "the shipped lexicon was not installed for the user"; exit 1; }
echo "1 passed, 0 failed"
