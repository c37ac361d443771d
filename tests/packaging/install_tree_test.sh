#!/usr/bin/env bash
# Installs the build into a temporary root as a package would, then uses what landed there:
# the fitter fits and draws a sample file, the menu entry and the manual pages check out.
set -euo pipefail
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
for file in bin/varnek32 bin/varnek-fit \
    share/applications/varnek32.desktop share/icons/hicolor/scalable/apps/varnek32.svg \
    share/man/man1/varnek32.1 share/man/man1/varnek-fit.1 libexec/varnekworks/varnek-fit-plot \
    share/doc/varnekworks/README.md share/doc/varnekworks/examples/falling_ball.dat; do
    [ -f "$usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

example="$usr/share/doc/varnekworks/examples/falling_ball.dat"
report="$(QT_QPA_PLATFORM=offscreen "$usr/bin/varnek-fit" --type poly --order 2 \
    --x-units s --y-units m --plot "$root/graph.png" "$example")"
grep -q '^A(2) = ' <<<"$report" || { echo "no A(2) in the installed fitter's report:"; echo "$report"; exit 1; }
[ -s "$root/graph.png" ] || { echo "the installed fitter drew no graph"; exit 1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$usr/share/applications/varnek32.desktop"
fi
if command -v man >/dev/null; then
    for page in varnek32 varnek-fit; do
        warnings="$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || { echo "$page.1: $warnings"; exit 1; }
    done
fi
echo "installed tree works"
