-- Records one charged line in the request master, at status X (charged). A paid cash line is
-- sent without its department and is a laser procedure.
-- @HospNum text
-- @IdNum text
-- @RequestNum text
-- @ItemID text
-- @Amount money
-- @DoctorID text
-- @PatientType text
-- @RefNum text
-- @UserID text
-- @NurseRequestNum text
-- @FormType text
-- @Quantity money
-- @ReaderFee int
-- @Remarks text
-- @Discount money
-- @DoctorName text
-- @RevenueID text = LR
INSERT INTO Clinical_Area.tbLaserMaster (RequestNum, RefNum, HospNum, IdNum, ItemID, RevenueID,
    Amount, Quantity, DoctorID, DoctorName, PatientType, TransDate, UserID, NurseRequestNum,
    FormType, ReaderFee, Remarks, Discount, RequestStatus)
VALUES (@RequestNum, @RefNum, @HospNum, @IdNum, @ItemID, @RevenueID, @Amount, @Quantity,
    @DoctorID, @DoctorName, @PatientType, getdate(), @UserID, @NurseRequestNum, @FormType,
    @ReaderFee, @Remarks, @Discount, 'X');
