#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

// The print settings: the size and the order of printed exercise lists.
// Only "Utför" and "OK" store a choice.
class FrmOptions1 : public QDialog {
    Q_OBJECT
public:
    explicit FrmOptions1(QWidget* parent = nullptr);

    // Stores the choices of the page (the window has only page 1), writing
    // only what differs from the stored value.
    void SparaUtskriftsval(int sida);

private:
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

    QTabWidget* tbsOptions;
    QWidget* picOptions;
    QGroupBox* fraTeckensnitt;
    QGroupBox* fraOrdning;
    std::array<QRadioButton*, 3> optTeckensnitt;
    std::array<QRadioButton*, 2> optOrdning;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
};
