-- Records a medicine or supply request item (or, with negative amounts, its reversal).
-- @RequestNum text
-- @RevenueID text
-- @TransDate datetime
-- @HospNum text
-- @IdNum text
-- @LocationID text
-- @ItemID text
-- @Quantity money
-- @Amount money
-- @RoomID text
-- @RefNum text
-- @NurseRequestNum text
-- @DoctorID text
INSERT INTO Cardio.tbCardioRequestItems (RequestNum, RevenueID, TransDate, HospNum, IdNum,
    LocationID, ItemID, Quantity, Amount, RoomID, RefNum, NurseRequestNum, DoctorID)
VALUES (@RequestNum, @RevenueID, @TransDate, @HospNum, @IdNum, @LocationID, @ItemID, @Quantity,
    @Amount, @RoomID, @RefNum, @NurseRequestNum, @DoctorID);
