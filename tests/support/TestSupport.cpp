#include "support/TestSupport.h"

#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "trainer/FrmPluvo.h"
#include "trainer/TangentFaangare.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace TestSupport {

void nyStart()
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "MOLVI Pluvo", "Pluvo");
    s.clear();
    s.sync();
    nollstaellModPluvo();
}

void skrivInstaellning(const QString& sektion, const QString& nyckel, const QString& varde)
{
    SettingsStore::SaveSetting(sektion, nyckel, varde);
}

void skrivFil(const QString& vaeg, const QByteArray& innehaall)
{
    QDir().mkpath(QFileInfo(vaeg).absolutePath());
    QFile f(vaeg);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(innehaall);
}

QByteArray lasFil(const QString& vaeg)
{
    QFile f(vaeg);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

MsgBoxInspelare::MsgBoxInspelare(MsgSvar s) : svar(s)
{
    saettMsgBoxHanterare([this](const MsgBoxAnrop& a) {
        anrop.push_back(a);
        return svar;
    });
}

MsgBoxInspelare::~MsgBoxInspelare()
{
    saettMsgBoxHanterare({});
}

std::unique_ptr<FrmPluvo> startaTraeningsfoenster(const QString& programMapp)
{
    ProgramMapp::saett(programMapp);
    FrmPluvo::utanStartbild = true;
    auto f = std::make_unique<FrmPluvo>();
    f->Form_Load();
    return f;
}

void tryckTecken(FrmPluvo& f, QChar tecken)
{
    // keyClicks aborts on letters like å inside Qt, so each character is
    // sent as its own key event carrying the text.
    QTest::sendKeyEvent(QTest::Press, f.picTaTangent, Qt::Key_unknown, QString(tecken), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, f.picTaTangent, Qt::Key_unknown, QString(tecken), Qt::NoModifier);
}

void tryckTangent(FrmPluvo& f, Qt::Key tangent)
{
    QTest::keyClick(f.picTaTangent, tangent);
}

}  // namespace TestSupport
