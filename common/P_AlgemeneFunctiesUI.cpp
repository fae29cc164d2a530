#include "common/P_AlgemeneFunctiesUI.h"
#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFuncties.h"

#include <QApplication>
#include <QCursor>

namespace Orvo {

bool EMailAdresGeldig(const QString& adres, bool toon) {
    const QString fout = EMailAdresFout(adres);
    if (fout.isEmpty())
        return true;
    if (toon)
        ToonInformatie(fout);
    return false;
}

void Piep() {
    QApplication::beep();
}

Zandloper::Zandloper(bool aan) : m_aan(aan) {
    if (m_aan)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Zandloper::~Zandloper() {
    if (m_aan)
        QApplication::restoreOverrideCursor();
}

} // namespace Orvo
