-- Patients, admissions, out-patient visits, walk-in cash patients and the hospital's own row.

-- Registered patients (in-patients and out-patients), keyed by hospital number.
CREATE TABLE tbMaster (
    HospNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    LastName TEXT COLLATE NOCASE NOT NULL,
    FirstName TEXT COLLATE NOCASE,
    MiddleName TEXT COLLATE NOCASE,
    Sex TEXT COLLATE NOCASE,
    BirthDate DATETIME,
    CivilStatusID TEXT COLLATE NOCASE,
    HouseStreet TEXT COLLATE NOCASE,
    Barangay TEXT COLLATE NOCASE,
    ZipCode TEXT COLLATE NOCASE,
    Telephone TEXT COLLATE NOCASE,
    Occupation TEXT COLLATE NOCASE,
    EmployerName TEXT COLLATE NOCASE,
    EmployerAddress TEXT COLLATE NOCASE,
    SeniorCitizen INTEGER NOT NULL DEFAULT 0,
    RegDate DATETIME,
    UserID TEXT COLLATE NOCASE
);
CREATE INDEX ixMasterName ON tbMaster (LastName, FirstName);
CREATE INDEX ixMasterFirstName ON tbMaster (FirstName);

-- Admissions. BillingDate is set once the bill is made (the account is closed);
-- LateCharges 1 while the account still accepts late charges.
CREATE TABLE tbPatient (
    IdNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    AdmDate DATETIME NOT NULL,
    DcrDate DATETIME,
    BillingDate DATETIME,
    Age TEXT COLLATE NOCASE,
    RoomID TEXT COLLATE NOCASE,
    AccountNum TEXT COLLATE NOCASE,
    AttendingDr1 TEXT COLLATE NOCASE,
    AttendingDr2 TEXT COLLATE NOCASE,
    AdmType TEXT COLLATE NOCASE,
    Diagnosis TEXT COLLATE NOCASE,
    PackageID TEXT COLLATE NOCASE,
    LateCharges INTEGER NOT NULL DEFAULT 1,
    UserID TEXT COLLATE NOCASE
);
CREATE INDEX ixPatientHospNum ON tbPatient (HospNum);
CREATE INDEX ixPatientRoom ON tbPatient (RoomID, DcrDate);
CREATE INDEX ixPatientAdmDate ON tbPatient (AdmDate);
CREATE INDEX ixPatientDcrDate ON tbPatient (DcrDate);

-- Further admission data: per-department cash basis flags (1: charges of that department must
-- be paid in cash) and the admission history's weight and height.
CREATE TABLE tbPatient2 (
    IdNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    OkeyLR INTEGER NOT NULL DEFAULT 0,
    OkeyHS INTEGER NOT NULL DEFAULT 0,
    OkeyLB INTEGER NOT NULL DEFAULT 0,
    OkeyXR INTEGER NOT NULL DEFAULT 0,
    Weight REAL,
    Height REAL
);

-- Out-patient visits. PatientType: O regular, C company, W walk-in (AccountNum = HospNum is a
-- personal account). InvoiceNumber is null until the visit is invoiced.
CREATE TABLE tbOutpatient (
    IdNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    AdmDate DATETIME NOT NULL,
    DcrDate DATETIME,
    PatientType TEXT COLLATE NOCASE,
    AccountNum TEXT COLLATE NOCASE,
    DoctorID1 TEXT COLLATE NOCASE,
    DoctorID2 TEXT COLLATE NOCASE,
    ClinicID TEXT COLLATE NOCASE,
    Complaint TEXT COLLATE NOCASE,
    Age TEXT COLLATE NOCASE,
    InvoiceNumber TEXT COLLATE NOCASE,
    InvoiceDate DATETIME,
    LateCharges INTEGER NOT NULL DEFAULT 0,
    UserID TEXT COLLATE NOCASE
);
CREATE INDEX ixOutpatientHospNum ON tbOutpatient (HospNum);
CREATE INDEX ixOutpatientAdmDate ON tbOutpatient (AdmDate);
CREATE INDEX ixOutpatientInvoice ON tbOutpatient (InvoiceNumber);

-- Walk-in cash patients, keyed by their walk-in hospital number (prefix + number).
CREATE TABLE tbCashPatient (
    HospNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    LastName TEXT COLLATE NOCASE NOT NULL,
    FirstName TEXT COLLATE NOCASE,
    MiddleName TEXT COLLATE NOCASE,
    HouseStreet TEXT COLLATE NOCASE,
    Barangay TEXT COLLATE NOCASE,
    ZipCode TEXT COLLATE NOCASE,
    Sex TEXT COLLATE NOCASE,
    BirthDate DATETIME,
    CivilStatusID TEXT COLLATE NOCASE,
    Age TEXT COLLATE NOCASE,
    RegDate DATETIME,
    UserID TEXT COLLATE NOCASE
);
CREATE INDEX ixCashPatientName ON tbCashPatient (LastName, FirstName);

-- Counter row of walk-in hospital numbers: lastopd is the last number given (prefix + digits),
-- transnum its digits.
CREATE TABLE tbLastWalkInNum (
    lastopd TEXT COLLATE NOCASE NOT NULL,
    transnum INTEGER NOT NULL
);

-- The hospital's one row: names printed on reports, the component server and the password
-- that guards the department's user log.
CREATE TABLE tbHospitalInfo (
    Company TEXT COLLATE NOCASE NOT NULL,
    Address1 TEXT COLLATE NOCASE,
    Address2 TEXT COLLATE NOCASE,
    Telephone TEXT COLLATE NOCASE,
    MtsServerName TEXT COLLATE NOCASE,
    OPDPassword TEXT COLLATE NOCASE
);

-- Out-patient requests sent by the clinics to a department, waiting to be printed there.
CREATE TABLE tbOPDCommunicationFile (
    CommID INTEGER PRIMARY KEY,
    RequestNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    Quantity REAL NOT NULL DEFAULT 1,
    Amount REAL NOT NULL DEFAULT 0,
    DoctorID TEXT COLLATE NOCASE,
    RequestDate DATETIME,
    RequestBy TEXT COLLATE NOCASE,
    Remarks TEXT COLLATE NOCASE,
    Printed TEXT COLLATE NOCASE DEFAULT 'N'
);
CREATE INDEX ixOPDCommunicationPending ON tbOPDCommunicationFile (RevenueID, Printed);
CREATE INDEX ixOPDCommunicationIdNum ON tbOPDCommunicationFile (IdNum);
CREATE INDEX ixOPDCommunicationHospNum ON tbOPDCommunicationFile (HospNum);
CREATE INDEX ixOPDCommunicationRequest ON tbOPDCommunicationFile (RequestNum, ItemID);
