#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary root as a package would, then uses what landed there:
# both programs say the version set in CMake without a display, the fitter fits and draws a
# sample file, the menu entry, the AppStream entry and the manual pages check out.
set -euo pipefail
build="$1"
version="$2"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
doc=share/doc/varnekworks
metainfo=share/metainfo/org.varnekworks.varnekworks.metainfo.xml
for file in bin/varnek32 bin/varnek-fit libexec/varnekworks/varnek-fit-plot \
    share/applications/varnek32.desktop share/icons/hicolor/scalable/apps/varnek32.svg \
    "$metainfo" share/man/man1/varnek32.1.gz share/man/man1/varnek-fit.1.gz \
    "$doc/README.md" "$doc/copyright" "$doc/changelog.gz" "$doc/examples/falling_ball.dat"; do
    [ -f "$usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

for program in varnek32 varnek-fit; do
    first="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version \
        | head -n 1)"
    [ "$first" = "$program (Varnekworks) $version" ] \
        || { echo "$program --version says '$first', not version $version"; exit 1; }
done

example="$usr/$doc/examples/falling_ball.dat"
report="$(QT_QPA_PLATFORM=offscreen "$usr/bin/varnek-fit" --type poly --order 2 \
    --x-units s --y-units m --plot "$root/graph.png" "$example")"
grep -q '^A(2) = ' <<<"$report" || { echo "no A(2) in the installed fitter's report:"; echo "$report"; exit 1; }
[ -s "$root/graph.png" ] || { echo "the installed fitter drew no graph"; exit 1; }

# Hints count too: desktop-file-validate prints them but exits 0.
hints="$(desktop-file-validate "$usr/share/applications/varnek32.desktop" 2>&1)"
[ -z "$hints" ] || { echo "$hints"; exit 1; }
appstream="$(appstreamcli validate --no-net --pedantic "$usr/$metainfo" 2>&1)" \
    && ! grep -q '^[EWIP]: ' <<<"$appstream" || { echo "$appstream"; exit 1; }
grep -q "<release version=\"$version\"" "$usr/$metainfo" \
    || { echo "the AppStream entry has no release $version"; exit 1; }
zcat "$usr/$doc/changelog.gz" | head -n 1 | grep -q "^varnekworks ($version) " \
    || { echo "the changelog does not start with version $version"; exit 1; }

for page in varnek32 varnek-fit; do
    warnings="$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || { echo "$page.1: $warnings"; exit 1; }
done
echo "installed tree works"
