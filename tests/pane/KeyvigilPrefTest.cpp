#include "pane/KeyvigilPref.h"
#include "pane/HelpHandoff.h"
#include "pane/PercentEscapes.h"
#include "pane/SupportMail.h"
#include "shared/Identifiers.h"
#include "shared/PropertyListFile.h"
#include "tests/fakes/FakePanePlatform.h"
#include "tests/shared/TempHome.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

namespace Keys = SettingsKeys;
using O = Outlet;

// Root writes into any folder; for a read-only one to refuse it, root gives that up meanwhile.
class WithoutOverridingPermissions {
public:
    WithoutOverridingPermissions() { set(false); }
    ~WithoutOverridingPermissions() { set(true); }

private:
    static void set(bool on) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (::syscall(SYS_capget, &header, data) != 0)
            return;
        const std::uint32_t bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective =
            on ? data[0].effective | (data[0].permitted & bits) : data[0].effective & ~bits;
        ::syscall(SYS_capset, &header, data);
    }
};

void readOnly(const QString& folder) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
}

// A pane on fakes, with a home and a pane bundle of its own; the home's name has a space and a
// quote in it. The test acts as the host and the user do, through the pane's entry points.
class Pane : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        writeInfo(QStringLiteral("6.2"));
        qputenv("HOME", QFile::encodeName(home));
        KeyvigilPref::unloadClass();
        fakes.platform.soundFolders = soundFolders;
    }
    void TearDown() override {
        // Folders a test made read-only, so that the temporary folder can go.
        for (const char* folder : {"/Library/Preferences", "/Library/LaunchAgents"})
            QFile::setPermissions(home + folder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", savedHome);
    }

    void writeInfo(const QString& version) {
        QDir().mkpath(bundle + QStringLiteral("/Contents"));
        PropertyListFile::writeDictionary(
            bundle + QStringLiteral("/Contents/Info.plist"),
            {{QStringLiteral("CFBundleVersion"), PlistValue::fromString(version)}},
            PropertyListFile::Format::Xml, 0644);
    }
    void store(QLatin1StringView key, const PlistValue& value) {
        RVPrefs prefs(kApplicationIdentifier);
        prefs.setObjectForKey(value, key);
        ASSERT_TRUE(prefs.synchronize());
    }
    void switchedOn(bool on) {
        store(Keys::preferencesForPrefPane, PlistValue::fromBool(true));
        store(Keys::startAutomatically, PlistValue::fromBool(on));
    }
    static PlistValue saved(QLatin1StringView key) {
        return RVPrefs(kApplicationIdentifier).objectForKey(key).value_or(PlistValue());
    }
    void setLoginItems(const QStringList& paths) {
        PlistValue::Array items;
        for (const QString& path : paths)
            items.append(PlistValue::fromDictionary({{"Path", PlistValue::fromString(path)}}));
        fakes.services.domains["loginwindow"] = {
            {"AutoLaunchedApplicationDictionary", PlistValue::fromArray(items)}};
    }
    QStringList loginItemPaths() {
        QStringList paths;
        for (const PlistValue& item : fakes.services.domains.value("loginwindow")
                                          .value("AutoLaunchedApplicationDictionary")
                                          .toArray())
            paths.append(item.toDictionary().value("Path").toString());
        return paths;
    }
    const PlistValue* stored(QLatin1StringView key) const { return pref.prefs()->find(key); }
    // The user's changes.
    void choose(Outlet popup, int index) {
        fakes.form.selectItemAtIndex(popup, index);
        pref.userChanged(popup);
    }
    void toggle(Outlet box, bool on) {
        fakes.form[box].state = on;
        pref.userChanged(box);
    }
    int selected(Outlet popup) { return fakes.form[popup].selected; }
    // The verbs the agent tool was run with.
    QStringList agentCalls() {
        QStringList calls;
        for (const QString& entry : fakes.journal.entries().filter("agent "))
            calls.append(entry.section(u' ', 1, 1));
        return calls;
    }
    // Shows the pane, as the host does after loading it.
    void show() {
        ASSERT_TRUE(pref.initWithBundle(bundle));
        pref.willSelect();
    }

    QTemporaryDir root;
    const QString home = root.path() + QStringLiteral("/it's home");
    const QString bundle = home + QStringLiteral("/Keyvigil.prefPane");
    const QString agentFile = home + "/Library/LaunchAgents/org.keyvigil.Keyvigil.helper.plist";
    const QStringList soundFolders = {root.path() + "/system sounds", root.path() + "/local sounds",
                                      root.path() + "/user sounds"};
    QByteArray savedHome = qgetenv("HOME");
    FakePanePlatform fakes;
    KeyvigilPref pref{fakes.platform};
};

