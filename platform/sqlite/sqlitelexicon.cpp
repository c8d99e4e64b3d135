#include "platform/sqlite/sqlitelexicon.h"

#include "platform/sqlite/sqlitedb.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace platform::sqlite {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

struct IndexColumn {
    QString column;
    QString collation; // "BINARY", "NOCASE", ...
};

// The index column and collation of a named index of `table`; empty column
// when there is no such index.
IndexColumn findIndex(Database& db, const QString& table, const QString& name) {
    Statement list(db, ql("PRAGMA index_list(%1)").arg(quoteName(table)));
    QString found;
    while (list.step()) {
        const QString idx = list.textValue(1);
        if (idx.compare(table + QLatin1Char('.') + name, Qt::CaseInsensitive) == 0 ||
            (found.isEmpty() && idx.compare(name, Qt::CaseInsensitive) == 0))
            found = idx;
    }
    if (found.isEmpty()) return {};
    Statement info(db, ql("PRAGMA index_xinfo(%1)").arg(quoteName(found)));
    while (info.step())
        if (info.intValue(5) == 1) return {info.textValue(2), info.textValue(4).toUpper()};
    return {};
}

QStringList tableColumns(Database& db, const QString& table) {
    QStringList columns;
    Statement info(db, ql("PRAGMA table_info(%1)").arg(quoteName(table)));
    while (info.step())
        columns << info.textValue(1);
    return columns;
}

// Inserts one record in a transaction of its own; 0 or SQLite's error code.
int insertRecord(Database& db, const QString& table, const QStringList& columns,
                 const QVariantMap& fields, QString* error, qint64* rowid) {
    QStringList names, marks;
    QVariantList values;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const auto col = std::find_if(columns.begin(), columns.end(), [&](const QString& c) {
            return c.compare(it.key(), Qt::CaseInsensitive) == 0;
        });
        if (col == columns.end()) {
            setError(error, ql("no such field: %1").arg(it.key()));
            return SQLITE_ERROR;
        }
        names << quoteName(*col);
        marks << ql("?%1").arg(values.size() + 1);
        values << it.value();
    }
    Statement insert(
        db, ql("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoteName(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    if (!insert.ok()) {
        setError(error, db.errorMessage());
        return db.errorCode();
    }
    for (int i = 0; i < values.size(); ++i)
        insert.bind(i + 1, values.at(i));
    insert.step();
    if (insert.lastResult() != SQLITE_DONE) {
        const int code = db.errorCode();
        setError(error, db.errorMessage());
        return code == SQLITE_OK ? insert.lastResult() : code;
    }
    *rowid = sqlite3_last_insert_rowid(db.handle());
    return 0;
}

// A cursor answered by SQLite: every move is one indexed statement.
class SqlCursor : public TableCursor {
  public:
    SqlCursor(Database& db, QString table, QStringList columns)
        : db_(db), table_(std::move(table)), columns_(std::move(columns)) {
        prepare(IndexColumn{});
    }

    bool setIndex(const QString& index) override {
        if (index.compare(indexName_, Qt::CaseInsensitive) == 0 && !indexName_.isEmpty())
            return true;
        const IndexColumn found = findIndex(db_, table_, index);
        if (found.column.isEmpty()) return false;
        indexName_ = index;
        prepare(found);
        return true;
    }

    void seek(const QString& op, const QVariant& key) override {
        Statement& s = op == ql(">=") ? seekAtLeast_ : seekEqual_;
        s.reset();
        s.bind(1, key);
        load(s);
        noMatch_ = !current_;
    }
    bool noMatch() const override { return noMatch_; }
    bool eof() const override { return !current_; }

    QVariant field(const QString& name) const override {
        if (!current_) return {};
        for (int i = 0; i < columns_.size(); ++i)
            if (columns_.at(i).compare(name, Qt::CaseInsensitive) == 0) return values_.at(i + 2);
        return {};
    }

    void moveNext() override {
        if (!current_) return;
        next_.reset();
        next_.bind(1, values_.at(0));
        next_.bind(2, values_.at(1));
        load(next_);
    }

    void moveLast() override {
        last_.reset();
        load(last_);
    }

    int addNew(const QVariantMap& fields, QString* error) override {
        qint64 rowid = 0;
        return insertRecord(db_, table_, columns_, fields, error, &rowid);
    }

  private:
    // Columns of every row read: the index key, the rowid, then the table's.
    void prepare(const IndexColumn& index) {
        const QString key = index.column.isEmpty()
                                ? ql("rowid")
                                : quoteName(index.column) + ql(" COLLATE ") +
                                      (index.collation.isEmpty() ? ql("BINARY") : index.collation);
        const QString select = ql("SELECT %1, rowid, * FROM %2 ").arg(key, quoteName(table_));
        const QString order = ql(" ORDER BY %1, rowid").arg(key);
        seekEqual_ = Statement(db_, select + ql("WHERE %1 = ?1").arg(key) + order + ql(" LIMIT 1"));
        seekAtLeast_ =
            Statement(db_, select + ql("WHERE %1 >= ?1").arg(key) + order + ql(" LIMIT 1"));
        // The plain ">=" gives SQLite a range on the index to start from; the
        // row value alone would make it scan the index from its beginning.
        next_ = Statement(db_, select + ql("WHERE %1 >= ?1 AND (%1, rowid) > (?1, ?2)").arg(key) +
                                   order + ql(" LIMIT 1"));
        last_ = Statement(db_, select + ql("ORDER BY %1 DESC, rowid DESC LIMIT 1").arg(key));
        current_ = false;
    }

