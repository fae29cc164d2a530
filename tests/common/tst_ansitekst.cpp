#include "common/AnsiTekst.h"
#include "common/NlOpmaak.h"

#include <QTest>

class TstAnsiTekst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void heenEnWeer_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "Thuis" << QByteArray("Thuis");
        QTest::newRow("latijn-1") << "café ü" << QByteArray("caf\xE9 \xFC");
        QTest::newRow("euro en aanhalingen") << "€ „x” –" << QByteArray("\x80 \x84x\x94 \x96");
        QTest::newRow("past niet") << "Łódź" << QByteArray("\xEF\xBB\xBF") + QString("Łódź").toUtf8();
    }
    void heenEnWeer() {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Ansi::Codeer(tekst), bytes);
        QCOMPARE(Ansi::Decodeer(bytes), tekst);
    }

    void elkeByteOverleeft() {
        QByteArray alle;
        for (int i = 0; i < 256; ++i)
            alle.append(char(i));
        QCOMPARE(Ansi::Codeer(Ansi::Decodeer(alle)), alle);
    }

    void regels() {
        QCOMPARE(Ansi::CodeerRegels({"V2", "", "0J9J0NN"}), QByteArray("V2\r\n\r\n0J9J0NN\r\n"));
        QCOMPARE(Ansi::DecodeerRegels("a\r\nb\nc\rd\r\n"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(Ansi::DecodeerRegels("a\r\n\r\n"), (QStringList{"a", ""}));
        QCOMPARE(Ansi::DecodeerRegels(""), QStringList());
    }

    void nederlandseOpmaak() {
        using namespace Orvo;
        QCOMPARE(FormatGrootte(1536, GrootteEenheid::Kb), QStringLiteral("1,50 Kb"));
        QCOMPARE(FormatGrootte(1234567890123LL, GrootteEenheid::Mb), QStringLiteral("1.177.375,69 Mb"));
        QCOMPARE(FormatGrootte(0, GrootteEenheid::Gb), QStringLiteral("0,00 Gb"));
        QCOMPARE(FormatAantal(1234567), QStringLiteral("1.234.567"));
        QCOMPARE(FormatAantal(0), QStringLiteral("0"));
        const QDateTime moment(QDate(2026, 3, 3), QTime(14, 5, 9));
        QCOMPARE(FormatDatumTijd(moment), QStringLiteral("dinsdag 3 maart 2026 14:05:09"));
        QCOMPARE(FormatDatum(QDate(2026, 3, 3)), QStringLiteral("03-03-2026"));
        QCOMPARE(EenheidVoor(1023), GrootteEenheid::Kb);
        QCOMPARE(EenheidVoor(5LL << 20), GrootteEenheid::Mb);
        QCOMPARE(EenheidVoor(5LL << 30), GrootteEenheid::Gb);
    }
};

QTEST_GUILESS_MAIN(TstAnsiTekst)
#include "tst_ansitekst.moc"
