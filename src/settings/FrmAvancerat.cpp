#include "settings/FrmAvancerat.h"

#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "common/Program.h"
#include "platform/SettingsStore.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {

int procent(float faktor)
{
    return int(std::lround(double(faktor) * 100));
}

}  // namespace

QString faktorText(float faktor)
{
    // Plain digits with the locale's decimal sign when that is a comma;
    // the settings reader takes either sign.
    QString text = QString::number(double(faktor), 'g', 6);
    if (QLocale().decimalPoint() == QStringLiteral(","))
        text.replace('.', ',');
    return text;
}

FrmAvancerat::FrmAvancerat(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAvancerat");
    setModal(true);
    setWindowTitle(Program::Titel + " - Talsyntes");

    labInfo = new QLabel(QString::fromUtf8("Fördröjning mellan uppläsning av ord och förklaring"), this);
    labInfo->setObjectName("labInfo");
    auto* reglage = new QGridLayout;
    const ModPluvo& m = modPluvo();
    const float faktorer[] = {m.Tsp2Korr, m.TspKorr};
    const char* rubriker[] = {"Normal visning", "Omvänd visning"};
    for (size_t i = 0; i < sldTspKorr.size(); ++i) {
        labNormal[i] = new QLabel(QString::fromUtf8(rubriker[i]), this);
        labNormal[i]->setObjectName("labNormal");
        sldTspKorr[i] = new QSlider(Qt::Horizontal, this);
        sldTspKorr[i]->setObjectName("sldTspKorr");
        sldTspKorr[i]->setRange(50, 500);
        sldTspKorr[i]->setSingleStep(10);
        sldTspKorr[i]->setPageStep(50);
        sldTspKorr[i]->setTickPosition(QSlider::TicksBelow);
        sldTspKorr[i]->setTickInterval(50);
        sldTspKorr[i]->setMinimumWidth(240);
        labNormal[i]->setBuddy(sldTspKorr[i]);
        labVaerde[i] = new QLabel(this);
        labVaerde[i]->setObjectName("labVaerde");
        labVaerde[i]->setMinimumWidth(labVaerde[i]->fontMetrics().horizontalAdvance("500 %"));
        reglage->addWidget(labNormal[i], int(i), 0);
        reglage->addWidget(sldTspKorr[i], int(i), 1);
        reglage->addWidget(labVaerde[i], int(i), 2);
        connect(sldTspKorr[i], &QSlider::valueChanged, this, [this, i] { sldTspKorr_Scroll(int(i)); });
        sldTspKorr[i]->setValue(procent(faktorer[i]));
        sldTspKorr_Scroll(int(i));
    }

    comStandard = new QPushButton("&Standard", this);
    comStandard->setObjectName("comStandard");
    comStandard->setAutoDefault(false);
    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("&Avbryt", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(comStandard, &QPushButton::clicked, this, [this] { comStandard_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* knappar = new QHBoxLayout;
    knappar->addWidget(comStandard);
    knappar->addStretch();
    knappar->addWidget(OKButton);
    knappar->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labInfo);
    layout->addLayout(reglage);
    layout->addLayout(knappar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmAvancerat::sldTspKorr_Scroll(int Index)
{
    const QString text = QString::number(sldTspKorr[size_t(Index)]->value()) + " %";
    labVaerde[size_t(Index)]->setText(text);
    sldTspKorr[size_t(Index)]->setToolTip(text);
}

void FrmAvancerat::comStandard_Click()
{
    for (QSlider* reglage : sldTspKorr)
        reglage->setValue(100);
}

void FrmAvancerat::OKButton_Click()
{
    ModPluvo& m = modPluvo();
    m.TspKorr = float(sldTspKorr[1]->value() / 100.0);
    m.Tsp2Korr = float(sldTspKorr[0]->value() / 100.0);
    if (!SettingsStore::SaveSettings(
            {{"Ljud", "tsp_korr", faktorText(m.TspKorr)}, {"Ljud", "tsp2_korr", faktorText(m.Tsp2Korr)}}))
        Instaellningsfel::visa(windowTitle(), Instaellningsfel::GaellerTillsAvslut);
    accept();
}
