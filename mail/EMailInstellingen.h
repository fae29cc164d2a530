#pragma once
// The e-mail settings as the dialog edits them, and the checks on them, apart from any widget.

#include <QList>
#include <QString>

namespace Orvo {

inline const QString MeldingRubriekenInvullen =
    QStringLiteral("Alle rubrieken moeten ingevuld worden om e-mails te kunnen versturen.");
inline const QString MeldingMinstensEenOntvanger =
    QStringLiteral("U moet minstens 1 ontvanger opgeven om e-mails te kunnen versturen.");
inline const QString MeldingOntvangerInvullen =
    QStringLiteral("Zowel de naam als het e-mail adres van de ontvanger moeten ingevuld worden.");
inline const QString VraagOntvangerVerwijderen =
    QStringLiteral("Wilt u deze ontvanger inderdaad verwijderen?");
inline const QString MeldingOpslaanMislukt =
    QStringLiteral("De e-mail instellingen konden niet worden opgeslagen.");

struct Ontvanger {
    QString naam;
    QString adres;
};

struct EMailInstellingen {
    bool zend = false;
    bool alleenBijFout = false;
    QString naam;
    QString adres;
    QString host;
    QString poort = QStringLiteral("25"); // as typed; saved as a number
    bool aanmelden = false;
    QString login;      // plain text; stored scrambled
    QString wachtwoord; // plain text; stored scrambled
    QList<Ontvanger> ontvangers;
};

// Where the focus goes after a refused confirmation.
enum class EMailVeld { Geen, SMTPNaam, SMTPPrt, SMTPLog, AdresLijst, SMTPAdrs };

struct EMailControle {
    QString melding; // empty: accepted
    EMailVeld veld = EMailVeld::Geen;
};

// The checks of "OK", first failure wins. A port that is no whole number from 1 to 65535 is refused
// always, even when no mail is to be sent, because it could not be stored as the number it must be.
EMailControle ControleerEMailInstellingen(const EMailInstellingen& e);
// The port text as a number, or 0 when it is no whole number from 1 to 65535.
int PoortNummer(const QString& tekst);

// The recipients as the settings hold them: "EMailOntvangers" rows, each "EMailNaam" + index and
// "EMailAdres" + index. An index where both keys are missing ends the list, so a count that a crash
// or a hand edit left too high never makes rows of nothing.
QList<Ontvanger> LeesOntvangers();
EMailInstellingen LeesEMailInstellingen();
// Writes everything in the fixed order, after removing the recipient keys of the old list. False
// (with the settings file's reason in `fout`) when the file could not be written.
bool SchrijfEMailInstellingen(const EMailInstellingen& e, QString* fout = nullptr);

// Ordering of the recipient list: case folded for a to z only, every other character by its code.
int VergelijkOntvangerTekst(const QString& a, const QString& b);

} // namespace Orvo
