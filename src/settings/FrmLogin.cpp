#include "settings/FrmLogin.h"

#include "common/FrmBilder.h"
#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "settings/Laasregler.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double Bredd = 4800;
constexpr double Hoejd = 2280;
constexpr double Marginal = 240;
constexpr double EtikettBredd = 1320;
constexpr double RadHoejd = 345;
constexpr double KnappBredd = 1200;
constexpr double KnappHoejd = 390;

}  // namespace

FrmLogin::FrmLogin(QWidget* aegare) : QDialog(aegare)
{
    setObjectName("frmLogin");
    setModal(true);
    setFixedSize(Twips::tillPixlar(Bredd), Twips::tillPixlar(Hoejd));

    imaBkg = new QLabel(this);
    imaBkg->setObjectName("imaBkg");

    const double faeltBredd = Bredd - 2 * Marginal - EtikettBredd;
    auto nyRad = [&](int rad, const QString& rubrik, QLineEdit*& ruta, const char* namn) {
        const double top = Marginal + rad * (RadHoejd + 180);
        ruta = new QLineEdit(this);
        ruta->setObjectName(namn);
        Twips::placera(ruta, Marginal + EtikettBredd, top, faeltBredd, RadHoejd);
        QLabel* etikett = new QLabel(rubrik, this);
        etikett->setBuddy(ruta);
        Twips::placera(etikett, Marginal, top, EtikettBredd, RadHoejd);
        return etikett;
    };
    lblLabels[0] = nyRad(0, QStringLiteral("&Användare:"), txtUserName, "txtUserName");
    lblLabels[1] = nyRad(1, QStringLiteral("&Lösenord:"), txtPassword, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Avbryt"), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    const double knappTop = Hoejd - Marginal - KnappHoejd;
    Twips::placera(cmdOK, Bredd - Marginal - 2 * KnappBredd - 120, knappTop, KnappBredd, KnappHoejd);
    Twips::placera(cmdCancel, Bredd - Marginal - KnappBredd, knappTop, KnappBredd, KnappHoejd);
    connect(cmdOK, &QPushButton::clicked, this, &FrmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmLogin::cmdCancel_Click);

    Form_Load();
}

void FrmLogin::Form_Load()
{
    imaBkg->setGeometry(rect());
    imaBkg->setScaledContents(true);
    imaBkg->setPixmap(frmBilder().imaBkg(size()));
    imaBkg->lower();
    VisaLaasRubrik();
}

void FrmLogin::VisaLaasRubrik()
{
    const int InstLaast = modPluvo().InstLaast;
    if (InstLaast == 0)
        setWindowTitle(QStringLiteral("Lås inställningar"));
    else if (InstLaast == 1)
        setWindowTitle(QStringLiteral("Lås upp inställningar"));
}

void FrmLogin::showEvent(QShowEvent* e)
{
    // The name typed before is kept; the code never is.
    txtPassword->clear();
    QDialog::showEvent(e);
    (txtUserName->text().isEmpty() ? txtUserName : txtPassword)->setFocus();
}

void FrmLogin::markeraAllt(QLineEdit* ruta)
{
    ruta->setFocus();
    ruta->selectAll();
}

void FrmLogin::cmdOK_Click()
{
    ModPluvo& m = modPluvo();
    if (!LaaskodRaett(txtPassword->text(), m.InstLaast)) {
        ++FelKoder;
        if (Spaerrad()) {
            MsgBox(QStringLiteral("Ogiltigt lösenord!"), MsgKnappar::Ok, MsgIkon::Information, windowTitle());
            LaasOK = false;
            done(QDialog::Rejected);
        } else {
            MsgBox(QStringLiteral("Ogiltigt lösenord, försök igen!"), MsgKnappar::Ok, MsgIkon::Information,
                   windowTitle());
            markeraAllt(txtPassword);
        }
        return;
    }

    const QString namn = txtUserName->text();
    if (!NamnGodkaent(namn)) {
        MsgBox(QStringLiteral("Ange både för och efternamn."), MsgKnappar::Ok, MsgIkon::Utropstecken,
               windowTitle());
        markeraAllt(txtUserName);
        return;
    }

    // The lock is the stored state: one that cannot be stored does not
    // change, or the next start would undo it unseen.
    const int nytt = (m.InstLaast + 1) & 1;
    const QDateTime nu = Klocka::Nu();
    if (!SettingsStore::SaveSettings({{"Visa", "Inst", QString::number(nytt)},
                                      {"Visa", "Namn", namn},
                                      {"Visa", "Tid", Klocka::Datum(nu) + ' ' + Klocka::Tid(nu)}})) {
        Instaellningsfel::visa(windowTitle(), nytt == 1 ? QStringLiteral("Inställningarna har inte låsts.")
                                                        : QStringLiteral("Inställningarna är fortfarande låsta."));
        reject();
        return;
    }
    LaasOK = true;
    m.InstLaast = nytt;
    VisaLaasRubrik();
    done(QDialog::Accepted);
}

void FrmLogin::cmdCancel_Click()
{
    reject();
}

// Esc and the window's close button count as "Avbryt"; the dialog stays,
// so the count of wrong codes cannot be started over by closing it.
void FrmLogin::reject()
{
    LaasOK = false;
    QDialog::reject();
}
