#include "KeyPress.h"
#include "SessionState.h"
#include "clsCurrentUser.h"
#include "clsDrug.h"
#include "clsFunction.h"
#include "clsListDrugs.h"
#include "clsPatient.h"
#include "clsPatientSearch.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"

using db::Sql;

namespace modHeartStart {

namespace {

// A start-up step that cannot go on: its message was shown.
struct Stop {};

void stop(AppContext& context, const QString& message)
{
    context.prompt().tell(message, programTitle, QMessageBox::Critical);
    throw Stop();
}

void readHospitalInformation(AppContext& context, SessionState& state)
{
    db::RowSet info = state.connection->open(
        QStringLiteral("Select * from Patient_Data..tbHospitalInfo"), db::Cursor::Server);
    if (info.eof())
        stop(context, QStringLiteral("The hospital information (Patient_Data..tbHospitalInfo) is "
                                     "missing; the program cannot start."));
    state.Company = info.field("Company").toString();
    state.Address1 = info.field("Address1").toString();
    state.MtsServerName = info.field("MtsServerName").toString();
}

void createComponents(AppContext& context, SessionState& state)
{
    state.keyPress = std::make_unique<KeyPress>();
    state.patient = std::make_unique<clsPatient>();
    state.patientSearch = std::make_unique<clsPatientSearch>();
    state.codeSearch = std::make_unique<clscodesearch>(context.dialogs());
    state.drugList = std::make_unique<clsListDrugs>(context.dialogs());
    state.drug = std::make_unique<clsDrug>();

    clscodesearch& codes = *state.codeSearch;
    codes.setMTS_Server(state.MtsServerName);
    codes.setSearchMode(true);
    codes.Initialize_Classes();
    codes.setCompanyName(state.Company);
    codes.setConnection(state.connection);
    codes.setOtherSectionID(QStringLiteral("LR"));
}

void connectSupplies(AppContext& context, SessionState& state)
{
    if (!state.drugList->InitConnection(state.connection))
        stop(context, QStringLiteral("Cannot load supplies list."));
    if (!state.drug->InitConnect(state.connection))
        stop(context, QStringLiteral("Cannot load supplies information."));
}

void recordLogIn(SessionState& state)
{
    const QString sequence = NextLogSequence(*state.connection);
    state.connection->execute("Clinical_Area..SP_Laser_UserLogin " + Sql::quote(sequence) + "," +
                              Sql::quote(state.EmployeeCode) + ", " + Sql::quote("LogIn:") + ", " +
                              Sql::quote(state.LoginTime) + ", ''");
}

// False when the patient search cannot start; the program then ends without a word.
bool connectPatientLookUps(SessionState& state)
{
    const QString connectionString = state.connection->connectionString();
    if (!state.patientSearch->InitConnection(connectionString, state.MtsServerName))
        return false;
    state.patient->OpenConnection(connectionString);
    state.admission = &state.patientSearch->Admission();
    state.patientMaster = &state.patient->clsPatientMaster();
    return true;
}

std::unique_ptr<SessionState> gather(AppContext& context,
                                     const std::function<void(clsCurrentUser&)>& prepareLogIn)
{
    auto state = std::make_unique<SessionState>();
    state->user = std::make_unique<clsCurrentUser>(context.dialogs());
    if (prepareLogIn)
        prepareLogIn(*state->user);
    state->user->setPasswordDeptCode(QStringLiteral("LR"));
    state->user->ShowMain();
    state->LoginTime = Sql::dateTime(context.clock().now());
    if (!state->user->Connected())
        return nullptr;
    state->connection = state->user->sqlconnection();
    state->connection->setDefaultDatabase(QStringLiteral("CLINICAL_AREA"));
    state->EmployeeCode = state->user->EmployeeCode();
    readHospitalInformation(context, *state);
    createComponents(context, *state);
    connectSupplies(context, *state);
    recordLogIn(*state);
    if (!connectPatientLookUps(*state))
        return nullptr;
    return state;
}

} // namespace

std::unique_ptr<SessionState> Main(AppContext& context,
                                   const std::function<void(clsCurrentUser&)>& prepareLogIn)
{
    try {
        return gather(context, prepareLogIn);
    } catch (const Stop&) {
        return nullptr;
    } catch (const db::Error& error) {
        context.prompt().tell(QStringLiteral("The program cannot start: %1").arg(error.message()),
                              programTitle, QMessageBox::Critical);
        return nullptr;
    }
}

void LogOut(AppContext& context)
{
    SessionState& state = context.session();
    try {
        context.function().Update_LogFile(state.EmployeeCode, QStringLiteral("Exit program;"));
        state.connection->execute("Clinical_Area..SP_laser_UserLogin_Update " +
                                  Sql::quote(state.EmployeeCode));
    } catch (const db::Error& error) {
        context.prompt().tell(
            QStringLiteral("The log-out could not be recorded: %1").arg(error.message()),
            programTitle, QMessageBox::Critical);
    }
    state.releaseComponents();
}

} // namespace modHeartStart
