#!/usr/bin/env bash
# Checks the game as a player's system would get it: validates the desktop entry and the software
# metadata, installs into a scratch prefix, builds the Debian package, compares its contents with
# the install and has lintian check it, then starts the packaged binary under a private X server
# and waits for its window.
#
#   check-package.sh <build-dir> <source-dir>
# Leaves the package, its unpacked tree (root/) and a screenshot in <build-dir>/package-check/,
# for the tests that run the installed game. Changes nothing outside.
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
app_id=org.vestorine.Vestorine
out="$build/package-check"
root="$out/root"
# The binary's folder in the package; a plain install keeps bin/.
games=games
tmp=$(mktemp -d)
xvfb_pid=""
game_pid=""

# The scratch install rewrites the build's install manifest; the player's own install needs it back
# to uninstall.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$tmp/manifest"

cleanup() {
    if [ -f "$tmp/manifest" ]; then cp "$tmp/manifest" "$manifest"; else rm -f "$manifest"; fi
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}
# A virtual display of its own, as the end-to-end checks start theirs.
source "$source/tests/e2e/display.sh"

# Both validators must be silent but for the notes newer metadata tags draw from this version.
validate() {
    local report
    report=$(desktop-file-validate "$source/packaging/$app_id.desktop" 2>&1) ||
        fail "desktop entry: $report"
    [ -z "$report" ] || fail "desktop entry: $report"
    report=$(appstreamcli validate --no-net "$source/packaging/$app_id.metainfo.xml" 2>&1) ||
        fail "metainfo: $report"
    if grep -E '^[EW]:' <<<"$report"; then fail "metainfo has errors or warnings"; fi
    echo "validators: desktop entry and metainfo clean"
}

# The files every install must hold, relative to the prefix; the readmes once they exist.
expected_files() {
    echo bin/vestorine
    echo share/man/man6/vestorine.6.gz
    for language in fr de es it; do
        echo share/man/$language/man6/vestorine.6.gz
    done
    echo share/doc/vestorine/changelog.gz
    echo share/applications/$app_id.desktop
    echo share/metainfo/$app_id.metainfo.xml
    echo share/icons/hicolor/scalable/apps/$app_id.svg
    for size in 16 24 32 48 64 128 256; do
        echo share/icons/hicolor/${size}x${size}/apps/$app_id.png
    done
    echo share/doc/vestorine/copyright
    for readme in readme.txt lisezmoi.txt liesmich.txt leeme.txt leggimi.txt; do
        if [ -e "$source/$readme" ] || [ -e "$source/docs/$readme" ]; then
            echo share/vestorine/$readme
        fi
    done
}

install_to_scratch() {
    rm -rf "$out" && mkdir -p "$out"
    DESTDIR="$tmp/plain" cmake --install "$build" --prefix /usr >/dev/null
    (cd "$tmp/plain/usr" && find . -type f | sed 's|^\./||' | sort) >"$tmp/installed"
    expected_files | sort >"$tmp/expected"
    local missing
    missing=$(comm -23 "$tmp/expected" "$tmp/installed")
    [ -z "$missing" ] || fail "not installed: $missing"
    echo "install: $(wc -l <"$tmp/installed") files under the prefix, all expected ones present"
}

build_deb() {
    (cd "$build" && cpack -G DEB -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1) ||
        fail "cpack: $(cat "$tmp/cpack.log")"
    local debs=("$tmp"/cpack/vestorine_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package"
    cp "${debs[0]}" "$out/"
    deb="$out/$(basename "${debs[0]}")"
    dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ {print $NF}' | sed 's|^\./usr/||' | sort >"$tmp/packaged"
    sed "s|^bin/vestorine\$|$games/vestorine|" "$tmp/installed" | sort >"$tmp/installed-as-packaged"
    diff -u "$tmp/installed-as-packaged" "$tmp/packaged" >&2 || fail "package and install differ"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in fonts-liberation2 libqt6widgets6; do
        grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "package is not in section games"
    echo "package: $(basename "$deb") holds the same files; depends on $depends"
    dpkg-deb -x "$deb" "$root"
}

# Any error or warning at lintian's default level fails; its whole report is shown either way.
run_lintian() {
    command -v lintian >/dev/null || fail "lintian is not installed"
    local report status=0
    # As root it says so on its error stream; that line is no finding.
    report=$(lintian "$deb" 2>"$tmp/lintian.err") || status=$?
    echo "lintian (exit $status):"
    [ -z "$report" ] || printf '%s\n' "$report"
    [ "$status" -le 1 ] || fail "lintian could not check the package: $(cat "$tmp/lintian.err")"
    if grep -qE '^[EW]: ' <<<"$report"; then fail "lintian reports errors or warnings"; fi
    echo "lintian: no error, no warning"
}


# Runs from an empty folder with its own configuration folder, so nothing of the developer's leaks
# in and the game finds its readmes only where the install put them.
run_installed() {
    mkdir -p "$tmp/config" "$tmp/cwd"
    (cd "$tmp/cwd" && XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=xcb \
        exec "$root/usr/$games/vestorine" >"$tmp/game.log" 2>&1) &
    game_pid=$!
    # A generous safety net against a game that never shows up, not a speed requirement.
    local window
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^VESTORINE') ||
        fail "no window appeared: $(cat "$tmp/game.log")"
    import -window root "$out/installed.png"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended on its own: $(cat "$tmp/game.log")"
    kill "$game_pid"
    local status=0
    wait "$game_pid" || status=$?
    game_pid=""
    # SIGTERM ends the program through its event loop, as a Quit without the settings does.
    [ "$status" -eq 0 ] || fail "the game did not end cleanly on request (status $status)"
    echo "run: installed binary showed window $window; screenshot $out/installed.png"
}

validate
install_to_scratch
build_deb
run_lintian
display_start 1280x1024 "$tmp"
run_installed
