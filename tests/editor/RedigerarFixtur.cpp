#include "RedigerarFixtur.h"

#include "common/ModPluvo.h"
#include "editor/Uppgiftsfoenster.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"

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

QAction* RedigerarTest::hitta(const QStringList& vaeg) const
{
    QList<QAction*> poster = f->findChild<QMenuBar*>()->actions();
    QAction* aktion = nullptr;
    for (const QString& text : vaeg) {
        aktion = nullptr;
        for (QAction* a : poster) {
            if (a->text() == text || (text == vaeg.last() && a->text().startsWith(text)))
                aktion = a;
        }
        if (!aktion) {
            ADD_FAILURE() << "no menu entry " << text.toStdString();
            return nullptr;
        }
        if (aktion->menu())
            poster = aktion->menu()->actions();
    }
    return aktion;
}

void RedigerarTest::vaelj(const QStringList& vaeg)
{
    TestSupport::klickaMeny(hitta(vaeg));
}

QAction* RedigerarTest::visad(const QStringList& vaeg)
{
    QAction* a = hitta(vaeg);
    TestSupport::klickaMeny(a, false);
    return a;
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
