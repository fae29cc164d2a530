#pragma once
// The program's text files (settings, set texts, configuration and structure files) are Windows-1252
// with CR LF. A text holding a character that code page cannot carry is written as UTF-8 with a
// byte-order mark instead, so no name is ever lost; every reader accepts both forms.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Ansi {

bool IsWindows1252(const QString& tekst);  // every character fits the code page
QByteArray Codeer(const QString& tekst);   // Windows-1252, or UTF-8 with BOM when it does not fit
QString Decodeer(const QByteArray& bytes); // UTF-8 when it starts with a BOM, else Windows-1252

// Lines as a string list's text: every line followed by CR LF.
QByteArray CodeerRegels(const QStringList& regels);
// Splits at CR LF, a lone CR or a lone LF; a final line ending adds no empty line.
QStringList DecodeerRegels(const QByteArray& bytes);
QStringList SplitsRegels(const QString& tekst);
QString VoegRegelsSamen(const QStringList& regels); // each line followed by "\r\n"

} // namespace Ansi
