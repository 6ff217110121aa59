// Looks into database files behind the program's back: raw rows as stored, rows written the way
// another program might write them, and plain SQLite files without our table.
#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

namespace kavren::testing {

// Runs work on a connection of its own to the file, removed afterwards.
inline void withConnection(const QString &path, const std::function<void(QSqlDatabase &)> &work) {
    static int counter = 0;
    const QString name = QStringLiteral("probe-%1").arg(++counter);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.open();
        work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline void execute(const QString &path, const QString &sql) {
    withConnection(path, [&](QSqlDatabase &database) { QSqlQuery(database).exec(sql); });
}

// Every row of the query as values (NULL stays a null QVariant).
inline std::vector<std::vector<QVariant>> rowsOf(const QString &path, const QString &sql) {
    std::vector<std::vector<QVariant>> rows;
    withConnection(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        query.exec(sql);
        while (query.next()) {
            std::vector<QVariant> row;
            for (int i = 0; i < query.record().count(); ++i)
                row.push_back(query.value(i));
            rows.push_back(row);
        }
    });
    return rows;
}

// Inserts one row of the thirteen columns; a null QVariant is stored as NULL.
inline void insertRaw(const QString &path, const std::vector<QVariant> &values) {
    withConnection(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (const QVariant &value : values)
            query.addBindValue(value);
        query.exec();
    });
}

inline QByteArray bytesOf(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

inline void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace kavren::testing
