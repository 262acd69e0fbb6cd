#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "shared/Identifiers.h"
#include "shared/PropertyListFile.h"
#include "shared/SettingsKeys.h"
#include "tests/fakes/FakePanePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

namespace Keys = SettingsKeys;
using namespace Outlets;

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

// A pane on fakes, with a home and a pane bundle of its own; the home's name has a space and a
// quote in it.
class Pane : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        writeInfo(QStringLiteral("6.2"));
        qputenv("HOME", QFile::encodeName(home));
        KeyvigilPref::classVersion = 0;
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
    static void touch(const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
    }
    const PlistValue* stored(QLatin1StringView key) const { return pref.prefs()->find(key); }
    void choose(QLatin1StringView popup, int index) {
        fakes.form.selectItemAtIndex(popup, index);
        pref.preferenceChanged(popup);
    }
    int selected(QLatin1StringView popup) { return fakes.form[popup].selected; }
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
    touch(agentFile);
    show();
    // What starts the helper at login stays: a window that never closes leaves it as it was.
    EXPECT_TRUE(QFile::exists(agentFile));
    const QStringList journal = fakes.journal.take();
    EXPECT_EQ(journal.filter("send "), QStringList({"send quit 20"}));
    const qsizetype quit = journal.indexOf(QStringLiteral("send quit 20"));
    EXPECT_GT(journal.indexOf("agent stop " + agentFile), quit);
    EXPECT_EQ(journal.last(), QStringLiteral("form setHidden stoppedMsg NO"));

    // Stopped once per visit: a second stop sends nothing and runs no tool.
    pref.killHelper();
    EXPECT_EQ(fakes.journal.take(), QStringList({"form setHidden stoppedMsg NO"}));
}

TEST_F(Pane, LoginItemsLoseOneMatchPerNameAndAreWrittenOnlyWhenReadThisVisit) {
    setLoginItems({"/Applications/Keyvigil Helper.app", "/Other/Keyvigil Helper.app",
                   "/Old/KeyVigil Helper.app", "/Applications/Mail.app"});
    show();
    // The later of two same-case matches goes first; the other case goes too.
    EXPECT_EQ(loginItemPaths(),
              QStringList({"/Applications/Keyvigil Helper.app", "/Applications/Mail.app"}));
    pref.killHelper();
    EXPECT_EQ(loginItemPaths(), QStringList({"/Applications/Mail.app"}));

    pref.willUnselect();
    fakes.journal.clear();
    setLoginItems({"/Applications/Keyvigil Helper.app"});
    pref.killHelper(); // between visits: nothing read, nothing written
    EXPECT_FALSE(fakes.journal.entries().contains("domain write loginwindow"));
    EXPECT_EQ(loginItemPaths(), QStringList({"/Applications/Keyvigil Helper.app"}));
}

TEST_F(Pane, NoLoginDomainNoHelperNoAgentFile) {
    show();
    const QStringList journal = fakes.journal.entries();
    for (const char* call : {"domain write", "send ", "agent "})
        EXPECT_TRUE(journal.filter(call).isEmpty()) << call;
    EXPECT_TRUE(journal.contains("form setHidden stoppedMsg NO"));
}

TEST_F(Pane, TheSwitchShowsOffUntilThePaneHasTakenTheSettingsOver) {
    store(Keys::startAutomatically, PlistValue::fromBool(true));
    show();
    EXPECT_FALSE(fakes.form[EnableKeyvigilSwitch].state);
    EXPECT_FALSE(pref.enabled);
    EXPECT_TRUE(pref.prefs()->boolForKey(Keys::startAutomatically)); // not changed

    store(Keys::preferencesForPrefPane, PlistValue::fromBool(true));
    pref.willSelect();
    EXPECT_TRUE(fakes.form[EnableKeyvigilSwitch].state);
}

