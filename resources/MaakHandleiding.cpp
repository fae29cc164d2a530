// Turns the manual's HTML source into the PDF that lies beside the program.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "gebruik: %s bron.html doel.pdf\n", argv[0]);
        return 2;
    }
    QFile bron(QString::fromLocal8Bit(argv[1]));
    if (!bron.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kan %s niet lezen\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(bron.readAll()));
    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QStringLiteral("Handleiding Orvo Back-up"));
    pdf.setCreator(QStringLiteral("Orvo Back-up"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    // Without a page size of its own the document is laid out on the writer's pages, in points.
    document.print(&pdf);
    return 0;
}
