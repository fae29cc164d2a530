#include "common/U_ZoekMap_Nieuw.h"
#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFuncties.h"
#include "common/ToetsFilter.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Orvo {

QString ControleerNieuweMapNaam(const QString& pad, const QString& naam) {
    if (naam.isEmpty())
        return MeldingMapNaamLeeg;
    if (QFileInfo::exists(pad + naam))
        return MeldingMapBestaat;
    if (!NaamGeldig(naam))
        return MeldingMapNaamOngeldig;
    return QString();
}

TNieuweMapNaam::TNieuweMapNaam(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Nieuwe map"));
    auto* label = new QLabel(QStringLiteral("Naam nieuwe map"), this);
    m_mapNaam = new QLineEdit(this);
    m_mapNaam->setObjectName(QStringLiteral("MapNaam"));
    m_mapNaam->setMinimumWidth(260);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKKnop"));
    auto* annuleer = new QPushButton(QStringLiteral("Annuleer"), this);
    for (QPushButton* k : {ok, annuleer}) {
        k->setAutoDefault(false);
        k->setMinimumWidth(80);
    }
    connect(ok, &QPushButton::clicked, this, &TNieuweMapNaam::OKKnopClick);
    connect(annuleer, &QPushButton::clicked, this, [this] { done(mrAnnuleer); });

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(ok);
    knoppen->addWidget(annuleer);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_mapNaam);
    layout->addLayout(knoppen);
    setFixedSize(sizeHint());
    InstalleerToetsFilter(this, true);
}

void TNieuweMapNaam::OKKnopClick() {
    const QString melding = ControleerNieuweMapNaam(Pad, m_mapNaam->text());
    if (!melding.isEmpty()) {
        ToonInformatie(melding);
        return;
    }
    done(mrOK);
}

void TNieuweMapNaam::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        OKKnopClick();
    else if (event->key() == Qt::Key_F6)
        done(mrAnnuleer);
    else
        QDialog::keyReleaseEvent(event);
}

} // namespace Orvo
