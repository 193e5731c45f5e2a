#include "settings/FrmOptions2.h"

#include "common/ColourSchemes.h"
#include "common/Etikett.h"
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "settings/InstaellningsRegler.h"
#include "settings/Stilmarkoer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QTabBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The size of every page, in twips.
constexpr double SidBredd = 9600;
constexpr double SidHoejd = 6000;
// The size of one colour sample.
constexpr double ProvBredd = 2400;
constexpr double ProvHoejd = 1500;

struct Flik {
    const char* rubrik;
    const char* tips;
};
constexpr std::array<Flik, 6> Flikar = {{
    {"Färger", "Välj färger"},
    {"Teckensnitt", "Välj teckensnitt"},
    {"Ljud", "Ljudstöd"},
    {"Special", "Välj några speciella inställningar"},
    {"Styrning", "Ställ in styrning"},
    {"Filkatalog", "Välj aktuell filkatalog"},
}};

QCheckBox* nyRuta(QWidget* foraelder, const QString& namn, const QString& text, const QString& tips = {})
{
    auto* ruta = new QCheckBox(text, foraelder);
    ruta->setObjectName(namn);
    ruta->setToolTip(tips);
    return ruta;
}

QGroupBox* nyRam(QWidget* foraelder, const QString& namn, const QString& text, const QString& tips = {})
{
    auto* ram = new QGroupBox(text, foraelder);
    ram->setObjectName(namn);
    ram->setToolTip(tips);
    return ram;
}

QRadioButton* nyttVal(QWidget* foraelder, const QString& namn, const QString& text, const QString& tips)
{
    auto* val = new QRadioButton(text, foraelder);
    val->setObjectName(namn);
    val->setToolTip(tips);
    return val;
}

}  // namespace

