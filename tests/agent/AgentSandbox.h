#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>

// A private home, runtime and state folder for programs a test starts, and nothing of the
// real session: the supervisor is forced, so no test installs a unit.
class AgentSandbox : public ::testing::Test {
protected:
    struct Result {
        int status = -1;
        QString err;
    };

    void SetUp() override {
        // Detached processes come back to us when their parent ends, to be reaped here rather
        // than left to an init that may never do it.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir().mkpath(path("home")) && QDir().mkpath(path("state")));
        ASSERT_TRUE(QDir().mkdir(path("runtime")));
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert("HOME", path("home"));
        environment.insert("XDG_RUNTIME_DIR", path("runtime"));
        environment.insert("XDG_STATE_HOME", path("state"));
        environment.remove("XDG_CONFIG_HOME");
        environment.insert("KEYVIGIL_AGENT_MODE", "supervisor");
    }
    void TearDown() override {
        while (::waitpid(-1, nullptr, WNOHANG) > 0) {
        }
    }

    QString path(const QString& relative) const { return root_.path() + u'/' + relative; }

    Result run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(30000))
            ADD_FAILURE() << qPrintable(program) << " did not finish";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    static void writeFile(const QString& path, const QByteArray& contents,
                          bool executable = false) {
        QFile file(path);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(contents), contents.size());
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    static QStringList lines(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    // Polls, so that a slow machine only makes a test slower.
    static bool eventually(const auto& condition, int milliseconds = 5000) {
        for (int waited = 0; !condition(); waited += 20) {
            if (waited >= milliseconds)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    // An agent file as the settings pane writes it, by default where it writes it.
    QString writeAgentFile(const QString& program,
                           const QString& name = "org.keyvigil.Keyvigil.helper.plist") {
        const QString file = path("home/Library/LaunchAgents/") + name;
        writeFile(file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>Label</key><string>org.keyvigil.Keyvigil.helper</string>"
                        "<key>Program</key><string>" +
                            program.toHtmlEscaped().toUtf8() +
                            "</string><key>RunAtLoad</key><true/><key>KeepAlive</key><true/>"
                            "</dict></plist>\n");
        return file;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

private:
    QTemporaryDir root_;
};