TEST_F(Pane, ShowingQuitsTheFirstHelperFoundThenStopsTheAgentKeepingItsFile) {
    fakes.services.processes = {{{1, 10}, "ttxt"}, {{2, 20}, "RVpC"}, {{3, 30}, "RVpC"}};
    writeFile(agentFile, {});
    show();
    // What starts the helper at login stays: a window that never closes leaves it as it was.
    EXPECT_TRUE(QFile::exists(agentFile));
    const QStringList journal = fakes.journal.take();
    EXPECT_EQ(journal.filter(QRegularExpression("^(send|agent) ")),
              QStringList({"send quit 20", "agent stop " + agentFile}));
    EXPECT_EQ(journal.last(), QStringLiteral("form setHidden stoppedMsg NO"));

    // Once per visit: choosing a tab stops again, which sends nothing and runs no tool.
    pref.userChanged(O::tabView);
    EXPECT_EQ(fakes.journal.take(), QStringList({"form setHidden stoppedMsg NO"}));
}

TEST_F(Pane, LoginItemsLoseOneMatchPerNameAndAreWrittenOnlyWhenReadThisVisit) {
    setLoginItems({"/Applications/Keyvigil Helper.app", "/Other/Keyvigil Helper.app",
                   "/Old/KeyVigil Helper.app", "/Applications/Mail.app"});
    show();
    // The later of two same-case matches goes first; the other case goes too.
    EXPECT_EQ(loginItemPaths(),
              QStringList({"/Applications/Keyvigil Helper.app", "/Applications/Mail.app"}));
    pref.userChanged(O::tabView);
    EXPECT_EQ(loginItemPaths(), QStringList({"/Applications/Mail.app"}));

    pref.willUnselect();
    fakes.journal.clear();
    setLoginItems({"/Applications/Keyvigil Helper.app"});
    pref.userChanged(O::tabView); // between visits: nothing read, nothing written
    EXPECT_FALSE(fakes.journal.entries().contains("domain write loginwindow"));
    EXPECT_EQ(loginItemPaths(), QStringList({"/Applications/Keyvigil Helper.app"}));
}

TEST_F(Pane, TheSwitchShowsOffUntilTakenOverAndLeavingWithItOnStartsTheHelper) {
    store(Keys::startAutomatically, PlistValue::fromBool(true));
    fakes.services.processes = {{{7, 300}, "RVpC"}};
    show();
    EXPECT_FALSE(fakes.form[O::EnableKeyvigilSwitch].state);
    EXPECT_TRUE(pref.prefs()->boolForKey(Keys::startAutomatically)); // not changed

    // Switched on, leaving takes them over; the helper was quit by the showing, not again.
    toggle(O::EnableKeyvigilSwitch, true);
    choose(O::WarnCountPopup, 2);
    fakes.journal.clear();
    pref.willUnselect();
    EXPECT_EQ(agentCalls(), QStringList({"load", "running"}));
    EXPECT_TRUE(fakes.journal.entries().filter("send").isEmpty());
    const auto agent = PropertyListFile::readDictionary(agentFile);
    ASSERT_TRUE(agent);
    EXPECT_EQ(agent->format, PropertyListFile::Format::Xml);
    EXPECT_EQ(agent->entries.value("Program").toString(),
              bundle + "/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper");
    EXPECT_EQ(QFile(agentFile).permissions() & QFile::WriteOther, 0);
    // The helper reads this visit's settings.
    for (const auto& [key, value] :
         {std::pair{Keys::preferencesForPrefPane, PlistValue::fromBool(true)},
          {Keys::warnCount, PlistValue::fromInt(3)},
          {Keys::PrefPanePath, PlistValue::fromString(bundle)}})
        EXPECT_EQ(saved(key), value) << key.data();
    pref.willSelect();
    EXPECT_TRUE(fakes.form[O::EnableKeyvigilSwitch].state);
}

TEST_F(Pane, AMismatchedBundleOrASecondLoadAlertsAndTerminates) {
    writeInfo(QStringLiteral("6.1"));
    EXPECT_FALSE(pref.initWithBundle(bundle));
    EXPECT_EQ(fakes.journal.take(),
              QStringList({"alert Upgrading Keyvigil | System Preferences will now quit.\r\rYou "
                           "must restart System Preferences and choose Keyvigil to complete the "
                           "update. | OK",
                           "terminate"}));

    // With the Restart tool, a restart is tried once per bundle version: here it cannot help.
    const QString restart = bundle + QStringLiteral("/Contents/Resources/Restart");
    writeFile(restart, {});
    const QString restarting = "launch " + restart + ' ' + bundle + " 4242";
    for (const char* version : {"6.1", "6.1", "6.3"}) {
        writeInfo(QString::fromLatin1(version));
        EXPECT_FALSE(KeyvigilPref(fakes.platform).initWithBundle(bundle));
    }
    const QStringList journal = fakes.journal.take();
    EXPECT_EQ(journal.filter("launch"), QStringList({restarting, restarting}));
    EXPECT_EQ(journal.filter("alert").size(), 3);
    EXPECT_TRUE(journal[3].startsWith("alert Reinstall Keyvigil | This copy of Keyvigil is "
                                      "incomplete: its settings window is version 6.2, but"));

    writeInfo(QStringLiteral("6.2"));
    ASSERT_TRUE(pref.initWithBundle(bundle));
    EXPECT_FALSE(KeyvigilPref(fakes.platform).initWithBundle(bundle));
    EXPECT_EQ(fakes.journal.take(),
              QStringList({restarting,
                           "alert Upgrading Keyvigil | System Preferences will now restart to "
                           "complete the update of Keyvigil. | OK",
                           "terminate"}));
}

