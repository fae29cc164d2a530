#pragma once
// What the set operations need of the main window. TMain implements it; tests implement it with a few
// plain widgets.

#include "sets/BackupOpties.h"

#include <QString>

class QWidget;

namespace Orvo {

class CheckBoomView;
class ZipComponent;

class SetVenster {
public:
    virtual ~SetVenster() = default;

    virtual QWidget* Venster() = 0; // owner of the set dialogs

    virtual BackupOpties Opties() const = 0;           // the option controls as they are
    virtual void ZetOpties(const BackupOpties& o) = 0; // sets them, then runs BackUpLocatieClick
    virtual bool FTPLocatieBeschikbaar() const = 0;    // the FTP item of BackUpLocatie is enabled

    virtual QString SetNaam() const = 0; // caption of the label BackUpSet
    // Sets the caption; `gekozen` enables (or disables) "Sla back-up set op" and "Verwijder back-up set".
    virtual void ZetSetNaam(const QString& naam, bool gekozen) = 0;

    virtual CheckBoomView* BackUpBoom() = 0;
    virtual ZipComponent& Zipper() = 0;

    virtual bool StilOpslaan() const = 0;
    virtual void ZetStilOpslaan(bool stil) = 0;
    virtual QString TeOpenenSet() const = 0;

    virtual void FocusOpLocatie() = 0;   // the focus to BackUpLocatie
    virtual void BackUpStartClick() = 0; // the backup start (automatic mode)
};

} // namespace Orvo
