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

TNieuweSet::TNieuweSet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Nieuwe back-up set"));
    auto* label = new QLabel(QStringLiteral("Naam nieuwe back-up set"), this);
    BackUpNaam = new QLineEdit(this);
    BackUpNaam->setObjectName(QStringLiteral("BackUpNaam"));
    BackUpNaam->setMinimumWidth(280);
    label->setBuddy(BackUpNaam);
    OKKnop = new QPushButton(QStringLiteral("OK"), this);
    OKKnop->setObjectName(QStringLiteral("OKKnop"));
    auto* annuleer = new QPushButton(QStringLiteral("Annuleer"), this);
    annuleer->setObjectName(QStringLiteral("AnnuleerKnop"));
    for (QPushButton* k : {OKKnop, annuleer}) {
        k->setAutoDefault(false);
        k->setMinimumWidth(80);
    }
    connect(OKKnop, &QPushButton::clicked, this, &TNieuweSet::OKKnopClick);
    connect(annuleer, &QPushButton::clicked, this, [this] { done(mrAnnuleer); });

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKKnop);
    knoppen->addWidget(annuleer);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(BackUpNaam);
    layout->addSpacing(6);
    layout->addLayout(knoppen);
    setFixedSize(sizeHint());
    InstalleerToetsFilter(this);
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

void TNieuweSet::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        OKKnopClick();
    else if (event->key() == Qt::Key_F6)
        done(mrAnnuleer);
    else
        QDialog::keyReleaseEvent(event);
}

} // namespace Orvo
