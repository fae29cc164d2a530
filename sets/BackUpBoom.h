#pragma once
// The selection tree of the backup tab: the check-tree widget filled from the machine's drives and
// folders, lazily, one level at a time.

#include "sets/CheckBoomView.h"

namespace Orvo {

class TBackUpBoom : public CheckBoomView {
    Q_OBJECT
public:
    explicit TBackUpBoom(QWidget* parent = nullptr);

    // Lists a folder the first time it is opened, keeping its check state for the new children.
    void BackUpBoomExpanding(CheckKnoop* knoop);
    // The root stays open; any other node closes and keeps its children.
    void BackUpBoomCollapsing(CheckKnoop* knoop);

    void Openen(CheckKnoop* knoop) override { BackUpBoomExpanding(knoop); }
    void Sluiten(CheckKnoop* knoop) override { BackUpBoomCollapsing(knoop); }
};

// Rebuilds the root and drive nodes; all ticks and opened folders are gone. Shows the hourglass while
// ToonZandloper is set.
void VulStationBoom(CheckBoomView* boom);
// "Vernieuw boom".
void VerversBackUpBoomClick(CheckBoomView* boom);

} // namespace Orvo
