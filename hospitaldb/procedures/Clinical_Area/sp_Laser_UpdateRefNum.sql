-- Advances the charge slip counter past the number just taken.
UPDATE Clinical_Area.tbLaserSlip SET ChargeSlip = ChargeSlip + 1;
