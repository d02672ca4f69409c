#!/usr/bin/env python3
"""The instructions of the plug-in's frame in a real flight, and whose they are.

Flies a scenario twice under callgrind, counting only inside vrpcPreStep: once to its end and once
to a time before it. The difference divided by the frames between the two is one steady frame,
without the window open and the first loads. Each instruction is charged to the plug-in (its own
code and the C and C++ libraries it calls), to the platform (the sound library, with OpenAL Soft
under it, and the platform services), or to the simulator (the host's callbacks: the
vessel, camera and world queries).

    bench/frame_cost.py [--tree build/Voranth] [--scenario bench/scenarios/every_sound.vrs]
                        [--from 20]
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

PLUGIN = "libZephyrin.so"


def owner(object_path):
    name = os.path.basename(object_path)
    if name == PLUGIN:
        return "plug-in"
    if name.startswith(("libvrdsound", "libvrplatform", "libopenal", "libmpg123")):
        return "platform"
    if name.startswith(("libc.so", "libm.so", "libstdc++", "libgcc_s", "ld-linux")):
        return "runtime"
    return "simulator"


def charged(callgrind_file):
    """Instructions by whom: the plug-in's own and the calls it makes out of itself."""
    names = {}

    def named(kind, text):
        match = re.match(r"\((\d+)\)(?: (.*))?", text)
        if not match:
            return text
        key = (kind, match.group(1))
        if match.group(2) is not None:
            names[key] = match.group(2)
        return names.get(key, text)

    totals = {"plug-in": 0, "platform": 0, "simulator": 0}
    current_object = ""
    called_object = None
    call_pending = False
    with open(callgrind_file) as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line or line[0] in "#":
                continue
            key, _, value = line.partition("=")
            if key == "ob":
                current_object = named("ob", value)
            elif key == "cob":
                called_object = named("ob", value)
            elif key in ("fl", "fi", "fe", "fn", "cfi", "cfl", "cfn"):
                named("fn" if key in ("fn", "cfn") else "fl", value)
            elif key == "calls":
                call_pending = True
            elif line[0] in "0123456789+-*":
                cost = int(line.split()[-1])
                inside = owner(current_object) == "plug-in"
                if call_pending:
                    callee = owner(called_object or current_object)
                    if inside and callee != "plug-in":
                        totals["plug-in" if callee == "runtime" else callee] += cost
                    call_pending = False
                    called_object = None
                elif inside:
                    totals["plug-in"] += cost
    return totals


def fly(tree, scenario_text, until):
    with tempfile.TemporaryDirectory() as scratch:
        scenario = os.path.join(scratch, "frame_cost.vrs")
        with open(scenario, "w") as out:
            out.write(re.sub(r"^(run .*) until [0-9.]+", rf"\1 until {until}", scenario_text,
                             flags=re.M))
        output = os.path.join(scratch, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", "--toggle-collect=vrpcPreStep",
                        f"--callgrind-out-file={output}", os.path.join(tree, "vrhost"), "--quiet",
                        "--scenario", scenario, "--record", os.path.join(scratch, "sound.wav")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return charged(output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tree", default="build/Voranth", help="the simulator tree")
    parser.add_argument("--scenario", default="bench/scenarios/every_sound.vrs",
                        help="a scenario of one run")
    parser.add_argument("--from", dest="start", type=float, default=20.0,
                        help="seconds into the run where the steady frames begin")
    arguments = parser.parse_args()
    with open(arguments.scenario) as source:
        text = source.read()
    runs = re.findall(r"^run .* until ([0-9.]+)", text, flags=re.M)
    rate = re.search(r"^framerate ([0-9.]+)", text, flags=re.M)
    if len(runs) != 1 or not rate:
        sys.exit("frame_cost: the scenario needs one run and a framerate")
    end, frames_per_second = float(runs[0]), float(rate.group(1))
    if not 0 < arguments.start < end:
        sys.exit(f"frame_cost: --from must lie inside the run (0 to {end} s)")
    whole = fly(arguments.tree, text, end)
    start = fly(arguments.tree, text, arguments.start)
    frames = round((end - arguments.start) * frames_per_second)
    per_frame = {who: (whole[who] - start[who]) / frames for who in whole}
    total = sum(per_frame.values())
    print(f"{frames} steady frames of {arguments.scenario}, instructions per vrpcPreStep:")
    for who in ("plug-in", "platform", "simulator"):
        print(f"  {who:10} {per_frame[who]:10.0f}  {100 * per_frame[who] / total:5.1f}%")
    print(f"  {'total':10} {total:10.0f}")


if __name__ == "__main__":
    main()
