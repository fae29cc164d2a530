#pragma once

#include <QString>

namespace Platform {

// Lets the program through the system firewall. Linux desktops do not ask for this, so it does nothing.
void FirewallToestaan(const QString& naam, const QString& pad);

} // namespace Platform
