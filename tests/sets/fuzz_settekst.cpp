// libFuzzer harness for the set-text reader: any bytes as the entry of a set file must end in options
// or "damaged", and a selection read into a tree that is then written again, without a crash or hang.
#include "common/AnsiTekst.h"
#include "sets/SetTekst.h"

#include <cstddef>
#include <cstdint>

using namespace Orvo;

namespace {

// A small tree like the one a set is read into: two drives whose folders fill themselves when opened,
// three levels deep, with names that also occur in the seeds.
void Vul(CheckBoom& boom, CheckKnoop* knoop) {
    if (!knoop->HeeftAlleenPlaatshouder())
        return;
    int diepte = 0;
    for (const CheckKnoop* k = knoop; k->Ouder; k = k->Ouder)
        ++diepte;
    const int staat = knoop->Staat;
    boom.VerwijderKinderen(knoop);
    std::vector<std::unique_ptr<CheckKnoop>> kinderen;
    kinderen.push_back(NieuweKnoop(QStringLiteral("Map"), KnoopSoort::Map, diepte < 4));
    kinderen.push_back(NieuweKnoop(QStringLiteral("map"), KnoopSoort::Map, diepte < 4));
    kinderen.push_back(NieuweKnoop(QStringLiteral("a.txt"), KnoopSoort::Bestand));
    boom.VoegToe(knoop, std::move(kinderen));
    boom.ZetStaat(knoop, staat);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList regels =
        Ansi::DecodeerRegels(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    BackupOpties opties;
    qsizetype start = 0;
    if (!LeesSetOpties(regels, size % 2 == 0, opties, start))
        return 0;
    if (OptieString(opties).size() != 7)
        __builtin_trap();
    CheckBoom boom;
    CheckKnoop* wortel = boom.MaakWortel(QStringLiteral("Deze computer"));
    boom.VoegToe(wortel, NieuweKnoop(QStringLiteral("Bestandssysteem (C:)"), KnoopSoort::Station, true));
    boom.VoegToe(wortel, NieuweKnoop(QStringLiteral("Test (T:)"), KnoopSoort::Station, true));
    LeesSelectie(boom, regels, start, [&boom](CheckKnoop* k) { Vul(boom, k); });
    const QStringList geschreven = SchrijfSelectie(boom.Wortel());
    // What was read and is written again must read back to the same selection.
    CheckBoom tweede;
    CheckKnoop* w2 = tweede.MaakWortel(QStringLiteral("Deze computer"));
    tweede.VoegToe(w2, NieuweKnoop(QStringLiteral("Bestandssysteem (C:)"), KnoopSoort::Station, true));
    tweede.VoegToe(w2, NieuweKnoop(QStringLiteral("Test (T:)"), KnoopSoort::Station, true));
    LeesSelectie(tweede, geschreven, 0, [&tweede](CheckKnoop* k) { Vul(tweede, k); });
    if (SchrijfSelectie(tweede.Wortel()) != geschreven)
        __builtin_trap();
    return 0;
}
