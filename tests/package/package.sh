#!/usr/bin/env bash
# Builds the Debian package from this build, checks its metadata, version
# and contents, lints it (no errors, no warnings), extracts it into a
# scratch folder, checks a text with the shipped lexicon and starts the
# program from there on an article whose name holds a blank and an accent.
# Run under an X server (ctest runs it through xvfb-run).
# Arguments: SOURCE_DIR BUILD_DIR
src="$1"
build="$2"
. "$src/tests/e2e/e2e_lib.sh"
e2e_setup
unset E2E_LEXICON # the package brings its own

desktop-file-validate "$src/resources/desktop/org.tarnwell.FileViewer.desktop"
appstreamcli validate --no-net --pedantic "$build/desktop/org.tarnwell.FileViewer.metainfo.xml"

out="$work/package"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$out"/*.deb | head -1)"
[ -f "$deb" ] || { echo "no package built"; exit 1; }
echo "built $(basename "$deb") ($(du -h "$deb" | cut -f1))"

# Dependencies: the libraries read off the binaries, and what the program
# needs besides them (the browser's helper, a font metric-compatible with
# Courier New, the fallback's Hunspell dictionary).
info="$(dpkg -I "$deb")"
depends="$(printf '%s\n' "$info" | sed -n 's/^ Depends: //p')"
echo "Depends: $depends"
for dep in libqt6webenginewidgets6 libqt6widgets6 libsqlite3-0 libhunspell-1.7-0 libdds0 \
           libqt6webenginecore6-bin 'fonts-liberation2 | fonts-liberation' hunspell-en-us; do
  grep -qF "$dep" <<<", $depends," || { echo "the package does not depend on $dep"; exit 1; }
done
version="$(dpkg-deb -f "$deb" Version)"
contents="$(dpkg-deb --contents "$deb")"
for f in ./usr/bin/tarnwell-file-viewer \
         ./usr/share/applications/org.tarnwell.FileViewer.desktop \
         ./usr/share/metainfo/org.tarnwell.FileViewer.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.tarnwell.FileViewer.svg \
         ./usr/share/icons/hicolor/48x48/apps/org.tarnwell.FileViewer.png \
         ./usr/share/tarnwell-file-viewer/Tarnwell_File_Viewer.htm \
         ./usr/bin/tarnwell-spell \
         ./usr/bin/tarnwell-deal \
         "./usr/share/tarnwell-file-viewer/lexicon/quarn words.accdb" \
         ./usr/share/tarnwell-file-viewer/lexicon/qn.accdb \
         ./usr/share/tarnwell-file-viewer/lexicon/dictionary.accdb \
         ./usr/share/doc/tarnwell-file-viewer/copyright \
         ./usr/share/doc/tarnwell-file-viewer/changelog.gz \
         ./usr/share/man/man1/tarnwell-file-viewer.1.gz \
         ./usr/share/man/man1/tarnwell-spell.1.gz \
         ./usr/share/man/man1/tarnwell-deal.1.gz; do
  grep -qF "$f" <<<"$contents" || { echo "the package lacks $f"; exit 1; }
done

# Lint: errors and warnings fail the test.
lintian --fail-on error,warning --tag-display-limit 0 \
  "$deb" | tee "$work/lintian.log" || { echo "lintian found errors or warnings"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"

# One version everywhere: the package, tarnwell-spell --version, the manual
# pages, the metainfo and the changelog.
[ "$("$root/usr/bin/tarnwell-spell" --version)" = "tarnwell-spell $version" ] ||
  { echo "tarnwell-spell --version does not say $version"; exit 1; }
[ "$("$root/usr/bin/tarnwell-deal" --version)" = "tarnwell-deal $version" ] ||
  { echo "tarnwell-deal --version does not say $version"; exit 1; }
for page in tarnwell-file-viewer tarnwell-spell tarnwell-deal; do
  grep -qF "\"$version\"" <<<"$(zcat "$root/usr/share/man/man1/$page.1.gz" | sed -n 1p)" ||
    { echo "the manual page of $page does not say $version"; exit 1; }
done
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/org.tarnwell.FileViewer.metainfo.xml" ||
  { echo "the metainfo does not name release $version"; exit 1; }
grep -qF "($version)" <<<"$(zcat "$root/usr/share/doc/tarnwell-file-viewer/changelog.gz" | sed -n 1p)" ||
  { echo "the changelog does not start with $version"; exit 1; }

# The shipped lexicon knows the bridge vocabulary and rejects a misspelling.
listed="$(printf 'The notrump overcall found a doubleton; we recieve.\n' |
  "$root/usr/bin/tarnwell-spell" -l -d "$root/usr/share/tarnwell-file-viewer/lexicon/")"
[ "$listed" = "recieve" ] || { echo "the shipped lexicon listed: $listed"; exit 1; }
# The packaged tarnwell-deal works out a double-dummy table with the
# system's solver (one-suited hands: seven spades by North-South is par).
printf '[Board "1"]\n[Dealer "N"]\n[Vulnerable "None"]\n[Deal "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"]\n' \
  >"$work/one.pbn"
tables="$("$root/usr/bin/tarnwell-deal" dd "$work/one.pbn")"
grep -qF "Par: 7S by N-S, N-S +1510" <<<"$tables" || { echo "tarnwell-deal dd printed: $tables"; exit 1; }
mkdir -p "$HOME/articles"
article="$HOME/articles/Mémo du jeu.htm"
printf '<HTML><BODY BGCOLOR="#00FF00"><H1>Memo</H1></BODY></HTML>\r\n' >"$article"
e2e_start "$root/usr/bin/tarnwell-file-viewer" "$article"
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#00FF00"
import -window root "$artifacts/package-start.png"
[ -f "$XDG_DATA_HOME/Quarn/quarn words.accdb" ] || { echo "the shipped lexicon was not installed for the user"; exit 1; }
echo "1 passed, 0 failed"