TEST_F(Pane, AnEmptyStoreGetsEveryControlsKeyWithItsDefaultAndNothingElse) {
    show();
    QStringList expected = {Keys::PrefPanePath};
    for (const Control& control : Controls::all()) {
        for (const QLatin1StringView key : {control.key, control.continuousKey}) {
            if (key.isEmpty())
                continue;
            expected.append(key);
            const PlistValue* value = stored(key);
            ASSERT_TRUE(value) << key.data();
            EXPECT_EQ(*value, *Keys::find(key)->paneDefault) << key.data(); // kind included
        }
    }
    // The store's own marker aside, nothing else is written.
    QStringList keys = pref.prefs()->prefs().keys();
    keys.removeAll(QString(Keys::convertedFromPlist));
    expected.sort();
    EXPECT_EQ(keys.join(' ').toStdString(), expected.join(' ').toStdString());

    EXPECT_EQ(selected(O::WarnCountPopup), 4);
    EXPECT_EQ(selected(O::WarnCapsLimitPopup), 1);
    EXPECT_EQ(selected(O::WarnCapsLockPopup), 1);
    EXPECT_EQ(selected(O::WarnNumLockPopup), 0);
    EXPECT_EQ(selected(O::soundPopup), 0);
    EXPECT_EQ(fakes.form[O::WarnCapsLockPopup].items.size(), 2); // the system alert cannot loop
    EXPECT_FLOAT_EQ(fakes.form[O::volumeSlider].value, 1.0f);
    EXPECT_FALSE(fakes.form[O::volumeSlider].enabled);
    EXPECT_TRUE(fakes.form[O::showCapsMenuBarSwitch].state);

    // A count stores its item plus one.
    choose(O::WarnCapsLimitPopup, 2);
    EXPECT_EQ(*stored(Keys::warnCapsLimitCount), PlistValue::fromInt(3));
    // The limit is on, as for the helper without the key; off, its count is greyed.
    EXPECT_TRUE(fakes.form[O::WarnCapsLimitPopup].enabled);
    toggle(O::WarnCapsLimitSwitch, false);
    EXPECT_FALSE(fakes.form[O::WarnCapsLimitPopup].enabled);
    EXPECT_EQ(*stored(Keys::warnCapsLimit), PlistValue::fromBool(false));
}

TEST_F(Pane, ACountOutsideItsRangeIsShownAsOneMoreItemAndKeptUntilChosenOtherwise) {
    store(Keys::warnCount, PlistValue::fromInt(50));
    store(Keys::warnCapsLimitCount, PlistValue::fromInt(0));
    show();
    QStringList range;
    for (int count = 1; count <= 20; ++count)
        range.append(QString::number(count));
    EXPECT_EQ(fakes.form[O::WarnCountPopup].items, range + QStringList{"50"});
    EXPECT_EQ(selected(O::WarnCountPopup), 20);
    EXPECT_EQ(fakes.form[O::WarnCapsLimitPopup].items.last(), "0");
    EXPECT_EQ(*stored(Keys::warnCount), PlistValue::fromInt(50));

    // Chosen again, the extra item stores what it shows; another choice leaves it at the next
    // showing.
    choose(O::WarnCountPopup, 20);
    EXPECT_EQ(*stored(Keys::warnCount), PlistValue::fromInt(50));
    choose(O::WarnCountPopup, 6);
    EXPECT_EQ(*stored(Keys::warnCount), PlistValue::fromInt(7));
    pref.willUnselect();
    pref.willSelect();
    EXPECT_EQ(fakes.form[O::WarnCountPopup].items, range);
    EXPECT_EQ(selected(O::WarnCountPopup), 6);
}

TEST_F(Pane, FallbackKeysSeedTheSwitchesThatHaveNoValueYet) {
    store(Keys::noMenuBar, PlistValue::fromBool(true));
    store(Keys::showCtrlUpperLeft, PlistValue::fromBool(true));
    store(Keys::showCapsMenuBar, PlistValue::fromBool(true));
    show();
    EXPECT_EQ(*stored(Keys::showShiftMenuBar), PlistValue::fromBool(false));
    EXPECT_TRUE(fakes.form[O::showOtherUpperLeftSwitch].state);
    EXPECT_EQ(*stored(Keys::showOtherUpperLeft), PlistValue::fromBool(true));
    EXPECT_TRUE(fakes.form[O::showCapsMenuBarSwitch].state); // a stored value wins
}

