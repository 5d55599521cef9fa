# Shared by scripts/test and scripts/run.

# Debian packages that building and running the programs need (scripts/run).
TAV_RUN_PACKAGES=(cmake ninja-build g++ flex bison qt6-base-dev libgl-dev)
# What the tests and benchmarks need besides (scripts/test): GoogleTest, Google Benchmark, a
# virtual display, a session bus with gdbus, PDF and desktop-file checks.
TAV_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth dbus libglib2.0-bin poppler-utils
    desktop-file-utils shared-mime-info)

# ensure_packages [run]: installs what is missing of every package, or with "run" only of those
# that building and running need.
ensure_packages() {
    local wanted=("${TAV_RUN_PACKAGES[@]}")
    [ "${1:-}" = run ] || wanted+=("${TAV_TEST_PACKAGES[@]}")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
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

# The build scripts/run makes when there is none yet: the programs only (no tests, no
# benchmarks), so that it needs none of the test packages. scripts/test switches them on.
TAV_PROGRAMS_ONLY=(-DTAV_BUILD_TESTS=OFF -DTAV_BUILD_BENCH=OFF)
TAV_EVERYTHING=(-DTAV_BUILD_TESTS=ON -DTAV_BUILD_BENCH=ON)

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

# build_with_progress DIR TARGET...: builds the targets; when there is work to do, says in one
# line that it is building and shows the build's progress.
build_with_progress() {
    local dir=$1
    shift
    local plan
    # Ninja's dry run lists the steps it would take ("[1/N] ..."), nothing when all is built.
    plan=$(cmake --build "$dir" --target "$@" -- -n 2>/dev/null || true)
    if grep -q '^\[' <<<"$plan"; then
        if [ -e "$dir/bin/$1" ]; then
            echo "== rebuilding $*"
        else
            echo "== building $* for the first time: this takes a few minutes"
        fi
        cmake --build "$dir" --target "$@"
    fi
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
