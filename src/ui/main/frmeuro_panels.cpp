// Panels, key feedback and hover hints of the calculator window.

#include "ui/main/frmeuro.h"

void FrmEuro::lblFermer_Click(qint16 /*Index*/) {}

void FrmEuro::cmdPlan_Click() {}

void FrmEuro::Label2_Click() {}

void FrmEuro::lblBouton_MouseDown(qint16 /*Index*/, qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::lblBouton_MouseUp(qint16 /*Index*/, qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Operator_MouseDown(qint16 /*Index*/, qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Operator_MouseUp(qint16 /*Index*/, qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Decimal_MouseDown(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Decimal_MouseUp(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Cancel_MouseDown(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::Cancel_MouseUp(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::CancelEntry_MouseDown(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::CancelEntry_MouseUp(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::lblBouton_MouseMove(qint16 /*Index*/, qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::lblDevise_MouseMove(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}

void FrmEuro::lblInfo_MouseMove(qint16 /*Button*/, qint16 /*Shift*/, float /*X*/, float /*Y*/) {}
