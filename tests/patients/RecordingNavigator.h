#pragma once

#include "Navigator.h"

#include <QList>
#include <QWidget>

// Records what the windows ask to open, instead of opening it.
class RecordingNavigator : public Navigator {
public:
    QWidget* findChildWindow(const QString& objectName) const override
    {
        return open && open->objectName() == objectName ? open : nullptr;
    }
    void showChildWindow(QWidget* window) override { shown.append(window); }
    bool openRequestEntry(const RequestEntryValues& values) override
    {
        requests.append(values);
        return true;
    }
    bool openOutRequestEntry(const OutRequestEntryValues& values) override
    {
        outRequests.append(values);
        return true;
    }
    void openWalkInRegistration() override { ++walkInRegistrations; }

    QWidget* open = nullptr;
    QList<QWidget*> shown;
    QList<RequestEntryValues> requests;
    QList<OutRequestEntryValues> outRequests;
    int walkInRegistrations = 0;
};
