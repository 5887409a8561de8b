#!/usr/bin/env python3
"""Prints the figures of runs of kinemora_bench side by side: one column a way of running, a
row a figure, each cell the figures of every run of that way ("a / b / c")."""
import subprocess
import sys


def figures(command):
    out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    rows = {}
    for line in out.splitlines():
        name, _, value = line.partition(": ")
        if value and not name.startswith("platform"):
            rows[name] = value.split(" ")[0]
    return rows


def main():
    runs = int(sys.argv[1])
    ways = {"closed": sys.argv[2:], "How It Works open": sys.argv[2:] + ["--how-it-works"]}
    table = {way: [] for way in ways}
    for _ in range(runs):  # alternating, so that both see the same machine
        for way, command in ways.items():
            table[way].append(figures(command))
    names = list(dict.fromkeys(n for runs_ in table.values() for r in runs_ for n in r))
    width = max(len(n) for n in names)
    print(f"{'':{width}}  " + "  ".join(f"{w:>24}" for w in ways))
    for name in names:
        cells = [" / ".join(r.get(name, "-") for r in table[w]) for w in ways]
        print(f"{name:{width}}  " + "  ".join(f"{c:>24}" for c in cells))


if __name__ == "__main__":
    main()
