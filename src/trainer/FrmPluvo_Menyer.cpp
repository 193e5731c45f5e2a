// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::VisaHuvudmeny() { modPluvo().Tillstaand = Huvudmeny; }
void FrmPluvo::VisaMenyNormalOmvaend() {}
void FrmPluvo::VisaMenyHaemtaOevning() {}
void FrmPluvo::PlaceraMenyram() {}
void FrmPluvo::MarkeraMenyval(int) {}
void FrmPluvo::labMenyVal_Click(int) {}
void FrmPluvo::labMenyVal_MouseMove(int) {}
void FrmPluvo::HanteraTecken(int) {}
