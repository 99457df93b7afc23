#!/bin/bash
# The job list of a folder holding a hostile name, run by GNU parallel on two
# simulated hosts: a stand-in for ssh runs each command locally, in a working
# folder of the host's own, and every host writes to one shared output
# folder. Every output must be a valid file, the hostile name converted, and
# nothing the name spells out executed.
# Usage: print_jobs_parallel_test.sh TAVOCLIP_BATCH
set -u
batch=$1
for tool in parallel ffmpeg ffprobe perl; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$(dirname "$batch")/data/conv" ] || { echo "SKIP: the converter has not been built"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$work/sources" "$work/out" "$work/hosts/one" "$work/hosts/two"

hostile="-x 'q' \"d\" \$(touch pwned) ; touch pwned2 \`touch pwned3\` été"
ffmpeg -v error -f lavfi -i testsrc=duration=1:size=160x120:rate=10 -f lavfi -i sine=duration=1 \
  -shortest -y "$work/sources/plain.avi" || fail "could not make a clip"
cp "$work/sources/plain.avi" "$work/sources/$hostile.avi"
cp "$work/sources/plain.avi" "$work/sources/two words.avi"
cp "$work/sources/plain.avi" "$work/sources/plain.mp4"   # same base name as plain.avi

cd "$work" || exit 1
"$batch" --print-jobs -f MP3 -o "$work/out" "$work/sources" > jobs.txt 2> errors.txt
status=$?
[ "$status" -eq 0 ] || fail "--print-jobs exited with $status: $(cat errors.txt)"
[ "$(wc -l < jobs.txt)" -eq 4 ] || fail "expected 4 job lines, got: $(cat jobs.txt)"

# ssh HOST -- COMMAND...: the remote shell runs COMMAND in the host's folder.
# A login over ssh always sets SHELL, and parallel's remote worker runs each
# job with it, so the stand-in sets it too (CI may start us without one).
cat > fake-ssh <<'SSH'
#!/bin/sh
export SHELL="${SHELL:-/bin/sh}"
host=$1
shift
[ "$1" = "--" ] && shift
cd "$TAVOCLIP_TEST_HOSTS/$host" || exit 255
exec /bin/sh -c "$*"
SSH
chmod +x fake-ssh

TAVOCLIP_TEST_HOSTS="$work/hosts" timeout 300 parallel --will-cite --ssh "$work/fake-ssh" -S 1/one,1/two \
  --joblog "$work/jobs.tsv" < jobs.txt > parallel.out 2>&1 || fail "parallel failed: $(cat parallel.out)"

# The job log: a header and one row per job, each with exit value 0, spread
# over both hosts.
[ "$(tail -n +2 jobs.tsv | wc -l)" -eq 4 ] || fail "job log: $(cat jobs.tsv)"
tail -n +2 jobs.tsv | awk -F'\t' '$7 != 0 || $8 != 0 { bad = 1 } END { exit bad }' || fail "a job failed: $(cat jobs.tsv)"

expected=("-x 'q' \"d\" \$(touch pwned) ; touch pwned2 \`touch pwned3\` été.mp3" "two words.mp3" "plain.mp3" "plain (2).mp3")
for name in "${expected[@]}"; do
  [ -s "out/$name" ] || fail "missing output: $name (have: $(ls out))"
  duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "out/$name") || fail "ffprobe refused $name"
  awk -v d="$duration" 'BEGIN { exit !(d > 0.5 && d < 1.5) }' || fail "$name lasts $duration s"
done
[ "$(ls out | wc -l)" -eq 4 ] || fail "unexpected outputs: $(ls -a out)"

found=$(find "$work" -name 'pwned*')
[ -z "$found" ] || fail "the name was executed: $found"
echo "PASS"
