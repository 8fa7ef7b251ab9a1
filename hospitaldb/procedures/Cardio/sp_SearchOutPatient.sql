-- One out-patient visit with its invoice state: InvoiceNumber is null until the visit is
-- invoiced; latecharges 1 while an invoiced visit still takes charges.
-- @IdNum text
SELECT o.IdNum,
       o.HospNum,
       o.PatientType,
       o.AccountNum,
       o.InvoiceNumber,
       o.LateCharges AS latecharges,
       o.AdmDate,
       o.DoctorID1 AS doctorid1,
       rtrim(m.LastName || ', ' || ifnull(m.FirstName, '') || ' ' || ifnull(m.MiddleName, ''))
           AS FullName
FROM Patient_Data.tbOutpatient o
JOIN Patient_Data.tbMaster m ON m.HospNum = o.HospNum
WHERE o.IdNum = @IdNum;
