#include "tests/agent/AgentSandbox.h"

#include <QStandardPaths>

namespace {

const QString kAgent = QStringLiteral(KEYVIGIL_AGENT_PROGRAM);
const QString kUnit = QStringLiteral("org.keyvigil.Keyvigil.helper.service");

// The tool against a stand-in systemctl that records its arguments and answers as a user
// manager with a graphical session would; FAIL names a step that fails.
class AgentUserManager : public AgentSandbox {
protected:
    void SetUp() override {
        AgentSandbox::SetUp();
        writeFile(path("bin/systemctl"),
                  "#!/bin/sh\n"
                  "echo \"$*\" >> \"${0%/*}/calls\"\n"
                  "case \"$*\" in\n"
                  "\"--user show --property=Version\") echo Version=252 ;;\n"
                  "\"--user show --property=LoadState --value \"*) echo loaded ;;\n"
                  "\"--user $FAIL \"*) echo 'Failed to do it: boom' >&2; exit 1 ;;\n"
                  "esac\n",
                  true);
        // The stand-in comes first or this test does not run: a real manager must not see it.
        ASSERT_EQ(QStandardPaths::findExecutable("systemctl", {path("bin")}),
                  path("bin/systemctl"));
        environment.insert("PATH", path("bin") + ":/usr/bin:/bin");
        environment.remove("KEYVIGIL_AGENT_MODE");
        environment.insert("DISPLAY", ":7");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        environment.remove("XAUTHORITY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("FAIL", "none");
        agentFile = writeAgentFile(path("Keyvigil Helper"));
        writeFile(path("Keyvigil Helper"), "#!/bin/sh\n", true);
    }
    QStringList takeCalls() {
        const QStringList calls = lines(path("bin/calls"));
        QFile::remove(path("bin/calls"));
        return calls;
    }
    QString unitFile() const { return path("home/.config/systemd/user/") + kUnit; }

    QString agentFile;
};

TEST_F(AgentUserManager, LoadInstallsAndStartsTheUnitAndUnloadRemovesIt) {
    Result result = run(kAgent, {"load", agentFile});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(takeCalls(),
              (QStringList{"--user show --property=Version",
                           "--user show --property=LoadState --value graphical-session.target",
                           "--user import-environment DISPLAY DBUS_SESSION_BUS_ADDRESS",
                           "--user daemon-reload", "--user reset-failed " + kUnit,
                           "--user enable " + kUnit, "--user restart " + kUnit}));
    EXPECT_TRUE(lines(unitFile()).contains("WantedBy=graphical-session.target"));
    EXPECT_FALSE(QFile::exists(path("home/.config/autostart")));

    result = run(kAgent, {"unload", agentFile});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(takeCalls(), (QStringList{"--user show --property=Version", "--user stop " + kUnit,
                                        "--user disable " + kUnit, "--user daemon-reload"}));
    EXPECT_FALSE(QFile::exists(unitFile()));
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
    EXPECT_EQ(takeCalls(), QStringList{"--user show --property=Version"});
}

TEST_F(AgentUserManager, AFailingStepExitsOneNamingIt) {
    environment.insert("FAIL", "enable");
    const Result result = run(kAgent, {"load", agentFile});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "keyvigil.agent: systemctl --user enable " + kUnit +
                              " failed: Failed to do it: boom\n");
    EXPECT_FALSE(takeCalls().contains("--user restart " + kUnit));
}

} // namespace
