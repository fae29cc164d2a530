#include "app/M_Data.h"
#include "app/P_Hoofdprogramma.h"
#include "common/U_ZoekMap.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(Orvo::ProgrammaTitel);
    QApplication::setQuitOnLastWindowClosed(true);

    Orvo::TModules modules;
    Orvo::TMain hoofd(modules, QApplication::arguments().mid(1));
    Orvo::MaakKiesDirectory(&hoofd);
    hoofd.show();
    const int resultaat = QApplication::exec();
    return hoofd.AfsluitCode != 0 ? hoofd.AfsluitCode : resultaat;
}
