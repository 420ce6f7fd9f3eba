#!/usr/bin/env bash
# Shared set-up for scripts/run and scripts/test: installs the Debian packages listed in
# scripts/packages.txt that are missing, generates the locale the tests need, and configures and
# builds the build folders.
set -euo pipefail

QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

qv_missing_packages() {
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
  done <"$QV_ROOT/scripts/packages.txt"
}

# Runs a command as root: directly when we are root, else through sudo without a password
# prompt, so that an unattended run fails at once instead of waiting for a password. WHAT says
# what the command does, for the user when neither is possible.
qv_as_root() {
  local what="$1"
  shift
  if [[ "$(id -u)" -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo -n "$@"
  else
    {
      echo "Set-up needs root to $what,"
      echo "but this user is neither root nor allowed to use sudo without a password."
      echo "Run this script as root, or have that done once by an administrator and run it again."
    } >&2
    exit 1
  fi
}

qv_install_packages() {
  local missing
  missing="$(qv_missing_packages | tr '\n' ' ')"
  missing="${missing% }"
  [[ -z "$missing" ]] && return 0
  echo "Installing: $missing"
  local what="install the missing Debian packages (apt-get install $missing)"
  qv_as_root "$what" apt-get update
  # shellcheck disable=SC2086
  qv_as_root "$what" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends $missing
}

# The comma-decimal locale that part of the suite runs under, generated when the machine lacks
# it (a fresh Debian has only C and POSIX).
QV_TEST_LOCALE="de_DE.UTF-8"

qv_has_test_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'
}

qv_ensure_test_locale() {
  qv_has_test_locale && return 0
  echo "Generating the locale $QV_TEST_LOCALE"
  qv_as_root "generate the locale $QV_TEST_LOCALE (add the line '$QV_TEST_LOCALE UTF-8' to \
/etc/locale.gen and run locale-gen)" sh -c \
    "grep -qx '$QV_TEST_LOCALE UTF-8' /etc/locale.gen || echo '$QV_TEST_LOCALE UTF-8' >>/etc/locale.gen; locale-gen"
  qv_has_test_locale || { echo "the locale $QV_TEST_LOCALE is still missing" >&2; exit 1; }
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

# qv_build BUILD_DIR [extra cmake --build args...]
qv_build() {
  local dir="$1"
  shift
  cmake --build "$dir" --parallel "$(nproc)" "$@"
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
