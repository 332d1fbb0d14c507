#include "app/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void initPecunioResources() { Q_INIT_RESOURCE(resources); }

namespace Euro {

void registerResources() { initPecunioResources(); }

} // namespace Euro
