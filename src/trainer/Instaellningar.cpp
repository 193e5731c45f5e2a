#include "trainer/Instaellningar.h"

#include "common/ModPluvo.h"
#include "common/SettingsRules.h"
#include "common/UrsprungligMapp.h"
#include "platform/SettingsStore.h"
#include "trainer/FrmPluvo.h"
#include "trainer/Stil.h"

#include <QDir>

namespace {

std::optional<QString> las(const char* sektion, const char* nyckel)
{
    return SettingsStore::las(QString::fromUtf8(sektion), QString::fromUtf8(nyckel));
}

void saettTeckensnitt(FrmPluvo& f)
{
    const QString namn = las("Teckensnitt", "Font").value_or(f.labOrd[0]->font().family());
    for (Etikett* etikett : {f.labOrd[0], f.labFoerklaring[0], f.labStreck}) {
        QFont font = etikett->font();
        font.setFamily(namn);
        font.setBold(false);
        font.setItalic(false);
        font.setStrikeOut(false);
        font.setUnderline(false);
        etikett->setFont(font);
    }
}

void saettStyrning(FrmPluvo& f)
{
    ModPluvo& m = modPluvo();
    const int alternativ = LasRegel::W(las("Styrning", "Alternativ"), 0, 3, 0);
    m.TavlaPaa = alternativ != 0;
    m.MusStyrning = alternativ == 1;
    f.timEnTangent.setEnabled(alternativ == 3);
}

}  // namespace

void LaesInstaellningar()
{
    ModPluvo& m = modPluvo();
    FrmPluvo& f = *FrmPluvo::instans();

    m.InstLaast = LasRegel::W(las("Visa", "Inst"), 0, 1, 0);
    m.FaergStil = LasRegel::W(las("Utseende", "Stil"), 0, 5, 3);
    SaettStil(m.FaergStil);
    saettTeckensnitt(f);

    m.PipVidFel = LasRegel::T(las("Ljud", "pip"));
    m.TvaaRoester = LasRegel::F(las("Ljud", "tvaa"));
    m.TspKorr = LasRegel::D(las("Ljud", "tsp_korr"));
    m.Tsp2Korr = LasRegel::D(las("Ljud", "tsp2_korr"));
    m.LaesOevning = LasRegel::F(las("Ljud", "oev"));
    m.LaesMeny = LasRegel::F(las("Ljud", "men"));

    m.SparaLoggbokDiskett = LasRegel::F(las("Special", "spd"));
    m.VaendRtt = LasRegel::F(las("Special", "v_r"));
    m.VaendOrd = LasRegel::F(las("Special", "v_o"));
    m.VaendGlo = LasRegel::T(las("Special", "v_g"));
    m.VaendTst = LasRegel::F(las("Special", "v_t"));
    m.ExaktMatchning = LasRegel::F(las("Special", "ematch"));
    m.VisaMedRaderaPluvo = LasRegel::T(las("Special", "v_i_s"));
    m.VisaMedRaderaTest = LasRegel::F(las("Special", "v_i_t"));
    m.BytMedEnterPluvo = LasRegel::F(las("Special", "b_e_s"));
    m.BytMedEnterTest = LasRegel::T(las("Special", "b_e_t"));
    m.AutoDoeljPluvo = LasRegel::F(las("Special", "auto_s"));
    m.AutoDoeljTest = LasRegel::F(las("Special", "auto_t"));
    m.AutoTid = LasRegel::W(las("Special", "auto_tid"), 1, 10, 2);

    m.SpaerraRepetition = LasRegel::F(las("Styrning", "tan_r"));
    saettStyrning(f);
    m.NaermasteVaeg = LasRegel::T(las("Styrning", "near"));
    m.KantBegraensning = LasRegel::F(las("Styrning", "kant"));
    f.timEnTangent.setInterval(LasRegel::W(las("Styrning", "i_v"), 1, 5, 1) * 1000);
    m.AnnanMuspekare = LasRegel::T(las("Styrning", "m_p"));

    m.SlumpOrdning = LasRegel::W(las("Filkatalog", "Slump"), 0, 1, 1) == 1;
    // A first start stores the original folder at once; a folder that is
    // gone (a removed stick, a deleted folder) falls back to it too.
    m.OevningsMapp = las("Filkatalog", "Path").value_or(QString());
    if (m.OevningsMapp.isEmpty() || !QDir(m.OevningsMapp).exists())
        AaterstaellFilkatalog();
    f.filPluvo.setPath(m.OevningsMapp);

    m.UtskriftStorlek = LasRegel::W(las("Utskrift", "Storlek"), 0, 2, 0);
    m.UtskriftOrdning = LasRegel::W(las("Utskrift", "Ordning"), 0, 1, 0);
}

void AaterstaellFilkatalog()
{
    modPluvo().OevningsMapp = UrsprungligOevningsmapp();
    SettingsStore::SaveSetting("Filkatalog", "Path", modPluvo().OevningsMapp);
}
