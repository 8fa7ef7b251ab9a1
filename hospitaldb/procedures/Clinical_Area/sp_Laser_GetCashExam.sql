-- The department's paid lines of one official receipt that it has not charged yet, with the
-- amount paid for each line.
-- @ORNumber text
SELECT a.RevenueID AS RevenueId, a.ItemID AS itemid,
       coalesce(r.OtherRevenue, i.DrugName, a.ItemID) AS exam,
       a.Quantity, a.Amount * a.Quantity AS Amount, a.RequestNum
FROM Billing.tbCashAssessment a
LEFT JOIN Build_File.tbcoOtherRevenue r ON r.OtherRevenueID = a.ItemID
LEFT JOIN Build_File.tbInvMaster i ON i.ItemID = a.ItemID
WHERE a.ORNumber = @ORNumber AND a.Served = 'N' AND ifnull(a.RecordStatus, '') <> 'R'
  AND a.RevenueID IN ('LR', 'LM', 'LC', 'MD')
ORDER BY a.RequestNum;
