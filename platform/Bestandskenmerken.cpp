#include "platform/Bestandskenmerken.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace Platform {
namespace {

// "mtime-in-nanoseconds size", enough to tell that the file was written since.
QByteArray archiefRecord(const QString& pad, bool& ok) {
    struct stat st {};
    ok = ::stat(QFile::encodeName(pad).constData(), &st) == 0;
    if (!ok)
        return {};
    const qint64 ns = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return QByteArray::number(ns) + ' ' + QByteArray::number(qint64(st.st_size));
}

} // namespace

bool IsAlleenLezen(const QString& pad) {
    struct stat st {};
    if (::stat(QFile::encodeName(pad).constData(), &st) != 0)
        return false;
    return (st.st_mode & S_IWUSR) == 0;
}

bool ZetAlleenLezen(const QString& pad, bool alleenLezen) {
    const QByteArray naam = QFile::encodeName(pad);
    struct stat st {};
    if (::stat(naam.constData(), &st) != 0)
        return false;
    mode_t mode = st.st_mode & 07777;
    mode = alleenLezen ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return ::chmod(naam.constData(), mode) == 0;
}

bool IsVerborgen(const QString& pad) {
    QString naam = pad;
    while (naam.endsWith(QLatin1Char('/')) && naam.size() > 1)
        naam.chop(1);
    return QFileInfo(naam).fileName().startsWith(QLatin1Char('.'));
}

bool WisBeschermendeKenmerken(const QString& pad) {
    if (!IsAlleenLezen(pad))
        return true;
    return ZetAlleenLezen(pad, false);
}

bool HeeftArchiefVlag(const QString& pad) {
    bool ok = false;
    const QByteArray verwacht = archiefRecord(pad, ok);
    if (!ok)
        return true;
    char buffer[64];
    const ssize_t n = ::getxattr(QFile::encodeName(pad).constData(), ArchiefAttribuut, buffer, sizeof buffer);
    if (n <= 0)
        return true;
    return QByteArray(buffer, int(n)) != verwacht;
}

bool WisArchiefVlag(const QString& pad) {
    bool ok = false;
    const QByteArray record = archiefRecord(pad, ok);
    if (!ok)
        return false;
    return ::setxattr(QFile::encodeName(pad).constData(), ArchiefAttribuut, record.constData(),
                      size_t(record.size()), 0) == 0;
}

bool ZetArchiefVlag(const QString& pad) {
    const int r = ::removexattr(QFile::encodeName(pad).constData(), ArchiefAttribuut);
    return r == 0 || errno == ENODATA;
}

} // namespace Platform
