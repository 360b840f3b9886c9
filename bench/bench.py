#!/usr/bin/env python3
"""Measures the tool against the floor of a process that reads the file and
writes text: `cat` of the same file. Runs are paired, tool then cat, A B A B,
and each reports medians of wall time, CPU time (user + system) and peak
resident memory over all pairs, with the ratio tool/cat. Where valgrind is
installed, one run of each case under callgrind gives its instruction count.

Usage: bench.py TOOL PAIR_RUNNER [--pairs N]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(os.path.dirname(HERE), "examples")


def worst_case_key_table(path):
    """A V1.26 key table of exactly 100000 bytes: every cell a Macro cell
    naming macro 255, so each lookup walks 255 names of a long list."""
    data = bytearray(b"Tarnu Keytable V1.26" + b"\0" * 4)
    for _ in range(119 * 4):
        data += bytes([0x08, 255])
    n = 0
    while len(data) < 100000:
        data += b"macro%05d\0" % n
        n += 1
    with open(path, "wb") as f:
        f.write(bytes(data[:100000]))


def cases(work):
    found = []
    for name in sorted(os.listdir(EXAMPLES)) if os.path.isdir(EXAMPLES) else []:
        if name.rsplit(".", 1)[-1].lower() in ("ses", "key", "bar", "pad"):
            found.append((name, [os.path.join(EXAMPLES, name)]))
    # The two comparisons the examples are made for.
    for first, second in (("office.ses", "branch.ses"), ("office.key", "branch.key")):
        paths = [os.path.join(EXAMPLES, first), os.path.join(EXAMPLES, second)]
        if all(os.path.exists(p) for p in paths):
            found.append((f"compare {first} {second}", paths))
    worst = os.path.join(work, "worst.key")
    worst_case_key_table(worst)
    found.append(("worst case 100000-byte key table", [worst]))
    return found


def paired_runs(runner, pairs, tool_argv, cat_argv, env):
    """Medians of (wall us, cpu us, peak KiB) for the tool and for cat."""
    out = subprocess.run([runner, str(pairs), "--"] + tool_argv + ["--"] + cat_argv,
                         env=env, stdout=subprocess.PIPE, text=True, check=True).stdout
    runs = {"A": [], "B": []}
    for line in out.splitlines():
        letter, wall, cpu, rss = line.split()
        runs[letter].append((int(wall), int(cpu), int(rss)))
    med = lambda rows, i: statistics.median(r[i] for r in rows)
    return [tuple(med(runs[k], i) for i in range(3)) for k in ("A", "B")]


def callgrind(argv, env):
    if not shutil.which("valgrind"):
        return None
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "cg.out")
        result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out] + argv,
                                env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        for line in result.stderr.splitlines():
            if "Collected :" in line:
                return int(line.split(":")[-1].strip())
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("runner", help="the pair runner built from pair_runner.cpp")
    parser.add_argument("--pairs", type=int, default=200)
    args = parser.parse_args()
    tool = os.path.abspath(args.tool)
    cat = os.path.realpath(shutil.which("cat"))
    with tempfile.TemporaryDirectory() as work:
        # key.lst absent: the tool falls back to its built-in list.
        env = {"LC_ALL": "C", "PATH": "/usr/bin:/bin", "HOME": work, "WINEPREFIX": os.path.join(work, "prefix")}
        rows = []
        for label, files in cases(work):
            tool_argv = [tool] + files
            cat_argv = [cat] + files
            mine, floor = paired_runs(os.path.abspath(args.runner), args.pairs, tool_argv, cat_argv, env)
            rows.append((label, mine[0], floor[0], mine[1], floor[1], mine[2], floor[2], callgrind(tool_argv, env)))
    print(f"{'case':<44} {'wall us':>8} {'cat us':>8} {'ratio':>6} {'cpu us':>7} {'cat us':>7} "
          f"{'ratio':>6} {'rss KiB':>8} {'cat KiB':>8} {'instructions':>13}")
    for label, tw, cw, tc, cc, tr, cr, ins in rows:
        cpu_ratio = f"{tc / cc:6.2f}" if cc else "     -"
        print(f"{label:<44} {tw:8.0f} {cw:8.0f} {tw / cw:6.2f} {tc:7.0f} {cc:7.0f} {cpu_ratio} "
              f"{tr:8.0f} {cr:8.0f} {ins if ins is not None else '-':>13}")


if __name__ == "__main__":
    sys.exit(main())
