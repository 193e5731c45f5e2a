#include "platform/Programstil.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace {

// An icon that takes its pictures from the style when first asked for them.
class SenIkon : public QIconEngine {
public:
    SenIkon(QStyle* stil, QStyle::StandardPixmap bild, const QWidget* widget)
        : m_stil(stil), m_bild(bild), m_widget(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        ikon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().actualSize(size, mode, state);
    }

    QIconEngine* clone() const override { return new SenIkon(*this); }

private:
    const QIcon& ikon()
    {
        if (!m_ikon)
            m_ikon = m_stil ? m_stil->standardIcon(m_bild, nullptr, m_widget) : QIcon();
        return *m_ikon;
    }

    QPointer<QStyle> m_stil;
    QStyle::StandardPixmap m_bild;
    QPointer<QWidget> m_widget;
    std::optional<QIcon> m_ikon;
};

}  // namespace

Programstil::Programstil() : QProxyStyle() {}

QIcon Programstil::standardIcon(StandardPixmap bild, const QStyleOption* option, const QWidget* widget) const
{
    if (bild == SP_ToolBarHorizontalExtensionButton && !option)
        return QIcon(new SenIkon(baseStyle(), bild, widget));
    return QProxyStyle::standardIcon(bild, option, widget);
}
