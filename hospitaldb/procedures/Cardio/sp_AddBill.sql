-- Posts one charge to the patient's bill.
-- @PatientType text
-- @IdNum text
-- @TransDate datetime
-- @RefNum text
-- @ItemID text
-- @Amount money
-- @RevenueID text
-- @UserID text
-- @Quantity money
-- @DepartmentID text
-- @ChargeType text
-- @DoctorID text
-- @DoctorName text
INSERT INTO Billing.tbBillDailyBill (PatientType, IdNum, TransDate, RefNum, ItemID, Amount,
    RevenueID, UserID, Quantity, DepartmentID, ChargeType, DoctorID, DoctorName)
VALUES (@PatientType, @IdNum, @TransDate, @RefNum, @ItemID, @Amount, @RevenueID, @UserID,
    @Quantity, @DepartmentID, @ChargeType, @DoctorID, @DoctorName);
