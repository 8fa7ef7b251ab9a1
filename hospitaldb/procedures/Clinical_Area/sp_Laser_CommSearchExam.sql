-- The laser procedures a ward nurse requested for an admission that the department has not
-- charged yet, oldest request first.
-- @IdNum text
SELECT c.ItemID AS itemid, coalesce(r.OtherRevenue, c.ItemID) AS exam, c.Quantity, c.Amount,
       c.RevenueID AS RevenueId, c.RequestNum, c.Stat
FROM Station.tbNurseCommunicationFile c
LEFT JOIN Build_File.tbcoOtherRevenue r ON r.OtherRevenueID = c.ItemID
WHERE c.IdNum = @IdNum AND c.RevenueID = 'LR' AND c.RecordStatus IS NULL
ORDER BY c.RequestDate, c.CommID;
