#include "editor/FrmSkrivIn.h"

#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "common/OevningsNamn.h"
#include "common/TextConversion.h"
#include "common/Twips.h"
#include "editor/FrmInskrivning.h"
#include "editor/Oevningslista.h"
#include "editor/Uppgiftsfoenster.h"
#include "platform/Screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QString GlosorMedLjud = QStringLiteral("Glosor med ljud");

const std::array<const char*, 5> KnappTexter{"&Skriv in", "&Redigera", "Flytta &upp", "Flytta &ner", "&Ta bort"};

}  // namespace

FrmSkrivIn::FrmSkrivIn(QWidget* parent, const QString& tag, const QStringList& lstFel) : QDialog(parent)
{
    setObjectName("frmSkrivIn");
    setModal(true);

    imaRekord = new QLabel(this);
    imaRekord->setObjectName("imaRekord");
    imaMun = new QLabel(this);
    imaMun->setObjectName("imaMun");
    imaMun->setScaledContents(true);
    imaMun->hide();

    lstSkrivIn = new QListWidget(this);
    lstSkrivIn->setObjectName("lstSkrivIn");
    lstSkrivIn->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont listfont("Arial");
    listfont.setPointSizeF(12);
    lstSkrivIn->setFont(listfont);
    connect(lstSkrivIn, &QListWidget::itemSelectionChanged, this, &FrmSkrivIn::lstSkrivIn_Click);

    for (int i = 0; i < int(comRedigera.size()); ++i) {
        comRedigera[size_t(i)] = new QPushButton(QString::fromUtf8(KnappTexter[size_t(i)]), this);
        comRedigera[size_t(i)]->setObjectName(QString("comRedigera%1").arg(i));
        comRedigera[size_t(i)]->setAutoDefault(false);
        comRedigera[size_t(i)]->setEnabled(i == 0);
        connect(comRedigera[size_t(i)], &QPushButton::clicked, this, [this, i] { comRedigera_Click(i); });
    }
    comSkrivIn = new QPushButton(QString::fromUtf8("Skriv in/Redigera i textfönster"), this);
    comSkrivIn->setObjectName("comSkrivIn");
    comSkrivIn->setAutoDefault(false);
    connect(comSkrivIn, &QPushButton::clicked, this, &FrmSkrivIn::comSkrivIn_Click);

    labUppgift = new QLabel(this);
    labUppgift->setObjectName("labUppgift");
    labUppgift->hide();

    byggMenyer();
    Form_Load(tag, lstFel);
}

void FrmSkrivIn::byggMenyer()
{
    menyrad = new QMenuBar(this);
    menyrad->setNativeMenuBar(false);

    menArkiv = menyrad->addMenu("&Arkiv");
    menArkiv->setObjectName("menArkiv");
    connect(menArkiv, &QMenu::aboutToShow, this, &FrmSkrivIn::menArkiv_Click);
    menNy = menArkiv->addMenu("&Ny");
    menNy->setObjectName("menNy");
    for (int i = 0; i < int(menOvningstyp.size()); ++i) {
        menOvningstyp[size_t(i)] = menNy->addAction(NyTypText(i), this, [this, i] { menOvningstyp_Click(i); });
        menOvningstyp[size_t(i)]->setObjectName(QString("menOvningstyp%1").arg(i));
    }
    menArkiv->addSeparator();
    menOeppna = menArkiv->addAction(QString::fromUtf8("&Öppna..."), this, &FrmSkrivIn::menOeppna_Click);
    menArkiv->addSeparator();
    menSpara = menArkiv->addAction("&Spara", this, &FrmSkrivIn::menSpara_Click);
    menSparaSom = menArkiv->addAction("S&para som...", this, &FrmSkrivIn::menSparaSom_Click);
    menArkiv->addSeparator();
    menTaBort = menArkiv->addAction("&Ta bort sparad...", this, &FrmSkrivIn::menTaBort_Click);
    menArkiv->addSeparator();
    menSkrivUt = menArkiv->addAction("Skriv &ut sparad...", this, &FrmSkrivIn::menSkrivUt_Click);
    menArkiv->addSeparator();
    menAvsluta = menArkiv->addAction("&Avsluta", this, &FrmSkrivIn::menAvsluta_Click);

    menVerktyg = menyrad->addMenu("&Verktyg");
    menVerktyg->setObjectName("menVerktyg");
    connect(menVerktyg, &QMenu::aboutToShow, this, &FrmSkrivIn::menVerktyg_Click);
    menSortera = menVerktyg->addMenu("&Sortera ord");
    menSortera->setObjectName("menSortera");
    menStigande = menSortera->addAction("&Stigande bokstavsordning", this, &FrmSkrivIn::menStigande_Click);
    menFallande = menSortera->addAction("&Fallande bokstavsordning", this, &FrmSkrivIn::menFallande_Click);
    menIoordning = menSortera->addAction("&I oordning", this, &FrmSkrivIn::menIoordning_Click);

    menInst = menyrad->addMenu(QString::fromUtf8("&Inställning"));
    menInst->setObjectName("menInst");
    menInstaellning = menInst->addAction("&Utskrift...", this, &FrmSkrivIn::menInstaellning_Click);
}

