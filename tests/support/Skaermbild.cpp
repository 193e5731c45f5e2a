#include "support/Skaermbild.h"

#include "common/Kontrast.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace TestSupport {

int skillnad(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

QRect paaSkaermen(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QRect textenPaaSkaermen(const QLabel* l)
{
    const QRect text = QFontMetrics(l->font()).boundingRect(l->contentsRect(), int(l->alignment()), l->text());
    return text.translated(l->mapToGlobal(QPoint(0, 0)));
}

Skaermbild Skaermbild::avFoenster(QWidget* foenster)
{
    return Skaermbild(foenster->mapToGlobal(QPoint(0, 0)), foenster->grab().toImage());
}

Skaermbild Skaermbild::avSkaermen()
{
    return Skaermbild(QPoint(0, 0), QGuiApplication::primaryScreen()->grabWindow(0).toImage());
}

std::pair<int, int> Skaermbild::blaeck(const QRect& ruta, QRgb bakgrund) const
{
    int topp = -1;
    int fot = -1;
    const QRect r = ruta & yta();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (skillnad(pixel({x, y}), bakgrund) > 120) {
                if (topp < 0)
                    topp = y;
                fot = y;
                break;
            }
        }
    }
    return {topp, fot};
}

QRgb Skaermbild::bakgrund(const QRect& ruta) const
{
    QHash<QRgb, int> antal;
    const QRect r = ruta & yta();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++antal[pixel({x, y})];
    return antal.isEmpty() ? 0 : std::max_element(antal.cbegin(), antal.cend()).key();
}

double Skaermbild::kontrast(const QRect& ruta) const
{
    const QColor bak(bakgrund(ruta));
    double stoerst = 1;
    const QRect r = ruta & yta();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            stoerst = std::max(stoerst, ::kontrast(QColor(pixel({x, y})), bak));
    return stoerst;
}

QList<int> Skaermbild::band(int x, QRgb faerg) const
{
    QList<int> laengder;
    int laengd = 0;
    for (int y = yta().top(); y <= yta().bottom(); ++y) {
        if (pixel({x, y}) == faerg) {
            ++laengd;
        } else if (laengd > 0) {
            laengder << laengd;
            laengd = 0;
        }
    }
    if (laengd > 0)
        laengder << laengd;
    return laengder;
}

}  // namespace TestSupport
