// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::Form_KeyPress(int) {}
void FrmPluvo::Form_KeyUp() {}
void FrmPluvo::picTaTangent_KeyDown(int) {}
void FrmPluvo::picTaTangent_KeyUp(int) {}
