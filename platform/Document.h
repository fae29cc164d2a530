#pragma once

#include <QString>

namespace Platform {

// Opens a document with the desktop's handler, without waiting. True when a handler took it.
bool OpenDocument(const QString& natief);

} // namespace Platform
