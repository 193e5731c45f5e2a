#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: title and version on the background picture.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

private:
    QLabel* imaRekord;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
};

// Shows the About window modally; returns when it has closed.
void visaOmFoenster(QWidget* parent = nullptr);
