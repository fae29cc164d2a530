#pragma once

#include <QChar>
#include <QString>

namespace Platform {

// Total free bytes of the file system that holds the native path (also those reserved for root), or -1.
qint64 VrijeBytes(const QString& natief);
qint64 TotaleBytes(const QString& natief);
// The volume exists and its root answers: what "the drive is ready" means here.
bool StationGereed(QChar letter);

} // namespace Platform
