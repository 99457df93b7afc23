#!/bin/bash
# Converting into a folder that compares names without regard to case (a
# FUSE passthrough that folds case and shows fixed modes it will not change,
# as FAT, exFAT and SMB shares do): every file converts there, two
# sources whose names differ only in case give two outputs, a file already
# there under another case is kept, and the dry run plans the names the real
# run writes.
# Usage: case_folding_test.sh TAVOCLIP_BATCH CASEFOLD_FS_PY
set -u
batch=$1
casefold=$2
[ -x "$(dirname "$batch")/data/conv" ] || { echo "SKIP: the converter has not been built"; exit 77; }
command -v fusermount3 >/dev/null || { echo "SKIP: fuse3 is not installed"; exit 77; }
/usr/bin/python3 -c 'import fusepy' 2>/dev/null || { echo "SKIP: python3-fusepy is not installed"; exit 77; }
[ -c /dev/fuse ] || { echo "SKIP: no /dev/fuse"; exit 77; }

work=$(mktemp -d)
cleanup() {
  fusermount3 -u "$work/folded" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$work/backing" "$work/folded" "$work/in"

/usr/bin/python3 "$casefold" "$work/backing" "$work/folded" 2> "$work/fuse.log" &
for _ in $(seq 100); do
  mountpoint -q "$work/folded" && break
  kill -0 $! 2>/dev/null || break
  sleep 0.1
done
mountpoint -q "$work/folded" || { echo "SKIP: cannot mount FUSE here: $(cat "$work/fuse.log")"; exit 77; }

for name in Song.flv song.mp4 talk.flv; do
  ffmpeg -nostdin -v error -f lavfi -i sine=duration=1 -y "$work/in/$name" || fail "could not make $name"
done
echo "the user's file" > "$work/backing/TALK.mp3"

# $1: the expected outputs, one per line, in the order of the sources.
check() {
  local args=(-f MP3 -o "$work/folded" "$work/in/Song.flv" "$work/in/song.mp4" "$work/in/talk.flv")
  local planned done
  planned=$("$batch" -n "${args[@]}" | sed -n 's/.* "\(.*\)"$/\1/p')
  done=$("$batch" "${args[@]}" | sed -n 's/^DONE .* -> //p')
  [ "$planned" = "$1" ] || fail "planned: $planned"
  [ "$done" = "$1" ] || fail "written: $done"
}
check "$work/folded/Song.mp3
$work/folded/song (2).mp3
$work/folded/talk (2).mp3"
[ "$(cat "$work/backing/TALK.mp3")" = "the user's file" ] || fail "TALK.mp3 was replaced"
# The converter alone, told a name that is taken under another case: this
# passthrough cannot rename without replacing, so the converter's fallback
# (a hard link) finds the name taken and takes the next number.
said=$("$(dirname "$batch")/data/conv" -i "$work/in/song.mp4" -y -vn -ab 64k "$work/folded/SONG (2).mp3" 2>&1)
[ "$(printf '%s\n' "$said" | tail -n 1)" = "conv: wrote $work/folded/SONG (3).mp3" ] || fail "conv said: $said"
[ "$(ls "$work/backing" | wc -l)" -eq 5 ] || fail "expected 5 files: $(ls "$work/backing")"
echo "PASS"
