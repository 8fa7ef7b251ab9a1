-- Patients of the department's charge entry: 'I' current admissions, 'O' out-patient visits,
-- 'W' walk-in cash patients. Columns: hospital number, admission or visit number ("CASH" for
-- walk-ins), name, billed date, account, account status ("Not Okey" under cash basis), room.
-- Without a search text: current admissions, open visits, walk-ins of the last 30 days.
-- @Type text
SELECT p.HospNum AS "Hosp. No.",
       p.IdNum AS "Adm. No.",
       rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, '')) AS "Patient Name",
       p.BillingDate AS "Billed Date",
       p.AccountNum AS "Account No.",
       CASE WHEN ifnull(p2.OkeyLR, 0) = 1 THEN 'Not Okey' ELSE 'Okey' END AS "Account Status",
       p.RoomID AS Room
FROM Patient_Data.tbMaster m
JOIN Patient_Data.tbPatient p ON p.HospNum = m.HospNum
LEFT JOIN Patient_Data.tbPatient2 p2 ON p2.IdNum = p.IdNum
WHERE @Type = 'I' AND p.DcrDate IS NULL AND 1 = 1
UNION ALL
SELECT o.HospNum, o.IdNum, rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, '')), o.InvoiceDate, o.AccountNum, o.PatientType, o.AdmDate
FROM Patient_Data.tbMaster m
JOIN Patient_Data.tbOutpatient o ON o.HospNum = m.HospNum
WHERE @Type = 'O' AND o.InvoiceNumber IS NULL
UNION ALL
SELECT c.HospNum, 'CASH', rtrim(c.LastName || ', ' || ifnull(c.FirstName, '') || ' ' || ifnull(c.MiddleName, '')), NULL, c.HospNum, '', ''
FROM Patient_Data.tbCashPatient c
WHERE @Type = 'W' AND c.RegDate >= date(getdate(), '-30 days')
ORDER BY 3, 2
LIMIT 500;
