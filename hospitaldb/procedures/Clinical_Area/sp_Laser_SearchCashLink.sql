-- The cash link list: paid receipts not yet charged, for patients whose name begins with the
-- text. Column 1 is the patient's name, 4 the receipt number, 5 the amount paid.
-- @Name text
SELECT a.HospNum,
       a.Name,
       group_concat(r.OtherRevenue, ', ') AS Examination,
       a.ORDate AS "Date Paid",
       a.ORNumber AS "OR Number",
       sum(a.Amount * a.Quantity) AS Amount,
       a.RefNum
FROM Billing.tbCashAssessment a
LEFT JOIN Build_File.tbcoOtherRevenue r ON r.OtherRevenueID = a.ItemID
WHERE a.RevenueID IN ('LR', 'LM', 'LC', 'MD') AND a.ORNumber IS NOT NULL AND a.Served = 'N'
  AND ifnull(a.RecordStatus, '') <> 'R'
  AND a.Name >= @Name AND a.Name < @Name || char(1114111)
GROUP BY a.ORNumber, a.HospNum, a.Name, a.ORDate, a.RefNum
ORDER BY a.ORDate DESC;
