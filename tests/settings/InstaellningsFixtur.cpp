#include "InstaellningsFixtur.h"

#include "common/ModPluvo.h"
#include "platform/SettingsStore.h"

#include <QPushButton>
#include <QSettings>

namespace TestSupport {

Nycklar allaNycklar()
{
    QSettings s(SettingsStore::filnamn(), QSettings::IniFormat);
    Nycklar alla;
    for (const QString& nyckel : s.allKeys())
        alla[nyckel] = s.value(nyckel).toString();
    return alla;
}

void InstaellningsFixtur::SetUp()
{
    nyStart();
    TextSpeaker::spaerraRoest({});
}

void InstaellningsFixtur::TearDown()
{
    d.reset();
    f.reset();
    TextSpeaker::spaerraRoest({});
}

void InstaellningsFixtur::oeppna()
{
    if (!f)
        f = startaTraeningsfoenster(program.path());
    vidOeppning = allaNycklar();
    TextSpeaker* roest1 = modPluvo().TalFinns ? &f->tspPluvo : nullptr;
    TextSpeaker* roest2 = modPluvo().TalFinns ? &f->tspPluvo2 : nullptr;
    d = std::make_unique<FrmOptions2>(*f, roest1, roest2, f.get());
    d->show();
}

bool InstaellningsFixtur::ljudsidan(int roester)
{
    oeppna();
    if (!modPluvo().TalFinns || f->tspPluvo.AntalRoester() < roester)
        return false;
    flik(3);
    return true;
}

void InstaellningsFixtur::flik(int nummer)
{
    QTest::mouseClick(d->tbsOptions, Qt::LeftButton, {}, d->tbsOptions->tabRect(nummer - 1).center());
    ASSERT_EQ(d->tbsOptions->currentIndex(), nummer - 1);
}

void InstaellningsFixtur::klicka(QWidget* w)
{
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

void InstaellningsFixtur::utfoer()
{
    klicka(d->cmdApply);
}

void InstaellningsFixtur::ok()
{
    klicka(d->cmdOK);
    EXPECT_TRUE(d->isHidden());
}

void InstaellningsFixtur::avbryt()
{
    klicka(d->cmdCancel);
    EXPECT_TRUE(d->isHidden());
}

Nycklar InstaellningsFixtur::skrivna() const
{
    Nycklar nya;
    const Nycklar nu = allaNycklar();
    for (auto it = nu.begin(); it != nu.end(); ++it)
        if (vidOeppning.value(it.key(), "\x01") != it.value())
            nya[it.key()] = it.value();
    return nya;
}

}  // namespace TestSupport
