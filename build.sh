#!/usr/bin/env bash
# Sets up, builds and installs Lumbrel into stage/, then starts the editor or runs the tests.
#   ./build.sh run    start the editor from stage/
#   ./build.sh test   run every test headless through CTest
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 gstreamer1.0-plugins-base
    libzip-dev libjpeg-dev libxlsxwriter-dev fonts-dejavu-core
    libisofs-dev libburn-dev xorriso
    binutils mount clang-format
)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_and_stage() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    if [ ! -f build/build.ninja ]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_INSTALL_PREFIX="$PWD/stage" -DLUMBREL_WERROR=$werror
    fi
    cmake --build build
    cmake --install build >/dev/null
}

case "${1:-}" in
run)
    install_missing_packages
    build_and_stage
    exec ./stage/Lumbre
    ;;
test)
    install_missing_packages
    build_and_stage
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
