#!/usr/bin/env bash
# Checks the menu entries of an installed package: each passes
# desktop-file-validate, its Icon names an installed icon, and its Exec
# command, run as the menu runs it, starts the program and keeps it running.
#   desktop_test.sh PREFIX   (/usr for the installed package)
# Programs are looked up in PREFIX/bin first, as a menu finds them in PATH,
# and shown on a private X server, as on a desktop.
set -u
prefix="$1"
work="$(mktemp -d)"
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v desktop-file-validate > /dev/null || fail "desktop-file-validate is missing (scripts/setup.sh installs desktop-file-utils)"

display=""
if command -v Xvfb > /dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] && display=":$(head -n 1 "$work/display")"
fi
[ -n "$display" ] || echo "SKIP: starting the programs needs Xvfb (scripts/setup.sh installs it)"

# The words of an Exec value without field codes (%f, %U, ...); %% stands for
# a percent sign. Our entries quote nothing, so words split at spaces.
exec_words() {
  local word
  for word in $1; do
    case "$word" in
      %[fFuUdDnNickvm]) ;;
      *) printf '%s\n' "${word//%%/%}" ;;
    esac
  done
}

for entry in tracelo veltordemo veltor-gallery; do
  file="$prefix/share/applications/$entry.desktop"
  [ -f "$file" ] || fail "$file is not installed"
  desktop-file-validate "$file" > "$work/validate.txt" 2>&1
  if [ $? -ne 0 ] || grep -qE '(error|warning):' "$work/validate.txt"; then
    cat "$work/validate.txt"
    fail "$entry.desktop does not validate"
  fi

  icon="$(sed -n 's/^Icon=//p' "$file")"
  [ -n "$icon" ] || fail "$entry.desktop names no icon"
  found="$(find "$prefix/share/icons/hicolor" "$prefix/share/pixmaps" \
    \( -name "$icon.svg" -o -name "$icon.png" -o -name "$icon.xpm" \) 2> /dev/null | head -n 1)"
  [ -n "$found" ] || fail "$entry.desktop shows icon $icon, which is not installed under $prefix/share"

  mapfile -t command < <(exec_words "$(sed -n 's/^Exec=//p' "$file")")
  [ ${#command[@]} -gt 0 ] || fail "$entry.desktop has no Exec command"
  if [ -z "$display" ]; then
    echo "$entry.desktop: valid, icon $found"
    continue
  fi
  # Started away from the source tree, with a home of its own.
  mkdir -p "$work/home-$entry"
  (cd "$work/home-$entry" && HOME="$work/home-$entry" XDG_RUNTIME_DIR="$work/home-$entry" PATH="$prefix/bin:$PATH" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb exec "${command[@]}" > "$work/$entry.log" 2>&1) &
  pid=$!
  sleep 2
  if ! kill -0 "$pid" 2> /dev/null; then
    wait "$pid"
    status=$?
    cat "$work/$entry.log"
    fail "$entry.desktop: '${command[*]}' ended within 2 s (status $status)"
  fi
  kill "$pid"
  wait "$pid" 2> /dev/null
  echo "$entry.desktop: starts '${command[*]}', icon $found"
done
echo "desktop entries: all checks passed"