TEST_F(Pane, LeavingWithTheSwitchOnInstallsAndStartsTheHelperWithThisVisitsSettings) {
    fakes.services.processes = {{{7, 300}, "RVpC"}}; // quit by the showing, not again
    show();
    fakes.form[EnableKeyvigilSwitch].state = true;
    pref.enabledChanged();
    fakes.journal.clear();
    pref.willUnselect();
    EXPECT_EQ(fakes.journal.take(),
              QStringList({"agent load " + agentFile, "agent running " + agentFile}));

    const auto agent = PropertyListFile::readDictionary(agentFile);
    ASSERT_TRUE(agent);
    EXPECT_EQ(agent->format, PropertyListFile::Format::Xml);
    const QString helper = "/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper";
    EXPECT_EQ(agent->entries, (PlistValue::Dictionary{
                                  {"KeepAlive", PlistValue::fromBool(true)},
                                  {"Label", PlistValue::fromString("org.keyvigil.Keyvigil.helper")},
                                  {"Program", PlistValue::fromString(bundle + helper)},
                                  {"RunAtLoad", PlistValue::fromBool(true)}}));
    EXPECT_EQ(QFile(agentFile).permissions() & QFile::WriteOther, 0);

    RVPrefs written(kApplicationIdentifier);
    EXPECT_TRUE(written.boolForKey(Keys::startAutomatically));
    EXPECT_TRUE(written.boolForKey(Keys::preferencesForPrefPane));
    EXPECT_EQ(written.find(Keys::PrefPanePath)->toString(), bundle);
}

TEST_F(Pane, LeavingWithTheSwitchOffLeavesNothingInstalled) {
    store(Keys::startAutomatically, PlistValue::fromBool(true));
    store(Keys::preferencesForPrefPane, PlistValue::fromBool(true));
    touch(agentFile);
    show();
    fakes.form[EnableKeyvigilSwitch].state = false;
    pref.enabledChanged();
    pref.willUnselect();
    EXPECT_FALSE(QFile::exists(agentFile));
    EXPECT_EQ(fakes.journal.entries().filter("agent "),
              QStringList({"agent stop " + agentFile, "agent unload " + agentFile}));
    EXPECT_FALSE(RVPrefs(kApplicationIdentifier).boolForKey(Keys::startAutomatically));
}

TEST_F(Pane, TheAccessibilityButtonSwitchesOffAndOpensThePanel) {
    store(Keys::startAutomatically, PlistValue::fromBool(true));
    store(Keys::preferencesForPrefPane, PlistValue::fromBool(true));
    show();
    pref.openUniversalAccess();
    EXPECT_FALSE(pref.enabled);
    EXPECT_FALSE(fakes.form[EnableKeyvigilSwitch].state);
    EXPECT_FALSE(pref.prefs()->boolForKey(Keys::startAutomatically));
    EXPECT_EQ(fakes.journal.entries().last(),
              "open /System/Library/PreferencePanes/Security.prefPane");
}

TEST_F(Pane, AccessibilityTextsFollowTheToolkitVersion) {
    const struct {
        double version;
        const char* button;
        const char* pane;
    } rows[] = {
        {1186.9, "Disable & Go To Universal Access", "UniversalAccessPref.prefPane"},
        {1187.0, "Disable & Go To Accessibility", "UniversalAccessPref.prefPane"},
        {1264.9, "Disable & Go To Accessibility", "UniversalAccessPref.prefPane"},
        {1265.0, "Disable & Go To Security & Privacy", "Security.prefPane"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version);
        KeyvigilPref::classVersion = 0;
        fakes.platform.NSAppKitVersionNumber = row.version;
        show();
        EXPECT_EQ(fakes.form[accessibilityButton].text, row.button);
        EXPECT_EQ(pref.accessibilityPrefPaneToOpen,
                  QStringLiteral("/System/Library/PreferencePanes/") + row.pane);
    }
    EXPECT_TRUE(fakes.form[accessibilityMessage].text.contains("Privacy"));
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
    touch(restart);
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
    KeyvigilPref second(fakes.platform);
    EXPECT_FALSE(second.initWithBundle(bundle));
    EXPECT_EQ(fakes.journal.take(),
              QStringList({restarting,
                           "alert Upgrading Keyvigil | System Preferences will now restart to "
                           "complete the update of Keyvigil. | OK",
                           "terminate"}));
}

