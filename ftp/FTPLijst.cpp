#include "ftp/FTPLijst.h"

#include <QStringList>
#include <QTimeZone>

namespace Orvo {

bool FTPNaamBruikbaar(const QString& naam) {
    if (naam.isEmpty() || naam == QLatin1String(".") || naam == QLatin1String(".."))
        return false;
    for (const QChar c : naam) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            return false;
    }
    return true;
}

namespace {

QList<QByteArray> Regels(const QByteArray& tekst) {
    QList<QByteArray> uit;
    for (QByteArray regel : tekst.split('\n')) {
        if (regel.endsWith('\r'))
            regel.chop(1);
        if (!regel.isEmpty())
            uit.append(regel);
    }
    return uit;
}

void Voeg(QList<FTPLijstItem>& lijst, FTPLijstItem item) {
    if (FTPNaamBruikbaar(item.Naam))
        lijst.append(std::move(item));
}

// "YYYYMMDDHHMMSS[.sss]", always UTC.
QDateTime LeesTijd(const QByteArray& tekst) {
    const QByteArray t = tekst.left(14);
    if (t.size() != 14)
        return {};
    QDateTime d = QDateTime::fromString(QString::fromLatin1(t), QStringLiteral("yyyyMMddHHmmss"));
    if (!d.isValid())
        return {};
    d.setTimeZone(QTimeZone::utc());
    return d;
}

// Splits off `aantal` blank-separated words; what follows the last one (one blank skipped) is the rest.
bool Woorden(const QByteArray& regel, int aantal, QList<QByteArray>& woorden, QByteArray& rest) {
    qsizetype i = 0;
    woorden.clear();
    while (woorden.size() < aantal) {
        while (i < regel.size() && regel.at(i) == ' ')
            ++i;
        if (i >= regel.size())
            return false;
        const qsizetype begin = i;
        while (i < regel.size() && regel.at(i) != ' ')
            ++i;
        woorden.append(regel.mid(begin, i - begin));
    }
    if (i >= regel.size())
        return false;
    rest = regel.mid(i + 1);
    return true;
}

bool IsMaand(const QByteArray& w) {
    static const QList<QByteArray> maanden{"jan", "feb", "mar", "apr", "may", "jun",
                                           "jul", "aug", "sep", "oct", "nov", "dec"};
    return maanden.contains(w.toLower());
}

// "drwxr-xr-x 2 user group 4096 Jan  1 12:00 name", with or without the group column.
bool LeesUnixRegel(const QByteArray& regel, FTPLijstItem& item) {
    const char soort = regel.at(0);
    if (soort != 'd' && soort != '-')
        return false;
    for (int kolommen : {8, 7}) {
        QList<QByteArray> w;
        QByteArray rest;
        if (!Woorden(regel, kolommen, w, rest))
            continue;
        // month, day and time or year are the three words before the name
        if (!IsMaand(w.at(kolommen - 3)))
            continue;
        bool ok = false;
        const qint64 grootte = w.at(kolommen - 4).toLongLong(&ok);
        if (!ok)
            continue;
        item.IsDir = soort == 'd';
        item.Grootte = item.IsDir ? 0 : grootte;
        item.Naam = QString::fromUtf8(rest);
        return true;
    }
    return false;
}

// "01-15-24  10:30AM       <DIR>          name" or "...  1234 name".
bool LeesDosRegel(const QByteArray& regel, FTPLijstItem& item) {
    QList<QByteArray> w;
    QByteArray rest;
    if (!Woorden(regel, 3, w, rest))
        return false;
    const QByteArray& datum = w.at(0);
    if (datum.size() < 8 || !(datum.at(2) == '-' || datum.at(2) == '/') || !w.at(1).contains(':'))
        return false;
    while (rest.startsWith(' '))
        rest.remove(0, 1); // DOS pads the size column; names do not start with blanks there
    if (w.at(2) == "<DIR>") {
        item.IsDir = true;
        item.Grootte = 0;
    } else {
        bool ok = false;
        item.Grootte = w.at(2).toLongLong(&ok);
        if (!ok)
            return false;
        item.IsDir = false;
    }
    item.Naam = QString::fromUtf8(rest);
    return true;
}

} // namespace

QList<FTPLijstItem> LeesMLSD(const QByteArray& tekst) {
    QList<FTPLijstItem> lijst;
    for (const QByteArray& regel : Regels(tekst)) {
        // facts end at the first blank; the name is everything after it
        const qsizetype spatie = regel.indexOf(' ');
        if (spatie < 0)
            continue;
        FTPLijstItem item;
        item.Naam = QString::fromUtf8(regel.mid(spatie + 1));
        QByteArray type;
        for (const QByteArray& feit : regel.left(spatie).split(';')) {
            const qsizetype is = feit.indexOf('=');
            if (is < 0)
                continue;
            const QByteArray sleutel = feit.left(is).toLower();
            const QByteArray waarde = feit.mid(is + 1);
            if (sleutel == "type")
                type = waarde.toLower();
            else if (sleutel == "size")
                item.Grootte = waarde.toLongLong();
            else if (sleutel == "modify")
                item.Tijd = LeesTijd(waarde);
        }
        if (type == "dir")
            item.IsDir = true;
        else if (type != "file")
            continue; // cdir, pdir, links and the like are not entries to walk
        if (item.IsDir)
            item.Grootte = 0;
        Voeg(lijst, std::move(item));
    }
    return lijst;
}

QList<FTPLijstItem> LeesLIST(const QByteArray& tekst) {
    QList<FTPLijstItem> lijst;
    for (const QByteArray& regel : Regels(tekst)) {
        FTPLijstItem item;
        if (LeesUnixRegel(regel, item) || LeesDosRegel(regel, item))
            Voeg(lijst, std::move(item));
    }
    return lijst;
}

} // namespace Orvo
