#!/usr/bin/env bash
# Installs the game as a player would get it and plays it there: the tree installed under a staging prefix,
# moved elsewhere and made read-only; the game started from it saves a game, which must land in the
# player's data folder of a temporary HOME. Then the desktop files are validated and the Debian package
# is checked for its files and dependencies.
#   installed_game.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "installed_game: $*" >&2; exit 1; }

# Installed under one prefix, then moved: the game must find its data relative to its executable.
DESTDIR= cmake --install "$build" --prefix "$work/staged/usr" > /dev/null
mv "$work/staged" "$work/moved"
tree=$work/moved/usr
chmod -R a-w "$tree"
# The sound effects' module where the executable looks for it.
compgen -G "$tree/lib*/pivolet/pivolet-clips.so" > /dev/null ||
    compgen -G "$tree/lib/*/pivolet/pivolet-clips.so" > /dev/null || fail "the installed tree lacks the sound effects' module"

desktop-file-validate "$tree/share/applications/org.brambleworks.Pivolet.desktop"
appstreamcli validate --no-net "$tree/share/metainfo/org.brambleworks.Pivolet.metainfo.xml" > /dev/null

# Root may write anywhere, so as root the game runs as nobody, for whom the installed tree is read-only.
player=()
home=$work/home
mkdir -p "$home" "$work/runtime" "$work/config/Brambleworks/Pivolet"
chmod 700 "$work/runtime"
printf '[common]\ntongue=0\nsound=0\nmusic=0\npatmode=0\n' > "$work/config/Brambleworks/Pivolet/V3.ini"
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home" "$work/runtime" "$work/config"
    player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# Xvfb picks a free display itself and names it once it accepts clients, however loaded the machine is.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
xvfb=$!
for _ in $(seq 600); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb ended before it named its display"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb named no display within 60 s"
display=:$(head -n 1 "$work/display")
export DISPLAY=$display

env -i PATH=/usr/bin:/bin DISPLAY="$display" HOME="$home" XDG_CONFIG_HOME="$work/config" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "${player[@]}" "$tree/bin/pivolet" > "$work/game.log" 2>&1 &
game=$!

# The window of the given size, once it is shown.
window_of_size() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
            xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && { echo "$id"; return; }
        done
        sleep 0.1
    done
    import -window root "${PIVOLET_INSTALL_SHOT:-/dev/null}" 2>/dev/null || true
    fail "no window of size $1 appeared; the game said: $(cat "$work/game.log")"
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

# The window opens in steps from its centre and takes no clicks until it is whole: wait until its picture
# stops changing, however slowly a loaded machine draws it.
settled() {
    local last= now
    for _ in $(seq 150); do
        now=$(xwd -silent -id "$1" | md5sum)
        [ "$now" = "$last" ] && { sleep 0.3; return; }
        last=$now
        sleep 0.2
    done
    fail "window $1 never stopped changing"
}

main=$(window_of_size 909x576)
settled "$main"
click "$main" 189 31                   # a tip: the game now has progress to save
click "$main" 882 31                   # exit
click "$(window_of_size 319x158)" 280 120   # yes, quit
save=$(window_of_size 357x187)
xdotool mousemove --window "$save" 180 90 click 1 type --delay 20 "ci-game"
click "$save" 316 147                  # save under that name
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after saving"

saved=$home/.local/share/Brambleworks/Pivolet/games/ci-game.pvg
[ -f "$saved" ] || fail "no saved game at $saved; files: $(find "$home" "$tree" -name '*.pvg')"
[ "$(stat -c %s "$saved")" -eq 3000 ] || fail "the saved game is not 3000 bytes"
grep -q '^game=ci-game$' "$work/config/Brambleworks/Pivolet/V3.ini" || fail "the settings do not name the game"

# The package: its files and the dependencies the library scan cannot see.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/package/pivolet_3.1*_amd64.deb)
files=$(dpkg-deb -c "$deb")
for f in usr/bin/pivolet usr/bin/pivo-catalogue usr/share/pivolet/pivo.dat usr/share/pivolet/rules-en.html \
         usr/share/applications/org.brambleworks.Pivolet.desktop usr/share/metainfo/org.brambleworks.Pivolet.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.brambleworks.Pivolet.svg \
         usr/share/icons/hicolor/16x16/apps/org.brambleworks.Pivolet.png usr/share/man/man6/pivolet.6.gz; do
    grep -q " \./$f\$" <<< "$files" || fail "the package lacks $f"
done
grep -q " \./usr/lib/.*pivolet/pivolet-clips\.so\$" <<< "$files" || fail "the package lacks the clip module"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libfluidsynth3 timgm6mb-soundfont fonts-liberation libqt6widgets6 libqt6multimedia6 libqt6svg6; do
    grep -q "$d" <<< "$depends" || fail "the package does not depend on $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
echo "installed game saved to the player's folder; package $(basename "$deb") holds its files"
