#include "tools/keyvigil-agent/AutostartEntry.h"
#include "tools/keyvigil-agent/RestartBackOff.h"
#include "tools/keyvigil-agent/SystemdUnit.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

// Every character the two quoting rules treat specially, in one path.
const QString kAwkwardProgram =
    QStringLiteral("/opt/Key \"vigil\"/back\\slash/100%/$HOME/Keyvigil Helper");

TEST(Agent, SystemdUnitQuotesTheProgramAndFollowsTheGraphicalSession) {
    AgentFile agent{QStringLiteral("org.keyvigil.Keyvigil.helper"), kAwkwardProgram, true, true};
    const QString unit = SystemdUnit::unitText(agent, true);
    for (const char* line :
         {"\nPartOf=graphical-session.target\n", "\nAfter=graphical-session.target\n",
          "\nExecStart=/bin/sh -c \"exec \\\"$$0\\\"\" "
          "\"/opt/Key \\\"vigil\\\"/back\\\\slash/100%%/$$HOME/Keyvigil Helper\"\n",
          "\nRestart=always\n", "\n[Install]\nWantedBy=graphical-session.target\n"})
        EXPECT_TRUE(unit.contains(line)) << unit.toStdString();
    const QString withoutSession = SystemdUnit::unitText(agent, false);
    EXPECT_FALSE(withoutSession.contains("graphical-session")) << withoutSession.toStdString();
    EXPECT_TRUE(withoutSession.endsWith("\n[Install]\nWantedBy=default.target\n"));
    agent.keepAlive = false;
    EXPECT_TRUE(SystemdUnit::unitText(agent, true).contains("\nRestart=no\n"));
    // Spaces and '%' alone: systemd runs the path itself.
    EXPECT_EQ(SystemdUnit::execStart("/opt/100% sure/Keyvigil Helper"),
              "\"/opt/100%% sure/Keyvigil Helper\"");
    EXPECT_EQ(SystemdUnit::execStart("/opt/it's/Keyvigil Helper"),
              "/bin/sh -c \"exec \\\"$$0\\\"\" \"/opt/it's/Keyvigil Helper\"");
}

// The system's own tools accept the unit and rate its sandbox "OK" (2.0 or less, of 10).
TEST(Agent, SystemdUnitPassesVerifyAndItsSecurityScoreStaysOk) {
    const QString analyze = QStandardPaths::findExecutable(QStringLiteral("systemd-analyze"));
    if (analyze.isEmpty())
        GTEST_SKIP() << "no systemd-analyze";
    QTemporaryDir folder;
    const AgentFile agent{QStringLiteral("org.keyvigil.Keyvigil.helper"),
                          QStringLiteral(KEYVIGIL_AGENT_PROGRAM), true, true};
    QFile unit(folder.filePath(SystemdUnit::unitName(agent)));
    ASSERT_TRUE(unit.open(QIODevice::WriteOnly));
    unit.write(SystemdUnit::unitText(agent, true).toUtf8());
    unit.close();
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        process.setProcessEnvironment(environment);
        process.start(analyze, arguments + QStringList{unit.fileName()});
        process.waitForFinished(60000);
        const QString output = process.readAllStandardOutput() + process.readAllStandardError();
        return std::pair(process.exitCode(), output);
    };
    const auto [verified, problems] = run({QStringLiteral("--user"), QStringLiteral("verify")});
    EXPECT_EQ(std::pair(verified, problems), std::pair(0, QString()));
    const auto [rated, report] = run({QStringLiteral("security"), QStringLiteral("--offline=yes"),
                                      QStringLiteral("--user"), QStringLiteral("--threshold=20")});
    EXPECT_EQ(rated, 0) << report.toStdString();
    const QRegularExpressionMatch score =
        QRegularExpression(QStringLiteral("Overall exposure level for \\S+: (\\d+\\.\\d)"))
            .match(report);
    ASSERT_TRUE(score.hasMatch()) << report.toStdString();
    EXPECT_LE(score.captured(1).toDouble(), 2.0) << report.toStdString();
}

TEST(Agent, AutostartEntryExecQuotesOnlyWhatNeedsItAndEscapesForTheKeyFile) {
    using Case = std::pair<QString, QString>;
    for (const auto& [argument, expected] :
         {Case{"load", "load"},
          Case{"/usr/lib/keyvigil/keyvigil-agent", "/usr/lib/keyvigil/keyvigil-agent"},
          Case{"", "\"\""}, Case{"it's", "\"it's\""}, Case{"100%", "100%%"},
          Case{"a`b", "\"a\\\\`b\""},
          // A literal backslash takes four, a dollar sign two: quoting, then the key file.
          Case{kAwkwardProgram,
               "\"/opt/Key \\\\\"vigil\\\\\"/back\\\\\\\\slash/100%%/\\\\$HOME/Keyvigil Helper\""}})
        EXPECT_EQ(AutostartEntry::execArgument(argument), expected) << argument.toStdString();
    EXPECT_EQ(AutostartEntry::entryText({"/opt/k v/keyvigil-agent", "load", "/home/u/a.plist"}),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Keyvigil Helper\n"
              "Exec=\"/opt/k v/keyvigil-agent\" load /home/u/a.plist\n"
              "NoDisplay=true\n"
              "X-GNOME-Autostart-enabled=true\n");
}

TEST(Agent, RestartBackOffDoublesForQuickEndsUpToTenAndStartsOverAfterALongRun) {
    using std::chrono::milliseconds;
    std::chrono::seconds delay{0};
    std::vector<long> delays;
    for (int i = 0; i < 6; ++i)
        delays.push_back((delay = nextRestartDelay(delay, milliseconds(300))).count());
    EXPECT_EQ(delays, (std::vector<long>{1, 2, 4, 8, 10, 10}));
    EXPECT_EQ(nextRestartDelay(delay, milliseconds(10000)).count(), 1);
    EXPECT_EQ(nextRestartDelay(delay, milliseconds(9999)).count(), 10);
    EXPECT_EQ(nextRestartDelay(std::chrono::seconds(4), milliseconds(9999)).count(), 8);
}

} // namespace
