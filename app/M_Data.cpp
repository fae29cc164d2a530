#include "app/M_Data.h"
#include "common/Instellingen.h"

namespace Orvo {

TModules::TModules(QObject* parent) : QObject(parent) {}

Instellingen& TModules::OrvoProgs() {
    return Orvo::OrvoProgs();
}

} // namespace Orvo
