-- One registered out-patient visit by its number.
-- @IdNum text
SELECT o.IdNum, o.HospNum, o.DcrDate, o.AdmDate, o.AccountNum, o.PatientType
FROM Patient_Data.tbOutpatient o
WHERE o.IdNum = @IdNum;
