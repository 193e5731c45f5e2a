// The guide as the teacher reads it in its window, held against the windows
// it describes: every key it gives a menu entry must be that entry's key.
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"
#include "viewers/FrmPluvoHandledning.h"
#include "viewers/FrmPluvoLoggbok.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The guide's lines, each with the heading of the part it stands in (the
// last line written in capitals before it).
QList<std::pair<QString, QString>> guidensRader()
{
    FrmPluvoHandledning guide(nullptr, nullptr);
    const QString text = guide.findChild<QPlainTextEdit*>("txtHandledning")->toPlainText();
    QList<std::pair<QString, QString>> rader;
    QString del;
    for (const QString& rad : text.split('\n')) {
        if (!rad.isEmpty() && rad == rad.toUpper() && rad.contains(QRegularExpression("\\w")))
            del = rad;
        else
            rader.append({del, rad});
    }
    return rader;
}

// A caption as the guide names it: without its access letter, its trailing
// "..." and blanks.
QString somIGuiden(QString text)
{
    text.remove('&');
    text = text.trimmed();
    if (text.endsWith("..."))
        text.chop(3);
    return text;
}

// Every entry the guide gives a key, "Name (Key): ...", in the part `del`:
// the entry exists in `foenster` with that very key.
int jaemfoerTangenter(const QList<std::pair<QString, QString>>& rader, const QString& del, const QWidget& foenster)
{
    static const QRegularExpression medTangent("^(?:.* - )?(.+?) \\(([^)]+)\\): ");
    int antal = 0;
    for (const auto& [delen, rad] : rader) {
        const QRegularExpressionMatch m = medTangent.match(rad);
        if (delen != del || !m.hasMatch())
            continue;
        ++antal;
        const QAction* hittad = nullptr;
        for (const QAction* a : foenster.findChildren<QAction*>())
            if (somIGuiden(a->text()) == m.captured(1))
                hittad = a;
        EXPECT_TRUE(hittad && hittad->shortcut() == QKeySequence(m.captured(2))) << rad.toStdString();
    }
    return antal;
}

TEST(Handledningstext, EveryKeyItGivesAMenuEntryIsThatEntrysKey)
{
    nyStart();
    QTemporaryDir program;
    const auto rader = guidensRader();
    const auto f = startaTraeningsfoenster(program.path());
    EXPECT_GE(jaemfoerTangenter(rader, "MENYRADEN", *f), 2);
    const FrmPluvoLoggbok loggbok(nullptr, QString(), nullptr);
    EXPECT_GE(jaemfoerTangenter(rader, "LOGGBOKEN", loggbok), 3);
}

}  // namespace
