#!/usr/bin/env python3
"""Times smallworld against the floor program on data directories of 1,000,
10,000 and 100,000 networks, with standard output to a file, and prints the
wall time (median of several runs), the time per pair, the peak resident
memory, the system calls per pair and the growth from one size to the next.

    benchmark.py --tool build/default/smallworld --floor build/default/floor
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_data  # noqa: E402


def run_once(command, workdir):
    os.sync()  # the previous run's writes are not flushed during this one
    with open(os.path.join(workdir, "stdout.txt"), "wb") as out:
        start = time.perf_counter()
        status = subprocess.run(command, cwd=workdir, stdout=out, stderr=subprocess.DEVNULL).returncode
        took = time.perf_counter() - start
    if status != 0:
        sys.exit(f"benchmark: {command[0]} exited with {status}")
    return took


def median_times(commands, workdir, runs):
    """Runs the commands in turn, so that any drift of the machine meets all
    of them alike, and returns the median time of each."""
    for command in commands:
        run_once(command, workdir)  # warm the page cache; result files now exist
    times = [[] for _ in commands]
    for _ in range(runs):
        for k, command in enumerate(commands):
            times[k].append(run_once(command, workdir))
    return [statistics.median(t) for t in times]


def peak_memory_kib(command, workdir):
    report = os.path.join(workdir, "time.txt")
    with open(os.path.join(workdir, "stdout.txt"), "wb") as out:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + command, cwd=workdir,
                       stdout=out, stderr=subprocess.DEVNULL, check=True)
    with open(report) as f:
        return int(f.read().split()[-1])


def system_calls(command, workdir):
    report = os.path.join(workdir, "strace.txt")
    with open(os.path.join(workdir, "stdout.txt"), "wb") as out:
        subprocess.run(["strace", "-c", "-f", "-o", report] + command, cwd=workdir,
                       stdout=out, stderr=subprocess.DEVNULL, check=True)
    calls = {}
    with open(report) as f:
        for line in f:
            fields = line.split()
            if len(fields) >= 5 and re.fullmatch(r"[0-9.]+", fields[0]) and fields[-1] != "total":
                calls[fields[-1]] = int(fields[3])
    return calls


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--sizes", default="1000,10000,100000")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--no-strace", action="store_true")
    args = parser.parse_args()
    tool = os.path.abspath(args.tool)
    floor = os.path.abspath(args.floor)

    rows = []
    for networks in [int(n) for n in args.sizes.split(",")]:
        workdir = tempfile.mkdtemp(prefix=f"smallworld-bench-{networks}-")
        try:
            make_data.make(os.path.join(workdir, "data"), networks, seed=1)
            row = {"networks": networks}
            row["tool"], row["floor"] = median_times([[tool, "data"], [floor, "data"]], workdir, args.runs)
            for name, program in (("tool", tool), ("floor", floor)):
                command = [program, "data"]
                row[name + "_kib"] = peak_memory_kib(command, workdir)
                if not args.no_strace:
                    row[name + "_calls"] = system_calls(command, workdir)
            rows.append(row)
        finally:
            shutil.rmtree(workdir)

    print(f"{'networks':>9} {'tool s':>8} {'floor s':>8} {'tool/floor':>10} {'us/pair':>8} "
          f"{'peak MiB':>8} {'floor MiB':>9} {'calls/pair':>10} {'floor calls':>11} {'growth':>7}")
    previous = None
    for row in rows:
        n = row["networks"]
        calls = sum(row.get("tool_calls", {}).values()) / n if "tool_calls" in row else float("nan")
        floor_calls = sum(row.get("floor_calls", {}).values()) / n if "floor_calls" in row else float("nan")
        growth = f"{row['tool'] / previous['tool']:7.2f}" if previous else f"{'':>7}"
        print(f"{n:>9} {row['tool']:>8.3f} {row['floor']:>8.3f} {row['tool'] / row['floor']:>10.3f} "
              f"{row['tool'] * 1e6 / n:>8.2f} {row['tool_kib'] / 1024:>8.1f} {row['floor_kib'] / 1024:>9.1f} "
              f"{calls:>10.2f} {floor_calls:>11.2f} {growth}")
        previous = row
    blank_run = tempfile.mkdtemp(prefix="smallworld-bench-blanks-")
    try:
        data = os.path.join(blank_run, "data")
        os.makedirs(data)
        with open(os.path.join(data, "big_lambda.txt"), "wb") as f:
            for _ in range(100):
                f.write(b" " * (1 << 20))
            f.write(b"2\n")
        with open(os.path.join(data, "big_gamma.txt"), "wb") as f:
            f.write(b"3\n")
        print(f"\npeak resident memory with a lambda file of 100 MiB of blanks before its number: "
              f"{peak_memory_kib([tool, 'data'], blank_run) / 1024:.1f} MiB")
    finally:
        shutil.rmtree(blank_run)

    if rows and "tool_calls" in rows[-1]:
        last = rows[-1]
        print(f"\nsystem calls per pair at {last['networks']} networks (tool / floor):")
        names = sorted(set(last["tool_calls"]) | set(last["floor_calls"]),
                       key=lambda c: -last["tool_calls"].get(c, 0))
        for call in names:
            t = last["tool_calls"].get(call, 0) / last["networks"]
            f = last["floor_calls"].get(call, 0) / last["networks"]
            if t >= 0.01 or f >= 0.01:
                print(f"  {call:<14} {t:6.2f} {f:6.2f}")


if __name__ == "__main__":
    main()
