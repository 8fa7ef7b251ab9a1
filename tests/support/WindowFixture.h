#pragma once

#include "SessionFixture.h"

#include <memory>

class EntryGrid;
class ReportRunner;
class WindowNavigator;
class mdiMain;

// A logged-in session on its own demo hospital with the main window shown, the navigator that
// opens the department's windows, and a report runner whose viewer the test scripts. Both
// clocks stand at the demo's Friday morning, within office hours.
class WindowFixture : public SessionFixture {
public:
    WindowFixture();
    ~WindowFixture();

    // Logs in and shows the main window; false when either failed.
    bool open();
    void setServerTime(const QDateTime& moment);
    // Moves onto a grid cell from its left as a clerk does, types the text and presses Enter.
    static void enter(EntryGrid* grid, int row, int column, const QString& text);

    std::unique_ptr<ReportRunner> reports;
    std::unique_ptr<mdiMain> window;
    std::unique_ptr<WindowNavigator> navigator;
};
