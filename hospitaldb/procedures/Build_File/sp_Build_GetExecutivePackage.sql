-- The executive check-up package an admission is under, if any.
-- @IdNum text
SELECT p.IdNum, k.PackageID, k.Package, k.Amount
FROM Patient_Data.tbPatient p JOIN Build_File.tbCoPackage k ON k.PackageID = p.PackageID
WHERE p.IdNum = @IdNum;