TEST_F(Pane, AContinuousLockWarningNeedsARealSoundAndFallsBackToOnce) {
    store(Keys::warnCapsLock, PlistValue::fromBool(false));
    store(Keys::warnCapsLockContinuously, PlistValue::fromBool(true));
    store(Keys::warnSound, PlistValue::fromString("CAPS"));
    show();
    // A continuous flag without its lock flag reads as a single warning, and is written so.
    const auto expectOnce = [&] {
        EXPECT_EQ(selected(O::WarnCapsLockPopup), 1);
        EXPECT_TRUE(stored(Keys::warnCapsLock)->boolValue());
        EXPECT_FALSE(stored(Keys::warnCapsLockContinuously)->boolValue());
    };
    expectOnce();

    choose(O::WarnCapsLockPopup, 2);
    EXPECT_TRUE(stored(Keys::warnCapsLockContinuously)->boolValue());
    toggle(O::WarnWithSoundSwitch, false);
    EXPECT_EQ(fakes.form[O::WarnCapsLockPopup].items.size(), 2);
    expectOnce();
    toggle(O::WarnWithSoundSwitch, true);
    EXPECT_EQ(fakes.form[O::WarnCapsLockPopup].items.size(), 3);
    EXPECT_EQ(selected(O::WarnCapsLockPopup), 1);

    // Choosing the system alert does the same as switching the sound off.
    choose(O::WarnCapsLockPopup, 2);
    choose(O::soundPopup, 0);
    expectOnce();
}

TEST_F(Pane, TheSoundPreviewPlaysWhatTheHelperWillAndTheSliderFollowsIt) {
    writeFile(soundFolders[0] + "/Glass.aiff", {});
    fakes.sounds.addSound("Glass");
    store(Keys::soundVolume, PlistValue::fromFloat(0.5f));
    show();
    fakes.journal.clear();
    choose(O::soundPopup, 0);
    EXPECT_EQ(fakes.journal.take(), QStringList({"beep"}));
    EXPECT_FALSE(fakes.form[O::volumeSlider].enabled);
    EXPECT_FLOAT_EQ(fakes.form[O::volumeSlider].value, 1.0f);
    // Kept while the slider shows the alert's own volume.
    EXPECT_EQ(*stored(Keys::soundVolume), PlistValue::fromFloat(0.5f));

    choose(O::soundPopup, 2);
    EXPECT_EQ(*stored(Keys::warnSound), PlistValue::fromString("Glass"));
    EXPECT_TRUE(fakes.form[O::volumeSlider].enabled);
    EXPECT_FLOAT_EQ(fakes.form[O::volumeSlider].value, 0.5f);
    // Dragging stores; letting go plays.
    fakes.form[O::volumeSlider].value = 0.25f;
    pref.userChanged(O::volumeSlider, true);
    EXPECT_EQ(*stored(Keys::soundVolume), PlistValue::fromFloat(0.25f));
    pref.userChanged(O::volumeSlider);
    EXPECT_EQ(fakes.journal.take().filter("sound Glass"),
              QStringList({"sound Glass setVolume 0.5", "sound Glass play",
                           "sound Glass setVolume 0.25", "sound Glass play (already playing)"}));

    // The pane's own sound is item 1; the oldest toolkit sets no volume and keeps the slider off.
    fakes.platform.NSAppKitVersionNumber = 824.0;
    choose(O::soundPopup, 1);
    EXPECT_EQ(fakes.journal.take().filter("sound CAPS"), QStringList({"sound CAPS play"}));
    EXPECT_FALSE(fakes.form[O::volumeSlider].enabled);
}

TEST_F(Pane, TheSoundPopUpShowsReadableNamesAndStoresTheFilesTitle) {
    for (const char* name : {"/phone-outgoing-busy.oga", "/dialog-warning.oga", "/.hidden.oga"})
        writeFile(soundFolders[0] + name, {});
    store(Keys::warnSound, PlistValue::fromString("phone-outgoing-busy"));
    show();
    // Shown again: filled afresh, so a new file is there and nothing is listed twice.
    writeFile(soundFolders[2] + "/Ping.aif", {});
    pref.willSelect();
    const FakePaneForm::Control& popup = fakes.form[O::soundPopup];
    EXPECT_EQ(popup.items, QStringList({"System Alert Sound", "CAPS", "dialog-warning",
                                        "phone-outgoing-busy", "Ping"}));
    EXPECT_EQ(popup.labels.mid(2), QStringList({"Dialog warning", "Phone outgoing busy", "Ping"}));
    EXPECT_EQ(popup.groups.mid(2),
              QStringList({"Desktop sounds", "Desktop sounds", "Your sounds"}));
    EXPECT_EQ(selected(O::soundPopup), 3);

    choose(O::soundPopup, 2);
    EXPECT_EQ(*stored(Keys::warnSound), PlistValue::fromString("dialog-warning"));
}

