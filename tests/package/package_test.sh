#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the unpacked program in a
# fresh home, as a user's first start after installing: the window opens, the data folder gets the
# shipped settings, and ending the program writes them back.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

package="$("$root_dir/scripts/package" | tail -n 1)"
[ -f "$package" ] || { echo "FAIL: no package was built" >&2; exit 1; }
case "$(basename "$package")" in
    kavren_*_amd64.deb) ;;
    *) echo "FAIL: unexpected package name $(basename "$package")" >&2; exit 1 ;;
esac
depends="$(dpkg-deb -f "$package" Depends)"
echo "Depends: $depends"
grep -q "libqt6widgets6" <<<"$depends" || { echo "FAIL: the Qt libraries are not among the dependencies" >&2; exit 1; }

work="$(mktemp -d)"
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

dpkg-deb -x "$package" "$work/root"
for file in usr/bin/kavren usr/share/kavren/def4.txt usr/share/applications/org.kavren.Kavren.desktop \
            usr/share/icons/hicolor/scalable/apps/org.kavren.Kavren.svg \
            usr/share/metainfo/org.kavren.Kavren.metainfo.xml; do
    [ -f "$work/root/$file" ] || { echo "FAIL: the package lacks /$file" >&2; exit 1; }
done

mkdir -p "$work/home"
settings="$work/home/.local/share/kavren/def4.txt"
env -u XDG_DATA_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen \
    "$work/root/usr/bin/kavren" 2> "$work/stderr" &
program_pid=$!
for _ in $(seq 1 300); do
    [ -f "$settings" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
[ -f "$settings" ] || { cat "$work/stderr" >&2; echo "FAIL: the data folder got no def4.txt" >&2; exit 1; }
cmp "$settings" "$work/root/usr/share/kavren/def4.txt" ||
    { echo "FAIL: def4.txt of the data folder is not the shipped one" >&2; exit 1; }
# An old date on the file shows whether the program writes it back when it ends.
touch -d "2000-01-01" "$settings"
sleep 1
kill -0 "$program_pid" 2>/dev/null || { cat "$work/stderr" >&2; echo "FAIL: the program did not stay open" >&2; exit 1; }
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || { cat "$work/stderr" >&2; echo "FAIL: the program ended with status $status" >&2; exit 1; }
[ "$(stat -c %Y "$settings")" -gt "$(date -d 2000-01-02 +%s)" ] ||
    { echo "FAIL: ending the program did not write def4.txt back" >&2; exit 1; }
echo "1 passed, 0 failed"
