#!/bin/bash
# The soak: a simulator tree flown through many window opens and closes, focus changes among
# many vessels, time acceleration on and off and camera changes, once with every sound file in
# place and then with stock files missing, cut short or replaced by noise, one after the other.
# Every vessel is an add-on vessel with sounds of its own: the scenario add-on connects it in
# every run, defines its 2D, 3D and stereo waves and plays them whenever it takes the focus.
# Every flight must end normally (under the sanitizer build: without a leak or other fault),
# every window close must leave no wave loaded and the add-on waves must have played.
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

rm -rf "$work_dir"
mkdir -p "$work_dir"
# The flights run inside the work folder: every path is made absolute first (make soak gives
# relative ones).
work_dir=$(cd "$work_dir" && pwd)
tree=$work_dir/Voranth
cp -r "$source_tree/." "$tree"
rm -rf "$tree/doc" "$tree/Zephyrin_Log.txt"
[ -f "$tree/Modules/libScenarioCalls.so" ] || fail "no scenario add-on in $tree/Modules"

# Each vessel's own sounds, copies of stock files made before any stock file is broken: a loop,
# a single shot and a stereo pair.
addon_sounds=Sound/_SoakAddon
for ((v = 0; v < vessels; ++v)); do
    mkdir -p "$tree/$addon_sounds/V$v"
    cp "$tree/Sound/vessel/attfire.wav" "$tree/$addon_sounds/V$v/loop.wav"
    cp "$tree/Sound/vessel/radar_bip.wav" "$tree/$addon_sounds/V$v/once.wav"
    cp "$tree/Sound/vessel/attfire40stereo.wav" "$tree/$addon_sounds/V$v/pair.wav"
done

# The add-on calls of a run's start: every vessel asks for its id, in order, so that V<n> has
# id n, and defines its waves (2D loop, 3D mono shot, 3D stereo pair) and, every fifth vessel,
# its own main engine.
connect_vessels() {
    local folder
    for ((v = 0; v < vessels; ++v)); do
        folder="Sound\\_SoakAddon\\V$v"
        echo "    0 call GetVesselSoundID3 @V$v"
        echo "    0 call LoadVesselWaveZephx3 $v 1 $folder\\loop.wav 0"
        echo "    0 call LoadVesselWave3dZephx4 $v 2 $folder\\once.wav 2 0,1,4 null 0"
        echo "    0 call LoadVesselWave3dZephx4 $v 3 $folder\\pair.wav 4 -2,0,-6 2,0,-6 1"
        if ((v % 5 == 0)); then
            echo "    0 call ReplaceStockZephx3 $v $folder\\pair.wav 10"
        fi
    done
}

# The add-on's plays for vessel `id`, which took the focus at quarter second `step`, a frame
# later once its waves are loaded: the loop, and in turn the shot, the pair, a radio call or a
# stop.
play_focus_waves() {
    local id=$1 step=$2 hundredths later
    hundredths=$((step * 25 + 10))
    later=$(printf '%d.%02d' $((hundredths / 100)) $((hundredths % 100)))
    echo "    $later call PlayVesselWaveZephx3 $id 1 1 200 0"
    case $((step % 4)) in
    0) echo "    $later call PlayVesselWaveZephx3 $id 2 0 230 0" ;;
    1) echo "    $later call PlayVesselWaveZephx3 $id 3 1 220 30000" ;;
    2) echo "    $later call PlayVesselExclusiveWaveZephx3 $id 2 0 240 0" ;;
    3) echo "    $later call StopVesselWave3 $id 1" ;;
    esac
}

# One scenario: the vessels stand in a row at the pad, all with engines and jets; every run
# opens the window anew and moves the focus every quarter second.
write_scenario() {
    local scenario=$1
    {
        echo "framerate 30"
        echo "addon Modules/libScenarioCalls.so"
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
            connect_vessels
            play_focus_waves $((r % vessels)) 0
            local steps=$((run_seconds * 4))
            for ((s = 1; s < steps; ++s)); do
                local at
                at=$(awk -v s="$s" 'BEGIN { printf "%.2f", s / 4 }')
                echo "    $at focus V$(((r + s) % vessels))"
                play_focus_waves $(((r + s) % vessels)) "$s"
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
    local refused played
    refused=$(grep -c '^call: GetVesselSoundID3(.*) = -1$' "$work_dir/vrhost.out" || true)
    played=$(grep -c '^call: PlayVesselWaveZephx3(.*) = 1$' "$work_dir/vrhost.out" || true)
    [ "$refused" -eq 0 ] || fail "$refused add-on vessels got no sound id ($what)"
    [ "$played" -gt 0 ] || fail "no add-on wave played ($what)"
    add_on_plays=$((add_on_plays + played))
}

add_on_plays=0
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
echo "soak: $flights flights of $runs runs with $vessels add-on vessels, $add_on_plays add-on waves played, every run closed with no wave loaded"
