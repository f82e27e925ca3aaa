"""Start-up time and peak memory of compartica against a minimal Qt program.

Each run starts one program, watches the top of its window through the X
server until text appears (the case text, or the minimal program's label),
then reads the process's peak resident memory and ends it. The two programs
alternate. Run inside an X session (scripts/bench.sh does this).

Usage: startup_bench.py COMPARTICA MINIMAL [RUNS]
"""
import statistics
import subprocess
import sys
import time

from Xlib import X, display

BAND = (0, 0, 400, 60)  # window pixels where the first line of text lands


def find_window(root, title):
    try:
        children = root.query_tree().children
    except Exception:  # a window that closed while we looked
        return None
    for child in children:
        try:
            if child.get_wm_name() == title:
                return child
        except Exception:
            pass
        found = find_window(child, title)
        if found is not None:
            return found
    return None


def has_text(window):
    x, y, w, h = BAND
    try:
        image = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
    except Exception:
        return False
    # The backgrounds are white or light grey: any dark byte is text.
    return min(image.data) < 80


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(x, program, title):
    root = x.screen().root
    start = time.perf_counter()
    process = subprocess.Popen([program], stderr=subprocess.DEVNULL)
    try:
        window = None
        while time.perf_counter() - start < 20:
            if window is None:
                window = find_window(root, title)
            if window is not None and has_text(window):
                elapsed = time.perf_counter() - start
                time.sleep(0.5)
                return elapsed, peak_kib(process.pid)
            time.sleep(0.002)
        raise SystemExit(f"{program}: no text on screen within 20 s")
    finally:
        process.terminate()
        process.wait(timeout=5)


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
    one_run(x, minimal, "Minimal")  # warm the file cache once, not counted
    for _ in range(runs):
        results["compartica"].append(one_run(x, compartica, "Compartica"))
        results["minimal"].append(one_run(x, minimal, "Minimal"))
    c_time, c_mem = summary("compartica", results["compartica"])
    m_time, m_mem = summary("minimal", results["minimal"])
    print(f"ratio (compartica / minimal): start-up {c_time / m_time:.2f}x, "
          f"peak memory {c_mem / m_mem:.2f}x  ({runs} runs each, alternated)")


main()
