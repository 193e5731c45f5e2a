// A bare Qt window as large as the training window: one window with one line
// of text that fills the screen. The start-up tool's own bare window is
// 480x120; measured against it with the same tool, this shows what the window
// size alone costs a start, so the training window's figure can be read
// against a bare window of its own size:
//   ../shared/tools/perf/startup 8 build/benchmarks/pluvo_helskaerm
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow foenster;
    foenster.setCentralWidget(new QLabel(QString::fromUtf8("Hej! Stava ordet: björn")));
    // Without a window manager a maximized window keeps its size; the
    // training window fills the screen either way, and so does this one.
    foenster.setGeometry(QGuiApplication::primaryScreen()->geometry());
    foenster.showMaximized();
    return app.exec();
}
