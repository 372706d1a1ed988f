#!/usr/bin/env bash
# Builds with AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer
# into build-asan/ and runs tests there. Undefined behaviour stops the test that hit it
# (-fno-sanitize-recover), a leak fails it at exit, so any report fails the run. Reports
# from inside Qt, SDL or the system libraries are suppressed by tools/sanitize.supp (each
# with its reason); a fault in our own code is mended, never suppressed.
#   tools/sanitize.sh             everything, the whole suite through ctest (about 15 min
#                                 on 2 cores from an empty compiler cache); run by CI
#                                 after the normal tests
#   tools/sanitize.sh --readers   only the test binaries of the readers (number systems,
#                                 decimal text, unit number), the statistics store and
#                                 file, and the frame's series: a quick check
# Environment: ASAN_BUILD=dir to build elsewhere, SANITIZE_TARGETS to pick other test
# binaries for --readers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
mode=all
case "${1:-}" in
  "") ;;
  --readers) mode=readers ;;
  *) echo "usage: tools/sanitize.sh [--readers]" >&2; exit 2 ;;
esac
build=${ASAN_BUILD:-build-asan}
targets=${SANITIZE_TARGETS:-"test_numbersystems test_units test_fractions test_stats test_frame"}
supp=$PWD/tools/sanitize.supp
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1 -g"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
export UBSAN_OPTIONS="suppressions=$supp:print_stacktrace=1"
export ASAN_OPTIONS="detect_leaks=1"
start=$(date +%s)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= "${launcher[@]}" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
status=0
if [ "$mode" = all ]; then
  cmake --build "$build"
  built=$(date +%s)
  (cd "$build" && ctest --output-on-failure -j2 --timeout 1200) || status=$?
else
  # shellcheck disable=SC2086
  cmake --build "$build" --target $targets
  built=$(date +%s)
  # Each binary runs whole, as ctest would run its tests, two at a time; its output is
  # shown only when it fails.
  logs="$build/sanitize-logs"
  mkdir -p "$logs"
  for t in $targets; do echo "$t"; done |
    xargs -P2 -I{} sh -c 'cd "$1" && env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        LANG=C.UTF-8 timeout 1200 "bin/$2" >"$3/$2.log" 2>&1 \
        && echo "$2: passed" || { tail -150 "$3/$2.log"; echo "$2: FAILED"; exit 1; }' \
      _ "$build" {} "$(cd "$logs" && pwd)" || status=$?
fi
end=$(date +%s)
echo "Sanitizer run ($mode): build $(( built - start )) s, tests $(( end - built )) s, total $(( end - start )) s"
exit $status
