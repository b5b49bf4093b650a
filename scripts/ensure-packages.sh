# Sourced by run.sh and test.sh: installs the Debian packages that are missing.

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
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building and running the program needs; the build embeds Qt's Russian translation
# (qtbase_ru.qm) from qt6-translations-l10n. The windows' font comes with the program.
PROGRAM_PACKAGES=(cmake g++ make qt6-base-dev qt6-translations-l10n)
# What the tests need besides: GoogleTest, Google Benchmark, an X server with real input, a
# clipboard and window properties for the end-to-end tests, and the Windows resource compiler
# for the version block.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xdotool xclip x11-utils binutils-mingw-w64-i686)
