#pragma once

#include <QString>

namespace Platform {

// Plays one of the program's own sounds ("Geslaagd", "FoutKlein", "FoutMatig", "FoutErnstig"; case does
// not matter) without waiting; a sound still playing is cut off. An unknown name or a machine without
// audio plays nothing and is not an error. Main thread only.
void SpeelGeluid(const QString& naam);
// True when the program carries a sound of that name.
bool GeluidBestaat(const QString& naam);

} // namespace Platform
