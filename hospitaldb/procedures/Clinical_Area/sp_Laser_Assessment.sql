-- Cash assessments of the department not paid yet and not revoked, newest first.
SELECT a.RefNum AS "Assessment No.",
       a.Name,
       a.TransDate AS "Date",
       sum(a.Amount * a.Quantity) AS Amount,
       a.IdNum,
       a.HospNum
FROM Billing.tbCashAssessment a
WHERE a.RevenueID IN ('LR', 'LM', 'LC', 'MD') AND a.ORNumber IS NULL
  AND ifnull(a.RecordStatus, '') <> 'R'
GROUP BY a.RefNum, a.Name, a.TransDate, a.IdNum, a.HospNum
ORDER BY a.TransDate DESC;
