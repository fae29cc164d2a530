// Sends every file of a folder with FTPPutFile over one connection and prints the seconds it took.
// Usage: ftpbench <host:port> <login> <password> <source folder> <server folder>
// The files are staged in the temporary folder first (FTPPutFile removes what it sent); only the
// sending is timed.

#include "common/Instellingen.h"
#include "common/Orvo_vars.h"
#include "ftp/FTPVerbinding.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 6) {
        std::fprintf(stderr, "gebruik: ftpbench <host:poort> <login> <wachtwoord> <bronmap> <servermap>\n");
        return 2;
    }
    QTemporaryDir werk;
    Orvo::InitVariabelen();
    Orvo::Vars().TijdelijkeMap = werk.path() + QLatin1Char('/');
    Orvo::Vars().FTPLoginNaam = a.at(2);
    Orvo::Vars().FTPLoginWachtwoord = a.at(3);
    Orvo::ZetOrvoProgsBestand(werk.filePath(QStringLiteral("OrvoProgs.ini")));
    Orvo::OrvoProgs().SchrijfTekst(Orvo::SectieAlgemeen, Orvo::SleutelFTPAdres, a.at(1));

    const QStringList namen = QDir(a.at(4)).entryList(QDir::Files, QDir::Name);
    for (const QString& naam : namen) {
        if (!QFile::copy(a.at(4) + QLatin1Char('/') + naam, Orvo::Vars().TijdelijkeMap + naam)) {
            std::fprintf(stderr, "kan %s niet klaarzetten\n", qPrintable(naam));
            return 1;
        }
    }
    Orvo::FTPVerbinding verbinding(QStringLiteral("http://127.0.0.1:9/IPHelper.html"));
    QElapsedTimer klok;
    klok.start();
    if (!verbinding.MaakFTPVerbinding() || !verbinding.ChangeDir(a.at(5))) {
        std::fprintf(stderr, "geen verbinding: %s %s\n", qPrintable(verbinding.Foutmelding),
                     qPrintable(verbinding.LaatsteFout()));
        return 1;
    }
    int mislukt = 0;
    for (const QString& naam : namen)
        mislukt += verbinding.FTPPutFile(naam) ? 0 : 1;
    verbinding.VerbreekFTPVerbinding();
    std::printf("%.3f %d\n", double(klok.nsecsElapsed()) / 1e9, mislukt);
    return mislukt == 0 ? 0 : 1;
}
