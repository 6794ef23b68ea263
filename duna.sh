#!/usr/bin/env bash
# ./duna.sh        install what is missing, build, start the program with a simulated register
# ./duna.sh test   install what is missing, build, run every test, then again
#                  under the sanitizers, then a short run of every fuzz target
# ./duna.sh fuzz [SECONDS] [TARGET...]   run the fuzz targets longer (default 1800 s each)
# ./duna.sh lint   clang-format and clang-tidy over the tree
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${DUNA_BUILD_DIR:-build}
ASAN_DIR=${DUNA_ASAN_DIR:-build-asan}
FUZZ_DIR=${DUNA_FUZZ_DIR:-build-fuzz}
PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-image-formats-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth zbar-tools poppler-utils
  clang-14 libclang-rt-14-dev clang-tidy clang-format)

install_missing() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Instaluję brakujące pakiety: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

run_tests() {
  # Window tests run offscreen; nothing here needs a display.
  (cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600)
}

# Any sanitizer report fails the test it comes from. Leaks inside system
# libraries that Qt loads are listed in tests/lsan.supp; ours are not.
sanitizer_env() {
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (-O1 keeps the build and the run short).
sanitize_tests() {
  cmake -S . -B "$ASAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DDUNA_SANITIZE=ON
  cmake --build "$ASAN_DIR" -j "$(nproc)"
  (sanitizer_env && cd "$ASAN_DIR" &&
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 900)
}

fuzz_configure() {
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDUNA_FUZZ=ON "$@"
}

fuzz_build() {
  fuzz_configure "$@"
  cmake --build "$FUZZ_DIR" --target fuzz_all -j "$(nproc)"
}

# A few seconds per target: they stay buildable and the seeds keep passing.
fuzz_short() {
  fuzz_build
  (sanitizer_env && cd "$FUZZ_DIR" && ctest -L fuzz --output-on-failure -j "$(nproc)")
}

# ./duna.sh fuzz [SECONDS] [TARGET...]: the targets side by side, as many at
# once as there are cores, at low priority. Each writes its log to
# $FUZZ_DIR/fuzz-logs/<target>.log; what it finds stays in $FUZZ_DIR/fuzz-corpus,
# crashes in $FUZZ_DIR/fuzz-artifacts. The closing table gives each target's count.
fuzz_long() {
  local seconds=${1:-1800} t failed=0
  [ $# -gt 0 ] && shift
  fuzz_build
  local targets=("$@")
  if [ ${#targets[@]} -eq 0 ]; then
    for t in "$FUZZ_DIR"/fuzz_*; do
      [ -x "$t" ] && [ -f "$t" ] && targets+=("${t##*/fuzz_}")
    done
  fi
  mkdir -p "$FUZZ_DIR/fuzz-artifacts" "$FUZZ_DIR/fuzz-logs"
  sanitizer_env
  local jobs running=0
  jobs=$(nproc)
  for t in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
      wait -n || failed=1
      running=$((running - 1))
    fi
    echo "== fuzz_$t: $seconds s, log $FUZZ_DIR/fuzz-logs/$t.log"
    mkdir -p "$FUZZ_DIR/fuzz-corpus/$t"
    # -timeout is wall time: at the lowest priority on a busy machine an
    # ordinary input can stall for seconds, so only a real hang reaches it.
    nice -n 19 "$FUZZ_DIR/fuzz_$t" -max_total_time="$seconds" -runs=10000000 -timeout=60 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$FUZZ_DIR/fuzz-artifacts/$t-" \
      "$FUZZ_DIR/fuzz-corpus/$t" "tests/fuzz/$t" >"$FUZZ_DIR/fuzz-logs/$t.log" 2>&1 &
    running=$((running + 1))
  done
  while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  for t in "${targets[@]}"; do
    local log="$FUZZ_DIR/fuzz-logs/$t.log" runs rate seconds_run verdict=clean
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    seconds_run=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    grep -q -e '==ERROR' -e '== ERROR' -e 'runtime error:' "$log" &&
      verdict=FAULT
    [ -z "$runs" ] && verdict=FAULT
    printf '%-16s %10s runs %6s s %7s/s  %s\n' "$t" "${runs:-?}" "${seconds_run:-?}" \
      "${rate:-?}" "$verdict"
    [ "$verdict" = clean ] || failed=1
  done
  return $failed
}

# clang-format must leave every file as it is; clang-tidy (.clang-tidy) must
# report nothing on the sources, tests, fuzz targets and the simulated register.
lint() {
  local files
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
  clang-format --dry-run -Werror "${files[@]}"
  build >/dev/null
  mapfile -t files < <(git ls-files 'src/*.cpp' 'sim/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
    grep -v -e '_win\.cpp$' -e '^tests/fuzz/')
  # run-clang-tidy succeeds even when it has findings, so they are looked for.
  run-clang-tidy -quiet -p "$BUILD_DIR" -j "$(nproc)" "${files[@]}" >"$BUILD_DIR/clang-tidy.log" 2>&1 || true
  # The fuzz targets exist only in the clang configuration; its compile
  # database is enough, nothing of it needs building.
  fuzz_configure >/dev/null
  mapfile -t files < <(git ls-files 'tests/fuzz/*.cpp')
  run-clang-tidy -quiet -p "$FUZZ_DIR" -j "$(nproc)" "${files[@]}" >>"$BUILD_DIR/clang-tidy.log" 2>&1 || true
  if grep -E 'warning:|error:' "$BUILD_DIR/clang-tidy.log"; then return 1; fi
  echo "clang-format i clang-tidy: bez uwag."
}

start_program() {
  local sim_pid="" port_dir
  port_dir=$(mktemp -d -t duna-ports.XXXXXX)
  if [ -x "$BUILD_DIR/duna-sim" ]; then
    # The simulated register links itself as COM1 in a private port folder, so the
    # program finds it with "Połącz z kasą" or the automatic search.
    coproc SIM { exec "$BUILD_DIR/duna-sim" --demo --port-dir "$port_dir" --com 1 \
      --journal "$port_dir/journal.txt" --paper "$port_dir/paper.txt"; }
    sim_pid=$SIM_PID
    local ready=""
    read -r -t 10 ready <&"${SIM[0]}" || true
    echo "Symulowana kasa: ${ready:-nie wystartowała}; dziennik ramek: $port_dir/journal.txt"
  fi
  trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$port_dir"' EXIT
  local launcher=()
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Brak ekranu: program startuje w wirtualnym ekranie (xvfb-run)."
    launcher=(xvfb-run -a)
  fi
  DUNA_PORT_DIR="$port_dir" "${launcher[@]}" "$BUILD_DIR/duna"
}

# Says how long each stage of the tests took: the sanitizer and fuzz stages
# must keep CI well within its time.
timed() {
  local start=$SECONDS
  "$@"
  echo "== $1: $((SECONDS - start)) s"
}

case "${1:-run}" in
  test) install_missing; timed build; timed run_tests; timed sanitize_tests; timed fuzz_short ;;
  run) install_missing; build; start_program ;;
  build) install_missing; build ;;
  fuzz) shift; install_missing; fuzz_long "$@" ;;
  lint) install_missing; lint ;;
  *) echo "użycie: $0 [test|build|fuzz [SEKUNDY] [CEL...]|lint]" >&2; exit 2 ;;
esac
