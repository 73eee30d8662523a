# Finding windows by title on a display with openbox, for the test and measurement scripts
# (sourced, not run). xdotool's --name search misses SDL's UTF-8 window title, so the titles come
# from _NET_WM_NAME, which SDL and FLTK both set, for the windows the window manager lists.

# The managed windows, one "id title" a line. A window manager that keeps no _NET_CLIENT_LIST
# (weston's, for XWayland) has them looked for among every window of the screen instead.
window_titles() {
  local w ids
  ids=$(xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ',')
  [ -n "$ids" ] || ids=$(xwininfo -root -tree 2>/dev/null | awk '$1 ~ /^0x/ && $2 ~ /^"/ { print $1 }')
  for w in $ids; do
    printf '%s %s\n' "$w" "$(xprop -id "$w" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')"
  done
}

# The id of a window whose whole title matches the extended regex $1, if one is shown now.
window_matching() {
  window_titles | awk -v re="^$1\$" '{ id = $1; $1 = ""; sub(/^ /, "") } $0 ~ re { print id; exit }'
}

# Focuses the window and presses the key through XTEST, so press and release both arrive.
press() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
  xdotool key "$2"
}

# Waits up to $2 tenths of a second, while process $3 lives, for a window whose title matches $1;
# prints its id. Fails when none came.
wait_for_window() {
  local id
  for _ in $(seq "$2"); do
    id=$(window_matching "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$3" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
