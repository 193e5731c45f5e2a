// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::HaemtaOevningDialog(int) {}
void FrmPluvo::LaesInOevning(const QString&, bool) { LaddarSparadOevning = false; }
void FrmPluvo::skrivLoggbokFil(bool&) {}
