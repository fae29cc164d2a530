#pragma once
// The four operations of the group "Back-up sets" on the backup tab. The main window calls them from
// its buttons' click handlers.

#include "sets/SetVenster.h"

#include <QString>

namespace Orvo {

inline const QString MeldingNietsTeVerwijderen =
    QStringLiteral("U heeft geen (bestaande) back-up set opgegeven, er valt dus niets te verwijderen.");
inline const QString VraagSetVerwijderen = QStringLiteral("Wilt u deze back-up set echt verwijderen?");
inline const QString MeldingSetNietVerwijderd =
    QStringLiteral("Deze back-up set kon momenteel niet verwijderd worden, probeer het later nog eens.");

// "Nieuwe back-up set": asks a name, chooses it and saves the screen's options and ticks silently.
void BackUpNieuwClick(SetVenster& v);
// "Open back-up set": chooses a set (in automatic mode TeOpenenSet, without a dialog), rebuilds the tree
// and reads options and ticks; in automatic mode a set that was read starts the backup.
void BackUpOpenClick(SetVenster& v);
// "Sla back-up set op": writes the chosen set; reports unless StilOpslaan. True when it was written.
bool BackUpSaveClick(SetVenster& v);
// "Verwijder back-up set": deletes the chosen set's file after confirmation.
void BackUpDeleteClick(SetVenster& v);

// Opening without any dialog or message: rebuilds the tree of `v`, reads the set `naam` into it and
// into the options. Returns the message of a failure, or empty when it was read.
QString LeesSet(SetVenster& v, const QString& naam);

} // namespace Orvo
