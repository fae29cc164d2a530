#include "common/AnsiTekst.h"

namespace Ansi {
namespace {

// 0x80..0x9F of Windows-1252. The five unassigned bytes map to the C1 controls of the same value, as
// Windows itself converts them, so that every byte survives a round trip.
constexpr char16_t hogeTabel[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray bom("\xEF\xBB\xBF", 3);

int naarByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (hogeTabel[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

bool IsWindows1252(const QString& tekst) {
    for (QChar c : tekst)
        if (naarByte(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray Codeer(const QString& tekst) {
    QByteArray uit;
    uit.reserve(tekst.size());
    for (QChar c : tekst) {
        const int b = naarByte(c.unicode());
        if (b < 0)
            return bom + tekst.toUtf8();
        uit.append(char(b));
    }
    return uit;
}

QString Decodeer(const QByteArray& bytes) {
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    QString uit(bytes.size(), Qt::Uninitialized);
    QChar* p = uit.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *p++ = QChar(b >= 0x80 && b < 0xA0 ? hogeTabel[b - 0x80] : char16_t(b));
    }
    return uit;
}

QString VoegRegelsSamen(const QStringList& regels) {
    QString tekst;
    for (const QString& regel : regels) {
        tekst += regel;
        tekst += QLatin1String("\r\n");
    }
    return tekst;
}

QByteArray CodeerRegels(const QStringList& regels) {
    return Codeer(VoegRegelsSamen(regels));
}

QStringList SplitsRegels(const QString& tekst) {
    QStringList regels;
    qsizetype begin = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            regels.append(tekst.mid(begin, i - begin));
            if (c == QLatin1Char('\r') && i + 1 < n && tekst.at(i + 1) == QLatin1Char('\n'))
                ++i;
            begin = i + 1;
        }
    }
    if (begin < n)
        regels.append(tekst.mid(begin));
    return regels;
}

QStringList DecodeerRegels(const QByteArray& bytes) {
    return SplitsRegels(Decodeer(bytes));
}

} // namespace Ansi
