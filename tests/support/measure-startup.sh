# Sourced by the start-up comparisons, after tests/e2e/xsession.sh: one start of a program,
# timed until its window is mapped, and the median of a column of figures.

# Starts the command, waits for a visible window whose title matches, and prints the
# milliseconds from launch to that window; with peak_memory=1, also the process's peak
# resident size in kB.
measure() {
    local title=$1
    shift
    local start end pid peak=""
    start=$(date +%s%N)
    "$@" &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$* did not start"
    done
    end=$(date +%s%N)
    if [ "${peak_memory:-0}" = 1 ]; then
        sleep 0.3 # let it settle into its idle state before reading the peak
        peak=" $(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # Gone before the next start, so that the next search finds only the new window.
    while xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.05; done
    echo "$(((end - start) / 1000000))$peak"
}

# The median of the numbers on standard input, one to a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
