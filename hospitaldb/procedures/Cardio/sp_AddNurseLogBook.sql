-- Writes the nurses' log book row of an exam or fee the department charged on its own (no
-- nurse request), already processed.
-- @HospNum text
-- @IdNum text
-- @ItemID text
-- @Description text
-- @Amount money
-- @RequestBy text
-- @ProcessBy text
-- @ReferenceNum text
-- @RevenueID text
-- @PatientType text
-- @RequestNum text
-- @Quantity money
INSERT INTO Station.tbNurseLogBook (HospNum, IdNum, PatientType, RevenueID, ItemID, Description,
    Quantity, Amount, RequestNum, ReferenceNum, TransDate, RequestBy, RecordStatus, ProcessBy,
    ProcessDate)
VALUES (@HospNum, @IdNum, @PatientType, @RevenueID, @ItemID, @Description, @Quantity, @Amount,
    @RequestNum, @ReferenceNum, getdate(), @RequestBy, 'X', @ProcessBy, getdate());
