-- Work tables that the census procedures fill for their report templates, replaced on every run.

-- In-house patients on the census date, one row per admission.
CREATE TABLE tbCensusAllPatient (
    CensusDate DATETIME NOT NULL,
    StationID TEXT COLLATE NOCASE,
    Station TEXT COLLATE NOCASE,
    RoomID TEXT COLLATE NOCASE,
    RoomClassID TEXT COLLATE NOCASE,
    HospNum TEXT COLLATE NOCASE,
    IdNum TEXT COLLATE NOCASE,
    PatientName TEXT COLLATE NOCASE,
    Age TEXT COLLATE NOCASE,
    Sex TEXT COLLATE NOCASE,
    AdmDate DATETIME,
    AttendingDoctor TEXT COLLATE NOCASE,
    Company TEXT COLLATE NOCASE
);
CREATE INDEX ixCensusAllPatientStation ON tbCensusAllPatient (StationID, RoomID);

-- Occupancy per nurse station on the census date.
CREATE TABLE tbCensusByStation (
    CensusDate DATETIME NOT NULL,
    StationID TEXT COLLATE NOCASE NOT NULL,
    Station TEXT COLLATE NOCASE,
    Beds INTEGER NOT NULL DEFAULT 0,
    Occupied INTEGER NOT NULL DEFAULT 0,
    Admitted INTEGER NOT NULL DEFAULT 0,
    Discharged INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ixCensusByStationStation ON tbCensusByStation (StationID);
