#!/bin/sh
# Memory and throughput of the ZIP component, in one run:
#  1. storing a 2 GiB (sparse) file, at level 0 and at level 9 with a password, and extracting it again,
#     must keep the process under 100 MB resident;
#  2. compression throughput per file against Info-ZIP "zip -9" on the same files, as a ratio.
# Usage: bench/zip/run.sh [build-dir]
#   The default build dir is build-zip-bench, a Release build without sanitizers (they inflate memory).
#   ORVO_BENCH_ZIP64=1 also stores a 5 GiB sparse file, which needs ZIP64, and has unzip test it.
set -eu

BRON=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$BRON/build-zip-bench}
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$BRON" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVO_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$BUILD" --target zipbench -j2 >/dev/null
ZB=$(find "$BUILD" -name zipbench -type f -perm -u+x | head -n 1)
[ -x "$ZB" ] || { echo "zipbench not built" >&2; exit 1; }
command -v zip >/dev/null && command -v unzip >/dev/null || { echo "Info-ZIP zip and unzip are needed" >&2; exit 1; }

WERK=$(mktemp -d "${TMPDIR:-/tmp}/orvo-zipbench.XXXXXX")
trap 'rm -rf "$WERK"' EXIT INT TERM
GRENS_KB=102400
FOUT=0

nu() { date +%s.%N; }

# zipbench prints "seconds peak-KiB error-code".
geheugen() { # label, then the zipbench arguments
    label=$1; shift
    regel=$("$ZB" "$@") || { echo "FOUT  $label: $regel" >&2; FOUT=1; return; }
    set -- $regel
    oordeel=OK
    [ "$2" -gt 0 ] && [ "$2" -lt "$GRENS_KB" ] || { oordeel="TE VEEL"; FOUT=1; }
    printf '%-44s %8.1f s  %7.1f MB resident  %s\n' "$label" "$1" "$(awk -v k="$2" 'BEGIN { print k / 1024 }')" "$oordeel"
}

echo "== Geheugen: 2 GiB bestand (sparse), grens 100 MB resident"
truncate -s 2G "$WERK/groot.bin"
geheugen "opslaan, niveau 0" opslaan "$WERK/groot.bin" "$WERK/groot0.zip" 0
unzip -tqq "$WERK/groot0.zip" || { echo "unzip -t: groot0.zip is niet in orde" >&2; FOUT=1; }
rm -f "$WERK/groot0.zip"
geheugen "opslaan, niveau 9, wachtwoord" opslaan "$WERK/groot.bin" "$WERK/groot9.zip" 9 Geheim
unzip -tqq -P Geheim "$WERK/groot9.zip" || { echo "unzip -t: groot9.zip is niet in orde" >&2; FOUT=1; }
geheugen "uitpakken, niveau 9, wachtwoord" uitpakken "$WERK/groot9.zip" "$WERK/uit" Geheim
cmp -s "$WERK/groot.bin" "$WERK/uit/groot.bin" || { echo "uitgepakt bestand wijkt af" >&2; FOUT=1; }
rm -rf "$WERK/groot9.zip" "$WERK/uit" "$WERK/groot.bin"

if [ "${ORVO_BENCH_ZIP64:-0}" = 1 ]; then
    echo "== ZIP64: 5 GiB bestand (sparse)"
    truncate -s 5G "$WERK/zip64.bin"
    geheugen "opslaan, niveau 9" opslaan "$WERK/zip64.bin" "$WERK/zip64.zip" 9
    unzip -tqq "$WERK/zip64.zip" || { echo "unzip -t: zip64.zip is niet in orde" >&2; FOUT=1; }
    unzip -v "$WERK/zip64.zip" | grep -q 5368709120 || { echo "unzip -v toont de grootte niet" >&2; FOUT=1; }
    rm -f "$WERK/zip64.bin" "$WERK/zip64.zip"
fi

echo "== Doorvoer per bestand, niveau 9, tegen zip -9 (MB/s; verhouding > 1 is sneller dan zip)"
/usr/bin/python3 - "$WERK/tekst.txt" <<'PY'
import random, sys
random.seed(3)
woorden = ("de het een van en in is dat op te zijn met voor niet aan er maar om ook als dan bij nog "
           "back-up bestand map schijf archief wachtwoord compressie server verslag").split()
with open(sys.argv[1], "w") as f:
    geschreven = 0
    while geschreven < 16 * 1024 * 1024:
        regel = " ".join(random.choice(woorden) for _ in range(12)) + " %d\r\n" % random.randrange(100000)
        f.write(regel)
        geschreven += len(regel)
PY
head -c 16M /dev/urandom > "$WERK/willekeurig.bin"
find /usr/lib/x86_64-linux-gnu /usr/lib -maxdepth 1 -type f -name '*.so*' 2>/dev/null | sort | xargs cat 2>/dev/null \
    | head -c 16M > "$WERK/programmas.bin" || true

printf '%-16s %9s %11s %11s %11s %11s %8s\n' bestand MB orvo-MB/s zip-MB/s orvo-KB zip-KB verhouding
for f in tekst.txt willekeurig.bin programmas.bin; do
    pad="$WERK/$f"
    [ -s "$pad" ] || continue
    grootte=$(stat -c %s "$pad")
    rm -f "$WERK/o.zip" "$WERK/z.zip"
    regel=$("$ZB" opslaan "$pad" "$WERK/o.zip" 9) || { echo "FOUT $f" >&2; FOUT=1; continue; }
    orvo_s=$(echo "$regel" | cut -d' ' -f1)
    t0=$(nu); zip -q -9 -j "$WERK/z.zip" "$pad"; t1=$(nu)
    zip_s=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
    echo "$f $grootte $orvo_s $zip_s $(stat -c %s "$WERK/o.zip") $(stat -c %s "$WERK/z.zip")" | awk '{
        mb = $2 / 1048576; o = mb / $3; z = mb / $4;
        printf "%-16s %9.1f %11.1f %11.1f %11.0f %11.0f %8.2f\n", $1, mb, o, z, $5 / 1024, $6 / 1024, o / z }'
done
rm -f "$WERK/o.zip" "$WERK/z.zip"

[ "$FOUT" = 0 ] && echo "== Geslaagd" || echo "== Mislukt"
exit "$FOUT"
