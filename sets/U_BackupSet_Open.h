#pragma once
// "Open een back-up set": chooses one of the saved sets.

#include "common/TOrvoDialoog.h"

class QListWidget;

namespace Orvo {

class TOpenSet : public TOrvoDialoog {
    Q_OBJECT
public:
    explicit TOpenSet(QWidget* parent = nullptr);

    // The selected line, or empty when none is selected.
    QString GekozenSet() const;
    QListWidget* BackUpSets = nullptr;
};

} // namespace Orvo
