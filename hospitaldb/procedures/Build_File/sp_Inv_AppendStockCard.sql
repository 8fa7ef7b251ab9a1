-- Posts one movement to the stock card and takes its quantity off the stock at the location
-- (a negative quantity, a reversal, puts it back).
-- @HospNum text
-- @IdNum text
-- @ItemID text
-- @TransDate datetime
-- @RefNum text
-- @Quantity money
-- @IsReturn int
-- @Amount money
-- @UserID text
-- @Frequency text
-- @RequestedBy text
-- @LocationID text
-- @Remarks text
-- @RoomID text
-- @IsFree int
-- @StoreID text
-- @ChargeStoreID text
-- @RevenueID text
-- @LotNo text
-- @ExpiryDate datetime
-- @RequestNum text
INSERT INTO Build_File.tbInvStockCard (HospNum, IdNum, ItemID, TransDate, RefNum, Quantity,
    IsReturn, Amount, UserID, Frequency, RequestedBy, LocationID, Remarks, RoomID, IsFree,
    StoreID, ChargeStoreID, RevenueID, LotNo, ExpiryDate, RequestNum)
VALUES (@HospNum, @IdNum, @ItemID, @TransDate, @RefNum, @Quantity, @IsReturn, @Amount, @UserID,
    @Frequency, @RequestedBy, @LocationID, @Remarks, @RoomID, @IsFree, @StoreID, @ChargeStoreID,
    @RevenueID, @LotNo, @ExpiryDate, @RequestNum);
UPDATE Build_File.tbInvent SET OnHand = OnHand - @Quantity
WHERE LocationID = @LocationID AND ItemID = @ItemID;
