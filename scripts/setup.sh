#!/usr/bin/env bash
# Shared set-up for scripts/run and scripts/test: installs the Debian packages listed in
# scripts/packages.txt that are missing, then configures the build folder.
set -euo pipefail

QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

qv_missing_packages() {
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
  done <"$QV_ROOT/scripts/packages.txt"
}

qv_install_packages() {
  local missing
  missing="$(qv_missing_packages | tr '\n' ' ')"
  [[ -z "${missing// /}" ]] && return 0
  echo "Installing: $missing"
  local sudo=""
  if [[ "$(id -u)" -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: $missing" >&2; exit 1; }
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  # shellcheck disable=SC2086
  $sudo apt-get install -y --no-install-recommends $missing
}

# qv_configure BUILD_DIR [extra cmake args...]
qv_configure() {
  local dir="$1"
  shift
  local generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  if [[ ! -f "$dir/CMakeCache.txt" ]]; then
    cmake -S "$QV_ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  else
    cmake -S "$QV_ROOT" -B "$dir" "$@" >/dev/null
  fi
}

qv_build() {
  cmake --build "$1" --parallel "$(nproc)"
}

# Whether clang can link a libFuzzer program on this machine.
qv_libfuzzer_works() {
  local dir
  dir="$(mktemp -d)"
  printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' >"$dir/probe.cpp"
  clang++ -fsanitize=fuzzer "$dir/probe.cpp" -o "$dir/probe" >/dev/null 2>&1
  local works=$?
  rm -rf "$dir"
  return $works
}
