#include "platform/sqlite/sqlitedb.h"

#include <utility>

namespace platform::sqlite {

Database::Database(const QString& path, Mode mode) {
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    openError_ = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (openError_ == SQLITE_OK && db_) {
        sqlite3_extended_result_codes(db_, 0);
        sqlite3_busy_timeout(db_, 2000);
    }
}

Database::~Database() {
    if (db_) sqlite3_close_v2(db_);
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), openError_(other.openError_) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        if (db_) sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
        openError_ = other.openError_;
    }
    return *this;
}

bool Database::exec(const QString& sql) {
    return db_ &&
           sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

int Database::errorCode() const {
    if (openError_ != SQLITE_OK) return openError_;
    return db_ ? sqlite3_errcode(db_) : SQLITE_CANTOPEN;
}

int Database::extendedErrorCode() const {
    if (openError_ != SQLITE_OK) return openError_;
    return db_ ? sqlite3_extended_errcode(db_) : SQLITE_CANTOPEN;
}

QString Database::errorMessage() const {
    if (!db_) return QString::fromUtf8(sqlite3_errstr(errorCode()));
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

Statement::Statement(Database& db, const QString& sql) {
    if (!db.handle()) return;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(db.handle(), text.constData(), int(text.size()),
                           SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), last_(other.last_) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = std::exchange(other.stmt_, nullptr);
        last_ = other.last_;
    }
    return *this;
}

void Statement::bind(int index, const QVariant& value) {
    if (!stmt_) return;
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt_, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob(stmt_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        bindText(index, value.toString().toUtf8());
        break;
    }
}

void Statement::bindText(int index, const QByteArray& utf8) {
    if (stmt_)
        sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bindInt(int index, qint64 value) {
    if (stmt_) sqlite3_bind_int64(stmt_, index, value);
}

bool Statement::step() {
    if (!stmt_) {
        last_ = SQLITE_MISUSE;
        return false;
    }
    last_ = sqlite3_step(stmt_);
    return last_ == SQLITE_ROW;
}

void Statement::reset() {
    if (stmt_) sqlite3_reset(stmt_);
}

int Statement::columnCount() const {
    return stmt_ ? sqlite3_column_count(stmt_) : 0;
}

QString Statement::columnName(int column) const {
    return stmt_ ? QString::fromUtf8(sqlite3_column_name(stmt_, column)) : QString();
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_TEXT:
        return QVariant(textValue(column));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt_, column)));
    }
    default:
        return QVariant();
    }
}

qint64 Statement::intValue(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

QString Statement::textValue(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column));
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

QString quoteName(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace platform::sqlite
