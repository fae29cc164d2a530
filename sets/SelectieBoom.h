#pragma once
// Filling the selection tree from the machine's drives and folders, without widgets: the tree widget
// calls this and adds the hourglass and the expansion.

#include "sets/CheckBoom.h"

#include "common/NaamVolgorde.h"

#include <QStringList>

namespace Orvo {

inline const QString WortelCaption = QStringLiteral("Deze computer");

// The contents of one folder as the tree shows them: folders first, then files, each group sorted
// without regard to case in Dutch order; for each folder whether it holds at least one entry.
struct MapInhoud {
    QStringList Mappen;
    std::vector<bool> MapHeeftInhoud;
    QStringList Bestanden;
    bool Leesbaar = false;
};

// Lists a native folder with hidden entries. Links to folders are listed but not followed (never
// probed, so they cannot be opened); links to files stand for the file; FIFOs, sockets, devices and
// names holding a backslash (which program paths cannot carry) are left out. Pseudo file systems
// (/proc, /sys, /dev, /run, …) are listed where they are mounted but never probed.
MapInhoud LeesMap(const QString& natief);

// The root "Deze computer" and one node per drive letter in use, captioned with the drive's display
// name; a ready drive gets a placeholder. The root is marked open.
void VulStationBoom(CheckBoom& boom);

// Lists a node that still has only its placeholder (the remembered check state is applied to the new
// children) and marks it open. False when there was nothing to fill (the root, or a node listed
// before); such a node is only marked open.
bool VulKnoop(CheckBoom& boom, CheckKnoop* knoop);

} // namespace Orvo
