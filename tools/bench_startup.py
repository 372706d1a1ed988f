#!/usr/bin/env python3
"""Time from process start to the main window being shown, and peak resident memory.

Runs the real program several times on a virtual X display (started here), polls for the
mapped window with xdotool, reads VmHWM from /proc, and prints the medians.
Usage: tools/bench_startup.py [path/to/Quorvel] [runs]
"""
import os, statistics, subprocess, sys, tempfile, time

prog = sys.argv[1] if len(sys.argv) > 1 else "build/bin/Quorvel"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
# Xvfb picks a free display itself and tells its number through a pipe.
rfd, wfd = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1024x768x24",
                         "-nolisten", "tcp"], pass_fds=(wfd,),
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(wfd)
with os.fdopen(rfd) as pipe:
    display = ":" + pipe.readline().strip()
env = dict(os.environ, DISPLAY=display, DBUS_SESSION_BUS_ADDRESS="disabled:",
           SDL_AUDIODRIVER="dummy", XDG_DATA_HOME=tempfile.mkdtemp())
# Xvfb names its display before it accepts every client: wait until it answers, or the
# program may start too early and fail with "could not connect to display".
deadline = time.perf_counter() + 20
while subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL).returncode != 0:
    if time.perf_counter() > deadline:
        sys.exit("the virtual screen " + display + " never accepted a connection")
    time.sleep(0.05)
times, peaks = [], []
try:
    for i in range(runs + 1):  # the first run warms the file cache and is not counted
        t0 = time.perf_counter()
        p = subprocess.Popen([prog], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shown = None
        while time.perf_counter() - t0 < 20:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Quorvel V1.51"],
                               env=env, capture_output=True, text=True)
            if r.stdout.strip():
                shown = time.perf_counter() - t0
                break
        time.sleep(0.3)
        peak = 0
        with open(f"/proc/{p.pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    peak = int(line.split()[1]) / 1024
        p.terminate()
        p.wait()
        if shown is None:
            print("window never appeared", file=sys.stderr)
            sys.exit(1)
        if i:
            times.append(shown * 1000)
            peaks.append(peak)
finally:
    xvfb.terminate()

print(f"runs: {runs}")
print(f"start to window shown: median {statistics.median(times):.0f} ms "
      f"(min {min(times):.0f}, max {max(times):.0f})")
print(f"peak resident memory: median {statistics.median(peaks):.1f} MB")
