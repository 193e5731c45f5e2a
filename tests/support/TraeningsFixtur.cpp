#include "support/TraeningsFixtur.h"

#include "common/ModPluvo.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QTest>

void PrintTo(const QString& text, std::ostream* ut)
{
    *ut << '"' << text.toStdString() << '"';
}

namespace TestSupport {

MeddelandeSvarare::MeddelandeSvarare(std::function<bool()> medanOeppet) : medanOeppet(std::move(medanOeppet))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* foenster = QApplication::activeModalWidget();
        if (!foenster)
            return;
        if (this->medanOeppet && !this->medanOeppet())
            return;
        texter << modPluvo().MeddelandeText;
        QTest::keyClick(foenster, Qt::Key_Return);
    });
    m_timer.start(10);
}

void KoerningsFixtur::SetUp()
{
    nyStart();
    Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 5, 6), QTime(10, 11, 12)); });
    f = startaTraeningsfoenster(mapp.path());
    modPluvo().PipVidFel = false;
}

void KoerningsFixtur::TearDown()
{
    f.reset();
    Klocka::saettNuKaella({});
}

void KoerningsFixtur::starta(const Uppgiftslista& rader, int laege, bool omvaend)
{
    laddaIn(rader);
    f->Omvaend = omvaend;
    foere = f->txtLoggbok.text().size();
    f->SaettLaege(laege);
}

QString KoerningsFixtur::logg() const
{
    return f->txtLoggbok.text().mid(foere);
}

void KoerningsFixtur::skriv(const QString& text)
{
    TestSupport::skriv(*f, text);
}

void KoerningsFixtur::tryck(Qt::Key tangent)
{
    tryckTangent(*f, tangent);
}

QString KoerningsFixtur::synligtOrd() const
{
    QString text;
    for (int i = 0; i < f->OrdLaengd; ++i)
        text += f->labOrd[size_t(i)]->isHidden() ? QString("_") : f->labOrd[size_t(i)]->Caption();
    return text;
}

QString KoerningsFixtur::foerklaring() const
{
    QString text;
    for (int i = 0; i < f->FoerklaringLaengd; ++i)
        text += f->labFoerklaring[size_t(i)]->Caption();
    return text;
}

void OevningsmappFixtur::SetUp()
{
    nyStart();
    ASSERT_TRUE(m_program.isValid());
    m_oevningar = m_program.path() + "/Övningar";
    QDir().mkpath(m_oevningar);
    skrivInstaellning("Filkatalog", "Path", m_oevningar);
}

void OevningsmappFixtur::skrivOevning(const QString& namn, const QByteArray& rader)
{
    skrivFil(m_oevningar + "/" + namn, "[Pluvo 7.0.7]\r\n" + rader);
}

std::unique_ptr<FrmPluvo> OevningsmappFixtur::starta(const QString& aktuell)
{
    if (!aktuell.isEmpty())
        skrivInstaellning("Aktuell", "Filnamn", m_oevningar + "/" + aktuell);
    auto f = startaTraeningsfoenster(m_program.path());
    m_talat.clear();
    QObject::connect(&f->tspPluvo, &TextSpeaker::talade, [this](const QString& t) { m_talat << t; });
    return f;
}

void OevningsmappFixtur::laesUpp()
{
    modPluvo().TalFinns = true;
    modPluvo().LaesMeny = true;
}

int OevningsmappFixtur::tillstaand()
{
    return modPluvo().Tillstaand;
}

}  // namespace TestSupport
