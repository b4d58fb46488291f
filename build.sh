#!/usr/bin/env bash
# Sets up, builds and installs Lumbrel into stage/, then starts the editor or runs the tests.
#   ./build.sh run                start the editor from stage/
#   ./build.sh test               run every test headless through CTest
#   ./build.sh sanitize           build in build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer
#                                 and run every test there; any finding fails
#   ./build.sh install-desktop    add the staged editor to this user's application menu
#   ./build.sh uninstall-desktop  remove what install-desktop added
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 gstreamer1.0-plugins-base
    libzip-dev libjpeg-dev libxlsxwriter-dev fonts-dejavu-core
    libisofs-dev libburn-dev xorriso
    binutils mount clang-format clang-tidy qt6-translations-l10n
)
# The real tools that the tests meet, as users do: LibreOffice opens the office exports, headless
# Chromium the disc's web menu, the validators check the desktop entry and the AppStream metadata.
test_packages=(
    libreoffice-calc-nogui libreoffice-writer-nogui chromium-headless-shell
    desktop-file-utils appstream poppler-utils
)

install_missing_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ccache makes repeated builds fast; a machine without it builds all the same.
compiler_launcher() {
    command -v ccache >/dev/null || return 0
    echo -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
}

build_and_stage() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    if [ ! -f build/build.ninja ]; then
        # shellcheck disable=SC2046
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_INSTALL_PREFIX="$PWD/stage" -DLUMBREL_WERROR=$werror $(compiler_launcher)
    fi
    cmake --build build
    cmake --install build >/dev/null
}

# Its own folder and program folder, so that the normal build stays as it is. Warnings and
# benchmarks are the normal build's business; optimised a little, so that the tests run in
# reasonable time, and with line tables only (-g1): enough for the findings' stack traces, and much
# quicker to build than full debug information.
sanitize() {
    if [ ! -f build-asan/build.ninja ]; then
        # shellcheck disable=SC2046
        cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
            -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" -DLUMBREL_SANITIZE=address,undefined -DLUMBREL_BENCH=OFF \
            -DCMAKE_INSTALL_PREFIX="$PWD/build-asan/stage" $(compiler_launcher)
    fi
    # Set for the build too: the asset generator runs under the sanitizers as well.
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    cmake --build build-asan
    cmake --install build-asan >/dev/null
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2 --timeout 900
}

case "${1:-}" in
run)
    install_missing_packages "${packages[@]}"
    build_and_stage
    exec ./stage/Lumbre
    ;;
test)
    install_missing_packages "${packages[@]}" "${test_packages[@]}"
    build_and_stage
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    ;;
sanitize)
    install_missing_packages "${packages[@]}" "${test_packages[@]}"
    sanitize
    ;;
install-desktop)
    install_missing_packages "${packages[@]}"
    build_and_stage
    data/desktop/desktop-menu.sh install "$PWD/stage"
    ;;
uninstall-desktop)
    data/desktop/desktop-menu.sh uninstall
    ;;
*)
    echo "usage: $0 run|test|sanitize|install-desktop|uninstall-desktop" >&2
    exit 2
    ;;
esac
