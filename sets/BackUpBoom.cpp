#include "sets/BackUpBoom.h"

#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFunctiesUI.h"
#include "sets/SelectieBoom.h"

namespace Orvo {

TBackUpBoom::TBackUpBoom(QWidget* parent) : CheckBoomView(parent) {}

void TBackUpBoom::BackUpBoomExpanding(CheckKnoop* knoop) {
    if (!knoop || !knoop->Ouder)
        return;
    if (!knoop->HeeftAlleenPlaatshouder()) {
        if (!knoop->Kinderen.empty())
            Boom().ZetOpen(knoop, true);
        return;
    }
    Zandloper zandloper(Vars().ToonZandloper);
    VulKnoop(Boom(), knoop);
}

void TBackUpBoom::BackUpBoomCollapsing(CheckKnoop* knoop) {
    if (!knoop)
        return;
    if (!knoop->Ouder) {
        expand(IndexVan(knoop));
        return;
    }
    Boom().ZetOpen(knoop, false);
}

void VulStationBoom(CheckBoomView* boom) {
    if (!boom)
        return;
    Zandloper zandloper(Vars().ToonZandloper);
    VulStationBoom(boom->Boom());
    boom->expand(boom->IndexVan(boom->Boom().Wortel()));
}

void VerversBackUpBoomClick(CheckBoomView* boom) {
    VulStationBoom(boom);
}

} // namespace Orvo
