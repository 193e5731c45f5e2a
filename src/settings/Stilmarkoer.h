#pragma once

#include <QWidget>

class QGroupBox;

// The marker of the chosen colour sample: a ring over the sample's edges,
// dark outside and light inside so that it shows on dark and light samples
// alike. It starts below the sample's caption, which it never covers, and
// lets clicks through to the sample.
class Stilmarkoer : public QWidget {
    Q_OBJECT
public:
    explicit Stilmarkoer(QWidget* foraelder);

    // Lays the marker over `prov`, with its Left and Top.
    void markera(const QGroupBox* prov);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_rubrikHoejd = 0;  // the caption's height, which the ring leaves free
};
