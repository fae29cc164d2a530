#pragma once
// Reading a server's folder listing: MLSD facts, or the LIST output of Unix- and DOS-style servers.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace Orvo {

// One entry of a server folder. "." and ".." and names that cannot be addressed (empty, holding a
// separator or a line break) are never listed; nor are entries that are neither folder nor file.
struct FTPLijstItem {
    QString Naam;
    bool IsDir = false;
    qint64 Grootte = 0; // bytes; 0 for folders
    QDateTime Tijd;     // UTC when the server gave it (MLSD); invalid otherwise
};

QList<FTPLijstItem> LeesMLSD(const QByteArray& tekst);
QList<FTPLijstItem> LeesLIST(const QByteArray& tekst);

// True when the name can be used as one entry of a server folder.
bool FTPNaamBruikbaar(const QString& naam);

} // namespace Orvo
