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

# The main build: optimised as RelWithDebInfo, without its debug information (quicker to build).
TAV_MAIN_BUILD=(Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG")

# configure_once DIR BUILD_TYPE [CMAKE ARGS...]: configures DIR unless it already is.
configure_once() {
    local dir=$1 type=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
    fi
}

# configure_and_build DIR BUILD_TYPE [CMAKE ARGS...]: configures DIR once, then builds it.
configure_and_build() {
    configure_once "$@"
    cmake --build "$1"
}

# build_quietly DIR TARGET...: builds the targets, showing the build's output only if it fails.
build_quietly() {
    local dir=$1
    shift
    local log
    log=$(mktemp)
    if ! cmake --build "$dir" --target "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}
