# Sourced by the desktop checks and the benchmarks: a virtual display of their own.
#
# start_xvfb starts Xvfb on a display number no other server holds (Xvfb picks it itself
# and reports it through -displayfd, so two runs never collide), exports DISPLAY and sets
# XVFB_PID. It fails, saying why, when Xvfb is missing or does not come up in 20 seconds.
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
