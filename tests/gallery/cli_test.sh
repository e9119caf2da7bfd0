#!/usr/bin/env bash
# The command line of veltor_gallery: help, version, wrong options, and one
# picture per registered class.
set -u
gallery="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
fail() { echo "FAIL: $*"; exit 1; }

"$gallery" --help > "$work/help.txt" || fail "--help exits with 0"
for option in --help --version --scale --screenshot --each; do
  grep -q -- "$option" "$work/help.txt" || fail "--help describes $option"
done
"$gallery" --version | grep -qx 'veltor_gallery [0-9]*\.[0-9]*\.[0-9]*' || fail "--version prints the version"
"$gallery" --bogus 2> "$work/err.txt"; [ $? -eq 2 ] || fail "a wrong option exits with 2"
grep -q bogus "$work/err.txt" || fail "the message names the wrong option"
"$gallery" --scale 9 --each "$work/x" 2> /dev/null; [ $? -eq 2 ] || fail "a scale above 8 is a usage error"
[ -e "$work/x" ] && fail "nothing written after a usage error"
timeout 20 "$gallery" stray 2> /dev/null; [ $? -eq 2 ] || fail "an argument is a usage error"
"$gallery" --each "$work/each" > /dev/null || fail "--each"
[ -s "$work/each/TMeter270.png" ] || fail "--each writes one picture per class"
echo "gallery command line: all checks passed"
