#!/bin/bash
# The Windows build under Wine, driven by CTest from the build machine's own build:
#   wine_check.sh build SOURCE_DIR PRESET BINARY_DIR
#       configures and builds a Windows build tree with a preset of CMakePresets.json
#   wine_check.sh prefix WINE_DIR
#       makes the Wine prefix the runs share: headless, a null sound card, no crash dialog
#   wine_check.sh flight WINE_DIR SCENARIO LINUX_TREE WINDOWS_TREE WORK_DIR
#       flies SCENARIO with vrhost and the plug-in of both trees and compares the plug-in logs
#       and the traces of what is heard
#   wine_check.sh manual WINE_DIR LINUX_TREE WINDOWS_TREE WORK_DIR
#       checks that the Windows docbuilder imports system DLLs only, builds the manual with it
#       alone in a copy of the Linux tree's manual and compares the page with the Linux one
#   wine_check.sh twin WINE_DIR LINUX_PROGRAM WINDOWS_PROGRAM WORK_DIR
#       runs a check program of both builds, each writing its report in a folder of its own,
#       and compares the reports
set -euo pipefail

fail() {
    echo "wine_check: $*" >&2
    exit 1
}

# Every Wine run is bounded: a Windows program that crashes or waits must not hold the test.
wine_timeout_s=300

