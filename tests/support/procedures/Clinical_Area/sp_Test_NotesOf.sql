-- The notes of one owner, for the caller to update.
-- @Owner text
-- updates: Clinical_Area.tbNote
SELECT NoteID, Owner, Body, Amount, rowid AS __rowid FROM Clinical_Area.tbNote WHERE Owner = @Owner;
