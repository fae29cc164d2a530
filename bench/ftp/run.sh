#!/bin/sh
# FTP upload throughput: 2,000 files of 1 KB sent with FTPPutFile over one connection, against one
# "curl -T" invocation sending the same files (active mode, like the program), as a ratio in one run.
# Both go to the same local pyftpdlib server. The goal is a ratio of at most 1.00 (no slower).
# ORVO_BENCH_FTP_AANTAL and ORVO_BENCH_FTP_RONDES change the number of files and of rounds.
# Usage: bench/ftp/run.sh [build-dir]
#   The default build dir is build-ftp-bench, a Release build without sanitizers.
set -eu

BRON=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$BRON/build-ftp-bench}
AANTAL=${ORVO_BENCH_FTP_AANTAL:-2000}
RONDES=${ORVO_BENCH_FTP_RONDES:-3}
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$BRON" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVO_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$BUILD" --target ftpbench -j2 >/dev/null
FB=$(find "$BUILD" -name ftpbench -type f -perm -u+x | head -n 1)
[ -x "$FB" ] || { echo "ftpbench not built" >&2; exit 1; }
command -v curl >/dev/null || { echo "curl is needed" >&2; exit 1; }

WERK=$(mktemp -d "${TMPDIR:-/tmp}/orvo-ftpbench.XXXXXX")
SERVER_PID=
opruimen() {
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
    rm -rf "$WERK"
}
trap opruimen EXIT INT TERM

mkdir -p "$WERK/bron" "$WERK/server"
/usr/bin/python3 - "$WERK/bron" "$AANTAL" <<'PY'
import os, sys
map_, n = sys.argv[1], int(sys.argv[2])
for i in range(n):
    with open(os.path.join(map_, "f%05d.bin" % i), "wb") as f:
        f.write(os.urandom(1024))
PY

/usr/bin/python3 -u "$BRON/tests/servers/ftp_server.py" --gebruiker bench bench "$WERK/server" >"$WERK/server.log" 2>&1 &
SERVER_PID=$!
POORT=
for _ in $(seq 1 100); do
    POORT=$(head -n 1 "$WERK/server.log" 2>/dev/null || true)
    [ -n "$POORT" ] && break
    sleep 0.1
done
[ -n "$POORT" ] || { echo "the FTP server did not start" >&2; exit 1; }

nu() { date +%s.%N; }

# Rounds alternate the two senders, so a busy moment of the machine does not favour one of them;
# the medians are compared.
LIJST=$(cd "$WERK/bron" && ls | paste -sd, -)
: >"$WERK/orvo.tijden"
: >"$WERK/curl.tijden"
for r in $(seq 1 "$RONDES"); do
    mkdir -p "$WERK/server/orvo$r" "$WERK/server/curl$r"
    set -- $("$FB" "127.0.0.1:$POORT" bench bench "$WERK/bron" "orvo$r")
    echo "$1" >>"$WERK/orvo.tijden"
    BEGIN=$(nu)
    (cd "$WERK/bron" && curl -s -S --ftp-port - -u bench:bench -T "{$LIJST}" "ftp://127.0.0.1:$POORT/curl$r/")
    awk -v b="$BEGIN" -v e="$(nu)" 'BEGIN { printf "%.3f\n", e - b }' >>"$WERK/curl.tijden"
    N_ORVO=$(ls "$WERK/server/orvo$r" | wc -l)
    N_CURL=$(ls "$WERK/server/curl$r" | wc -l)
    [ "$N_ORVO" -eq "$AANTAL" ] && [ "$N_CURL" -eq "$AANTAL" ] || { echo "files on the server: orvo $N_ORVO, curl $N_CURL" >&2; exit 1; }
    cmp -s "$WERK/bron/f00000.bin" "$WERK/server/orvo$r/f00000.bin" || { echo "orvo upload differs" >&2; exit 1; }
done
mediaan() { sort -n "$1" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
ORVO=$(mediaan "$WERK/orvo.tijden")
CURL=$(mediaan "$WERK/curl.tijden")

echo "== FTP upload, $AANTAL bestanden van 1 KB, actieve modus, lokale pyftpdlib (mediaan van $RONDES rondes)"
printf '%-32s %8.3f s  %7.0f bestanden/s\n' "FTPPutFile (een verbinding)" "$ORVO" "$(awk -v t="$ORVO" -v n="$AANTAL" 'BEGIN { print n / t }')"
printf '%-32s %8.3f s  %7.0f bestanden/s\n' "curl -T (een aanroep)" "$CURL" "$(awk -v t="$CURL" -v n="$AANTAL" 'BEGIN { print n / t }')"
awk -v o="$ORVO" -v c="$CURL" 'BEGIN { r = o / c; printf "verhouding FTPPutFile / curl: %.2f  %s\n", r, (r <= 1.0 ? "(doel gehaald)" : "(langzamer dan curl)") }'
