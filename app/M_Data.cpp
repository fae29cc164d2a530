#include "app/M_Data.h"
#include "common/Instellingen.h"
#include "ftp/FTPVerbinding.h"

namespace Orvo {

TModules::TModules(QObject* parent) : QObject(parent), m_ftp(std::make_unique<FTPVerbinding>()) {}

TModules::~TModules() = default;

Instellingen& TModules::OrvoProgs() {
    return Orvo::OrvoProgs();
}

FTPVerbinding& TModules::FTP() {
    return *m_ftp;
}

} // namespace Orvo
