#include "store/Db.h"

#include <sqlite3.h>

#include <QByteArray>

namespace {

QString lastMessage(sqlite3 *db, int rc)
{
    if (db)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(rc));
}

// One mapping from Qt values to SQLite types, for statements and batches alike.
int bindVariant(sqlite3_stmt *stmt, int idx, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, idx);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Bool:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return sqlite3_bind_int64(stmt, idx, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, idx, value.toDouble());
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, idx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

// ---------------------------------------------------------------- Statement

Statement::Statement(Database &db, const QString &sql)
    : m_db(&db)
{
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db.handle(), text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        db.throwError(rc);
    if (!m_stmt)
        throw DbError("Empty SQL statement");
    // A single Statement must hold exactly one statement; batches go through
    // Database::execBatch.
    for (; tail && *tail; ++tail) {
        if (*tail != ' ' && *tail != '\n' && *tail != '\r' && *tail != '\t' && *tail != ';') {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw DbError("More than one SQL statement given to a single statement");
        }
    }
}

Statement::Statement(Statement &&other) noexcept
    : m_db(other.m_db), m_stmt(std::exchange(other.m_stmt, nullptr))
{
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        m_db->throwError(rc);
}

int Statement::paramIndex(const char *name) const
{
    const int idx = sqlite3_bind_parameter_index(m_stmt, name);
    if (idx == 0)
        throw DbError(std::string("Unknown SQL parameter ") + name);
    return idx;
}

Statement &Statement::bind(const char *name, int value)
{
    check(sqlite3_bind_int(m_stmt, paramIndex(name), value));
    return *this;
}

Statement &Statement::bind(const char *name, long long value)
{
    check(sqlite3_bind_int64(m_stmt, paramIndex(name), value));
    return *this;
}

Statement &Statement::bind(const char *name, double value)
{
    check(sqlite3_bind_double(m_stmt, paramIndex(name), value));
    return *this;
}

Statement &Statement::bind(const char *name, const QString &value)
{
    const QByteArray text = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, paramIndex(name), text.constData(), int(text.size()), SQLITE_TRANSIENT));
    return *this;
}

void Statement::bindAt(int index, int value)
{
    check(sqlite3_bind_int(m_stmt, index, value));
}

void Statement::bindAt(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value));
}

void Statement::bindAt(int index, const char *utf8, int size)
{
    check(sqlite3_bind_text(m_stmt, index, utf8, size, SQLITE_TRANSIENT));
}

Statement &Statement::bindNull(const char *name)
{
    check(sqlite3_bind_null(m_stmt, paramIndex(name)));
    return *this;
}

Statement &Statement::bind(const char *name, const QVariant &value)
{
    check(bindVariant(m_stmt, paramIndex(name), value));
    return *this;
}

void Statement::bindPresent(const DbParams &params)
{
    for (const auto &[name, value] : params) {
        const QByteArray n = name.toUtf8();
        if (sqlite3_bind_parameter_index(m_stmt, n.constData()) != 0)
            bind(n.constData(), value);
    }
}

void Statement::clearBindings()
{
    sqlite3_clear_bindings(m_stmt);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's own error code carries the message; reset it so the
    // connection's error text is the one reported.
    sqlite3_reset(m_stmt);
    m_db->throwError(rc);
}

void Statement::exec()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

int Statement::columnIndex(const char *name) const
{
    const int n = sqlite3_column_count(m_stmt);
    for (int i = 0; i < n; ++i)
        if (sqlite3_stricmp(sqlite3_column_name(m_stmt, i), name) == 0)
            return i;
    throw DbError(std::string("Unknown result column ") + name);
}

bool Statement::isNull(int i) const
{
    return sqlite3_column_type(m_stmt, i) == SQLITE_NULL;
}

int Statement::getInt(int i) const
{
    return sqlite3_column_int(m_stmt, i);
}

long long Statement::getInt64(int i) const
{
    return sqlite3_column_int64(m_stmt, i);
}

double Statement::getDouble(int i) const
{
    return sqlite3_column_double(m_stmt, i);
}

QString Statement::getText(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    const int n = sqlite3_column_bytes(m_stmt, i);
    return p ? QString::fromUtf8(p, n) : QString();
}

QVariant Statement::getValue(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(getInt64(i));
    case SQLITE_FLOAT:
        return QVariant(getDouble(i));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(getText(i));
    }
}

// ---------------------------------------------------------------- Database

Database::~Database()
{
    close();
}

void Database::configure()
{
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 5000);
    if (!m_memory) {
        // WAL: a crash of the program never loses a commit, and NORMAL makes a
        // commit cost no flush of its own.
        execBatch(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"));
    }
}

void Database::open(const QString &path)
{
    close();
    m_path = path;
    m_memory = false;
    const QByteArray p = path.toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = lastMessage(db, rc);
        sqlite3_close(db);
        throw DbError(QStringLiteral("Cannot open the database %1: %2").arg(path, msg).toStdString());
    }
    m_db = db;
    try {
        configure();
    } catch (...) {
        close();
        throw;
    }
}

