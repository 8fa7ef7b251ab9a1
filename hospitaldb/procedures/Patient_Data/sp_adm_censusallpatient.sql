-- Refills Reports..tbCensusAllPatient with the patients in house at the end of the census day
-- (admitted by then and not yet discharged), of one station or, when StationID is empty, of
-- all. The census date comes as "yyyy/mm/dd". The caller does not read the result.
-- @CensusDate text
-- @StationID text = ''
DELETE FROM Reports.tbCensusAllPatient;
INSERT INTO Reports.tbCensusAllPatient (CensusDate, StationID, Station, RoomID, RoomClassID,
    HospNum, IdNum, PatientName, Age, Sex, AdmDate, AttendingDoctor, Company)
SELECT replace(@CensusDate, '/', '-') || ' 00:00:00.000',
       r.StationID,
       s.Station,
       p.RoomID,
       r.RoomClassID,
       p.HospNum,
       p.IdNum,
       m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), ''),
       p.Age,
       m.Sex,
       p.AdmDate,
       ifnull('DR. ' || d.FirstName || ' ' || d.LastName, ''),
       ifnull(c.Company, 'PERSONAL')
FROM Patient_Data.tbPatient p
JOIN Patient_Data.tbMaster m ON m.HospNum = p.HospNum
JOIN Build_File.tbCoroom r ON r.RoomID = p.RoomID
LEFT JOIN Build_File.tbCoStation s ON s.StationID = r.StationID
LEFT JOIN Build_File.tbCoDoctor d ON d.DoctorID = p.AttendingDr1
LEFT JOIN Build_File.tbCoCompany c ON c.AccountNum = p.AccountNum
WHERE p.AdmDate < date(replace(@CensusDate, '/', '-'), '+1 day')
  AND (p.DcrDate IS NULL OR p.DcrDate >= date(replace(@CensusDate, '/', '-'), '+1 day'))
  AND (ifnull(@StationID, '') = '' OR r.StationID = @StationID);
SELECT count(*) AS Patients FROM Reports.tbCensusAllPatient;