TEST_F(Pane, AnEmptyStoreGetsEveryControlsKeyWithItsDefaultAndNothingElse) {
    show();
    QStringList expected = {Keys::PrefPanePath};
    for (const Keys::KeyInfo& info : Keys::all()) {
        if (info.control.isEmpty())
            continue;
        expected.append(info.key);
        const PlistValue* value = stored(info.key);
        ASSERT_TRUE(value) << info.key.data();
        EXPECT_EQ(*value, *info.paneDefault) << info.key.data(); // kind included
    }
    // The store's own marker aside, nothing else is written.
    QStringList keys = pref.prefs()->prefs().keys();
    keys.removeAll(QString(Keys::convertedFromPlist));
    expected.sort();
    EXPECT_EQ(keys.join(' ').toStdString(), expected.join(' ').toStdString());

    EXPECT_EQ(selected(WarnCountPopup), 4);
    EXPECT_EQ(selected(WarnCapsLimitPopup), 1);
    EXPECT_EQ(selected(WarnCapsLockPopup), 1);
    EXPECT_EQ(selected(WarnNumLockPopup), 0);
    EXPECT_EQ(selected(soundPopup), 0);
    EXPECT_EQ(fakes.form[WarnCapsLockPopup].items.size(), 2); // the system alert cannot loop
    EXPECT_FLOAT_EQ(fakes.form[volumeSlider].value, 1.0f);
    EXPECT_FALSE(fakes.form[volumeSlider].enabled);
    EXPECT_TRUE(fakes.form[showCapsMenuBarSwitch].state);
}

TEST_F(Pane, FallbackKeysSeedTheSwitchesThatHaveNoValueYet) {
    store(Keys::noMenuBar, PlistValue::fromBool(true));
    store(Keys::showCtrlUpperLeft, PlistValue::fromBool(true));
    show();
    EXPECT_EQ(*stored(Keys::showCapsMenuBar), PlistValue::fromBool(false));
    EXPECT_EQ(*stored(Keys::showShiftMenuBar), PlistValue::fromBool(false));
    EXPECT_TRUE(fakes.form[showOtherUpperLeftSwitch].state);
    EXPECT_EQ(*stored(Keys::showOtherUpperLeft), PlistValue::fromBool(true));
    EXPECT_FALSE(stored(Keys::noMenuBar) == nullptr);

    // A stored value wins over the fallback keys.
    store(Keys::showOtherUpperLeft, PlistValue::fromBool(false));
    store(Keys::noMenuBar, PlistValue::fromBool(false));
    pref.willSelect();
    EXPECT_FALSE(fakes.form[showOtherUpperLeftSwitch].state);
}

TEST_F(Pane, AContinuousLockWarningNeedsARealSoundAndFallsBackToOnce) {
    store(Keys::warnCapsLock, PlistValue::fromBool(false));
    store(Keys::warnCapsLockContinuously, PlistValue::fromBool(true));
    store(Keys::warnSound, PlistValue::fromString("CAPS"));
    show();
    // A continuous flag without its lock flag reads as a single warning, and is written so.
    const auto expectOnce = [&] {
        EXPECT_EQ(selected(WarnCapsLockPopup), 1);
        EXPECT_TRUE(stored(Keys::warnCapsLock)->boolValue());
        EXPECT_FALSE(stored(Keys::warnCapsLockContinuously)->boolValue());
    };
    expectOnce();

    choose(WarnCapsLockPopup, 2);
    EXPECT_TRUE(stored(Keys::warnCapsLockContinuously)->boolValue());
    fakes.form[WarnWithSoundSwitch].state = false;
    pref.preferenceChanged(WarnWithSoundSwitch);
    EXPECT_EQ(fakes.form[WarnCapsLockPopup].items.size(), 2);
    expectOnce();
    fakes.form[WarnWithSoundSwitch].state = true;
    pref.preferenceChanged(WarnWithSoundSwitch);
    EXPECT_EQ(fakes.form[WarnCapsLockPopup].items.size(), 3);
    EXPECT_EQ(selected(WarnCapsLockPopup), 1);

    // Choosing the system alert does the same as switching the sound off.
    choose(WarnCapsLockPopup, 2);
    choose(soundPopup, 0);
    expectOnce();
}

