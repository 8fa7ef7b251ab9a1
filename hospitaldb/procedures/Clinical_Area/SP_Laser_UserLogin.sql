-- Opens a user log row at log-in. Rows the employee left open (a run that ended without
-- log-out) are closed first, so that the activity trail always has exactly one open row to
-- extend. Two workstations may draw the same sequence at once; the second then takes the next
-- free one.
-- @LogSequence int
-- @EmployeeID text
-- @Remarks text
-- @LoginDate datetime
-- @LogOutDate datetime = NULL
UPDATE Clinical_Area.tbLaser_UserLogin SET LogOutDate = getdate()
WHERE EmployeeID = @EmployeeID AND LogOutDate IS NULL;
INSERT INTO Clinical_Area.tbLaser_UserLogin (LogSequence, EmployeeID, LoginDate, LogOutDate, Remarks)
SELECT CASE WHEN EXISTS (SELECT 1 FROM Clinical_Area.tbLaser_UserLogin WHERE LogSequence = @LogSequence)
            THEN (SELECT max(LogSequence) + 1 FROM Clinical_Area.tbLaser_UserLogin)
            ELSE @LogSequence END,
       @EmployeeID, @LoginDate, @LogOutDate, @Remarks;
