-- The nurse stations' records: requests sent to the departments, the nurses' log book,
-- discharge notices and the departments' clearances.

-- Requests of ward and clinic nurses to a department. RequestNum is the nurse request number.
-- RecordStatus: null pending, X charged by the department (ReferenceNum is its charge slip),
-- W resulted, R revoked. Stat 'Y' asks for an urgent exam.
CREATE TABLE tbNurseCommunicationFile (
    CommID INTEGER PRIMARY KEY,
    RequestNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    PatientType TEXT COLLATE NOCASE NOT NULL,
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    Quantity REAL NOT NULL DEFAULT 1,
    Amount REAL NOT NULL DEFAULT 0,
    Stat TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    DoctorID TEXT COLLATE NOCASE,
    StationID TEXT COLLATE NOCASE,
    RoomID TEXT COLLATE NOCASE,
    RequestDate DATETIME NOT NULL,
    RequestBy TEXT COLLATE NOCASE,
    Remarks TEXT COLLATE NOCASE,
    ReferenceNum TEXT COLLATE NOCASE,
    RecordStatus TEXT COLLATE NOCASE
);
CREATE INDEX ixNurseCommunicationRequest ON tbNurseCommunicationFile (RequestNum);
CREATE INDEX ixNurseCommunicationIdNum ON tbNurseCommunicationFile (IdNum, RevenueID, ItemID);
CREATE INDEX ixNurseCommunicationPending ON tbNurseCommunicationFile (RevenueID, RecordStatus);

-- The nurses' log book: one row per exam requested for or charged to a patient.
-- RecordStatus: null requested, X processed by the department, W resulted, R revoked.
CREATE TABLE tbNurseLogBook (
    LogBookID INTEGER PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    PatientType TEXT COLLATE NOCASE,
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    Description TEXT COLLATE NOCASE,
    Quantity REAL NOT NULL DEFAULT 1,
    Amount REAL NOT NULL DEFAULT 0,
    RequestNum TEXT COLLATE NOCASE,
    ReferenceNum TEXT COLLATE NOCASE,
    TransDate DATETIME NOT NULL,
    RequestBy TEXT COLLATE NOCASE,
    RecordStatus TEXT COLLATE NOCASE,
    ProcessBy TEXT COLLATE NOCASE,
    ProcessDate DATETIME,
    ResultBy TEXT COLLATE NOCASE,
    ResultDate DATETIME
);
CREATE INDEX ixNurseLogBookIdNum ON tbNurseLogBook (IdNum, RevenueID, ItemID);
CREATE INDEX ixNurseLogBookRequest ON tbNurseLogBook (RequestNum);

-- Discharge notices sent by the wards, one per admission.
CREATE TABLE tbDischargeNotice (
    IdNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    RoomID TEXT COLLATE NOCASE,
    NoticeDate DATETIME NOT NULL,
    OrderedDate DATETIME,
    DischargeNurse TEXT COLLATE NOCASE,
    Remarks TEXT COLLATE NOCASE
);
CREATE INDEX ixDischargeNoticeDate ON tbDischargeNotice (NoticeDate);

-- A department's clearance of an admission for discharge; RecordStatus 1 when cleared.
CREATE TABLE tbDischargeClearance (
    IdNum TEXT COLLATE NOCASE NOT NULL,
    DepartmentID TEXT COLLATE NOCASE NOT NULL,
    UserID TEXT COLLATE NOCASE,
    ClearDate DATETIME,
    ClearRemarks TEXT COLLATE NOCASE,
    RecordStatus INTEGER NOT NULL DEFAULT 1,
    PRIMARY KEY (IdNum, DepartmentID)
);
