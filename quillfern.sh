#!/usr/bin/env bash
# One entry point for users and CI.
#   ./quillfern.sh run    install what is missing, build, start Quillfern
#   ./quillfern.sh test   install what is missing, build, run every test headless
#   ./quillfern.sh asan   the same tests in the AddressSanitizer + UBSan build
#   ./quillfern.sh fuzz [seconds]     every fuzz target for a while (20 s each by default)
#   ./quillfern.sh soak [seed] [actions]  the random-UI soak on the sanitizer build
#   ./quillfern.sh package            the Debian package, built and checked
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation locales)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

prInstallMissing() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
    # The tests run under the Russian locale the program is made for (Qt reads
    # it from the environment; the C library's copy is generated for the rest).
    if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
        if [ -f /etc/locale.gen ]; then
            $sudo sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen || true
            grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen \
                || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null || true
            $sudo locale-gen >/dev/null 2>&1 || true
        else
            $sudo locale-gen ru_RU.UTF-8 >/dev/null 2>&1 || true
        fi
    fi
}

prBuild() {
    local preset="$1"
    # CI sets QUILLFERN_WERROR=1: a warning fails its builds.
    local werror=OFF
    [ -n "${QUILLFERN_WERROR:-}" ] && werror=ON
    cmake --preset "$preset" -DQUILLFERN_WERROR="$werror" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
run)
    prInstallMissing
    prBuild release
    exec ./build/release/quillfern
    ;;
test)
    prInstallMissing
    prBuild release
    ctest --preset release
    ;;
asan)
    prInstallMissing
    prBuild asan
    ctest --preset asan
    ;;
fuzz)
    prInstallMissing "${FUZZ_PACKAGES[@]}"
    prBuild fuzz
    tests/fuzz/run-all.sh build/fuzz/tests/fuzz "${2:-20}"
    ;;
soak)
    prInstallMissing
    prBuild asan
    QT_QPA_PLATFORM=offscreen LC_ALL=ru_RU.UTF-8 QF_SOAK_SEED="${2:-1}" QF_SOAK_ACTIONS="${3:-50000}" \
        build/asan/tests/quillfern_soak_tests
    ;;
package)
    prInstallMissing "${PACKAGE_PACKAGES[@]}"
    prBuild release
    packaging/build-deb.sh build/release
    ;;
*)
    echo "usage: $0 run | test | asan | fuzz [seconds] | soak [seed] [actions] | package" >&2
    exit 2
    ;;
esac
