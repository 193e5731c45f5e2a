#include "common/FrmAbout.h"

#include "common/FrmBilder.h"
#include "common/Informationsetikett.h"
#include "common/Program.h"
#include "common/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr double Bredd = 5400;
constexpr double Hoejd = 3600;
}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle("Om " + Program::Titel);
    const QSize storlek(Twips::tillPixlar(Bredd), Twips::tillPixlar(Hoejd));
    setFixedSize(storlek);

    imaRekord = new QLabel(this);
    imaRekord->setObjectName("imaRekord");
    imaRekord->setPixmap(frmBilder().imaBkg(storlek));
    imaRekord->setGeometry(QRect(QPoint(), storlek));

    lblTitle = nyInformationsetikett(this, "lblTitle", Program::Titel, 28, true);
    Twips::setLeft(lblTitle, (Bredd - Twips::Width(lblTitle)) / 2);
    Twips::setTop(lblTitle, 600);

    lblVersion = nyInformationsetikett(this, "lblVersion", Program::VersionText(), 12, false);
    Twips::setLeft(lblVersion, (Bredd - Twips::Width(lblVersion)) / 2);
    Twips::setTop(lblVersion, 600 + Twips::Height(lblTitle) + 120);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    saettInformationsfont(cmdOK, 10, false);
    cmdOK->setDefault(true);
    Twips::placera(cmdOK, (Bredd - 1200) / 2, Hoejd - 900, 1200, 420);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void visaOmFoenster(QWidget* parent)
{
    FrmAbout om(parent);
    om.exec();
}
