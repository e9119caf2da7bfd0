#!/usr/bin/env bash
# The command-line options of tracelo: listing export, screenshot, and the
# refusal of files it cannot use.
set -u
tracelo="$1"
sample="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
fail() { echo "FAIL: $*"; exit 1; }

"$tracelo" --export-listing "$work/list.txt" "$sample" || fail "export of the sample"
[ "$(wc -l < "$work/list.txt")" -eq 2000 ] || fail "2000 listing lines expected"
head -n 1 "$work/list.txt" | grep -q '^ 0000:  hex: ' || fail "first line: $(head -n 1 "$work/list.txt")"
[ "$(tail -c 1 "$work/list.txt" | od -An -c | tr -d ' ')" = '\n' ] || fail "lines end with a line feed"
LC_ALL=C grep -q '[^ -~]' "$work/list.txt" && fail "only printable ASCII in the listing"

"$tracelo" --screenshot "$work/shot.png" "$sample" > "$work/out.txt" || fail "screenshot"
[ -s "$work/shot.png" ] || fail "screenshot written"
grep -q "$work/shot.png" "$work/out.txt" || fail "screenshot path printed"

printf 'not a sample file' > "$work/bad.trc"
"$tracelo" --export-listing "$work/x.txt" "$work/bad.trc" 2> "$work/err.txt" && fail "a damaged file must fail"
grep -q 'bad.trc' "$work/err.txt" || fail "the reason names the file"
"$tracelo" --screenshot "$work/y.png" "$work/missing.trc" 2> /dev/null && fail "a missing file must fail"
[ -e "$work/y.png" ] && fail "no screenshot for a missing file"
# A capture of another tool, shown from a chosen sample.
printf 'a,b\n0,1\n1,0\n1,1\n0,0\n' > "$work/cap.csv"
"$tracelo" --from 2 --export-listing "$work/cap.txt" "$work/cap.csv" > "$work/cap.out" || fail "capture listing"
grep -q 'samples 2-3 of 4' "$work/cap.out" || fail "the part shown is told: $(cat "$work/cap.out")"
head -n 1 "$work/cap.txt" | grep -q '^ 0000:  hex: 03' || fail "first capture line: $(head -n 1 "$work/cap.txt")"
"$tracelo" --from 4 --export-listing "$work/z.txt" "$work/cap.csv" 2> "$work/err.txt" && fail "a start past the end must fail"
grep -q 'cap.csv' "$work/err.txt" || fail "the reason names the capture"
"$tracelo" --from -1 "$work/cap.csv" 2> /dev/null; [ $? -eq 2 ] || fail "a negative start is a usage error"
timeout 20 "$tracelo" --scale 0 "$work/cap.csv" 2> /dev/null; [ $? -eq 2 ] || fail "a scale below 1 is a usage error"
timeout 20 "$tracelo" "$work/cap.csv" "$sample" 2> /dev/null; [ $? -eq 2 ] || fail "two files are a usage error"

# Help, version and wrong options.
"$tracelo" --help > "$work/help.txt" || fail "--help exits with 0"
for option in --help --version --scale --from --screenshot --export-listing FILE; do
  grep -q -- "$option" "$work/help.txt" || fail "--help describes $option"
done
"$tracelo" --version | grep -qx 'tracelo [0-9]*\.[0-9]*\.[0-9]*' || fail "--version prints the version"
"$tracelo" --no-such-option 2> "$work/err.txt" > /dev/null; [ $? -eq 2 ] || fail "a wrong option exits with 2"
grep -q "no-such-option" "$work/err.txt" || fail "the message names the wrong option: $(cat "$work/err.txt")"
"$tracelo" --from 2> /dev/null; [ $? -eq 2 ] || fail "a missing value is a usage error"
echo "tracelo command line: all checks passed"
