#!/usr/bin/env bash
# Installs whatever is missing (Debian 12, as root), builds, then either
# starts the program ("run") or runs the whole test suite ("test").
set -euo pipefail

mode=${1:-}
case "$mode" in
    run|test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

cd "$(dirname "$0")/.."

packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-liberation libqt6svg6 libbenchmark-dev)
[ "$mode" = test ] && packages+=(xvfb xauth desktop-file-utils appstream dpkg-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [ "$mode" = test ]; then
    ctest --test-dir build --output-on-failure -j"$(nproc)"
else
    exec ./build/acht-damen
fi
