#!/usr/bin/env python3
"""The table of bench/perf_report.sh, made from the results in one folder.

    perf_report.py RESULTS_DIR

RESULTS_DIR holds, per benchmark program NAME, NAME.status ("ok", "not built"
or "failed ...") and, when it ran, NAME.json (Google Benchmark's JSON output
with repetitions); startup.status and startup.txt hold bench/startup.sh's
outcome and output. Each row is an operation and a baseline measured in the
same run of the same program; the medians are over the repetitions, the
ratio is operation / baseline.
"""

import json
import os
import re
import statistics
import sys

# (operation, program, benchmark, baseline description, baseline benchmark
#  [, goal: the largest ratio of CPU times that meets it [, "wall": of wall
#  times instead, for a baseline that mostly waits for the disk]])
ROWS = [
    ("Load, largest font (255 rows, 32641-byte data block), all 256 tiles written",
     "bench_font_io", "BM_Load/cold_tiles/0",
     "bare `read` of the same file + bare overwrite of the same 256 tile files",
     "BM_BareLoadIO/0"),
    ("Load of the same font again, tiles unchanged (no file written)",
     "bench_font_io", "BM_Load/warm_tiles/0",
     "bare `read` of the same file", "BM_BareRead/0"),
    ("Save, largest font (atomic: temporary file, flush, rename)",
     "bench_font_io", "BM_SaveFontAs/0/0",
     "bare `write` of the same bytes to a temporary file, `fsync`, `rename`",
     "BM_BareWrite/0/1"),
    ("Preview: the 256 tile bitmaps of the sample font",
     "bench_preview", "BM_Preview_Cold",
     "bare overwrite of the same 256 files", "BM_Preview_BareOverwrite"),
    ("Full window refresh: 256 tiles built and written, shown from memory and painted",
     "bench_window", "FullRedraw256",
     "bare overwrite of the same 256 files, the images (decoded beforehand) "
     "painted by one plain widget", "BareOverwritePaint256", 1.2),
    ("Single-glyph refresh: one tile written, loaded, tile and zoom painted",
     "bench_window", "SingleGlyphRefresh",
     "the same for one file, painted by two plain widgets", "BareSingleGlyph"),
    ("Height gap, model: a top row added and removed on 256 glyphs 255 px wide",
     "bench_commands", "BM_HeightGapModel",
     "`memcpy` of the bytes moved (4.2 MB)", "BM_MemcpyHeightRound"),
    ("Height gap, whole command (twice, with 256-tile redraws and log)",
     "bench_commands", "BM_HeightGapCommand",
     "`memcpy` of the bytes moved (4.2 MB)", "BM_MemcpyHeightRound"),
    ("Block copy, model: 26 capitals 255 x 255 over the lower case",
     "bench_commands", "BM_BlockCopyModel",
     "`memcpy` of the bytes copied (212 KB)", "BM_MemcpyBlock"),
    ("Block copy, whole command (with redraw and log)",
     "bench_commands", "BM_BlockCopyCommand",
     "`memcpy` of the bytes copied (212 KB)", "BM_MemcpyBlock"),
    ("TrueType export, letters: the largest font the writer saves (56 rows, 32312-byte data "
     "block), as the menu runs it", "bench_truetype", "BM_ExportTrueType/0",
     "the atomic save of the same bytes", "BM_AtomicWrite/0", 2, "wall"),
    ("TrueType export, noise of the same widths and height", "bench_truetype",
     "BM_ExportTrueType/1", "the atomic save of the same bytes", "BM_AtomicWrite/1", 2, "wall"),
    ("HTML page of the largest font (255 x 255 glyphs), its TrueType font embedded",
     "bench_exports", "BM_Export/4", "the atomic save of the same bytes", "BM_AtomicWrite/4",
     2, "wall"),
    *[(f"Transform: {name} on all 256 glyphs of the largest font (255 x 255), with the "
       "undo step and the redraw", "bench_transforms", f"BM_Transform/{k}",
       "the redraw of the same 256 tiles alone", "BM_RedrawAlone", 1.3)
      for k, name in enumerate(["Bold", "Italic", "Outline", "Shadow", "Invert",
                                "Scale font (85 x 85 glyphs, 3x)"])],
    ("Character editor: full `DrawTable` (Inverse on a 255 x 255 glyph)",
     "bench_editor", "DrawTable",
     "one-cell repaint (a pixel edit) on the same glyph", "PixelEdit"),
]

# (operation, label in startup.txt, baseline description [, goal of the wall
#  time ratio])
STARTUP_ROWS = [
    ("Start-up to first paint, editor with the sample font", "to first paint",
     "bare Qt window (one label) to its first paint", 1.3),
    ("Start-up, first paint and shutdown (whole run)", "whole run",
     "the same bare Qt window, whole run"),
]

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def format_time(seconds):
    if seconds is None:
        return "—"
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("µs", 1e-6)):
        if seconds >= scale:
            break
    else:
        unit, scale = "ns", 1e-9
    value = seconds / scale
    digits = 0 if value >= 100 else 1 if value >= 10 else 2
    return f"{value:.{digits}f} {unit}"


