# Shared by the project's scripts: packages and build presets.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64 g++-mingw-w64-i686 googletest libgtest-dev
          wine64 xvfb locales fonts-wqy-zenhei imagemagick xdotool x11-utils clang-format
          libbenchmark-dev jq
          clang libclang-rt-dev valgrind perl)

# Installs what is missing, and nothing when all is there.
ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_preset() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}
