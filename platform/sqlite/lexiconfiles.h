#pragma once

#include "platform/sqlite/sqlitedb.h"

namespace platform::sqlite {

// The tables of each lexicon file, by the file's name ("qn.accdb",
// "quarn words.accdb", "dictionary.accdb"). Text keys that the checker
// seeks compare without regard to (ASCII) case. Indexes are made apart, so
// that a bulk load can add them after its rows. Both return false (and
// leave SQLite's error on `db`) on failure or an unknown file name.
bool createLexiconTables(Database& db, const QString& fileName);
bool createLexiconIndexes(Database& db, const QString& fileName);

} // namespace platform::sqlite
