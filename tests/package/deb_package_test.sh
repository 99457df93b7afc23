#!/usr/bin/env bash
# Makes the Debian package from the build folder into a temporary folder and
# checks it: it holds exactly what `cmake --install` lays out under /usr and
# nothing else, its Depends come from the shared libraries (dpkg-shlibdeps)
# and name ffmpeg, and apt accepts it (the apt part needs root and is skipped
# with a message otherwise).
# Usage: deb_package_test.sh BUILD_FOLDER DESKTOP_ID
set -u
build=$1
desktop_id=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (packages dpkg-dev, cmake)"; exit 77; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail=0
check() { # message, condition...
  local what=$1; shift
  "$@" || { echo "FAIL: $what"; fail=1; }
}

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out") >"$scratch/cpack.log" 2>&1 ||
  { echo "FAIL: cpack"; cat "$scratch/cpack.log"; exit 1; }
debs=("$scratch"/out/tavoclip_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single tavoclip_*.deb"; ls "$scratch/out"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg --print-architecture)
check "package file name $(basename "$deb")" [ "$(basename "$deb")" = "tavoclip_${version}_${arch}.deb" ]

# The package's files against a plain install under /usr.
DESTDIR=$scratch/staged cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  { echo "FAIL: cmake --install"; cat "$scratch/install.log"; exit 1; }
(cd "$scratch/staged" && find . ! -type d | sort) >"$scratch/installed.txt"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$scratch/packed.txt"
if ! diff -u "$scratch/installed.txt" "$scratch/packed.txt"; then
  echo "FAIL: the package's files differ from what cmake --install lays out (- installed, + packed)"
  fail=1
fi
check "files outside /usr" [ -z "$(grep -v '^\./usr/' "$scratch/packed.txt")" ]
for file in ./usr/bin/tavoclip ./usr/bin/tavoclip-batch ./usr/bin/tavoclip-conv ./usr/lib/tavoclip/data/conv \
            "./usr/share/applications/$desktop_id.desktop" "./usr/share/metainfo/$desktop_id.metainfo.xml"; do
  check "$file in the package" grep -qxF "$file" "$scratch/packed.txt"
done
# The commands are links into the program folder, which the programs find
# their data through.
mkdir "$scratch/unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
check "tavoclip-conv runs the converter" \
  [ "$(readlink -f "$scratch/unpacked/usr/bin/tavoclip-conv")" = "$scratch/unpacked/usr/lib/tavoclip/data/conv" ]
check "tavoclip links into the program folder" \
  [ "$(readlink -f "$scratch/unpacked/usr/bin/tavoclip")" = "$scratch/unpacked/usr/lib/tavoclip/tavoclip" ]

# Depends: ffmpeg, and libraries found by dpkg-shlibdeps rather than typed in.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for wanted in ffmpeg libc6 libqt6widgets6 libqt6network6; do
  check "Depends names $wanted" grep -qE "(^|, )$wanted( |,|$)" <<<"$depends"
done

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP (apt part): apt-get install --simulate needs root; the rest passed checks above"
elif ! apt-get install --simulate "$deb" >"$scratch/apt.log" 2>&1; then
  echo "FAIL: apt-get install --simulate refused the package"
  cat "$scratch/apt.log"
  fail=1
elif ! grep -q '^Inst tavoclip ' "$scratch/apt.log"; then
  echo "FAIL: apt-get --simulate does not install tavoclip"
  cat "$scratch/apt.log"
  fail=1
fi

[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
