-- The server's clock, and its time of day.
SELECT getdate() AS Now, convert(varchar, getdate(), 108) AS Time;
