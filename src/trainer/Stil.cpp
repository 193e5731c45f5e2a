#include "trainer/Stil.h"

#include "common/ColourSchemes.h"
#include "common/ModPluvo.h"
#include "trainer/FrmPluvo.h"

void SaettStil(int schema)
{
    FrmPluvo& f = *FrmPluvo::instans();
    if (const FaergSchema* s = faergSchema(schema)) {
        f.setBackColor(s->bakgrund);
        f.labOrd[0]->setForeColor(s->ord);
        f.labFoerklaring[0]->setForeColor(s->foerklaring);
        f.labMeny->setForeColor(s->meny);
        f.labAktuell->setForeColor(s->meny);
        for (Etikett* val : f.labMenyVal) {
            if (val->Bold()) {
                val->setForeColor(f.labOrd[0]->ForeColor());
            } else {
                val->setForeColor(s->menyVal);
                modPluvo().MenyFaerg = val->ForeColor();
            }
        }
    }
    f.labStreck->setForeColor(f.labOrd[0]->ForeColor());
    f.picFel->setBackColor(f.BackColor());
    for (size_t i = 1; i < f.labOrd.size(); ++i)
        f.labOrd[i]->setForeColor(f.labOrd[0]->ForeColor());
    for (size_t i = 1; i < f.labFoerklaring.size(); ++i)
        f.labFoerklaring[i]->setForeColor(f.labFoerklaring[0]->ForeColor());
    f.update();
}
