-- Employees who may log in, with their department and salted password hash
-- ("pbkdf2-sha256$<iterations>$<salt hex>$<key hex>"). EmployeeName is the display name
-- printed on slips and reports.
CREATE TABLE tbEmployee (
    EmployeeCode TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    LastName TEXT COLLATE NOCASE NOT NULL,
    FirstName TEXT COLLATE NOCASE,
    MiddleName TEXT COLLATE NOCASE,
    EmployeeName TEXT COLLATE NOCASE NOT NULL,
    DeptCode TEXT COLLATE NOCASE NOT NULL,
    Position TEXT COLLATE NOCASE,
    PasswordHash TEXT NOT NULL,
    Active TEXT COLLATE NOCASE NOT NULL DEFAULT 'Y',
    DateCreated DATETIME
);
CREATE INDEX ixEmployeeDept ON tbEmployee (DeptCode);
CREATE INDEX ixEmployeeName ON tbEmployee (LastName, FirstName);
