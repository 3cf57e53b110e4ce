#!/usr/bin/env bash
# Runs every benchmark of a build made with -DTAVREL_BUILD_BENCH=ON and
# prints a Markdown report: the calculations, number rules, presses and the
# diagram window against their goals, and the start-up of the calculator against a bare
# window and a synthetic window of the same mix of controls.
#
#   bash bench/run.sh BUILD_DIR
#
# Knobs (environment): MIN_TIME seconds per Google Benchmark repetition
# (default 0.05), REPETITIONS of each (default 5), RUNS of each start-up
# program (default 15). The raw results and the report are kept in
# BUILD_DIR/bench-results/.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: bash bench/run.sh BUILD_DIR" >&2
    exit 2
fi
bin=$1/bench
for program in bench_pure bench_press bench_diagram startup_tavrel startup_synthetic startup_bare; do
    if [[ ! -x $bin/$program ]]; then
        echo "$bin/$program is missing: configure with -DTAVREL_BUILD_BENCH=ON and build" >&2
        exit 2
    fi
done

MIN_TIME=${MIN_TIME:-0.05}
REPETITIONS=${REPETITIONS:-5}
RUNS=${RUNS:-15}
results=$1/bench-results
mkdir -p "$results"
rm -f "$results"/*.csv "$results"/startup-*.txt

# Headless, and a fixed locale so that EPOCHREALTIME has a '.' and the
# figures below are read the same everywhere.
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

google_benchmark() { # PROGRAM
    echo "running $1 ..." >&2
    "$bin/$1" --benchmark_min_time="$MIN_TIME" --benchmark_repetitions="$REPETITIONS" \
        --benchmark_report_aggregates_only=true \
        --benchmark_out="$results/$1.csv" --benchmark_out_format=csv >"$results/$1.txt" 2>&1
}
google_benchmark bench_pure
google_benchmark bench_press
google_benchmark bench_diagram

# One start-up, from the launch to the first painted frame. Appends
# "<ms> <peak RSS KiB> <before-main ms> <frame-done ms>" to the program's file.
start_once() { # PROGRAM
    local out err
    err=$(mktemp)
    out=$(TAVREL_BENCH_LAUNCHED=$EPOCHREALTIME "$bin/startup_$1" 2>"$err") || {
        echo "startup_$1 failed: $(cat "$err")" >&2
        rm -f "$err"
        exit 1
    }
    local detail
    detail=$(sed -n 's/^before-main \([0-9.]*\) ms, frame-done \([0-9.]*\) ms$/\1 \2/p' "$err")
    rm -f "$err"
    echo "$out $detail" >>"$results/startup-$1.txt"
}

echo "running the start-up programs, $RUNS times each ..." >&2
# One run of each first, unrecorded, so that the libraries and fonts come
# from the page cache; then the three in turn, so that a slow spell of the
# machine hits all of them alike.
for program in tavrel synthetic bare; do
    start_once "$program"
done
rm -f "$results"/startup-*.txt
for ((run = 0; run < RUNS; ++run)); do
    for program in tavrel synthetic bare; do
        start_once "$program"
    done
done

median() { # COLUMN FILE
    awk -v c="$1" '{ print $c }' "$2" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Rows "| name | median | goal | verdict |" from a Google Benchmark CSV: the
# medians of the repetitions, against a goal given in the CSV's time unit.
# The to_chars baselines have a table of their own (format_ratio_rows).
benchmark_rows() { # CSV GOAL
    awk -F, -v goal="$2" '
        /^"/ && $1 ~ /_median"$/ && $1 !~ /^"ToChars\// {
            name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
            unit = ($5 == "us") ? "µs" : $5
            if ($9 == "true") { printf "| %s | error: %s | < %s %s | missed |\n", name, $10, goal, unit; next }
            printf "| %s | %.3g %s | < %s %s | %s |\n", name, $3, unit, goal, unit, ($3 < goal) ? "met" : "missed"
        }' "$1"
}

# Rows "| pattern | FormatFloat | to_chars | ratio | goal | verdict |": the
# median CPU time of each Format benchmark against that of its ToChars
# baseline (the same value) from the same run. CPU time, as a busy machine
# stretches the wall-clock time of either at random.
format_ratio_rows() { # CSV GOAL
    awk -F, -v goal="$2" '
        /^"/ && $1 ~ /_median"$/ && $1 ~ /^"(Format|ToChars)\// {
            name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
            kind = name; sub(/\/.*/, "", kind); sub(/^[^\/]*\//, "", name)
            if (!(name in seen)) { seen[name] = 1; order[++count] = name }
            median[kind, name] = $4; unit[kind, name] = ($5 == "us") ? "µs" : $5
            if ($9 == "true") failed[name] = 1
        }
        END {
            for (i = 1; i <= count; ++i) {
                name = order[i]
                if (failed[name] || !(("Format", name) in median) || !(("ToChars", name) in median)) {
                    printf "| %s | error | | | ≤ %s | missed |\n", name, goal; continue
                }
                f = median["Format", name]; t = median["ToChars", name]; r = f / t
                printf "| %s | %.3g %s | %.3g %s | %.2f | ≤ %s | %s |\n", name, f, unit["Format", name],
                    t, unit["ToChars", name], r, goal, (r <= goal + 1e-9) ? "met" : "missed"
            }
        }' "$1"
}

