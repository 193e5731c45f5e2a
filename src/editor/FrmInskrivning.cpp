#include "editor/FrmInskrivning.h"

#include "common/Program.h"
#include "common/TextConversion.h"
#include "common/TextFile.h"
#include "common/Twips.h"
#include "editor/FrmSkrivIn.h"
#include "editor/TeckenUtanKod.h"
#include "platform/MessageBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const std::array<const char*, 3> KnappTexter{"&OK", "&Uppdatera", "&Avbryt"};

}  // namespace

FrmInskrivning::FrmInskrivning(FrmSkrivIn& redigerare) : QDialog(&redigerare), frmSkrivIn(redigerare)
{
    setObjectName("frmInskrivning");
    setModal(true);

    imaRekord = new QLabel(this);
    imaRekord->setObjectName("imaRekord");
    imaRekord->setScaledContents(true);
    imaMun = new QLabel(this);
    imaMun->setObjectName("imaMun");
    imaMun->setScaledContents(true);
    imaMun->hide();

    txtSkrivIn = new QPlainTextEdit(this);
    txtSkrivIn->setObjectName("txtSkrivIn");
    QFont font("Arial");
    font.setPointSizeF(12);
    txtSkrivIn->setFont(font);

    for (int i = 0; i < int(comSkrivIn.size()); ++i) {
        comSkrivIn[size_t(i)] = new QPushButton(QString::fromUtf8(KnappTexter[size_t(i)]), this);
        comSkrivIn[size_t(i)]->setObjectName(QString("comSkrivIn%1").arg(i));
        comSkrivIn[size_t(i)]->setAutoDefault(false);
        connect(comSkrivIn[size_t(i)], &QPushButton::clicked, this, [this, i] { comSkrivIn_Click(i); });
    }
    Form_Load();
}

void FrmInskrivning::Form_Load()
{
    QString text;
    for (const QString& rad : frmSkrivIn.rader())
        text += rad + u'\n';
    txtSkrivIn->setPlainText(text);

    setWindowTitle(frmSkrivIn.windowTitle() + " - " + frmSkrivIn.comSkrivIn->text());
    setWindowIcon(frmSkrivIn.windowIcon());
    setFixedSize(frmSkrivIn.size());
    imaRekord->setGeometry(rect());
    imaRekord->setPixmap(frmSkrivIn.imaRekord->pixmap());
    imaRekord->lower();

    // This window has no menu bar: everything stands higher by its height.
    const double menyHoejd = Twips::Height(frmSkrivIn.menyrad);
    if (!frmSkrivIn.imaMun->isHidden())
        VisaMunInskrivning();
    const QWidget* lista = frmSkrivIn.lstSkrivIn;
    Twips::placera(txtSkrivIn, Twips::Left(lista), Twips::Top(lista) - menyHoejd, Twips::Width(lista),
                   Twips::Height(lista));
    const QWidget* knapp = frmSkrivIn.comRedigera[0];
    double y = Twips::Top(knapp) - menyHoejd;
    for (QPushButton* k : comSkrivIn) {
        Twips::placera(k, Twips::Left(knapp), y, Twips::Width(knapp), Twips::Height(knapp));
        y += Twips::Height(knapp) * 5 / 4;
    }
}

void FrmInskrivning::VisaMunInskrivning()
{
    const QLabel* mun = frmSkrivIn.imaMun;
    imaMun->setGeometry(mun->geometry().translated(0, -frmSkrivIn.menyrad->height()));
    imaMun->setPixmap(mun->pixmap());
    imaMun->show();
    imaMun->raise();
}

void FrmInskrivning::keyPressEvent(QKeyEvent* e)
{
    // A stray Esc must not throw away what the teacher has typed.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmInskrivning::comSkrivIn_Click(int index)
{
    switch (index) {
    case 0:
        if (Uppdatera())
            accept();
        return;
    case 1:
        Uppdatera();
        return;
    default:
        reject();
        return;
    }
}

bool FrmInskrivning::Uppdatera()
{
    const QString text = txtSkrivIn->toPlainText();
    // The conversion would drop such a letter silently, or a whole line
    // whose word is made of them; the text stays as typed to be corrected.
    if (const std::optional<TeckenUtanKod> fel = foerstaTeckenUtanKod(text)) {
        MsgBox(teckenUtanKodText(fel->tecken, fel->rad, QString::fromUtf8("Ändra raden och försök igen.")),
               MsgKnappar::Ok, MsgIkon::Utropstecken, Program::Titel);
        return false;
    }
    const QStringList rader = delaIRader(KonverteraText(text));
    frmSkrivIn.ersaettRader(rader);
    QString raettad;
    for (const QString& rad : rader)
        raettad += rad + u'\n';
    txtSkrivIn->setPlainText(raettad);
    return true;
}
