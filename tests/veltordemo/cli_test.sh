#!/usr/bin/env bash
# The command-line options of veltordemo: the headless screenshot, help,
# version and the refusal of wrong options.
set -u
demo="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" HOME="$work" SDL_AUDIODRIVER=dummy
fail() { echo "FAIL: $*"; exit 1; }

timeout 60 "$demo" --screenshot "$work/shot.png" > "$work/out.txt" || fail "screenshot"
[ "$(head -c 8 "$work/shot.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "a PNG is written"
grep -q "$work/shot.png" "$work/out.txt" || fail "screenshot path printed"
timeout 60 "$demo" --scale 2 --screenshot "$work/big.png" > /dev/null || fail "scaled screenshot"
[ "$(stat -c %s "$work/big.png")" -gt "$(stat -c %s "$work/shot.png")" ] || fail "twice the pixels make a bigger file"

timeout 60 "$demo" --dialog TBevelDemo --screenshot "$work/dlg.png" > /dev/null || fail "dialog screenshot"
[ "$(head -c 8 "$work/dlg.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "a dialog PNG is written"
[ "$(stat -c %s "$work/dlg.png")" -ne "$(stat -c %s "$work/shot.png")" ] || fail "the dialog, not the main window"
timeout 120 "$demo" --contact-sheet "$work/sheet.png" > /dev/null || fail "contact sheet"
[ "$(stat -c %s "$work/sheet.png")" -gt "$(stat -c %s "$work/dlg.png")" ] || fail "the sheet holds more than one dialog"
"$demo" --contact-sheet "$work/z.png" --screenshot "$work/z.png" 2> /dev/null; [ $? -eq 2 ] || fail "sheet and screenshot exit with 2"
"$demo" --dialog TNoSuchDemo --screenshot "$work/y.png" 2> /dev/null; [ $? -eq 2 ] || fail "an unknown dialog exits with 2"
"$demo" --dialog TBevelDemo 2> /dev/null; [ $? -eq 2 ] || fail "--dialog without --screenshot exits with 2"
"$demo" --help | grep -q -- "--screenshot <png>" || fail "help names the screenshot option"
"$demo" --help | grep -q "^Usage: veltordemo " || fail "help names the program"
"$demo" --version | grep -q '^veltordemo [0-9]' || fail "version"
"$demo" --no-such-option 2> /dev/null; [ $? -eq 2 ] || fail "a wrong option exits with 2"
"$demo" --scale 0 --screenshot "$work/x.png" 2> /dev/null; [ $? -eq 2 ] || fail "a scale below 1 exits with 2"
"$demo" stray 2> /dev/null; [ $? -eq 2 ] || fail "a stray argument exits with 2"
[ -e "$work/x.png" ] && fail "no screenshot after a usage error"
"$demo" --screenshot /nonexistent/dir/x.png > /dev/null 2>&1; [ $? -eq 1 ] || fail "an unwritable path exits with 1"
echo "veltordemo command line: all checks passed"
