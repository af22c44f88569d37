#!/usr/bin/env python3
"""Start-up cost of Ondulix against a bare Qt window of the same size.

Each round launches both programs, in alternating order, on one private X
server, and times each process from launch until it exits right after its
first picture is on screen (for Ondulix: the first chart). Peak memory is the
process's maximum resident set size. Prints the medians and their ratios.

usage: bench/startup.py [path/to/startup_probe] [rounds] [path/to/an/earlier/startup_probe]

With an earlier build's probe, it runs too, in the same rounds, so two versions
are compared on the same machine at the same time.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

GOAL = 1.25


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return server, ":" + number


def run_once(command, env):
    """Wall time in seconds and peak resident memory in KiB of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{' '.join(command)} failed with {process.returncode}")
    return elapsed, usage.ru_maxrss


def main():
    probe = sys.argv[1] if len(sys.argv) > 1 else "build/bench/startup_probe"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    before = sys.argv[3] if len(sys.argv) > 3 else None
    server, display = start_xvfb()
    try:
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=home,
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_RUNTIME_DIR=home)
            commands = {"ondulix": [probe], "bare": [probe, "--bare"]}
            if before:
                commands["before"] = [before]
            for name in commands:  # warm the file cache
                run_once(commands[name], env)
            results = {name: [] for name in commands}
            for i in range(rounds):
                order = list(commands) if i % 2 == 0 else list(reversed(commands))
                for name in order:
                    results[name].append(run_once(commands[name], env))
    finally:
        server.terminate()
        server.wait()

    def medians(name):
        times, memory = zip(*results[name])
        return statistics.median(times), statistics.median(memory)

    t_app, m_app = medians("ondulix")
    t_bare, m_bare = medians("bare")
    print(f"rounds: {rounds}, alternating")
    print(f"{'':10}{'time to first picture':>24}{'peak memory':>16}")
    print(f"{'ondulix':10}{t_app * 1000:>21.1f} ms{m_app / 1024:>13.1f} MiB")
    print(f"{'bare':10}{t_bare * 1000:>21.1f} ms{m_bare / 1024:>13.1f} MiB")
    if before:
        t_before, m_before = medians("before")
        print(f"{'before':10}{t_before * 1000:>21.1f} ms{m_before / 1024:>13.1f} MiB"
              f"   ({t_before / t_bare:.2f}x, {m_before / m_bare:.2f}x)")
    time_ratio, memory_ratio = t_app / t_bare, m_app / m_bare
    print(f"{'ratio':10}{time_ratio:>23.2f}x{memory_ratio:>15.2f}x   (goal: {GOAL}x)")
    return 0 if time_ratio <= GOAL and memory_ratio <= GOAL else 1


if __name__ == "__main__":
    sys.exit(main())