def format_ratio(ratio):
    if ratio is None:
        return "—"
    digits = 2 if ratio < 10 else 1 if ratio < 100 else 0
    return f"{ratio:.{digits}f}×"


def read_text(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().strip()
    except OSError:
        return None


class Program:
    """One benchmark program's repetitions, by benchmark name."""

    def __init__(self, folder, name):
        self.status = read_text(os.path.join(folder, name + ".status")) or "not run"
        self.runs = {}
        if self.status != "ok":
            return
        try:
            with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError) as error:
            self.status = f"unreadable results ({error})"
            return
        for bench in data.get("benchmarks", []):
            if bench.get("run_type", "iteration") != "iteration" or bench.get("error_occurred"):
                continue
            scale = UNITS.get(bench.get("time_unit", "ns"), 1e-9)
            name = bench.get("run_name", bench["name"])
            times = self.runs.setdefault(name, {"cpu": [], "real": []})
            times["cpu"].append(bench["cpu_time"] * scale)
            times["real"].append(bench["real_time"] * scale)

    def median(self, bench):
        """(cpu, real) medians, or None when the program has no such run."""
        times = self.runs.get(bench)
        if not times or not times["cpu"]:
            return None
        return statistics.median(times["cpu"]), statistics.median(times["real"])

    def spread(self, bench):
        """The largest distance of a repetition's CPU time from the median, in %."""
        cpu = self.runs[bench]["cpu"]
        middle = statistics.median(cpu)
        return 100 * max(abs(t - middle) for t in cpu) / middle if middle > 0 else 0


def both(times):
    return f"{format_time(times[0])} / {format_time(times[1])}"


def ratio(a, b):
    return a / b if a is not None and b else None


def goal_text(goal, measured):
    """'≤ 1.2× met' or 'missed'; '—' for a row without a goal."""
    if goal is None:
        return "—"
    if measured is None:
        return f"≤ {format_ratio(goal)}"
    return f"≤ {format_ratio(goal)} {'met' if measured <= goal else 'missed'}"


def benchmark_row(programs, folder, row):
    what, program_name, bench, base_text, base = row[:5]
    goal = row[5] if len(row) > 5 else None
    on_wall = len(row) > 6 and row[6] == "wall"
    program = programs.setdefault(program_name, Program(folder, program_name))
    if program.status != "ok":
        return [what, program.status, base_text, "—", "—", "—", goal_text(goal, None)]
    measured, baseline = program.median(bench), program.median(base)
    if measured is None or baseline is None:
        missing = bench if measured is None else base
        return [what, f"no result for {missing}", base_text, "—", "—", "—",
                goal_text(goal, None)]
    cpu_ratio, wall_ratio = ratio(measured[0], baseline[0]), ratio(measured[1], baseline[1])
    ratios = f"{format_ratio(cpu_ratio)} / {format_ratio(wall_ratio)}"
    spread = max(program.spread(bench), program.spread(base))
    judged = goal_text(goal, wall_ratio if on_wall else cpu_ratio) + (" (wall)" if on_wall else "")
    return [what, both(measured), base_text, both(baseline), ratios, f"±{spread:.0f} %", judged]


def startup_rows(folder):
    status = read_text(os.path.join(folder, "startup.status")) or "not run"
    output = read_text(os.path.join(folder, "startup.txt")) or ""
    runs = re.search(r"(\d+) runs each", output)
    rows = []
    for what, label, base_text, *goal in STARTUP_ROWS:
        goal = goal[0] if goal else None
        found = re.search(re.escape(label) + r"\s+hello\s+([\d.]+) ms\s+grindfnttool\s+([\d.]+) ms",
                          output)
        if status != "ok" or not found:
            rows.append([what, status if status != "ok" else "no result", base_text,
                         "—", "—", "—", goal_text(goal, None)])
            continue
        hello, editor = float(found.group(1)) / 1000, float(found.group(2)) / 1000
        count = f"median of {runs.group(1)} runs" if runs else "median"
        rows.append([what, f"— / {format_time(editor)}", base_text,
                     f"— / {format_time(hello)}", f"— / {format_ratio(editor / hello)}", count,
                     goal_text(goal, editor / hello)])
    return rows


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: perf_report.py RESULTS_DIR")
    folder = sys.argv[1]
    programs = {}
    rows = [benchmark_row(programs, folder, row) for row in ROWS] + startup_rows(folder)
    header = ["Operation", "Median CPU / wall", "In-run baseline", "Baseline CPU / wall",
              "Ratio CPU / wall", "Spread", "Goal"]
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join(["---", "---:", "---", "---:", "---:", "---:", "---"]) + "|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
