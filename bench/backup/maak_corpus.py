#!/usr/bin/env python3
"""Writes a reproducible office-like corpus: many small text files, documents, already-compressed
files, one large file, deep folders, names with blanks and accents. Usage: maak_corpus.py MAP [SCHAAL]"""
import os, random, sys

doel = sys.argv[1]
schaal = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
r = random.Random(2026)
woorden = ("de het een van en in is dat op te zijn met voor niet aan er om ook als bij door maar uit "
           "offerte factuur klant levering afspraak project rapport begroting vergadering jaarverslag "
           "Jansen café überweisung gemeente belasting kwartaal").split()

def tekst(n):
    uit, lengte = [], 0
    while lengte < n:
        regel = " ".join(r.choice(woorden) for _ in range(r.randint(6, 14))) + "\n"
        uit.append(regel)
        lengte += len(regel)
    return "".join(uit)[:n].encode("utf-8", "ignore")

def schrijf(pad, data):
    os.makedirs(os.path.dirname(pad), exist_ok=True)
    with open(pad, "wb") as f:
        f.write(data)

mappen = ["Administratie", "Klanten", "Projecten 2026", "Privé", "Foto's en scans", "Archief/Oud/Ouder/Oudst",
          "Diep/a/b/c/d/e/f/g/h"]
aantal_tekst = int(18000 * schaal)
for i in range(aantal_tekst):
    m = mappen[i % len(mappen)] + "/Groep %02d" % (i % 40)
    schrijf(os.path.join(doel, m, "notitie %05d ü.txt" % i), tekst(r.randint(500, 24000)))
for i in range(int(1500 * schaal)):
    data = tekst(r.randint(30000, 150000)) + bytes(r.getrandbits(8) for _ in range(2000))
    schrijf(os.path.join(doel, "Documenten", "Map %02d" % (i % 25), "document %04d.doc" % i), data)
for i in range(int(400 * schaal)):
    schrijf(os.path.join(doel, "Foto's en scans", "foto %03d.jpg" % i), os.urandom(r.randint(60000, 300000)))
groot = int(120 * 1024 * 1024 * schaal)
blok = tekst(1 << 20) + os.urandom(1 << 19)
with open(os.path.join(doel, "groot bestand.dat"), "wb") as f:
    geschreven = 0
    while geschreven < groot:
        f.write(blok)
        geschreven += len(blok)
