#include "ftp/FTPVerbinding.h"
#include "common/Instellingen.h"
#include "common/Orvo_vars.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>
#include <curl/curl.h>
#include <mutex>

namespace Orvo {

namespace {

// The address page is tiny; anything much larger is not an address.
constexpr qsizetype MaxPaginaGrootte = 64 * 1024;

// Server replies that mean "this command is not known here".
bool OnbekendCommando(int code) {
    return code == 500 || code == 501 || code == 502 || code == 504;
}

void InitCurl() {
    static std::once_flag eenmaal;
    std::call_once(eenmaal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// libcurl's own low-speed check averages over several seconds, so a server that stops dead is noticed
// only seconds after the limit; counting the time since the last byte moved is exact.
int Voortgang(void* wacht, curl_off_t, curl_off_t ontvangen, curl_off_t, curl_off_t verzonden) {
    return static_cast<FTPStilWacht*>(wacht)->Stil(qint64(ontvangen) + qint64(verzonden)) ? 1 : 0;
}

CURL* Handle(void* h) {
    return static_cast<CURL*>(h);
}

size_t SchrijfNaarBestand(char* data, size_t grootte, size_t aantal, void* doel) {
    auto* bestand = static_cast<QFile*>(doel);
    const qint64 n = qint64(grootte * aantal);
    return bestand->write(data, n) == n ? size_t(n) : 0;
}

size_t LeesUitBestand(char* data, size_t grootte, size_t aantal, void* bron) {
    auto* bestand = static_cast<QFile*>(bron);
    const qint64 n = bestand->read(data, qint64(grootte * aantal));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

struct Buffer {
    QByteArray data;
    qsizetype max = -1;
};

size_t SchrijfNaarBuffer(char* data, size_t grootte, size_t aantal, void* doel) {
    auto* buffer = static_cast<Buffer*>(doel);
    const qsizetype n = qsizetype(grootte * aantal);
    if (buffer->max >= 0 && buffer->data.size() + n > buffer->max)
        return 0;
    buffer->data.append(data, n);
    return size_t(n);
}

// "host" or "host:port"; only names and IPv4 addresses, so nothing else can slip into a URL.
bool LeesAdres(const QString& adres, QString& host, int& poort) {
    static const QRegularExpression vorm(QStringLiteral("^([A-Za-z0-9._-]+)(?::([0-9]{1,5}))?$"));
    const QRegularExpressionMatch m = vorm.match(adres);
    if (!m.hasMatch())
        return false;
    host = m.captured(1);
    poort = 21;
    if (m.hasCaptured(2)) {
        poort = m.captured(2).toInt();
        if (poort < 1 || poort > 65535)
            return false;
    }
    return true;
}

QByteArray Escape(CURL* curl, const QString& naam) {
    const QByteArray utf8 = naam.toUtf8();
    char* e = curl_easy_escape(curl, utf8.constData(), int(utf8.size()));
    const QByteArray uit(e);
    curl_free(e);
    return uit;
}

} // namespace

QString FTPVerbinding::StandaardAdresPagina() {
    return QStringLiteral(ORVO_IPHELPER_URL);
}

FTPVerbinding::FTPVerbinding(QString adresPagina) : m_adresPagina(std::move(adresPagina)) {
    InitCurl();
}

FTPVerbinding::~FTPVerbinding() {
    VerbreekFTPVerbinding();
}

// --- connection -----------------------------------------------------------------------------------

bool FTPVerbinding::MaakFTPVerbinding() {
    return MaakVerbinding(false);
}

bool FTPVerbinding::MaakVerbinding(bool opnieuw) {
    Foutmelding.clear();
    QString adres = OrvoProgs().LeesTekst(SectieAlgemeen, SleutelFTPAdres);
    if (adres.isEmpty())
        adres = GeefFTPAdres(); // used, not stored
    if (adres.isEmpty()) {
        Foutmelding = MeldingFTPGeenAdres;
        return false;
    }
    if (Verbind(adres))
        return true;
    Foutmelding = MeldingFTPGeenVerbinding + m_laatsteFout;
    // The server may have moved: one more try at a newly looked-up address, and only one, so a page
    // that keeps changing its answer cannot keep us trying.
    if (opnieuw)
        return false;
    const QString nieuw = GeefFTPAdres();
    if (nieuw.isEmpty() || nieuw == adres)
        return false;
    OrvoProgs().SchrijfTekst(SectieAlgemeen, SleutelFTPAdres, nieuw);
    return MaakVerbinding(true);
}

bool FTPVerbinding::Verbind(const QString& adres) {
    VerbreekFTPVerbinding();
    m_map.clear();
    m_geenMlsd = false;
    QString host;
    int poort = 21;
    if (!LeesAdres(adres, host, poort)) {
        ZetFout(QStringLiteral("Ongeldig adres: ") + adres);
        return false;
    }
    m_basis = "ftp://" + host.toLatin1() + ':' + QByteArray::number(poort);
    m_gebruiker = Vars().FTPLoginNaam.toUtf8();
    m_wachtwoord = Vars().FTPLoginWachtwoord.toUtf8();
    m_curl = curl_easy_init();
    if (!m_curl) {
        ZetFout(QStringLiteral("libcurl kon niet worden gestart"));
        return false;
    }
    // Logging in is all a request on the login folder without a body does.
    ZetBasis(MapUrl({}));
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    if (Voer())
        return true;
    curl_easy_cleanup(Handle(m_curl));
    m_curl = nullptr;
    return false;
}

void FTPVerbinding::VerbreekFTPVerbinding() {
    if (!m_curl)
        return;
    // Cleaning up says QUIT on a live control connection (waiting at most the reply time-out); one
    // that failed is simply dropped.
    curl_easy_cleanup(Handle(m_curl));
    m_curl = nullptr;
    m_map.clear();
}

QString FTPVerbinding::GeefFTPAdres() {
    CURL* http = curl_easy_init();
    if (!http)
        return {};
    Buffer body;
    body.max = MaxPaginaGrootte;
    const QByteArray url = m_adresPagina.toUtf8();
    curl_slist* koppen =
        curl_slist_append(nullptr, "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    curl_easy_setopt(http, CURLOPT_URL, url.constData());
    curl_easy_setopt(http, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(http, CURLOPT_HTTPHEADER, koppen);
    curl_easy_setopt(http, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(http, CURLOPT_PROXY, "");
    curl_easy_setopt(http, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(http, CURLOPT_CONNECTTIMEOUT_MS, long(m_limieten.VerbindenMs));
    curl_easy_setopt(http, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(http, CURLOPT_LOW_SPEED_TIME, long(m_limieten.LageSnelheidSec));
    FTPStilWacht wacht;
    wacht.Start(m_limieten.LageSnelheidSec);
    curl_easy_setopt(http, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(http, CURLOPT_XFERINFOFUNCTION, Voortgang);
    curl_easy_setopt(http, CURLOPT_XFERINFODATA, &wacht);
    curl_easy_setopt(http, CURLOPT_WRITEFUNCTION, SchrijfNaarBuffer);
    curl_easy_setopt(http, CURLOPT_WRITEDATA, &body);
    const CURLcode rc = curl_easy_perform(http);
    long status = 0;
    curl_easy_getinfo(http, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(http);
    curl_slist_free_all(koppen);
    if (rc != CURLE_OK || status < 200 || status > 299)
        return {};
    // A page that ends in a line break is the normal case; the break is not part of the address.
    return QString::fromUtf8(body.data).trimmed();
}

// --- plumbing -------------------------------------------------------------------------------------

QByteArray FTPVerbinding::MapUrl(const QStringList& map) const {
    QByteArray url = m_basis + '/';
    for (const QString& deel : map)
        url += Escape(Handle(m_curl), deel) + '/';
    return url;
}

QByteArray FTPVerbinding::BestandUrl(const QString& naam) const {
    return MapUrl(m_map) + Escape(Handle(m_curl), naam);
}

// Every request starts from a clean handle; the open connection and its folder stay with it.
void FTPVerbinding::ZetBasis(const QByteArray& url) {
    CURL* c = Handle(m_curl);
    curl_easy_reset(c);
    curl_easy_setopt(c, CURLOPT_URL, url.constData()); // libcurl copies strings it is given
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_USERNAME, m_gebruiker.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, m_wachtwoord.constData());
    curl_easy_setopt(c, CURLOPT_IPRESOLVE, CURL_IPRESOLVE_V4);
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FTPPORT, "-"); // active data connections, on the control's address
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(m_limieten.VerbindenMs));
    curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, long(m_limieten.VerbindenMs));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(m_limieten.AntwoordSec));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(m_limieten.LageSnelheidSec));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Voortgang);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &m_stil);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OntvangKop);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
}

// Every reply line of the server passes here; the last complete one is what a command answered.
size_t FTPVerbinding::OntvangKop(char* data, size_t grootte, size_t aantal, void* zelf) {
    auto* v = static_cast<FTPVerbinding*>(zelf);
    const size_t n = grootte * aantal;
    QByteArray regel(data, qsizetype(n));
    while (regel.endsWith('\n') || regel.endsWith('\r'))
        regel.chop(1);
    if (regel.size() >= 3 && regel.at(0) >= '1' && regel.at(0) <= '5' &&
        (regel.size() == 3 || regel.at(3) == ' ')) {
        bool ok = false;
        const int code = regel.left(3).toInt(&ok);
        if (ok) {
            v->m_antwoord.code = code;
            v->m_antwoord.tekst = regel.mid(4);
        }
    }
    return n;
}

void FTPStilWacht::Start(int limiet) {
    limietSec = limiet;
    bytes = 0;
    gezet = false;
    klok.start();
}

bool FTPStilWacht::Stil(qint64 bytesNu) {
    if (bytesNu != bytes) {
        bytes = bytesNu;
        klok.restart();
        return false;
    }
    gezet = gezet || klok.elapsed() >= qint64(limietSec) * 1000;
    return gezet;
}

bool FTPVerbinding::Voer() {
    m_antwoord = {};
    m_stil.Start(m_limieten.LageSnelheidSec);
    const CURLcode rc = curl_easy_perform(Handle(m_curl));
    if (rc == CURLE_OK)
        return true;
    if (m_stil.gezet) {
        ZetFout(QString::fromUtf8(curl_easy_strerror(CURLE_OPERATION_TIMEDOUT)));
        return false;
    }
    // A refusal by the server tells most in its own words; otherwise libcurl's fixed reason (its error
    // buffer is no use: in active mode it collects noise even when all goes well).
    if (m_antwoord.code >= 400)
        ZetFout(QString::fromUtf8(m_antwoord.tekst).trimmed());
    else
        ZetFout(QString::fromUtf8(curl_easy_strerror(rc)));
    return false;
}

bool FTPVerbinding::Klaar(const QString& naam) {
    if (!m_curl) {
        ZetFout(QStringLiteral("Er is geen verbinding met de FTP server."));
        return false;
    }
    if (!FTPNaamBruikbaar(naam)) {
        ZetFout(QStringLiteral("Ongeldige naam: ") + naam);
        return false;
    }
    return true;
}

// Sends one command in the current folder, after libcurl has gone there. The '*' keeps a refusal from
// failing the request, which would make libcurl drop the control connection; the reply code decides.
bool FTPVerbinding::Commando(const QByteArray& commando, int& code) {
    ZetBasis(MapUrl(m_map));
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    curl_slist* na = curl_slist_append(nullptr, QByteArray("*" + commando).constData());
    curl_easy_setopt(Handle(m_curl), CURLOPT_POSTQUOTE, na);
    const bool ok = Voer();
    curl_easy_setopt(Handle(m_curl), CURLOPT_POSTQUOTE, nullptr);
    curl_slist_free_all(na);
    code = m_antwoord.code;
    if (ok && code >= 400)
        ZetFout(QString::fromUtf8(m_antwoord.tekst).trimmed());
    return ok;
}

bool FTPVerbinding::HaalLijst(const char* commando, QByteArray& tekst) {
    Buffer buffer;
    ZetBasis(MapUrl(m_map));
    if (commando)
        curl_easy_setopt(Handle(m_curl), CURLOPT_CUSTOMREQUEST, commando);
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEFUNCTION, SchrijfNaarBuffer);
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEDATA, &buffer);
    const bool ok = Voer();
    tekst = buffer.data;
    return ok;
}

