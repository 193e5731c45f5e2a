#include "settings/Stilmarkoer.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace {

// Each of the ring's two lines, in pixels.
constexpr int Linjebredd = 3;

// Where a group box's caption ends, as its style draws it.
int rubrikensUnderkant(const QGroupBox* ram)
{
    QStyleOptionGroupBox alternativ;
    alternativ.initFrom(ram);
    alternativ.text = ram->title();
    alternativ.textAlignment = ram->alignment();
    alternativ.lineWidth = 1;
    alternativ.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return ram->style()->subControlRect(QStyle::CC_GroupBox, &alternativ, QStyle::SC_GroupBoxLabel, ram).bottom() + 1;
}

}  // namespace

Stilmarkoer::Stilmarkoer(QWidget* foraelder) : QWidget(foraelder)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Stilmarkoer::markera(const QGroupBox* prov)
{
    setGeometry(prov->geometry());
    m_rubrikHoejd = rubrikensUnderkant(prov);
    raise();
    update();
}

void Stilmarkoer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect ring = rect().adjusted(0, m_rubrikHoejd, 0, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, Linjebredd, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(ring).adjusted(Linjebredd / 2.0, Linjebredd / 2.0, -Linjebredd / 2.0, -Linjebredd / 2.0));
    p.setPen(QPen(Qt::white, Linjebredd, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(ring).adjusted(Linjebredd * 1.5, Linjebredd * 1.5, -Linjebredd * 1.5, -Linjebredd * 1.5));
}
