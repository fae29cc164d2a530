#include "app/Opdrachtregel.h"

#include <QTest>

using namespace Orvo;

class TstOpdrachtregel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setNaam_data() {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("slash en naam") << QStringList{"/Thuis"} << "Thuis";
        QTest::newRow("tussen aanhalingstekens") << QStringList{"\"/Mijn set\""} << "Mijn set";
        QTest::newRow("blanken blijven") << QStringList{"/ Mijn set "} << " Mijn set ";
        QTest::newRow("zonder slash") << QStringList{"Thuis"} << "";
        QTest::newRow("slash alleen") << QStringList{"/"} << "";
        QTest::newRow("tweede argument telt niet") << QStringList{"Thuis", "/Werk"} << "";
        QTest::newRow("tweede argument genegeerd") << QStringList{"/Thuis", "/Werk"} << "Thuis";
        QTest::newRow("geen argument") << QStringList{} << "";
        QTest::newRow("leeg argument") << QStringList{""} << "";
        QTest::newRow("lege aanhalingstekens") << QStringList{"\"\""} << "";
        QTest::newRow("een aanhalingsteken") << QStringList{"\"/Thuis"} << "";
    }
    void setNaam() {
        QFETCH(QStringList, argumenten);
        QFETCH(QString, verwacht);
        QCOMPARE(SetNaamUitArgumenten(argumenten), verwacht);
    }
};

QTEST_GUILESS_MAIN(TstOpdrachtregel)
#include "tst_opdrachtregel.moc"
