#include "common/TOrvoDialoog.h"
#include "common/Orvo_Dialoog.h"
#include "common/ToetsFilter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace Orvo {

TOrvoDialoog::TOrvoDialoog(QWidget* parent) : QDialog(parent) {}

void TOrvoDialoog::OKKnopClick() {
    done(mrOK);
}

QHBoxLayout* TOrvoDialoog::MaakKnoppen(QPushButton** ok) {
    auto* okKnop = new QPushButton(QStringLiteral("OK"), this);
    okKnop->setObjectName(QStringLiteral("OKKnop"));
    auto* annuleer = new QPushButton(QStringLiteral("Annuleer"), this);
    annuleer->setObjectName(QStringLiteral("AnnuleerKnop"));
    for (QPushButton* k : {okKnop, annuleer}) {
        k->setAutoDefault(false);
        k->setMinimumWidth(80);
    }
    connect(okKnop, &QPushButton::clicked, this, &TOrvoDialoog::OKKnopClick);
    connect(annuleer, &QPushButton::clicked, this, [this] { done(mrAnnuleer); });
    auto* rij = new QHBoxLayout;
    rij->addStretch();
    rij->addWidget(okKnop);
    rij->addWidget(annuleer);
    if (ok)
        *ok = okKnop;
    return rij;
}

void TOrvoDialoog::RondAf() {
    InstalleerToetsFilter(this, true);
}

void TOrvoDialoog::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F5:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OKKnopClick();
        break;
    case Qt::Key_F6:
        done(mrAnnuleer);
        break;
    default:
        QDialog::keyReleaseEvent(event);
    }
}

} // namespace Orvo
