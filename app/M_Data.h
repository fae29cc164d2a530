#pragma once
// The data module: the long-lived non-visual parts the whole program shares.

#include <QObject>

namespace Orvo {

class Instellingen;

class TModules : public QObject {
    Q_OBJECT
public:
    explicit TModules(QObject* parent = nullptr);
    Instellingen& OrvoProgs();
};

} // namespace Orvo
