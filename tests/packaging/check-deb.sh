#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks it the way a desktop
# and apt see it: the exact list of installed files, their owner and modes, the control fields
# and declared dependencies, the desktop entry and icons, the man page against the program's
# own --help, and that the packaged programs run.
#
# Usage: check-deb.sh CPACK BUILD_DIR VERSION WITH_WINDOW(0|1)
set -euo pipefail

cpack=$1
build=$2
version=$3
window=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack did not build the package" >&2
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/zenoku-sim_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one zenoku-sim_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# 1. Exactly these files, nothing else (no headers, libraries, test programs or /usr/local).
expected=(
    ./usr/bin/zenoku-sim-cli
    ./usr/share/doc/zenoku-sim/README.md
    ./usr/share/doc/zenoku-sim/copyright
    ./usr/share/man/man1/zenoku-sim-cli.1.gz
)
if [ "$window" = 1 ]; then
    expected+=(
        ./usr/bin/zenoku-sim
        ./usr/share/applications/zenoku-sim.desktop
        ./usr/share/icons/hicolor/128x128/apps/zenoku-sim.png
        ./usr/share/icons/hicolor/32x32/apps/zenoku-sim.png
        ./usr/share/icons/hicolor/scalable/apps/zenoku-sim.svg
    )
fi
dpkg-deb -c "$deb" >"$work/contents"
actual=$(awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "package files differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") | sed 's/^/    /' >&2 || true
fi
awk '$2 != "root/root" {print "FAIL: not owned by root: " $6; bad=1} END {exit bad}' \
    "$work/contents" >&2 || failures=$((failures + 1))
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print "FAIL: directory mode " $1 " " $6; bad=1}
     $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" {print "FAIL: program mode " $1 " " $6; bad=1}
     $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" {print "FAIL: file mode " $1 " " $6; bad=1}
     END {exit bad}' "$work/contents" >&2 || failures=$((failures + 1))

# 2. Control fields and the declared dependencies.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zenoku-sim ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not '$version'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" == *@* ]] || fail "Maintainer '$(field Maintainer)' has no mail address"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
needed=(libc6 libstdc++6)
if [ "$window" = 1 ]; then
    needed+=(libqt6core6 libqt6gui6 libqt6widgets6 libqcustomplot2.1-qt6 qt6-qpa-plugins
        fonts-ipafont-gothic fonts-ipafont-mincho)
fi
for package in "${needed[@]}"; do
    # A whole name in the comma-separated list, with or without a version constraint.
    grep -Eq "(^|, *)$(printf '%s' "$package" | sed 's/[.+]/\\&/g')( |,|$)" <<<"$depends" ||
        fail "Depends does not declare $package"
done

# 3. The programs run from the unpacked package (stripped, nothing missing).
dpkg-deb -x "$deb" "$work/root"
cli=$work/root/usr/bin/zenoku-sim-cli
"$cli" --help >"$work/help" || fail "zenoku-sim-cli --help exited with $?"
grep -q '^Usage:' "$work/help" || fail "zenoku-sim-cli --help prints no usage"
"$cli" play --seed 1 --level 6 --plays 1000 --out "$work/run.sim" >/dev/null ||
    fail "zenoku-sim-cli play failed"
[ -s "$work/run.sim" ] || fail "zenoku-sim-cli play wrote no .sim file"

# 4. The man page documents every option the program's help names.
man_text=$(gzip -dc "$work/root/usr/share/man/man1/zenoku-sim-cli.1.gz" | sed 's/\\-/-/g')
for option in $(grep -oE -- '--[a-z][a-z-]*' "$work/help" | sort -u); do
    grep -q -- "$option" <<<"$man_text" || fail "man page does not mention $option"
done

if [ "$window" = 1 ]; then
    # 5. The desktop entry names a packaged program and a packaged icon, in the game menu.
    entry=$work/root/usr/share/applications/zenoku-sim.desktop
    key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
    [ "$(key Name)" = "ゼノクsim" ] || fail "desktop Name is '$(key Name)'"
    [ "$(key Type)" = Application ] || fail "desktop Type is '$(key Type)'"
    exec_program=$(key Exec | awk '{print $1}')
    [ -x "$work/root/usr/bin/$exec_program" ] || fail "desktop Exec '$exec_program' is not a packaged program"
    icon=$(key Icon)
    [ -f "$work/root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "desktop Icon '$icon' has no scalable icon"
    [[ ";$(key Categories)" == *";Game;"* && ";$(key Categories)" == *";Simulation;"* ]] ||
        fail "desktop Categories '$(key Categories)' lack Game and Simulation"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
    fi
    # Each PNG has the size of the folder it sits in.
    for size in 32 128; do
        png=$work/root/usr/share/icons/hicolor/${size}x${size}/apps/zenoku-sim.png
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "icon in ${size}x${size} is $dims"
    done

    # 6. The window starts from the package and keeps running until stopped.
    status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/zenoku-sim" >"$work/window.log" 2>&1 ||
        status=$?
    if [ "$status" -ne 124 ]; then
        cat "$work/window.log" >&2
        fail "zenoku-sim ended on its own with exit code $status instead of running"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
