#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Idempotent.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  clang-14 libclang-rt-14-dev libfuzzer-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  fonts-dejavu-core xvfb xauth
  libsoci-dev libsqlite3-dev sqlite3 libpq-dev
  postgresql postgresql-contrib
  libmsgpack-cxx-dev libasio-dev
  nlohmann-json3-dev

)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "install-deps: all packages present"
fi
