# Sourced by the desktop checks and the benchmarks: a virtual display of their own, and what
# the checks share.
#
# start_xvfb starts Xvfb on a display number no other server holds (Xvfb picks it itself
# and reports it through -displayfd, so two runs never collide), exports DISPLAY and sets
# XVFB_PID. It fails, saying why, when Xvfb is missing or does not come up in 20 seconds:
# a check without a display fails rather than pass unseen.
XVFB_PID=
start_xvfb() {
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: there is no display to run the desktop game on" >&2
    return 1
  fi
  local pipe number=
  pipe=$(mktemp -u "${TMPDIR:-/tmp}/xvfb.XXXXXX")
  mkfifo "$pipe" || return 1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$pipe" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 number <"$pipe" || true
  rm -f "$pipe"
  if [[ -z $number ]]; then
    echo "Xvfb did not start" >&2
    kill "$XVFB_PID" 2>/dev/null
    return 1
  fi
  export DISPLAY=":$number"
  # The game draws on it, not on a driver the environment chose.
  unset SDL_VIDEODRIVER WAYLAND_DISPLAY
}

# wait_for SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; fails after
# SECONDS.
wait_for() {
  local limit=$(($1 * 20))
  shift
  for ((i = 0; i < limit; ++i)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# The game's window is on the display.
window_shown() { xdotool search --name '^nuPavane$' >/dev/null 2>&1; }

# ends_within SECONDS PID: the process has ended by then; its status is then in $status.
ends_within() {
  wait_for "$1" eval "! kill -0 $2 2>/dev/null" || return 1
  wait "$2"
  status=$?
}

# The start of the checks' scripts: the new game's questions answered, "2 Comp." (two
# computer opponents), then the one human takes character 0. The choice counts taps only
# once its pictures are loaded, which on a busy machine takes a while of real time.
NEW_GAME='wait 500\ntap 223 47\nwait 1500\ntap 73 87\n'

# What the checks look at is the status and the lines said; the system libraries' own leaks
# (D-Bus, X) at exit are not their business.
quiet_system_leaks() { export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0; }

# copy_game FOLDER: the game of FOLDER and its archives, copied into $work.
copy_game() { cp -p "$1/nupavane" "$1/gfx.arc" "$1/snd.arc" "$work/"; }
