#!/usr/bin/python3
"""Runs every performance figure of Zelvan and of its peers in one go and
prints them side by side (scripts/bench is the command; see
docs/PERFORMANCE.md).

usage: run.py BUILD_BIN_DIR [--runs N] [--peer-runs N] [--quick] [--markdown FILE]

1. zelvan_bench (Google Benchmark): every output at 10, 100 (or the table's
   capacity) and full tables, median of three repetitions, with the growth
   per row.
2. Whole processes: `zelvan-cli all` on the maximal project (wall time and
   peak RSS of the child, median of N runs); the desktop program's start-up
   to its first painted main window, and opening the maximal project with
   its ten pages shown (zelvan_gui_bench, Qt Test benchmark).
3. Peers in the same run: our `zelvan-cli welds`, `welding-cards` and
   `layout` against python-docx and ezdxf building the same documents and
   drawing (bench/peers/), each a whole process, median of N runs; the
   ratio ours / peer.
"""
import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PEERS = os.path.join(HERE, "peers")
PYTHON = "/usr/bin/python3"  # Debian's, with python3-docx and python3-ezdxf

GOALS = {
    "all_wall_s": 0.3,
    "all_rss_mib": 50,
    "open_ms": 200,
    "startup_ms": 300,
    "docx_speedup": 10,
    "dxf_speedup": 20,
}


def machine():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    with open("/proc/meminfo") as f:
        mem = int(f.readline().split()[1]) // 1024
    return f"{model}, {os.cpu_count()} cores, {mem} MiB, {platform.system()} {platform.release()}"


def load():
    return " ".join(f"{x:.1f}" for x in os.getloadavg())


def run_child(argv, env):
    """Wall seconds, peak RSS (KiB) and CPU seconds (user + system) of one
    child process, read from its own resource use (os.wait4)."""
    with tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=err, env=env)
        watchdog = threading.Timer(300, proc.kill)
        watchdog.start()
        _, status, usage = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
        watchdog.cancel()
        proc.returncode = os.waitstatus_to_exitcode(status)
        if proc.returncode != 0:
            err.seek(0)
            sys.exit(f"failed ({proc.returncode}): {' '.join(argv)}\n{err.read().decode('utf-8', 'replace')}")
    return wall, usage.ru_maxrss, usage.ru_utime + usage.ru_stime


def median_of(runs, argv, env=None):
    """Medians of wall seconds, peak RSS KiB, CPU seconds; and the walls."""
    results = [run_child(argv, env) for _ in range(runs)]
    return (statistics.median(r[0] for r in results), statistics.median(r[1] for r in results),
            statistics.median(r[2] for r in results), [r[0] for r in results])


def env_for(work):
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env["XDG_CONFIG_HOME"] = os.path.join(work, "config")
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env["XDG_RUNTIME_DIR"] = runtime
    return env


def google_benchmarks(bindir, env, quick):
    """Median wall and CPU (ms) of each benchmark run, by name."""
    argv = [os.path.join(bindir, "zelvan_bench"), "--benchmark_format=json",
            f"--benchmark_min_time={0.05 if quick else 0.2}", f"--benchmark_repetitions={1 if quick else 3}"]
    out = subprocess.run(argv, check=True, capture_output=True, env=env, timeout=600).stdout
    runs = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("run_type") != "iteration" or b.get("error_occurred"):
            continue
        scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
        runs.setdefault(b["run_name"], []).append((b["real_time"] * scale, b["cpu_time"] * scale))
    return {name: (statistics.median(w for w, _ in values), statistics.median(c for _, c in values))
            for name, values in runs.items()}


