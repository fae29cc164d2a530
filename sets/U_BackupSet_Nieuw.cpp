#include "sets/U_BackupSet_Nieuw.h"

#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFuncties.h"
#include "common/ToetsFilter.h"
#include "sets/SetBestand.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Orvo {

QString ControleerNieuweSetNaam(const QString& naam) {
    if (naam.isEmpty())
        return MeldingSetNaamLeeg;
    if (NaamGeldig(naam) && SetBestaat(naam))
        return MeldingSetNaamBestaat;
    if (!NaamGeldig(naam))
        return MeldingSetNaamOngeldig;
    return QString();
}

TNieuweSet::TNieuweSet(QWidget* parent) : TOrvoDialoog(parent) {
    setWindowTitle(QStringLiteral("Nieuwe back-up set"));
    auto* label = new QLabel(QStringLiteral("Naam nieuwe back-up set"), this);
    BackUpNaam = new QLineEdit(this);
    BackUpNaam->setObjectName(QStringLiteral("BackUpNaam"));
    BackUpNaam->setMinimumWidth(280);
    label->setBuddy(BackUpNaam);
    auto* knoppen = MaakKnoppen(&OKKnop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(BackUpNaam);
    layout->addSpacing(6);
    layout->addLayout(knoppen);
    setFixedSize(sizeHint());
    RondAf();
}

QString TNieuweSet::Naam() const {
    return BackUpNaam->text();
}

void TNieuweSet::OKKnopClick() {
    const QString melding = ControleerNieuweSetNaam(BackUpNaam->text());
    if (!melding.isEmpty()) {
        ToonInformatie(melding);
        return;
    }
    done(mrOK);
}

} // namespace Orvo
