# Shared by run.sh, test.sh, bench.sh and package.sh: installs what is missing and builds.

# Debian packages the build, the tests and the benchmarks need.
VARNHOLT_PACKAGES=(
    g++ cmake ninja-build
    libgtest-dev libgmock-dev libbenchmark-dev libstb-dev libeigen3-dev
    clang-format fonts-liberation2
    qt6-base-dev qt6-multimedia-dev libgl-dev
    xvfb xdotool
    desktop-file-utils appstream libxml2-utils shared-mime-info
)

# What package.sh needs on top: dpkg-shlibdeps (dpkg-dev, file) for the
# package's dependencies, lintian to check it.
VARNHOLT_PACKAGING_PACKAGES=(dpkg-dev file lintian)

# install_missing_packages [MORE PACKAGES...]: installs those of VARNHOLT_PACKAGES
# and MORE that are not installed yet (apt-get, non-interactive).
install_missing_packages() {
    local missing=()
    local package
    for package in "${VARNHOLT_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build DIR [CMAKE OPTIONS...]: configures DIR (incrementally when it
# already exists) and builds it. Each library and test program is compiled in
# batches of source files (a unity build): a build from nothing takes about
# half as long; -DCMAKE_UNITY_BUILD=OFF among the options compiles file by file.
configure_and_build() {
    local directory=$1
    shift
    cmake -S . -B "$directory" -G Ninja -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
    cmake --build "$directory" --parallel "$(nproc)"
}
