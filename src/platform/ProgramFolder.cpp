#include "platform/ProgramFolder.h"

#include <QCoreApplication>

namespace ProgramMapp {
namespace {

QString& testMapp()
{
    static QString m;
    return m;
}

QString medSnedstreck(QString mapp)
{
    if (!mapp.endsWith('/'))
        mapp += '/';
    return mapp;
}

}  // namespace

QString vaeg()
{
    if (!testMapp().isEmpty())
        return medSnedstreck(testMapp());
    return medSnedstreck(QCoreApplication::applicationDirPath());
}

void saett(const QString& mapp)
{
    testMapp() = mapp;
}

}  // namespace ProgramMapp
