#!/usr/bin/env bash
# Prime list benchmark for the range 0 .. 2147400000, through the real calculator page:
#   first_lines_ms    from "&Berechnen" to the first lines painted
#   last_line_ms      until the whole range is counted and the last line is painted
#   longest_block_ms  longest gap of a 1 ms timer on the window's thread meanwhile
#                     (the list is scrolled to random places every 30 ms as it runs)
#   peak_rss_mb       peak resident memory of the process
# and, as the yardstick, primesieve's single-threaded count of the same range (Debian
# package primesieve-bin, installed here if missing; used for this comparison only).
# Each figure is the median of RUNS runs (default 5), ours and primesieve's interleaved.
# Usage: tools/bench_primes.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
RUNS=${RUNS:-5}
TOP=2147400000

if ! command -v primesieve >/dev/null 2>&1; then
  echo "installing primesieve-bin (benchmark yardstick only)" >&2
  apt-get -o DPkg::Lock::Timeout=300 install -y primesieve-bin >/dev/null
fi

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target bench_primes -j2 >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for i in $(seq "$RUNS"); do
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$BUILD/bin/bench_primes" "$TOP" \
    >"$tmp/ours.$i" 2>/dev/null
  primesieve "$TOP" --threads=1 --count --time --quiet >"$tmp/ps.$i"
done

median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m}'; }
figure() { cat "$tmp"/ours.* | awk -v k="$1" '$1==k {print $2}' | median; }

ps_ms=$(cat "$tmp"/ps.* | awk '/^Seconds:/ {print $2*1000}' | median)
ps_count=$(grep -hv '^Seconds' "$tmp/ps.1" | head -1)
last_ms=$(figure last_line_ms)

echo "Prime list 0 .. $TOP, median of $RUNS runs"
echo "  primes counted:               $(awk '$1=="primes" {print $2}' "$tmp/ours.1") (primesieve: $ps_count)"
echo "  lines:                        $(awk '$1=="lines" {print $2}' "$tmp/ours.1")"
echo "  last line:                    $(sed -n 's/^last_line //p' "$tmp/ours.1")"
echo "  first lines shown after:      $(figure first_lines_ms) ms   (aim < 100 ms)"
echo "  last line can be shown after: $last_ms ms"
echo "  our counting pass, 1 thread:  $(figure count_pass_ms) ms"
echo "  our counting pass, $(awk '$1=="workers" {print $2}' "$tmp/ours.1") workers: $(figure count_pass_workers_ms) ms (as the page runs it)"
echo "  primesieve, 1 thread:         $ps_ms ms"
echo "  whole list / primesieve:      $(awk -v a="$last_ms" -v b="$ps_ms" 'BEGIN {printf "%.2f", a/b}')   (aim <= 2)"
echo "  longest event-loop block:     $(figure longest_block_ms) ms   (aim <= 50 ms)"
echo "  peak resident memory:         $(figure peak_rss_mb) MB   (aim < 64 MB)"
