// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::StegaBokstavstavla() {}
void FrmPluvo::FlyttaTavlmarkoer(int) {}
void FrmPluvo::VaeljTavlStart() {}
void FrmPluvo::labSiffertavla_Click(int) {}
void FrmPluvo::labSiffertavla_MouseMove(int) {}
void FrmPluvo::picBakaat_Click() {}
void FrmPluvo::picNaesta_Click() {}
void FrmPluvo::picBakaat_MouseMove() {}
void FrmPluvo::picNaesta_MouseMove() {}
