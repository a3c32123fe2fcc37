#pragma once
// A private copy of the template database for one test.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "store/Db.h"

#include <gtest/gtest.h>

class TemplateCopy {
public:
    TemplateCopy()
    {
        path = dir.filePath(QStringLiteral("Orvessa.db"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(ORVESSA_TEMPLATE_DB), path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QTemporaryDir dir;
    QString path;
};

// Every row of a query, its cells joined by "|".
inline QStringList queryRows(Database &db, const QString &sql)
{
    QStringList out;
    Statement st(db, sql);
    while (st.step()) {
        QStringList cells;
        for (int i = 0; i < st.columnCount(); ++i)
            cells << st.getValue(i).toString();
        out << cells.join(u'|');
    }
    return out;
}
