#!/bin/bash
# The soak: a simulator tree flown through many window opens and closes, focus changes among
# many vessels, time acceleration on and off and camera changes, once with every sound file in
# place and then with stock files missing, cut short or replaced by noise, one after the other.
# Every flight must end normally (under the sanitizer build: without a leak or other fault) and
# every window close must leave no wave loaded.
#   soak.sh VORANTH_TREE WORK_DIR short|long
set -euo pipefail

fail() {
    echo "soak: $*" >&2
    exit 1
}

[ $# -eq 3 ] || fail "usage: soak.sh VORANTH_TREE WORK_DIR short|long"
source_tree=$1 work_dir=$2 length=$3
case "$length" in
short) vessels=12 runs=6 run_seconds=6 broken_files=3 ;;
long) vessels=60 runs=40 run_seconds=20 broken_files=all ;;
*) fail "the length is short or long, not '$length'" ;;
esac
[ -x "$source_tree/vrhost" ] || fail "no vrhost in $source_tree"

tree=$work_dir/Voranth
rm -rf "$work_dir"
mkdir -p "$work_dir"
cp -r "$source_tree/." "$tree"
rm -rf "$tree/doc" "$tree/Zephyrin_Log.txt"

# One scenario: the vessels stand in a row at the pad, all with engines and jets; every run
# opens the window anew and moves the focus every quarter second.
write_scenario() {
    local scenario=$1
    {
        echo "framerate 30"
        echo "base \"Cape Canaveral\" 28.6085 -80.6040"
        for ((v = 0; v < vessels; ++v)); do
            echo "vessel V$v DeltaGlider"
            echo "    position 28.6085 $(awk -v v="$v" 'BEGIN { printf "%.4f", -80.6040 + v * 0.0004 }')"
            echo "    thruster main 0 0 -7  0 0 1"
            echo "    thruster hover 0 -1 0  0 1 0"
            echo "    thruster retro 0 0 6  0 0 -1"
            echo "    thruster pitchup,up 0 -0.8 6  0 1 0"
            echo "    thruster bankleft 6 0 0  0 1 0"
            echo "    dock 0 0 8  0 0 1  0 1 0"
            echo "end"
        done
        for ((r = 0; r < runs; ++r)); do
            echo "run soak$r until $run_seconds"
            echo "    focus V$((r % vessels))"
            local steps=$((run_seconds * 4))
            for ((s = 1; s < steps; ++s)); do
                local at
                at=$(awk -v s="$s" 'BEGIN { printf "%.2f", s / 4 }')
                echo "    $at focus V$(((r + s) % vessels))"
                case $((s % 8)) in
                1) echo "    $at throttle 1" ;;
                2) echo "    $at hover 0.8" ;;
                3) echo "    $at warp 10" ;;
                4) echo "    $at camera external" ;;
                5) echo "    $at warp 1" ;;
                6) echo "    $at rcs pitchup 1" ;;
                7) echo "    $at camera cockpit" ;;
                0) echo "    $at throttle 0" ;;
                esac
            done
            echo "end"
        done
    } >"$scenario"
}

scenario=$work_dir/soak.vrs
write_scenario "$scenario"

# Flies the scenario once; `what` names the state of the sound files in the messages.
fly() {
    local what=$1
    rm -f "$tree/Zephyrin_Log.txt"
    if ! (cd "$work_dir" && "$tree/vrhost" --quiet --scenario soak.vrs >"$work_dir/vrhost.out" 2>&1); then
        tail -20 "$work_dir/vrhost.out" >&2
        fail "vrhost stopped ($what)"
    fi
    local closed unloaded
    closed=$(grep -c '^Nbr of wav not unloaded at exit: ' "$tree/Zephyrin_Log.txt" || true)
    unloaded=$(grep -c '^Nbr of wav not unloaded at exit: 0$' "$tree/Zephyrin_Log.txt" || true)
    [ "$closed" -eq "$runs" ] || fail "$closed window closes logged of $runs runs ($what)"
    [ "$unloaded" -eq "$runs" ] ||
        fail "waves left loaded at a window close ($what): $(grep 'not unloaded' "$tree/Zephyrin_Log.txt" | sort | uniq -c)"
}

fly "every file in place"
flights=1

# The stock files in turn: missing, cut inside their data, or noise under a wave name.
mapfile -t stock < <(cd "$tree" && find Sound -maxdepth 2 -ipath 'Sound/vessel/*.wav' | sort)
[ ${#stock[@]} -gt 0 ] || fail "no stock sound files in $tree/Sound"
if [ "$broken_files" != all ]; then
    stock=("${stock[@]:0:$broken_files}")
fi
for index in "${!stock[@]}"; do
    file=$tree/${stock[$index]}
    cp "$file" "$work_dir/kept.wav"
    case $((index % 3)) in
    0) rm "$file" && how=missing ;;
    1) head -c 200 "$work_dir/kept.wav" >"$file" && how="cut short" ;;
    2) head -c 5000 /dev/urandom >"$file" && how=noise ;;
    esac
    fly "${stock[$index]} $how"
    mv "$work_dir/kept.wav" "$file"
    flights=$((flights + 1))
done
echo "soak: $flights flights of $runs runs with $vessels vessels, every run closed with no wave loaded"
