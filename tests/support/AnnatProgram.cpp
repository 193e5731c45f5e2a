#include "support/AnnatProgram.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const char* const Rubrik = "Ett annat program";

// What `program` prints; Pluvo goes on meanwhile, as it does beside a
// program that opens.
QString utdata(const QString& program, const QStringList& argument)
{
    QProcess p;
    p.start(program, argument);
    if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 5000))
        p.kill();
    p.waitForFinished();
    return QString::fromLatin1(p.readAllStandardOutput());
}

}  // namespace

AnnatProgram::AnnatProgram()
{
    m_process.start("xmessage", {"-title", Rubrik, "Ett annat program har tangentbordet."});
    if (!m_process.waitForStarted(5000))
        return;
    const QString id = utdata("xdotool", {"search", "--sync", "--onlyvisible", "--name", QString("^%1$").arg(Rubrik)});
    m_foenster = id.section('\n', 0, 0).trimmed().toULong();
}

AnnatProgram::~AnnatProgram()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool AnnatProgram::harTangentbordet() const
{
    return uppe() && utdata("xdotool", {"getwindowfocus"}).trimmed().toULong() == m_foenster;
}

bool AnnatProgram::oeverst() const
{
    // The manager lists its windows from the bottom up.
    const QString lista = utdata("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    auto traeffar = QRegularExpression("0x[0-9a-f]+").globalMatch(lista);
    unsigned long oeversta = 0;
    while (traeffar.hasNext())
        oeversta = traeffar.next().captured().toULong(nullptr, 16);
    return uppe() && oeversta == m_foenster;
}

bool AnnatProgram::faarTangentbordet(int ms) const
{
    return QTest::qWaitFor([this] { return harTangentbordet(); }, ms);
}
