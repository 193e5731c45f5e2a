#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <utility>

class QLabel;
class QWidget;

// What the screen shows, read by screen position: a window as it draws
// itself, or the whole screen of a real X server.
namespace TestSupport {

// How far apart two colours are: the sum of their red, green and blue
// differences.
int skillnad(QRgb a, QRgb b);

// Where a widget stands on the screen, and where a label's text stands.
QRect paaSkaermen(const QWidget* w);
QRect textenPaaSkaermen(const QLabel* l);

class Skaermbild {
public:
    static Skaermbild avFoenster(QWidget* foenster);
    static Skaermbild avSkaermen();

    QRgb pixel(QPoint global) const { return m_bild.pixel(global - m_origo); }
    QRect yta() const { return m_bild.rect().translated(m_origo); }

    // The first and last rows where what is drawn inside `ruta` differs
    // clearly from `bakgrund` (the top and foot of a letter); -1 for none.
    std::pair<int, int> blaeck(const QRect& ruta, QRgb bakgrund) const;

    // The colour most of `ruta` shows: the background of what stands there.
    QRgb bakgrund(const QRect& ruta) const;

    // How well what is drawn in `ruta` stands out on that background: the
    // contrast ratio of its most distinct pixel.
    double kontrast(const QRect& ruta) const;

    // The unbroken runs of `faerg` down column `x`, from the top: their
    // lengths.
    QList<int> band(int x, QRgb faerg) const;

private:
    Skaermbild(QPoint origo, QImage bild) : m_origo(origo), m_bild(std::move(bild)) {}

    QPoint m_origo;
    QImage m_bild;
};

}  // namespace TestSupport
