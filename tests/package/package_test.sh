#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the unpacked program in a
# fresh home, as a user's first start after installing: the window opens, the data folder gets the
# shipped settings, and ending the program writes them back. Before that it checks Debian's
# conventions: the copyright file, the manual page (read by man with its warnings on) and
# `kavren --version`.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root_dir/scripts/setup.sh"
kavren_install_missing man-db

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
for file in usr/bin/kavren usr/share/kavren/def4.txt usr/share/applications/org.kavren.kavren.desktop \
            usr/share/icons/hicolor/scalable/apps/org.kavren.kavren.svg \
            usr/share/metainfo/org.kavren.kavren.metainfo.xml usr/share/doc/kavren/copyright \
            usr/share/doc/kavren/manual.html usr/share/man/man1/kavren.1.gz; do
    [ -f "$work/root/$file" ] || { echo "FAIL: the package lacks /$file" >&2; exit 1; }
done

# The copyright file in Debian's machine-readable format: its header, then a paragraph for all
# files and the text of each licence named.
copyright="$work/root/usr/share/doc/kavren/copyright"
head -n 1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    { echo "FAIL: the copyright file does not name its format" >&2; exit 1; }
grep -qx "Files: \*" "$copyright" || { echo "FAIL: the copyright file has no paragraph for all files" >&2; exit 1; }
while read -r licence; do
    awk -v name="License: $licence" 'taken && /^ / {found = 1} {taken = ($0 == name)} END {exit !found}' \
        "$copyright" || { echo "FAIL: the copyright file lacks the text of the licence $licence" >&2; exit 1; }
done < <(sed -n 's/^License: //p' "$copyright" | sort -u)

# The manual page reads without a warning of man and groff.
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man1/kavren.1.gz" 2>&1 >/dev/null)"
[ -z "$warnings" ] || { echo "$warnings" >&2; echo "FAIL: the manual page has warnings" >&2; exit 1; }

# The version on the terminal is the package's, and needs no display.
version="$(env QT_QPA_PLATFORM=no-such-display "$work/root/usr/bin/kavren" --version)"
[ "$version" = "kavren $(dpkg-deb -f "$package" Version)" ] ||
    { echo "FAIL: kavren --version says \"$version\", the package is $(dpkg-deb -f "$package" Version)" >&2; exit 1; }

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
