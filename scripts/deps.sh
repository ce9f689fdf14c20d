# Sourced by run.sh and test.sh: installs the Debian packages the project needs, only
# when one is missing, so a warm machine starts in seconds.
TRQ_PACKAGES=(build-essential cmake ninja-build ccache pkg-config
              qt6-base-dev libgtest-dev libgmock-dev
              libsnmp-dev snmp snmpd xvfb xauth locales
              clang libclang-rt-14-dev)

trq_install_deps() {
    local missing=()
    for p in "${TRQ_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Configures one build tree once; a tree configured before is configured again only when
# a -DNAME=VALUE given here differs from its cache (./test.sh turning TRQ_WERROR on in a
# tree that run.sh made). $1 = build dir, rest = extra cmake args.
trq_configure() {
    local dir=$1; shift
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@"
        return
    fi
    local arg name value
    for arg in "$@"; do
        [[ $arg =~ ^-D([A-Za-z_][A-Za-z0-9_]*)(:[A-Z]+)?=(.*)$ ]] || continue
        name=${BASH_REMATCH[1]}
        value=${BASH_REMATCH[3]}
        if ! grep -qxF -e "$name:BOOL=$value" -e "$name:STRING=$value" -e "$name:UNINITIALIZED=$value" \
                -e "$name:FILEPATH=$value" -e "$name:PATH=$value" "$dir/CMakeCache.txt"; then
            cmake -S . -B "$dir" "$@"
            return
        fi
    done
}

# Configures (once) and builds everything of one build tree. $1 = build dir, rest = extra
# cmake args.
trq_build() {
    trq_configure "$@"
    trq_refresh_autogen "$1"
    cmake --build "$1"
}

# In a build tree left by an earlier build, Qt's code generators may not notice that a
# window's header now includes a new form (and the build stops at the missing ui_*.h):
# forgetting their time stamps makes them look at every file again; what is unchanged is
# not generated anew. $1 = build dir.
trq_refresh_autogen() {
    [ -d "$1" ] && find "$1" -path '*_autogen/timestamp' -delete
    return 0
}
