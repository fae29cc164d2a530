// Opening one big folder in the selection tree, as a click on its button does: list, probe every
// sub-folder, sort, build the nodes and paint the view. Prints "seconds-engine seconds-view entries".
// Usage: boombench <native folder>
#include "platform/Volumes.h"
#include "sets/BackUpBoom.h"
#include "sets/SelectieBoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace Orvo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "gebruik: boombench <map>\n");
        return 2;
    }
    const QString map = QString::fromLocal8Bit(argv[1]);
    Platform::RegistreerVolume(QLatin1Char('B'), map, QStringLiteral("Bench"));

    QElapsedTimer klok;
    klok.start();
    const MapInhoud inhoud = LeesMap(map);
    const double motor = double(klok.nsecsElapsed()) / 1e9;

    TBackUpBoom boom;
    boom.resize(500, 700);
    VulStationBoom(&boom);
    boom.show();
    app.processEvents();
    CheckKnoop* station = boom.Boom().KnoopVanPad(QStringLiteral("Deze computer\\Bench (B:)\\"));
    if (!station)
        return 1;
    klok.restart();
    boom.expand(boom.IndexVan(station));
    boom.Boom().ZetStaat(station, Aan); // and tick it all, which touches every node once more
    boom.repaint();
    app.processEvents();
    const double view = double(klok.nsecsElapsed()) / 1e9;
    std::printf("%.3f %.3f %lld\n", motor, view,
                static_cast<long long>(inhoud.Mappen.size() + inhoud.Bestanden.size()));
    return station->Aantal() == inhoud.Mappen.size() + inhoud.Bestanden.size() ? 0 : 1;
}
