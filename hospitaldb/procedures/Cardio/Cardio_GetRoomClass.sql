-- The room class of an admission's room.
-- @IdNum text
SELECT p.IdNum, p.RoomID, r.RoomClassID
FROM Patient_Data.tbPatient p
JOIN Build_File.tbCoroom r ON r.RoomID = p.RoomID
WHERE p.IdNum = @IdNum;
