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

class Tangentbordsvakt : public QObject {
public:
    using QObject::QObject;

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
