# A screenshot of the main window right after a capture, for the demo in scripts/run:
#   source "$(dirname "$0")/lib/capture_screenshot.sh"
#   screenshot_capture "$main_window_x_id" "${screenshot%.png}"   # writes <prefix>-capture.png
# The stand-in shell with its folder windows (standin_ctl demo) must run before the program starts; the
# capture then fills the taskbar listing (edit 1002) and the list text (edit 1003).
source "$(dirname "${BASH_SOURCE[0]}")/dialog_screenshots.sh"

screenshot_capture() {
  local main=$1 prefix=$2
  click_control "$main" 25 375 400 35  # the title box (1004)
  xdotool type --delay 20 "demo desk"
  click_control "$main" 35 20 130 45  # ウィンドウを取得 (1000)
  wait_for_window_named '^ウィンドウを取得$' >/dev/null || return 1
  xdotool key Return  # the completion message has the focus
  sleep 0.5  # let the text areas finish painting
  import -window "$main" "$prefix-capture.png"
  echo "capture screenshot: $prefix-capture.png"
}
