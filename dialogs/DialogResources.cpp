#include "dialogs/DialogResources.h"

#include <QtGlobal>

void InitDialogResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(dialogs);
        return true;
    }();
    (void)registered;
}
