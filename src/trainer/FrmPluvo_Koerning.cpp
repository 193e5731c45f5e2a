// Stand-in: built by its own change.
#include "trainer/FrmPluvo.h"
#include "common/ModPluvo.h"

void FrmPluvo::SaettLaege(int) {}
void FrmPluvo::BoerjaOevning() {}
void FrmPluvo::StartaOevning() {}
void FrmPluvo::BlandaOrdlista() {}
void FrmPluvo::SparaTestlista(int) {}
void FrmPluvo::VisaOrd() {}
void FrmPluvo::VisaFoerklaring() {}
void FrmPluvo::TaBortOrd() {}
void FrmPluvo::TaBortFoerklaring() {}
void FrmPluvo::DoeljOrd() {}
void FrmPluvo::DoeljBokstavstavla() {}
bool FrmPluvo::OevningsTypVaendbar() { return false; }
void FrmPluvo::FraagaBlanda() {}
void FrmPluvo::VisaMeddelande(const QString&) {}
void FrmPluvo::NaestaSteg() {}
void FrmPluvo::NaestaUppgift() {}
void FrmPluvo::VisaSammanfattning() {}
void FrmPluvo::VisaOrdetMedRadera() {}
void FrmPluvo::labOrd_Click(int) {}
void FrmPluvo::labFoerklaring_Click(int) {}
void FrmPluvo::labOrd_MouseMove(int) {}
void FrmPluvo::labFoerklaring_MouseMove(int) {}
