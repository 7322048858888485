# The Debian packages the project needs, in one place, and the function that
# installs those that are missing. Sourced by scripts/run, scripts/test and
# scripts/package.

# Building and running: the compiler and build tools, Qt with its X11 and
# Wayland platform plugins, Qt's translation tools and its own Spanish texts,
# chmlib for the help viewer and libseccomp for the filter of its decoding
# process, chmcmd (fp-utils) to compile the help file, the condensed face
# the window is drawn in, and gettext to compile the command line's messages.
ZENTOLK_RUN_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libxcb1-dev libchm-dev libseccomp-dev fp-utils fonts-dejavu-extra gettext
)
# The SQLite extension: SQLite's header to build it, sqlite3 to load it into.
ZENTOLK_RUN_PACKAGES+=(libsqlite3-dev sqlite3)

# Testing adds: the test and benchmark libraries, clang for the fuzzers, the format and metadata
# checks, the manual-page check, Python and SQLite to load the tables the
# command line writes, GNU time for the benchmarks' peak memory
# (bench/almanac-inputs), inotify-tools for a test that waits on a folder's
# changes, and a virtual display with the tools that drive it and take
# screenshots (scripts/screenshot, bench/startup).
ZENTOLK_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev libxdamage-dev
    clang libclang-rt-14-dev clang-format desktop-file-utils appstream man-db
    xvfb xauth x11-utils x11-apps xdotool imagemagick xclip
    python3 sqlite3 time inotify-tools locales
)

# The Python module is built for Debian's Python with NumPy and pybind11; its
# tests load frames with pandas; its benchmarks (bench/python-almanac, the
# cluster run bench/dask-almanac) add Dask and convertdate as the yardstick.
ZENTOLK_RUN_PACKAGES+=(python3-dev python3-numpy pybind11-dev)
ZENTOLK_TEST_PACKAGES+=(python3-pandas)
ZENTOLK_PYTHON_BENCH_PACKAGES=(python3-pandas python3-dask python3-distributed python3-convertdate)

# Packaging adds the file type check CPack's dependency scan runs (the scan
# itself, dpkg-shlibdeps, comes with build-essential).
ZENTOLK_PACKAGE_PACKAGES=(file)

zentolk_missing_packages() { # prints the given packages that are not installed
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
            printf '%s\n' "$pkg"
    done
}

# Installs the missing ones of the given packages. As root it installs them;
# a member of the sudo group goes through sudo; anyone else is told the one
# command to run as root and returns 1.
zentolk_install_missing() {
    local missing
    mapfile -t missing < <(zentolk_missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0

    zentolk_as_root Installing "${missing[*]}" \
        "apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" \
        "These Debian packages are missing" "Install them" "'"
}

# Runs a shell command as root: as itself when root, through sudo for a
# member of the sudo group; anyone else is told what is missing and the one
# command to run as root, and it returns 1. $1: what it is doing, $2: what is
# missing, $3: the command, $4 and $5: the message's "what is missing" and
# "what to do", $6: the quote that keeps the command one word.
zentolk_as_root() {
    local env=(env DEBIAN_FRONTEND=noninteractive)
    if [ "$(id -u)" -eq 0 ]; then
        echo "$1: $2" >&2
        "${env[@]}" sh -c "$3" >&2
        return
    fi
    if command -v sudo >/dev/null 2>&1 && id -nG | grep -qw sudo; then
        echo "$1 through sudo: $2" >&2
        sudo "${env[@]}" sh -c "$3" >&2
        return
    fi
    cat >&2 <<EOF
$4: $2
$5 once as root, with either of these commands:
    su -c $6$3$6
    sudo sh -c $6$3$6
(sudo works only for members of the sudo group), then run $0 again as yourself.
EOF
    return 1
}

# The locales the tests run the programs in: Spanish with a decimal point
# (Mexico) and with a decimal comma (Spain).
ZENTOLK_TEST_LOCALES=(es_MX.UTF-8 es_ES.UTF-8)

zentolk_missing_locales() { # prints the given locales that are not generated
    local have name
    have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z')
    for name in "$@"; do
        # locale -a writes es_MX.UTF-8 as es_MX.utf8.
        grep -qx "$(printf '%s.utf8' "${name%%.*}" | tr 'A-Z' 'a-z')" <<<"$have" ||
            printf '%s\n' "$name"
    done
}

# Generates the missing ones of the given UTF-8 locales (the package locales
# has their sources), enabled in /etc/locale.gen so that they stay.
zentolk_generate_locales() {
    local missing name generate=""
    mapfile -t missing < <(zentolk_missing_locales "$@")
    [ ${#missing[@]} -eq 0 ] && return 0

    for name in "${missing[@]}"; do
        generate+="sed -i 's/^# *$name UTF-8\$/$name UTF-8/' /etc/locale.gen && "
        generate+="{ grep -qx '$name UTF-8' /etc/locale.gen || echo '$name UTF-8' >>/etc/locale.gen; } && "
    done
    generate+="locale-gen"
    zentolk_as_root "Generating the locales" "${missing[*]}" "$generate" \
        "These locales are missing" "Generate them" '"'
}

# Refuses to work as root in a checkout that belongs to someone else: the
# build would leave files there that its owner can neither change nor remove.
# Also names files such a run left behind, which break a build as the owner.
zentolk_check_owner() {
    local owner
    owner=$(stat -c %U .)
    if [ "$(id -u)" -eq 0 ] && [ "$(stat -c %u .)" -ne 0 ]; then
        cat >&2 <<EOF
Not building as root: this checkout belongs to $owner, and files made here by
root could not be changed or removed by $owner. The packages are in place now;
run $0 again as $owner.
EOF
        return 1
    fi
    local foreign
    # "sudo cmake --install" leaves its list of files behind, which does no harm.
    foreign=$(find build -maxdepth 3 ! -user "$(id -u)" ! -name 'install_manifest*.txt' -print \
        -quit 2>/dev/null || true)
    if [ -n "$foreign" ]; then
        cat >&2 <<EOF
$foreign (and maybe more in build/) belongs to another user, so the build
cannot write there. Remove the build folder once as root, then run $0 again:
    su -c 'rm -rf $PWD/build'
EOF
        return 1
    fi
}
