#include "mail/VerzendLogMail.h"
#include "common/Instellingen.h"
#include "common/P_AlgemeneFuncties.h"
#include "mail/EMailInstellingen.h"
#include "mail/MailBericht.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace Orvo {

namespace {

struct Instelling {
    QString host;
    int poort = 25;
    bool aanmelden = false;
    QString login;
    QString wachtwoord;
};

MailBericht LeesBericht(Instellingen& ini, const QStringList& tekst) {
    MailBericht b;
    b.afzender.naam = ini.LeesTekst(SectieBackUp, QStringLiteral("SMTPNaam"));
    b.afzender.adres = ini.LeesTekst(SectieBackUp, QStringLiteral("SMTPAdrs"));
    for (const Ontvanger& o : LeesOntvangers())
        b.ontvangers.append(MailAdres{o.naam, o.adres});
    b.regels = VerslagRegels(tekst);
    return b;
}

Instelling LeesServer(Instellingen& ini) {
    Instelling s;
    s.host = ini.LeesTekst(SectieBackUp, QStringLiteral("SMTPHost")).trimmed();
    s.poort = ini.LeesGetal(SectieBackUp, QStringLiteral("SMTPPrt"), 25);
    s.aanmelden = ini.LeesBoolean(SectieBackUp, QStringLiteral("SMTPBev"), false);
    if (s.aanmelden) {
        s.login = OntsleutelTekst(ini.LeesTekst(SectieBackUp, QStringLiteral("SMTPLog")));
        s.wachtwoord = OntsleutelTekst(ini.LeesTekst(SectieBackUp, QStringLiteral("SMTPPass")));
    }
    return s;
}

// The host as it may stand in the URL: a name or IPv4 address, or an IPv6 address in brackets. Anything
// that would change the meaning of the URL (slashes, "@", blanks) is refused rather than sent.
QByteArray UrlHost(const QString& host) {
    static const QRegularExpression ipv6(QStringLiteral("^\\[?([0-9A-Fa-f:.]+)\\]?$"));
    static const QRegularExpression naam(QStringLiteral("^[A-Za-z0-9._-]+$"));
    if (host.contains(QLatin1Char(':'))) {
        const auto m = ipv6.match(host);
        return m.hasMatch() ? '[' + m.captured(1).toLatin1() + ']' : QByteArray();
    }
    const QByteArray ace = QUrl::toAce(host);
    return naam.match(QString::fromLatin1(ace)).hasMatch() ? ace : QByteArray();
}

// The name this machine gives in EHLO.
QByteArray EigenNaam() {
    static const QRegularExpression naam(QStringLiteral("^[A-Za-z0-9.-]+$"));
    const QString n = QSysInfo::machineHostName();
    return naam.match(n).hasMatch() ? n.toLatin1() : QByteArrayLiteral("localhost");
}

void InitCurl() {
    static std::once_flag eenmaal;
    std::call_once(eenmaal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload {
    QByteArray data;
    qsizetype positie = 0;
};

size_t LeesUpload(char* buffer, size_t grootte, size_t aantal, void* gebruiker) {
    auto* u = static_cast<Upload*>(gebruiker);
    const qsizetype rest = u->data.size() - u->positie;
    const qsizetype n = qMin<qsizetype>(rest, qsizetype(grootte * aantal));
    memcpy(buffer, u->data.constData() + u->positie, size_t(n));
    u->positie += n;
    return size_t(n);
}

// Notes whether an AUTH command went out: a refused login with AUTH sent is a wrong password, one
// without means the server offers no LOGIN, and then the mail goes without logging in.
struct Gesprek {
    bool authVerstuurd = false;
    QByteArray laatsteAntwoord;
};

int Volg(CURL*, curl_infotype soort, char* data, size_t lengte, void* gebruiker) {
    auto* g = static_cast<Gesprek*>(gebruiker);
    const QByteArray regel(data, qsizetype(lengte));
    if (soort == CURLINFO_HEADER_OUT && regel.startsWith("AUTH "))
        g->authVerstuurd = true;
    else if (soort == CURLINFO_HEADER_IN && (regel.startsWith('4') || regel.startsWith('5')))
        g->laatsteAntwoord = regel.trimmed(); // the refusal, not the goodbye after it
    return 0;
}

struct CurlLijst {
    curl_slist* lijst = nullptr;
    ~CurlLijst() { curl_slist_free_all(lijst); }
    bool Voeg(const QByteArray& regel) {
        curl_slist* nieuw = curl_slist_append(lijst, regel.constData());
        if (!nieuw)
            return false;
        lijst = nieuw;
        return true;
    }
};

struct Poging {
    CURLcode code = CURLE_OK;
    Gesprek gesprek;
    char fout[CURL_ERROR_SIZE] = {};
};

// One SMTP session from connect to QUIT.
void Verstuur(Poging& p, const QByteArray& url, const MailBericht& bericht, const QByteArray& inhoud,
              const Instelling& server, bool metLogin, const MailTijden& tijden) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        p.code = CURLE_FAILED_INIT;
        return;
    }
    CURL* c = curl.get();
    CurlLijst ontvangers;
    for (const MailAdres& o : bericht.ontvangers)
        if (!ontvangers.Voeg('<' + o.adres.toUtf8() + '>')) {
            p.code = CURLE_OUT_OF_MEMORY;
            return;
        }
    Upload upload{inhoud, 0};
    const QByteArray afzender = '<' + bericht.afzender.adres.toUtf8() + '>';
    const QByteArray login = server.login.toUtf8();
    const QByteArray wachtwoord = server.wachtwoord.toUtf8();

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp");
    // Plain SMTP, as configured: no proxy from the environment, no TLS.
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_NONE));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, p.fout);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(qMax(1, tijden.verbindSeconden)));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(qMax(1, tijden.antwoordSeconden)));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(qMax(1, tijden.trageSeconden)));
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, afzender.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, ontvangers.lijst);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &LeesUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(inhoud.size()));
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &Volg);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &p.gesprek);
    if (metLogin) {
        curl_easy_setopt(c, CURLOPT_USERNAME, login.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, wachtwoord.constData());
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }
    p.code = curl_easy_perform(c);
}

