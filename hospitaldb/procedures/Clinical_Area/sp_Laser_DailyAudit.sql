-- The department's charge lines between two dates (whole days, both included), with the
-- patient's name and the item's description, by reference number. The laser request master
-- holds the lines of department LR only. Revoked lines are listed at zero with their status.
-- @StartDate datetime
-- @EndDate datetime
-- @DepartmentID text = 'LR'
SELECT l.RefNum,
       l.TransDate,
       l.PatientType,
       l.HospNum,
       l.IdNum,
       ifnull(m.LastName || ', ' || m.FirstName, ifnull(w.LastName || ', ' || w.FirstName, '')) AS PatientName,
       l.RevenueID,
       l.ItemID,
       coalesce(o.OtherRevenue, i.DrugName, d.LastName || ', ' || d.FirstName, l.ItemID) AS Description,
       l.Quantity,
       CASE WHEN l.RequestStatus = 'R' THEN 0 ELSE l.Amount END AS Amount,
       l.RequestStatus,
       l.UserID
FROM Clinical_Area.tbLaserMaster l
LEFT JOIN Patient_Data.tbMaster m ON m.HospNum = l.HospNum
LEFT JOIN Patient_Data.tbCashPatient w ON w.HospNum = l.HospNum
LEFT JOIN Build_File.tbcoOtherRevenue o ON o.OtherRevenueID = l.ItemID AND l.RevenueID = 'LR'
LEFT JOIN Build_File.tbInvMaster i ON i.ItemID = l.ItemID AND l.RevenueID IN ('LM', 'LC')
LEFT JOIN Build_File.tbCoDoctor d ON d.DoctorID = l.ItemID AND l.RevenueID = 'MD'
WHERE l.TransDate >= @StartDate
  AND l.TransDate < date(@EndDate, '+1 day')
  AND upper(@DepartmentID) = 'LR'
ORDER BY l.RefNum, l.RequestNum;