QString FTPVerbinding::HuidigeMap() const {
    return QLatin1Char('/') + m_map.join(QLatin1Char('/'));
}

// --- client calls ---------------------------------------------------------------------------------

bool FTPVerbinding::ChangeDir(const QString& map) {
    if (!Klaar(map))
        return false;
    return GaNaarMap(m_map + QStringList{map});
}

// Asked of the server, so a folder (or a connection) that is not there shows here and not later.
bool FTPVerbinding::GaNaarMap(const QStringList& nieuw) {
    ZetBasis(MapUrl(nieuw));
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    if (!Voer())
        return false;
    m_map = nieuw;
    return true;
}

bool FTPVerbinding::ChangeDirUp() {
    if (!m_curl) {
        ZetFout(QStringLiteral("Er is geen verbinding met de FTP server."));
        return false;
    }
    if (m_map.isEmpty()) {
        ZetFout(QStringLiteral("Er is geen bovenliggende map."));
        return false;
    }
    return GaNaarMap(m_map.mid(0, m_map.size() - 1));
}

bool FTPVerbinding::List(QList<FTPLijstItem>& lijst) {
    lijst.clear();
    if (!m_curl) {
        ZetFout(QStringLiteral("Er is geen verbinding met de FTP server."));
        return false;
    }
    QByteArray tekst;
    if (!m_geenMlsd) {
        if (HaalLijst("MLSD", tekst)) {
            lijst = LeesMLSD(tekst);
            return true;
        }
        if (!OnbekendCommando(m_antwoord.code))
            return false;
        m_geenMlsd = true; // an older server: its LIST output has to do
    }
    if (!HaalLijst(nullptr, tekst))
        return false;
    lijst = LeesLIST(tekst);
    return true;
}

