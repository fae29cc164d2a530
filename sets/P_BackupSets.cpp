#include "sets/P_BackupSets.h"

#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "common/P_AlgemeneFunctiesUI.h"
#include "sets/BackUpBoom.h"
#include "sets/SetBestand.h"
#include "sets/SetTekst.h"
#include "sets/U_BackupSet_Nieuw.h"
#include "sets/U_BackupSet_Open.h"

#include <QFile>
#include <QFileInfo>

namespace Orvo {
namespace {

// A caption that can name a set file at all ("< Geen >" and an emptied label cannot).
bool IsSetNaam(const QString& naam) {
    return !naam.isEmpty() && NaamGeldig(naam);
}

} // namespace

void BackUpNieuwClick(SetVenster& v) {
    TNieuweSet dialoog(v.Venster());
    if (dialoog.exec() == mrOK) {
        v.ZetSetNaam(dialoog.Naam(), true);
        v.ZetStilOpslaan(true);
        BackUpSaveClick(v);
        v.ZetStilOpslaan(false);
    }
    v.FocusOpLocatie();
}

bool BackUpSaveClick(SetVenster& v) {
    bool gelukt = false;
    {
        Zandloper zandloper;
        const QString naam = v.SetNaam();
        const CheckBoomView* boom = v.BackUpBoom();
        if (IsSetNaam(naam) && boom)
            gelukt = SchrijfSetBestand(v.Zipper(), naam, SchrijfSetTekst(v.Opties(), boom->Boom().Wortel()));
    }
    if (!v.StilOpslaan()) {
        if (gelukt)
            ToonInformatie(MeldingSetOpgeslagen);
        else
            ToonWaarschuwing(MeldingSetNietOpgeslagen);
        v.FocusOpLocatie();
    }
    return gelukt;
}

QString LeesSet(SetVenster& v, const QString& naam) {
    CheckBoomView* boom = v.BackUpBoom();
    if (!boom)
        return MeldingSetFoutInlezen;
    VulStationBoom(boom);
    const GelezenSetTekst tekst = LeesSetBestand(v.Zipper(), naam);
    if (!tekst.Melding.isEmpty())
        return tekst.Melding;
    BackupOpties opties = v.Opties();
    qsizetype selectieStart = 0;
    if (!LeesSetOpties(tekst.Regels, v.FTPLocatieBeschikbaar(), opties, selectieStart))
        return MeldingSetBeschadigd;
    v.ZetOpties(opties);
    LeesSelectie(boom->Boom(), tekst.Regels, selectieStart, [boom](CheckKnoop* k) { boom->OpenKnoop(k); });
    return QString();
}

void BackUpOpenClick(SetVenster& v) {
    QString naam;
    if (Vars().AutomatischeModus) {
        naam = v.TeOpenenSet();
        v.ZetSetNaam(naam, true);
    } else {
        TOpenSet dialoog(v.Venster());
        if (dialoog.exec() == mrOK && !dialoog.GekozenSet().isEmpty()) {
            naam = dialoog.GekozenSet();
            v.ZetSetNaam(naam, true);
        }
    }

    bool gelezen = false;
    if (!naam.isEmpty()) {
        QString melding;
        {
            Zandloper zandloper;
            Vars().ToonZandloper = false; // the tree leaves the cursor to us meanwhile
            melding = LeesSet(v, naam);
            Vars().ToonZandloper = true;
        }
        gelezen = melding.isEmpty();
        if (!gelezen) {
            ToonWaarschuwing(melding);
            v.ZetOpties(v.Opties()); // the option rules, as after a successful read
        }
    } else {
        v.ZetOpties(v.Opties());
    }
    v.FocusOpLocatie();
    if (gelezen && Vars().AutomatischeModus)
        v.BackUpStartClick();
}

void BackUpDeleteClick(SetVenster& v) {
    const QString naam = v.SetNaam();
    const QString pad = SetBestandPad(naam);
    if (!IsSetNaam(naam) || !QFileInfo(pad).isFile()) {
        ToonInformatie(MeldingNietsTeVerwijderen);
    } else if (ToonBevestiging(VraagSetVerwijderen) == mrJa) {
        if (QFile::remove(pad))
            v.ZetSetNaam(QString(), false);
        else
            ToonWaarschuwing(MeldingSetNietVerwijderd);
    }
    v.FocusOpLocatie();
}

} // namespace Orvo
