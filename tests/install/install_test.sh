#!/usr/bin/env bash
# Installs a build into a fresh prefix and starts the installed program:
# the files a desktop needs are in place, the program starts from bin/, and a
# player who cannot write the program folder gets the tables in his own folder.
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
cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/lib/tarvello
[ -L "$prefix/bin/tarvello" ] || fail "bin/tarvello is not a link"
[ "$(readlink -f "$prefix/bin/tarvello")" = "$(readlink -f "$program/tarvello")" ] ||
    fail "bin/tarvello does not lead to the program folder"
[ -x "$program/tarvello" ] || fail "no executable"
for f in armortypes races defensefactor move meleeweapons missileweapons extraitems \
         commandskill greenattackroll lineattackroll eliteattackroll; do
    [ -f "$program/$f.skv" ] || fail "missing table $f.skv"
done
for f in lib/tarvello/readme.txt lib/tarvello/figures/knight_hero.tvf lib/tarvello/figures/border_guard.tva \
         lib/tarvello/pictures/hero.bmp share/applications/tarvello.desktop share/metainfo/tarvello.metainfo.xml \
         share/mime/packages/tarvello.xml share/icons/hicolor/scalable/apps/tarvello.svg \
         share/icons/hicolor/48x48/apps/tarvello.png share/icons/hicolor/256x256/apps/tarvello.png; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/tarvello.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    # The program has no domain name of its own for a reverse-DNS id.
    appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
        "$prefix/share/metainfo/tarvello.metainfo.xml" >/dev/null || fail "metainfo"
fi

# Starts the installed program with a figure on its command line; it must
# still be running (at its splash) a few seconds later. Prints its pid.
start() {
    local home=$1; shift
    mkdir -p "$home"
    env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen HOME="$home" \
        XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home" \
        "$@" "$prefix/bin/tarvello" "$program/figures/knight_hero.tvf" >"$home/log" 2>&1 &
    echo $!
}
pid=$(start "$work/root")
pids+=("$pid")
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/root/log"; fail "the installed program did not keep running"; }
[ ! -e "$work/root/data/tarvello" ] || fail "a writable program folder was copied"

# A player who cannot write the program folder (needs root to act as nobody).
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    chmod -R a+rX "$work"
    install -d -o 65534 -g 65534 "$work/player"
    pid=$(start "$work/player" setpriv --reuid=65534 --regid=65534 --clear-groups)
    pids+=("$pid")
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        [ -f "$work/player/data/tarvello/races.skv" ] && break
        sleep 0.5
    done
    for f in races.skv eliteattackroll.skv readme.txt figures/knight_hero.tvf; do
        cmp -s "$program/$f" "$work/player/data/tarvello/$f" || fail "player folder lacks $f"
    done
    kill -0 "$pid" 2>/dev/null || { cat "$work/player/log"; fail "the player's program did not keep running"; }
    echo "checked: player copy"
fi
echo "1 passed, 0 failed"
