#pragma once
// "Nieuwe back-up set": asks the name of a new set.

#include "common/TOrvoDialoog.h"

class QLineEdit;
class QPushButton;

namespace Orvo {

inline const QString MeldingSetNaamLeeg = QStringLiteral("U moet een naam aan deze back-up set geven.");
inline const QString MeldingSetNaamBestaat =
    QStringLiteral("Er bestaat al een back-up set met deze naam. Geef een andere naam op.");
inline const QString MeldingSetNaamOngeldig =
    QStringLiteral("De back-up naam bevat een ongeldig teken (<, >, |, \", \\, /, :, * of ?).");

// The first check the name fails, as its message; empty when it may be used. The name is taken as
// typed (not trimmed).
QString ControleerNieuweSetNaam(const QString& naam);

class TNieuweSet : public TOrvoDialoog {
    Q_OBJECT
public:
    explicit TNieuweSet(QWidget* parent = nullptr);

    QString Naam() const;
    QLineEdit* BackUpNaam = nullptr;
    QPushButton* OKKnop = nullptr;

public Q_SLOTS:
    void OKKnopClick() override;
};

} // namespace Orvo
