#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh home folder for one test, so that stores never touch the real one.
class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    QString home() const { return home_.path(); }
    QString preferences() const { return home_.path() + QStringLiteral("/Library/Preferences"); }

    void makePreferencesFolder() const { ASSERT_TRUE(QDir().mkpath(preferences())); }

    void writeFile(const QString& path, const QByteArray& contents) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(contents), contents.size());
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

private:
    QTemporaryDir home_;
    QByteArray oldHome_;
};