TEST_F(Pane, TheSoundPreviewPlaysWhatTheHelperWillAndTheSliderFollowsIt) {
    touch(soundFolders[0] + "/Glass.aiff");
    fakes.sounds.addSound("Glass");
    store(Keys::soundVolume, PlistValue::fromFloat(0.5f));
    show();
    fakes.journal.clear();
    fakes.form.selectItemAtIndex(soundPopup, 0);
    pref.playSound(soundPopup);
    EXPECT_EQ(fakes.journal.take(), QStringList({"beep"}));
    EXPECT_FALSE(fakes.form[volumeSlider].enabled);
    EXPECT_FLOAT_EQ(fakes.form[volumeSlider].value, 1.0f);
    EXPECT_FLOAT_EQ(pref.volume, 0.5f); // kept while the slider shows the alert's own volume

    fakes.form.selectItemAtIndex(soundPopup, 2);
    pref.playSound(soundPopup);
    EXPECT_EQ(*stored(Keys::warnSound), PlistValue::fromString("Glass"));
    EXPECT_TRUE(fakes.form[volumeSlider].enabled);
    EXPECT_FLOAT_EQ(fakes.form[volumeSlider].value, 0.5f);
    fakes.form[volumeSlider].value = 0.25f;
    pref.playSound(volumeSlider);
    EXPECT_EQ(*stored(Keys::soundVolume), PlistValue::fromFloat(0.25f));
    EXPECT_EQ(fakes.journal.take().filter("sound Glass"),
              QStringList({"sound Glass setVolume 0.5", "sound Glass play",
                           "sound Glass setVolume 0.25", "sound Glass play (already playing)"}));

    // The pane's own sound is item 1; the oldest toolkit sets no volume and keeps the slider off.
    fakes.platform.NSAppKitVersionNumber = 824.0;
    fakes.form.selectItemAtIndex(soundPopup, 1);
    pref.playSound(soundPopup);
    EXPECT_EQ(fakes.journal.take().filter("sound CAPS"), QStringList({"sound CAPS play"}));
    EXPECT_FALSE(fakes.form[volumeSlider].enabled);
}

TEST_F(Pane, SoundTitlesAreUniqueAcrossFoldersAndShowings) {
    for (const char* name : {"/.DS_Store", "/Ping.aiff", "/Notes", "/Read Me.txt"})
        touch(soundFolders[0] + name);
    touch(soundFolders[1] + "/Basso.wav");
    touch(soundFolders[2] + "/Ping.aif");
    show();
    pref.willSelect();
    const QStringList titles = fakes.form[soundPopup].items;
    EXPECT_EQ(titles.mid(0, 2), QStringList({"System Alert Sound", "CAPS"}));
    EXPECT_EQ(QSet<QString>(titles.begin() + 2, titles.end() - 2),
              QSet<QString>({"Notes", "Read Me"}));
    EXPECT_EQ(titles.mid(titles.size() - 2), QStringList({"Basso", "Ping"}));
}

TEST_F(Pane, EachPreviewPictureIsLoadedOnceAndAMissingOneIsTriedAgain) {
    fakes.images.missing = {"upperLeftNum.tif"};
    show();
    for (const auto& [box, on] : {std::pair{showCapsUpperLeftSwitch, true},
                                  {showCapsUpperLeftSwitch, false},
                                  {showNumUpperLeftSwitch, true},
                                  {showNumUpperLeftSwitch, false},
                                  {showNumUpperLeftSwitch, true},
                                  {showOtherUpperLeftSwitch, true}}) {
        fakes.form[box].state = on;
        pref.upperLeftChanged(box);
    }
    EXPECT_EQ(fakes.journal.entries().filter("image load"),
              QStringList({"image load upperLeft.tif", "image load upperLeftCaps.tif",
                           "image load upperLeftNum.tif", "image load upperLeftNum.tif",
                           "image load upperLeftNumOther.tif"}));
    EXPECT_NE(fakes.form[upperLeftGuide].image, nullptr);
    EXPECT_EQ(*stored(Keys::showOtherUpperLeft), PlistValue::fromBool(true));
}

TEST_F(Pane, CountsStoreTheItemPlusOneAndOnlyKnownSendersStoreAnything) {
    show();
    choose(WarnCountPopup, 2);
    EXPECT_EQ(*stored(Keys::warnCount), PlistValue::fromInt(3));
    EXPECT_EQ(pref.warnCount, 3u);
    const auto before = pref.prefs()->prefs();
    pref.preferenceChanged(std::nullopt);
    pref.preferenceChanged(QLatin1StringView("somethingElse"));
    EXPECT_EQ(pref.prefs()->prefs(), before);
}

// Each failure while leaving is said once, in an alert (and on stderr), and loses nothing that
// was stored before.
struct Failure {
    const char* name;
    bool switchOn;
    std::function<void(Pane&)> arrange;
    QString alert; // its title and a part of its message; empty: no alert
    std::function<void(Pane&)> check;
};

class Failing : public Pane, public ::testing::WithParamInterface<Failure> {};

