-- The laser department's own tables: request master, results, treatment sessions, counters,
-- the charge slip print table and the user log.

-- One row per charged line. RequestStatus: X charged (an exam may get its result), W resulted,
-- R revoked. FormType: A visual fields, B fluorescein angiography, anything else no result.
-- ReaderFee is 1 for lines whose revenue is not LR (professional fees).
CREATE TABLE tbLaserMaster (
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
    RequestStatus TEXT COLLATE NOCASE NOT NULL DEFAULT 'X',
    ResultDate DATETIME
);
CREATE INDEX ixLaserMasterRefNum ON tbLaserMaster (RefNum);
CREATE INDEX ixLaserMasterIdNum ON tbLaserMaster (IdNum, ItemID);
CREATE INDEX ixLaserMasterHospNum ON tbLaserMaster (HospNum);
CREATE INDEX ixLaserMasterTransDate ON tbLaserMaster (TransDate);
CREATE INDEX ixLaserMasterWorkList ON tbLaserMaster (FormType, RequestStatus);

-- Charge slip numbers in use, without their letters, to compare with a bare counter value.
CREATE VIEW vwGetTrimRefnum AS
SELECT trim(RefNum, 'CEce') AS RefNum, RequestNum, TransDate
FROM tbLaserMaster
WHERE RefNum LIKE 'C%E';

-- Counter row: the next charge slip number and the next request number.
CREATE TABLE tbLaserSlip (
    ChargeSlip INTEGER NOT NULL,
    RequestNum INTEGER NOT NULL
);

-- Print table of the charge slip being printed, shared by every workstation.
CREATE TABLE tbLaserChargeSlip (
    LineID INTEGER PRIMARY KEY,
    Code TEXT COLLATE NOCASE,
    Examination TEXT COLLATE NOCASE,
    Quantity REAL,
    Amount REAL
);

-- Result log book: the header of every written result, keyed by the request number.
CREATE TABLE tbLaserLogBook (
    RequestNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE,
    ItemID TEXT COLLATE NOCASE,
    TransDate DATETIME,
    ResultDate DATETIME,
    PatientType TEXT COLLATE NOCASE,
    UserID TEXT COLLATE NOCASE,
    DoctorID TEXT COLLATE NOCASE,
    FormType TEXT COLLATE NOCASE,
    ReaderID TEXT COLLATE NOCASE
);
CREATE INDEX ixLaserLogBookHospNum ON tbLaserLogBook (HospNum);

-- Visual fields results (form type A); RefNum holds the request number.
CREATE TABLE tbLaserVisual (
    RefNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    IdNum TEXT COLLATE NOCASE,
    ResultDate DATETIME,
    Indication TEXT COLLATE NOCASE,
    OD TEXT COLLATE NOCASE,
    OS TEXT COLLATE NOCASE,
    Impression TEXT COLLATE NOCASE,
    Interpretation TEXT COLLATE NOCASE,
    UserID TEXT COLLATE NOCASE
);

-- Fluorescein angiography results (form type B); RefNum holds the request number.
CREATE TABLE tbLaserAngiography (
    RefNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    IdNum TEXT COLLATE NOCASE,
    ResultDate DATETIME,
    OU1 TEXT COLLATE NOCASE,
    OU2 TEXT COLLATE NOCASE,
    Assessment TEXT COLLATE NOCASE,
    Suggestion TEXT COLLATE NOCASE,
    UserID TEXT COLLATE NOCASE
);

-- Laser treatment sessions: one posted exam per session, numbered per admission or visit.
-- RefNum and ItemID name the treatment charge the session belongs to; ExamID is the posted
-- exam, charged already with the treatment, hence Amount 0.
CREATE TABLE tbLaserTreatment (
    TreatmentID INTEGER PRIMARY KEY,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    HospNum TEXT COLLATE NOCASE,
    RefNum TEXT COLLATE NOCASE,
    ItemID TEXT COLLATE NOCASE,
    SessionNum INTEGER NOT NULL,
    ExamID TEXT COLLATE NOCASE,
    Amount REAL NOT NULL DEFAULT 0,
    Diagnosis TEXT COLLATE NOCASE,
    Remarks TEXT COLLATE NOCASE,
    UserID TEXT COLLATE NOCASE,
    PostedDate DATETIME
);
CREATE INDEX ixLaserTreatmentIdNum ON tbLaserTreatment (IdNum, SessionNum);
CREATE INDEX ixLaserTreatmentRefNum ON tbLaserTreatment (RefNum, ItemID);

-- One row per run of the program: log-in, activity trail, log-out (null while open).
CREATE TABLE tbLaser_UserLogin (
    LogSequence INTEGER PRIMARY KEY,
    EmployeeID TEXT COLLATE NOCASE NOT NULL,
    LoginDate DATETIME,
    LogOutDate DATETIME,
    Remarks TEXT COLLATE NOCASE
);
CREATE INDEX ixLaserUserLoginEmployee ON tbLaser_UserLogin (EmployeeID, LogOutDate);
CREATE INDEX ixLaserUserLoginDate ON tbLaser_UserLogin (LoginDate);
