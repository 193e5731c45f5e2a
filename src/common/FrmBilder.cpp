#include "common/FrmBilder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace {

QString fil(const QString& namn) { return ":/pictures/" + namn + ".svg"; }

// Backgrounds keep their proportions and fill the area, cut at the edges;
// every other picture is stretched to the size, as an image control does.
bool fyllerYtan(const QString& namn) { return namn == "imaBkg" || namn == "imaLjud"; }

QRectF fyllnadsRuta(QSizeF bild, QSizeF yta)
{
    const QSizeF s = bild.scaled(yta, Qt::KeepAspectRatioByExpanding);
    return QRectF(QPointF((yta.width() - s.width()) / 2, (yta.height() - s.height()) / 2), s);
}

std::unique_ptr<FrmBilder>& instans()
{
    static std::unique_ptr<FrmBilder> bilder;
    return bilder;
}

// Pointer picture size and the fingertip within it, in pixels.
constexpr int PekarStorlek = 32;
constexpr int PekarSpetsX = 11;
constexpr int PekarSpetsY = 1;

}  // namespace

FrmBilder::FrmBilder() : QWidget(nullptr, Qt::Tool)
{
    setObjectName("frmBilder");
    setAttribute(Qt::WA_DontShowOnScreen);
}

QStringList FrmBilder::bildnamn()
{
    return {"imaBkg", "imaLjud", "imaMeny0", "imaMeny1", "imaRam0", "imaRam1", "imaMun",
            "picUpp", "picNer", "imaOK0", "imaOK1", "imgLogo", "imaAlt0", "imaAlt1",
            "picNaesta", "picBakaat", "pekare"};
}

QSize FrmBilder::egenStorlek(const QString& namn)
{
    return QSvgRenderer(fil(namn)).defaultSize();
}

QPixmap FrmBilder::bild(const QString& namn, QSize storlek)
{
    if (!storlek.isValid())
        storlek = egenStorlek(namn);
    if (storlek.isEmpty())
        return QPixmap();
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString nyckel = namn + QString("/%1x%2@%3").arg(storlek.width()).arg(storlek.height()).arg(dpr);
    auto it = m_bilder.constFind(nyckel);
    if (it != m_bilder.constEnd())
        return *it;

    QSvgRenderer ritare(fil(namn));
    QPixmap ritad(storlek * dpr);
    ritad.setDevicePixelRatio(dpr);
    ritad.fill(Qt::transparent);
    {
        QPainter p(&ritad);
        p.setRenderHint(QPainter::Antialiasing);
        const QSizeF yta(storlek);
        ritare.render(&p, fyllerYtan(namn) ? fyllnadsRuta(ritare.defaultSize(), yta) : QRectF(QPointF(), yta));
    }
    m_bilder.insert(nyckel, ritad);
    return ritad;
}

QPixmap FrmBilder::imaBkg(QSize s) { return bild("imaBkg", s); }
QPixmap FrmBilder::imaLjud(QSize s) { return bild("imaLjud", s); }
QPixmap FrmBilder::imaMeny(int i, QSize s) { return bild(i % 2 == 0 ? "imaMeny0" : "imaMeny1", s); }
QPixmap FrmBilder::imaRam(int i, QSize s) { return bild(i % 2 == 0 ? "imaRam0" : "imaRam1", s); }
QPixmap FrmBilder::imaMun(QSize s) { return bild("imaMun", s); }
QPixmap FrmBilder::picUpp(QSize s) { return bild("picUpp", s); }
QPixmap FrmBilder::picNer(QSize s) { return bild("picNer", s); }
QPixmap FrmBilder::imaOK(int i, QSize s) { return bild(i == 0 ? "imaOK0" : "imaOK1", s); }
QPixmap FrmBilder::imgLogo(QSize s) { return bild("imgLogo", s); }
QPixmap FrmBilder::imaAlt(int i, QSize s) { return bild(i == 0 ? "imaAlt0" : "imaAlt1", s); }
QPixmap FrmBilder::picNaesta(QSize s) { return bild("picNaesta", s); }
QPixmap FrmBilder::picBakaat(QSize s) { return bild("picBakaat", s); }

QString FrmBilder::imaAltTips(int index)
{
    return index == 1 ? QStringLiteral("Försök igen med annat ord!") : QString();
}

QCursor FrmBilder::egenPekare()
{
    // Drawn without scaling, so the hot spot lies exactly on the fingertip.
    QSvgRenderer ritare(fil("pekare"));
    QPixmap ritad(PekarStorlek, PekarStorlek);
    ritad.fill(Qt::transparent);
    {
        QPainter p(&ritad);
        p.setRenderHint(QPainter::Antialiasing);
        ritare.render(&p, QRectF(0, 0, PekarStorlek, PekarStorlek));
    }
    return QCursor(ritad, PekarSpetsX, PekarSpetsY);
}

FrmBilder& frmBilder()
{
    auto& bilder = instans();
    if (!bilder) {
        bilder = std::make_unique<FrmBilder>();
        // Pictures and widgets must go before the application does.
        static bool efterrutinLagd = false;
        if (!efterrutinLagd) {
            qAddPostRoutine(laddaUrFrmBilder);
            efterrutinLagd = true;
        }
    }
    return *bilder;
}

void laddaUrFrmBilder()
{
    instans().reset();
}
