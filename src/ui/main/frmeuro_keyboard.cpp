// The keyboard of the calculator window.

#include "ui/main/frmeuro.h"

void FrmEuro::Form_KeyDown(int /*KeyCode*/, int /*Shift*/) {}
