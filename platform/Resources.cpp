#include "platform/Resources.h"

#include <QtGlobal>

void Resources::registerAll()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(grocelle);
        return true;
    }();
    Q_UNUSED(registered);
}
