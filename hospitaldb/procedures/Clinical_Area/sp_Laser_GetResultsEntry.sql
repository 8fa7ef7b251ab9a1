-- The work list: charged exams of a result form that wait for their result.
-- Columns 5, 7 and 8 are the request, hospital and admission numbers.
SELECT coalesce(m.LastName, c.LastName) AS "Last Name",
       coalesce(m.FirstName, c.FirstName) AS "First Name",
       coalesce(m.MiddleName, c.MiddleName) AS "Middle Name",
       r.OtherRevenue AS Examination,
       l.TransDate AS "Date Requested",
       l.RequestNum,
       l.RefNum,
       l.HospNum,
       l.IdNum,
       l.FormType,
       l.PatientType
FROM Clinical_Area.tbLaserMaster l
LEFT JOIN Patient_Data.tbMaster m ON m.HospNum = l.HospNum
LEFT JOIN Patient_Data.tbCashPatient c ON c.HospNum = l.HospNum
LEFT JOIN Build_File.tbcoOtherRevenue r ON r.OtherRevenueID = l.ItemID
WHERE l.RequestStatus = 'X' AND l.FormType IN ('A', 'B') AND l.RevenueID = 'LR'
ORDER BY l.TransDate DESC, l.RequestNum;
