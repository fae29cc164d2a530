#include "mail/EMailInstellingen.h"
#include "common/Instellingen.h"
#include "common/P_AlgemeneFuncties.h"

namespace Orvo {

namespace {

const QString& sZend = SleutelEMailZend;
const QString& sFout = SleutelEMailFout;
const QString sNaam = QStringLiteral("SMTPNaam");
const QString sAdres = QStringLiteral("SMTPAdrs");
const QString sHost = QStringLiteral("SMTPHost");
const QString sPoort = QStringLiteral("SMTPPrt");
const QString sBev = QStringLiteral("SMTPBev");
const QString sLogin = QStringLiteral("SMTPLog");
const QString sWachtwoord = QStringLiteral("SMTPPass");
const QString sAantal = QStringLiteral("EMailOntvangers");
const QString sONaam = QStringLiteral("EMailNaam");
const QString sOAdres = QStringLiteral("EMailAdres");

} // namespace

int PoortNummer(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.isEmpty() || t.size() > 5)
        return 0;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    const int poort = t.toInt();
    return poort >= 1 && poort <= 65535 ? poort : 0;
}

EMailControle ControleerEMailInstellingen(const EMailInstellingen& e) {
    if (e.zend) {
        if (e.naam.isEmpty() || e.adres.isEmpty() || e.host.isEmpty() || e.poort.isEmpty())
            return {MeldingRubriekenInvullen, EMailVeld::SMTPNaam};
    }
    if (PoortNummer(e.poort) == 0)
        return {MeldingRubriekenInvullen, EMailVeld::SMTPPrt};
    if (e.zend) {
        if (e.aanmelden && (e.login.isEmpty() || e.wachtwoord.isEmpty()))
            return {MeldingRubriekenInvullen, EMailVeld::SMTPLog};
        if (e.ontvangers.isEmpty())
            return {MeldingMinstensEenOntvanger, EMailVeld::AdresLijst};
        const QString fout = EMailAdresFout(e.adres);
        if (!fout.isEmpty())
            return {fout, EMailVeld::SMTPAdrs};
    }
    return {};
}

QList<Ontvanger> LeesOntvangers() {
    Instellingen& ini = OrvoProgs();
    QList<Ontvanger> lijst;
    const int aantal = ini.LeesGetal(SectieBackUp, sAantal, 0);
    for (int i = 0; i < aantal; ++i) {
        const QString nr = QString::number(i);
        if (!ini.BestaatSleutel(SectieBackUp, sONaam + nr) && !ini.BestaatSleutel(SectieBackUp, sOAdres + nr))
            break;
        lijst.append(
            Ontvanger{ini.LeesTekst(SectieBackUp, sONaam + nr), ini.LeesTekst(SectieBackUp, sOAdres + nr)});
    }
    return lijst;
}

EMailInstellingen LeesEMailInstellingen() {
    Instellingen& ini = OrvoProgs();
    EMailInstellingen e;
    e.zend = ini.LeesBoolean(SectieBackUp, sZend, false);
    e.alleenBijFout = ini.LeesBoolean(SectieBackUp, sFout, false);
    e.naam = ini.LeesTekst(SectieBackUp, sNaam);
    e.adres = ini.LeesTekst(SectieBackUp, sAdres);
    e.host = ini.LeesTekst(SectieBackUp, sHost);
    e.poort = QString::number(ini.LeesGetal(SectieBackUp, sPoort, 25));
    e.aanmelden = ini.LeesBoolean(SectieBackUp, sBev, false);
    e.login = OntsleutelTekst(ini.LeesTekst(SectieBackUp, sLogin));
    e.wachtwoord = OntsleutelTekst(ini.LeesTekst(SectieBackUp, sWachtwoord));
    e.ontvangers = LeesOntvangers();
    return e;
}

bool SchrijfEMailInstellingen(const EMailInstellingen& e, QString* fout) {
    Instellingen& ini = OrvoProgs();
    bool goed = true;
    auto let = [&](bool gelukt) {
        if (!gelukt && goed) {
            goed = false;
            if (fout)
                *fout = ini.Fout();
        }
    };
    // The old list goes first, so that no row of a longer old list is left behind.
    const int oud = ini.LeesGetal(SectieBackUp, sAantal, 0);
    for (int i = 0; i < oud; ++i) {
        const QString nr = QString::number(i);
        if (!ini.BestaatSleutel(SectieBackUp, sONaam + nr) && !ini.BestaatSleutel(SectieBackUp, sOAdres + nr))
            break;
        let(ini.VerwijderSleutel(SectieBackUp, sONaam + nr));
        let(ini.VerwijderSleutel(SectieBackUp, sOAdres + nr));
    }
    let(ini.SchrijfBoolean(SectieBackUp, sZend, e.zend));
    let(ini.SchrijfBoolean(SectieBackUp, sFout, e.alleenBijFout));
    let(ini.SchrijfTekst(SectieBackUp, sNaam, e.naam));
    let(ini.SchrijfTekst(SectieBackUp, sAdres, e.adres));
    let(ini.SchrijfTekst(SectieBackUp, sHost, e.host));
    let(ini.SchrijfGetal(SectieBackUp, sPoort, PoortNummer(e.poort)));
    let(ini.SchrijfBoolean(SectieBackUp, sBev, e.aanmelden));
    let(ini.SchrijfTekst(SectieBackUp, sLogin, VersleutelTekst(e.login)));
    let(ini.SchrijfTekst(SectieBackUp, sWachtwoord, VersleutelTekst(e.wachtwoord)));
    let(ini.SchrijfGetal(SectieBackUp, sAantal, int(e.ontvangers.size())));
    for (qsizetype i = 0; i < e.ontvangers.size(); ++i) {
        const QString nr = QString::number(i);
        let(ini.SchrijfTekst(SectieBackUp, sONaam + nr, e.ontvangers.at(i).naam));
        let(ini.SchrijfTekst(SectieBackUp, sOAdres + nr, e.ontvangers.at(i).adres));
    }
    return goed;
}

int VergelijkOntvangerTekst(const QString& a, const QString& b) {
    auto vouw = [](char16_t c) -> char16_t { return c >= 'a' && c <= 'z' ? char16_t(c - 32) : c; };
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = vouw(a.at(i).unicode());
        const char16_t y = vouw(b.at(i).unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace Orvo
