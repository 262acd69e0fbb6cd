#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Writes a file, making its folders; `executable` lets its owner run it.
inline void writeFile(const QString& path, const QByteArray& contents, bool executable = false) {
    QFile file(path);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly))
        << path.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// Empty when the file cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef KEYVIGIL_TEST_DATA
// A file under tests/data. A missing one fails the test: read as empty, it would pass every
// "is refused" check.
inline QByteArray testData(const char* name) {
    QFile file(QStringLiteral(KEYVIGIL_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing test data " << name;
    return file.readAll();
}
#endif

// A fresh home folder for each test, so that stores, and the programs a test starts, never
// touch the real one.
class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    QString home() const { return home_.path(); }
    QString preferences() const { return home() + "/Library/Preferences"; }
    QString storePath(const QString& id) const { return preferences() + u'/' + id + ".prefs"; }

private:
    QTemporaryDir home_;
    QByteArray oldHome_ = qgetenv("HOME");
};
