#include "WindowNavigator.h"

#include "mdiMain.h"
#include "ui/AppContext.h"

WindowNavigator::WindowNavigator(AppContext& context, mdiMain& window)
    : context_(context)
    , window_(window)
{}

void WindowNavigator::bindCommands() {}
