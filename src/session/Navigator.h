#pragma once

// How a window opens a window of another subsystem without including it. The main window's
// WindowNavigator alone knows every window class; each subsystem adds the openings it needs here.
class Navigator {
public:
    virtual ~Navigator() = default;
};
