#include "support/Foensterstyrning.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace TestSupport {

void visa(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

void tryck(QWidget& w, Qt::Key tangent, Qt::KeyboardModifiers mod)
{
    QWidget* maal = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyClick(maal, tangent, mod);
}

void skrivIn(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void klickaMeny(QAction* post, bool vaelj)
{
    ASSERT_NE(post, nullptr);
    QList<QMenu*> vaeg;
    for (auto* m = qobject_cast<QMenu*>(post->parent()); m; m = qobject_cast<QMenu*>(m->parent()))
        vaeg.prepend(m);
    ASSERT_FALSE(vaeg.isEmpty()) << post->text().toStdString();
    auto* rad = qobject_cast<QMenuBar*>(vaeg.first()->parent());
    ASSERT_NE(rad, nullptr);
    QTest::mouseClick(rad, Qt::LeftButton, {}, rad->actionGeometry(vaeg.first()->menuAction()).center());
    for (qsizetype i = 0; i < vaeg.size(); ++i) {
        QMenu* m = vaeg[i];
        if (!QTest::qWaitFor([m] { return m->isVisible(); }, 2000)) {
            ADD_FAILURE() << "menu did not open: " << m->title().toStdString();
            break;
        }
        QAction* naesta = i + 1 < vaeg.size() ? vaeg[i + 1]->menuAction() : post;
        if (naesta == post && !vaelj)
            break;
        const QPoint p = m->actionGeometry(naesta).center();
        QTest::mouseMove(m, p);
        QTest::mouseClick(m, Qt::LeftButton, {}, p);
    }
    for (QMenu* m : vaeg)
        m->close();
}

void medModal(std::function<void(QWidget&)> goer, std::function<bool(QWidget&)> redo)
{
    auto* tittare = new QTimer;
    int kvar = 500;
    QObject::connect(tittare, &QTimer::timeout, [tittare, goer, redo, kvar]() mutable {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (w && redo && !redo(*w))
            w = nullptr;
        if (!w && --kvar > 0)
            return;
        tittare->stop();
        tittare->deleteLater();
        if (!w) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        goer(*w);
        if (w && w->isVisible())
            w->close();
    });
    tittare->start(10);
}

}  // namespace TestSupport
