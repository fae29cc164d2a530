#pragma once
// The data module: the long-lived non-visual parts the whole program shares.

#include <QObject>
#include <memory>

namespace Orvo {

class FTPVerbinding;
class Instellingen;

class TModules : public QObject {
    Q_OBJECT
public:
    explicit TModules(QObject* parent = nullptr);
    ~TModules() override;
    Instellingen& OrvoProgs();
    FTPVerbinding& FTP(); // the one connection to the provider's FTP server

private:
    std::unique_ptr<FTPVerbinding> m_ftp;
};

} // namespace Orvo
