#!/usr/bin/env bash
# scripts/package, then its archive: exactly Pavorin.exe and ReadMe.txt, and the program unpacked from it
# passes release_tests ($1) with the version the archive's name gives.
set -euo pipefail
zip=$("$(dirname "$0")/../../scripts/package" | tail -n 1)
names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$names" = "Pavorin.exe ReadMe.txt " ] || { echo "$zip holds: $names" >&2; exit 1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
version=${zip##*/Pavorin-}
PAVORIN_EXE=$unpacked/Pavorin.exe PAVORIN_RELEASE_VERSION=${version%.zip} wine "$1" </dev/null
