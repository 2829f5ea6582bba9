# Shared by scripts/run, scripts/test and scripts/bench: packages, builds, the Wine prefix, the display.
# Every step is idempotent and quick when its work is already done.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_root=${PAVORIN_BUILD_DIR:-$repo/build}
export repo build_root
export WINEPREFIX=${WINEPREFIX:-$repo/.wine}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8

packages=(g++-mingw-w64-x86-64 wine wine64 xvfb xdotool x11-apps imagemagick fonts-ipafont fonts-noto-cjk
          locales cmake googletest ninja-build g++ clang libclang-rt-14-dev zip unzip)

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    log "installing ${missing[*]}"
    local sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  # ja_JP for code page 932, en_US for the scenarios that run under code page 1252.
  local locale
  for locale in ja_JP en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^$locale.utf8\$"; then
      log "generating the $locale.UTF-8 locale"
      local sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
      $sudo sed -i "s/^# *$locale.UTF-8/$locale.UTF-8/" /etc/locale.gen
      $sudo locale-gen >/dev/null
    fi
  done
}

build_native() {
  local dir=$build_root/native
  [ -f "$dir/build.ninja" ] || cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DPAVORIN_SANITIZE=ON >/dev/null
  cmake --build "$dir" >&2
}

# build_win [target...]: every target, or only the ones named (scripts/run needs Pavorin alone).
build_win() {
  local dir=$build_root/win
  [ -f "$dir/build.ninja" ] || cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$dir" ${1:+--target "$@"} >&2
}

# Runs "$@" inside a display: the current one when there is one, else a fresh Xvfb.
# The wineserver is started and primed inside it (see the notes on piped output) and stopped after.
with_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${PAVORIN_FORCE_XVFB:-}" ]; then
    in_wine_session "$@"
  else
    # The command may be one of the caller's shell functions: hand their definitions to the inner shell
    # (xvfb-run is a POSIX sh script, which drops exported bash functions).
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "set -euo pipefail; $(declare -f); in_wine_session \"\$@\"" _ "$@"
  fi
}

in_wine_session() {
  # A server left running for this prefix (by a run that was killed) refuses -p with 2; it serves this
  # session as well, and is ended with it.
  wineserver -p || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  local rc=0
  "$@" || rc=$?
  wineserver -k 2>/dev/null || true
  return $rc
}

# The prefix of the scenarios that run under code page 1252 (tests/e2e/CMakeLists.txt names them).
other_code_page_prefix() { echo "$WINEPREFIX-en_US"; }

# make_prefix DIR LOCALE: a win64 prefix made under that locale, with a proportional Japanese face for
# "ＭＳ Ｐゴシック", no window-manager waits, and crashes as exit codes instead of a debugger dialog.
make_prefix() {
  local stamp=$1/.pavorin-prefix-v1
  [ -f "$stamp" ] && return 0
  log "creating the Wine prefix $1 ($2)"
  rm -rf "$1"
  mkdir -p "$1"
  # Not through with_display: its persistent wineserver would keep "wineserver -w" waiting forever.
  WINEPREFIX=$1 LC_ALL=$2 xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    set -e
    wine wineboot -i >/dev/null 2>&1
    wine reg add "HKCU\\Software\\Wine\\Fonts\\Replacements" /v "ＭＳ Ｐゴシック" /d IPAPGothic /f >/dev/null 2>&1
    wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
    wine reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug" /v Debugger /d "" /f >/dev/null 2>&1
    wineserver -w'
  touch "$stamp"
}

ensure_prefix() { make_prefix "$WINEPREFIX" ja_JP.UTF-8; }
ensure_other_code_page_prefix() { make_prefix "$(other_code_page_prefix)" en_US.UTF-8; }


# The stand-in Explorer shell (standin/): its controller, built into the Wine build.
stand_in_ctl() { wine "$build_root/win/standin/bin/standin_ctl.exe" "$@" </dev/null; }

# Makes the stand-in the shell of the prefix (COM server for the shell window list, the Folder verbs).
# Idempotent and quick; call it inside the display session, before any test or program uses the shell.
register_stand_in_shell() { stand_in_ctl register; }

# Starts the stand-in shell with three folder windows of both classes and its taskbar (the demo desktop).
start_stand_in_demo() { stand_in_ctl demo; }
