# Shell pieces shared by the scripts and benchmarks that run TAVO on a display of their own.
# Sourced, from the top of the checkout: . scripts/lib.sh

# Starts a private Xvfb on one of the displays :FIRST to :FIRST+8 and waits until it answers;
# sets DISPLAY (with the xcb platform for Qt) and xvfb_pid, which the caller ends.
start_xvfb() {
  local display=:$(( $1 + RANDOM % 9 ))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# The median of the numbers given.
median() {
  printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'
}
