#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <utility>

class QWidget;

// What the screen shows, read by screen position: a window as it draws
// itself, or the whole screen of a real X server.
namespace TestSupport {

// How far apart two colours are: the sum of their red, green and blue
// differences.
int skillnad(QRgb a, QRgb b);

// Where a widget stands on the screen.
QRect paaSkaermen(const QWidget* w);

class Skaermbild {
public:
    static Skaermbild avFoenster(QWidget* foenster);
    static Skaermbild avSkaermen();

    QRgb pixel(QPoint global) const { return m_bild.pixel(global - m_origo); }
    QRect yta() const { return m_bild.rect().translated(m_origo); }

    // The first and last rows where what is drawn inside `ruta` differs
    // clearly from `bakgrund` (the top and foot of a letter); -1 for none.
    std::pair<int, int> blaeck(const QRect& ruta, QRgb bakgrund) const;

    // The unbroken runs of `faerg` down column `x`, from the top: their
    // lengths.
    QList<int> band(int x, QRgb faerg) const;

private:
    Skaermbild(QPoint origo, QImage bild) : m_origo(origo), m_bild(std::move(bild)) {}

    QPoint m_origo;
    QImage m_bild;
};

}  // namespace TestSupport
