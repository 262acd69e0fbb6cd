#include "tests/agent/AgentSandbox.h"

namespace {

const QString kRestart = QStringLiteral(KEYVIGIL_RESTART_PROGRAM);

class Restart : public AgentSandbox {
protected:
    void SetUp() override {
        AgentSandbox::SetUp();
        environment.insert("KEYVIGIL_RECORDING_HOST_LOG", path("starts"));
    }
};

TEST_F(Restart, StartsTheSameHostAgainOnTheBundleOnceItQuit) {
    // Installed somewhere of its own, so that only its own executable can be started again.
    const QString host = path("My Apps/keyvigil-preferences");
    ASSERT_TRUE(QDir().mkpath(path("My Apps")) &&
                QFile::copy(QStringLiteral(KEYVIGIL_RECORDING_HOST), host));
    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(host, {"400"});
    ASSERT_TRUE(running.waitForStarted());
    const QString bundle = path("Pane Folder/Keyvigil.prefPane");
    const Result result = run(kRestart, {bundle, QString::number(running.processId())});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    ASSERT_TRUE(eventually([&] { return lines(path("starts")).size() == 2; }));
    EXPECT_EQ(lines(path("starts")), (QStringList{host + "\t400", host + '\t' + bundle}));
    running.waitForFinished();
}

TEST_F(Restart, BadArgumentsExitTwoAndAnUnknownProcessOne) {
    for (const QStringList& arguments : {QStringList{},
                                         {"bundle"},
                                         {"bundle", "12abc"},
                                         {"bundle", "0"},
                                         {"bundle", "-5"},
                                         {"", "1"},
                                         {"bundle", "1", "more"}}) {
        const Result result = run(kRestart, arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    const Result result = run(kRestart, {"bundle", "999999999"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "keyvigil.restart: cannot read the program of process 999999999\n");
}

} // namespace
