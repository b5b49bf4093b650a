# Sourced by the checks of the Windows build and by test.sh: whether Wine can run the
# Windows build on this machine.

# Prints why the checks under Wine cannot run here, or nothing when they can. Runs Wine's
# 32-bit loader once and looks at how it fails, rather than guessing from the kernel.
wine_missing_reason() {
    # Set by test.sh when installing Wine failed.
    if [ -n "${DIPOLE_WINE_MISSING:-}" ]; then
        echo "$DIPOLE_WINE_MISSING"
        return
    fi
    if ! command -v wine >/dev/null 2>&1; then
        echo "Wine is not installed"
        return
    fi
    local output
    # Not quietened: Debian's wine says so when it runs the 64-bit loader for want of the 32-bit one.
    if output=$(env -u WINEDEBUG wine --version 2>&1); then
        if grep -q 'wine32 is missing' <<<"$output"; then
            echo "Wine's 32-bit part (wine32:i386) is not installed"
        fi
        return
    fi
    if grep -qi 'exec format error' <<<"$output"; then
        echo "the kernel does not run 32-bit programs ($(grep -i -m 1 'exec format error' <<<"$output"))"
    fi
    # Any other failure is left to the checks themselves to show.
}
