#include "sets/SetBestand.h"

#include "common/AnsiTekst.h"
#include "common/Orvo_vars.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace Orvo {

QString SetMap() {
    return Vars().DataMap + QStringLiteral("/BackUpSets");
}

QString SetBestandPad(const QString& naam) {
    return SetMap() + QLatin1Char('/') + naam + SetBestandExtensie;
}

// Only names the program can open again by name + extension (case matters on this system).
QStringList SetNamen() {
    QStringList namen;
    const QFileInfoList bestanden = QDir(SetMap()).entryInfoList(
        QStringList{QLatin1Char('*') + SetBestandExtensie}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QFileInfo& f : bestanden) {
        const QString naam = f.fileName();
        if (naam.endsWith(SetBestandExtensie))
            namen.append(naam.left(naam.size() - SetBestandExtensie.size()));
    }
    return namen;
}

bool SetBestaat(const QString& naam) {
    if (QFileInfo::exists(SetBestandPad(naam)))
        return true;
    for (const QString& bestaand : SetNamen())
        if (bestaand.compare(naam, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void BereidZipVoor(ZipComponent& zip) {
    zip.WisFout();
    zip.ZetNiveau(9);
    zip.ZetVersleutelen(true);
    zip.ZetWachtwoord(SetWachtwoord);
}

bool SchrijfSetBestand(ZipComponent& zip, const QString& naam, const QStringList& regels) {
    BereidZipVoor(zip);
    // The folder is made at start-up; a save must not fail only because it was removed since.
    QDir().mkpath(SetMap());
    const QString pad = SetBestandPad(naam);
    const QByteArray tekst = Ansi::CodeerRegels(regels);
    zip.VoegDataToe(pad, naam, tekst);
    if (zip.FoutCode() != ZipComponent::ArchiefBeschadigd)
        return zip.FoutCode() == 0;
    // A set file that cannot be read as an archive holds nothing to keep: the save replaces it, as the
    // user expects after the failed open that left its name chosen. Written aside, then swapped in.
    const QString nieuw = pad + QStringLiteral(".nieuw");
    QFile::remove(nieuw);
    BereidZipVoor(zip);
    if (!zip.VoegDataToe(nieuw, naam, tekst) || zip.FoutCode() != 0) {
        QFile::remove(nieuw);
        return false;
    }
    if (std::rename(QFile::encodeName(nieuw).constData(), QFile::encodeName(pad).constData()) != 0) {
        QFile::remove(nieuw);
        return false;
    }
    return true;
}

GelezenSetTekst LeesSetBestand(ZipComponent& zip, const QString& naam) {
    BereidZipVoor(zip);
    const auto data = zip.PakUitNaarGeheugen(SetBestandPad(naam), naam);
    if (!data || zip.FoutCode() != 0)
        return {{}, MeldingSetFoutInlezen};
    return {Ansi::DecodeerRegels(*data), QString()};
}

} // namespace Orvo
