-- The department's discharge clearance of an admission, if any.
-- @IdNum text
SELECT IdNum, DepartmentID, UserID, ClearDate, ClearRemarks, RecordStatus
FROM Station.tbDischargeClearance
WHERE IdNum = @IdNum AND DepartmentID = 'LR';
