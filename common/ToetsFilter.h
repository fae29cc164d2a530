#pragma once
// The key handling every form shares: an edit with Tag 1 takes digits only, Enter moves to the next
// control except in memos, and a dropped key beeps. The "Tag" is the dynamic property "Tag" (int).

#include <QObject>

class QWidget;

namespace Orvo {

class ToetsFilter : public QObject {
    Q_OBJECT
public:
    ToetsFilter(QWidget* form, bool formToetsen);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* m_form;
    bool m_formToetsen;
};

// Installs the filter on the form and every child it has now or gets later. With `formToetsen` the
// release of F5, F6 and Enter in any control goes to the form's own keyReleaseEvent (an edit keeps
// its key releases to itself otherwise), so a dialog can act on them wherever the focus is.
void InstalleerToetsFilter(QWidget* form, bool formToetsen = false);

} // namespace Orvo
