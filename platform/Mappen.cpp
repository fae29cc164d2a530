#include "platform/Mappen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace Platform {
namespace {

// `map` is an open folder (or AT_FDCWD with an absolute name): the name is looked up relative to it,
// so a deep path is not walked again for every entry.
MapItem itemVan(int map, const char* naam) {
    MapItem item;
    item.naam = QFile::decodeName(naam);
    struct stat st {};
    if (::fstatat(map, naam, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return item;
    if (S_ISLNK(st.st_mode)) {
        // A link stands for the file it points to; a link to a folder is never followed (it can loop).
        if (::fstatat(map, naam, &st, 0) != 0 || !S_ISREG(st.st_mode))
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
    item.gewijzigdMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return item;
}

} // namespace

QList<MapItem> LeesMap(const QString& natief) {
    QList<MapItem> lijst;
    DIR* dir = ::opendir(QFile::encodeName(natief).constData());
    if (!dir)
        return lijst;
    const int fd = ::dirfd(dir);
    while (const dirent* e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        lijst.append(itemVan(fd, e->d_name));
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
    MapItem item = itemVan(AT_FDCWD, QFile::encodeName(pad).constData());
    item.naam = pad.mid(slash + 1);
    if (item.soort == MapItem::Overig && !QFileInfo::exists(pad))
        item.naam.clear();
    return item;
}

bool KopieerBestand(const QString& bron, const QString& doel) {
    const int in = ::open(QFile::encodeName(bron).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    const QByteArray doelNaam = QFile::encodeName(doel);
    const int uit = ::open(doelNaam.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (uit < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    bool kernel = true;
    off_t over = st.st_size;
    while (ok && over > 0) {
        ssize_t n = -1;
        if (kernel) {
            n = ::copy_file_range(in, nullptr, uit, nullptr, size_t(std::min<off_t>(over, 1 << 30)), 0);
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                kernel = false;
                continue;
            }
        } else {
            static thread_local std::vector<char> buffer(1 << 20);
            n = ::read(in, buffer.data(), buffer.size());
            for (ssize_t geschreven = 0; n > 0 && geschreven < n;) {
                const ssize_t w = ::write(uit, buffer.data() + geschreven, size_t(n - geschreven));
                if (w <= 0) {
                    n = -1;
                    break;
                }
                geschreven += w;
            }
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // 0: the file shrank while it was copied; what is there is what was read
            ok = n == 0;
        else
            over -= n;
    }
    const struct timespec tijden[2] = {st.st_atim, st.st_mtim};
    ok = ok && ::fchmod(uit, st.st_mode & 07777) == 0 && ::futimens(uit, tijden) == 0;
    ok = ::close(uit) == 0 && ok;
    ::close(in);
    if (!ok)
        ::unlink(doelNaam.constData());
    return ok;
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