TEST_F(Pane, EachPreviewPictureIsLoadedOnceAndAMissingOneIsTriedAgain) {
    fakes.images.missing = {"upperLeftNum.tif"};
    show();
    for (const auto& [box, on] : {std::pair{O::showCapsUpperLeftSwitch, true},
                                  {O::showCapsUpperLeftSwitch, false},
                                  {O::showNumUpperLeftSwitch, true},
                                  {O::showNumUpperLeftSwitch, false},
                                  {O::showNumUpperLeftSwitch, true},
                                  {O::showOtherUpperLeftSwitch, true}})
        toggle(box, on);
    EXPECT_EQ(fakes.journal.entries().filter("image load"),
              QStringList({"image load upperLeft.tif", "image load upperLeftCaps.tif",
                           "image load upperLeftNum.tif", "image load upperLeftNum.tif",
                           "image load upperLeftNumOther.tif"}));
    EXPECT_NE(fakes.form[O::upperLeftGuide].image, nullptr);
    EXPECT_EQ(*stored(Keys::showOtherUpperLeft), PlistValue::fromBool(true));
}

// Each failure while leaving is said once, in an alert (and on stderr), and loses nothing that
// was stored before. The end-to-end tests add a read-only settings folder and a helper that
// cannot start or ends at once.
struct Failure {
    const char* name;
    bool switchOn;
    const char* agentFile;  // what it holds before; none when null
    bool readOnlyAgents;    // its folder cannot be written
    const char* problem;    // "verb: reason" the agent tool answers, if any
    QString said;           // an alert's title (or stoppedMsg), " | " and a part of its text
    const char* agentCalls; // the agent tool's verbs
    bool agentFileKept;     // as it was before
};

class Failing : public Pane, public ::testing::WithParamInterface<Failure> {};

TEST_P(Failing, IsSaidOnceAndKeepsWhatWasStored) {
    const Failure& row = GetParam();
    switchedOn(row.switchOn);
    store(Keys::warnCount, PlistValue::fromInt(7));
    if (row.agentFile)
        writeFile(agentFile, row.agentFile);
    if (row.readOnlyAgents)
        readOnly(home + "/Library/LaunchAgents");
    if (const QString problem = row.problem; !problem.isEmpty())
        fakes.services.agentProblems[problem.section(": ", 0, 0)] = problem.section(": ", 1);
    {
        const WithoutOverridingPermissions unprivileged;
        show();
        choose(O::WarnCountPopup, 2);
        pref.willUnselect();
    }
    // Said in one alert, or where none comes, in the message that the helper is paused.
    const QStringList alerts = fakes.journal.entries().filter("alert ");
    ASSERT_LE(alerts.size(), 1) << alerts.join('\n').toStdString();
    const QString said =
        alerts.isEmpty() ? "stoppedMsg | " + fakes.form[O::stoppedMsg].text : alerts[0].mid(6);
    EXPECT_TRUE(said.startsWith(row.said.section(" | ", 0, 0) + " | ") &&
                said.contains(row.said.section(" | ", 1)))
        << said.toStdString();
    EXPECT_EQ(agentCalls().join(' '), row.agentCalls);
    EXPECT_EQ(saved(Keys::warnCount), PlistValue::fromInt(3));
    EXPECT_TRUE(!row.agentFileKept ||
                (QFile::exists(agentFile) && readFile(agentFile) == row.agentFile));
}