TEST_P(Failing, IsSaidOnceAndKeepsWhatWasStored) {
    const Failure& row = GetParam();
    store(Keys::preferencesForPrefPane, PlistValue::fromBool(true));
    store(Keys::startAutomatically, PlistValue::fromBool(row.switchOn));
    store(Keys::warnCount, PlistValue::fromInt(7));
    row.arrange(*this);
    {
        const WithoutOverridingPermissions unprivileged;
        show();
        choose(WarnCountPopup, 2);
        pref.willUnselect();
    }
    const QStringList alerts = fakes.journal.entries().filter("alert ");
    if (row.alert.isEmpty()) {
        EXPECT_EQ(alerts, QStringList());
    } else {
        ASSERT_EQ(alerts.size(), 1) << alerts.join('\n').toStdString();
        EXPECT_TRUE(alerts[0].startsWith("alert " + row.alert.section(" | ", 0, 0) + " | "));
        EXPECT_TRUE(alerts[0].contains(row.alert.section(" | ", 1))) << alerts[0].toStdString();
    }
    row.check(*this);
}

const QString kEarlierAgent = QStringLiteral("written before");

void readOnly(const QString& folder) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
}
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
QStringList agentCalls(Pane& t) {
    QStringList calls;
    for (const QString& entry : t.fakes.journal.entries().filter("agent "))
        calls.append(entry.section(u' ', 1, 1));
    return calls;
}

INSTANTIATE_TEST_SUITE_P(
    Leaving, Failing,
    ::testing::Values(
        Failure{"SettingsFolderReadOnly", true,
                [](Pane& t) { readOnly(t.home + "/Library/Preferences"); },
                "Settings Not Saved | /Library/Preferences/org.keyvigil.Keyvigil.prefs”: "
                "Permission denied.\r\rThe settings saved there before are kept. The changes "
                "made in this window are lost.",
                [](Pane& t) {
                    EXPECT_EQ(RVPrefs(kApplicationIdentifier).intForKey(Keys::warnCount), 7);
                    // The helper still starts, with the settings stored before.
                    EXPECT_EQ(agentCalls(t), QStringList({"load", "running"}));
                }},
        Failure{"NoAgentFileWritten", true,
                [](Pane& t) { readOnly(t.home + "/Library/LaunchAgents"); },
                "Keyvigil Not Started | could not write the file that starts it, “",
                [](Pane& t) {
                    EXPECT_EQ(agentCalls(t), QStringList());
                    EXPECT_EQ(RVPrefs(kApplicationIdentifier).intForKey(Keys::warnCount), 3);
                }},
        Failure{"AgentFileNotRewritten", true,
                [](Pane& t) {
                    QDir().mkpath(QFileInfo(t.agentFile).path());
                    QFile file(t.agentFile);
                    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                    file.write(kEarlierAgent.toUtf8());
                    file.close();
                    readOnly(QFileInfo(t.agentFile).path());
                },
                "Keyvigil Not Started | It starts with the file written before.",
                [](Pane& t) {
                    EXPECT_EQ(contents(t.agentFile), kEarlierAgent.toUtf8());
                    EXPECT_EQ(agentCalls(t), QStringList({"stop", "load", "running"}));
                }},
        Failure{"ToolCannotLoad", true,
                [](Pane& t) { t.fakes.services.agentProblems["load"] = "systemctl said no"; },
                "Keyvigil Not Started | Keyvigil Helper could not be started: systemctl said no.",
                [](Pane& t) { EXPECT_EQ(agentCalls(t), QStringList({"load"})); }},
        Failure{"HelperEndsAtStartUp", true,
                [](Pane& t) { t.fakes.services.agentProblems["running"] = "it exited with 1"; },
                "Keyvigil Not Started | was started but does not keep running: it exited with 1.",
                [](Pane&) {}},
        Failure{"ToolCannotUnload", false,
                [](Pane& t) {
                    Pane::touch(t.agentFile);
                    t.fakes.services.agentProblems["unload"] = "stuck";
                },
                "Keyvigil Not Switched Off | Keyvigil could not be switched off: stuck.",
                [](Pane& t) { EXPECT_TRUE(QFile::exists(t.agentFile)); }},
        Failure{"ToolCannotPause", true,
                [](Pane& t) {
                    Pane::touch(t.agentFile);
                    t.fakes.services.agentProblems["stop"] = "no answer";
                },
                "",
                [](Pane& t) {
                    EXPECT_TRUE(t.fakes.form[stoppedMsg].text.startsWith(
                        "Keyvigil could not be paused while this window is open: no answer."));
                }}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST_F(Pane, AListThatCannotBeSavedIsSaidOnceAndKeptForTheNextSave) {
    store(Keys::warnCount, PlistValue::fromInt(7));
    show();
    const QString folder = home + "/Library/Preferences";
    readOnly(folder);
    {
        const WithoutOverridingPermissions unprivileged;
        for (const char* word : {"NASA", "ESA"}) {
            fakes.excludeWordsTable.addEntryToTable();
            fakes.excludeWordsTable.tableViewSetObjectValueForTableColumnRow(
                PlistValue::fromString(word), 0,
                fakes.excludeWordsTable.numberOfRowsInTableView() - 1);
        }
    }
    const QStringList alerts = fakes.journal.entries().filter("alert ");
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0].contains("This window keeps your changes")) << alerts[0].toStdString();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    pref.willUnselect();
    EXPECT_EQ(RVPrefs(kApplicationIdentifier).find(Keys::excludeWordsArray)->toStringList(),
              QStringList({"ESA", "NASA"}));
}

