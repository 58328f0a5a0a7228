# Shared by bench/measure-window and bench/measure-startup (sourced, not run): launching a
# window program with its start-up probe, its peak memory, medians, and a virtual X server.
# The caller sets `scratch` to a folder of its own.

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# Microseconds from launching PROGRAM to the end of its window's first painting (the
# PLENOVA_STARTUP_PROBE aid). The launch time is taken as the last thing before the program's
# exec (by timeout).
launch_to_first_paint() {
    PLENOVA_STARTUP_PROBE=${EPOCHREALTIME//[!0-9]/} timeout 60 "$1" 2>/dev/null
}

# Maximum resident set size in KiB of one run of PROGRAM with the given environment
# (peak_kib PROGRAM NAME=VALUE...).
peak_kib() {
    local program=$1
    shift
    env "$@" /usr/bin/time -v -o "$scratch/time" timeout 60 "$program" >/dev/null 2>&1
    awk -F': ' '/Maximum resident set size/ { print $2 }' "$scratch/time"
}

# Starts Xvfb at 96 dpi in the background; sets xvfb_pid and xvfb_display (":N"), or leaves
# xvfb_display empty where no X server could be started. The caller kills $xvfb_pid.
xvfb_pid=
xvfb_display=
start_xvfb() {
    command -v Xvfb >/dev/null || return 0
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$scratch/display" \
        >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$scratch/display" ] && break
        sleep 0.1
    done
    if [ -s "$scratch/display" ]; then
        xvfb_display=:$(cat "$scratch/display")
    fi
}

# A line about the machine and its load while measured.
machine_line() {
    echo "Machine: $(lscpu | awk -F': +' '/^Model name/ { print $2 }'), $(nproc) CPUs" \
        "($(lscpu | awk -F': +' '/^Hypervisor vendor/ { print $2 " guest" }')); load average" \
        "$(cut -d' ' -f1-3 /proc/loadavg); $1 build"
}