use_prefix() {
    local wine_dir=$1
    export WINEPREFIX="$wine_dir/prefix" HOME="$wine_dir/home" WINEDEBUG=-all
    # Wine's Mono and Gecko installers would ask for a download; nothing here needs them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

make_prefix() {
    local wine_dir=$1
    use_prefix "$wine_dir"
    if [ -f "$wine_dir/prefix.ready" ]; then
        return
    fi
    rm -rf "$WINEPREFIX" "$HOME"
    mkdir -p "$HOME"
    # DirectSound under Wine and OpenAL Soft on Linux both open ALSA's default device: a null
    # one takes the samples of a machine without a sound card.
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
    timeout "$wine_timeout_s" wine wineboot --init
    # An unhandled exception ends the program instead of waiting for a debugger, and windows
    # open on no display.
    timeout "$wine_timeout_s" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f
    timeout "$wine_timeout_s" wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
    timeout "$wine_timeout_s" wineserver --wait
    touch "$wine_dir/prefix.ready"
}

build() {
    local source_dir=$1 preset=$2 binary_dir=$3
    cmake -S "$source_dir" --preset "$preset" -B "$binary_dir" >/dev/null
    cmake --build "$binary_dir" -j2
}

# The lines of a plug-in log that both builds must write alike: without CR, the folder line
# (a drive letter on Windows) and the lines that describe the sound device itself.
comparable_log() {
    tr -d '\r' <"$1" | grep -v -e '^Voranth directory:' \
        -e '^   Sound hardware capabilities:' -e '^   Maximum hardware' \
        -e '^   Speaker configuration:'
}

# A trace as both builds must write it. Wine's DirectSound reads the cone orientation of a new
# 3D buffer as (0,0,0) where DirectSound documents (0,0,1); the plug-in writes back what it read.
# The C libraries round the last bit of sin and cos apart: what is left of a cancelled vector
# (below 1e-6) reads as 0.
comparable_trace() {
    tr -d '\r' <"$1" |
        sed -E 's/^([^\t]*\tbuffer[0-9]*\tSetAllParameters\t.*)orientation=\(0,0,0\)/\1orientation=(0,0,1)/' |
        sed -E 's/-?[0-9]+(\.[0-9]+)?e-(0[7-9]|[1-9][0-9]+)/0/g'
}

# A simulator tree of the given programs, with the Linux build's sound pack and configuration;
# the plug-in logs every sound file it loads, so that the logs show each path it opened.
lay_out_tree() {
    local programs=$1 linux_tree=$2 tree=$3
    rm -rf "$tree"
    mkdir -p "$tree"
    cp -r "$programs/." "$tree/"
    rm -rf "$tree/Sound" "$tree/doc" "$tree/Zephyrin_Log.txt"
    cp -r "$linux_tree/Sound" "$tree/Sound"
    sed -i 's/^WriteInLogAllLoadedSound=.*/WriteInLogAllLoadedSound=true/' \
        "$tree/Sound/Cfg/Editable_Advanced_Configuration.cfg"
}

flight() {
    local wine_dir=$1 scenario=$2 linux_tree=$3 windows_tree=$4 work_dir=$5
    use_prefix "$wine_dir"
    lay_out_tree "$linux_tree" "$linux_tree" "$work_dir/linux"
    lay_out_tree "$windows_tree" "$linux_tree" "$work_dir/windows"
    cp "$scenario" "$work_dir/flight.vrs"
    # One date for both runs: the greetings of special dates land in the log.
    local date=2026-03-10
    # Linux mixes offline, faster than real time; Windows plays at real-time pace.
    (cd "$work_dir" && linux/vrhost --quiet --date "$date" --scenario flight.vrs \
        --trace linux.tsv) || fail "the Linux vrhost failed"
    (cd "$work_dir" && timeout "$wine_timeout_s" wine windows/vrhost.exe --quiet --date "$date" \
        --scenario flight.vrs --trace windows.tsv) || fail "vrhost.exe failed under Wine (status $?)"

    local linux_log=$work_dir/linux/Zephyrin_Log.txt windows_log=$work_dir/windows/Zephyrin_Log.txt
    [ -s "$windows_log" ] || fail "the Windows plug-in wrote no log"
    grep -q 'directsound initialised - OK' "$windows_log" ||
        fail "DirectSound did not start under Wine: $(grep -i -m1 'DX Code' "$windows_log")"
    if ! diff -u <(comparable_log "$linux_log") <(comparable_log "$windows_log"); then
        fail "the plug-in logs of Linux (-) and Windows (+) differ"
    fi
    echo "wine_check: $(comparable_log "$windows_log" | wc -l) log lines alike on Linux and Windows"
    if ! cmp -s <(comparable_trace "$work_dir/linux.tsv") <(comparable_trace "$work_dir/windows.tsv"); then
        diff -u <(comparable_trace "$work_dir/linux.tsv") <(comparable_trace "$work_dir/windows.tsv") |
            head -40
        fail "the traces of Linux (-) and Windows (+) differ"
    fi
    echo "wine_check: $(wc -l <"$work_dir/linux.tsv") trace lines alike on Linux and Windows"
}

# A system DLL is one that Windows (here: the Wine prefix) carries in its system folder.
only_system_dlls() {
    local program=$1 dll
    local system_folder="$WINEPREFIX/drive_c/windows/system32"
    local dlls
    dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$dlls" ] || fail "objdump lists no DLL for $program"
    for dll in $dlls; do
        [ -n "$(find "$system_folder" -maxdepth 1 -iname "$dll" -print -quit)" ] ||
            fail "$(basename "$program") needs $dll, which is no system DLL"
    done
    echo "wine_check: $(basename "$program") imports system DLLs only:" $dlls
}

manual() {
    local wine_dir=$1 linux_tree=$2 windows_tree=$3 work_dir=$4
    use_prefix "$wine_dir"
    local manual="doc/Zephyrin Documentation"
    local linux_manual="$linux_tree/$manual" scratch="$work_dir/$manual"
    [ -f "$linux_manual/index.html" ] || fail "the Linux build has no manual at $linux_manual"
    rm -rf "$work_dir"
    mkdir -p "$(dirname "$scratch")"
    cp -r "$linux_manual" "$scratch"
    rm "$scratch/index.html" "$scratch/bin/input/docbuilder"
    local program="$windows_tree/$manual/bin/input/docbuilder.exe"
    only_system_dlls "$program"
    cp "$program" "$scratch/bin/input/"
    (cd "$scratch/bin/input" && timeout "$wine_timeout_s" wine docbuilder.exe </dev/null) ||
        fail "docbuilder.exe failed under Wine (status $?)"
    # Windows text mode writes CR LF where Linux writes LF; the page is otherwise the same.
    if ! cmp -s "$linux_manual/index.html" <(tr -d '\r' <"$scratch/index.html"); then
        diff -u "$linux_manual/index.html" <(tr -d '\r' <"$scratch/index.html") | head -40
        fail "the manual built on Windows differs from the Linux one"
    fi
    echo "wine_check: the manual of $(wc -l <"$linux_manual/index.html") lines is the same"
}

twin() {
    local wine_dir=$1 linux_program=$2 windows_program=$3 work_dir=$4
    use_prefix "$wine_dir"
    rm -rf "$work_dir"
    mkdir -p "$work_dir/linux" "$work_dir/windows"
    (cd "$work_dir/linux" && "$linux_program" report.txt) || fail "$linux_program failed"
    (cd "$work_dir/windows" && timeout "$wine_timeout_s" wine "$windows_program" report.txt) ||
        fail "$windows_program failed under Wine (status $?)"
    if ! diff -u "$work_dir/linux/report.txt" <(tr -d '\r' <"$work_dir/windows/report.txt"); then
        fail "the reports of Linux (-) and Windows (+) differ"
    fi
    echo "wine_check: $(wc -l <"$work_dir/linux/report.txt") report lines alike on Linux and Windows"
}

command=$1
shift
case "$command" in
build) build "$@" ;;
prefix) make_prefix "$@" ;;
flight) flight "$@" ;;
manual) manual "$@" ;;
twin) twin "$@" ;;
*) fail "unknown command $command" ;;
esac
