# Shell pieces shared by the scripts and benchmarks that run TAVO on a display of their own.
# Sourced, from the top of the checkout: . scripts/lib.sh

# Starts a private Xvfb on a free display and waits until it answers; sets DISPLAY (with the
# xcb platform for Qt) and xvfb_pid, which the caller ends. Xvfb picks the display itself and
# names it when it is ready, so that runs side by side, or one right after another while the
# last one's server is still going away, never meet on one display. -noreset: a server resets
# when its last client leaves (dbus-launch, the AT-SPI launcher), refusing whoever connects
# meanwhile.
start_xvfb() {
  local named
  named=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$named" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$named" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  local number
  number=$(head -n 1 "$named")
  rm -f "$named"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=:$number QT_QPA_PLATFORM=xcb
}

# Ends the processes given and waits until they are gone, so that none still writes in a
# folder the caller removes next (TAVO saves its settings as it ends).
end_processes() {
  local pid
  for pid in "$@"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || continue
    wait "$pid" 2>/dev/null || true  # a child of this shell
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || continue 2
      sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
  done
}

# The median of the numbers given.
median() {
  printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'
}
