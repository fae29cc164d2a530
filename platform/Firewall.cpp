#include "platform/Firewall.h"

namespace Platform {

void FirewallToestaan(const QString&, const QString&) {}

} // namespace Platform
