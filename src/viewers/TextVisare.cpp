#include "viewers/TextVisare.h"

#include "common/ColourSchemes.h"
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "platform/Screen.h"
#include "platform/Skrivbordsfaerger.h"
#include "platform/TextSpeaker.h"
#include "viewers/Textutskrift.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

// The text box's size, in pixels, and how far above the middle it stands.
constexpr int TextBredd = 620;
constexpr int TextHoejd = 440;
constexpr int UppFraanMitten = 20;
constexpr int Avstaand = 12;

QFont arial(double punkter)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkter);
    return f;
}

}  // namespace

TextVisare::TextVisare(QWidget* parent, TextSpeaker* roest, const QString& rubrik)
    : QDialog(parent), tspRoest1(roest)
{
    setWindowTitle(rubrik);
    setModal(true);

    // The training window's background colour shows wherever the picture
    // does not reach.
    QColor bakgrund;
    if (parent)
        bakgrund = parent->palette().color(QPalette::Window);
    else if (const FaergSchema* schema = faergSchema(modPluvo().FaergStil))
        bakgrund = schema->bakgrund;
    QPalette p = palette();
    p.setColor(QPalette::Window, bakgrund);
    setPalette(p);
    setAutoFillBackground(true);

    imaRekord = new QLabel(this);
    imaRekord->setObjectName("imaRekord");
    imaRekord->setScaledContents(true);
    imaRekord->setPixmap(frmBilder().imaBkg());

    menyrad = new QMenuBar(this);
    behaallSkrivbordetsFaerger(menyrad);
    menyrad->setAutoFillBackground(true);
    menArkiv = menyrad->addMenu(QStringLiteral("&Arkiv"));
    menArkiv->setObjectName("menArkiv");

    txtHandledning = new QPlainTextEdit(this);
    txtHandledning->setObjectName("txtHandledning");
    txtHandledning->setFont(arial(12));
    txtHandledning->setReadOnly(true);
    // Read-only, yet the teacher can still mark a passage with the keyboard.
    txtHandledning->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const std::array<double, 2> knappStorlek{12, 20.25};
    const std::array<QString, 2> knappTips{QStringLiteral("Minska teckenstorleken"),
                                           QStringLiteral("Öka teckenstorleken")};
    for (int i = 0; i < 2; ++i) {
        QPushButton* knapp = new QPushButton(QStringLiteral("T"), this);
        knapp->setObjectName(QStringLiteral("comStorlek%1").arg(i));
        knapp->setFont(arial(knappStorlek[i]));
        knapp->setToolTip(knappTips[i]);
        knapp->setAutoDefault(false);
        connect(knapp, &QPushButton::clicked, this, [this, i] { comStorlek_Click(i); });
        comStorlek[i] = knapp;
    }
    comStorlek[0]->setHidden(true);

    cmdLaes = new QPushButton(QStringLiteral("&Läs upp markerat stycke"), this);
    cmdLaes->setObjectName("cmdLaes");
    cmdLaes->setFont(arial(10));
    cmdLaes->setAutoDefault(false);
    cmdLaes->setHidden(!(modPluvo().TalFinns && tspRoest1));
    connect(cmdLaes, &QPushButton::clicked, this, &TextVisare::cmdLaes_Click);

    const QSize skaerm = Skaerm::storlekPixlar();
    setGeometry(0, 0, skaerm.width(), skaerm.height());
    setWindowState(Qt::WindowMaximized);
    placeraKontroller();
}

QAction* TextVisare::nyttMenyval(const QString& namn, const QString& text, const QKeySequence& tangent)
{
    QAction* val = menArkiv->addAction(text);
    val->setObjectName(namn);
    if (!tangent.isEmpty()) {
        val->setShortcut(tangent);
        addAction(val);
    }
    return val;
}

void TextVisare::laeggTillUtskriftOchStaeng()
{
    menSkrivUt = nyttMenyval("menSkrivUt", QStringLiteral("Skriv &ut"), Qt::Key_F2);
    menArkiv->addSeparator();
    menStaeng = nyttMenyval("menStaeng", QStringLiteral("&Stäng"), Qt::Key_F1);
    connect(menSkrivUt, &QAction::triggered, this, &TextVisare::menSkrivUt_Click);
    connect(menStaeng, &QAction::triggered, this, &TextVisare::menStaeng_Click);
}

void TextVisare::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeraKontroller();
}

void TextVisare::placeraKontroller()
{
    const int menyHoejd = menyrad->sizeHint().height();
    menyrad->setGeometry(0, 0, width(), menyHoejd);
    imaRekord->setGeometry(0, menyHoejd, width(), height() - menyHoejd);

    const int bredd = std::min(TextBredd, width());
    const int hoejd = std::min(TextHoejd, height() - menyHoejd);
    const int vaenster = (width() - bredd) / 2;
    const int topp = std::max(menyHoejd, menyHoejd + (height() - menyHoejd - hoejd) / 2 - UppFraanMitten);
    txtHandledning->setGeometry(vaenster, topp, bredd, hoejd);

    for (QPushButton* knapp : comStorlek) {
        // A square button, as wide as it is high.
        const int sida = std::max(40, knapp->sizeHint().height());
        knapp->setGeometry(vaenster + bredd + Avstaand, topp, sida, sida);
    }
    const QSize laes = cmdLaes->sizeHint();
    cmdLaes->setGeometry(vaenster, topp + hoejd + Avstaand, laes.width(), laes.height());
}

void TextVisare::cmdLaes_Click()
{
    if (!tspRoest1)
        return;
    tspRoest1->Tysta();
    QTextCursor markering = txtHandledning->textCursor();
    const int boerjan = markering.selectionStart();
    const int slut = markering.selectionEnd();
    QString stycke = markering.selectedText();
    stycke.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    tspRoest1->Tala(stycke);

    txtHandledning->setFocus();
    markering.setPosition(boerjan);
    markering.setPosition(slut, QTextCursor::KeepAnchor);
    txtHandledning->setTextCursor(markering);
}

void TextVisare::comStorlek_Click(int Index)
{
    QFont f = txtHandledning->font();
    f.setPointSizeF(12 + 8 * Index);
    txtHandledning->setFont(f);
    comStorlek[0]->setHidden(Index != 1);
    comStorlek[1]->setHidden(Index != 0);
    comStorlek[1 - Index]->setFocus();
}

void TextVisare::menSkrivUt_Click()
{
    SkrivUtText(this, txtHandledning->toPlainText(), txtHandledning->font());
}

void TextVisare::menStaeng_Click()
{
    close();
}

void TextVisare::done(int resultat)
{
    if (tspRoest1) {
        tspRoest1->Tysta();
        tspRoest1 = nullptr;
    }
    QDialog::done(resultat);
}