def growth_table(rows):
    """Groups BM_X/n rows into one line per benchmark."""
    groups = {}
    for name, value in rows.items():
        if name.startswith("_"):
            continue
        base, _, arg = name.partition("/")
        groups.setdefault(base, []).append((int(arg) if arg else 0, value))
    lines = []
    for base in groups:
        points = sorted(groups[base])
        cells = [f"{n or '-'}: {wall:.2f} / {cpu:.2f}" for n, (wall, cpu) in points]
        slope = ""
        if len(points) >= 3:
            (n0, (_, c0)), (n1, (_, c1)), (n2, (_, c2)) = points[:3]
            first, second = (c1 - c0) / (n1 - n0), (c2 - c1) / (n2 - n1)
            slope = f"{first * 1000:.0f} / {second * 1000:.0f} µs per row"
        lines.append((base, cells, slope))
    return lines


def gui_figures(bindir, env, project, runs):
    """Start-up to first paint (ms, wall and CPU) and opening the project
    with its ten pages shown (ms, wall and CPU), medians."""
    startups = []
    for _ in range(runs):
        e = dict(env)
        e["ZELVAN_BENCH_LAUNCH_NS"] = str(time.time_ns())
        out = subprocess.run([os.path.join(bindir, "zelvan_gui_bench"), "--startup"], check=True,
                             capture_output=True, env=e, text=True, timeout=60).stdout.split()
        startups.append((float(out[1]), float(out[3])))
    e = dict(env)
    e["ZELVAN_BENCH_PROJECT"] = project
    e["ZELVAN_BENCH_RUNS"] = str(runs)
    result = subprocess.run([os.path.join(bindir, "zelvan_gui_bench"), "openAndShowAllPages"], capture_output=True,
                            env=e, text=True, timeout=300)
    opened = next((line.split() for line in result.stdout.splitlines() if line.startswith("open_ms")), None)
    if result.returncode != 0 or not opened:
        sys.exit("zelvan_gui_bench failed:\n" + result.stdout + result.stderr)
    return ((statistics.median(w for w, _ in startups), statistics.median(c for _, c in startups)),
            (float(opened[1]), float(opened[3])), [w for w, _ in startups])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bindir")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--peer-runs", type=int, default=3)
    parser.add_argument("--quick", action="store_true", help="one repetition, short benchmark times")
    parser.add_argument("--markdown", help="also write the figures as Markdown to this file")
    args = parser.parse_args()
    bindir = os.path.abspath(args.bindir)
    cli = os.path.join(bindir, "zelvan-cli")
    report = []

    def say(line=""):
        print(line, flush=True)
        report.append(line)

    def met(ok):
        return "yes" if ok else "NO"

    started = time.perf_counter()
    with tempfile.TemporaryDirectory(prefix="zelvan-bench-") as work:
        env = env_for(work)
        for name, rows, cards in (("max", "600", None), ("peer", "80", "60")):
            os.makedirs(os.path.join(work, name))
            argv = [os.path.join(bindir, "zelvan_bench"), "--write-project", os.path.join(work, name, "p.pcp"), rows]
            subprocess.run(argv + ([cards] if cards else []), check=True, env=env, timeout=60)
        maximal = os.path.join(work, "max", "p.pcp")
        peer = os.path.join(work, "peer", "p.pcp")

        say(f"Machine: {machine()}")
        say(f"Load average at start: {load()} ({time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())})")
        say()
        repetitions = 1 if args.quick else 3
        say(f"### Google benchmarks (median of {repetitions}; wall / CPU of the benchmark thread, ms)")
        say()
        rows = google_benchmarks(bindir, env, args.quick)
        say("| benchmark | rows: wall / CPU (ms) | CPU per added row, first / second step |")
        say("|---|---|---|")
        for base, cells, slope in growth_table(rows):
            say(f"| {base} | {'; '.join(cells)} | {slope} |")
        say()

        say(f"### Whole processes (median of {args.runs}; CPU = user + system of the process)")
        say()
        subprocess.run([cli, "all", maximal], check=True, env=env, capture_output=True, timeout=300)  # warm the caches
        wall, rss, cpu, walls = median_of(args.runs, [cli, "all", maximal], env)
        (startup, startup_cpu), (opened, opened_cpu), startups = gui_figures(bindir, env, maximal, args.runs)
        say("| figure | wall | CPU | goal (wall) | met |")
        say("|---|---|---|---|---|")
        say(f"| `zelvan-cli all`, maximal project | {wall * 1000:.0f} ms | {cpu * 1000:.0f} ms | "
            f"< {GOALS['all_wall_s'] * 1000:.0f} ms | {met(wall < GOALS['all_wall_s'])} |")
        say(f"| `zelvan-cli all`, maximal project: peak RSS | {rss / 1024:.1f} MiB | | < {GOALS['all_rss_mib']} MiB | "
            f"{met(rss / 1024 < GOALS['all_rss_mib'])} |")
        say(f"| `zelvan` start-up to the first painted main window | {startup:.0f} ms | {startup_cpu:.0f} ms | "
            f"< {GOALS['startup_ms']} ms | {met(startup < GOALS['startup_ms'])} |")
        say(f"| open the maximal project, show all ten pages | {opened:.0f} ms | {opened_cpu:.0f} ms | "
            f"< {GOALS['open_ms']} ms | {met(opened < GOALS['open_ms'])} |")
        say()
        say(f"Walls of `all` (ms): {', '.join(f'{w * 1000:.0f}' for w in walls)}; "
            f"start-ups (ms): {', '.join(f'{s:.0f}' for s in startups)}")
        say()

        say(f"### Peers (whole processes: ours median of {args.runs}, peers median of {args.peer_runs})")
        say()
        peer_dir = os.path.join(work, "peer")
        subprocess.run([cli, "all", peer], check=True, env=env, capture_output=True, timeout=300)
        outputs = [os.path.join(peer_dir, f) for f in os.listdir(peer_dir)]

        def output(suffix):
            return next(path for path in outputs if path.endswith(suffix))

        specs = [
            ("weld table (81 × 19)", "docx", output("-焊缝参数表.doc"), ["welds", peer], "docx_peer.py", GOALS["docx_speedup"]),
            ("60 welding procedure cards", "docx", output("-焊接工艺卡.doc"), ["welding-cards", peer], "docx_peer.py",
             GOALS["docx_speedup"]),
            ("layout drawing (DXF)", "dxf", output("-排版图.dxf"), ["layout", peer], "layout_peer.py", GOALS["dxf_speedup"]),
        ]
        say("| output | ours wall / CPU | peer wall / CPU | ours / peer (wall) | speed-up wall / CPU | goal | met |")
        say("|---|---|---|---|---|---|---|")
        for index, (label, kind, ours_file, ours_argv, script, goal) in enumerate(specs):
            spec = os.path.join(work, f"spec{index}.json")
            subprocess.run([PYTHON, os.path.join(PEERS, "extract.py"), kind, ours_file, spec], check=True, timeout=300)
            ours, _, ours_cpu, _ = median_of(args.runs, [cli] + ours_argv, env)
            target = os.path.join(work, "peer-out." + ("docx" if kind == "docx" else "dxf"))
            theirs, _, theirs_cpu, _ = median_of(args.peer_runs, [PYTHON, os.path.join(PEERS, script), spec, target], env)
            tool = "python-docx" if kind == "docx" else "ezdxf"
            say(f"| {label} | {ours * 1000:.0f} / {ours_cpu * 1000:.0f} ms | {theirs * 1000:.0f} / {theirs_cpu * 1000:.0f} ms "
                f"({tool}) | {ours / theirs:.3f} | {theirs / ours:.1f}× / {theirs_cpu / ours_cpu:.1f}× | ≥ {goal}× | "
                f"{met(theirs / ours >= goal)} |")
        say()
        say(f"Load average at the end: {load()}; the whole run took {time.perf_counter() - started:.0f} s.")
    if args.markdown:
        with open(args.markdown, "w", encoding="utf-8") as f:
            f.write("\n".join(report) + "\n")


if __name__ == "__main__":
    main()
