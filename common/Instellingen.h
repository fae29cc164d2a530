#pragma once
// The settings file "OrvoProgs.ini": read once into memory, and written whole after every change so
// the file on disk is always complete.

#include <QString>
#include <QStringList>
#include <vector>

namespace Orvo {

inline const QString SectieBackUp = QStringLiteral("Orvo Back-up");
inline const QString SectieAlgemeen = QStringLiteral("Orvo Algemeen");

// Keys that more than one part of the program reads or writes.
inline const QString SleutelAutoSave = QStringLiteral("AutoSave");
inline const QString SleutelEMailZend = QStringLiteral("EMailZend");
inline const QString SleutelEMailFout = QStringLiteral("EMailFout");

class Instellingen {
public:
    explicit Instellingen(const QString& bestand); // native path of the INI file

    QString Bestand() const { return m_bestand; }

    QString LeesTekst(const QString& sectie, const QString& sleutel, const QString& standaard = {});
    int LeesGetal(const QString& sectie, const QString& sleutel, int standaard);
    bool LeesBoolean(const QString& sectie, const QString& sleutel, bool standaard);
    bool BestaatSleutel(const QString& sectie, const QString& sleutel);

    // Each write changes the image and rewrites the file; false (with Fout()) when the file could not
    // be written. The image keeps the new value either way.
    bool SchrijfTekst(const QString& sectie, const QString& sleutel, const QString& waarde);
    bool SchrijfGetal(const QString& sectie, const QString& sleutel, int waarde);
    bool SchrijfBoolean(const QString& sectie, const QString& sleutel, bool waarde);
    bool VerwijderSleutel(const QString& sectie, const QString& sleutel);

    QString Fout() const { return m_fout; }

    // The integer and Boolean read rules, on their own.
    static bool LeesGetalTekst(const QString& tekst, int& waarde);

private:
    struct Regel {
        QString sleutel;
        QString waarde;
    };
    struct Sectie {
        QString naam;
        std::vector<Regel> regels;
    };

    void Laad();
    bool Bewaar();
    Sectie* ZoekSectie(const QString& naam);
    Regel* ZoekRegel(const QString& sectie, const QString& sleutel);

    QString m_bestand;
    QString m_fout;
    bool m_geladen = false;
    std::vector<Sectie> m_secties;
};

// The program's one settings file, in "Talvane BV" under the common application data folder.
Instellingen& OrvoProgs();
// Points the program's settings at another file (tests, and a data home chosen at start-up).
void ZetOrvoProgsBestand(const QString& bestand);
QString StandaardOrvoProgsBestand();

} // namespace Orvo
