// Checking each typed character against the next hidden letter of the word.
#include "trainer/FrmPluvo.h"

#include "common/Ansi1252.h"
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/TavlaLogik.h"
#include "common/Twips.h"
#include "platform/Pip.h"
#include "trainer/KoerLogik.h"
#include "trainer/LetterBoard.h"

void FrmPluvo::KontrolleraTangent(int Tecken)
{
    ModPluvo& m = modPluvo();
    // Letters are checked only while the pupil types a hidden word; a key
    // that reaches here in any other state (say after a pass-over drew the
    // next row) must not count against a word that is not being typed.
    if (m.Tillstaand != PluvoSkriver && m.Tillstaand != TestSkriver)
        return;
    if (!m.harAktuellRad() || OrdLaengd < 1 || int(labOrd.size()) < OrdLaengd)
        return;
    const int rad = m.AktuelltOrd - 1;

    m.SkanningsVaentan = 1;
    if (OrdKlart)
        return;
    m.OrdetVisat = false;

    std::vector<bool> visas(static_cast<size_t>(OrdLaengd));
    for (int i = 0; i < OrdLaengd; ++i)
        visas[size_t(i)] = !labOrd[size_t(i)]->isHidden();
    const int position = ::FoersteTommaPosition(visas);
    const QString vaentatText = labOrd[size_t(position)]->Caption();
    const QChar vaentat = vaentatText.isEmpty() ? QChar() : vaentatText.at(0);
    const QChar skrivet = ansiChar(Tecken);

    if (!TeckenGodtas(skrivet, vaentat, m.ExaktMatchning)) {
        const bool alternativOrd = m.Tillstaand == TestSkriver && SoekAlternativOrd(QString(skrivet), position);
        const int bild = alternativOrd ? 1 : 0;
        picFel->setPixmap(frmBilder().imaAlt(bild, picFel->size()));
        picFel->setToolTip(FrmBilder::imaAltTips(bild));

        if (!alternativOrd && !OrdFelRaeknat) {
            OrdFelRaeknat = true;
            LaeggTillFelord(rad);
            ++FelIOmgaang;
            labFakta[3]->setCaption(QString::number(KvarFigur(OmgaangStorlek, m.AktuelltOrd, FelIOmgaang)));
            if (int(m.FelOrdlista.size()) < FelIOmgaang)
                m.FelOrdlista.resize(size_t(FelIOmgaang));
            m.FelOrdlista[size_t(FelIOmgaang - 1)] = m.Ordlista[size_t(rad)];
        }

        const Uppgift& uppgift = m.Ordlista[size_t(rad)];
        txtLoggbok.skrivFelTangent(uppgift.Ord, uppgift.Foerklaring, position, skrivet);

        if (picFel->isHidden()) {
            // Only the first wrong key at a letter moves the mark and beeps.
            Twips::setLeft(picFel, Twips::Left(labOrd[size_t(position)]));
            picFel->show();
            picFel->raise();
            if (m.PipVidFel)
                Pip();
        }

        if (!alternativOrd) {
            ++AntalFel;
            labFakta[5]->setCaption(QString::number(AntalFel));
        }
        return;
    }

    if (!picFel->isHidden())
        picFel->hide();
    txtLoggbok.avslutaFelrad();
    labStreck->hide();
    labOrd[size_t(position)]->show();

    OrdKlart = position + 1 == OrdLaengd;
    if (OrdKlart) {
        if (m.TavlaPaa) {
            DoeljBokstavstavla();
            picBakaat->hide();
            m.TavlaVal = Tavla::Naesta;
            MarkeraVal(Tavla::Naesta);
        }
        if (SkaLaesaUpp())
            PrataOrd(true);
    } else {
        Twips::setLeft(labStreck, Twips::Left(labOrd[size_t(position + 1)]) + 24);
        labStreck->show();
        labStreck->raise();
        ::FyllTavla();
    }
}

bool FrmPluvo::SoekAlternativOrd(const QString& typed, int Position)
{
    const ModPluvo& m = modPluvo();
    if (typed.isEmpty() || !m.harAktuellRad())
        return false;
    return ::SoekAlternativOrd(m.TestOrdlista, m.aktuellRad(), typed.at(0), Position);
}

void FrmPluvo::LaeggTillFelord(int Rad)
{
    const ModPluvo& m = modPluvo();
    if (Rad < 0 || Rad >= int(m.Ordlista.size()))
        return;
    if (::LaeggTillFelord(lstFel, FelordRad(m.Ordlista[size_t(Rad)])) && !menSenaste->isEnabled())
        menSenaste->setEnabled(true);
}
