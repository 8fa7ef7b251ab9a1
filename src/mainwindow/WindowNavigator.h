#pragma once

#include "Navigator.h"

class AppContext;
class mdiMain;

// Knows every window class: binds the main window's commands to the windows they open and
// serves the openings that windows of one subsystem ask of another.
class WindowNavigator : public Navigator {
public:
    WindowNavigator(AppContext& context, mdiMain& window);

    // Gives every command whose window exists its opener.
    void bindCommands();

private:
    AppContext& context_;
    mdiMain& window_;
};
