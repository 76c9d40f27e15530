#!/usr/bin/env bash
# The developer's entry point. Each command installs what it needs first.
#
#   ./dev.sh demo     build Torvik.dll for 32- and 64-bit Windows
#   ./dev.sh check    build everything and run every test: native, then under Wine
#   ./dev.sh bench    run the benchmarks (after a check)
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc)

configure() { # dir [cmake args...]
  local dir=$1
  shift
  cmake -S "$root" -B "$root/build/$dir" -G Ninja "$@" >"$root/build/$dir.configure.log" 2>&1 ||
    { cat "$root/build/$dir.configure.log"; return 1; }
}

# A loopback port nobody listens on, for the test gateway; the search starts at a random
# point so that two checks on one machine rarely pick the same port.
free_port() {
  local port base=$((28000 + RANDOM % 2000))
  for port in $(seq "$base" $((base + 100))); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  echo "$base"
}

cmd_demo() {
  scripts/install-deps.sh
  mkdir -p build
  for arch in i686 x86_64; do
    configure "release-$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DTORVIK_BUILD_TESTS=OFF
    cmake --build "build/release-$arch" -j "$jobs"
  done
  echo
  echo "Torvik.dll, 32-bit: $root/build/release-i686/addin/Torvik.dll"
  echo "Torvik.dll, 64-bit: $root/build/release-x86_64/addin/Torvik.dll"
}

cmd_check() {
  scripts/install-deps.sh
  mkdir -p build
  local start=$SECONDS port
  port=$(free_port)

  echo "== native core (sanitizers)"
  configure native -DCMAKE_BUILD_TYPE=Debug
  cmake --build build/native -j "$jobs"
  (cd build/native && ctest --output-on-failure -j "$jobs")

  for arch in i686 x86_64; do
    echo "== Windows $arch under Wine"
    configure "$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTORVIK_GATEWAY_HOST=127.0.0.1 -DTORVIK_GATEWAY_PORT="$port"
    cmake --build "build/$arch" -j "$jobs"
    (cd "build/$arch" && ctest --output-on-failure)
  done
  echo "check: all suites passed in $((SECONDS - start)) s"
}

cmd_bench() {
  [ -d build/i686 ] || cmd_check
  cmake --build build/i686 -j "$jobs"
  (cd build/i686 && ctest -C bench -L bench --output-on-failure -V)
}

case "${1:-}" in
  demo) cmd_demo ;;
  check) cmd_check ;;
  bench) cmd_bench ;;
  *) echo "usage: $0 demo|check|bench" >&2; exit 2 ;;
esac
