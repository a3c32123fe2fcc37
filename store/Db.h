#pragma once
// A small layer over the SQLite C API: named parameters, batches of several
// statements sharing those parameters, a whitelisted ORDER BY macro, array
// inserts through one prepared statement, and nested transaction scopes.

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database;

// Named parameter values for a batch: {":pid", 2}, {":tbl", "hist_Plan"}.
using DbParams = std::vector<std::pair<QString, QVariant>>;

class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept;

    // Binding a name the statement does not use is an error: a typo would
    // otherwise silently bind nothing.
    Statement &bind(const char *name, int value);
    Statement &bind(const char *name, long long value);
    Statement &bind(const char *name, double value);
    Statement &bind(const char *name, const QString &value);
    Statement &bind(const char *name, const char *value) { return bind(name, QString::fromUtf8(value)); }
    Statement &bindNull(const char *name);
    // Fast path for array inserts: bind by the index from parameterIndex().
    int parameterIndex(const char *name) const { return paramIndex(name); }
    void bindAt(int index, int value);
    void bindAt(int index, double value);
    // The bytes are copied.
    void bindAt(int index, const char *utf8, int size);
    Statement &bind(const char *name, const QVariant &value);
    // Binds those of the given parameters that this statement uses.
    void bindPresent(const DbParams &params);
    void clearBindings();

    // Steps once; true while a row is available.
    bool step();
    // Runs to completion, for statements that return no rows.
    void exec();
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    int columnIndex(const char *name) const;
    bool isNull(int i) const;
    int getInt(int i) const;
    long long getInt64(int i) const;
    double getDouble(int i) const;
    QString getText(int i) const;
    QVariant getValue(int i) const;
    double getDouble(const char *name) const { return getDouble(columnIndex(name)); }
    int getInt(const char *name) const { return getInt(columnIndex(name)); }
    QString getText(const char *name) const { return getText(columnIndex(name)); }

private:
    int paramIndex(const char *name) const;
    void check(int rc) const;

    Database *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing database file (never creates one), in WAL mode with
    // synchronous=NORMAL and a busy timeout.
    void open(const QString &path);
    // Opens a private in-memory database; use copyFrom to fill it.
    void openMemory();
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // Reopens the last opened file after close(); statements call this.
    sqlite3 *handle();
    const QString &path() const { return m_path; }

    // Runs statements separated by semicolons in order; each gets those of the
    // named parameters it uses. Stops at the first error, which is thrown.
    void execBatch(const QString &sql, const DbParams &params = {});
    // Replaces the macro "!ob" with an ORDER BY clause. Only the known sort
    // clauses are accepted, so no outside text can reach the SQL.
    static QString expandOrderBy(const QString &sql, const QString &clause);

    // One prepared statement, rebound and stepped once per row.
    void insertArray(const QString &sql, std::size_t rows,
                     const std::function<void(Statement &, std::size_t)> &bindRow);

    // Convenience for single values: first column of the first row.
    QVariant scalar(const QString &sql, const DbParams &params = {});

    long long lastInsertRowId();
    int changes();

    // Online backup of another database into this one (whole content).
    void copyFrom(const QString &sourcePath);
    void copyTo(const QString &targetPath);

    [[noreturn]] void throwError(int rc, const char *what = nullptr) const;

    // Savepoint depth, for Transaction names.
    int m_txDepth = 0;

private:
    void configure();
    sqlite3 *m_db = nullptr;
    QString m_path;
    bool m_memory = false;
};

// A transaction scope: begins on construction, commits on commit(), rolls back
// in the destructor if nobody committed. Nests through savepoints.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    QString m_name;
    bool m_done = false;
};
