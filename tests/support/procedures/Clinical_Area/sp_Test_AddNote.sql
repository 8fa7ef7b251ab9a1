-- Adds a note and returns it.
-- @NoteID int
-- @Owner text
-- @Body text = 'none'
-- @Amount money = 0
-- @Noted datetime = NULL
INSERT INTO Clinical_Area.tbNote (NoteID, Owner, Body, Amount, Noted)
VALUES (@NoteID, @Owner, @Body, @Amount, @Noted);
SELECT Owner, Body, Amount, Noted FROM Clinical_Area.tbNote WHERE NoteID = @NoteID;
UPDATE Clinical_Area.tbCounter SET LastValue = LastValue WHERE Name = 'slip';
