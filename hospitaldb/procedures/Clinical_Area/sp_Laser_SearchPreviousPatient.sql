-- Admissions ('I') or out-patient visits and walk-in cash patients ('O'), newest first.
-- Option 2 finds one admission or visit by its number; option 1 lists by number, hospital
-- number or the beginning of the last name. Walk-ins are keyed by their hospital number.
-- @Type text
-- @Option int
-- @Search text
SELECT p.HospNum,
       p.IdNum,
       rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, ''))
           AS FullName,
       p.AdmDate,
       p.RoomID,
       p.AccountNum,
       rtrim(d.LastName || ', ' || ifnull(d.FirstName, '')) AS RequestDoctor,
       p.Age
FROM Patient_Data.tbPatient p
JOIN Patient_Data.tbMaster m ON m.HospNum = p.HospNum
LEFT JOIN Build_File.tbCoDoctor d ON d.DoctorID = p.AttendingDr1
WHERE @Type = 'I'
  AND (p.IdNum = @Search
       OR (@Option = 1 AND (p.HospNum = @Search
           OR (m.LastName >= @Search AND m.LastName < @Search || char(1114111)))))
UNION ALL
SELECT o.HospNum,
       o.IdNum,
       rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, '')),
       o.AdmDate,
       '',
       o.AccountNum,
       rtrim(d.LastName || ', ' || ifnull(d.FirstName, '')),
       o.Age
FROM Patient_Data.tbOutpatient o
JOIN Patient_Data.tbMaster m ON m.HospNum = o.HospNum
LEFT JOIN Build_File.tbCoDoctor d ON d.DoctorID = o.DoctorID1
WHERE @Type = 'O'
  AND (o.IdNum = @Search
       OR (@Option = 1 AND (o.HospNum = @Search
           OR (m.LastName >= @Search AND m.LastName < @Search || char(1114111)))))
UNION ALL
SELECT c.HospNum,
       c.HospNum,
       rtrim(c.LastName || ', ' || ifnull(c.FirstName, '') || ' ' || ifnull(c.MiddleName, '')),
       c.RegDate,
       '',
       c.HospNum,
       NULL,
       c.Age
FROM Patient_Data.tbCashPatient c
WHERE @Type = 'O'
  AND (c.HospNum = @Search
       OR (@Option = 1 AND c.LastName >= @Search AND c.LastName < @Search || char(1114111)))
ORDER BY 4 DESC
LIMIT 500;
