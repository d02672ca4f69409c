#!/bin/bash
# A flight at scale: 60 vessels in a row at the pad, each with its own add-on waves (a 3D stereo
# pair at its engines and a cockpit loop, defined through vrhost's ScenarioCalls add-on), the focus
# and the camera moving from one to the next every two seconds for two minutes, recorded offline.
# Prints the real-time factor of the recording and the peak memory of the simulator.
#   bench/fleet_flight.sh [VORANTH_TREE]     (default build/Voranth)
set -euo pipefail

tree=${1:-build/Voranth}
[ -x "$tree/vrhost" ] || { echo "fleet_flight: no vrhost in $tree" >&2; exit 1; }
vessels=60 seconds=120 hold=2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

{
    echo "framerate 40"
    echo "mjd 60310.5"
    echo "addon Modules/libScenarioCalls.so"
    echo "base \"Cape Canaveral\" 28.6085 -80.6040"
    for ((v = 0; v < vessels; ++v)); do
        echo "vessel V$v DeltaGlider"
        echo "    position 28.6085 $(awk -v v="$v" 'BEGIN { printf "%.4f", -80.6040 + v * 0.0004 }')"
        echo "    thruster main -1.2 0 -7.6  0 0 1"
        echo "    thruster main 1.2 0 -7.6  0 0 1"
        echo "    thruster hover 0 -1.4 3.6  0 1 0"
        echo "end"
    done
    echo "run \"Fleet\" until $seconds"
    echo "    0     camera external"
    for ((v = 0; v < vessels; ++v)); do
        echo "    0.1   call GetVesselSoundID3 @V$v"
        echo "    0.1   call LoadVesselWave3dZephx4 $v 1 Sound\\Vessel\\mainextloud.wav 4 -1.2,0,-7.6 1.2,0,-7.6 1"
        echo "    0.1   call LoadVesselWaveZephx3 $v 2 Sound\\Vessel\\aircond.wav 1"
    done
    for ((step = 0; step * hold < seconds; ++step)); do
        v=$((step % vessels)) at=$((step * hold))
        echo "    $at.2 focus V$v"
        echo "    $at.3 call PlayVesselWaveZephx3 $v 1 1 220 0"
        echo "    $at.3 call PlayVesselWaveZephx3 $v 2 1 180 0"
        echo "    $at.3 camera-distance $((20 + (step % 5) * 15))"
    done
    echo "end"
} >"$scratch/fleet.vrs"

/usr/bin/time -v "$tree/vrhost" --quiet --scenario "$scratch/fleet.vrs" \
    --record "$scratch/fleet.wav" >"$scratch/vrhost.out" 2>"$scratch/time.txt" ||
    { cat "$scratch/vrhost.out" "$scratch/time.txt" >&2; exit 1; }
cpu=$(awk -F': ' '/User time/ { user = $2 } /System time/ { kernel = $2 } END { print user + kernel }' "$scratch/time.txt")
peak=$(awk -F': ' '/Maximum resident/ { print $2 }' "$scratch/time.txt")
awk -v s="$seconds" -v cpu="$cpu" -v peak="$peak" -v n="$vessels" 'BEGIN {
    printf "fleet_flight: %d vessels, %d s recorded in %.2f s of CPU: %.0f x real time; peak memory %.1f MB\n",
        n, s, cpu, s / cpu, peak / 1024 }'
