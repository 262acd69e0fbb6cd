#include "shared/ApplicationBundle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ApplicationBundle, NameFromPathDropsFolderAndLastExtension) {
    EXPECT_EQ(ApplicationBundle::nameFromPath("/Applications/Foo.app"), "Foo");
    EXPECT_EQ(ApplicationBundle::nameFromPath("/Applications/Foo.app/"), "Foo");
    EXPECT_EQ(ApplicationBundle::nameFromPath("/opt/Foo.Bar.app"), "Foo.Bar");
    EXPECT_EQ(ApplicationBundle::nameFromPath("/usr/bin/tool"), "tool");
    EXPECT_EQ(ApplicationBundle::nameFromPath("/home/me/.hidden"), ".hidden");
    EXPECT_EQ(ApplicationBundle::nameFromPath("Plain"), "Plain");
}

TEST(ApplicationBundle, WhatCountsAsABundle) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Empty.app";
    QDir().mkpath(folder);
    const auto empty = ApplicationBundle::bundleWithPath(folder);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->infoDictionary().isEmpty());

    QFile plain(dir.path() + "/plain.txt");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(ApplicationBundle::bundleWithPath(plain.fileName()).has_value());
    EXPECT_FALSE(ApplicationBundle::bundleWithPath(dir.path() + "/missing.desktop").has_value());
}

TEST(ApplicationBundle, DesktopEntryExecGivesTheProgramsFileName) {
    QTemporaryDir dir;
    const auto execOf = [&](const QByteArray& exec) {
        QFile file(dir.path() + "/app.desktop");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nExec=" + exec + "\n");
        file.close();
        return ApplicationBundle::bundleWithPath(file.fileName())
            ->objectForInfoDictionaryKey(u"CFBundleExecutable");
    };
    EXPECT_EQ(execOf("gedit %U"), "gedit");
    EXPECT_EQ(execOf("/usr/bin/gnome-terminal --window"), "gnome-terminal");
    EXPECT_EQ(execOf(R"("/opt/My App/run \\"it\\"" --flag)"), "run \"it\"");
    EXPECT_EQ(execOf(R"("/opt/tools/run\\\\1")"), "run\\1");
    EXPECT_EQ(execOf(""), std::nullopt);
}
