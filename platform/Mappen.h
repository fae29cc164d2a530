#pragma once
// Listing a folder the way the walks need it: every entry, hidden ones included, in the order the file
// system gives them, with what kind of thing each is.

#include <QList>
#include <QString>

namespace Platform {

struct MapItem {
    enum Soort { Map, Bestand, Overig };
    QString naam;
    Soort soort = Overig; // Overig: a link to a folder (not followed), FIFO, socket, device, broken link
    qint64 grootte = 0;
    qint64 gewijzigdMs = -1; // last write, milliseconds since the epoch; -1 unknown
};

// "." and ".." are left out. A link to a file stands for that file; a link to a folder is Overig.
QList<MapItem> LeesMap(const QString& natief);
// One entry, as LeesMap would give it; soort Overig with an empty name when it does not exist.
MapItem LeesItem(const QString& natief);
// Copies a regular file to a new file `doel` (which must not exist) and gives it the source's
// modification time and permissions. In-kernel copy where the file systems allow it.
bool KopieerBestand(const QString& bron, const QString& doel);

// File systems whose "files" are not data (proc, sysfs, devices, cgroups, run-time tmpfs): a walk of a
// whole volume does not enter them.
bool IsPseudoBestandssysteem(const QString& natief);

} // namespace Platform
