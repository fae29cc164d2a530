#include "sets/CheckBoom.h"

#include <QStringList>

namespace Orvo {
namespace {

const QChar scheiding = QLatin1Char('\\');

void ZetOnderLiggend(CheckKnoop* knoop, int staat) {
    knoop->Staat = staat;
    for (auto& kind : knoop->Kinderen)
        ZetOnderLiggend(kind.get(), staat);
}

int Berekend(const CheckKnoop* knoop) {
    bool alleAan = true;
    bool alleUit = true;
    for (const auto& kind : knoop->Kinderen) {
        alleAan = alleAan && kind->Staat == Aan;
        alleUit = alleUit && kind->Staat == Uit;
    }
    if (alleAan)
        return Aan;
    return alleUit ? Uit : Deels;
}

std::unique_ptr<CheckKnoop> Kopie(const CheckKnoop& bron, CheckKnoop* ouder) {
    auto kopie = std::make_unique<CheckKnoop>();
    kopie->Caption = bron.Caption;
    kopie->Staat = bron.Staat;
    kopie->Soort = bron.Soort;
    kopie->Open = bron.Open;
    kopie->Ouder = ouder;
    kopie->Rij = bron.Rij;
    kopie->Kinderen.reserve(bron.Kinderen.size());
    for (const auto& kind : bron.Kinderen)
        kopie->Kinderen.push_back(Kopie(*kind, kopie.get()));
    return kopie;
}

// A node that changed and whose subtree may have changed below it: one notice per loaded level, so
// ticking a folder of thousands of entries stays one notice per folder.
void MeldSubboom(CheckBoomWaarnemer* w, CheckKnoop* knoop) {
    if (!knoop->Kinderen.empty()) {
        w->Gewijzigd(knoop, 0, knoop->Aantal() - 1);
        for (auto& kind : knoop->Kinderen)
            if (!kind->Kinderen.empty())
                MeldSubboom(w, kind.get());
    }
}

} // namespace

std::unique_ptr<CheckKnoop> NieuweKnoop(const QString& caption, KnoopSoort soort, bool metPlaatshouder) {
    auto knoop = std::make_unique<CheckKnoop>();
    knoop->Caption = caption;
    knoop->Soort = soort;
    if (metPlaatshouder) {
        auto plaatshouder = std::make_unique<CheckKnoop>();
        plaatshouder->Soort = KnoopSoort::Plaatshouder;
        plaatshouder->Ouder = knoop.get();
        knoop->Kinderen.push_back(std::move(plaatshouder));
    }
    return knoop;
}

void CheckBoom::Wis() {
    if (!m_wortel)
        return;
    if (m_waarnemer)
        m_waarnemer->VoorVerwijderen(nullptr, 0, 0);
    m_wortel.reset();
    if (m_waarnemer)
        m_waarnemer->NaVerwijderen();
}

CheckKnoop* CheckBoom::MaakWortel(const QString& caption) {
    Wis();
    if (m_waarnemer)
        m_waarnemer->VoorInvoegen(nullptr, 0, 0);
    m_wortel = NieuweKnoop(caption, KnoopSoort::Wortel);
    if (m_waarnemer)
        m_waarnemer->NaInvoegen();
    return m_wortel.get();
}

CheckKnoop* CheckBoom::VoegToe(CheckKnoop* ouder, std::unique_ptr<CheckKnoop> kind) {
    CheckKnoop* k = kind.get();
    std::vector<std::unique_ptr<CheckKnoop>> een;
    een.push_back(std::move(kind));
    VoegToe(ouder, std::move(een));
    return k;
}

void CheckBoom::VoegToe(CheckKnoop* ouder, std::vector<std::unique_ptr<CheckKnoop>> kinderen) {
    if (!ouder || kinderen.empty())
        return;
    const int eerste = ouder->Aantal();
    if (m_waarnemer)
        m_waarnemer->VoorInvoegen(ouder, eerste, eerste + int(kinderen.size()) - 1);
    ouder->Kinderen.reserve(ouder->Kinderen.size() + kinderen.size());
    for (auto& kind : kinderen) {
        kind->Ouder = ouder;
        kind->Rij = ouder->Aantal();
        ouder->Kinderen.push_back(std::move(kind));
    }
    if (m_waarnemer)
        m_waarnemer->NaInvoegen();
}

void CheckBoom::VerwijderKinderen(CheckKnoop* ouder) {
    if (!ouder || ouder->Kinderen.empty())
        return;
    if (m_waarnemer)
        m_waarnemer->VoorVerwijderen(ouder, 0, ouder->Aantal() - 1);
    ouder->Kinderen.clear();
    if (m_waarnemer)
        m_waarnemer->NaVerwijderen();
}

void CheckBoom::ZetStaat(CheckKnoop* knoop, int staat) {
    if (!knoop || (staat != Aan && staat != Uit))
        return;
    ZetOnderLiggend(knoop, staat);
    if (m_waarnemer) {
        MeldGewijzigd(knoop);
        MeldSubboom(m_waarnemer, knoop);
    }
    for (CheckKnoop* ouder = knoop->Ouder; ouder; ouder = ouder->Ouder) {
        const int nieuw = Berekend(ouder);
        if (nieuw == ouder->Staat)
            break; // nothing above can change either
        ouder->Staat = nieuw;
        MeldGewijzigd(ouder);
    }
}

void CheckBoom::Wissel(CheckKnoop* knoop) {
    if (knoop)
        ZetStaat(knoop, knoop->Staat == Aan ? Uit : Aan);
}

void CheckBoom::ZetOpen(CheckKnoop* knoop, bool open) {
    if (!knoop || knoop->Open == open)
        return;
    knoop->Open = open;
    MeldGewijzigd(knoop);
}

void CheckBoom::MeldGewijzigd(CheckKnoop* knoop) {
    if (m_waarnemer)
        m_waarnemer->Gewijzigd(knoop->Ouder, knoop->Rij, knoop->Rij);
}

CheckKnoop* CheckBoom::KnoopVanPad(const QString& pad) const {
    if (!m_wortel)
        return nullptr;
    QStringList delen = pad.split(scheiding);
    if (!delen.isEmpty() && delen.last().isEmpty())
        delen.removeLast();
    if (delen.isEmpty() || delen.first().compare(m_wortel->Caption, Qt::CaseInsensitive) != 0)
        return nullptr;
    CheckKnoop* knoop = m_wortel.get();
    for (qsizetype d = 1; d < delen.size(); ++d) {
        const QString& deel = delen.at(d);
        if (deel.isEmpty())
            return nullptr; // never the placeholder, never the parent itself
        CheckKnoop* eersteMatch = nullptr;
        CheckKnoop* exact = nullptr;
        for (const auto& kind : knoop->Kinderen) {
            if (kind->Caption.size() != deel.size())
                continue;
            if (kind->Caption == deel) {
                exact = kind.get();
                break;
            }
            if (!eersteMatch && kind->Caption.compare(deel, Qt::CaseInsensitive) == 0)
                eersteMatch = kind.get();
        }
        knoop = exact ? exact : eersteMatch;
        if (!knoop)
            return nullptr;
    }
    return knoop;
}

Momentopname CheckBoom::MaakMomentopname() const {
    if (!m_wortel)
        return std::make_shared<const CheckKnoop>();
    return Momentopname(Kopie(*m_wortel, nullptr));
}

QString CaptionPad(const CheckKnoop* knoop) {
    QStringList delen;
    for (; knoop; knoop = knoop->Ouder)
        delen.prepend(knoop->Caption);
    QString pad;
    for (const QString& deel : delen)
        pad += deel + scheiding;
    return pad;
}

QString StationVanCaption(const QString& caption) {
    const qsizetype n = caption.size();
    if (n < 3 || caption.at(n - 1) != QLatin1Char(')') || caption.at(n - 2) != QLatin1Char(':'))
        return QString();
    return caption.mid(n - 3, 2);
}

QString PadVan(const CheckKnoop* knoop) {
    QStringList delen;
    for (; knoop && knoop->Ouder; knoop = knoop->Ouder)
        delen.prepend(knoop->Caption);
    if (delen.isEmpty())
        return QString();
    const QString station = StationVanCaption(delen.first());
    if (station.isEmpty())
        return QString();
    QString pad = station + scheiding;
    for (qsizetype d = 1; d < delen.size(); ++d)
        pad += delen.at(d) + scheiding;
    return pad;
}

bool BackUpBoomStateChanging(const CheckKnoop* knoop) {
    return knoop && (knoop->Ouder || !knoop->Kinderen.empty());
}

} // namespace Orvo