bool Mislukt(QString* reden, const QString& waarom) {
    if (reden)
        *reden = waarom;
    return false;
}

} // namespace

bool VerzendLogMail(const QStringList& Tekst) {
    return VerzendLogMail(Tekst, MailTijden{});
}

bool VerzendLogMail(const QStringList& Tekst, const MailTijden& tijden, QString* reden) {
    try {
        Instellingen& ini = OrvoProgs();
        const MailBericht bericht = LeesBericht(ini, Tekst);
        const Instelling server = LeesServer(ini);

        // Without recipients the SMTP library reports success having sent nothing: that is no mail.
        if (bericht.ontvangers.isEmpty())
            return Mislukt(reden, QStringLiteral("geen ontvangers"));
        if (!AdresVeilig(bericht.afzender.adres))
            return Mislukt(reden, QStringLiteral("ongeldig afzenderadres"));
        for (const MailAdres& o : bericht.ontvangers)
            if (o.adres.isEmpty() || !AdresVeilig(o.adres))
                return Mislukt(reden, QStringLiteral("ongeldig ontvangeradres: ") + o.adres);
        const QByteArray host = UrlHost(server.host);
        if (host.isEmpty())
            return Mislukt(reden, QStringLiteral("ongeldige SMTP server: ") + server.host);
        if (server.poort < 1 || server.poort > 65535)
            return Mislukt(reden, QStringLiteral("ongeldige poort: ") + QString::number(server.poort));

        InitCurl();
        const QByteArray url = "smtp://" + host + ':' + QByteArray::number(server.poort) + '/' + EigenNaam();
        const QByteArray inhoud = StelBerichtSamen(bericht);
        const bool metLogin = server.aanmelden && !server.login.isEmpty();

        Poging poging;
        Verstuur(poging, url, bericht, inhoud, server, metLogin, tijden);
        if (poging.code == CURLE_LOGIN_DENIED && metLogin && !poging.gesprek.authVerstuurd) {
            // The server offers AUTH, but not LOGIN: send as if no login were asked for.
            Poging zonder;
            Verstuur(zonder, url, bericht, inhoud, server, false, tijden);
            poging.code = zonder.code;
            poging.gesprek = zonder.gesprek;
            memcpy(poging.fout, zonder.fout, sizeof poging.fout);
        }
        if (poging.code != CURLE_OK) {
            QString waarom = QString::fromUtf8(poging.fout);
            if (waarom.isEmpty())
                waarom = QString::fromUtf8(curl_easy_strerror(poging.code));
            if (!poging.gesprek.laatsteAntwoord.isEmpty())
                waarom += QStringLiteral(" (") + QString::fromUtf8(poging.gesprek.laatsteAntwoord) +
                          QLatin1Char(')');
            return Mislukt(reden, waarom);
        }
        if (reden)
            reden->clear();
        return true;
    } catch (...) {
        // Nothing of a failed mail may reach the end of an unattended run.
        return Mislukt(reden, QStringLiteral("onverwachte fout"));
    }
}

} // namespace Orvo
