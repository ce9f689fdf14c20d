#!/usr/bin/env bash
# Installs what is missing, builds, and starts the device simulator on loopback and the
# element manager on it, the way the host platform starts the program.
#
# The demo plays an HP OpenView host: a private registry file names the help folder (so
# the message files come from errmsg/ of this tree) and the folder of the per-device
# settings files. The settings file of 127.0.0.1, in the form the SNMP settings window
# writes, selects SNMPv2c and the simulator's UDP port; the command line carries the
# address, the communities and the version, as the host passes them:
#     trq3100 /I127.0.0.1 /Rmardle /Wquillon /v1
# The simulator stops when the program exits. Only the program, the simulator and the tool
# that writes the settings file are built.
# Extra arguments of run.sh are passed to the program after these.
#
# Without a display the program runs on Qt's offscreen platform, where nobody can see it: it
# then saves a picture of its main window to build/run/main-window.png once its first read
# has ended, and again every 5 seconds; a start-up error ends it with its text on standard
# error. Ctrl-C ends it. ./run.sh --help says more.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
    cat <<'EOF'
Usage: ./run.sh [PROGRAM OPTIONS...]
Installs the Debian packages that are missing, builds the program and the device simulator
in build/ (the first build takes some minutes), starts the simulator on loopback and the
program managing it over SNMPv2c:
    trq3100 /I127.0.0.1 /Rmardle /Wquillon /v1 [PROGRAM OPTIONS...]
Options given to run.sh follow these (build/mainwin/trq3100 --help lists them).

Without a display (no DISPLAY or WAYLAND_DISPLAY) the program runs where nobody sees it and
saves a picture of its main window to build/run/main-window.png after its first read and
every 5 seconds; its message boxes are answered with their default button and their texts
written to standard error. Ctrl-C ends the program and the simulator.

run.sh ends with the program's exit status: 0 after a normal close, 1 after a start-up error.

  -h, --help             print this text and end
Environment:
  TRQ_RUN_BUILD_DIR=DIR  use the programs already built in DIR: nothing is installed or built
EOF
}
for argument in "$@"; do
    case $argument in
    -h | --help)
        usage
        exit 0
        ;;
    esac
done

if [ -n "${TRQ_RUN_BUILD_DIR:-}" ]; then
    build=$(cd "$TRQ_RUN_BUILD_DIR" && pwd)
else
    source scripts/deps.sh
    trq_install_deps
    trq_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    trq_refresh_autogen build
    cmake --build build --target trq3100 trq3100-sim trq3100-writesettings
    build=$PWD/build
fi

program=$build/mainwin/trq3100
simulator=$build/sim/trq3100-sim
writesettings=$build/mainwin/trq3100-writesettings
for binary in "$program" "$simulator" "$writesettings"; do
    if [ ! -x "$binary" ]; then
        echo "run.sh: $binary is not built; nothing to start."
        exit 1
    fi
done

picture_dir=$build/run
rundir=$(mktemp -d /tmp/trq3100-run.XXXXXX)
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill -TERM "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$rundir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The simulator on a free loopback port; it prints "READY port=N" once it answers.
"$simulator" --listen udp:127.0.0.1:0 --profile sim/trq3100.profile --conf sim/trq3100-sim.conf \
    >"$rundir/sim.out" 2>"$rundir/sim.err" &
sim_pid=$!
port=
for _ in $(seq 1 100); do
    port=$(sed -n 's/^READY port=\([0-9]*\).*/\1/p' "$rundir/sim.out" | head -n 1)
    [ -n "$port" ] && break
    if ! kill -0 "$sim_pid" 2>/dev/null; then
        echo "run.sh: the simulator did not start:"
        cat "$rundir/sim.err"
        exit 1
    fi
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "run.sh: the simulator did not report its port."
    exit 1
fi
echo "run.sh: simulator answering on udp:127.0.0.1:$port"

# The host's registry: help path (a 12-character file name in the folder that holds
# errmsg/) and the settings folder.
mkdir -p "$rundir/conf"
cat >"$rundir/registry.ini" <<EOF
[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]
1.3.6.1.4.1.32473.10.61.1=$PWD/module12.hlp
[\\SOFTWARE\\Varnholt\\Pelmora5.1\\MibFile]
Path=$rundir/conf/
EOF
export TRQ3100_REGISTRY=$rundir/registry.ini

# The settings file of the device, written as the settings window writes it.
"$writesettings" "$rundir/conf/127.0.0.1.cfg" AgentIP=127.0.0.1 AgentPort="$port" Version=1 \
    ContextName=mardle SetCommStr=quillon

# A private runtime folder, as a desktop session gives one.
export XDG_RUNTIME_DIR=$rundir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program's current folder holds its engine-boots counter file.
cd "$rundir"
args=(/I127.0.0.1 /Rmardle /Wquillon /v1 "$@")
echo "run.sh: trq3100 ${args[*]}"
status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    mkdir -p "$picture_dir"
    picture=$picture_dir/main-window.png
    rm -f "$picture"
    echo "run.sh: there is no display, so the program runs where nobody sees it."
    echo "run.sh: a picture of its main window goes to $picture once the first read has ended,"
    echo "run.sh: and is renewed every 5 seconds. Ctrl-C ends the program."
    echo "run.sh: to see and use the program, run ./run.sh in a desktop session or over X forwarding (ssh -X)."
    # Qt's offscreen platform draws the windows as a screen would, and answers every
    # message box with its default button, its text on standard error: a start-up error
    # ends the program instead of waiting for a click nobody can give.
    TRQ3100_SNAPSHOT=$picture QT_QPA_PLATFORM=offscreen "$program" "${args[@]}" || status=$?
else
    "$program" "${args[@]}" || status=$?
fi
if [ "$status" -ne 0 ]; then
    echo "run.sh: trq3100 ended with status $status (its error is above)." >&2
fi
exit $status
