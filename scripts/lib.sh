# Shared by scripts/test and scripts/run.

# Debian packages the build and the tests need.
TAV_PACKAGES=(cmake ninja-build g++ flex bison libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev xvfb xauth dbus poppler-utils desktop-file-utils shared-mime-info)

ensure_packages() {
    local missing=()
    local p
    for p in "${TAV_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# configure_and_build DIR BUILD_TYPE [CMAKE ARGS...]: configures DIR once, then builds it.
configure_and_build() {
    local dir=$1 type=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
    fi
    cmake --build "$dir"
}
