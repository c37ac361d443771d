#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build as scripts/package does and lets lintian check the package: no error and no
# warning. Skipped (77) where lintian is not installed (scripts/setup package installs it).
set -euo pipefail
build="$1"
command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
lintian --fail-on error,warning "$out"/*.deb
echo "lintian: no error and no warning"