    void load(Statement& s) {
        current_ = s.step();
        if (current_) {
            const int n = s.columnCount();
            values_.resize(n);
            for (int i = 0; i < n; ++i)
                values_[i] = s.value(i);
        }
        s.reset();
    }

    Database& db_;
    QString table_;
    QStringList columns_;
    QString indexName_;
    Statement seekEqual_, seekAtLeast_, next_, last_;
    QVector<QVariant> values_;
    bool current_ = false;
    bool noMatch_ = false;
};

// A record of a statement's current row, fields counted from 0.
class StatementRecord : public RecordView {
  public:
    explicit StatementRecord(sqlite3_stmt* s) : s_(s) {}
    bool isNull(int field) const override { return sqlite3_column_type(s_, field) == SQLITE_NULL; }
    qint64 integer(int field) const override { return sqlite3_column_int64(s_, field); }
    double number(int field) const override { return sqlite3_column_double(s_, field); }
    QString text(int field) const override {
        // SQLite hands out UTF-16 in the machine's byte order, as QString holds it.
        const void* p = sqlite3_column_text16(s_, field);
        if (!p) return {};
        return QString(reinterpret_cast<const QChar*>(p), sqlite3_column_bytes16(s_, field) / 2);
    }

  private:
    sqlite3_stmt* s_;
};

class SqliteLexiconDatabase : public LexiconDatabase {
  public:
    explicit SqliteLexiconDatabase(Database db) : db_(std::move(db)) {}

    std::unique_ptr<TableCursor> openTable(const QString& table, QString* error) override {
        const QStringList columns = tableColumns(db_, table);
        if (columns.isEmpty()) {
            setError(error, ql("no such table: %1").arg(table));
            return nullptr;
        }
        return std::make_unique<SqlCursor>(db_, table, columns);
    }

    bool readTable(const QString& table, const QStringList& fields,
                   const std::function<void(const RecordView&)>& record, QString* error) override {
        // SQLite would read a quoted name that is no column as a string.
        const QStringList columns = tableColumns(db_, table);
        QStringList quoted;
        for (const QString& f : fields) {
            if (!columns.isEmpty() && !columns.contains(f, Qt::CaseInsensitive)) {
                setError(error, ql("no such field: %1.%2").arg(table, f));
                return false;
            }
            quoted << quoteName(f);
        }
        Statement all(db_, ql("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(quoted.join(QLatin1Char(',')), quoteName(table)));
        if (!all.ok()) {
            setError(error, db_.errorMessage());
            return false;
        }
        // Columns are read straight from the statement, without a QVariant each.
        while (all.step())
            record(StatementRecord(all.handle()));
        if (all.lastResult() != SQLITE_DONE) {
            setError(error, db_.errorMessage());
            return false;
        }
        return true;
    }

  private:
    Database db_;
};

// Whether `db` failed because a change that a program left unfinished in
// "<path>-journal" cannot be undone here: SQLite then refuses to read the
// file on a read-only connection (the file not writable, or opened so),
// cannot open the journal for writing, or undid the change but cannot
// delete the journal from a read-only folder.
bool unfinishedChangeBlocks(const Database& db, const QString& path) {
    const int code = db.extendedErrorCode();
    if (code == SQLITE_READONLY_ROLLBACK) return true;
    return (code == SQLITE_CANTOPEN || code == SQLITE_IOERR_DELETE) &&
           QFileInfo::exists(path + ql("-journal"));
}

// Why a lexicon file cannot be used, for the message its user reads.
QString openFailure(const Database& db, const QString& path) {
    if (unfinishedChangeBlocks(db, path)) {
        const QFileInfo file(path);
        return ql("%1 cannot be read: a program ended in the middle of changing it, and the "
                  "unfinished change (kept in \"%2\") can be undone only where the lexicon "
                  "folder %3 and its files are writable. Make them writable and try again.")
            .arg(QDir::toNativeSeparators(file.absoluteFilePath()),
                 file.fileName() + ql("-journal"), QDir::toNativeSeparators(file.absolutePath()));
    }
    return ql("%1 (SQLite error %2)").arg(db.errorMessage()).arg(db.errorCode());
}

} // namespace

std::unique_ptr<LexiconDatabase> SqliteLexiconStore::open(const QString& path, QString* error) {
    // Read-write unless asked otherwise: the first read of a file that a
    // program left in the middle of a change undoes that change.
    Database db(path, options_.readOnly ? Database::Mode::ReadOnly : Database::Mode::ReadWrite);
    if (db.ok()) {
        // SQLite opens lazily: reading the schema tells a database from any other file.
        Statement probe(db, ql("SELECT count(*) FROM sqlite_master"));
        if (probe.ok() && probe.step())
            return std::make_unique<SqliteLexiconDatabase>(std::move(db));
    }
    setError(error, openFailure(db, path));
    return nullptr;
}

} // namespace platform::sqlite
