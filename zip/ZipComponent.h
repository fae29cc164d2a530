#pragma once
// The ZIP component: one instance per user and thread (the main window's Zipper, each worker its own).
// A plain class over libzip. It is not thread-safe; every call works on native paths and reports
// failure through FoutCode()/FoutMelding() as well as its return value.

#include <QByteArray>
#include <QString>
#include <optional>

namespace Orvo {

class ZipComponent {
public:
    // Error codes the program can meet. 0 is success; every other code has a Dutch message.
    enum Fout : int {
        Geen = 0,
        ArchiefNietGevonden = 1,     // the archive does not exist
        ArchiefBeschadigd = 2,       // not a ZIP, truncated, wrong CRC or otherwise damaged
        VerkeerdWachtwoord = 3,      // an encrypted entry and no or a wrong password
        EntryNietGevonden = 4,       // the archive lacks the asked entry
        BronNietLeesbaar = 5,        // the file to add cannot be opened or read
        SchijfVol = 6,               // no room left to write
        SchrijfFout = 7,             // writing the archive or an extracted file failed otherwise
        OnveiligeNaam = 8,           // an entry name that would write outside the target folder
        MapNietBeschikbaar = 9,      // the target folder cannot be created or written
        OnbekendeFout = 10,          // anything libzip reports that has no code of its own
        NietOndersteund = 11,        // a compression or encryption method this component cannot read
        ArchiefNietTeOpenen = 12,    // the archive exists but cannot be opened (no access, a folder)
        WachtwoordOfBeschadigd = 13, // an encrypted entry fails after the password check
        EntryTeGroot = 14,           // an entry too large to be held in memory
        ArchiefLeeg = 15,            // an archive without a single file entry
        GeenWachtwoord = 16,         // encryption asked without a password
    };

    ZipComponent() = default;

    int FoutCode() const { return m_fout; }
    QString FoutMelding() const; // Dutch message for the code ("" for 0)
    static QString MeldingVoor(int code);
    void WisFout() {
        m_fout = Geen;
        m_detail.clear();
    }
    // Extra detail of the last failure (libzip's own text, a file name); for logs only.
    QString FoutDetail() const { return m_detail; }

    void ZetWachtwoord(const QString& w) { m_wachtwoord = w; }
    QString Wachtwoord() const { return m_wachtwoord; }
    // Traditional PKWARE encryption of every entry written from now on (needs a password).
    void ZetVersleutelen(bool aan) { m_versleutelen = aan; }
    bool Versleutelen() const { return m_versleutelen; }
    // 0..9; 0 stores. Values outside are clamped.
    void ZetNiveau(int niveau);
    int Niveau() const { return m_niveau; }

    // Files that are compressed already are stored as is: .gif .png .z .zip .zoo .arc .lzh .arj .taz
    // .tgz .lha .rar .ace .cab .gz .gzip .jar, in any case.
    static bool IsOpslagExtensie(const QString& bestandsnaam);

    // Adds one file under its bare name to `archief` (created when missing, an entry of that name
    // replaced), streaming. The entry carries the file's last-write time, the archive file gets that
    // time, the source's archive flag is cleared. False + FoutCode on failure; an existing archive is
    // then left as it was and a new one is not left behind.
    bool VoegBestandToe(const QString& archief, const QString& bronBestand);
    // Adds or replaces an in-memory entry, keeping the archive's other entries; creates the archive.
    bool VoegDataToe(const QString& archief, const QString& entryNaam, const QByteArray& data);
    // One entry into memory (with the current password when encrypted). Empty on failure.
    std::optional<QByteArray> PakUitNaarGeheugen(const QString& archief, const QString& entryNaam);
    // Every entry, flat (no folders), into doelMap, overwriting; never writes outside doelMap.
    bool PakAllesUit(const QString& archief, const QString& doelMap);

    static qint64 ArchiefGrootte(const QString& archief); // -1 when missing
    // -1 on error; leaves FoutCode alone, as it is asked after a failed extraction.
    qint64 GecomprimeerdeGrootteEersteEntry(const QString& archief);

    // The name an extracted entry is written under: its last component when that is a plain file
    // name, empty when the entry has no safe name at all ("", ".", "..", only separators).
    static QString VeiligeNaam(const QString& entryNaam);

private:
    bool Faal(int code, const QString& detail = QString());

    QString m_wachtwoord;
    bool m_versleutelen = false;
    int m_niveau = 9;
    int m_fout = Geen;
    QString m_detail;
};

} // namespace Orvo
