#pragma once
// A private copy of the template database for one test.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
