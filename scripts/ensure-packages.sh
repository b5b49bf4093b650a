# Sourced by run.sh and test.sh: installs the Debian packages that are missing.

apt_as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    else
        env DEBIAN_FRONTEND=noninteractive "$@"
    fi
}

# An i386 library must have the very version of its amd64 twin already installed. A mirror
# caught mid-sync can serve an i386 index of a suite that lags behind its amd64 index, and
# then the newer amd64 version has no i386 match. Fetches the i386 packages of such versions
# from the pool path of their amd64 files into the directory $1; the rest name the packages
# whose dependencies to look through. No signed index lists these files: their name, version
# and architecture are checked, but not who made them. Only with DIPOLE_UNVERIFIED_I386=1.
fetch_lagging_i386_packages() {
    local dir=$1
    shift
    local closure installed
    closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances "$@" | grep -v '^[ <]' | sed 's/:i386$//' | sort -u) || true
    installed=$(dpkg-query -W -f='${Package} ${Architecture} ${Multi-Arch}\n' \
        | awk '$2 == "amd64" && $3 == "same" { print $1 }' | sort -u)
    local name candidate uri file
    for name in $(comm -12 <(echo "$closure") <(echo "$installed")); do
        candidate=$(apt-cache policy "$name:amd64" | awk '/Candidate:/ { print $2 }')
        apt-cache madison "$name:i386" | awk -v v="$candidate" '$3 == v { found = 1 } END { exit !found }' \
            && continue
        uri=$(apt-get download --print-uris "$name:amd64=$candidate" 2>/dev/null | awk '{ print $1 }' | tr -d "'") || true
        [ -n "$uri" ] || continue
        uri=${uri%_amd64.deb}_i386.deb
        file=$dir/${name}_i386.deb
        echo "Fetching $name:i386 $candidate, missing from the i386 index: $uri"
        /usr/lib/apt/apt-helper download-file "$uri" "$file" >/dev/null 2>&1 || { rm -f "$file"; continue; }
        # Only the package asked for, in the version asked for.
        if [ "$(dpkg-deb -f "$file" Package Version Architecture | tr '\n' ' ')" \
            != "Package: $name Version: $candidate Architecture: i386 " ]; then
            echo "Ignoring $file: not $name:i386 $candidate"
            rm -f "$file"
        fi
    done
}

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local wants_i386=0
    for package in "${missing[@]}"; do
        [[ $package == *:i386 ]] && wants_i386=1
    done
    if [ "$wants_i386" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        apt_as_root dpkg --add-architecture i386
    fi
    # An index that fails to download leaves the old one in use; what is missing then shows
    # when installing.
    apt_as_root apt-get update -q || echo "Some package indexes could not be updated; going on with what there is."
    local install=(apt-get install -y -q --no-install-recommends)
    if apt_as_root "${install[@]}" "${missing[@]}"; then
        return 0
    fi
    [ "$wants_i386" = 1 ] || return 1
    if [ "${DIPOLE_UNVERIFIED_I386:-}" != 1 ]; then
        echo "If the mirror's i386 index lags behind its amd64 index, DIPOLE_UNVERIFIED_I386=1 fetches the" \
            "missing i386 packages unverified (see the README)."
        return 1
    fi

    echo "Trying again with the i386 packages that the mirror's i386 index lacks (DIPOLE_UNVERIFIED_I386=1)."
    local dir
    dir=$(mktemp -d)
    chmod 755 "$dir"
    fetch_lagging_i386_packages "$dir" "${missing[@]}"
    local fetched=("$dir"/*.deb)
    [ -e "${fetched[0]}" ] || fetched=()
    local status=0
    apt_as_root "${install[@]}" "${fetched[@]}" "${missing[@]}" || status=$?
    rm -rf "$dir"
    return $status
}

# Wine, for the Windows build's checks; its 32-bit part needs the i386 architecture, which
# ensure_packages adds. Where it cannot be installed the build goes on, the checks under Wine
# are skipped, and DIPOLE_WINE_MISSING says why.
ensure_wine() {
    local log status=0
    log=$(mktemp)
    # Run as a condition, ensure_packages does not stop at its first failing step; its
    # status is that of the installation, which is what counts.
    ensure_packages "${WINE_PACKAGES[@]}" 2>&1 | tee "$log" || status=$?
    if [ "$status" -ne 0 ]; then
        DIPOLE_WINE_MISSING="Wine could not be installed: $(apt_reason "$log")"
        export DIPOLE_WINE_MISSING
        echo "$DIPOLE_WINE_MISSING; the checks under Wine will be skipped."
    fi
    rm -f "$log"
}

# apt-get's own words on why an installation failed, on one line, from its output in $1.
apt_reason() {
    local error dependency
    error=$(sed -n 's/^E: //p' "$1" | tail -n 1 | sed 's/\.$//')
    dependency=$(grep -m 1 -E '^ [^ ]+ : (Pre)?Depends: ' "$1" | sed 's/^ *//; s/  */ /g') || true
    echo "${error:-apt-get failed}${dependency:+ ($dependency)}"
}

# What building and running the program needs; the build embeds Qt's Russian translation
# (qtbase_ru.qm) from qt6-translations-l10n. The windows' font comes with the program.
PROGRAM_PACKAGES=(cmake g++ make qt6-base-dev qt6-translations-l10n)
# What the tests need besides: GoogleTest, Google Benchmark, an X server with real input, a
# clipboard and window properties for the end-to-end tests, and the Windows resource compiler
# for the version block.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xdotool xclip x11-utils binutils-mingw-w64-i686)
# The Windows build: the MinGW-w64 cross compiler.
WINDOWS_PACKAGES=(g++-mingw-w64-i686)
# What runs the Windows build's checks (ensure_wine).
WINE_PACKAGES=(wine wine32:i386)
