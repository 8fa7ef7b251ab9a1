-- Registered out-patient visits whose patient's last name begins with the text, newest first.
-- Column 0 is the name, 1 the visit number.
-- @Search text
SELECT rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, ''))
           AS FullName,
       o.IdNum AS "Admission#",
       o.InvoiceDate AS BillingDate,
       o.AdmDate
FROM Patient_Data.tbMaster m
JOIN Patient_Data.tbOutpatient o ON o.HospNum = m.HospNum
WHERE m.LastName >= @Search AND m.LastName < @Search || char(1114111)
ORDER BY 1, o.AdmDate DESC
LIMIT 500;
