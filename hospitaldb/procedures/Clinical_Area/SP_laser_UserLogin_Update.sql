-- Closes the employee's open log row at log-out.
-- @EmployeeID text
UPDATE Clinical_Area.tbLaser_UserLogin SET LogOutDate = getdate()
WHERE EmployeeID = @EmployeeID AND LogOutDate IS NULL;
