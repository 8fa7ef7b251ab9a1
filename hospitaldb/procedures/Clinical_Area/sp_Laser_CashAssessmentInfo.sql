-- Patients that can be assessed for cash. @Kind: 1 walk-in, 3 confined (current admission),
-- 4 registered out-patient (visit not yet invoiced). @Mode 2 seeks one patient by hospital,
-- admission or visit number; mode 1 lists by those numbers or the beginning of the last or
-- first name. Walk-ins show "CASH" as their admission number.
-- @Kind int
-- @Mode int
-- @Search text
SELECT p.IdNum,
       m.HospNum,
       m.LastName,
       m.FirstName,
       m.MiddleName,
       m.Sex,
       rtrim(ifnull(m.HouseStreet, '') || ' ' || ifnull(m.Barangay, '') || ' ' || ifnull(z.Town, ''))
           AS Address,
       m.ZipCode,
       m.Barangay,
       m.HouseStreet,
       m.BirthDate,
       m.CivilStatusID AS CivilStatusId
FROM Patient_Data.tbPatient p
JOIN Patient_Data.tbMaster m ON m.HospNum = p.HospNum
LEFT JOIN Build_File.tbCoZipCode z ON z.ZipCode = m.ZipCode
WHERE @Kind = 3 AND p.DcrDate IS NULL
  AND (p.IdNum = @Search OR m.HospNum = @Search
       OR (@Mode = 1 AND ((m.LastName >= @Search AND m.LastName < @Search || char(1114111))
           OR (m.FirstName >= @Search AND m.FirstName < @Search || char(1114111)))))
UNION ALL
SELECT o.IdNum, m.HospNum, m.LastName, m.FirstName, m.MiddleName, m.Sex,
       rtrim(ifnull(m.HouseStreet, '') || ' ' || ifnull(m.Barangay, '') || ' ' || ifnull(z.Town, '')),
       m.ZipCode, m.Barangay, m.HouseStreet, m.BirthDate, m.CivilStatusID
FROM Patient_Data.tbOutpatient o
JOIN Patient_Data.tbMaster m ON m.HospNum = o.HospNum
LEFT JOIN Build_File.tbCoZipCode z ON z.ZipCode = m.ZipCode
WHERE @Kind = 4 AND o.InvoiceNumber IS NULL
  AND (o.IdNum = @Search OR m.HospNum = @Search
       OR (@Mode = 1 AND ((m.LastName >= @Search AND m.LastName < @Search || char(1114111))
           OR (m.FirstName >= @Search AND m.FirstName < @Search || char(1114111)))))
UNION ALL
SELECT 'CASH', c.HospNum, c.LastName, c.FirstName, c.MiddleName, c.Sex,
       rtrim(ifnull(c.HouseStreet, '') || ' ' || ifnull(c.Barangay, '') || ' ' || ifnull(z.Town, '')),
       c.ZipCode, c.Barangay, c.HouseStreet, c.BirthDate, c.CivilStatusID
FROM Patient_Data.tbCashPatient c
LEFT JOIN Build_File.tbCoZipCode z ON z.ZipCode = c.ZipCode
WHERE @Kind = 1
  AND (c.HospNum = @Search
       OR (@Mode = 1 AND ((c.LastName >= @Search AND c.LastName < @Search || char(1114111))
           OR (c.FirstName >= @Search AND c.FirstName < @Search || char(1114111)))))
ORDER BY 3, 4
LIMIT 500;
