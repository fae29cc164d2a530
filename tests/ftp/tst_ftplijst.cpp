// Reading folder listings of the kinds servers send.

#include "ftp/FTPLijst.h"

#include <QTest>

using namespace Orvo;

class TstFTPLijst : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mlsd_data();
    void mlsd();
    void list_data();
    void list();
};

void TstFTPLijst::mlsd_data() {
    QTest::addColumn<QByteArray>("regel");
    QTest::addColumn<QString>("naam"); // empty: not listed
    QTest::addColumn<bool>("isDir");
    QTest::addColumn<qint64>("grootte");

    QTest::newRow("file") << QByteArray("modify=20240115103000;perm=r;size=1234;type=file; a.txt\r\n")
                          << QStringLiteral("a.txt") << false << qint64(1234);
    QTest::newRow("dir") << QByteArray("type=dir;modify=20240115103000;size=4096; BackUpData\r\n")
                         << QStringLiteral("BackUpData") << true << qint64(0);
    QTest::newRow("facts in capitals")
        << QByteArray("Type=File;Size=7; x\r\n") << QStringLiteral("x") << false << qint64(7);
    QTest::newRow("blanks and accents") << QByteArray("type=file;size=3;  met  spaties é.txt\r\n")
                                        << QStringLiteral(" met  spaties é.txt") << false << qint64(3);
    QTest::newRow("semicolon in name")
        << QByteArray("type=file;size=1; a;b=c\r\n") << QStringLiteral("a;b=c") << false << qint64(1);
    QTest::newRow("cdir") << QByteArray("type=cdir;modify=20240115103000; .\r\n") << QString() << true
                          << qint64(0);
    QTest::newRow("pdir") << QByteArray("type=pdir; ..\r\n") << QString() << true << qint64(0);
    QTest::newRow("link") << QByteArray("type=OS.unix=slink:/etc;size=4; link\r\n") << QString() << false
                          << qint64(0);
    QTest::newRow("dot as dir") << QByteArray("type=dir; ..\r\n") << QString() << true << qint64(0);
    QTest::newRow("no facts") << QByteArray("garbage\r\n") << QString() << false << qint64(0);
}

// One listing line of the current data row, parsed by `lees`: no entry when the row names none.
template <typename Lezer> static void vergelijkRegel(Lezer lees) {
    QFETCH(QByteArray, regel);
    QFETCH(QString, naam);
    QFETCH(bool, isDir);
    QFETCH(qint64, grootte);
    const QList<FTPLijstItem> lijst = lees(regel);
    if (naam.isEmpty()) {
        QVERIFY(lijst.isEmpty());
        return;
    }
    QCOMPARE(lijst.size(), 1);
    QCOMPARE(lijst.at(0).Naam, naam);
    QCOMPARE(lijst.at(0).IsDir, isDir);
    QCOMPARE(lijst.at(0).Grootte, grootte);
}

void TstFTPLijst::mlsd() {
    vergelijkRegel(LeesMLSD);
}

void TstFTPLijst::list_data() {
    QTest::addColumn<QByteArray>("regel");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("isDir");
    QTest::addColumn<qint64>("grootte");

    QTest::newRow("unix file") << QByteArray(
                                      "-rw-r--r--   1 jan      users        1234 Jan 15 10:30 a.txt\r\n")
                               << QStringLiteral("a.txt") << false << qint64(1234);
    QTest::newRow("unix dir, year")
        << QByteArray("drwxr-xr-x   2 jan      users        4096 Dec  1  2023 BackUpData\r\n")
        << QStringLiteral("BackUpData") << true << qint64(0);
    QTest::newRow("unix without group") << QByteArray("-rw-r--r-- 1 jan 99 Feb  3 09:00 met spaties.txt\r\n")
                                        << QStringLiteral("met spaties.txt") << false << qint64(99);
    QTest::newRow("unix large size") << QByteArray("-rw-r--r-- 1 ftp ftp 5368709120 Mar 10 2024 groot.bin\n")
                                     << QStringLiteral("groot.bin") << false << qint64(5368709120LL);
    QTest::newRow("unix accents") << QByteArray("-rw-r--r-- 1 ftp ftp 5 Mar 10 2024 caf\xc3\xa9\n")
                                  << QStringLiteral("café") << false << qint64(5);
    QTest::newRow("unix link") << QByteArray("lrwxrwxrwx 1 jan users 4 Jan 15 10:30 l -> /etc\r\n")
                               << QString() << false << qint64(0);
    QTest::newRow("unix dot") << QByteArray("drwxr-xr-x 2 jan users 4096 Jan 15 10:30 .\r\n") << QString()
                              << true << qint64(0);
    QTest::newRow("unix total") << QByteArray("total 12\r\n") << QString() << false << qint64(0);
    QTest::newRow("dos dir") << QByteArray("01-15-24  10:30AM       <DIR>          Mijn Map\r\n")
                             << QStringLiteral("Mijn Map") << true << qint64(0);
    QTest::newRow("dos file") << QByteArray("01-15-2024  10:30PM                 1234 rapport 2.doc\r\n")
                              << QStringLiteral("rapport 2.doc") << false << qint64(1234);
    QTest::newRow("dos parent") << QByteArray("01-15-24  10:30AM       <DIR>          ..\r\n") << QString()
                                << true << qint64(0);
}

void TstFTPLijst::list() {
    vergelijkRegel(LeesLIST);
}

QTEST_GUILESS_MAIN(TstFTPLijst)
#include "tst_ftplijst.moc"
