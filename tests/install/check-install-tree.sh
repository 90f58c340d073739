#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user get from it:
# every file in its place, the desktop entry, MIME type, service menu and metainfo valid, the
# man pages render without
# warnings and name every option the program has, the completion offers them, both programs
# tell their version, and the desktop program keeps its files in its own folder.
# Usage: check-install-tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d)
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
metainfo=share/metainfo/com.example.dirforge.metainfo.xml
completion=$prefix/share/bash-completion/completions/dirforge-cli

check_files() {
    local file
    for file in bin/dirforge bin/dirforge-cli share/applications/dirforge.desktop \
        share/icons/hicolor/scalable/apps/dirforge.svg "$metainfo" share/man/man1/dirforge.1.gz \
        share/man/man1/dirforge-cli.1.gz share/bash-completion/completions/dirforge-cli \
        share/doc/dirforge/copyright share/doc/dirforge/changelog.gz \
        share/mime/packages/dirforge.xml share/kio/servicemenus/dirforge-create-folders.desktop \
        share/doc/dirforge/USER-GUIDE.md share/doc/dirforge/images/strings-page.png; do
        [ -s "$prefix/$file" ] || fail "$file is not installed"
    done
}

check_desktop_files() {
    local desktop=$prefix/share/applications/dirforge.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects dirforge.desktop"
    appstreamcli validate --no-net --pedantic "$prefix/$metainfo" > "$work/appstream.txt" ||
        fail "appstreamcli rejects the metainfo: $(cat "$work/appstream.txt")"
    grep -qx 'Exec=dirforge %F' "$desktop" || fail "the desktop entry does not hand dirforge its files"
    grep -qx 'MimeType=inode/directory;application/x-dirforge-profile;' "$desktop" ||
        fail "the desktop entry does not open folders and profiles"
    grep -qx 'Icon=dirforge' "$desktop" || fail "the desktop entry does not name the icon"
    grep -q '<launchable type="desktop-id">dirforge.desktop</launchable>' "$prefix/$metainfo" ||
        fail "the metainfo does not name the desktop entry"
    grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "the metainfo does not carry $version"
    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/dirforge.svg" || fail "the icon is not an SVG"
}

# The profile type as the desktop's MIME database reads it, and Dolphin's menu entry for a folder.
check_mime_and_service_menu() {
    local menu=$prefix/share/kio/servicemenus/dirforge-create-folders.desktop
    mkdir -p "$work/mime/packages"
    cp "$prefix/share/mime/packages/dirforge.xml" "$work/mime/packages/"
    update-mime-database "$work/mime" > /dev/null 2>&1 || fail "update-mime-database rejects dirforge.xml"
    grep -qx 'application/x-dirforge-profile:\*.set' "$work/mime/globs" ||
        fail "the MIME database does not know *.set as a profile"
    grep -qx 'Type=Service' "$menu" || fail "the service menu is not a service"
    grep -qx 'MimeType=inode/directory;' "$menu" || fail "the service menu is not offered on folders"
    grep -qx 'X-KDE-ServiceTypes=KonqPopupMenu/Plugin' "$menu" || fail "the service menu is no menu plug-in"
    grep -qx 'Name=Create Folders Here with Dirforge' "$menu" || fail "the service menu has no caption"
    grep -qx 'Exec=dirforge %F' "$menu" || fail "the service menu does not hand dirforge the folder"
}

# The long options a command's --help lists.
options_of() {
    "$prefix/bin/dirforge-cli" "$@" --help | grep -oE '^ +(-[a-zA-Z], ?)?--[a-z][a-z-]*' | grep -oE -- '--[a-z-]+'
}

check_man_pages() {
    local page text warnings option command
    for page in dirforge dirforge-cli; do
        warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 > /dev/null) ||
            fail "man -l $page.1.gz failed"
        [ -z "$warnings" ] || fail "$page(1) renders with warnings: $warnings"
        text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$prefix/share/man/man1/$page.1.gz" 2> /dev/null)
        grep -q "Dirforge $version" <<< "$text" || fail "$page(1) does not name version $version"
        grep -q 'DIRFORGE_DRIVES' <<< "$text" || fail "$page(1) does not describe DIRFORGE_DRIVES"
    done
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$prefix/share/man/man1/dirforge.1.gz" 2> /dev/null)
    for option in DIRFORGE_HOME XDG_DATA_HOME .local/share/dirforge default.set; do
        grep -qF -- "$option" <<< "$text" || fail "dirforge(1) does not say where its files are ($option)"
    done
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$prefix/share/man/man1/dirforge-cli.1.gz" 2> /dev/null)
    for command in "" strings paths numbers undo; do
        # shellcheck disable=SC2086 # no command is no argument
        for option in $(options_of $command); do
            grep -qF -- "$option" <<< "$text" || fail "dirforge-cli(1) does not describe $command $option"
            grep -qF -- "$option" "$completion" || fail "the completion does not offer $command $option"
        done
    done
}

