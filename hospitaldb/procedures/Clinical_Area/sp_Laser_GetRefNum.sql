-- The next charge slip number. The caller advances the counter with sp_Laser_UpdateRefNum in
-- the same transaction, which holds the write lock from its start.
SELECT ChargeSlip FROM Clinical_Area.tbLaserSlip LIMIT 1;
