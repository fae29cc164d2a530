#include "platform/Volumes.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <map>

namespace Platform {
namespace {

QMutex& tabelSlot() {
    static QMutex slot;
    return slot;
}

std::map<QChar, Volume>& tabel() {
    static std::map<QChar, Volume> t{{QChar('C'), Volume{QChar('C'), QStringLiteral("/"), QString()}}};
    return t;
}

QString metSlash(QString pad) {
    pad = QDir::cleanPath(pad);
    if (!pad.endsWith(QLatin1Char('/')))
        pad += QLatin1Char('/');
    return pad;
}

} // namespace

void RegistreerVolume(QChar letter, const QString& nativeWortel, const QString& label) {
    letter = letter.toUpper();
    if (letter == QLatin1Char('C') || letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
        return;
    QMutexLocker lock(&tabelSlot());
    tabel()[letter] = Volume{letter, metSlash(nativeWortel), label};
}

void VerwijderVolume(QChar letter) {
    letter = letter.toUpper();
    if (letter == QLatin1Char('C'))
        return;
    QMutexLocker lock(&tabelSlot());
    tabel().erase(letter);
}

void WijzigLabel(QChar letter, const QString& label) {
    QMutexLocker lock(&tabelSlot());
    auto it = tabel().find(letter.toUpper());
    if (it != tabel().end())
        it->second.label = label;
}

QList<Volume> Volumes() {
    QMutexLocker lock(&tabelSlot());
    QList<Volume> lijst;
    for (const auto& [letter, volume] : tabel())
        lijst.append(volume);
    return lijst;
}

std::optional<Volume> VolumeVan(QChar letter) {
    QMutexLocker lock(&tabelSlot());
    auto it = tabel().find(letter.toUpper());
    if (it == tabel().end())
        return std::nullopt;
    return it->second;
}

quint32 LogischeStations() {
    quint32 masker = 0;
    for (const Volume& v : Volumes())
        masker |= 1u << (v.letter.unicode() - 'A');
    return masker;
}

QString WeergaveNaam(QChar letter) {
    letter = letter.toUpper();
    const auto volume = VolumeVan(letter);
    QString label;
    if (letter == QLatin1Char('C'))
        label = QStringLiteral("Bestandssysteem");
    else if (volume && !volume->label.isEmpty())
        label = volume->label;
    else
        label = QStringLiteral("Lokaal station");
    return label + QStringLiteral(" (") + letter + QStringLiteral(":)");
}

std::optional<QString> NaarNatief(const QString& programmaPad) {
    if (programmaPad.size() < 2 || programmaPad.at(1) != QLatin1Char(':'))
        return std::nullopt;
    const auto volume = VolumeVan(programmaPad.at(0));
    if (!volume)
        return std::nullopt;
    QString rest = programmaPad.mid(2);
    if (rest.startsWith(QLatin1Char('\\')))
        rest.remove(0, 1);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return volume->wortel + rest;
}

std::optional<QString> NaarProgrammaPad(const QString& natief) {
    if (!natief.startsWith(QLatin1Char('/')))
        return std::nullopt;
    const bool eindigtMetSlash = natief.endsWith(QLatin1Char('/'));
    const QString schoon = metSlash(natief);
    std::optional<Volume> beste;
    for (const Volume& v : Volumes()) {
        if (schoon.startsWith(v.wortel) && (!beste || v.wortel.size() > beste->wortel.size()))
            beste = v;
    }
    if (!beste)
        return std::nullopt;
    QString rest = schoon.mid(beste->wortel.size());
    if (rest.contains(QLatin1Char('\\')))
        return std::nullopt;
    if (!eindigtMetSlash && rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(beste->letter) + QStringLiteral(":\\") + rest;
}

} // namespace Platform
