-- Closes the employee's open log rows at log-out, those left open by an earlier run included.
-- @EmployeeID text
UPDATE Clinical_Area.tbLaser_UserLogin SET LogOutDate = getdate()
WHERE EmployeeID = @EmployeeID AND LogOutDate IS NULL;