bool FTPVerbinding::FileDate(const QString& bestand, QDateTime& tijd) {
    tijd = QDateTime();
    if (!Klaar(bestand))
        return false;
    int code = 0;
    if (!Commando("MDTM " + bestand.toUtf8(), code))
        return false;
    if (code == 213) {
        const QByteArray t = m_antwoord.tekst.trimmed().left(14);
        tijd = QDateTime::fromString(QString::fromLatin1(t), QStringLiteral("yyyyMMddHHmmss"));
        if (tijd.isValid())
            tijd.setTimeZone(QTimeZone::utc());
    }
    return true;
}

bool FTPVerbinding::RemoveDir(const QString& map) {
    int code = 0;
    return Klaar(map) && Commando("RMD " + map.toUtf8(), code) && code >= 200 && code < 300;
}

bool FTPVerbinding::Delete(const QString& bestand) {
    int code = 0;
    return Klaar(bestand) && Commando("DELE " + bestand.toUtf8(), code) && code >= 200 && code < 300;
}

// --- operations -----------------------------------------------------------------------------------

bool FTPVerbinding::FTPDirExists(const QString& Directory) {
    QList<FTPLijstItem> lijst;
    if (!List(lijst))
        return false;
    for (const FTPLijstItem& item : lijst) {
        if (item.IsDir && item.Naam == Directory)
            return true;
    }
    return false;
}

