-- The next request number; advanced by sp_Laser_UpdateRequestNum in the same transaction.
SELECT RequestNum FROM Clinical_Area.tbLaserSlip LIMIT 1;
