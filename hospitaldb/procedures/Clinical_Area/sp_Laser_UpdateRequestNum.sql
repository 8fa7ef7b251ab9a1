-- Advances the request counter past the number just taken.
UPDATE Clinical_Area.tbLaserSlip SET RequestNum = RequestNum + 1;
