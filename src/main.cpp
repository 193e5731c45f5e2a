#include "common/Program.h"
#include "platform/Grafiksession.h"
#include "platform/Programstil.h"
#include "platform/Skaermgraens.h"
#include "trainer/FrmPluvo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!grafiskSessionFinns()) {
        const QString fel = Program::Titel + " kan inte starta: det finns ingen grafisk skärm att visa programmet på.";
        std::fprintf(stderr, "%s\n", qUtf8Printable(fel));
        return 1;
    }
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
