#pragma once

class AppContext;

// The main window's two census commands: the census procedure fills the data for today, then
// its template is shown.
class CensusReports {
public:
    explicit CensusReports(AppContext& context)
        : context_(context)
    {}

    void AllPatientCensus();
    void CensusByStation();

private:
    void show(const char* procedure, const char* templateName, const char* caption);

    AppContext& context_;
};
