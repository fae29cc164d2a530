#include "common/Instellingen.h"
#include "common/AnsiTekst.h"
#include "platform/SpecialeMappen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

namespace Orvo {

Instellingen::Instellingen(const QString& bestand) : m_bestand(bestand) {}

bool Instellingen::LeesGetalTekst(const QString& tekst, int& waarde) {
    const QString t = tekst.trimmed();
    bool ok = false;
    qlonglong getal = 0;
    if (t.size() >= 3 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))))
        getal = t.mid(2).toLongLong(&ok, 16);
    else if (t.size() >= 2 && t.startsWith(QLatin1Char('$')))
        getal = t.mid(1).toLongLong(&ok, 16);
    else
        getal = t.toLongLong(&ok, 10);
    // Hexadecimal values fill the whole 32 bits, as the classic reader takes them.
    if (ok && t.contains(QLatin1Char('x'), Qt::CaseInsensitive) && getal >= 0 && getal <= 0xFFFFFFFFLL)
        getal = qint32(quint32(getal));
    if (!ok || getal < INT_MIN || getal > INT_MAX)
        return false;
    waarde = int(getal);
    return true;
}

void Instellingen::Laad() {
    if (m_geladen)
        return;
    m_geladen = true;
    QDir().mkpath(QFileInfo(m_bestand).absolutePath());
    QFile f(m_bestand);
    if (!f.open(QIODevice::ReadOnly))
        return;
    Sectie* huidige = nullptr;
    for (const QString& ruw : Ansi::DecodeerRegels(f.readAll())) {
        const QString regel = ruw.trimmed();
        if (regel.isEmpty() || regel.startsWith(QLatin1Char(';')))
            continue;
        if (regel.startsWith(QLatin1Char('[')) && regel.endsWith(QLatin1Char(']'))) {
            const QString naam = regel.mid(1, regel.size() - 2).trimmed();
            huidige = ZoekSectie(naam);
            if (!huidige) {
                m_secties.push_back(Sectie{naam, {}});
                huidige = &m_secties.back();
            }
            continue;
        }
        const qsizetype is = ruw.indexOf(QLatin1Char('='));
        if (!huidige || is < 0)
            continue; // not a key line: read what can be read
        const QString sleutel = ruw.left(is).trimmed();
        if (sleutel.isEmpty())
            continue;
        const QString waarde = ruw.mid(is + 1);
        bool gevonden = false;
        for (Regel& r : huidige->regels)
            if (r.sleutel.compare(sleutel, Qt::CaseInsensitive) == 0) {
                gevonden = true; // the first of two equal keys wins
                break;
            }
        if (!gevonden)
            huidige->regels.push_back(Regel{sleutel, waarde});
    }
}

Instellingen::Sectie* Instellingen::ZoekSectie(const QString& naam) {
    for (Sectie& s : m_secties)
        if (s.naam.compare(naam, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

Instellingen::Regel* Instellingen::ZoekRegel(const QString& sectie, const QString& sleutel) {
    Laad();
    Sectie* s = ZoekSectie(sectie);
    if (!s)
        return nullptr;
    for (Regel& r : s->regels)
        if (r.sleutel.compare(sleutel, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

bool Instellingen::Bewaar() {
    QStringList regels;
    for (const Sectie& s : m_secties) {
        regels.append(QLatin1Char('[') + s.naam + QLatin1Char(']'));
        for (const Regel& r : s.regels)
            regels.append(r.sleutel + QLatin1Char('=') + r.waarde);
        regels.append(QString());
    }
    QDir().mkpath(QFileInfo(m_bestand).absolutePath());
    QSaveFile f(m_bestand);
    if (!f.open(QIODevice::WriteOnly) || f.write(Ansi::CodeerRegels(regels)) < 0 || !f.commit()) {
        m_fout = f.errorString();
        return false;
    }
    m_fout.clear();
    return true;
}

QString Instellingen::LeesTekst(const QString& sectie, const QString& sleutel, const QString& standaard) {
    const Regel* r = ZoekRegel(sectie, sleutel);
    return r ? r->waarde : standaard;
}

int Instellingen::LeesGetal(const QString& sectie, const QString& sleutel, int standaard) {
    const Regel* r = ZoekRegel(sectie, sleutel);
    int waarde = standaard;
    if (!r || !LeesGetalTekst(r->waarde, waarde))
        return standaard;
    return waarde;
}

bool Instellingen::LeesBoolean(const QString& sectie, const QString& sleutel, bool standaard) {
    const Regel* r = ZoekRegel(sectie, sleutel);
    int waarde = 0;
    if (!r || !LeesGetalTekst(r->waarde, waarde))
        return standaard;
    return waarde != 0;
}

bool Instellingen::BestaatSleutel(const QString& sectie, const QString& sleutel) {
    return ZoekRegel(sectie, sleutel) != nullptr;
}

bool Instellingen::SchrijfTekst(const QString& sectie, const QString& sleutel, const QString& waarde) {
    Laad();
    if (Regel* r = ZoekRegel(sectie, sleutel)) {
        r->waarde = waarde;
    } else {
        Sectie* s = ZoekSectie(sectie);
        if (!s) {
            m_secties.push_back(Sectie{sectie, {}});
            s = &m_secties.back();
        }
        s->regels.push_back(Regel{sleutel, waarde});
    }
    return Bewaar();
}

bool Instellingen::SchrijfGetal(const QString& sectie, const QString& sleutel, int waarde) {
    return SchrijfTekst(sectie, sleutel, QString::number(waarde));
}

bool Instellingen::SchrijfBoolean(const QString& sectie, const QString& sleutel, bool waarde) {
    return SchrijfTekst(sectie, sleutel, waarde ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Instellingen::VerwijderSleutel(const QString& sectie, const QString& sleutel) {
    Laad();
    Sectie* s = ZoekSectie(sectie);
    if (!s)
        return true;
    const auto oud = s->regels.size();
    std::erase_if(s->regels,
                  [&](const Regel& r) { return r.sleutel.compare(sleutel, Qt::CaseInsensitive) == 0; });
    return oud == s->regels.size() || Bewaar();
}

namespace {
std::unique_ptr<Instellingen>& programmaInstellingen() {
    static std::unique_ptr<Instellingen> i;
    return i;
}
} // namespace

QString StandaardOrvoProgsBestand() {
    return Platform::SpecialeMap(Platform::CSIDL_COMMON_APPDATA) +
           QStringLiteral("/Talvane BV/OrvoProgs.ini");
}

Instellingen& OrvoProgs() {
    auto& i = programmaInstellingen();
    if (!i)
        i = std::make_unique<Instellingen>(StandaardOrvoProgsBestand());
    return *i;
}

void ZetOrvoProgsBestand(const QString& bestand) {
    programmaInstellingen() = std::make_unique<Instellingen>(bestand);
}

} // namespace Orvo
