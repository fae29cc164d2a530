#include "common/Orvo_vars.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace Orvo {

ProgrammaToestand& Vars() {
    static ProgrammaToestand toestand;
    return toestand;
}

void InitVariabelen() {
    ProgrammaToestand& v = Vars();
    v = ProgrammaToestand{};
    if (QCoreApplication::instance()) {
        v.ProgrammaMap = QCoreApplication::applicationDirPath();
        while (v.ProgrammaMap.size() > 1 && v.ProgrammaMap.endsWith(QLatin1Char('/')))
            v.ProgrammaMap.chop(1);
    }
}

} // namespace Orvo
