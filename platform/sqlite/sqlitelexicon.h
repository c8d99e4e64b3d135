#pragma once

#include "platform/lexicon.h"

namespace platform::sqlite {

// The lexicon store on SQLite files. A table's named index is the SQLite
// index called "<table>.<name>" (or just "<name>") on one column; its
// collation decides how seeks compare (NOCASE: without regard to case).
//
// Cursors seek with prepared, indexed statements. The checker's per-word
// lookups do not go through cursors: it reads the tables whole once
// (readTable) into its own word index (spelling/wordindex.h).
//
// A program that ends while it is adding a word (killed, or the machine goes
// down) leaves the unfinished change in "<file>-journal"; the next open
// undoes it. That takes write access to the file and its folder: without it
// the file cannot be read at all, and open() says so in plain words.
class SqliteLexiconStore : public LexiconStore {
  public:
    struct Options {
        // Opens the files for reading only (a lexicon on read-only media, a
        // check that must leave the files as they are): nothing is written,
        // and an unfinished change is left in place and reported.
        bool readOnly = false;
    };
    SqliteLexiconStore() = default;
    explicit SqliteLexiconStore(Options options) : options_(options) {}
    std::unique_ptr<LexiconDatabase> open(const QString& path, QString* error = nullptr) override;

  private:
    Options options_;
};

} // namespace platform::sqlite
