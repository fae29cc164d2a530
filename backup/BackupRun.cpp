#include "backup/BackupRun.h"

namespace Orvo {

Resultaat ResultaatVan(int foutNiveau) {
    if (foutNiveau <= 0)
        return Resultaat::Geslaagd;
    if (foutNiveau <= 5)
        return Resultaat::KleineProblemen;
    if (foutNiveau <= 10)
        return Resultaat::Deels;
    return Resultaat::Ernstig;
}

QString ResultaatRegel(Resultaat r) {
    switch (r) {
    case Resultaat::Geslaagd:
        return QStringLiteral("De back-up is met succes uitgevoerd.");
    case Resultaat::KleineProblemen:
        return QStringLiteral(
            "De back-up is uitgevoerd, er zijn echter een paar kleine problemen opgetreden.");
    case Resultaat::Deels:
        return QStringLiteral("De back-up is deels uitgevoerd, er zijn echter problemen opgetreden.");
    case Resultaat::Ernstig:
        break;
    }
    return QStringLiteral("Er is een ernstig probleem opgetreden bij het maken van de back-up.");
}

QString ResultaatGeluid(Resultaat r) {
    switch (r) {
    case Resultaat::Geslaagd:
        return QStringLiteral("Geslaagd");
    case Resultaat::KleineProblemen:
        return QStringLiteral("FoutKlein");
    case Resultaat::Deels:
        return QStringLiteral("FoutMatig");
    case Resultaat::Ernstig:
        break;
    }
    return QStringLiteral("FoutErnstig");
}

int AfsluitCodeVan(Resultaat r) {
    return int(r);
}

} // namespace Orvo
