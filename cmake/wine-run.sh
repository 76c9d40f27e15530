#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's private prefix.
#
#   wine-run.sh STATE_DIR WINEARCH --up        create the prefix and display, start the keeper
#   wine-run.sh STATE_DIR WINEARCH --down      stop everything started by --up
#   wine-run.sh STATE_DIR WINEARCH PROGRAM [ARGS...]
#
# The prefix is created once (WINEARCH win32 or win64). When there is no DISPLAY an Xvfb
# is started and its number kept in STATE_DIR/display. A resident Wine process (the keeper)
# keeps the wineserver and Wine's own services alive between test programs: without it each
# program pays for their start and shutdown.
set -u
state=$1 arch=$2
shift 2
mkdir -p "$state"
state=$(cd "$state" && pwd)

export WINEPREFIX="$state/prefix-$arch"
export WINEARCH=$arch
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=wine

# Starts "$@" in the background in a session of its own, with no descriptor of ours
# inherited but those named in KEEP_FDS: a test runner waits for every pipe it handed out
# to be closed, and the lock must not outlive this script.
detach() {
  (
    for fd in $(ls /proc/$BASHPID/fd); do
      case " 0 1 2 ${KEEP_FDS:-} " in *" $fd "*) ;; *) eval "exec $fd>&-" 2>/dev/null ;; esac
    done
    exec setsid "$@"
  ) &
  detached_pid=$!
}

# Runs "$@" in the foreground with the same clean set of descriptors.
run_clean() {
  (
    for fd in $(ls /proc/$BASHPID/fd); do
      case " 0 1 2 " in *" $fd "*) ;; *) eval "exec $fd>&-" 2>/dev/null ;; esac
    done
    exec "$@"
  ) </dev/null >/dev/null 2>&1
}

ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  if [ -s "$state/display" ] && [ -s "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    export DISPLAY=":$(cat "$state/display")"
    return 0
  fi
  exec 8>"$state/xvfb.out"
  KEEP_FDS=8 detach Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>"$state/xvfb.log"
  echo "$detached_pid" >"$state/xvfb.pid"
  exec 8>&-
  for _ in $(seq 100); do
    [ -s "$state/xvfb.out" ] && break
    sleep 0.1
  done
  tr -dc '0-9' <"$state/xvfb.out" >"$state/display"
  [ -s "$state/display" ] || { echo "wine-run: Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; return 1; }
  export DISPLAY=":$(cat "$state/display")"
}

ensure_prefix() {
  [ -f "$WINEPREFIX/.torvik-ready" ] && return 0
  echo "wine-run: creating $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  run_clean $wine wineboot -i
  # Without a window manager Wine waits for each hide or destroy of a top-level window.
  run_clean $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  wineserver -w
  touch "$WINEPREFIX/.torvik-ready"
}

start_keeper() {
  if [ -s "$state/keeper-$arch.pid" ] && kill -0 "$(cat "$state/keeper-$arch.pid")" 2>/dev/null; then
    return 0
  fi
  # A console program waiting on a pipe whose writer sleeps: it lives until --down (or two
  # hours).
  detach bash -c "sleep 7200 | $wine cmd /c 'set /p x='" </dev/null >/dev/null 2>&1
  echo "$detached_pid" >"$state/keeper-$arch.pid"
  # Wait until the wineserver and Wine's services run, started by a process of ours with
  # clean descriptors: a test program that started them itself would hand them its output
  # pipe, and its runner would wait for that pipe until the services end.
  run_clean $wine cmd /c exit
}

case "${1:-}" in
  --up)
    exec 7>"$state/lock-$arch"
    flock 7
    ensure_display || exit 1
    ensure_prefix
    start_keeper
    exit 0
    ;;
  --down)
    if [ -s "$state/keeper-$arch.pid" ]; then
      kill -- "-$(cat "$state/keeper-$arch.pid")" 2>/dev/null
      rm -f "$state/keeper-$arch.pid"
    fi
    if [ -d "$WINEPREFIX" ]; then
      timeout 60 wineserver -w || wineserver -k
    fi
    if [ -s "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null
      rm -f "$state/xvfb.pid" "$state/display"
    fi
    exit 0
    ;;
esac

exec 7>"$state/lock-$arch"
flock 7
ensure_display || exit 1
ensure_prefix
exec 7>&-
exec $wine "$@"
