#include "SessionState.h"

#include "KeyPress.h"
#include "clsCurrentUser.h"
#include "clsDrug.h"
#include "clsListDrugs.h"
#include "clsPatient.h"
#include "clsPatientSearch.h"
#include "clscodesearch.h"

SessionState::SessionState() = default;

SessionState::~SessionState() = default;

void SessionState::releaseComponents()
{
    keyPress.reset();
    codeSearch.reset();
    drugList.reset();
    drug.reset();
    admission = nullptr;
    patientMaster = nullptr;
    patientSearch.reset();
    patient.reset();
    connection = nullptr;
    user.reset();
}
