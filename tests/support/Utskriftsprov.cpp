#include "support/Utskriftsprov.h"

#include "platform/Skrivare.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace TestSupport {

namespace {

QString pdftotext(const QStringList& argument)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argument);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

Utskriftsprov::Utskriftsprov(std::optional<int> kopior) : m_kopior(kopior)
{
    UtskriftsSeam seam;
    seam.dialog = [this]() -> std::optional<UtskriftsDialogSvar> {
        ++dialoger;
        if (!m_kopior)
            return std::nullopt;
        return UtskriftsDialogSvar{*m_kopior, m_tillFil ? valdFil() : QString()};
    };
    seam.pdfFil = [this](const UtskriftsJobb& j) {
        ++jobb;
        kopiorPerJobb << j.kopior;
        return m_fela ? m_mapp.path() + "/saknas/jobb.pdf" : pdfFil(jobb);
    };
    saettUtskriftsSeam(seam);
}

Utskriftsprov::~Utskriftsprov()
{
    saettUtskriftsSeam({});
}

QString Utskriftsprov::pdfFil(int nummer) const
{
    return m_mapp.path() + "/jobb" + QString::number(nummer) + ".pdf";
}

QString Utskriftsprov::valdFil() const
{
    return m_mapp.path() + "/vald.pdf";
}

QString Utskriftsprov::text(int nummer) const
{
    return pdftotext({QStringLiteral("-layout"), pdfFil(nummer), QStringLiteral("-")});
}

QList<QStringList> Utskriftsprov::sidor(int nummer) const
{
    return sidor(pdfFil(nummer));
}

QList<QStringList> Utskriftsprov::sidor(const QString& pdf) const
{
    QList<QStringList> resultat;
    QStringList sidtexter = pdftotext({pdf, QStringLiteral("-")}).split(u'\f');
    sidtexter.removeLast();  // after the last form feed
    for (const QString& sidtext : sidtexter) {
        QStringList rader;
        for (const QString& rad : sidtext.split(u'\n'))
            rader << QString(rad).remove(QRegularExpression(QStringLiteral("\\s+$")));
        while (!rader.isEmpty() && rader.last().isEmpty())
            rader.removeLast();
        resultat << rader;
    }
    return resultat;
}

QList<PdfOrd> Utskriftsprov::ord(int nummer) const
{
    const QString html = pdftotext({QStringLiteral("-bbox"), pdfFil(nummer), QStringLiteral("-")});
    static const QRegularExpression moenster(QStringLiteral(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfOrd> resultat;
    int sida = 0;
    for (auto it = moenster.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++sida;
            continue;
        }
        resultat << PdfOrd{QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(), sida,
                           m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                           m.captured(4).toDouble()};
    }
    return resultat;
}

}  // namespace TestSupport
