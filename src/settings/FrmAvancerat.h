#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QSlider;

// The speech delay dialog: how long the training window waits after the
// first text of an item before it speaks the second, as a percentage of the
// normal wait, for Normal runs and for Omvänd runs. "OK" stores both.
class FrmAvancerat : public QDialog {
    Q_OBJECT
public:
    explicit FrmAvancerat(QWidget* parent);

    QLabel* labInfo;
    std::array<QLabel*, 2> labNormal{};
    std::array<QSlider*, 2> sldTspKorr{};   // 0 Normal runs, 1 Omvänd runs
    std::array<QLabel*, 2> labVaerde{};     // the slider's value as "120 %"
    QPushButton* comStandard;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private:
    void sldTspKorr_Scroll(int Index);
    void comStandard_Click();
    void OKButton_Click();
};

// A speech delay factor as the settings store it, in a form the settings
// reader reads back.
QString faktorText(float faktor);
