#pragma once
// A window header that names exact amounts: the check must name it too.
#include "engine/amount.h"
