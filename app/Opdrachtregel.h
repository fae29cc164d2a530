#pragma once

#include <QString>
#include <QStringList>

namespace Orvo {

// The set named on the command line: only the first argument counts; surrounding double quotes are
// removed, and a leading "/" names the set (the rest, blanks included, untrimmed). Empty otherwise.
QString SetNaamUitArgumenten(const QStringList& argumenten); // without the program's own name

} // namespace Orvo
