-- Marks a paid line of an official receipt as charged by the department, so that the receipt
-- leaves the list of paid receipts waiting to be charged once all its lines are.
-- @ORNumber text
-- @ItemID text
-- @RevenueID text
-- @Remarks text = NULL
UPDATE Billing.tbCashAssessment SET Served = 'Y'
WHERE ORNumber = @ORNumber AND ItemID = @ItemID AND Served = 'N';
