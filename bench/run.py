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


def timed(argv, env=None, cwd=None):
    """Wall seconds and peak RSS (KiB) of one child process."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env, cwd=cwd)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    err = proc.stderr.read().decode("utf-8", "replace")
    proc.stderr.close()
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {' '.join(argv)}\n{err}")
    return wall, usage.ru_maxrss


def median_of(runs, argv, env=None, cwd=None):
    walls, rss = [], []
    for _ in range(runs):
        w, r = timed(argv, env, cwd)
        walls.append(w)
        rss.append(r)
    return statistics.median(walls), statistics.median(rss), walls


def env_for(work):
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env["XDG_CONFIG_HOME"] = os.path.join(work, "config")
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env["XDG_RUNTIME_DIR"] = runtime
    return env


def google_benchmarks(bindir, env, quick):
    argv = [os.path.join(bindir, "zelvan_bench"), "--benchmark_format=json",
            f"--benchmark_min_time={0.05 if quick else 0.2}",
            f"--benchmark_repetitions={1 if quick else 3}", "--benchmark_report_aggregates_only=true"]
    out = subprocess.run(argv, check=True, capture_output=True, env=env).stdout
    data = json.loads(out)
    rows = {}
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        kind = b.get("aggregate_name", "")
        if kind in ("median", "") and "real_time" in b and b.get("run_type") != "aggregate" or kind == "median":
            scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
            rows[name] = (b["real_time"] * scale, b["cpu_time"] * scale)
        elif kind == "BigO":
            rows.setdefault("_bigo", {})[name.replace("_BigO", "")] = b.get("cpu_coefficient")
        elif kind == "RMS":
            rows.setdefault("_rms", {})[name.replace("_RMS", "")] = b.get("rms")
    return rows


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
    startups = []
    for _ in range(runs):
        e = dict(env)
        e["ZELVAN_BENCH_LAUNCH_NS"] = str(time.time_ns())
        out = subprocess.run([os.path.join(bindir, "zelvan_gui_bench"), "--startup"], check=True,
                             capture_output=True, env=e, text=True).stdout
        startups.append(float(out.split()[-1]))
    e = dict(env)
    e["ZELVAN_BENCH_PROJECT"] = project
    result = subprocess.run([os.path.join(bindir, "zelvan_gui_bench"), "openAndShowAllPages", "-iterations", "1",
                             "-median", str(runs)], capture_output=True, env=e, text=True)
    if result.returncode != 0:
        sys.exit("zelvan_gui_bench failed:\n" + result.stdout + result.stderr)
    opened = None
    lines = result.stdout.splitlines()
    for i, line in enumerate(lines):
        if line.startswith("RESULT") and "openAndShowAllPages" in line:
            opened = float(lines[i + 1].split()[0])
    return statistics.median(startups), opened, startups


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

    started = time.perf_counter()
    with tempfile.TemporaryDirectory(prefix="zelvan-bench-") as work:
        env = env_for(work)
        for name, rows, cards in (("max", "600", None), ("peer", "80", "60")):
            os.makedirs(os.path.join(work, name))
            argv = [os.path.join(bindir, "zelvan_bench"), "--write-project", os.path.join(work, name, "p.pcp"), rows]
            subprocess.run(argv + ([cards] if cards else []), check=True, env=env)
        maximal = os.path.join(work, "max", "p.pcp")
        peer = os.path.join(work, "peer", "p.pcp")

        say(f"Machine: {machine()}")
        say(f"Load average at start: {load()}  ({time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())})")
        say()
        say("## Google benchmarks (median of 3; wall / CPU of the main thread, ms)")
        say()
        rows = google_benchmarks(bindir, env, args.quick)
        say("| benchmark | rows: wall / CPU ms | growth (CPU, first / second step) |")
        say("|---|---|---|")
        for base, cells, slope in growth_table(rows):
            say(f"| {base} | {'; '.join(cells)} | {slope} |")
        say()

        say(f"## Whole processes (median of {args.runs})")
        say()
        subprocess.run([cli, "all", maximal], check=True, env=env, capture_output=True)  # warm the caches
        wall, rss, walls = median_of(args.runs, [cli, "all", maximal], env)
        startup, opened, startups = gui_figures(bindir, env, maximal, args.runs)
        figures = [
            ("`zelvan-cli all`, maximal project: wall", f"{wall * 1000:.0f} ms", f"< {GOALS['all_wall_s'] * 1000:.0f} ms",
             wall < GOALS["all_wall_s"]),
            ("`zelvan-cli all`, maximal project: peak RSS", f"{rss / 1024:.1f} MiB", f"< {GOALS['all_rss_mib']} MiB",
             rss / 1024 < GOALS["all_rss_mib"]),
            ("`zelvan` start-up to first painted main window", f"{startup:.0f} ms", f"< {GOALS['startup_ms']} ms",
             startup < GOALS["startup_ms"]),
            ("open maximal project, show all ten pages", f"{opened:.0f} ms" if opened is not None else "?",
             f"< {GOALS['open_ms']} ms", opened is not None and opened < GOALS["open_ms"]),
        ]
        say("| figure | measured | goal | met |")
        say("|---|---|---|---|")
        for name, value, goal, met in figures:
            say(f"| {name} | {value} | {goal} | {'yes' if met else 'NO'} |")
        say()
        say(f"Runs of `all` (ms): {', '.join(f'{w * 1000:.0f}' for w in walls)}; "
            f"start-ups (ms): {', '.join(f'{s:.0f}' for s in startups)}")
        say()

        say(f"## Peers (whole processes, median of {args.peer_runs})")
        say()
        peer_dir = os.path.join(work, "peer")
        subprocess.run([cli, "all", peer], check=True, env=env, capture_output=True)
        outputs = {f: os.path.join(peer_dir, f) for f in os.listdir(peer_dir)}
        def output(suffix):
            return next(path for name, path in outputs.items() if name.endswith(suffix))
        specs = {
            "weld table (81 × 19)": ("docx", output("-焊缝参数表.doc"), ["welds", peer], "docx_peer.py", GOALS["docx_speedup"]),
            "60 welding procedure cards": ("docx", output("-焊接工艺卡.doc"), ["welding-cards", peer], "docx_peer.py",
                                           GOALS["docx_speedup"]),
            "layout drawing": ("dxf", output("-排版图.dxf"), ["layout", peer], "layout_peer.py", GOALS["dxf_speedup"]),
        }
        say("| output | ours | peer | ours / peer | speed-up | goal | met |")
        say("|---|---|---|---|---|---|---|")
        for label, (kind, ours_file, ours_argv, script, goal) in specs.items():
            spec = os.path.join(work, f"{script}-{kind}-{len(label)}.json")
            subprocess.run([PYTHON, os.path.join(PEERS, "extract.py"), kind, ours_file, spec], check=True)
            ours, _, _ = median_of(args.runs, [cli] + ours_argv, env)
            target = os.path.join(work, "peer-out." + ("docx" if kind == "docx" else "dxf"))
            theirs, _, _ = median_of(args.peer_runs, [PYTHON, os.path.join(PEERS, script), spec, target], env)
            tool = "python-docx" if kind == "docx" else "ezdxf"
            speedup = theirs / ours
            say(f"| {label} | {ours * 1000:.0f} ms | {theirs * 1000:.0f} ms ({tool}) | {ours / theirs:.3f} | "
                f"{speedup:.1f}× | ≥ {goal}× | {'yes' if speedup >= goal else 'NO'} |")
        say()
        say(f"Load average at end: {load()}; the whole run took {time.perf_counter() - started:.0f} s.")
    if args.markdown:
        with open(args.markdown, "w", encoding="utf-8") as f:
            f.write("\n".join(report) + "\n")


if __name__ == "__main__":
    main()
