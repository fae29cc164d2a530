#include "platform/Mappen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace Platform {
namespace {

MapItem itemVan(const QString& map, const char* naam) {
    MapItem item;
    item.naam = QFile::decodeName(naam);
    const QByteArray pad = QFile::encodeName(map) + '/' + naam;
    struct stat st {};
    if (::lstat(pad.constData(), &st) != 0)
        return item;
    if (S_ISLNK(st.st_mode)) {
        // A link stands for the file it points to; a link to a folder is never followed (it can loop).
        if (::stat(pad.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            return item;
    }
    if (S_ISDIR(st.st_mode)) {
        item.soort = MapItem::Map;
    } else if (S_ISREG(st.st_mode)) {
        item.soort = MapItem::Bestand;
        item.grootte = qint64(st.st_size);
    } else {
        return item;
    }
    item.gewijzigd =
        QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
    return item;
}

} // namespace

QList<MapItem> LeesMap(const QString& natief) {
    QList<MapItem> lijst;
    DIR* dir = ::opendir(QFile::encodeName(natief).constData());
    if (!dir)
        return lijst;
    QString map = natief;
    while (map.size() > 1 && map.endsWith(QLatin1Char('/')))
        map.chop(1);
    while (const dirent* e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        lijst.append(itemVan(map == QLatin1String("/") ? QString() : map, e->d_name));
    }
    ::closedir(dir);
    return lijst;
}

MapItem LeesItem(const QString& natief) {
    QString pad = natief;
    while (pad.size() > 1 && pad.endsWith(QLatin1Char('/')))
        pad.chop(1);
    const qsizetype slash = pad.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return MapItem{};
    MapItem item = itemVan(pad.left(slash), QFile::encodeName(pad.mid(slash + 1)).constData());
    if (item.soort == MapItem::Overig && !QFileInfo::exists(pad))
        item.naam.clear();
    return item;
}

bool IsPseudoBestandssysteem(const QString& natief) {
    static const char* const pseudoMappen[] = {"/proc", "/sys", "/dev", "/run"};
    const QString schoon = QDir::cleanPath(natief);
    for (const char* p : pseudoMappen) {
        const QLatin1String m(p);
        if (schoon == m || schoon.startsWith(m + QLatin1Char('/')))
            return true;
    }
    struct statfs st {};
    if (::statfs(QFile::encodeName(natief).constData(), &st) != 0)
        return false;
    switch (static_cast<unsigned long>(st.f_type)) {
    case 0x9fa0:     // proc
    case 0x62656572: // sysfs
    case 0x27e0eb:   // cgroup
    case 0x63677270: // cgroup2
    case 0x1cd1:     // devpts
    case 0x64626720: // debugfs
    case 0x74726163: // tracefs
    case 0x73636673: // securityfs
    case 0x6165676c: // pstore
    case 0xcafe4a11: // bpf
    case 0x19800202: // mqueue
    case 0x62656570: // configfs
    case 0x42494e4d: // binfmt_misc
    case 0x65735543: // fusectl
    case 0xde5e81e4: // efivarfs
    case 0x0187:     // autofs
    case 0x6e736673: // nsfs
    case 0xf97cff8c: // selinuxfs
    case 0x958458f6: // hugetlbfs
        return true;
    default:
        return false;
    }
}

} // namespace Platform
