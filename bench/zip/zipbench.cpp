// Stores or extracts one file with the ZIP component and reports the time it took and the peak
// resident memory of the process, for bench/zip/run.sh.
//   zipbench opslaan <bron> <archief> <niveau> [wachtwoord]
//   zipbench uitpakken <archief> <doelmap> [wachtwoord]

#include "zip/ZipComponent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

// Peak resident set size in KiB, as the kernel counts it.
qint64 PiekGeheugenKb() {
    // A proc file reports no size, so it is read whole rather than tested for its end.
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& regel : f.readAll().split('\n'))
        if (regel.startsWith("VmHWM:"))
            return regel.mid(6).simplified().split(' ').first().toLongLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream uit(stdout);
    Orvo::ZipComponent zip;
    QElapsedTimer klok;
    bool gelukt = false;
    if (args.size() >= 5 && args[1] == QLatin1String("opslaan")) {
        zip.ZetNiveau(args[4].toInt());
        if (args.size() > 5) {
            zip.ZetVersleutelen(true);
            zip.ZetWachtwoord(args[5]);
        }
        klok.start();
        gelukt = zip.VoegBestandToe(args[3], args[2]);
    } else if (args.size() >= 4 && args[1] == QLatin1String("uitpakken")) {
        if (args.size() > 4)
            zip.ZetWachtwoord(args[4]);
        klok.start();
        gelukt = zip.PakAllesUit(args[2], args[3]);
    } else {
        std::fputs("gebruik: zipbench opslaan <bron> <archief> <niveau> [wachtwoord]\n"
                   "         zipbench uitpakken <archief> <doelmap> [wachtwoord]\n",
                   stderr);
        return 2;
    }
    const double seconden = double(klok.nsecsElapsed()) / 1e9;
    // One line the script parses: seconds, peak KiB, error code.
    uit << QString::number(seconden, 'f', 3) << ' ' << PiekGeheugenKb() << ' ' << zip.FoutCode() << '\n';
    if (!gelukt)
        std::fprintf(stderr, "fout %d: %s (%s)\n", zip.FoutCode(), qPrintable(zip.FoutMelding()),
                     qPrintable(zip.FoutDetail()));
    return gelukt ? 0 : 1;
}
