#include "common/Etikett.h"

#include <QMouseEvent>

Etikett::Etikett(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void Etikett::setCaption(const QString& text)
{
    setText(text);
    anpassa();
}

void Etikett::setForeColor(const QColor& farg)
{
    m_fore = farg;
    maala();
}

void Etikett::setBackColor(const QColor& farg)
{
    m_back = farg;
    maala();
}

void Etikett::setBorderStyle(int stil)
{
    m_border = stil;
    setFrameStyle(stil == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void Etikett::setBold(bool fet)
{
    QFont f = font();
    f.setBold(fet);
    setFont(f);
    anpassa();
}

void Etikett::setFontName(const QString& namn)
{
    QFont f = font();
    f.setFamily(namn);
    setFont(f);
    anpassa();
}

void Etikett::setFontSize(double punkter)
{
    QFont f = font();
    f.setPointSizeF(qBound(1.0, punkter, 1000.0));
    setFont(f);
    anpassa();
}

void Etikett::setEnkelFont(const QString& namn, double punkter)
{
    QFont f = font();
    f.setFamily(namn);
    f.setPointSizeF(qBound(1.0, punkter, 1000.0));
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    f.setUnderline(false);
    setFont(f);
    anpassa();
}

void Etikett::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    anpassa();
}

void Etikett::kopieraFraan(const Etikett& kaella)
{
    setFont(kaella.font());
    setAlignment(kaella.alignment());
    setCursor(kaella.cursor());
    m_autoSize = kaella.m_autoSize;
    m_fore = kaella.m_fore;
    m_back = kaella.m_back;
    setBorderStyle(kaella.m_border);
    maala();
    anpassa();
}

void Etikett::anpassa()
{
    if (m_autoSize)
        adjustSize();
}

void Etikett::maala()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, m_fore);
    p.setColor(QPalette::Text, m_fore);
    if (m_back.isValid())
        p.setColor(QPalette::Window, m_back);
    setAutoFillBackground(m_back.isValid());
    setPalette(p);
}

void Etikett::mousePressEvent(QMouseEvent* e)
{
    m_nere = true;
    emit musNer(e->button());
}

void Etikett::mouseReleaseEvent(QMouseEvent* e)
{
    emit musUpp(e->button());
    const bool klick = m_nere && rect().contains(e->position().toPoint());
    m_nere = false;
    if (klick)
        emit klickad();
}

void Etikett::mouseMoveEvent(QMouseEvent* e)
{
    QLabel::mouseMoveEvent(e);
    emit musRoerd();
}
