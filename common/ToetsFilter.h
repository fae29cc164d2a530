#pragma once
// The key handling every form shares: an edit with Tag 1 takes digits only, Enter moves to the next
// control except in memos, and a dropped key beeps. The "Tag" is the dynamic property "Tag" (int).

#include <QObject>

class QWidget;

namespace Orvo {

class ToetsFilter : public QObject {
    Q_OBJECT
public:
    explicit ToetsFilter(QWidget* form);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* m_form;
};

// Installs the filter on the form and every child it has now or gets later.
void InstalleerToetsFilter(QWidget* form);

} // namespace Orvo
