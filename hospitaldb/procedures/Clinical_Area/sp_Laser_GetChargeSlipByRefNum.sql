-- The charged lines of one charge slip with the names a slip prints: the procedure, medicine or
-- supply, or the doctor of a professional fee.
-- @RefNum text
SELECT m.TransDate AS "trans. date", m.RefNum AS "charge slip no.",
       coalesce(e.EmployeeName, m.UserID) AS UserName,
       m.ItemID AS Code,
       coalesce(r.OtherRevenue, i.DrugName,
                d.LastName || ',' || d.FirstName || ' ' || coalesce(d.MiddleName, ''),
                m.ItemID) AS Examination,
       m.Quantity, m.Amount
FROM Clinical_Area.tbLaserMaster m
LEFT JOIN Password.tbEmployee e ON e.EmployeeCode = m.UserID
LEFT JOIN Build_File.tbcoOtherRevenue r
       ON m.RevenueID = 'LR' AND r.OtherRevenueID = m.ItemID AND r.OtherSectionID = 'LR'
LEFT JOIN Build_File.tbInvMaster i ON m.RevenueID IN ('LM', 'LC') AND i.ItemID = m.ItemID
LEFT JOIN Build_File.tbCoDoctor d ON m.RevenueID = 'MD' AND d.DoctorID = m.ItemID
WHERE m.RefNum = @RefNum
ORDER BY m.RequestNum;