INSTANTIATE_TEST_SUITE_P(
    Leaving, Failing,
    ::testing::Values(
        Failure{"NoAgentFileWritten", true, nullptr, true, "",
                "Keyvigil Not Started | could not write the file that starts it, “", "", false},
        Failure{"AgentFileNotRewritten", true, "written before", true, "",
                "Keyvigil Not Started | It starts with the file written before.",
                "stop load running", true},
        Failure{"ToolCannotUnload", false, "", false, "unload: stuck",
                "Keyvigil Not Switched Off | Keyvigil could not be switched off: stuck.",
                "stop unload", true},
        Failure{"ToolCannotPause", true, "", false, "stop: no answer",
                "stoppedMsg | Keyvigil could not be paused while this window is open: no answer.",
                "stop load running", false}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

class Exclusions : public Pane {
protected:
    static QStringList savedList(QLatin1StringView key) {
        const PlistValue list = saved(key);
        return list.isArray() ? list.toStringList() : QStringList{"(absent)"};
    }
    // Types a word into a new row, as the user does.
    void typeWord(const QString& word) {
        RVTableViewArray& table = fakes.excludeWordsTable;
        table.addEntryToTable();
        table.tableViewSetObjectValueForTableColumnRow(PlistValue::fromString(word), 0,
                                                       table.numberOfRowsInTableView() - 1);
    }
    void chooseApplications(int returnCode, const QStringList& paths) {
        fakes.services.returnCode = returnCode;
        fakes.services.filenames = paths;
        fakes.excludeApplicationsTable.addEntryToTable();
    }
};

TEST_F(Exclusions, WordsNoLongerThanTheWarnCountAreStoredAtOnce) {
    show();
    for (const char* word : {"NASA", "RADAR", "LASERS"})
        typeWord(word);
    EXPECT_EQ(fakes.wordsView.error, "“LASERS” is longer than the 5 capitals in a row that warn, "
                                     "so excluding it would change nothing.");
    EXPECT_EQ(savedList(Keys::excludeWordsArray), QStringList({"NASA", "RADAR"}));
    EXPECT_EQ(fakes.excludeWordsTable.numberOfRowsInTableView(), 2); // the refused row goes

    // The count chosen now decides. A row left empty is no word, and is never stored.
    choose(O::WarnCountPopup, 2);
    fakes.excludeWordsTable.addEntryToTable();
    typeWord("ESA");
    typeWord("NATO");
    EXPECT_EQ(savedList(Keys::excludeWordsArray), QStringList({"ESA", "NASA", "RADAR"}));

    // Deleting every word stores an empty list; the applications stay.
    store(Keys::excludeApplicationsArray, PlistValue::fromStringList({"/opt/Mail.app"}));
    pref.willSelect();
    for (int row = fakes.excludeWordsTable.numberOfRowsInTableView() - 1; row >= 0; --row) {
        fakes.wordsView.selected = {row};
        fakes.excludeWordsTable.deleteSelectedEntriesFromTable();
    }
    EXPECT_EQ(savedList(Keys::excludeWordsArray), QStringList());
    EXPECT_EQ(savedList(Keys::excludeApplicationsArray), QStringList({"/opt/Mail.app"}));
}

TEST_F(Exclusions, AListThatCannotBeSavedIsSaidOnceAndKeptForTheNextSave) {
    show();
    readOnly(home + "/Library/Preferences");
    {
        const WithoutOverridingPermissions unprivileged;
        typeWord("NASA");
        typeWord("ESA");
    }
    const QStringList alerts = fakes.journal.entries().filter("alert ");
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0].contains("This window keeps your changes")) << alerts[0].toStdString();
    QFile::setPermissions(home + "/Library/Preferences",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    pref.willUnselect();
    EXPECT_EQ(savedList(Keys::excludeWordsArray), QStringList({"ESA", "NASA"}));
}

TEST_F(Exclusions, ChosenApplicationsGoToTheEndAndDuplicatesAreNamed) {
    store(Keys::excludeApplicationsArray,
          PlistValue::fromStringList({"/opt/Mail.app", "/opt/Zed.app"}));
    show();
    chooseApplications(0, {"/opt/New.app"}); // cancelled
    EXPECT_EQ(savedList(Keys::excludeApplicationsArray),
              QStringList({"/opt/Mail.app", "/opt/Zed.app"}));

    QString& error = fakes.form[O::applicationErrorMsg].text;
    chooseApplications(1, {"/opt/Mail.app"});
    EXPECT_EQ(error, "Error: \"Mail\" is already in the application list.");
    EXPECT_FALSE(fakes.form[O::applicationErrorMsg].hidden);
    chooseApplications(1, {"/opt/Mail.app", "/opt/Zed.app"});
    EXPECT_EQ(error, "Error: Multiple applications you chose are already in the application list.");

    // Every new one is added, in the chooser's order, and the duplicate still named.
    error.clear();
    chooseApplications(1,
                       {"/opt/Alpha.app", "/opt/Zed.app", "/usr/share/applications/beta.desktop"});
    EXPECT_EQ(savedList(Keys::excludeApplicationsArray),
              QStringList({"/opt/Mail.app", "/opt/Zed.app", "/opt/Alpha.app",
                           "/usr/share/applications/beta.desktop"}));
    EXPECT_EQ(error, "Error: \"Zed\" is already in the application list.");

    RVTableViewArrayCell cell;
    fakes.excludeApplicationsTable.tableViewWillDisplayCellForTableColumnRow(cell, 0, 2);
    EXPECT_EQ(cell.text, "Alpha");
}

const QString kIntroduction =
    "\n\nDebugging info is included below.  You can delete it if irrelevant to your email, or "
    "review it to assure that it contains no information that you do not want sent.  It contains "
    "your preferences, information from recent crashes (if any), and your OS version (Debian "
    "GNU/Linux 12 (bookworm), Linux 6.1.0).\n\n"
    "--------------------------   Preferences   --------------------------\n";
const QString kLogHeader =
    "\n\n--------------------------   Log Entries   --------------------------\n\n";
const QString kCrashHeader =
    "\n\n--------------------------   Crash Report   --------------------------\n";

// A pane shown once, with the help hand-off store beside it.
class HelpAndMail : public Pane {
protected:
    void SetUp() override {
        Pane::SetUp();
        show();
        fakes.journal.clear();
    }

    RVPrefs handoff() const { return RVPrefs(kHelpViewerIdentifier); }
    // A viewer that has recorded itself; `running` says whether it is still there.
    void recordViewer(std::uint32_t pid, bool running) {
        RVPrefs store = handoff();
        store.setIntForKey(77, QStringLiteral("PSNhigh"));
        store.setIntForKey(std::int32_t(pid), QStringLiteral("PSNlow"));
        ASSERT_TRUE(store.synchronize());
        if (running)
            fakes.services.processes.push_back({{77, pid}, QStringLiteral("viewer")});
    }
    void pressHelp(const QString& title) {
        fakes.form[Outlet::capitalsHelpButton].text = title;
        pref.userChanged(Outlet::capitalsHelpButton);
    }
    QString helpViewer() const { return bundle + "/Contents/Resources/Help Viewer.app"; }
    QString mail() {
        pref.userChanged(Outlet::emailTheAuthorButton);
        return fakes.services.openedURLs.isEmpty() ? QString() : fakes.services.openedURLs.last();
    }
    QString plainMail() { return QUrl::fromPercentEncoding(mail().toUtf8()); }
    void addLongLog() {
        for (int i = 0; i < 3000; ++i)
            fakes.support.logLines.append(
                QStringLiteral("Keyvigil line %1 %2").arg(i).arg(QString(40, u'x')));
    }
    QString mailHead() const {
        return "mailto:support@keyvigil.org?Subject=KeyVigil v6.2&body=" + kIntroduction +
               pref.prefs()->description();
    }
};

TEST_F(HelpAndMail, AHelpRequestLeavesFourKeysAndLaunchesOrWakesTheViewerThatLeavingQuits) {
    pressHelp(QStringLiteral("capitals"));
    EXPECT_EQ(handoff().objectForKey("Help Folder Path")->toString(),
              bundle + "/Contents/Resources/Keyvigil Help");
    EXPECT_EQ(handoff().objectForKey("Path")->toString(), "index.html");
    EXPECT_EQ(handoff().objectForKey("Anchor")->toString(), "capitals");
    EXPECT_EQ(handoff().objectForKey("Help Book Folder")->toString(), "Keyvigil Help");
    EXPECT_FALSE(handoff().objectForKey("PSNlow"));
    pref.willUnselect(); // no viewer recorded: nothing is sent
    EXPECT_EQ(fakes.journal.take(), QStringList{"launch application " + helpViewer()});
    // An empty title is an empty anchor; no anchor removes the key.
    pressHelp(QString());
    EXPECT_EQ(handoff().objectForKey("Anchor")->toString(), "");
    showHelp(QStringLiteral("Keyvigil Help"), std::nullopt, std::nullopt, bundle, fakes.platform);
    EXPECT_FALSE(handoff().objectForKey("Anchor"));

    // A running viewer is woken; one that has quit is launched again.
    recordViewer(5150, true);
    fakes.journal.clear();
    showHelp(QStringLiteral("Keyvigil Help"), QStringLiteral("indicators.html"), std::nullopt,
             bundle, fakes.platform);
    EXPECT_EQ(handoff().objectForKey("Path")->toString(), "indicators.html");
    EXPECT_EQ(fakes.journal.take(), QStringList{"send rapp 5150"});
    fakes.services.processes.clear();
    pressHelp(QStringLiteral("tray"));
    EXPECT_EQ(fakes.journal.take(), QStringList{"launch application " + helpViewer()});

    // Leaving quits the viewer only when it shows this book.
    recordViewer(5150, true);
    RVPrefs store = handoff();
    store.setObjectForKey(PlistValue::fromString("Other Help"), QStringLiteral("Help Book Folder"));
    ASSERT_TRUE(store.synchronize());
    pref.willUnselect();
    EXPECT_FALSE(fakes.journal.entries().contains("send quit 5150"));
    pressHelp(QStringLiteral("running"));
    fakes.journal.clear();
    pref.willUnselect();
    EXPECT_TRUE(fakes.journal.entries().contains("send quit 5150"));
}

// The mail holds the settings, the agent folder, the named log lines and Keyvigil's reports cut;
// one too long for a link leaves out reports, then the oldest lines, and says so.
TEST_F(HelpAndMail, AMailHoldsWhatThereIsToReportAndFitsInOneLink) {
    const QString url = mail();
    EXPECT_TRUE(url.startsWith("mailto:support@keyvigil.org?Subject=KeyVigil%20v6.2&body=%0A%0A"))
        << qPrintable(url.left(80));
    EXPECT_EQ(QUrl::fromPercentEncoding(url.toUtf8()), mailHead() + kLogHeader);
    EXPECT_EQ(fakes.support.attributesAsked, QStringList{home + "/Library/LaunchAgents"});
    EXPECT_TRUE(QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode).isValid());

    fakes.support.agentFolder =
        PlistValue::Dictionary{{"NSFileType", PlistValue::fromString("NSFileTypeDirectory")},
                               {"NSFilePosixPermissions", PlistValue::fromInt(493)}};
    fakes.support.logLines = {"Dec  7 05:40:12 host Keyvigil Helper[12]: no tray",
                              "Dec  7 05:40:13 host System Preferences[13]: loaded",
                              "Dec  7 05:40:14 host keyvigil-agent[14]: lower case", ""};
    fakes.support.reports = {
        {"Keyvigil Helper_2026.crash", "Process: Keyvigil Helper\nThread 0::\nmain\nThread 1::\nx"},
        {"Other_2026.crash", "not ours"},
        {"Keyvigil Helper_2025.crash", std::nullopt},
        {"Keyvigil/first.crash", "Thread 1:: at once"},
        {"dumps/Keyvigil Helper.crash", "in a folder of another name"}};
    EXPECT_EQ(plainMail(),
              mailHead() +
                  "\n\n--------------------------   LaunchAgents   --------------------------\n"
                  "{\n    NSFilePosixPermissions = 493;\n    NSFileType = NSFileTypeDirectory;\n}" +
                  kLogHeader + "Dec  7 05:40:12 host Keyvigil Helper[12]: no tray\r" +
                  "Dec  7 05:40:13 host System Preferences[13]: loaded\r" + kCrashHeader +
                  "Process: Keyvigil Helper\nThread 0::\nmain\n" + kCrashHeader);

    addLongLog();
    fakes.support.reports = {{"Keyvigil Helper.crash", QString(20000, u' ')}};
    const QString longURL = mail();
    EXPECT_LE(longURL.size(), kLongestMailURL);
    EXPECT_GT(longURL.size(), kLongestMailURL - 200);
    const QString text = QUrl::fromPercentEncoding(longURL.toUtf8());
    EXPECT_FALSE(text.contains(kCrashHeader));
    EXPECT_FALSE(text.contains("Keyvigil line 0 "));
    EXPECT_TRUE(text.contains("Keyvigil line 2999 "));
    EXPECT_TRUE(text.endsWith("so that the mail fits in one link.)\n"));
    // A mail that fits says nothing of the sort.
    fakes.support.logLines.resize(10);
    EXPECT_FALSE(plainMail().contains("left out"));
}

