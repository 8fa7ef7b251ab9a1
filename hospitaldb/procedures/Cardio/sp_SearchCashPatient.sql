-- One walk-in cash patient by hospital number.
-- @HospNum text
SELECT c.HospNum,
       rtrim(c.LastName || ', ' || ifnull(c.FirstName, '') || ' ' || ifnull(c.MiddleName, ''))
           AS FullName,
       c.Sex,
       c.Age,
       c.RegDate,
       c.LastName,
       c.FirstName,
       c.MiddleName,
       c.BirthDate
FROM Patient_Data.tbCashPatient c
WHERE c.HospNum = @HospNum;
