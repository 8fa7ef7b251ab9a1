-- Refills Reports..tbCensusByStation with every station's beds, the patients in house at the
-- end of the census day, and the admissions and discharges of that day, for one station or,
-- when StationID is empty, for all. The census date comes as "yyyy/mm/dd". The caller does not
-- read the result.
-- @CensusDate text
-- @StationID text = ''
DELETE FROM Reports.tbCensusByStation;
INSERT INTO Reports.tbCensusByStation (CensusDate, StationID, Station, Beds, Occupied, Admitted,
    Discharged)
SELECT replace(@CensusDate, '/', '-') || ' 00:00:00.000',
       s.StationID,
       s.Station,
       (SELECT ifnull(sum(r.Beds), 0) FROM Build_File.tbCoroom r
        WHERE r.StationID = s.StationID AND r.Active = 'Y'),
       (SELECT count(*) FROM Patient_Data.tbPatient p
        JOIN Build_File.tbCoroom r ON r.RoomID = p.RoomID
        WHERE r.StationID = s.StationID
          AND p.AdmDate < date(replace(@CensusDate, '/', '-'), '+1 day')
          AND (p.DcrDate IS NULL OR p.DcrDate >= date(replace(@CensusDate, '/', '-'), '+1 day'))),
       (SELECT count(*) FROM Patient_Data.tbPatient p
        JOIN Build_File.tbCoroom r ON r.RoomID = p.RoomID
        WHERE r.StationID = s.StationID
          AND p.AdmDate >= date(replace(@CensusDate, '/', '-'))
          AND p.AdmDate < date(replace(@CensusDate, '/', '-'), '+1 day')),
       (SELECT count(*) FROM Patient_Data.tbPatient p
        JOIN Build_File.tbCoroom r ON r.RoomID = p.RoomID
        WHERE r.StationID = s.StationID
          AND p.DcrDate >= date(replace(@CensusDate, '/', '-'))
          AND p.DcrDate < date(replace(@CensusDate, '/', '-'), '+1 day'))
FROM Build_File.tbCoStation s
WHERE ifnull(@StationID, '') = '' OR s.StationID = @StationID;
SELECT count(*) AS Stations FROM Reports.tbCensusByStation;
