#include "RedigerarFixtur.h"

#include "common/ModPluvo.h"
#include "editor/Uppgiftsfoenster.h"
#include "support/TestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

void RedigerarTest::SetUp()
{
    TestSupport::nyStart();
    ASSERT_TRUE(mapp.isValid());
    modPluvo().OevningsMapp = mapp.path() + "/";
    saettMsgBoxHanterare([this](const MsgBoxAnrop& a) {
        meddelanden.push_back(a);
        if (!svar.empty()) {
            const MsgSvar s = svar.front();
            svar.pop_front();
            return s;
        }
        return a.knappar == MsgKnappar::Ok ? MsgSvar::Ok : MsgSvar::Avbryt;
    });
    saettOeppnaDialogHanterare([this](const OeppnaDialogAnrop& a) {
        oeppnaAnrop.push_back(a);
        return oeppnaSvar;
    });
    saettSparaDialogHanterare([this](const SparaDialogAnrop& a) {
        sparaAnrop.push_back(a);
        return sparaSvar;
    });
    saettUppgiftsfoensterHanterare([this](const QString& rad, bool) {
        uppgiftAnrop.push_back(rad);
        if (uppgifter.empty())
            return QString();
        const QString l = uppgifter.front();
        uppgifter.pop_front();
        return l;
    });
}

void RedigerarTest::TearDown()
{
    f.reset();
    saettMsgBoxHanterare({});
    saettOeppnaDialogHanterare({});
    saettSparaDialogHanterare({});
    saettUppgiftsfoensterHanterare({});
}

FrmSkrivIn& RedigerarTest::starta(const QString& tag, const QStringList& lstFel)
{
    f = std::make_unique<FrmSkrivIn>(nullptr, tag, lstFel);
    f->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    return *f;
}

QAction* RedigerarTest::hitta(const QStringList& vaeg, bool utloes)
{
    QMenuBar* rad = f->findChild<QMenuBar*>();
    QAction* aktion = nullptr;
    for (QAction* a : rad->actions()) {
        if (a->text() == vaeg[0])
            aktion = a;
    }
    if (!aktion) {
        ADD_FAILURE() << "no menu " << vaeg[0].toStdString();
        return nullptr;
    }
    QTest::mouseClick(rad, Qt::LeftButton, {}, rad->actionGeometry(aktion).center());
    QMenu* meny = aktion->menu();
    for (int i = 1; i < vaeg.size(); ++i) {
        if (!meny->isVisible()) {
            ADD_FAILURE() << "menu did not open before " << vaeg[i].toStdString();
            return nullptr;
        }
        aktion = nullptr;
        for (QAction* a : meny->actions()) {
            if (a->text() == vaeg[i] || (i == vaeg.size() - 1 && a->text().startsWith(vaeg[i])))
                aktion = a;
        }
        if (!aktion) {
            ADD_FAILURE() << "no entry " << vaeg[i].toStdString();
            meny->close();
            return nullptr;
        }
        const bool sista = i == vaeg.size() - 1;
        if (sista && !utloes)
            return aktion;
        QTest::mouseMove(meny, meny->actionGeometry(aktion).center());
        QTest::mouseClick(meny, Qt::LeftButton, {}, meny->actionGeometry(aktion).center());
        if (aktion->menu()) {
            QMenu* under = aktion->menu();
            EXPECT_TRUE(QTest::qWaitFor([under] { return under->isVisible(); }, 2000));
            meny = aktion->menu();
        }
    }
    return aktion;
}

void RedigerarTest::vaelj(const QStringList& vaeg)
{
    hitta(vaeg, true);
    QCoreApplication::processEvents();
}

bool RedigerarTest::aerPaa(const QStringList& vaeg)
{
    QAction* a = hitta(vaeg, false);
    const bool paa = a && a->isEnabled();
    for (QMenu* m : f->findChildren<QMenu*>())
        m->close();
    QCoreApplication::processEvents();
    return paa;
}

QString RedigerarTest::menytext(const QStringList& vaeg)
{
    QAction* a = hitta(vaeg, false);
    const QString text = a ? a->text() : QString();
    for (QMenu* m : f->findChildren<QMenu*>())
        m->close();
    QCoreApplication::processEvents();
    return text;
}

void RedigerarTest::klicka(const QString& knapp)
{
    QPushButton* b = f->findChild<QPushButton*>(knapp);
    ASSERT_NE(b, nullptr) << knapp.toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
}

void RedigerarTest::markera(int rad)
{
    QListWidget* l = f->findChild<QListWidget*>("lstSkrivIn");
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(rad)).center());
}

QStringList RedigerarTest::lista() const
{
    QListWidget* l = f->findChild<QListWidget*>("lstSkrivIn");
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

QString RedigerarTest::raeknare() const
{
    QLabel* l = f->findChild<QLabel*>("labUppgift");
    return l->isHidden() ? QString() : l->text();
}

bool RedigerarTest::knappPaa(int index) const
{
    return f->findChild<QPushButton*>(QString("comRedigera%1").arg(index))->isEnabled();
}

void RedigerarTest::oeppna(const QString& soekvaeg)
{
    oeppnaSvar = soekvaeg;
    vaelj({"&Arkiv", QString::fromUtf8("&Öppna...")});
}
