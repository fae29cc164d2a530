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

TNieuweMapNaam::TNieuweMapNaam(QWidget* parent) : TOrvoDialoog(parent) {
    setWindowTitle(QStringLiteral("Nieuwe map"));
    auto* label = new QLabel(QStringLiteral("Naam nieuwe map"), this);
    m_mapNaam = new QLineEdit(this);
    m_mapNaam->setObjectName(QStringLiteral("MapNaam"));
    m_mapNaam->setMinimumWidth(260);
    auto* knoppen = MaakKnoppen();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_mapNaam);
    layout->addLayout(knoppen);
    setFixedSize(sizeHint());
    RondAf();
}

void TNieuweMapNaam::OKKnopClick() {
    const QString melding = ControleerNieuweMapNaam(Pad, m_mapNaam->text());
    if (!melding.isEmpty()) {
        ToonInformatie(melding);
        return;
    }
    done(mrOK);
}

} // namespace Orvo
