-- Patient billing, the cashier's assessments and receipts, and credit memo advices.

-- Counter row shared by the departments: AssessmentNum and RequestNum hold the last assessment
-- and cash request numbers given out, CMAdviseNum the number the next credit memo advice takes.
CREATE TABLE tbAssessmentNum (
    AssessmentNum INTEGER NOT NULL,
    RequestNum INTEGER NOT NULL,
    CMAdviseNum INTEGER NOT NULL
);

-- Cash assessment lines, one per cash request number; RefNum is the assessment number.
-- IdNum is the admission or visit number, or the hospital number of a cash patient.
-- ORNumber is set when the cashier is paid; RecordStatus 'R' marks a revoked line;
-- Served 'Y' once the department has charged the paid line.
CREATE TABLE tbCashAssessment (
    RequestNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    RefNum TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    HospNum TEXT COLLATE NOCASE,
    Name TEXT COLLATE NOCASE,
    TransDate DATETIME NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    DepartmentID TEXT COLLATE NOCASE,
    Amount REAL NOT NULL DEFAULT 0,
    Quantity REAL NOT NULL DEFAULT 1,
    UserID TEXT COLLATE NOCASE,
    ORNumber TEXT COLLATE NOCASE,
    ORDate DATETIME,
    RecordStatus TEXT COLLATE NOCASE,
    RevokedBy TEXT COLLATE NOCASE,
    RevokedDate DATETIME,
    Served TEXT COLLATE NOCASE NOT NULL DEFAULT 'N'
);
CREATE INDEX ixCashAssessmentRefNum ON tbCashAssessment (RefNum);
CREATE INDEX ixCashAssessmentOR ON tbCashAssessment (ORNumber);
CREATE INDEX ixCashAssessmentIdNum ON tbCashAssessment (IdNum);
CREATE INDEX ixCashAssessmentHospNum ON tbCashAssessment (HospNum);
CREATE INDEX ixCashAssessmentName ON tbCashAssessment (Name);
CREATE INDEX ixCashAssessmentDate ON tbCashAssessment (TransDate);

-- Official receipts issued by the cashier.
CREATE TABLE tbCashOR (
    ORNumber TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    ORDate DATETIME NOT NULL,
    HospNum TEXT COLLATE NOCASE,
    PaymentFrom TEXT COLLATE NOCASE,
    Amount REAL NOT NULL DEFAULT 0,
    CashierID TEXT COLLATE NOCASE,
    RecordStatus TEXT COLLATE NOCASE
);
CREATE INDEX ixCashORHospNum ON tbCashOR (HospNum);

-- Credit memo advices raised on paid assessment lines; RecordStatus null while waiting at the
-- cashier, 'R' once processed.
CREATE TABLE tbCashCreditAdvise (
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    AdviseNo TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    ORNumber TEXT COLLATE NOCASE,
    Name TEXT COLLATE NOCASE,
    Amount REAL NOT NULL DEFAULT 0,
    Quantity REAL NOT NULL DEFAULT 1,
    Total REAL NOT NULL DEFAULT 0,
    UserID TEXT COLLATE NOCASE,
    AdviseDate DATETIME,
    RecordStatus TEXT COLLATE NOCASE,
    ProcessedBy TEXT COLLATE NOCASE,
    ProcessedDate DATETIME,
    PRIMARY KEY (RevenueID, AdviseNo, ItemID)
);
CREATE INDEX ixCashCreditAdviseOR ON tbCashCreditAdvise (ORNumber, ItemID);

-- Charges posted to patients' bills (in-patient and out-patient), reversals as negative lines.
-- ChargeType: D department charge, P professional fee, C cancellation. DepartmentID names the
-- department a professional fee was charged through.
CREATE TABLE tbBillDailyBill (
    BillID INTEGER PRIMARY KEY,
    PatientType TEXT COLLATE NOCASE NOT NULL,
    IdNum TEXT COLLATE NOCASE NOT NULL,
    TransDate DATETIME NOT NULL,
    RefNum TEXT COLLATE NOCASE,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    Amount REAL NOT NULL DEFAULT 0,
    RevenueID TEXT COLLATE NOCASE NOT NULL,
    UserID TEXT COLLATE NOCASE,
    Quantity REAL NOT NULL DEFAULT 1,
    DepartmentID TEXT COLLATE NOCASE,
    ChargeType TEXT COLLATE NOCASE,
    DoctorID TEXT COLLATE NOCASE,
    DoctorName TEXT COLLATE NOCASE
);
CREATE INDEX ixBillDailyBillIdNum ON tbBillDailyBill (IdNum, RevenueID, ItemID);
CREATE INDEX ixBillDailyBillRefNum ON tbBillDailyBill (RefNum);

-- Receivable follow-up of accounts that received late charges after their bill was made.
CREATE TABLE tbReceivableOtherInfo (
    IdNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    OtherInfo INTEGER NOT NULL DEFAULT 0,
    LastUpdate DATETIME
);
