# What the release checks share, sourced by each kind's script, which ./run starts as
# "SCRIPT NAME ARGUMENT..." for the one check NAME, with the environment CMakeLists.txt gives it.
# The check says "ok (what it showed)" or "FAILED: why", and passes only by ending after an ok with
# status 0: one that dies, returns early or says nothing fails, by name.
set -uo pipefail
name=$1 said=
shift
logs=$WORK/logs scratch=$WORK/scratch/$name
listing=$SOURCE/tests/expected_report.txt
rm -rf "$scratch" && mkdir -p "$scratch" "$logs"

verdict() { printf '%-30s %s\n' "$name" "$1" && said=${1%% *}; } # TEXT
finish() {
    local status=$?
    rm -rf "$scratch"
    [ "$said$status" != ok0 ] || exit 0
    [ "$said" = FAILED: ] || printf '%-30s FAILED: ended with status %s %s its verdict\n' "$name" \
        "$status" "$([ -n "$said" ] && echo after || echo before)"
    exit 1
}
trap finish EXIT
trap 'trap - EXIT; exit 143' TERM # ended at its time limit, which ./run says

targets() { "$SOURCE/scripts/targets" "$@"; } # the release's own table
native=$(dpkg --print-architecture)
row() { targets name "$2" | awk -F '\t' -v arch="$1" '$1 == arch { print $2 }'; } # ARCH COLUMN
emulator() { row "$1" emulator | tr , '\n' | grep -vx -- -; } # ARCH: what runs its programs here, a word a line

# program EXPECTED COMMAND...: COMMAND, with no input, prints EXPECTED's bytes and nothing on
# standard error, and exits 0, within a minute.
program() {
    local out=$logs/$name.out err=$logs/$name.stderr status
    timeout -k 5 60 "${@:2}" </dev/null >"$out" 2>"$err"
    status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        verdict "FAILED: still running after 60 s, and ended (see $out)"
    elif ! cmp -s "$out" "$1" || [ "$status" -ne 0 ] || [ -s "$err" ]; then
        verdict "FAILED: $(cmp -s "$out" "$1" || printf 'not ')the listing, exit status $status, $([ -s "$err" ] &&
            echo "on standard error: $(head -c 160 "$err")" || echo nothing on standard error) (see $out)"
    else
        verdict "ok (the listing, byte for byte; exit status 0; nothing on standard error)"
    fi
}

# The first error in a tool's log (the program's, piuparts' or apt's), else its last line.
fault() { # LOG
    local line
    line=$(grep -m 1 -oE 'polygon-pi(\.[a-z]+)?: .*|ERROR: .*|^E: .*' "$1" || tail -n 1 "$1")
    echo "${line:0:200} (see $1)"
}

# shellcheck disable=SC2016 # apt's own format
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' 'Label: Debian' | head -n 1)
mirror=${mirror%/}

# system SUITE ARCH PACKAGE...: the path of a tarball of a clean system, or why there is none.
system() { "$ROOT/scripts/clean-system" "$@"; }

# The Debian release a clean system's tarball is of, as its Release file names it.
release_of() { sed -n 's/^Version: /Debian /p' "${1%.tar.gz}.Release"; } # TARBALL

# in_system ROOT COMMAND...: COMMAND in the system at ROOT, with /proc and /dev, in a mount
# namespace of its own, which takes its mounts with it.
in_system() {
    # shellcheck disable=SC2016 # expanded inside
    unshare --mount --fork sh -c 'mount -t proc proc "$1/proc" && mount --rbind /dev "$1/dev" &&
        exec chroot "$@"' sh "$@"
}

# The signing key a GnuPG home holds (its fingerprint is on the line after it).
fingerprint() { gpg --homedir "$1" -K --with-colons 2>/dev/null | awk -F : '$1 == "sec" { getline; print $10; exit }'; }