bool FTPVerbinding::FTPCreateDir(const QString& Directory) {
    int code = 0;
    return Klaar(Directory) && Commando("MKD " + Directory.toUtf8(), code) && code >= 200 && code < 300;
}

bool FTPVerbinding::FTPDelFile(const QString& Bestand) {
    return Delete(Bestand);
}

bool FTPVerbinding::FTPPutFile(const QString& Bestand) {
    const QString lokaal = Vars().TijdelijkeMap + Bestand;
    bool ok = false;
    if (Klaar(Bestand)) {
        QFile bron(lokaal);
        if (!bron.open(QIODevice::ReadOnly)) {
            ZetFout(QStringLiteral("Kan ") + lokaal + QStringLiteral(" niet lezen: ") + bron.errorString());
        } else {
            ZetBasis(BestandUrl(Bestand));
            CURL* c = Handle(m_curl);
            curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(c, CURLOPT_READFUNCTION, LeesUitBestand);
            curl_easy_setopt(c, CURLOPT_READDATA, &bron);
            curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(bron.size()));
            ok = Voer();
        }
    }
    // The staged file has done its work either way.
    if (FTPNaamBruikbaar(Bestand))
        QFile::remove(lokaal);
    return ok;
}

bool FTPVerbinding::FTPDelPutFile(const QString& Bestand) {
    QDateTime tijd;
    bool ok = FileDate(Bestand, tijd);
    if (ok && tijd.isValid())
        ok = Delete(Bestand);
    if (!ok) {
        if (FTPNaamBruikbaar(Bestand))
            QFile::remove(Vars().TijdelijkeMap + Bestand);
        return false;
    }
    return FTPPutFile(Bestand);
}

bool FTPVerbinding::FTPGetFile(const QString& Bestand) {
    if (!Klaar(Bestand))
        return false;
    const QString lokaal = Vars().TijdelijkeMap + Bestand;
    if (QFileInfo::exists(lokaal) && !QFile::remove(lokaal)) {
        ZetFout(QStringLiteral("Kan ") + lokaal + QStringLiteral(" niet verwijderen."));
        return false;
    }
    QFile doel(lokaal);
    if (!doel.open(QIODevice::WriteOnly)) {
        ZetFout(QStringLiteral("Kan ") + lokaal + QStringLiteral(" niet schrijven: ") + doel.errorString());
        return false;
    }
    ZetBasis(BestandUrl(Bestand));
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEFUNCTION, SchrijfNaarBestand);
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEDATA, &doel);
    const bool ok = Voer();
    doel.close();
    return ok && doel.error() == QFileDevice::NoError;
}

} // namespace Orvo
