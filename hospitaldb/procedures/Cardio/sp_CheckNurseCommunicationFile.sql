-- The ward's request for an exam, for the caller to mark: mode 0 finds the pending request the
-- department is charging, mode 1 the charged one it is resulting.
-- updates: Station.tbNurseCommunicationFile
-- @Mode text
-- @PatientType text
-- @RevenueID text
-- @ItemID text
-- @IdNum text
-- @RequestNum text
SELECT *, rowid AS __rowid FROM Station.tbNurseCommunicationFile
WHERE IdNum = @IdNum AND PatientType = @PatientType AND RevenueID = @RevenueID
  AND ItemID = @ItemID AND RequestNum = @RequestNum
  AND ((@Mode = '0' AND RecordStatus IS NULL) OR (@Mode = '1' AND RecordStatus = 'X'))
ORDER BY CommID LIMIT 1;
