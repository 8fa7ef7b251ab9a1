-- Master files of the hospital: accounts, rooms, doctors, chargeable items, revenue codes,
-- holidays, look-up lists, and the inventory of medicines and supplies with its stock card.

-- Charge accounts (HMOs, companies). A personal account carries the patient's hospital number
-- as its account number and has no row here.
CREATE TABLE tbCoCompany (
    AccountNum TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Company TEXT COLLATE NOCASE NOT NULL,
    AccountType TEXT COLLATE NOCASE,
    Address TEXT COLLATE NOCASE,
    Telephone TEXT COLLATE NOCASE,
    ContactPerson TEXT COLLATE NOCASE,
    CreditLimit REAL NOT NULL DEFAULT 0,
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);
CREATE INDEX ixCoCompanyName ON tbCoCompany (Company);

-- Nurse stations.
CREATE TABLE tbCoStation (
    StationID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Station TEXT COLLATE NOCASE NOT NULL,
    Telephone TEXT COLLATE NOCASE
);

-- Room classes A to E; the class picks RateA to RateE of an item.
CREATE TABLE tbCoRoomClass (
    RoomClassID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    RoomClass TEXT COLLATE NOCASE NOT NULL,
    RoomRate REAL NOT NULL DEFAULT 0
);

CREATE TABLE tbCoroom (
    RoomID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    RoomClassID TEXT COLLATE NOCASE NOT NULL,
    StationID TEXT COLLATE NOCASE NOT NULL,
    Beds INTEGER NOT NULL DEFAULT 1,
    Telephone TEXT COLLATE NOCASE,
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);
CREATE INDEX ixCoroomStation ON tbCoroom (StationID);

CREATE TABLE tbCoDoctor (
    DoctorID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    LastName TEXT COLLATE NOCASE NOT NULL,
    FirstName TEXT COLLATE NOCASE,
    MiddleName TEXT COLLATE NOCASE,
    Specialization TEXT COLLATE NOCASE,
    Telephone TEXT COLLATE NOCASE,
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);
CREATE INDEX ixCoDoctorName ON tbCoDoctor (LastName, FirstName);

-- Executive check-up packages an admission may be under.
CREATE TABLE tbCoPackage (
    PackageID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Package TEXT COLLATE NOCASE NOT NULL,
    Amount REAL NOT NULL DEFAULT 0
);

CREATE TABLE tbCoCivilStatus (
    CivilStatusID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    CivilStatus TEXT COLLATE NOCASE NOT NULL
);

-- Addresses by zip code.
CREATE TABLE tbCoZipCode (
    ZipCode TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Town TEXT COLLATE NOCASE NOT NULL,
    Province TEXT COLLATE NOCASE
);
CREATE INDEX ixCoZipCodeTown ON tbCoZipCode (Town);

-- Revenue (department) codes; LRActive 'Y' lists a code on the laser department's charge forms.
CREATE TABLE tbcorevenuecode (
    RevenueID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Revenue TEXT COLLATE NOCASE NOT NULL,
    LRActive TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);

-- Chargeable items of the sections (LR: laser procedures). RateA is also the out-patient rate.
-- FormType: A visual fields, B fluorescein angiography, other values need no written result.
-- OLExam 'Y': posted in treatment sessions. FixRate 'Y': the price may not be typed over.
CREATE TABLE tbcoOtherRevenue (
    OtherRevenueID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    OtherRevenue TEXT COLLATE NOCASE NOT NULL,
    OtherSectionID TEXT COLLATE NOCASE NOT NULL,
    RateA REAL NOT NULL DEFAULT 0,
    RateB REAL NOT NULL DEFAULT 0,
    RateC REAL NOT NULL DEFAULT 0,
    RateD REAL NOT NULL DEFAULT 0,
    RateE REAL NOT NULL DEFAULT 0,
    FormType TEXT COLLATE NOCASE,
    OLExam TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    FixRate TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);
CREATE INDEX ixCoOtherRevenueSection ON tbcoOtherRevenue (OtherSectionID, OtherRevenue);

-- Holidays; isFixed '1' for the holidays that fall on the same date every year.
CREATE TABLE tbcoHolidays (
    HolidayID INTEGER PRIMARY KEY,
    HolidayDate DATETIME NOT NULL,
    Holiday TEXT COLLATE NOCASE NOT NULL,
    isFixed TEXT COLLATE NOCASE NOT NULL DEFAULT '0'
);
CREATE INDEX ixCoHolidaysDate ON tbcoHolidays (HolidayDate);

-- Stock locations: 161 pharmacy, 28 central supply, 32 supply satellite and others.
-- StoreID is the store a location's movements post to (PH pharmacy, CS central supply).
CREATE TABLE tbInvLocation (
    LocationID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Location TEXT COLLATE NOCASE NOT NULL,
    StoreID TEXT COLLATE NOCASE
);

-- Medicines (ItemType M) and supplies (ItemType S).
CREATE TABLE tbInvMaster (
    ItemID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    DrugName TEXT COLLATE NOCASE NOT NULL,
    GenericName TEXT COLLATE NOCASE,
    Unit TEXT COLLATE NOCASE,
    ItemType TEXT COLLATE NOCASE NOT NULL,
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y'
);
CREATE INDEX ixInvMasterName ON tbInvMaster (DrugName);

-- Stock and selling prices of an item at a location: SellingPriceIn for in-patients,
-- SellingPriceOut for everybody else.
CREATE TABLE tbInvent (
    LocationID TEXT COLLATE NOCASE NOT NULL,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    SellingPriceIn REAL NOT NULL DEFAULT 0,
    SellingPriceOut REAL NOT NULL DEFAULT 0,
    UnitCost REAL NOT NULL DEFAULT 0,
    OnHand REAL NOT NULL DEFAULT 0,
    ReorderLevel REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (LocationID, ItemID)
);
CREATE INDEX ixInventItem ON tbInvent (ItemID);

-- Stock card: one row per movement, in the order the drug component posts its 21 values
-- (positions 19 and 20, lot and expiry, are left out by the department).
CREATE TABLE tbInvStockCard (
    StockCardID INTEGER PRIMARY KEY,
    HospNum TEXT COLLATE NOCASE,
    IdNum TEXT COLLATE NOCASE,
    ItemID TEXT COLLATE NOCASE NOT NULL,
    TransDate DATETIME NOT NULL,
    RefNum TEXT COLLATE NOCASE,
    Quantity REAL NOT NULL,
    IsReturn INTEGER NOT NULL DEFAULT 0,
    Amount REAL NOT NULL DEFAULT 0,
    UserID TEXT COLLATE NOCASE,
    Frequency TEXT COLLATE NOCASE,
    RequestedBy TEXT COLLATE NOCASE,
    LocationID TEXT COLLATE NOCASE NOT NULL,
    Remarks TEXT COLLATE NOCASE,
    RoomID TEXT COLLATE NOCASE,
    IsFree INTEGER NOT NULL DEFAULT 0,
    StoreID TEXT COLLATE NOCASE,
    ChargeStoreID TEXT COLLATE NOCASE,
    RevenueID TEXT COLLATE NOCASE,
    LotNo TEXT COLLATE NOCASE,
    ExpiryDate DATETIME,
    RequestNum TEXT COLLATE NOCASE
);
CREATE INDEX ixInvStockCardItem ON tbInvStockCard (LocationID, ItemID, TransDate);
CREATE INDEX ixInvStockCardIdNum ON tbInvStockCard (IdNum);
CREATE INDEX ixInvStockCardRefNum ON tbInvStockCard (RefNum);
