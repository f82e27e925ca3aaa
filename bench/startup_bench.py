# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and peak memory of compartica against a minimal Qt program.

Each run starts one program, reads the top of the screen from the X server
until a window with text in it appears there (the case text, or the minimal
program's label),
then reads the process's peak resident memory and ends it. The two programs
alternate. Run inside an X session (scripts/bench.sh does this).

Usage: startup_bench.py COMPARTICA MINIMAL [RUNS]
"""
import statistics
import subprocess
import sys
import time

from Xlib import X, display

BAND = (0, 19, 400, 80)  # screen pixels of the window top, below openbox's title bar
LIGHT = bytes(1 if value > 200 else 0 for value in range(256))
DARK = bytes(1 if value < 80 else 0 for value in range(256))


def text_on_screen(root):
    """True once the band shows a light window with dark text in it.

    The screen is read directly, so both programs are timed the same way,
    without looking their windows up."""
    x, y, w, h = BAND
    data = root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
    light = data.translate(LIGHT).count(1)
    return light > len(data) // 2 and data.translate(DARK).count(1) > 0


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(x, program):
    root = x.screen().root
    if text_on_screen(root):
        raise SystemExit("the screen already shows text before the program starts")
    start = time.perf_counter()
    process = subprocess.Popen([program], stderr=subprocess.DEVNULL)
    try:
        while time.perf_counter() - start < 20:
            if text_on_screen(root):
                elapsed = time.perf_counter() - start
                time.sleep(0.5)
                return elapsed, peak_kib(process.pid)
            time.sleep(0.002)
        raise SystemExit(f"{program}: no text on screen within 20 s")
    finally:
        process.terminate()
        process.wait(timeout=5)
        time.sleep(0.2)  # the window closes before the next run looks


def summary(name, runs):
    times = [t * 1000 for t, _ in runs]
    memory = [m / 1024 for _, m in runs]
    print(f"{name:10s} start-up ms: median {statistics.median(times):6.1f}  "
          f"min {min(times):6.1f}  max {max(times):6.1f} | peak MiB: median "
          f"{statistics.median(memory):5.1f}  min {min(memory):5.1f}  max {max(memory):5.1f}")
    return statistics.median(times), statistics.median(memory)


def main():
    compartica, minimal = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    x = display.Display()
    results = {"compartica": [], "minimal": []}
    one_run(x, minimal)  # warm the file cache once, not counted
    for _ in range(runs):
        results["compartica"].append(one_run(x, compartica))
        results["minimal"].append(one_run(x, minimal))
    c_time, c_mem = summary("compartica", results["compartica"])
    m_time, m_mem = summary("minimal", results["minimal"])
    print(f"ratio (compartica / minimal): start-up {c_time / m_time:.2f}x, "
          f"peak memory {c_mem / m_mem:.2f}x  ({runs} runs each, alternated)")


main()
