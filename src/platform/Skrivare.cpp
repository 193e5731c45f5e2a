#include "platform/Skrivare.h"

#include "platform/Utskriftsdialog.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

UtskriftsSeam& seam()
{
    static UtskriftsSeam s;
    return s;
}

}  // namespace

void saettUtskriftsSeam(UtskriftsSeam s)
{
    seam() = std::move(s);
}

Skrivare::Skrivare() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_font.setPointSizeF(12);
}

Skrivare::~Skrivare()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool Skrivare::VisaDialog(QWidget* aegare)
{
    m_printer->setCopyCount(1);
    if (seam().dialog) {
        const std::optional<UtskriftsDialogSvar> svar = seam().dialog();
        if (!svar)
            return false;
        // Measured as the PDF file it is printed to.
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        if (!svar->fil.isEmpty())
            m_printer->setOutputFileName(svar->fil);
        m_printer->setCopyCount(svar->kopior);
    } else if (!VisaUtskriftsdialog(*m_printer, aegare)) {
        return false;
    }
    // A driver left at N copies would print every one of our N jobs N times.
    m_kopior = std::max(1, m_printer->copyCount());
    m_printer->setCopyCount(1);
    m_tillFil = !m_printer->outputFileName().isEmpty();
    m_jobb = 0;
    return true;
}

bool Skrivare::SkrivKopior(const QString& dokumentnamn, const std::function<bool()>& skrivKopia)
{
    for (int kopia = 1; kopia <= m_kopior; ++kopia) {
        const bool foerstaIJobbet = !m_tillFil || kopia == 1;
        const bool sistaIJobbet = !m_tillFil || kopia == m_kopior;
        if (!(foerstaIJobbet ? StartaJobb(dokumentnamn) : NySida()) || !skrivKopia())
            return false;
        if (sistaIJobbet && !AvslutaJobb())
            return false;
    }
    return true;
}

bool Skrivare::StartaJobb(const QString& dokumentnamn)
{
    ++m_jobb;
    if (seam().pdfFil && !m_tillFil) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(seam().pdfFil({m_jobb, m_printer->copyCount()}));
    }
    m_printer->setDocName(dokumentnamn);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        return false;
    }
    m_painter->setFont(m_font);
    CurrentX = 0;
    CurrentY = 0;
    return true;
}

bool Skrivare::NySida()
{
    if (!m_painter || !m_printer->newPage())
        return false;
    CurrentX = 0;
    CurrentY = 0;
    return true;
}

bool Skrivare::AvslutaJobb()
{
    if (!m_painter)
        return false;
    const bool klar = m_painter->end();
    m_painter.reset();
    return klar;
}

void Skrivare::SaettTeckensnitt(const QString& namn)
{
    m_font.setFamily(namn);
    if (m_painter)
        m_painter->setFont(m_font);
}

void Skrivare::SaettStorlek(double punkter)
{
    m_font.setPointSizeF(punkter);
    if (m_painter)
        m_painter->setFont(m_font);
}

double Skrivare::TextWidth(const QString& text) const
{
    return QFontMetricsF(m_font, m_printer.get()).horizontalAdvance(text);
}

double Skrivare::TextHeight(const QString&) const
{
    return QFontMetricsF(m_font, m_printer.get()).height();
}

double Skrivare::ScaleWidth() const
{
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width();
}

double Skrivare::ScaleHeight() const
{
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
}

void Skrivare::Print(const QString& text)
{
    if (m_painter) {
        const QFontMetricsF maatt(m_font, m_printer.get());
        m_painter->drawText(QPointF(CurrentX, CurrentY + maatt.ascent()), text);
    }
    CurrentX = 0;
    CurrentY += TextHeight(text);
}
