#!/usr/bin/env bash
# Adds the editor of a program folder to this user's application menu, or removes exactly what an
# earlier install added (files still as written, folders it created once they are empty).
#   desktop-menu.sh install PROGRAM_FOLDER
#   desktop-menu.sh uninstall
# Writes only below $XDG_DATA_HOME (~/.local/share); nothing system-wide.
set -euo pipefail

id=org.tavik.Lumbrel
data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
manifest="$data_home/lumbrel/desktop-files"

say() { echo "desktop-menu: $*" >&2; }

# Creates a folder and records each level that did not exist, outermost first.
make_folder() {
    local rel="$1" path="" part
    local IFS=/
    for part in $rel; do
        path="${path:+$path/}$part"
        if [ ! -d "$data_home/$path" ]; then
            mkdir "$data_home/$path"
            echo "dir - $path" >>"$record"
        fi
    done
}

# "again": the install replaces its own earlier files and says nothing of it.
uninstall() {
    [ -f "$manifest" ] || { say "nothing to remove"; return 0; }
    local lines line kind sum rel target
    mapfile -t lines <"$manifest"
    for line in "${lines[@]}"; do
        read -r kind sum rel <<<"$line"
        [ "$kind" = file ] || continue
        target="$data_home/$rel"
        if [ ! -e "$target" ] && [ ! -L "$target" ]; then
            continue
        elif [ -L "$target" ] || [ ! -f "$target" ]; then
            say "kept $target: it is no longer the file that was added"
        elif [ "$(sha256sum <"$target" | cut -d' ' -f1)" = "$sum" ]; then
            rm -f -- "$target"
        else
            say "kept $target: it changed since it was added"
        fi
    done
    rm -f -- "$manifest"
    # Folders were recorded outermost first; they go innermost first, and only when empty.
    local i
    for ((i = ${#lines[@]} - 1; i >= 0; i--)); do
        read -r kind sum rel <<<"${lines[i]}"
        [ "$kind" = dir ] && { rmdir -- "$data_home/$rel" 2>/dev/null || true; }
    done
    [ "${1:-}" = again ] || say "removed the editor from the application menu"
}

install() {
    local share="$1/share"
    local entry="applications/$id.desktop"
    [ -f "$share/$entry" ] || { say "no desktop entry in $share (install the program folder first)"; exit 1; }
    [ ! -f "$manifest" ] || uninstall again
    local files=("$entry") icon
    for icon in "$share"/icons/hicolor/*/apps/"$id".png; do
        [ -f "$icon" ] && files+=("${icon#"$share"/}")
    done
    mkdir -p "$data_home"
    record="$(mktemp)"
    trap 'rm -f "$record"' EXIT
    make_folder lumbrel
    local rel target temp
    for rel in "${files[@]}"; do
        target="$data_home/$rel"
        if [ -L "$target" ] || { [ -e "$target" ] && [ ! -f "$target" ]; }; then
            say "left $target alone: it is not a plain file"
            continue
        fi
        make_folder "$(dirname "$rel")"
        temp="$(mktemp "$target.XXXXXX")"
        cp -- "$share/$rel" "$temp"
        chmod 644 "$temp"
        mv -f -- "$temp" "$target"
        echo "file $(sha256sum <"$target" | cut -d' ' -f1) $rel" >>"$record"
    done
    temp="$(mktemp "$manifest.XXXXXX")"
    cp -- "$record" "$temp"
    mv -f -- "$temp" "$manifest"
    say "added $data_home/$entry"
}

case "${1:-}" in
install) [ $# -eq 2 ] || { say "usage: $0 install PROGRAM_FOLDER"; exit 2; }; install "$2" ;;
uninstall) uninstall ;;
*) say "usage: $0 install PROGRAM_FOLDER | uninstall"; exit 2 ;;
esac