FrmOptions2::FrmOptions2(Traeningsfoenster& frmPluvo, TextSpeaker* roest1, TextSpeaker* roest2, QWidget* parent)
    : QDialog(parent), m_frmPluvo(frmPluvo), tspRoest1(roest1), tspRoest2(roest2),
      m_talFinns(modPluvo().TalFinns && roest1 && roest2)
{
    setObjectName("frmOptions2");
    setWindowTitle("Inställning");
    setModal(true);

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName("tbsOptions");
    tbsOptions->setFocusPolicy(Qt::StrongFocus);
    sidor = new QStackedWidget(this);
    sidor->setFixedSize(Twips::tillPixlar(SidBredd), Twips::tillPixlar(SidHoejd));
    for (size_t i = 0; i < Flikar.size(); ++i) {
        tbsOptions->addTab(Flikar[i].rubrik);
        tbsOptions->setTabData(int(i), QString("Grupp%1").arg(i + 1));
        tbsOptions->setTabToolTip(int(i), Flikar[i].tips);
        picOptions[i] = new QWidget(sidor);
        picOptions[i]->setObjectName(QString("picOptions%1").arg(i));
        picOptions[i]->setEnabled(i == 0);
        sidor->addWidget(picOptions[i]);
    }

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdApply = new QPushButton("Utför", this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setEnabled(false);
    cmdCancel = new QPushButton("Avbryt", this);
    cmdCancel->setObjectName("cmdCancel");

    auto* knappar = new QHBoxLayout;
    knappar->addStretch();
    knappar->addWidget(cmdOK);
    knappar->addWidget(cmdApply);
    knappar->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tbsOptions);
    layout->addWidget(sidor);
    layout->addSpacing(8);
    layout->addLayout(knappar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    skapaFaerger();
    skapaTeckensnitt();
    skapaLjud();
    skapaSpecial();
    skapaStyrning();
    skapaFilkatalog();
    kopplaHaendelser();
    Form_Load();
}

void FrmOptions2::skapaFaerger()
{
    QWidget* sida = picOptions[0];
    for (size_t i = 0; i < fraSample1.size(); ++i) {
        const FaergSchema& schema = *faergSchema(int(i));
        QGroupBox* ram = nyRam(sida, "fraSample1", schema.namn);
        ram->setProperty("Index", int(i));
        ram->installEventFilter(this);
        fraSample1[i] = ram;
        Twips::placera(ram, 0, 0, ProvBredd, ProvHoejd);

        labFel[i] = new Etikett(ram);
        labFel[i]->setObjectName("labFel");
        labFel[i]->setCaption("ordet");
        labTal[i] = new Etikett(ram);
        labTal[i]->setObjectName("labTal");
        labTal[i]->setCaption("förklaringen");
        for (Etikett* etikett : {labFel[i], labTal[i]}) {
            etikett->setFont(QFont("Arial", 12));
            etikett->setAutoSize(true);
        }
        Twips::setLeft(labFel[i], 240);
        Twips::setTop(labFel[i], 360);
        Twips::setLeft(labTal[i], 240);
        Twips::setTop(labTal[i], 840);
    }
    shaStil = new Stilmarkoer(sida);
    shaStil->setObjectName("shaStil");
}

void FrmOptions2::skapaTeckensnitt()
{
    fraSample2 = nyRam(picOptions[1], "fraSample2", "Skrivyta");
    cbxFont = new QComboBox(fraSample2);
    cbxFont->setObjectName("cbxFont");
    cbxFont->setToolTip("Lista med teckensnitt. OBS! Alla innehåller inte bokstäver!");
    labFont = new Etikett(fraSample2);
    labFont->setObjectName("labFont");
    labFont->setCaption(" A ");
    labFont->setToolTip("Exempel med bokstaven A");
    labFont->setAlignment(Qt::AlignCenter);
    labTest = new Etikett(fraSample2);
    labTest->setObjectName("labTest");
    labTest->setAutoSize(true);
    labTest->setCaption("A");
    labTest->hide();

    auto* ram = new QHBoxLayout(fraSample2);
    ram->addWidget(cbxFont, 0, Qt::AlignTop);
    ram->addWidget(labFont, 1);
    auto* sida = new QVBoxLayout(picOptions[1]);
    sida->addWidget(fraSample2);
}

void FrmOptions2::skapaLjud()
{
    QWidget* sida = picOptions[2];
    fraSample3 = nyRam(sida, "fraSample3", "Pipljud vid fel");
    chkPipLjud = nyRuta(fraSample3, "chkPipLjud", "På");
    (new QVBoxLayout(fraSample3))->addWidget(chkPipLjud);

    fraSample3b = nyRam(sida, "fraSample3b", "Uppläsning med talsyntes (SAPI)");
    chkLaesMeny = nyRuta(fraSample3b, "chkLaesMeny", "Läs i menyer", "Röst 1 läser");
    chkLaesOevning = nyRuta(fraSample3b, "chkLaesOevning", "Läs i övningen",
                            "Röst 2 läser ordet och Röst 1 läser förklaringen (Tvärtom i omvänt läge)");
    chkTvaa = nyRuta(fraSample3b, "chkTvaa", "Två olika röster");
    labRoest = new QLabel("Röst 1 (menyer och förklaringen):", fraSample3b);
    labRoest->setObjectName("labRoest");
    comRoester = new QComboBox(fraSample3b);
    comRoester->setObjectName("comRoester");
    comRoester->setToolTip("Installerade röster");
    labRoest2 = new QLabel("Röst 2 (ordet):", fraSample3b);
    labRoest2->setObjectName("labRoest2");
    comRoester2 = new QComboBox(fraSample3b);
    comRoester2->setObjectName("comRoester2");
    comRoester2->setToolTip("Installerade röster");
    comAvancerat = new QPushButton("&Avancerat...", fraSample3b);
    comAvancerat->setObjectName("comAvancerat");
    labInfoUpplaes = new QLabel("För uppläsning krävs det att talsyntes med SAPI-gränssnitt är installerad.",
                                fraSample3b);
    labInfoUpplaes->setObjectName("labInfoUpplaes");
    labInfoUpplaes->setWordWrap(true);

    auto* tal = new QGridLayout(fraSample3b);
    tal->addWidget(chkLaesMeny, 0, 0);
    tal->addWidget(chkLaesOevning, 1, 0);
    tal->addWidget(chkTvaa, 2, 0);
    tal->addWidget(labRoest, 0, 1);
    tal->addWidget(comRoester, 1, 1);
    tal->addWidget(labRoest2, 2, 1);
    tal->addWidget(comRoester2, 3, 1);
    tal->addWidget(comAvancerat, 4, 1, Qt::AlignRight);
    tal->addWidget(labInfoUpplaes, 5, 0, 1, 2);
    tal->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(sida);
    layout->addWidget(fraSample3);
    layout->addWidget(fraSample3b, 1);
}

void FrmOptions2::skapaSpecial()
{
    QWidget* sida = picOptions[3];
    fraVaend = nyRam(sida, "fraVaend", "Vändbar övning",
                     "Endast övningar som innehåller en eller flera förklaringar kan vändas");
    auto* vaend = new QVBoxLayout(fraVaend);
    const char* typer[] = {"Rättstavning", "Ordkunskap", "Glosor", "Övrigt"};
    for (size_t i = 0; i < chkVaend.size(); ++i) {
        chkVaend[i] = nyRuta(fraVaend, "chkVaend", typer[i], "Endast övningar som innehåller en eller flera "
                                                             "förklaringar kan vändas");
        vaend->addWidget(chkVaend[i]);
    }

    fraMatchning = nyRam(sida, "fraMatchning", "Exakt matchning av alla tecken");
    chkMatchning = nyRuta(fraMatchning, "chkMatchning", "I \"Pluvo\" och \"Test\"",
                          "Man måste tex skriva é när man pluvor till idé");
    (new QVBoxLayout(fraMatchning))->addWidget(chkMatchning);

    fraTitta = nyRam(sida, "fraTitta", "Visa med \"Radera\"...");
    auto* titta = new QVBoxLayout(fraTitta);
    fraByt = nyRam(sida, "fraByt", "...och byt med \"Enter\"",
                   "Räknas ej som fel, men man får pluvo till ordet en extra gång");
    auto* byt = new QVBoxLayout(fraByt);
    const char* laegen[] = {"I \"Pluvo\"", "I \"Test\""};
    for (size_t i = 0; i < 2; ++i) {
        chkVisa[i] = nyRuta(fraTitta, "chkVisa", laegen[i],
                            "Räknas ej som fel, men man får pluvo till ordet en extra gång om inte "
                            "\"Byt med Enter \" är valt");
        titta->addWidget(chkVisa[i]);
        chkByt[i] = nyRuta(fraByt, "chkByt", laegen[i], "Räknas ej som fel");
        byt->addWidget(chkByt[i]);
    }

    fraAutustart = nyRam(sida, "fraAutustart", "Ordet döljs automatiskt");
    chkDoelj[0] = nyRuta(fraAutustart, "chkDoelj", "I \"Pluvo\"");
    chkDoelj[1] = nyRuta(fraAutustart, "chkDoelj", "I \"Test\" efter att det visats med \"Radera\"-tangenten");
    labTid = new QLabel("Tid (sek) innan ordet döljs ", fraAutustart);
    labTid->setObjectName("labTid");
    cbxTid = new QComboBox(fraAutustart);
    cbxTid->setObjectName("cbxTid");
    cbxTid->setEditable(true);
    cbxTid->setInsertPolicy(QComboBox::NoInsert);
    labTid->setBuddy(cbxTid);
    auto* doelj = new QGridLayout(fraAutustart);
    doelj->addWidget(chkDoelj[0], 0, 0, 1, 2);
    doelj->addWidget(chkDoelj[1], 1, 0, 1, 2);
    doelj->addWidget(labTid, 2, 0);
    doelj->addWidget(cbxTid, 2, 1);

    chkSpara = nyRuta(sida, "chkSpara", "Spara \"Loggbok\" på diskett vid avslut",
                      "Diskett måste då finnas i diskettfacket");
    chkSlump = nyRuta(sida, "chkSlump", "Blanda uppgifterna",
                      "Ny ordning på orden varje gång man genomför en övning");

    auto* layout = new QGridLayout(sida);
    layout->addWidget(fraVaend, 0, 0, 2, 1);
    layout->addWidget(fraMatchning, 2, 0);
    layout->addWidget(fraTitta, 0, 1);
    layout->addWidget(fraByt, 1, 1);
    layout->addWidget(fraAutustart, 2, 1);
    layout->addWidget(chkSpara, 3, 0);
    layout->addWidget(chkSlump, 3, 1);
}

void FrmOptions2::skapaStyrning()
{
    QWidget* sida = picOptions[4];
    fraSample5 = nyRam(sida, "fraSample5", "Tangentrepetition",
                       "Om tangetrepetitionen är påslagen kan man skriva in snabbare");
    chkTangentrepetition = nyRuta(fraSample5, "chkTangentrepetition", "&På", "På = möjlighet att skriva in snabbt");
    (new QVBoxLayout(fraSample5))->addWidget(chkTangentrepetition);

    fraSample5a = nyRam(sida, "fraSample5a", "Alternativ", "Olika sätt att styra programmet");
    optSiffertavla[0] = nyttVal(fraSample5a, "optSiffertavla", "Tangentbord", "Normalläge");
    optSiffertavla[1] = nyttVal(fraSample5a, "optSiffertavla", "Tangentbord och mus", "Bokstavstangentbord visas");
    optSiffertavla[2] = nyttVal(fraSample5a, "optSiffertavla", "Två till fem tangenter",
                                "Bokstavstangentbord visas och man kan utan att störas av muspekaren styra med "
                                "piltangenter, blanksteg och Enter");
    optSiffertavla[3] = nyttVal(fraSample5a, "optSiffertavla", "En tangent",
                                "Aktivt fält flyttas fram efter den tid som anges i \"Intervall\" - Fördröjning "
                                "i startläge");
    labIntervall = new QLabel("Intervall:", fraSample5a);
    labIntervall->setObjectName("labIntervall");
    cbxEnTangent = new QComboBox(fraSample5a);
    cbxEnTangent->setObjectName("cbxEnTangent");
    cbxEnTangent->setToolTip("Intervallets längd i sekunder");
    for (int s = 1; s <= 5; ++s)
        cbxEnTangent->addItem(QString("%1 sek").arg(s));
    labIntervall->setBuddy(cbxEnTangent);
    chkNear = nyRuta(fraSample5a, "chkNear", "Närmaste väg",
                     "Markören flyttar sig automatiskt närmaste väg vid flytt med <Blanksteg>");
    fraGraens = nyRam(fraSample5a, "fraGraens", "Begränsning");
    optGraens[0] = nyttVal(fraGraens, "optGraens", "Kant", "Förflyttning inom ramen");
    optGraens[1] = nyttVal(fraGraens, "optGraens", "Ingen", "Förflyttning utanför ramen");
    auto* graens = new QVBoxLayout(fraGraens);
    graens->addWidget(optGraens[0]);
    graens->addWidget(optGraens[1]);

    auto* alternativ = new QGridLayout(fraSample5a);
    for (int i = 0; i < 4; ++i)
        alternativ->addWidget(optSiffertavla[size_t(i)], i, 0);
    alternativ->addWidget(labIntervall, 4, 0, Qt::AlignRight);
    alternativ->addWidget(cbxEnTangent, 4, 1);
    alternativ->addWidget(chkNear, 0, 1);
    alternativ->addWidget(fraGraens, 1, 1, 3, 1);

    chkMuspekare = nyRuta(sida, "chkMuspekare", "Annan pekare på aktiva ytor ");
    imaMuspekare = new QLabel(sida);
    imaMuspekare->setObjectName("imaMuspekare");

    auto* pekare = new QHBoxLayout;
    pekare->addWidget(chkMuspekare);
    pekare->addWidget(imaMuspekare);
    pekare->addStretch();
    auto* layout = new QVBoxLayout(sida);
    layout->addWidget(fraSample5);
    layout->addWidget(fraSample5a);
    layout->addLayout(pekare);
}

void FrmOptions2::skapaFilkatalog()
{
    QWidget* sida = picOptions[5];
    fraSample6 = nyRam(sida, "fraSample6", "Mapp för övningar");
    drvInitial = new QComboBox(fraSample6);
    drvInitial->setObjectName("drvInitial");
    for (const QStorageInfo& volym : QStorageInfo::mountedVolumes())
        if (volym.isValid() && volym.isReady())
            drvInitial->addItem(volym.rootPath(), volym.rootPath());

    m_mappar = new QFileSystemModel(this);
    m_mappar->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_mappar->setRootPath("/");
    dirInitial = new QTreeView(fraSample6);
    dirInitial->setObjectName("dirInitial");
    dirInitial->setModel(m_mappar);
    dirInitial->setHeaderHidden(true);
    for (int kolumn = 1; kolumn < m_mappar->columnCount(); ++kolumn)
        dirInitial->hideColumn(kolumn);

    filInitial = new QListWidget(fraSample6);
    filInitial->setObjectName("filInitial");
    filInitial->setToolTip("Här visas endast övningar för Pluvo");
    filInitial->setFocusPolicy(Qt::NoFocus);
    filInitial->setSelectionMode(QAbstractItemView::NoSelection);

    comInitial = new QPushButton("Den ursprungliga mappen", fraSample6);
    comInitial->setObjectName("comInitial");
    comInitial->setToolTip("Samma mapp som där programmet finns installerat");
    labInitial = new QLabel(fraSample6);
    labInitial->setObjectName("labInitial");
    labInitial->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QGridLayout(fraSample6);
    layout->addWidget(drvInitial, 0, 0);
    layout->addWidget(dirInitial, 1, 0);
    layout->addWidget(filInitial, 0, 1, 2, 1);
    layout->addWidget(labInitial, 2, 0, 1, 2);
    layout->addWidget(comInitial, 3, 0, Qt::AlignLeft);
    layout->setRowStretch(1, 1);
    (new QVBoxLayout(sida))->addWidget(fraSample6);
}

void FrmOptions2::kopplaHaendelser()
{
    connect(tbsOptions, &QTabBar::currentChanged, this, [this] { tbsOptions_Click(); });
    for (size_t i = 0; i < fraSample1.size(); ++i) {
        connect(labFel[i], &Etikett::klickad, this, [this, i] { fraSample1_Click(int(i)); });
        connect(labTal[i], &Etikett::klickad, this, [this, i] { fraSample1_Click(int(i)); });
    }
    connect(cbxFont, &QComboBox::currentIndexChanged, this, [this] { cbxFont_Click(); });
    connect(cbxTid, &QComboBox::editTextChanged, this, [this] { cbxTid_Change(); });
    for (size_t i = 0; i < 2; ++i) {
        connect(chkDoelj[i], &QCheckBox::toggled, this, [this] { chkDoelj_Click(); });
        connect(chkVisa[i], &QCheckBox::toggled, this, [this, i] { chkVisa_Click(int(i)); });
    }
    connect(chkNear, &QCheckBox::toggled, this, [this] { chkNear_Click(); });
    for (QRadioButton* val : optSiffertavla)
        connect(val, &QRadioButton::toggled, this, [this](bool valt) {
            if (valt)
                optSiffertavla_Click();
        });
    connect(chkTvaa, &QCheckBox::toggled, this, [this] { chkTvaa_Click(); });
    connect(chkPipLjud, &QCheckBox::toggled, this, [this] { chkPipLjud_Click(); });
    connect(chkSpara, &QCheckBox::toggled, this, [this] { chkSpara_Click(); });
    connect(comRoester, &QComboBox::currentIndexChanged, this, [this] { comRoester_Click(); });
    connect(comRoester2, &QComboBox::currentIndexChanged, this, [this] { comRoester2_Click(); });
    connect(comInitial, &QPushButton::clicked, this, [this] { comInitial_Click(); });
    connect(drvInitial, &QComboBox::activated, this, [this] { drvInitial_Change(); });
    connect(dirInitial->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { dirInitial_Change(); });
    // The folders are read in the background: once those above the chosen
    // one are in, it is brought into sight.
    connect(m_mappar, &QFileSystemModel::directoryLoaded, this, [this](const QString& laest) {
        const QString vald = m_mappar->filePath(dirInitial->currentIndex());
        if (!vald.isEmpty() && vald.startsWith(mappMedSnedstreck(laest)))
            dirInitial->scrollTo(dirInitial->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(comAvancerat, &QPushButton::clicked, this, [this] { comAvancerat_Click(); });
}
