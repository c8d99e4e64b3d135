#pragma once

#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace platform::sqlite {

// A small RAII pair over the SQLite C API.
//
// Database owns one connection; Statement owns one prepared statement of a
// Database and must not outlive it. Neither throws: a failed open or
// prepare leaves the object invalid (ok() false) and errorCode()/
// errorMessage() tell why. Statement::bind() counts parameters from 1 and
// value() counts columns from 0, as SQLite does. step() returns true while
// a row is available; reset() makes the statement runnable again and keeps
// its bindings until they are bound anew.
class Database {
  public:
    enum class Mode { ReadWrite, ReadOnly, Create };
    Database() = default;
    Database(const QString& path, Mode mode);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool ok() const { return db_ != nullptr && openError_ == SQLITE_OK; }
    // Runs one or more statements that return no rows; false on error.
    bool exec(const QString& sql);
    int errorCode() const;
    // SQLite's extended code of the last error (SQLITE_READONLY_ROLLBACK,
    // SQLITE_IOERR_DELETE, ...), which tells apart causes errorCode() lumps together.
    int extendedErrorCode() const;
    QString errorMessage() const;
    sqlite3* handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
    int openError_ = SQLITE_OK;
};

class Statement {
  public:
    Statement() = default;
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    // A null QVariant binds NULL; integers, reals, text and bytes bind as such.
    void bind(int index, const QVariant& value);
    void bindText(int index, const QByteArray& utf8);
    void bindInt(int index, qint64 value);
    bool step();
    void reset();
    // SQLITE_DONE after a statement that ran to its end, else the error.
    int lastResult() const { return last_; }
    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;
    qint64 intValue(int column) const;
    QString textValue(int column) const;
    bool isNull(int column) const;
    sqlite3_stmt* handle() const { return stmt_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int last_ = SQLITE_OK;
};

// Quotes a name for use in SQL: Words -> "Words", a"b -> "a""b".
QString quoteName(const QString& name);

} // namespace platform::sqlite