class Exclusions : public Pane {
protected:
    static QStringList storedList(QLatin1StringView key) {
        const RVPrefs prefs(kApplicationIdentifier);
        const PlistValue* list = prefs.find(key);
        return list ? list->toStringList() : QStringList{"(absent)"};
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
    EXPECT_EQ(fakes.wordsView.error,
              "Error: Word was longer than warn count; it would have no effect.");
    EXPECT_EQ(storedList(Keys::excludeWordsArray), QStringList({"NASA", "RADAR"}));
    EXPECT_EQ(pref.excludeWordsArray.size(), 3); // the refused word's row stays blank

    // The count chosen now decides.
    choose(WarnCountPopup, 2);
    typeWord("ESA");
    typeWord("NATO");
    // The refused word's blank row is stored with the list, at its end.
    EXPECT_EQ(storedList(Keys::excludeWordsArray), QStringList({"ESA", "NASA", "RADAR", ""}));

    // Deleting every word stores an empty list; the applications stay.
    store(Keys::excludeApplicationsArray, PlistValue::fromStringList({"/opt/Mail.app"}));
    pref.willSelect();
    for (int row = pref.excludeWordsArray.size() - 1; row >= 0; --row) {
        fakes.wordsView.selected = {row};
        fakes.excludeWordsTable.deleteSelectedEntriesFromTable();
    }
    EXPECT_EQ(storedList(Keys::excludeWordsArray), QStringList());
    EXPECT_EQ(storedList(Keys::excludeApplicationsArray), QStringList({"/opt/Mail.app"}));
}

TEST_F(Exclusions, ChosenApplicationsGoToTheEndAndDuplicatesAreNamed) {
    store(Keys::excludeApplicationsArray,
          PlistValue::fromStringList({"/opt/Mail.app", "/opt/Zed.app"}));
    show();
    chooseApplications(0, {"/opt/New.app"}); // cancelled
    EXPECT_EQ(storedList(Keys::excludeApplicationsArray),
              QStringList({"/opt/Mail.app", "/opt/Zed.app"}));
    EXPECT_TRUE(fakes.journal.entries().filter("applicationErrorMsg").isEmpty());

    QString& error = fakes.form[applicationErrorMsg].text;
    chooseApplications(1, {"/opt/Mail.app"});
    EXPECT_EQ(error, "Error: \"Mail\" is already in the application list.");
    EXPECT_FALSE(fakes.form[applicationErrorMsg].hidden);
    chooseApplications(1, {"/opt/Mail.app", "/opt/Zed.app"});
    EXPECT_EQ(error, "Error: Multiple applications you chose are already in the application list.");

    // Every new one is added, in the chooser's order, and the duplicate still named.
    error.clear();
    chooseApplications(1,
                       {"/opt/Alpha.app", "/opt/Zed.app", "/usr/share/applications/beta.desktop"});
    EXPECT_EQ(storedList(Keys::excludeApplicationsArray),
              QStringList({"/opt/Mail.app", "/opt/Zed.app", "/opt/Alpha.app",
                           "/usr/share/applications/beta.desktop"}));
    EXPECT_EQ(error, "Error: \"Zed\" is already in the application list.");

    RVTableViewArrayCell cell;
    fakes.excludeApplicationsTable.tableViewWillDisplayCellForTableColumnRow(cell, 0, 2);
    EXPECT_EQ(cell.text, "Alpha");
}

} // namespace
