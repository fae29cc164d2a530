#pragma once

#include <QString>

namespace Platform {

// The whole value of an environment variable, or empty when it is unset or empty.
QString OmgevingsVariabele(const QString& naam);

} // namespace Platform
