#include "Dialogs.h"

#include "QtDialogs.h"

namespace {
Dialogs* replacement = nullptr;
}

Dialogs& Dialogs::current()
{
    static QtDialogs qtDialogs;
    return replacement != nullptr ? *replacement : qtDialogs;
}

void Dialogs::setCurrent(Dialogs* dialogs)
{
    replacement = dialogs;
}
