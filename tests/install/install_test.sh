#!/usr/bin/env bash
# Installs a build into a fresh prefix and starts the installed program as a
# new player (a fresh HOME): the files a desktop needs are in place and known
# to its databases, the player's tables, readme and samples land in his own
# folder, the program folder is never written, and an edited table survives a
# second install.
set -euo pipefail
build=$1
work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$work/usr
program=$prefix/lib/tarvello
id=org.tarvello.Tarvello
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
[ -L "$prefix/bin/tarvello" ] || fail "bin/tarvello is not a link"
[ "$(readlink -f "$prefix/bin/tarvello")" = "$(readlink -f "$program/tarvello")" ] ||
    fail "bin/tarvello does not lead to the program folder"
[ -x "$program/tarvello" ] || fail "no executable"
tables="armortypes races defensefactor move meleeweapons missileweapons extraitems
        commandskill greenattackroll lineattackroll eliteattackroll"
for f in $tables; do
    [ -f "$program/$f.skv" ] || fail "missing table $f.skv"
done
for f in lib/tarvello/readme.txt lib/tarvello/installed.txt lib/tarvello/figures/knight_hero.tvf \
         lib/tarvello/figures/border_guard.tva lib/tarvello/pictures/hero.bmp \
         lib/tarvello/translations/tarvello_de.qm lib/tarvello/translations/tarvello_fr.qm \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/tarvello.xml share/icons/hicolor/scalable/apps/tarvello.svg \
         share/icons/hicolor/48x48/apps/tarvello.png share/icons/hicolor/256x256/apps/tarvello.png \
         share/man/man1/tarvello.1; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
[ "$(sed -n 2p "$program/figures/border_guard.tva")" = "$program/figures"$'\r' ] ||
    fail "the installed sample army does not name its figures' folder"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
        { cat "$work/appstream.log"; fail "metainfo"; }
fi

# The databases under the prefix know the file types, or the install says
# what to run.
if command -v update-mime-database >/dev/null; then
    [ -f "$prefix/share/mime/application/x-tarvello-figure.xml" ] || fail "MIME database not updated"
fi
if command -v update-desktop-database >/dev/null; then
    grep -q "^application/x-tarvello-army=$id.desktop" "$prefix/share/applications/mimeinfo.cache" ||
        fail "desktop database not updated"
    grep -q "^application/x-tarvello-army-pack=$id.desktop" "$prefix/share/applications/mimeinfo.cache" ||
        fail "army packs do not open in Tarvello"
fi
# A desktop session whose PATH lacks the prefix's bin: a .tvf is a Tarvello
# figure, and Tarvello is among the programs that open it.
if command -v gio >/dev/null && command -v update-mime-database >/dev/null; then
    session() { env -i PATH=/usr/bin:/bin XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS=/usr/share "$@"; }
    type=$(session gio info -a standard::content-type "$program/figures/knight_hero.tvf" | sed -n 's/.*content-type: //p')
    [ "$type" = application/x-tarvello-figure ] || fail "a .tvf is seen as '$type'"
    # GLib reads the desktop entries afresh each time; a busy machine has
    # been seen to miss them once, so the question is asked up to three times.
    for attempt in 1 2 3; do
        session gio mime application/x-tarvello-figure >"$work/gio.log" 2>&1 || true
        grep -q "^\s*$id.desktop" "$work/gio.log" && break
        [ "$attempt" = 3 ] && { cat "$work/gio.log"; fail "Tarvello does not open figures"; }
        sleep 1
    done
fi
env PATH=/nonexistent "$(command -v cmake)" --install "$build" --prefix "$work/bare" >"$work/bare.log" 2>&1
grep -q "update-mime-database was not found: .* run: update-mime-database $work/bare/share/mime" \
    "$work/bare.log" || { cat "$work/bare.log"; fail "no advice without update-mime-database"; }

# Starts the installed program as a player with home $1 and a figure on its
# command line; waits until his folder has the samples, then checks that the
# program still runs (at its splash).
start() {
    local home=$1
    mkdir -p "$home"
    env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen HOME="$home" XDG_RUNTIME_DIR="$home" \
        "$prefix/bin/tarvello" "$program/figures/knight_hero.tvf" >"$home/log" 2>&1 &
    pids+=($!)
    for _ in $(seq 20); do
        [ -f "$home/.local/share/tarvello/figures/war_wagon.tvf" ] && break
        sleep 0.5
    done
    sleep 1
    kill -0 "$!" 2>/dev/null || { cat "$home/log"; fail "the installed program did not keep running"; }
    kill "$!"
}
listing() { find "$program" -printf '%p %s %T@\n' | sort; ls -la --time-style=full-iso "$program"; }

home=$work/home
listing >"$work/before"
start "$home"
listing >"$work/after"
cmp -s "$work/before" "$work/after" || { diff "$work/before" "$work/after" || true; fail "the program folder was written"; }
mine=$home/.local/share/tarvello
for f in $tables; do
    cmp -s "$program/$f.skv" "$mine/$f.skv" || fail "the player's folder lacks $f.skv"
done
for f in readme.txt figures/knight_hero.tvf figures/war_wagon.tvf; do
    cmp -s "$program/$f" "$mine/$f" || fail "the player's folder lacks $f"
done
[ ! -e "$mine/installed.txt" ] && [ ! -e "$mine/tarvello" ] || fail "more than the player's files copied"

# The player's sample army names his figures folder, and it holds every
# figure of the army.
army=$mine/figures/border_guard.tva
[ "$(sed -n 2p "$army")" = "$mine/figures"$'\r' ] || fail "the sample army names $(sed -n 2p "$army")"
names=$(grep -h '^txtFigureName=' "$mine"/figures/*.tvf | tr -d '\r' | cut -d= -f2)
units=0
while IFS=';' read -r _ _ figure _; do
    grep -qxF "$figure" <<<"$names" || fail "the sample army's figure '$figure' is not listed"
    units=$((units + 1))
done < <(tail -n +4 "$army" | tr -d '\r')
[ "$units" -gt 0 ] || fail "the sample army has no units"

# The installed program's command line, with no display at all: a fresh
# player's folder is prepared as at a start, and its samples are up to date.
cli=$work/cli-home
mkdir -p "$cli"
env -i PATH=/usr/bin:/bin HOME="$cli" "$prefix/bin/tarvello" --check "$cli/.local/share/tarvello/figures" \
    >"$cli/log" 2>&1 || { cat "$cli/log"; fail "--check of the installed samples"; }
[ -f "$cli/.local/share/tarvello/figures/border_guard.tva" ] || fail "--check did not prepare the player's folder"


# An edited table survives a second install and the next start; a deleted one
# comes back.
printf 'Goblin;1;2;3\r\n' >>"$mine/races.skv"
cp "$mine/races.skv" "$work/edited"
rm "$mine/move.skv"
cmake --install "$build" --prefix "$prefix" >/dev/null 2>&1
start "$home"
cmp -s "$work/edited" "$mine/races.skv" || fail "the edited races.skv did not survive a reinstall"
cmp -s "$program/move.skv" "$mine/move.skv" || fail "a deleted table did not come back"
echo "1 passed, 0 failed"
