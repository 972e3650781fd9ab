# Sourced by the scripts: named steps with a visible start and, when the
# script ends (also on failure), the time each step took.
#   step NAME COMMAND...      runs COMMAND as the step NAME
#   build_with_progress DIR   cmake --build DIR, its progress on one line on a terminal
_step_names=()
_step_times=()
_step_current=""
_step_started=0

_step_clock() { date +%s.%N; }

_step_record() { # NAME SUFFIX
  local seconds
  seconds=$(awk -v a="$_step_started" -v b="$(_step_clock)" 'BEGIN { printf "%.0f", b - a }')
  _step_names+=("$1$2")
  _step_times+=("$(printf '%d:%02d' $((seconds / 60)) $((seconds % 60)))")
}

step() {
  _step_current=$1
  shift
  printf '== %s\n' "$_step_current"
  _step_started=$(_step_clock)
  "$@"
  _step_record "$_step_current" ""
  _step_current=""
}

print_step_times() {
  if [ -n "$_step_current" ]; then
    _step_record "$_step_current" " (failed)"
    _step_current=""
  fi
  [ ${#_step_names[@]} -gt 0 ] || return 0
  printf '\ntime of each step (min:s)\n'
  local i
  for i in "${!_step_names[@]}"; do
    printf '  %-22s %6s\n' "${_step_names[$i]}" "${_step_times[$i]}"
  done
  _step_names=()
}
trap print_step_times EXIT

# The build tool's progress lines ("[ 42%] Building CXX object ..."): on a
# terminal rewritten in place on one line, in a log (CI) kept as they are.
# Every other line (warnings, errors) is printed whole.
_progress_on_one_line() {
  if [ -t 1 ]; then
    awk -v width="$(tput cols 2>/dev/null || echo 100)" '
      /^\[ *[0-9]+%\]|^Scanning dependencies|^Consolidate compiler/ {
        printf "\r\033[K%s", substr($0, 1, width - 1); fflush(); next }
      { printf "\r\033[K%s\n", $0; fflush() }
      END { printf "\r\033[K" }'
  else
    cat
  fi
}

build_with_progress() { # BUILD_DIR
  cmake --build "$1" -j"$(nproc)" 2>&1 | _progress_on_one_line
}
