#pragma once
// "Nieuwe map": asks for the name of a folder to make inside the chosen one.

#include "common/TOrvoDialoog.h"

class QLineEdit;

namespace Orvo {

inline const QString MeldingMapNaamLeeg = QStringLiteral("U moet een naam voor deze map op geven.");
inline const QString MeldingMapBestaat =
    QStringLiteral("Er bestaat al een bestand of map met deze naam. Geef een andere naam op.");
inline const QString MeldingMapNaamOngeldig =
    QStringLiteral("De map naam bevat een ongeldig teken (<, >, |, \", \\, /, :, * of ?).");

// The message the OK check gives for a name typed for a new folder in `pad` (native, ending in '/'),
// or empty when the name is fine. The name is taken as typed, not trimmed.
QString ControleerNieuweMapNaam(const QString& pad, const QString& naam);

class TNieuweMapNaam : public TOrvoDialoog {
    Q_OBJECT
public:
    explicit TNieuweMapNaam(QWidget* parent = nullptr);

    QString Pad; // folder in which the new folder is made, ending in '/'
    QLineEdit* MapNaam() const { return m_mapNaam; }

public Q_SLOTS:
    void OKKnopClick() override;

private:
    QLineEdit* m_mapNaam;
};

} // namespace Orvo
