-- The nurses' log book row of a requested exam, for the caller to mark: mode 0 finds the row
-- still waiting for the department, mode 1 the charged one being resulted.
-- updates: Station.tbNurseLogBook
-- @Mode text
-- @PatientType text
-- @IdNum text
-- @RevenueID text
-- @ItemID text
-- @RequestNum text
SELECT *, rowid AS __rowid FROM Station.tbNurseLogBook
WHERE IdNum = @IdNum AND PatientType = @PatientType AND RevenueID = @RevenueID
  AND ItemID = @ItemID AND RequestNum = @RequestNum
  AND ((@Mode = '0' AND RecordStatus IS NULL) OR (@Mode = '1' AND RecordStatus = 'X'))
ORDER BY LogBookID LIMIT 1;
