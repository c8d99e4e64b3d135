#include "platform/sqlite/lexiconfiles.h"

namespace platform::sqlite {
namespace {

struct FileSchema {
    const char* file;
    const char* tables;
    const char* indexes;
};

const FileSchema kSchemas[] = {
    {"qn.accdb",
     R"(CREATE TABLE "Velmora" ("ID" INTEGER NOT NULL, "WordID" INTEGER, "LinkID" INTEGER, "startID" INTEGER);
        CREATE TABLE "z_Misspelling-Wikipedia" ("Wrong" TEXT COLLATE NOCASE, "Right" TEXT);)",
     R"(CREATE UNIQUE INDEX "Velmora.ID" ON "Velmora" ("ID");
        CREATE INDEX "Velmora.WordID" ON "Velmora" ("WordID");
        CREATE INDEX "z_Misspelling-Wikipedia.Wrong" ON "z_Misspelling-Wikipedia" ("Wrong");)"},
    {"quarn words.accdb",
     R"(CREATE TABLE "Words" ("id" INTEGER NOT NULL, "Text" TEXT NOT NULL COLLATE NOCASE,
          "Soundex" TEXT, "Tag" INTEGER, "Sorted" TEXT, "FreqUsed" REAL);)",
     R"(CREATE UNIQUE INDEX "Words.ID" ON "Words" ("id");
        CREATE INDEX "Words.Text" ON "Words" ("Text");
        CREATE INDEX "Words.Soundex" ON "Words" ("Soundex");)"},
    {"dictionary.accdb", R"(CREATE TABLE "Definitions" ("WordID" INTEGER, "Definition" TEXT);)",
     R"(CREATE INDEX "Definitions.WordID" ON "Definitions" ("WordID");)"},
};

const FileSchema* schemaOf(const QString& fileName) {
    for (const FileSchema& s : kSchemas)
        if (fileName == QLatin1String(s.file)) return &s;
    return nullptr;
}

} // namespace

bool createLexiconTables(Database& db, const QString& fileName) {
    const FileSchema* s = schemaOf(fileName);
    return s && db.exec(QString::fromUtf8(s->tables));
}

bool createLexiconIndexes(Database& db, const QString& fileName) {
    const FileSchema* s = schemaOf(fileName);
    return s && db.exec(QString::fromUtf8(s->indexes));
}

} // namespace platform::sqlite