ratio_row() { # NAME NUMERATOR DENOMINATOR GOAL
    awk -v name="$1" -v a="$2" -v b="$3" -v goal="$4" 'BEGIN {
        r = a / b
        printf "| %s | %.2f | ≤ %s | %s |\n", name, r, goal, (r <= goal + 1e-9) ? "met" : "missed"
    }'
}

declare -A paint rss premain frame
for program in tavrel synthetic bare; do
    paint[$program]=$(median 1 "$results/startup-$program.txt")
    rss[$program]=$(median 2 "$results/startup-$program.txt")
    premain[$program]=$(median 3 "$results/startup-$program.txt")
    frame[$program]=$(median 4 "$results/startup-$program.txt")
done

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
build_type=$(sed -n "s/^CMAKE_BUILD_TYPE:[A-Z]*=//p" "$1/CMakeCache.txt")
build_type=${build_type:-RelWithDebInfo}
compiler=$(sed -n 's/^set(CMAKE_CXX_COMPILER_\(ID\|VERSION\) "\(.*\)")$/\2/p' \
    "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -n 2 | paste -sd ' ')
qt=$(dpkg-query -W -f '${Version}' qt6-base-dev 2>/dev/null || echo unknown)

{
    echo "## Benchmarks, $(date -u +%Y-%m-%d)"
    echo
    echo "Machine: ${cpu:-unknown CPU}, $(nproc) CPUs, Linux $(uname -r)."
    echo "Build: $build_type, ${compiler:-unknown compiler}, Qt $qt, QT_QPA_PLATFORM=offscreen."
    if grep -q "Library was built as DEBUG" "$results/bench_pure.txt"; then
        echo "Google Benchmark's own library is a debug build (Debian's); the code measured is not."
    fi
    echo
    echo "### Calculations and number rules"
    echo
    echo "Median of $REPETITIONS repetitions, default inputs of each tab."
    echo
    echo "| benchmark | time | goal | |"
    echo "|---|---|---|---|"
    benchmark_rows "$results/bench_pure.csv" 300
    echo
    echo "### FormatFloat against std::to_chars"
    echo
    echo "Each pattern with the value of its Format benchmark, against"
    echo "std::to_chars(value, std::chars_format::scientific, 17) of the same value, the"
    echo "call that gives FormatFloat its digits; median CPU times of this run."
    echo
    echo "| pattern | FormatFloat | to_chars | ratio | goal | |"
    echo "|---|---|---|---|---|---|"
    format_ratio_rows "$results/bench_pure.csv" 2
    echo
    echo "### One press of each compute button"
    echo
    echo "Read the boxes, calculate, format, write the fields; repaint not included."
    echo
    echo "| benchmark | time | goal | |"
    echo "|---|---|---|---|"
    benchmark_rows "$results/bench_press.csv" 100
    echo
    echo "### The diagram window"
    echo
    echo "Open: made, laid out and drawn after a press, in a main window that never"
    echo "opened it. Redraw: a press with the window open, its new curves and repaint."
    echo
    echo "Time is wall-clock time; the CPU time beside it shows how much of it was"
    echo "the program's own work when other processes share the machine."
    echo
    echo "| benchmark | time | CPU time | goal | |"
    echo "|---|---|---|---|---|"
    diagram_rows() { # PATTERN GOAL_MS
        awk -F, -v pattern="$1" -v goal="$2" '
            /^"/ && $1 ~ pattern && $1 ~ /_median"$/ {
                name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
                printf "| %s | %.3g ms | %.3g ms | < %s ms | %s |\n", name, $3, $4, goal, ($3 < goal) ? "met" : "missed"
            }' "$results/bench_diagram.csv"
    }
    diagram_rows 'Diagram/open' 150
    diagram_rows 'Diagram/redraw' 16
    echo
    echo "### Start-up to the first painted frame"
    echo
    echo "Median of $RUNS runs each, taken in turn. Time from the launch to the first"
    echo "paint of the window; before main: loading the program and its libraries;"
    echo "frame done: the whole first frame drawn. Peak RSS once the frame is done."
    echo
    echo "| program | first paint | before main | frame done | peak RSS |"
    echo "|---|---|---|---|---|"
    for program in tavrel synthetic bare; do
        printf '| startup_%s | %.1f ms | %.1f ms | %.1f ms | %.0f KiB |\n' \
            "$program" "${paint[$program]}" "${premain[$program]}" "${frame[$program]}" "${rss[$program]}"
    done
    echo
    echo "| ratio | value | goal | |"
    echo "|---|---|---|---|"
    ratio_row "start-up, tavrel / synthetic" "${paint[tavrel]}" "${paint[synthetic]}" 1.1
    ratio_row "start-up, tavrel / bare" "${paint[tavrel]}" "${paint[bare]}" 1.6
    ratio_row "peak memory, tavrel / synthetic" "${rss[tavrel]}" "${rss[synthetic]}" 1.1
} | tee "$results/report.md"
echo >&2
echo "Raw results and this report: $results/" >&2
