// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::PrataOrd(bool) {}
void FrmPluvo::StoppaAutostart() {}
QString FrmPluvo::StatusradText() { return {}; }
void FrmPluvo::timAutostart_Timer() {}
void FrmPluvo::timEnTangent_Timer() {}
void FrmPluvo::timKontroll_Timer() {}
void FrmPluvo::timPrata_Timer() {}
