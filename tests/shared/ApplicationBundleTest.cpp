#include "shared/ApplicationBundle.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <utility>

TEST(ApplicationBundle, NameFromPathDropsFolderAndLastExtension) {
    using Row = std::pair<const char*, const char*>;
    for (const auto& [path, name] :
         {Row{"/Applications/Foo.app", "Foo"}, Row{"/Applications/Foo.app/", "Foo"},
          Row{"/opt/Foo.Bar.app", "Foo.Bar"}, Row{"/usr/bin/tool", "tool"},
          Row{"/home/me/.hidden", ".hidden"}, Row{"Plain", "Plain"}})
        EXPECT_EQ(ApplicationBundle::nameFromPath(path), name) << path;
}

TEST(ApplicationBundle, AnyFolderIsABundleAndOtherFilesOnlyWhenTheyAreDesktopEntries) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Empty.app"));
    writeFile(dir.filePath("plain.txt"), {});
    const auto empty = ApplicationBundle::bundleWithPath(dir.filePath("Empty.app"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->infoDictionary().isEmpty());
    EXPECT_FALSE(ApplicationBundle::bundleWithPath(dir.filePath("plain.txt")));
    EXPECT_FALSE(ApplicationBundle::bundleWithPath(dir.filePath("missing.desktop")));
}

TEST(ApplicationBundle, DesktopEntryExecGivesTheProgramsFileName) {
    QTemporaryDir dir;
    const QString file = dir.filePath("app.desktop");
    // Backslashes are unescaped twice: once as an entry string, once inside the quotes.
    using Row = std::pair<QByteArray, std::optional<QString>>;
    for (const auto& [exec, program] :
         {Row{"editor %U", "editor"}, Row{"/usr/bin/terminal --window", "terminal"},
          Row{R"("/opt/My App/run \\"it\\"" --flag)", "run \"it\""},
          Row{R"("/opt/tools/run\\\\1")", "run\\1"}, Row{"", std::nullopt}}) {
        writeFile(file, "[Desktop Entry]\nExec=" + exec + "\n");
        const auto bundle = ApplicationBundle::bundleWithPath(file);
        ASSERT_TRUE(bundle) << exec.constData();
        EXPECT_EQ(bundle->objectForInfoDictionaryKey(u"CFBundleExecutable"), program)
            << exec.constData();
    }
}
