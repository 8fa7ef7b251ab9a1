-- The patient's standing charges of an item in a department, one row per charge slip, the
-- latest first: what is left after reversals, and when it was charged.
-- @IdNum text
-- @RevenueID text
-- @ItemID text
SELECT RefNum, sum(Amount) AS Amount, min(TransDate) AS DateCharge
FROM Billing.tbBillDailyBill
WHERE IdNum = @IdNum AND ItemID = @ItemID
  AND (RevenueID = @RevenueID OR DepartmentID = @RevenueID)
GROUP BY RefNum
HAVING sum(Amount) > 0
ORDER BY DateCharge DESC;
