#!/usr/bin/env bash
# ./duna.sh        install what is missing, build, start the program with a simulated register
# ./duna.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${DUNA_BUILD_DIR:-build}
PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-image-formats-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth zbar-tools poppler-utils)

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
  cd "$BUILD_DIR"
  # Window tests run offscreen; nothing here needs a display.
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
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

case "${1:-run}" in
  test) install_missing; build; run_tests ;;
  run) install_missing; build; start_program ;;
  build) install_missing; build ;;
  *) echo "użycie: $0 [test|build]" >&2; exit 2 ;;
esac
