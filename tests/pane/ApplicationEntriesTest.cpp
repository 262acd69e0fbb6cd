#include "pane/ApplicationEntries.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A system, a local and a user applications folder, in that order of precedence.
class ApplicationFolders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    QString folder(const char* name) const { return root.filePath(name); }
    QStringList folders() const { return {folder("system"), folder("local"), folder("user")}; }

    static QString write(const QString& path, const QByteArray& contents) {
        writeFile(path, contents);
        return path;
    }
    QString app(const char* folder, const char* file, const QByteArray& body) const {
        return write(this->folder(folder) + u'/' + file,
                     "[Desktop Entry]\nType=Application\n" + body);
    }

    QTemporaryDir root;
};

} // namespace

TEST_F(ApplicationFolders, ListsShownApplicationsByNameWithLaterFoldersOverriding) {
    const QString editor = app("system", "editor.desktop", "Name=gamma\n");
    app("system", "menu.desktop", "Name=Menu only\nNoDisplay=true\n");
    app("system", "deleted.desktop", "Name=Deleted\nHidden=true\n");
    write(folder("system") + "/link.desktop", "[Desktop Entry]\nType=Link\nName=Link\n");
    write(folder("system") + "/untyped.desktop", "[Desktop Entry]\nName=Untyped\n");
    write(folder("system") + "/readme.txt", "[Desktop Entry]\nType=Application\nName=Text\n");
    // The user's hidden copy takes the system's calculator away; the local one replaces the
    // system's viewer, and the user's terminal the one in a subfolder (ID extra-terminal).
    app("system", "calc.desktop", "Name=Calculator\n");
    app("user", "calc.desktop", "Hidden=true\n");
    app("system", "viewer.desktop", "Name=Old Viewer\n");
    const QString viewer = app("local", "viewer.desktop", "Name=Viewer\n");
    app("system", "extra/terminal.desktop", "Name=Old Terminal\n");
    const QString terminal = app("user", "extra-terminal.desktop", "Name=BETA\n");
    // Comments, other groups and keys repeated there leave the entry's own values alone.
    const QString notes =
        write(folder("local") + "/notes.desktop",
              "# Name=Commented\n[Desktop Entry]\n# NoDisplay=true\n"
              "Type = Application\nName = alpha\nIcon=/opt/my\\sicons/notes.png\n"
              "Name=Second\n[Desktop Action new]\nName=New Note\nNoDisplay=true\n");

    const QList<ApplicationEntry> entries =
        ApplicationEntries::installedApplications(folders(), QStringLiteral("C"));
    QStringList listed; // name=path
    for (const ApplicationEntry& entry : entries)
        listed << entry.name + u'=' + entry.path;
    EXPECT_EQ(listed, QStringList({"alpha=" + notes, "BETA=" + terminal, "gamma=" + editor,
                                   "Viewer=" + viewer}));
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.front().iconName, "/opt/my icons/notes.png");
}

TEST_F(ApplicationFolders, NamesFollowTheMessagesLocaleAndResolveEscapes) {
    const QString path = app("system", "app.desktop",
                             "Name=Default\nName[de]=Deutsch\nName[de_DE]=Deutschland\n"
                             "Name[sr@latin]=Latinica\nName[sr_RS@latin]=Srbija latinica\n"
                             "Name[sr]=Cyrillic\nName[fr]=Tab\\there\\nline \\\\ \\q\n");
    using Row = std::pair<const char*, const char*>;
    for (const auto& [locale, name] :
         {Row{"de_DE.UTF-8", "Deutschland"}, Row{"de_AT.UTF-8", "Deutsch"}, Row{"de", "Deutsch"},
          Row{"sr_RS.UTF-8@latin", "Srbija latinica"}, Row{"sr_ME@latin", "Latinica"},
          Row{"sr_RS", "Cyrillic"}, Row{"fr_FR.UTF-8", "Tab\there\nline \\ \\q"},
          Row{"it_IT", "Default"}, Row{"C", "Default"}, Row{"", "Default"}})
        EXPECT_EQ(ApplicationEntries::displayName(path, locale), name) << locale;
    // The list names its entries the same way.
    const auto entries = ApplicationEntries::installedApplications(folders(), "sr_RS.UTF-8@latin");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front().name, "Srbija latinica");
}

TEST_F(ApplicationFolders, DisplayNameOfBundlesAndEntries) {
    const QString named = app("system", "org.example.Mail.desktop", "Name=Mail\n");
    const QString unnamed = app("system", "org.example.Tool.desktop", "Exec=tool\n");
    using Row = std::pair<QString, QString>;
    for (const auto& [path, name] :
         {Row{"/Applications/Mail.app", "Mail"}, Row{"/opt/Apps/Mail.app/", "Mail"},
          Row{named, "Mail"}, Row{unnamed, "org.example.Tool"},
          Row{folder("system") + "/missing.desktop", "missing"}})
        EXPECT_EQ(ApplicationEntries::displayName(path, "C"), name) << path.toStdString();
}
