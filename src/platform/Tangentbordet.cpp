#include "platform/Tangentbordet.h"

#include "platform/Foenster.h"
#include "platform/Tangentbordsfokus.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace Tangentbordet {
namespace {

int g_aatergaangar = 0;

// Pluvo may take the keyboard while one of its own windows has it, or while
// nobody has it.
bool faarTas()
{
    switch (tangentbordsfokus()) {
    case Tangentbordsfokus::Eget:
    case Tangentbordsfokus::Ingen:
        return true;
    case Tangentbordsfokus::Annat:
        return false;
    case Tangentbordsfokus::Okaent:
        break;
    }
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

// The menu bars whose menus hand the keys to a widget of their own when
// they close.
QList<QPair<QPointer<QMenuBar>, QPointer<QWidget>>> g_mottagare;

// Where the keys go when `menyrad` lets them go: its own receiver, else
// the next widget after it that takes the keyboard.
QWidget* mottagareFoer(QMenuBar* menyrad)
{
    for (const auto& [rad, mottagare] : std::as_const(g_mottagare))
        if (rad == menyrad && mottagare)
            return mottagare;
    for (QWidget* w = menyrad->nextInFocusChain(); w && w != menyrad; w = w->nextInFocusChain())
        if (w->window() == menyrad->window() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible()
            && w->isEnabled())
            return w;
    return menyrad->window();
}

// Pluvo has the keyboard again after another program had it while a menu
// was open. The menu may still be open, or the menu bar may still hold the
// keys: both let go, and the keys go where they go when a menu closes. (A
// menu still open when its window gets the keyboard is always such a one:
// while a menu is open, only another program moves the keyboard.)
void aatertaEfterAvbrott(QWidget* foenster, bool varInaktiv)
{
    const bool kvarlaemnadMeny = QApplication::activePopupWidget() != nullptr;
    if (!kvarlaemnadMeny && !varInaktiv)
        return;
    while (QWidget* meny = QApplication::activePopupWidget())
        meny->close();
    if (auto* menyrad = qobject_cast<QMenuBar*>(foenster->focusWidget()))
        mottagareFoer(menyrad)->setFocus(Qt::ActiveWindowFocusReason);
}

class Tangentbordsvakt : public QObject {
public:
    explicit Tangentbordsvakt(QObject* foraelder) : QObject(foraelder)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* fokus) {
            QWidget* foenster = fokus ? somFoenster(QWidget::find(fokus->winId())) : nullptr;
            if (foenster)
                aatertaEfterAvbrott(foenster, !m_haddeFokus);
            m_haddeFokus = fokus != nullptr;
        });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::WindowUnblocked && somFoenster(o))
            ++g_aatergaangar;
        // A window minimized or brought back by the user is not one that
        // opens or closes.
        const bool oeppnasEllerStaengs = (e->type() == QEvent::Show || e->type() == QEvent::Hide)
                                         && !e->spontaneous();
        QWidget* foenster = oeppnasEllerStaengs ? somFoenster(o) : nullptr;
        if (foenster) {
            m_oeppna.removeAll(foenster);
            m_oeppna.removeAll(nullptr);
            if (e->type() == QEvent::Show)
                m_oeppna.append(foenster);
            // Once the window is up, or gone, not while it changes.
            QTimer::singleShot(0, this, [this] { aktiveraOeversta(); });
        }
        return false;
    }

private:
    void aktiveraOeversta()
    {
        for (qsizetype i = m_oeppna.size() - 1; i >= 0; --i) {
            QWidget* w = m_oeppna[i];
            if (w && w->isVisible() && !w->isMinimized()) {
                if (!w->isActiveWindow() && faarTas())
                    w->activateWindow();
                return;
            }
        }
    }

    QList<QPointer<QWidget>> m_oeppna;
    bool m_haddeFokus = false;
};

void laemnaTill(QWidget* mottagare)
{
    if (!mottagare->isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget()
        || !faarTas())
        return;
    if (!mottagare->isActiveWindow())
        mottagare->activateWindow();
    mottagare->setFocus();
}

}  // namespace

void foelj()
{
    static Tangentbordsvakt* vakt = nullptr;
    if (vakt || !qApp)
        return;
    vakt = new Tangentbordsvakt(qApp);
    qApp->installEventFilter(vakt);
}

void efterMenyer(QMenuBar* menyrad, QWidget* mottagare)
{
    g_mottagare.append({menyrad, mottagare});
    // Once the menu has gone, and whatever it chose has opened.
    for (QMenu* meny : menyrad->findChildren<QMenu*>())
        QObject::connect(meny, &QMenu::aboutToHide, mottagare, [mottagare] {
            QTimer::singleShot(0, mottagare, [mottagare] { laemnaTill(mottagare); });
        });
}

int aatergaangar()
{
    return g_aatergaangar;
}

}  // namespace Tangentbordet
