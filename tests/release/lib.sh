# What the release checks share, sourced by each kind's script, which ./run starts as
# "SCRIPT NAME FILE KIND ARCH" for the one check NAME, given the row of the artifact FILE of the
# release's list (LIST), with the environment CMakeLists.txt gives it. A check that the row, or
# checks.txt for the row, does not name is refused by name. The check says "ok (what it showed)",
# "skipped: why" (for a reason outside the project) or "FAILED: why", and passes only by ending
# after an ok with status 0, skips only after a skip with status 77; one that dies, returns early
# or says nothing fails, by name.
set -uo pipefail
name=$1 file=$2 kind=$3 arch=$4
shift 4
logs=$WORK/logs scratch=$WORK/scratch/$name verdicts=$WORK/scratch/$name.verdicts
listing=$SOURCE/tests/expected_report.txt
rm -rf "$scratch" "$verdicts" && mkdir -p "$scratch" "$logs"
# shellcheck source=scripts/verdicts
. "$ROOT/scripts/verdicts"

finish() {
    local status=$? said
    said=$(tail -n 1 "$verdicts" 2>/dev/null)
    rm -rf "$scratch" "$verdicts"
    case $said$status in ok0) exit 0 ;; skipped:77) exit 77 ;; esac
    [ "$said" = FAILED: ] || verdict "$name" "FAILED: ended with status $status $([ -n "$said" ] &&
        echo after || echo before) its verdict"
    exit 1
}
trap finish EXIT
trap 'trap - EXIT; exit 143' TERM # ended at its time limit, which ./run says
skip() { verdict "$name" "skipped: $1" && exit 77; } # WHY

# The row must be one of the list's, and the check one that checks.txt gives that row.
given=$(awk -v kind="$kind" -v arch="$arch" -v script="${0##*/}" \
    '$1 == kind && $3 == script { gsub("ARCH", arch, $2); print $2 }' "$(dirname "$0")/checks.txt")
if ! grep -qxF "$file"$'\t'"$kind"$'\t'"$arch" "$LIST"; then
    verdict "$name" "FAILED: refused: $file ($kind, $arch) is no artifact of the release's list" && exit
elif ! grep -qxF "$name" <<<"$given"; then
    verdict "$name" "FAILED: refused: checks.txt gives $file no such check by ${0##*/} (it gives: $(paste -sd " " <<<"$given"))" && exit
fi

targets() { "$SOURCE/scripts/targets" "$@"; } # the release's own table
native=$(dpkg --print-architecture)
row() { targets name "$2" | awk -F '\t' -v arch="$1" '$1 == arch { print $2 }'; } # ARCH COLUMN
emulator() { row "$1" emulator | tr , '\n' | grep -vx -- -; } # ARCH: what runs its programs here, a word a line
listed() { awk -F '\t' -v kind="$1" -v arch="$2" '$2 == kind && $3 == arch { print $1 }' "$LIST"; } # KIND ARCH

# program EXPECTED COMMAND...: COMMAND, with no input, prints EXPECTED's bytes and nothing on
# standard error, and exits 0, within a minute.
program() {
    local out=$logs/$name.out err=$logs/$name.stderr status
    timeout -k 5 60 "${@:2}" </dev/null >"$out" 2>"$err"
    status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        verdict "$name" "FAILED: still running after 60 s, and ended (see $out)"
    elif ! cmp -s "$out" "$1" || [ "$status" -ne 0 ] || [ -s "$err" ]; then
        verdict "$name" "FAILED: $(cmp -s "$out" "$1" || printf 'not ')the listing, exit status $status, $([ -s "$err" ] &&
            echo "on standard error: $(head -c 160 "$err")" || echo nothing on standard error) (see $out)"
    else
        verdict "$name" "ok (the listing, byte for byte; exit status 0; nothing on standard error)"
    fi
}

# The first error in a tool's log (the program's, piuparts' or apt's), else its last line.
fault() { # LOG
    local line
    line=$(grep -m 1 -oE 'polygon-pi(\.[a-z]+)?: .*|ERROR: .*|^E: .*' "$1" || tail -n 1 "$1")
    echo "${line:0:200} (see $1)"
}

# clean SUITE ARCH PACKAGE...: base, the path of a tarball of scripts/clean-system's, made if
# need be. Where it has none for a reason outside the project, the check skips, saying why; but
# under CI only where the table says that Debian release has no such architecture.
clean() {
    clean=("$@")
    base=$("$ROOT/scripts/clean-system" "$@") && return
    if [ $? -ne 2 ]; then
        verdict "$name" "FAILED: no clean system: $base" && exit
    elif [ "${CI:-}" = true ] && row "$2" debian | tr , '\n' | grep -qx "$1"; then
        verdict "$name" "FAILED: no clean system: $base; but cmake/targets.txt says Debian $1 has $2" && exit
    fi
    skip "$base"
}
in_system() { "$ROOT/scripts/clean-system" --in "$1" "${clean[@]}" -- "${@:2}"; } # DIR COMMAND...: in clean's last system

# The Debian release of a clean system, as the tarball's Release file names it.
release_of() { sed -n 's/^Version: /Debian /p' "${1%.tar.gz}.Release"; } # TARBALL

# The signing key a GnuPG home holds (its fingerprint is on the line after it).
fingerprint() { gpg --homedir "$1" -K --with-colons 2>/dev/null | awk -F : '$1 == "sec" { getline; print $10; exit }'; }