TEST_F(HelpAndMail, WithoutAMailProgramTheWholeMailIsOfferedToCopyOrSave) {
    mail();
    EXPECT_TRUE(fakes.form[O::supportMailOffer].hidden); // a mail program took it
    addLongLog();
    fakes.services.openFailure = "no program is set to open mailto links";
    mail();
    const QString& said = fakes.form[O::supportMailOfferMsg].text;
    EXPECT_FALSE(fakes.form[O::supportMailOffer].hidden);
    EXPECT_TRUE(said.startsWith("The support mail could not be opened in a mail program: no "
                                "program is set to open mailto links."))
        << said.toStdString();

    pref.userChanged(O::copySupportMailButton);
    const QString& text = fakes.textExport.clipboard;
    EXPECT_TRUE(text.startsWith("To: support@keyvigil.org\nSubject: KeyVigil v6.2\n\n\nDebugging"))
        << text.left(80).toStdString();
    // No link to fit in: nothing is left out, and the log lines end as lines do.
    EXPECT_TRUE(text.contains("\nKeyvigil line 0 ")) << text.left(200).toStdString();
    EXPECT_FALSE(text.contains("left out") || text.contains(u'\r'));
    EXPECT_TRUE(said.startsWith("The support mail is on the clipboard.")) << said.toStdString();

    pref.userChanged(O::saveSupportMailButton); // cancelled
    const QString path = home + "/mail text.txt";
    fakes.textExport.savePath = path;
    pref.userChanged(O::saveSupportMailButton);
    EXPECT_EQ(QString::fromUtf8(readFile(path)), text);
    EXPECT_TRUE(said.contains(path)) << said.toStdString();
    EXPECT_TRUE(fakes.journal.entries().contains("choose file to save " + home +
                                                 "/Keyvigil support mail.txt"));
    fakes.textExport.savePath = home + "/no folder/mail.txt";
    pref.userChanged(O::saveSupportMailButton);
    EXPECT_EQ(fakes.journal.entries().filter("alert Support Mail Not Saved").size(), 1);

    // The next showing starts without the offer.
    pref.willSelect();
    EXPECT_TRUE(fakes.form[O::supportMailOffer].hidden);
}

TEST(PercentEscapes, OnlyWhatAURLMayNotHoldIsEscapedAsUtf8Bytes) {
    struct Case {
        QString text;
        QString escaped;
    };
    const Case cases[] = {
        {"a-z_A.Z~0!*'();/?:@&=+$,", "a-z_A.Z~0!*'();/?:@&=+$,"},
        {"two words\n\r\t", "two%20words%0A%0D%09"},
        {"100% #1 <b> \"q\" [x] {y} |\\^`",
         "100%25%20%231%20%3Cb%3E%20%22q%22%20%5Bx%5D%20%7By%7D%20%7C%5C%5E%60"},
        {QString::fromUtf8("é€😀"), "%C3%A9%E2%82%AC%F0%9F%98%80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(addingPercentEscapes(c.text), c.escaped);
        EXPECT_EQ(QUrl::fromPercentEncoding(c.escaped.toUtf8()), c.text);
    }
}

} // namespace
