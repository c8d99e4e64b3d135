#pragma once

#include "platform/lexicon.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace platform::sqlite {

class Database;

struct IndexColumn {
    QString column;
    QString collation; // "BINARY", "NOCASE", ...
};

// A key as SQLite orders it: NULL, then numbers, then text (bytes of UTF-8,
// ASCII letters folded to lower case under NOCASE), then blobs; equal keys
// by rowid.
struct MemoryKey {
    int rank = 0; // 0 null, 1 number, 2 text, 3 blob
    double number = 0;
    QByteArray bytes;
    bool operator<(const MemoryKey& o) const;
    bool operator==(const MemoryKey& o) const;
};

// A whole table read into memory, shared by the cursors of one database.
struct MemoryTable {
    struct Index {
        int column = -1; // -1: rowid order
        bool noCase = false;
        std::vector<MemoryKey> keys;      // in index order
        std::vector<int> rows;            // row number at each index position
        QHash<QByteArray, int> firstText; // exact key -> first position, for "=" seeks
        QHash<qint64, int> firstInt;
    };

    static std::shared_ptr<MemoryTable> load(Database& db, const QString& table,
                                             const QStringList& columns, QString* error);
    // The index of that name, built on first use; nullptr when none.
    Index* index(const QString& name);
    MemoryKey keyOf(const Index& index, const QVariant& value) const;
    // A column by name: exact spelling first, then any case; -1 when none.
    int columnOf(const QString& name) const;

    QStringList columns;
    std::vector<qint64> rowids;
    std::vector<QVector<QVariant>> rows;
    std::vector<std::pair<QString, std::unique_ptr<Index>>> indexes;
    // Bumped by every stored record: cursors re-find their place then.
    int version = 0;

    std::function<IndexColumn(const QString&)> findIndex;
    std::function<int(const QVariantMap&, QString*, qint64*)> insert;

    void buildIndex(Index& index) const;
};

std::unique_ptr<TableCursor> makeMemoryCursor(std::shared_ptr<MemoryTable> table);

} // namespace platform::sqlite
