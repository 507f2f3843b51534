#!/usr/bin/env python3
"""Runs the benchmarks of a build folder and prints every figure with its target: figure, target,
measured, ratio (measured / target; 1 or less meets the target).

Measured times are CPU times: the measured work runs on one thread, so other load on a shared machine
does not count against a figure. The wall-clock time follows in brackets."""
import json
import os
import subprocess
import sys
import tempfile

build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
bench = os.path.join(build, "bench")


def run_gbench(name):
    out = subprocess.run([os.path.join(bench, name), "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def ms(entry, field="cpu_time"):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
    return entry[field] * scale


def by_name(report):
    return {b["name"]: b for b in report["benchmarks"] if b.get("run_type", "iteration") == "iteration"}


def timed(entry, unit):
    """CPU time and wall time of an entry in µs or ms."""
    factor, digits = (1000, 1) if unit == "µs" else (1, 2)
    return f"{ms(entry) * factor:.{digits}f} {unit} (wall {ms(entry, 'real_time') * factor:.{digits}f})"


logic = by_name(run_gbench("bench_logic"))
window = by_name(run_gbench("bench_window"))
env = dict(os.environ)
with tempfile.TemporaryDirectory() as runtime:  # a lock folder of its own: a running VELNORA is left alone
    env["XDG_RUNTIME_DIR"] = runtime
    startup = by_name(json.loads(subprocess.run(
        [os.path.join(bench, "bench_startup"), os.path.join(build, "velnora"), os.path.join(bench, "bare_window"),
         "21"], check=True, capture_output=True, text=True, env=env).stdout))

layout99 = logic["BM_LayoutEnJa/99"]
layout10k = logic["BM_LayoutEnJa/10000"]
growth = (ms(layout10k) / 10000) / (ms(layout99) / 99)
rows = [
    ("\"en + ja\" conversion, 99 titles", "100 µs", timed(layout99, "µs"), ms(layout99) / 0.1),
    ("\"en + ja\" conversion, 10,000 titles", "20 ms", timed(layout10k, "ms"), ms(layout10k) / 20),
    ("time per title at 10,000 / at 99", "2 ×", f"{growth:.2f} ×", growth / 2),
]
for key, label in [("BM_RemoveMarksLayout/10000", "Del_henshumoji, 10,000-title layout"),
                   ("BM_RemoveMarksDigits/numbered:0", "Del_henshumoji, 100 KB digits/TAB/breaks"),
                   ("BM_RemoveMarksDigits/numbered:1", "Del_henshumoji, 100 KB numbered lines")]:
    rows.append((label, "20 ms", timed(logic[key], "ms"), ms(logic[key]) / 20))
export99 = logic["BM_CdTextExportEnJa/99"]
rows.append(("CD-TEXT export of 99 titles \"en + ja\"", "1 ms", timed(export99, "µs"), ms(export99) / 1))
edit = window["BM_EditCommand/10000/iterations:10"]
key = window["BM_Keystroke/10000/iterations:50"]
rows.append(("window \"編集\", 10,000 titles", "300 ms", timed(edit, "ms"), ms(edit) / 300))
rows.append(("window keystroke, 10,000 lines", "5 ms", timed(key, "ms"), ms(key) / 5))
app, bare = startup["startup/velnora"], startup["startup/bare"]
# Start-up and memory: the median of the paired runs' ratios (each run against the bare run beside it).
rows.append(("start-up to shown window vs bare Qt", "1.3 ×",
             f"{app['cpu_ratio']:.2f} × ({app['cpu_time']:.1f} ms vs {bare['cpu_time']:.1f} ms, "
             f"wall {app['real_time']:.0f} vs {bare['real_time']:.0f})",
             app["cpu_ratio"] / 1.3))
rows.append(("peak memory vs bare Qt", "1.3 ×",
             f"{app['peak_rss_ratio']:.2f} × ({app['peak_rss_kb'] / 1024:.1f} MB vs {bare['peak_rss_kb'] / 1024:.1f} MB)",
             app["peak_rss_ratio"] / 1.3))
# Beside them, no target: against the bare window showing one painted line of Japanese, which pays for
# fontconfig and a font as every window with text does.
text = startup["startup/bare-text"]
rows.append(("start-up vs bare Qt with one line of text", "-",
             f"{app['text_cpu_ratio']:.2f} × ({app['cpu_time']:.1f} ms vs {text['cpu_time']:.1f} ms)", None))
rows.append(("peak memory vs bare Qt with one line of text", "-",
             f"{app['text_peak_rss_ratio']:.2f} × ({app['peak_rss_kb'] / 1024:.1f} MB vs "
             f"{text['peak_rss_kb'] / 1024:.1f} MB)", None))
with tempfile.TemporaryDirectory(dir=build) as folder:  # the build's disk, for both writers
    image = by_name(json.loads(subprocess.run([os.path.join(bench, "bench_image"), folder, "5"],
                                              check=True, capture_output=True, text=True).stdout))
ten, full = image["image/10min"], image["image/74min"]
rows.append(("10-minute CD image from FLAC vs flac -d", "1.5 ×",
             f"{ten['cpu_ratio']:.2f} × ({ten['cpu_time']:.0f} ms vs {ten['flac_cpu_time']:.0f} ms, "
             f"wall {ten['real_time']:.0f} vs {ten['flac_real_time']:.0f})", ten["cpu_ratio"] / 1.5))
rows.append(("peak memory, 74-minute CD image", "150 MB", f"{full['peak_rss_kb'] / 1024:.1f} MB",
             full["peak_rss_kb"] / 1024 / 150))

widths = [max(len(r[i]) for r in rows + [("figure", "target", "measured")]) for i in range(3)]
print(f"{'figure':<{widths[0]}}  {'target':<{widths[1]}}  {'measured':<{widths[2]}}  ratio")
for figure, target, measured, ratio in rows:
    if ratio is None:  # for comparison only
        print(f"{figure:<{widths[0]}}  {target:<{widths[1]}}  {measured:<{widths[2]}}")
        continue
    mark = "" if ratio <= 1 else "  MISSED"
    print(f"{figure:<{widths[0]}}  {target:<{widths[1]}}  {measured:<{widths[2]}}  {ratio:.2f}{mark}")
print(f"(CPU time, median of the runs; load average {os.getloadavg()[0]:.1f} on {os.cpu_count()} cores)")
# Targets are read from this table, never enforced by a failing run.
