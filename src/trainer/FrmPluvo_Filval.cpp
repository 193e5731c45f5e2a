// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::VisaOevningslista() {}
int FrmPluvo::AktuellFilIndex() { return 0; }
void FrmPluvo::picNer_MouseDown() {}
void FrmPluvo::picUpp_MouseDown() {}
void FrmPluvo::labFilnamn_Click() {}
void FrmPluvo::OeppnaValdFil() {}
