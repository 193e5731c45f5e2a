#include "editor/FrmOptions1.h"

#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The selected button, or -1.
template <size_t N>
int valdKnapp(const std::array<QRadioButton*, N>& knappar)
{
    for (size_t i = 0; i < N; ++i) {
        if (knappar[i]->isChecked())
            return int(i);
    }
    return -1;
}

}  // namespace

FrmOptions1::FrmOptions1(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmOptions1");
    setWindowTitle(QStringLiteral("Inställning - Utskrift"));
    setModal(true);

    tbsOptions = new QTabWidget(this);
    tbsOptions->setObjectName("tbsOptions");
    picOptions = new QWidget;
    picOptions->setObjectName("picOptions");
    tbsOptions->addTab(picOptions, QStringLiteral("Utskrift"));
    tbsOptions->setTabToolTip(0, QStringLiteral("Utskriftsalternativ"));

    fraTeckensnitt = new QGroupBox(QStringLiteral("Teckenstorlek"), picOptions);
    fraTeckensnitt->setObjectName("fraTeckensnitt");
    auto* storlekar = new QVBoxLayout(fraTeckensnitt);
    const std::array<QString, 3> storleksnamn{QStringLiteral("Normal"), QStringLiteral("Stor"),
                                              QStringLiteral("Extra stor")};
    const std::array<int, 3> storleksTips{12, 18, 24};
    for (size_t i = 0; i < optTeckensnitt.size(); ++i) {
        optTeckensnitt[i] = new QRadioButton(storleksnamn[i], fraTeckensnitt);
        optTeckensnitt[i]->setObjectName(QStringLiteral("optTeckensnitt%1").arg(i));
        optTeckensnitt[i]->setToolTip("Storlek = " + QString::number(storleksTips[i]));
        storlekar->addWidget(optTeckensnitt[i]);
    }

    fraOrdning = new QGroupBox(QStringLiteral("Ordning"), picOptions);
    fraOrdning->setObjectName("fraOrdning");
    auto* ordningar = new QVBoxLayout(fraOrdning);
    const std::array<QString, 2> ordningsnamn{QStringLiteral("Slumpad"), QStringLiteral("Inskriven")};
    for (size_t i = 0; i < optOrdning.size(); ++i) {
        optOrdning[i] = new QRadioButton(ordningsnamn[i], fraOrdning);
        optOrdning[i]->setObjectName(QStringLiteral("optOrdning%1").arg(i));
        ordningar->addWidget(optOrdning[i]);
    }
    ordningar->addStretch();

    auto* sida = new QHBoxLayout(picOptions);
    sida->addWidget(fraTeckensnitt);
    sida->addWidget(fraOrdning);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Avbryt"), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdApply = new QPushButton(QStringLiteral("&Utför"), this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &FrmOptions1::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmOptions1::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &FrmOptions1::cmdApply_Click);

    auto* knappar = new QHBoxLayout;
    knappar->addStretch();
    knappar->addWidget(cmdOK);
    knappar->addWidget(cmdCancel);
    knappar->addWidget(cmdApply);
    auto* helhet = new QVBoxLayout(this);
    helhet->addWidget(tbsOptions);
    helhet->addLayout(knappar);

    // Form_Load: the stored choices; settings out of range were read as
    // their defaults.
    const ModPluvo& m = modPluvo();
    optTeckensnitt[size_t(std::clamp(m.UtskriftStorlek, 0, 2))]->setChecked(true);
    optOrdning[size_t(std::clamp(m.UtskriftOrdning, 0, 1))]->setChecked(true);

    adjustSize();
    const double bredd = m.SkaermBredd > 0 ? m.SkaermBredd / double(Skaerm::TwipsPerPixel)
                                          : Skaerm::storlekPixlar().width();
    const double hoejd = m.SkaermHoejd > 0 ? m.SkaermHoejd / double(Skaerm::TwipsPerPixel)
                                          : Skaerm::storlekPixlar().height();
    move(int((bredd - width()) / 2), int((hoejd - height()) / 2));
}

void FrmOptions1::SparaUtskriftsval(int sida)
{
    if (sida != 1)
        return;
    ModPluvo& m = modPluvo();
    QList<SettingsStore::Nyckelvaerde> aendrade;
    const int storlek = valdKnapp(optTeckensnitt);
    if (storlek >= 0 && storlek != m.UtskriftStorlek) {
        m.UtskriftStorlek = storlek;
        aendrade.append({QStringLiteral("Utskrift"), QStringLiteral("Storlek"), QString::number(storlek)});
    }
    const int ordning = valdKnapp(optOrdning);
    if (ordning >= 0 && ordning != m.UtskriftOrdning) {
        m.UtskriftOrdning = ordning;
        aendrade.append({QStringLiteral("Utskrift"), QStringLiteral("Ordning"), QString::number(ordning)});
    }
    if (!aendrade.isEmpty() && !SettingsStore::SaveSettings(aendrade))
        Instaellningsfel::visa(windowTitle(), Instaellningsfel::GaellerTillsAvslut);
}

void FrmOptions1::cmdOK_Click()
{
    SparaUtskriftsval(1);
    accept();
}

void FrmOptions1::cmdApply_Click()
{
    SparaUtskriftsval(1);
}

void FrmOptions1::cmdCancel_Click()
{
    reject();
}