void Database::openMemory()
{
    close();
    m_path.clear();
    m_memory = true;
    const int rc = sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throwError(rc);
    }
    configure();
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_txDepth = 0;
}

sqlite3 *Database::handle()
{
    if (!m_db) {
        if (m_memory || m_path.isEmpty())
            throw DbError("The database is not open");
        open(m_path);
    }
    return m_db;
}

void Database::throwError(int rc, const char *what) const
{
    QString msg = lastMessage(m_db, rc);
    if (what)
        msg = QString::fromUtf8(what) + QStringLiteral(": ") + msg;
    throw DbError(msg.toStdString());
}

void Database::execBatch(const QString &sql, const DbParams &params)
{
    sqlite3 *db = handle();
    const QByteArray text = sql.toUtf8();
    const char *cursor = text.constData();
    const char *end = cursor + text.size();
    while (cursor < end) {
        sqlite3_stmt *raw = nullptr;
        const char *tail = nullptr;
        const int rc = sqlite3_prepare_v2(db, cursor, int(end - cursor), &raw, &tail);
        if (rc != SQLITE_OK)
            throwError(rc);
        cursor = tail;
        if (!raw)
            continue; // only blanks or comments were left
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> stmt(raw, sqlite3_finalize);
        for (const auto &[name, value] : params) {
            const QByteArray n = name.toUtf8();
            const int idx = sqlite3_bind_parameter_index(raw, n.constData());
            if (idx == 0)
                continue;
            const int brc = bindVariant(raw, idx, value);
            if (brc != SQLITE_OK)
                throwError(brc);
        }
        int src;
        while ((src = sqlite3_step(raw)) == SQLITE_ROW) {
        }
        if (src != SQLITE_DONE) {
            sqlite3_reset(raw);
            throwError(src);
        }
    }
}

QString Database::expandOrderBy(const QString &sql, const QString &clause)
{
    static const QString known[] = {QStringLiteral("Avalanche DESC"), QStringLiteral("Snowball DESC"),
                                    QStringLiteral("Priority")};
    bool ok = false;
    for (const auto &k : known)
        ok = ok || clause == k;
    if (!ok)
        throw DbError(QStringLiteral("Unknown sort clause: %1").arg(clause).toStdString());
    QString out = sql;
    out.replace(QStringLiteral("!ob"), clause);
    return out;
}

void Database::insertArray(const QString &sql, std::size_t rows,
                           const std::function<void(Statement &, std::size_t)> &bindRow)
{
    if (rows == 0)
        return;
    Statement st(*this, sql);
    for (std::size_t i = 0; i < rows; ++i) {
        bindRow(st, i);
        st.exec();
        st.reset();
    }
}

QVariant Database::scalar(const QString &sql, const DbParams &params)
{
    Statement st(*this, sql);
    st.bindPresent(params);
    if (!st.step())
        return QVariant();
    return st.getValue(0);
}

long long Database::lastInsertRowId()
{
    return sqlite3_last_insert_rowid(handle());
}

int Database::changes()
{
    return sqlite3_changes(handle());
}

namespace {

void runBackup(sqlite3 *to, sqlite3 *from, Database &owner)
{
    sqlite3_backup *b = sqlite3_backup_init(to, "main", from, "main");
    if (!b)
        owner.throwError(sqlite3_errcode(to), "Backup failed");
    const int rc = sqlite3_backup_step(b, -1);
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE)
        throw DbError(std::string("Backup failed: ") + sqlite3_errstr(rc));
}

} // namespace

void Database::copyFrom(const QString &sourcePath)
{
    const QByteArray p = sourcePath.toUtf8();
    sqlite3 *src = nullptr;
    const int rc = sqlite3_open_v2(p.constData(), &src, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3 *)> guard(src, sqlite3_close);
    if (rc != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot open the database %1: %2")
                          .arg(sourcePath, lastMessage(src, rc)).toStdString());
    runBackup(handle(), src, *this);
}

void Database::copyTo(const QString &targetPath)
{
    const QByteArray p = targetPath.toUtf8();
    sqlite3 *dst = nullptr;
    const int rc = sqlite3_open_v2(p.constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3 *)> guard(dst, sqlite3_close);
    if (rc != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot create the database %1: %2")
                          .arg(targetPath, lastMessage(dst, rc)).toStdString());
    runBackup(dst, handle(), *this);
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Database &db)
    : m_db(db), m_name(QStringLiteral("orv_sp%1").arg(db.m_txDepth))
{
    m_db.execBatch(QStringLiteral("SAVEPOINT %1;").arg(m_name));
    ++m_db.m_txDepth;
}

void Transaction::commit()
{
    if (m_done)
        return;
    m_db.execBatch(QStringLiteral("RELEASE %1;").arg(m_name));
    m_done = true;
    --m_db.m_txDepth;
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    try {
        m_db.execBatch(QStringLiteral("ROLLBACK TO %1; RELEASE %1;").arg(m_name));
    } catch (...) {
        // A failed rollback must not throw out of a destructor; SQLite has
        // already rolled back if the error was fatal.
    }
    --m_db.m_txDepth;
}
