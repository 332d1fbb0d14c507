// Currency selection, rates and options of the calculator window.

#include "ui/main/frmeuro.h"

void FrmEuro::lstListe_Click() {}

void FrmEuro::lstPays_Click() {}

void FrmEuro::cmdTaux_Click() {}

void FrmEuro::optCalcul_Click(qint16 /*Index*/) {}

void FrmEuro::optDecimal_Click(qint16 /*Index*/) {}
