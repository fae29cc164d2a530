#pragma once
// The text inside a set file: the options and the selection of the backup tab, in lines (CR LF,
// Windows-1252 through the program's codec). Written in the current form "V2"; the older form without
// the version line is still read.

#include "sets/BackupOpties.h"
#include "sets/CheckBoom.h"

#include <QStringList>
#include <functional>

namespace Orvo {

inline const QString SetVersieV2 = QStringLiteral("V2");
inline const QString SetEindeStation = QStringLiteral("@000");

// The 7 characters of the current form: "0J9J0NN" for the defaults.
QString OptieString(const BackupOpties& opties);

// The drive blocks of the selection: per drive node that is not unchecked its line "C:", its node
// records and "@000".
QStringList SchrijfSelectie(const CheckKnoop* wortel);
// One node record ("X" or "-", the three-digit level, the caption) and, for "-", those of its children
// that are not unchecked, one level deeper.
void SchrijfKnoop(const CheckKnoop* knoop, const QString& niveau, QStringList& regels);
// The whole set text in lines: "V2", destination folder, option string, password, selection.
QStringList SchrijfSetTekst(const BackupOpties& opties, const CheckKnoop* wortel);

// The options of a set text. False when the text is damaged (fewer lines than the form needs, an
// option string that is too short, or a character where a digit 0/1 or 0..9 belongs); `opties` is then
// left alone. The FTP destination is kept only when `ftpBeschikbaar`; with it, change detection is the
// archive flag and removal is on.
bool LeesSetOpties(const QStringList& regels, bool ftpBeschikbaar, BackupOpties& opties,
                   qsizetype& selectieStart);

// Opens a node of the tree as a user would: fills it when it still has its placeholder.
using KnoopOpener = std::function<void(CheckKnoop*)>;

// Ticks the recorded nodes in a freshly built tree. Missing drives, folders and files are skipped; the
// reading stops at the end of the text whatever is missing there.
void LeesSelectie(CheckBoom& boom, const QStringList& regels, qsizetype start, const KnoopOpener& open);
// One record at line `i` (shared with the caller) for the node whose caption path is `pad`.
void LeesKnoop(CheckBoom& boom, const QStringList& regels, qsizetype& i, const QString& pad,
               const QString& niveau, const KnoopOpener& open);

} // namespace Orvo
