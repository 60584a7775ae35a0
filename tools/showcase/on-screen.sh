#!/usr/bin/env bash
# The showcase on a real X server (Xvfb) with a window manager. Started with
# --about it opens with an About box; then, used as a person would: a click
# on "Stile 5", a click on "Informazioni"; the About
# box must appear as a decorated top-level window titled "About raReruri
# 3.7.0", stay above the showcase even when the showcase is clicked, and
# hide on a click inside it. With --shots DIR it also saves showcase.png
# and showcase-about.png there.
#
# Usage: on-screen.sh BIN_DIR [--shots DIR]
# Exits 77 (skipped) when Xvfb, xdotool, xwininfo, xprop or openbox is missing.
set -euo pipefail

for tool in Xvfb xdotool xwininfo xprop openbox; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
bin=$1
shots=""
if [ "${2:-}" = "--shots" ]; then shots=$3; fi
log=$(mktemp)
number=$(mktemp)
xvfb="" wm="" app=""
trap 'kill $app $wm $xvfb 2>/dev/null || true; wait; rm -f "$log" "$number"' EXIT

fail() {
  echo "FAIL: $*"
  cat "$log"
  exit 1
}

# Runs the command until it succeeds, for up to 30 s.
eventually() {
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

ended() { [ ! -e "/proc/$1" ] || [ "$(awk '{print $3}' "/proc/$1/stat")" = Z ]; }
mapped() { xwininfo -id "$1" | grep -q "Map State: IsViewable"; }
hidden() { ! mapped "$1"; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# The visible window whose name matches, in $found. A window the manager
# missed while it was starting is mapped again.
find_window() {
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
  [ -n "$found" ] && return 0
  for w in $(xdotool search --name "$1" 2>/dev/null); do xdotool windowmap "$w" 2>/dev/null || true; done
  return 1
}

# Is window $1 stacked above window $2 (client windows, bottom to top)?
above() {
  local i=0 a=-1 b=-1
  for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
    [ $((w)) -eq $(($1)) ] && a=$i
    [ $((w)) -eq $(($2)) ] && b=$i
    i=$((i + 1))
  done
  [ "$b" -ge 0 ] && [ "$a" -gt "$b" ]
}

click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The server picks a free display itself and tells its number, so checks
# running side by side never meet on one.
Xvfb -displayfd 9 -nolisten tcp -screen 0 800x600x24 9>"$number" 2>/dev/null &
xvfb=$!
has_line() { [ "$(wc -l <"$1")" -ge 1 ]; }
eventually has_line "$number" || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$number")"

# The manager owns the screen once it names itself on the root window. On a
# busy machine its first connection is now and then refused: it tries again.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
wm_up_or_gone() { wm_ready || ended "$wm"; }
for _ in 1 2 3; do
  openbox >>"$log" 2>&1 &
  wm=$!
  eventually wm_up_or_gone
  wm_ready && break
done
wm_ready || fail "the window manager did not start on $DISPLAY"

"$bin/corvalmire-showcase" --about >"$log" 2>&1 &
app=$!
eventually find_window "^About raReruri 3\.7\.0$" || fail "--about showed no About box"
kill $app  # as the session would end it: the About box must not hold it back
eventually ended $app || fail "the showcase did not end on SIGTERM"
wait $app || true

"$bin/corvalmire-showcase" >"$log" 2>&1 &
app=$!

eventually find_window "vetrina" || fail "the showcase did not open"
showcase=$found
eventually xprop -id "$showcase" _NET_FRAME_EXTENTS >/dev/null || fail "the window manager did not take the showcase"
# Stile 5 is second in the second row; Informazioni bottom right (the
# showcase's own layout, in pixels).
click_at "$showcase" 222 99
click_at "$showcase" 510 289
eventually find_window "^About raReruri" || fail "Informazioni showed no About box"
about=$found
[ "$(xdotool getwindowname "$about")" = "About raReruri 3.7.0" ] || fail "title: $(xdotool getwindowname "$about")"
eventually xprop -id "$about" _NET_FRAME_EXTENTS >/dev/null || fail "the About box has no frame"
xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the About box is not kept above"
top=$(xprop -id "$about" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
[ "$top" -gt 0 ] || fail "the About box has no title bar"
eventually above "$about" "$showcase" || fail "the About box is below the showcase"
click_at "$showcase" 300 190  # an empty spot of the showcase: it becomes the active window
eventually active "$showcase" || fail "the showcase did not become active"
above "$about" "$showcase" || fail "clicking the showcase covered the About box"

if [ -n "$shots" ]; then
  mkdir -p "$shots"
  # The showcase as its client area shows it; then the About box at the
  # corner of the screen, over the showcase.
  import -window "$showcase" "$shots/showcase.png"
  geometry=$(xwininfo -id "$showcase" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x + w "x" y + h}')
  import -window root -crop "${geometry}+0+0" +repage "$shots/showcase-about.png"
fi

click_at "$about" 100 40
eventually hidden "$about" || fail "a click in the About box did not hide it"
kill -0 $app 2>/dev/null || fail "the showcase ended"
echo "ok: the About box showed above the showcase and a click hid it"
