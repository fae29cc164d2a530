#!/usr/bin/env bash
# Benchmark (not a test): an unattended backup of an office-like corpus — compressed at level 9,
# uncompressed, and a second run without changes — beside zip -r -9, cp -a and rsync -a of the same
# tree, with ratios and the program's peak resident memory. Usage: bench/backup/run.sh [SCHAAL]
# (SCHAAL 1.0 is about 20,000 files and 650 MB; 0.1 for a quick look.)
set -euo pipefail
cd "$(dirname "$0")/../.."
schaal="${1:-1.0}"
command -v rsync >/dev/null || { echo "rsync ontbreekt (apt-get install rsync)"; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time ontbreekt (apt-get install time)"; exit 1; }
bash scripts/build.sh release >/dev/null
prog="$PWD/build/release/bin/OrvoBackUp"

werk=$(mktemp -d /var/tmp/orvo-bench.XXXXXX)
[ -n "${ORVO_BENCH_BEWAAR:-}" ] || trap 'rm -rf "$werk"' EXIT
bron="$werk/bron"; home="$werk/home"
echo "corpus maken (schaal $schaal) ..."
python3 bench/backup/maak_corpus.py "$bron" "$schaal"
echo "corpus: $(find "$bron" -type f | wc -l) bestanden, $(du -sm "$bron" | cut -f1) MB"

# A set that ticks the whole corpus folder: every folder on the way partly, the corpus itself wholly.
maak_set() { # naam doel opties
  local naam=$1 doel=$2 opties=$3 tekst="$werk/$1"
  {
    printf 'V2\r\n%s\r\n%s\r\n\r\nC:\r\n-001Bestandssysteem (C:)\r\n' "$doel" "$opties"
    local diepte=2 deel; IFS=/ read -ra delen <<< "${bron#/}"
    for ((i = 0; i < ${#delen[@]}; i++)); do
      deel=${delen[$i]}
      if ((i + 1 == ${#delen[@]})); then printf 'X%03d%s\r\n' $diepte "$deel"; else printf -- '-%03d%s\r\n' $diepte "$deel"; fi
      diepte=$((diepte + 1))
    done
    printf '@000\r\n'
  } > "$tekst"
  mkdir -p "$home/Talvane BV/Orvo Back-up/BackUpSets"
  (cd "$werk" && zip -q -j -9 -P MuzRantel "$home/Talvane BV/Orvo Back-up/BackUpSets/$naam.OrvoBckSet" "$naam")
}

tijd() { # label command... ; prints seconds, keeps peak RSS in $werk/rss
  local start eind
  start=$(date +%s.%N)
  /usr/bin/time -f %M -o "$werk/rss" "$@" >/dev/null 2>"$werk/stderr" || { cat "$werk/stderr"; return 1; }
  eind=$(date +%s.%N)
  echo "$eind - $start" | bc -l 2>/dev/null || awk "BEGIN{print $eind - $start}"
}
orvo=(env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$home" TEMP="$werk/tmp" "$prog")
mkdir -p "$werk/tmp"
sync

maak_set Gecomprimeerd "$werk/doel-zip" 0J9J0NN; mkdir -p "$werk/doel-zip"
maak_set Kopie "$werk/doel-kopie" 0N9J0NN; mkdir -p "$werk/doel-kopie"

t_zip_orvo=$(tijd "${orvo[@]}" /Gecomprimeerd); rss_zip=$(cat "$werk/rss")
t_zip_ref=$(tijd bash -c "cd '$bron' && zip -q -r -9 '$werk/ref.zip' .")
t_kopie_orvo=$(tijd "${orvo[@]}" /Kopie); rss_kopie=$(cat "$werk/rss")
t_cp=$(tijd cp -a "$bron" "$werk/ref-cp")
t_rsync1=$(tijd rsync -a "$bron/" "$werk/ref-rsync/")
t_zip_tweede=$(tijd "${orvo[@]}" /Gecomprimeerd); rss_tweede=$(cat "$werk/rss")
t_rsync2=$(tijd rsync -a "$bron/" "$werk/ref-rsync/")

ratio() { awk "BEGIN{printf \"%.2f\", $1 / $2}"; }
printf '\n%-42s %9s %9s %7s\n' "meting" "Orvo (s)" "ref (s)" "ratio"
printf '%-42s %9.1f %9.1f %7s   (doel <= 1.0)\n' "gecomprimeerd niveau 9 vs zip -r -9" "$t_zip_orvo" "$t_zip_ref" "$(ratio "$t_zip_orvo" "$t_zip_ref")"
printf '%-42s %9.1f %9.1f %7s   (doel <= 1.5)\n' "ongecomprimeerd vs cp -a" "$t_kopie_orvo" "$t_cp" "$(ratio "$t_kopie_orvo" "$t_cp")"
printf '%-42s %9.1f %9.1f %7s   (doel <= 1.5)\n' "tweede run zonder wijzigingen vs rsync -a" "$t_zip_tweede" "$t_rsync2" "$(ratio "$t_zip_tweede" "$t_rsync2")"
printf '\npiek geheugen Orvo: gecomprimeerd %d MB, kopie %d MB, tweede run %d MB (doel <= 150 MB)\n' \
  $((rss_zip / 1024)) $((rss_kopie / 1024)) $((rss_tweede / 1024))
