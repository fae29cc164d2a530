#pragma once
// The program's one connection with the provider's FTP server, over libcurl.
//
// One control connection serves a whole run: libcurl keeps it open between the operations and every
// request is built from the current server folder, which this object keeps as a path below the login
// folder. Used by one thread at a time (opened on the main thread, used by a worker, closed on the
// main thread); never by two at once.

#include "ftp/FTPLijst.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

namespace Orvo {

// The two reasons MaakFTPVerbinding leaves in Foutmelding (the second one followed by the client's text).
inline const QString MeldingFTPGeenAdres = QStringLiteral(
    "Kan momenteel geen verbinding maken met de FTP server. Het adres kan niet bepaald worden.");
inline const QString MeldingFTPGeenVerbinding =
    QStringLiteral("Kan momenteel geen verbinding maken met de FTP server. Melding: ");

// Settings keys: the server address in "Orvo Algemeen", the scrambled login in "Orvo Back-up".
inline const QString SleutelFTPAdres = QStringLiteral("FTPAdres");
inline const QString SleutelFTPLogin = QStringLiteral("FTPLogin");
inline const QString SleutelFTPPass = QStringLiteral("FTPPass");

// A silent server must end in a failed operation, not in a run that waits for ever.
struct FTPTijdLimieten {
    int VerbindenMs = 30000;  // connecting, and the server connecting back for a data transfer
    int LageSnelheidSec = 60; // a transfer under 1 byte/s for this long is given up
    int AntwoordSec = 60;     // waiting for one reply on the control connection
};

// Watches one request for silence: true once no byte has moved for `limietSec` seconds.
struct FTPStilWacht {
    QElapsedTimer klok;
    qint64 bytes = 0;
    int limietSec = 60;
    bool gezet = false;
    void Start(int limiet);
    bool Stil(qint64 bytesNu);
};

class FTPVerbinding {
public:
    // The page whose body is the server's address; by default the one chosen when building.
    explicit FTPVerbinding(QString adresPagina = StandaardAdresPagina());
    ~FTPVerbinding();
    FTPVerbinding(const FTPVerbinding&) = delete;
    FTPVerbinding& operator=(const FTPVerbinding&) = delete;

    static QString StandaardAdresPagina();

    // Finds the address ("FTPAdres", else the lookup), connects and logs in with the program's login.
    // On failure Foutmelding holds the reason. A connection still open is closed first.
    bool MaakFTPVerbinding();
    void VerbreekFTPVerbinding();
    bool IsVerbonden() const { return m_curl != nullptr; }

    // The operations on the current server folder; false on any failure, they never throw.
    bool FTPDirExists(const QString& Directory); // a folder of exactly this name (letter case counts)
    bool FTPCreateDir(const QString& Directory);
    bool FTPDelFile(const QString& Bestand);
    bool FTPPutFile(const QString& Bestand);    // sends TijdelijkeMap + Bestand, then removes it always
    bool FTPDelPutFile(const QString& Bestand); // as FTPPutFile, deleting a server copy first
    bool FTPGetFile(const QString& Bestand);    // replaces TijdelijkeMap + Bestand with the server's file
    // The body of the address page without surrounding blanks and line breaks; empty on any failure.
    QString GeefFTPAdres();

    // The client calls the folder walks use. Each answers whether the server did it; callers treat
    // false as a failure of the walk (LaatsteFout() tells why).
    [[nodiscard]] bool ChangeDir(const QString& map);
    [[nodiscard]] bool ChangeDirUp();
    [[nodiscard]] bool List(QList<FTPLijstItem>& lijst);
    // `tijd` is the modification time (UTC), or invalid when the server gives none: the file is not
    // there. False only when the question itself could not be asked.
    [[nodiscard]] bool FileDate(const QString& bestand, QDateTime& tijd);
    [[nodiscard]] bool RemoveDir(const QString& map);
    [[nodiscard]] bool Delete(const QString& bestand);

    // The current server folder below the login folder, as "/Backup_Klanten/jan" ("/" at the top).
    QString HuidigeMap() const;
    QString LaatsteFout() const { return m_laatsteFout; }

    void ZetTijdLimieten(const FTPTijdLimieten& limieten) { m_limieten = limieten; }
    FTPTijdLimieten TijdLimieten() const { return m_limieten; }

    QString Foutmelding; // why the last MaakFTPVerbinding failed

private:
    bool GaNaarMap(const QStringList& nieuw);
    struct Antwoord {
        int code = 0;     // code of the last complete reply
        QByteArray tekst; // its text, without the code
    };

    bool Verbind(const QString& adres);
    bool MaakVerbinding(bool opnieuw);
    bool Klaar(const QString& naam);
    void ZetBasis(const QByteArray& url);
    bool Voer();
    bool Commando(const QByteArray& commando, int& code);
    bool HaalLijst(const char* commando, QByteArray& tekst);
    QByteArray MapUrl(const QStringList& map) const;
    QByteArray BestandUrl(const QString& naam) const;
    void ZetFout(const QString& tekst) { m_laatsteFout = tekst; }

    static size_t OntvangKop(char* data, size_t grootte, size_t aantal, void* zelf);

    QString m_adresPagina;
    FTPTijdLimieten m_limieten;
    void* m_curl = nullptr; // CURL*; kept open between operations so the login is done once
    QByteArray m_basis;     // "ftp://host:port"
    QByteArray m_gebruiker; // the login this connection was made with
    QByteArray m_wachtwoord;
    QStringList m_map; // current folder, below the login folder
    bool m_geenMlsd = false;
    Antwoord m_antwoord;
    QString m_laatsteFout;

    FTPStilWacht m_stil;
};

} // namespace Orvo
