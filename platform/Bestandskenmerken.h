#pragma once
// File attributes as the program knows them from Windows. All paths are native.

#include <QString>

namespace Platform {

// Read-only: the owner may not write.
bool IsAlleenLezen(const QString& pad);
bool ZetAlleenLezen(const QString& pad, bool alleenLezen);
// Hidden: the name starts with a dot. It cannot be cleared without renaming, so clearing is a no-op.
bool IsVerborgen(const QString& pad);
// Clears read-only (and, as far as this system has them, hidden and system). True on success.
bool WisBeschermendeKenmerken(const QString& pad);

// The archive flag: set while the file changed since the last time it was cleared. The clearing stores
// the file's modification time and size in an extended attribute; where those are not supported every
// file counts as changed.
bool HeeftArchiefVlag(const QString& pad);
bool WisArchiefVlag(const QString& pad);
bool ZetArchiefVlag(const QString& pad);

inline constexpr const char* ArchiefAttribuut = "user.orvo.archief";

} // namespace Platform
