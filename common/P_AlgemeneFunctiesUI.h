#pragma once
// The general functions that touch the user interface (main thread only).

#include <QString>

namespace Orvo {

// True when the address passes all five checks; with `toon` the first failure is shown as information.
bool EMailAdresGeldig(const QString& adres, bool toon);
// The short system beep of a dropped key.
void Piep();

// While it lives, the cursor is the hourglass (when `aan`).
class Zandloper {
public:
    explicit Zandloper(bool aan = true);
    ~Zandloper();
    Zandloper(const Zandloper&) = delete;
    Zandloper& operator=(const Zandloper&) = delete;

private:
    bool m_aan;
};

} // namespace Orvo