void FrmSkrivIn::Form_Load(const QString& tag, const QStringList& lstFel)
{
    placeraKontroller();

    const bool senasteFel = tag == QLatin1String("senaste fel");
    if (senasteFel) {
        TypNamn = OevningsTypNamn(modPluvo().OevningsTyp);
        lstSkrivIn->addItems(lstFel);
    } else if (tag.size() == 3) {
        TypNamn = OevningsTypFraanFil(tag);
    }
    PlaceraMun();
    VisaTypBild(false, TypNamn, TypNamn);
    AktuellFil = Namnloes;
    VisaRubrik();
    Sparad = !senasteFel;
    Katalog = modPluvo().OevningsMapp;
    oeppnaFilterIndex = std::max(1, OeppnaFilterIndex(TypNamn));
}

// The window is nine tenths of the screen wide and four fifths high; the
// list takes the left part and the buttons stand in a column on the right.
void FrmSkrivIn::placeraKontroller()
{
    const double bredd = Skaerm::Width() * 9 / 10;
    const double hoejd = Skaerm::Height() * 4 / 5;
    setFixedSize(Twips::tillPixlar(bredd), Twips::tillPixlar(hoejd));
    menyrad->setGeometry(0, 0, width(), menyrad->sizeHint().height());
    const double topp = Twips::Height(menyrad);
    Twips::placera(imaRekord, 0, topp, bredd, hoejd - topp);

    const double marginal = bredd / 40;
    // Wide enough for the text window button's caption on a small screen.
    const double knappBredd = std::max(bredd / 4, Twips::fraanPixlar(comSkrivIn->sizeHint().width()));
    const double knappHoejd = (hoejd - topp) / 12;
    const double etikettHoejd = knappHoejd * 2 / 3;
    const double listTopp = topp + marginal + etikettHoejd;
    Twips::placera(labUppgift, marginal, topp + marginal / 2, bredd - knappBredd - 3 * marginal, etikettHoejd);
    Twips::placera(lstSkrivIn, marginal, listTopp, bredd - knappBredd - 3 * marginal,
                   hoejd - listTopp - marginal);

    const double knappVaenster = bredd - knappBredd - marginal;
    double y = listTopp;
    for (QPushButton* knapp : comRedigera) {
        Twips::placera(knapp, knappVaenster, y, knappBredd, knappHoejd);
        y += knappHoejd * 5 / 4;
    }
    y += knappHoejd / 2;
    Twips::placera(comSkrivIn, knappVaenster, y, knappBredd, knappHoejd);
}

