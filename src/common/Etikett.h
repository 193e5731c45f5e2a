#pragma once

#include <QLabel>

// A label or picture of the training window with the properties the
// program works with: caption, fore and back colour, border, bold font,
// auto-size, and the mouse events it reports.
class Etikett : public QLabel {
    Q_OBJECT
public:
    explicit Etikett(QWidget* parent = nullptr);

    void setCaption(const QString& text);
    QString Caption() const { return text(); }

    void setForeColor(const QColor& farg);
    QColor ForeColor() const { return m_fore; }
    void setBackColor(const QColor& farg);
    QColor BackColor() const { return m_back; }
    // 0 none, 1 a single line.
    void setBorderStyle(int stil);
    int BorderStyle() const { return m_border; }

    void setBold(bool fet);
    bool Bold() const { return font().bold(); }
    void setFontName(const QString& namn);
    void setFontSize(double punkter);
    double FontSize() const { return font().pointSizeF(); }
    // This font at this size, without bold, italic, strike-out or underline.
    void setEnkelFont(const QString& namn, double punkter);

    // An auto-sizing label follows its caption and font.
    void setAutoSize(bool autoSize);
    bool AutoSize() const { return m_autoSize; }

    // Takes font, colours, alignment and pointer from another label: how a
    // new element of a label array is loaded.
    void kopieraFraan(const Etikett& kaella);

signals:
    void klickad();
    void musNer(Qt::MouseButton knapp);
    void musUpp(Qt::MouseButton knapp);
    void musRoerd();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // Only a real move of the pointer counts: Qt also reports "entered"
    // when a label appears under a resting pointer or a window above it
    // closes, which the pupil did not do.
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void anpassa();
    void maala();

    QColor m_fore = Qt::black;
    QColor m_back;
    int m_border = 0;
    bool m_autoSize = false;
    bool m_nere = false;
};
