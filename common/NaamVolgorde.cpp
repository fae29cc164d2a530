#include "common/NaamVolgorde.h"
#include "common/NlOpmaak.h"

#include <QCollator>
#include <algorithm>

namespace Orvo {
namespace {

QCollator NlCollator() {
    QCollator c(NlLocale());
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

} // namespace

bool NaamKomtVoor(const QString& a, const QString& b) {
    thread_local const QCollator collator = NlCollator();
    const int uitkomst = collator.compare(a, b);
    if (uitkomst != 0)
        return uitkomst < 0;
    return a < b;
}

std::vector<qsizetype> SorteerVolgorde(const QStringList& namen) {
    const QCollator collator = NlCollator();
    std::vector<std::pair<QCollatorSortKey, qsizetype>> sleutels;
    sleutels.reserve(size_t(namen.size()));
    for (qsizetype i = 0; i < namen.size(); ++i)
        sleutels.emplace_back(collator.sortKey(namen.at(i)), i);
    std::sort(sleutels.begin(), sleutels.end(), [&namen](const auto& a, const auto& b) {
        const int uitkomst = a.first.compare(b.first);
        if (uitkomst != 0)
            return uitkomst < 0;
        return namen.at(a.second) < namen.at(b.second);
    });
    std::vector<qsizetype> volgorde;
    volgorde.reserve(sleutels.size());
    for (const auto& s : sleutels)
        volgorde.push_back(s.second);
    return volgorde;
}

void SorteerNamen(QStringList& namen) {
    QStringList gesorteerd;
    gesorteerd.reserve(namen.size());
    for (qsizetype i : SorteerVolgorde(namen))
        gesorteerd.append(namen.at(i));
    namen = std::move(gesorteerd);
}

} // namespace Orvo