void FrmSkrivIn::keyPressEvent(QKeyEvent* e)
{
    // Esc is no way out of the editor: it closes through Avsluta or the
    // close box, which ask about unsaved changes.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmSkrivIn::reject()
{
    if (Form_QueryUnload())
        QDialog::reject();
}

// The mouth picture of the training window, at the foot of the button column.
void FrmSkrivIn::PlaceraMun()
{
    const double hoejd = Twips::Height(comSkrivIn);
    const double bredd = hoejd * 2;
    Twips::placera(imaMun, Twips::Left(comSkrivIn) + (Twips::Width(comSkrivIn) - bredd) / 2,
                   Twips::Top(comSkrivIn) + hoejd * 3 / 2, bredd, hoejd);
    imaMun->setPixmap(frmBilder().imaMun(imaMun->size()));
}

void FrmSkrivIn::VisaTypBild(bool byte, const QString& nyTyp, const QString& gammalTyp)
{
    bool ljud = false;
    if (!byte)
        ljud = nyTyp == GlosorMedLjud;
    else if (gammalTyp == GlosorMedLjud)
        ljud = false;
    else if (nyTyp == GlosorMedLjud)
        ljud = true;
    else
        return;
    imaRekord->setPixmap(ljud ? frmBilder().imaLjud(imaRekord->size()) : frmBilder().imaBkg(imaRekord->size()));
    imaMun->setVisible(ljud);
    if (ljud)
        imaMun->raise();
}

void FrmSkrivIn::BytTyp(const QString& nyTyp, const QString& gammalTyp)
{
    if (nyTyp != gammalTyp)
        VisaTypBild(true, nyTyp, gammalTyp);
}

void FrmSkrivIn::VisaRubrik()
{
    setWindowTitle(QString::fromUtf8("Övningar - ") + TypNamn + " - " + HaemtaFilnamn(AktuellFil).toLower());
}

bool FrmSkrivIn::aerNamngiven() const
{
    return AktuellFil != Namnloes;
}

bool FrmSkrivIn::harNaagotAttFoerlora() const
{
    return !Sparad && lstSkrivIn->count() > 0;
}

QStringList FrmSkrivIn::rader() const
{
    QStringList resultat;
    resultat.reserve(lstSkrivIn->count());
    for (int i = 0; i < lstSkrivIn->count(); ++i)
        resultat << lstSkrivIn->item(i)->text();
    return resultat;
}

void FrmSkrivIn::ersaettRader(const QStringList& nya)
{
    const QSignalBlocker tyst(lstSkrivIn);
    lstSkrivIn->clear();
    lstSkrivIn->addItems(nya);
}

int FrmSkrivIn::HaemtaMarkerad() const
{
    for (int i = 0; i < lstSkrivIn->count(); ++i) {
        if (lstSkrivIn->item(i)->isSelected())
            return i;
    }
    return 0;
}

void FrmSkrivIn::SpaerraKnappar()
{
    for (size_t i = 1; i < comRedigera.size(); ++i)
        comRedigera[i]->setEnabled(false);
}

void FrmSkrivIn::VisaMarkering(int n)
{
    const int antal = lstSkrivIn->count();
    if (antal > 0) {
        n = std::clamp(n, 0, antal - 1);
        const QSignalBlocker tyst(lstSkrivIn);
        lstSkrivIn->setCurrentRow(n);
    }
    comRedigera[1]->setEnabled(antal > 0);
    comRedigera[2]->setEnabled(n > 0 && antal > 1);
    comRedigera[3]->setEnabled(antal > 1 && n < antal - 1);
    comRedigera[4]->setEnabled(antal > 0);
    labUppgift->setText(QString(" Ord %1 av %2 ").arg(n + 1).arg(antal));
    labUppgift->setVisible(antal > 0);
}

void FrmSkrivIn::lstSkrivIn_Click()
{
    VisaMarkering(HaemtaMarkerad());
}

void FrmSkrivIn::comRedigera_Click(int index)
{
    const int n = HaemtaMarkerad();
    const bool ljud = windowTitle().contains(GlosorMedLjud);
    switch (index) {
    case 0:
        // The item window opens again, empty, after every item that came
        // back, so a teacher can type one item after the other.
        for (;;) {
            comSkrivIn->setEnabled(false);
            const QString rad = RedigeraUppgift(this, QString(), ljud);
            comSkrivIn->setEnabled(true);
            if (rad.isEmpty())
                return;
            const int p = lstSkrivIn->count() > 0 ? HaemtaMarkerad() + 1 : 0;
            lstSkrivIn->insertItem(p, rad);
            VisaMarkering(p);
            Sparad = false;
        }
    case 1: {
        if (lstSkrivIn->count() == 0)
            return;
        comSkrivIn->setEnabled(false);
        const QString foere = lstSkrivIn->item(n)->text();
        const QString rad = RedigeraUppgift(this, foere, ljud);
        comSkrivIn->setEnabled(true);
        // The same line back (the window closed without OK, or OK on an
        // untouched item) changes nothing.
        if (rad.isEmpty() || rad == foere)
            return;
        lstSkrivIn->item(n)->setText(rad);
        VisaMarkering(n);
        Sparad = false;
        return;
    }
    case 2:
    case 3: {
        const int ny = index == 2 ? n - 1 : n + 1;
        if (ny < 0 || ny >= lstSkrivIn->count())
            return;
        lstSkrivIn->insertItem(ny, lstSkrivIn->takeItem(n));
        VisaMarkering(ny);
        Sparad = false;
        return;
    }
    case 4:
        if (lstSkrivIn->count() == 0)
            return;
        delete lstSkrivIn->takeItem(n);
        VisaMarkering(n);
        Sparad = lstSkrivIn->count() == 0;
        return;
    default:
        return;
    }
}

void FrmSkrivIn::comSkrivIn_Click()
{
    const QStringList foere = rader();
    FrmInskrivning textfoenster(*this);
    textfoenster.exec();
    if (rader() != foere)
        Sparad = false;
    VisaMarkering(0);
}

void FrmSkrivIn::menVerktyg_Click()
{
    menSortera->setEnabled(lstSkrivIn->count() >= 2);
}

void FrmSkrivIn::menStigande_Click()
{
    SorteraLista(0);
}

void FrmSkrivIn::menFallande_Click()
{
    SorteraLista(1);
}

void FrmSkrivIn::menIoordning_Click()
{
    SorteraLista(2);
}

void FrmSkrivIn::SorteraLista(int ordning)
{
    ersaettRader(SorteradeRader(rader(), Sorteringsordning(ordning)));
    Sparad = false;
    VisaMarkering(0);
}
