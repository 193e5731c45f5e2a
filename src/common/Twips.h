#pragma once

#include <QWidget>
#include <cmath>

// Window geometry in twips (15 per device-independent pixel), the unit the
// layout rules are written in. Values are rounded only when a widget is
// placed.
namespace Twips {

constexpr double PerPixel = 15.0;

inline int tillPixlar(double twips) { return int(std::lround(twips / PerPixel)); }
inline double fraanPixlar(int pixlar) { return pixlar * PerPixel; }

inline double Left(const QWidget* w) { return fraanPixlar(w->x()); }
inline double Top(const QWidget* w) { return fraanPixlar(w->y()); }
inline double Width(const QWidget* w) { return fraanPixlar(w->width()); }
inline double Height(const QWidget* w) { return fraanPixlar(w->height()); }

inline void setLeft(QWidget* w, double t) { w->move(tillPixlar(t), w->y()); }
inline void setTop(QWidget* w, double t) { w->move(w->x(), tillPixlar(t)); }
inline void setWidth(QWidget* w, double t) { w->resize(std::max(0, tillPixlar(t)), w->height()); }
inline void setHeight(QWidget* w, double t) { w->resize(w->width(), std::max(0, tillPixlar(t))); }

inline void placera(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(tillPixlar(left), tillPixlar(top), std::max(0, tillPixlar(width)),
                   std::max(0, tillPixlar(height)));
}

// Rounds to the nearest whole number, halves to the even one.
inline long avrunda(double v) { return std::lrint(v); }

}  // namespace Twips
