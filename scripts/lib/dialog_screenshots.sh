# Screenshots of the options dialog and the version dialog, for the demo in scripts/run:
#   source "$(dirname "$0")/lib/dialog_screenshots.sh"
#   screenshot_dialogs "$main_window_x_id" "${screenshot%.png}"   # writes <prefix>-options.png, -version.png
# The main window has no keyboard navigation, so its buttons are clicked at their places: client pixels
# of the control plus the frame Wine draws around an unmanaged window (3-pixel border, 19-pixel caption).

dialog_frame_x=3
dialog_frame_y=22

# Clicks the middle of a control given by its client rectangle (x y width height) in the X window $1.
click_control() {
  xdotool mousemove --window "$1" $((dialog_frame_x + $2 + $4 / 2)) $((dialog_frame_y + $3 + $5 / 2)) click 1
}

# Waits for a visible window whose title matches $1 and prints its X id.
wait_for_window_named() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  log "no window named $1 appeared"
  return 1
}

screenshot_dialogs() {
  local main=$1 prefix=$2 dialog
  click_control "$main" 310 450 118 23  # 特殊オプション (1009)
  dialog=$(wait_for_window_named '特殊オプション') || return 1
  sleep 0.5  # let the controls finish painting
  import -window root "$prefix-options.png"
  click_control "$dialog" 270 120 75 30  # OK (1017)
  click_control "$main" 42 451 71 24  # the face button (1012)
  dialog=$(wait_for_window_named 'アジア') || return 1
  sleep 0.5
  import -window root "$prefix-version.png"
  click_control "$dialog" 145 117 107 35  # OK (1017)
  echo "dialog screenshots: $prefix-options.png $prefix-version.png"
}
