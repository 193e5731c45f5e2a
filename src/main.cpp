#include "platform/Programstil.h"
#include "platform/Skaermgraens.h"
#include "trainer/FrmPluvo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Pluvo");
    app.setOrganizationName("MOLVI Pluvo");
    app.setStyle(new Programstil);
    Skaermgraens::haallFoenstrenPaaSkaermen();

    // Qt's own dialog texts in Swedish.
    QTranslator qtSvenska;
    if (qtSvenska.load("qt_sv", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtSvenska);

    FrmPluvo foenster;
    foenster.Form_Load();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
