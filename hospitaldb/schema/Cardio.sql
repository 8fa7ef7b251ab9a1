-- The heart station's database, which also serves the hospital's shared charge procedures:
-- receivable counters and requests, request items and its charge slip print table.

-- Counter row: the next receivable charge slip number and the next shared request number.
CREATE TABLE tbCardioSlip (
    ChargeSlip INTEGER NOT NULL,
    RequestNum INTEGER NOT NULL
);

-- Request master of the shared charge procedures (receivable professional fees and others).
-- ReadingDoctorID, ReadingDoctorName and ReadersFee describe a reading doctor's fee;
-- ForResult 'Y' when the line waits for a written result.
CREATE TABLE tbCardioMaster (
    RequestNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    RefNum TEXT COLLATE NOCASE,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    RevenueID TEXT COLLATE NOCASE,
    Amount REAL NOT NULL DEFAULT 0,
    Quantity REAL NOT NULL DEFAULT 1,
    DoctorID TEXT COLLATE NOCASE,
    DoctorName TEXT COLLATE NOCASE,
    PatientType TEXT COLLATE NOCASE NOT NULL,
    TransDate DATETIME NOT NULL,
    UserID TEXT COLLATE NOCASE,
    NurseRequestNum TEXT COLLATE NOCASE,
    FormType TEXT COLLATE NOCASE,
    ReaderFee INTEGER NOT NULL DEFAULT 0,
    Remarks TEXT COLLATE NOCASE,
    Discount REAL NOT NULL DEFAULT 0,
    ReadingDoctorID TEXT COLLATE NOCASE,
    ReadingDoctorName TEXT COLLATE NOCASE,
    ReadersFee REAL NOT NULL DEFAULT 0,
    ForResult TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    RequestStatus TEXT COLLATE NOCASE NOT NULL DEFAULT 'X',
    ResultDate DATETIME
);
CREATE INDEX ixCardioMasterRefNum ON tbCardioMaster (RefNum);
CREATE INDEX ixCardioMasterIdNum ON tbCardioMaster (IdNum);
CREATE INDEX ixCardioMasterHospNum ON tbCardioMaster (HospNum);

-- Request items recorded for medicines and supplies (reversals as negative lines).
CREATE TABLE tbCardioRequestItems (
    RequestItemID INTEGER PRIMARY KEY,
    RequestNum TEXT COLLATE NOCASE,
    RevenueID TEXT COLLATE NOCASE,
    TransDate DATETIME,
    HospNum TEXT COLLATE NOCASE,
    IdNum TEXT COLLATE NOCASE,
    LocationID TEXT COLLATE NOCASE,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    Quantity REAL NOT NULL DEFAULT 0,
    Amount REAL NOT NULL DEFAULT 0,
    RoomID TEXT COLLATE NOCASE,
    RefNum TEXT COLLATE NOCASE,
    NurseRequestNum TEXT COLLATE NOCASE,
    DoctorID TEXT COLLATE NOCASE
);
CREATE INDEX ixCardioRequestItemsIdNum ON tbCardioRequestItems (IdNum);
CREATE INDEX ixCardioRequestItemsRefNum ON tbCardioRequestItems (RefNum);

-- Print table of the receivable charge slip being printed, shared by every workstation.
CREATE TABLE tbCardioChargeSlip (
    LineID INTEGER PRIMARY KEY,
    Code TEXT COLLATE NOCASE,
    Examination TEXT COLLATE NOCASE,
    Quantity REAL,
    Amount REAL
);
