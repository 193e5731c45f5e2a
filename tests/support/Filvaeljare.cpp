#include "support/Filvaeljare.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileSystemModel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace TestSupport {

QStringList erbjudetIFilvaeljaren(QWidget& vaeljare, const QString& namn)
{
    auto* lista = vaeljare.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    const auto fil = [lista, namn] {
        const auto traeffar = lista->model()->match(lista->model()->index(0, 0, lista->rootIndex()),
                                                    Qt::DisplayRole, namn, 1, Qt::MatchExactly);
        return traeffar.isEmpty() ? QModelIndex() : traeffar.first();
    };
    // Active, the file listed and laid out, and its folder's rights known
    // (they decide the menu).
    if (!lista || !QTest::qWaitFor([&] {
            return QApplication::activeWindow() == &vaeljare && !lista->visualRect(fil()).isEmpty()
                   && fil().parent().data(QFileSystemModel::FilePermissions).toInt() != 0;
        }))
        return {"file not listed"};
    lista->setCurrentIndex(fil());
    QTest::keyClick(lista, Qt::Key_Delete);
    // The menu runs its own loop until it closes: it is read from there.
    QStringList erbjudet;
    bool last = false;
    QTimer::singleShot(100, [&] {
        last = true;
        auto* meny = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!meny) {
            erbjudet << "no menu";
            return;
        }
        for (QAction* a : meny->actions())
            if (a->isEnabled() && !a->isSeparator() && !a->isCheckable())
                erbjudet << a->text();
        meny->close();
    });
    const QPoint punkt = lista->visualRect(fil()).center();
    QContextMenuEvent hoegerklick(QContextMenuEvent::Mouse, punkt, lista->viewport()->mapToGlobal(punkt));
    QApplication::sendEvent(lista->viewport(), &hoegerklick);
    if (!QTest::qWaitFor([&] { return last; }))
        erbjudet << "menu not read";
    for (auto* knapp : vaeljare.findChildren<QToolButton*>(QStringLiteral("newFolderButton")))
        if (knapp->isVisible() && knapp->isEnabled())
            erbjudet << "new folder button";
    return erbjudet;
}

}  // namespace TestSupport
