#pragma once
// The one order of names in the whole program: the trees, the set dialog and the structure file sort
// case-insensitively by the Dutch collation (whatever the system's locale), ties broken by the exact text
// so that the order never depends on the input order.

#include <QStringList>
#include <vector>

namespace Orvo {

bool NaamKomtVoor(const QString& a, const QString& b);
// The indexes of `namen` in that order (one sort key per name, for large folders).
std::vector<qsizetype> SorteerVolgorde(const QStringList& namen);
void SorteerNamen(QStringList& namen);

} // namespace Orvo
