# Shared by scripts/run and scripts/test: installs what the build needs when it is missing
# (Debian 12, as root), then configures and builds into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(g++ cmake ninja-build qt6-base-dev libqt6printsupport6 qt6-translations-l10n fonts-arphic-uming
          fonts-arphic-ukai libgtest-dev googletest libbenchmark-dev libswe-dev swe-basic-data
          poppler-utils)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja
  cmake --build "$BUILD" -- -j"${QM_JOBS:-4}"
}
