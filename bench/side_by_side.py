"""Start-up and peak memory of Kinemora beside a bare Qt window, on one window system.

Each program is started fresh many times, the two alternating so that both see the same state
of the machine; each run ends itself after its first frame (the start-up probe) and reports the
moment of that frame and its peak resident memory. Prints the medians side by side with their
ratio.

  side_by_side.py --runs N <kinemora_startup> <bare_window>
"""

import argparse
import os
import statistics
import subprocess
import tempfile
import time


def run_once(program: str, env: dict):
    """(milliseconds from process start to first frame, peak resident MB) of one run."""
    started = time.monotonic_ns()
    result = subprocess.run([program], env=env, cwd=os.path.dirname(program),
                            capture_output=True, text=True, timeout=60, check=True)
    fields = dict(line.split() for line in result.stdout.splitlines() if line.strip())
    return ((int(fields["first-frame-ns"]) - started) / 1e6, int(fields["peak-rss-kb"]) / 1024)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("kinemora")
    parser.add_argument("bare")
    args = parser.parse_args()

    runtime_dir = tempfile.TemporaryDirectory(prefix="kinemora-bench-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir.name)
    programs = {"Kinemora": os.path.abspath(args.kinemora), "bare Qt": os.path.abspath(args.bare)}
    for program in programs.values():
        run_once(program, env)  # a first run of each fills the page cache
    figures = {name: [] for name in programs}
    for _ in range(args.runs):
        for name, program in programs.items():
            figures[name].append(run_once(program, env))

    startup = {name: statistics.median(f[0] for f in runs) for name, runs in figures.items()}
    memory = {name: statistics.median(f[1] for f in runs) for name, runs in figures.items()}
    ours, bare = "Kinemora", "bare Qt"
    platform = env.get("QT_QPA_PLATFORM", "default")
    print(f"platform {platform}: medians of {args.runs} alternating runs each")
    print(f"  {'':<26}{ours:>10}{bare:>10}   Kinemora / bare")
    print(f"  {'start-up to first frame':<26}{startup[ours]:>7.1f} ms{startup[bare]:>7.1f} ms"
          f"   {startup[ours] / startup[bare]:.2f}x")
    print(f"  {'peak resident memory':<26}{memory[ours]:>7.1f} MB{memory[bare]:>7.1f} MB"
          f"   {memory[ours] / memory[bare]:.2f}x ({memory[ours] - memory[bare]:+.1f} MB)")


if __name__ == "__main__":
    main()