# Completion candidates for a command line; the last word is the one being completed. The
# helpers of the bash-completion package are stood in for by the least that works.
completions_for() {
    bash -c '
        _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${words[cword]}; prev=${words[cword-1]}; }
        _filedir() { COMPREPLY=(FILE); }
        compopt() { :; }
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _dirforge_cli dirforge-cli
        printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ "$completion" "$@"
}

check_completion() {
    local got
    bash -n "$completion" || fail "the completion script does not parse"
    while IFS='|' read -r line expected; do
        # shellcheck disable=SC2086 # the words of the line
        got=$(completions_for $line "")
        [ "$got" = "$expected" ] || fail "completing '$line': got '$got', expected '$expected'"
    done << 'CASES'
dirforge-cli|--drive --help --version numbers paths strings undo 
dirforge-cli numbers --pad --attach|existing nothing templates 
dirforge-cli strings --copy|main main-files sub sub-files 
dirforge-cli undo|--drive --help --journal --json --quiet 
dirforge-cli --drive f=/srv strings --names|FILE 
CASES
    got=$(completions_for dirforge-cli numbers --p)
    [ "$got" = "--pad --prefix --profile " ] || fail "completing 'numbers --p': got '$got'"
}

check_versions() {
    local got
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/dirforge" --version 2>&1) ||
        fail "dirforge --version failed without a display"
    [ "$got" = "dirforge $version" ] || fail "dirforge --version says '$got'"
    got=$("$prefix/bin/dirforge-cli" --version 2>&1) || fail "dirforge-cli --version failed"
    [ "$got" = "dirforge-cli $version" ] || fail "dirforge-cli --version says '$got'"
}

# Starts the installed program in an empty folder with the given environment, waits until it
# has made its working folders (or gives up after two minutes), stops it, then lists every
# file and folder below $work/run into $work/listing.txt.
start_and_list() {
    rm -rf "$work/run"
    mkdir -p "$work/run/start" "$work/run/home"
    (cd "$work/run/start" && exec env -u DIRFORGE_HOME -u XDG_DATA_HOME HOME="$work/run/home" \
        QT_QPA_PLATFORM=offscreen "$@" "$prefix/bin/dirforge" > "$work/run/output.txt" 2>&1) &
    local pid=$! tries=0
    started+=("$pid")
    until [ -d "$work/run/$expected_home/WorkingDir/CONSISTENCYCHECK" ] || [ $tries -ge 240 ]; do
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.5
        tries=$((tries + 1))
    done
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    (cd "$work/run" && find . -mindepth 1 ! -name output.txt | sort) > "$work/listing.txt"
}

check_home_folder() {
    local listing wanted
    wanted=$'./home\n./home/.local\n./home/.local/share\n./home/.local/share/dirforge'
    wanted+=$'\n./home/.local/share/dirforge/WorkingDir'
    for sub in CONSISTENCYCHECK COPYFILES COPYFILESSIMUL RENAMEFILES RENAMEFILESSIMUL; do
        wanted+=$'\n'"./home/.local/share/dirforge/WorkingDir/$sub"
    done
    wanted+=$'\n./home/.local/share/dirforge/default.set\n./start'
    expected_home=home/.local/share/dirforge
    start_and_list
    listing=$(cat "$work/listing.txt")
    [ "$listing" = "$(sort <<< "$wanted")" ] ||
        fail "a start with only HOME set left: $listing $(cat "$work/run/output.txt")"

    expected_home=start/own
    start_and_list DIRFORGE_HOME=own
    listing=$(cat "$work/listing.txt")
    grep -qx './start/own/default.set' <<< "$listing" ||
        fail "a start with DIRFORGE_HOME=own left: $listing $(cat "$work/run/output.txt")"
    [ "$(grep -c '^./home/' <<< "$listing")" = 0 ] || fail "DIRFORGE_HOME set, yet HOME got: $listing"
}

check_files
check_desktop_files
check_mime_and_service_menu
check_man_pages
check_completion
check_versions
check_home_folder
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the install tree failed" >&2
    exit 1
fi
echo "install tree: every check passed"
