-- Adds one line to the print table of the charge slip being printed.
-- @Code text
-- @Examination text
-- @Quantity money
-- @Amount money
INSERT INTO Clinical_Area.tbLaserChargeSlip (Code, Examination, Quantity, Amount)
VALUES (@Code, @Examination, @Quantity, @Amount);
