-- Replaces the activity trail of the employee's open log row.
-- @EmployeeID text
-- @Remarks text
UPDATE Clinical_Area.tbLaser_UserLogin SET Remarks = @Remarks
WHERE EmployeeID = @EmployeeID AND LogOutDate IS NULL;
