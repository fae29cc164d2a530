#!/bin/sh
# Opening a folder of 20,000 entries in the selection tree (5,000 sub-folders, half of them holding a
# file, and 15,000 files with mixed case) must take under two seconds, listing, probing, sorting, building
# the nodes and painting the view included.
# Usage: bench/sets/run.sh [build-dir]
#   The default build dir is build-sets-bench, a Release build without sanitizers.
set -eu

BRON=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$BRON/build-sets-bench}
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$BRON" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVO_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$BUILD" --target boombench -j2 >/dev/null
BB=$(find "$BUILD" -name boombench -type f -perm -u+x | head -n 1)
[ -x "$BB" ] || { echo "boombench not built" >&2; exit 1; }

WERK=$(mktemp -d "${TMPDIR:-/tmp}/orvo-boombench.XXXXXX")
trap 'rm -rf "$WERK"' EXIT INT TERM
/usr/bin/python3 - "$WERK/groot" <<'PY'
import os, random, sys
random.seed(5)
wortel = sys.argv[1]
os.mkdir(wortel)
for i in range(5000):
    m = os.path.join(wortel, "%s Map %05d" % (random.choice(["a", "B", "ç", "Z"]), i))
    os.mkdir(m)
    if i % 2 == 0:
        open(os.path.join(m, "inhoud.txt"), "w").close()
for i in range(15000):
    naam = "%s_bestand_%05d.%s" % (random.choice(["foto", "Foto", "ÉÉN", "tekst"]), i, random.choice(["jpg", "TXT", "pdf"]))
    open(os.path.join(wortel, naam), "w").close()
PY
sync
GRENS=2.0
FOUT=0
for ronde in 1 2 3; do
    regel=$(QT_QPA_PLATFORM=offscreen "$BB" "$WERK/groot") || { echo "boombench faalde: $regel" >&2; FOUT=1; continue; }
    set -- $regel
    oordeel=OK
    awk -v t="$2" -v g="$GRENS" 'BEGIN { exit !(t < g) }' || { oordeel="TE TRAAG"; FOUT=1; }
    printf 'ronde %d: %s entries, lijst+probe+sorteer %6.3f s, openen in de boom %6.3f s  %s\n' "$ronde" "$3" "$1" "$2" "$oordeel"
done
[ "$FOUT" = 0 ] && echo "== Geslaagd (grens $GRENS s)" || echo "== Mislukt (grens $GRENS s)"
exit "$FOUT"
