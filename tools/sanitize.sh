#!/usr/bin/env bash
# Builds everything with AddressSanitizer (with its leak checker) and
# UndefinedBehaviorSanitizer into build-asan/ and runs the whole test suite there, with
# the sanitizers' default run-time options. Undefined behaviour stops the test that hit
# it (-fno-sanitize-recover), a leak fails it at exit, so any report fails the run.
#   tools/sanitize.sh             (ASAN_BUILD=dir to build elsewhere)
#
# Not part of CI: on the 2-core machines the sanitizer build and run take far longer than
# the 20 minutes CI can spend on it beside the normal build and tests (the time of the
# last run is printed at the end). Run it before every submission that touches C++.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build=${ASAN_BUILD:-build-asan}
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1 -g"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
start=$(date +%s)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= "${launcher[@]}" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build"
built=$(date +%s)
status=0
(cd "$build" && ctest --output-on-failure -j2 --timeout 1200) || status=$?
end=$(date +%s)
echo "Sanitizer run: build $(( built - start )) s, tests $(( end - built )) s, total $(( end - start )) s"
exit $status
