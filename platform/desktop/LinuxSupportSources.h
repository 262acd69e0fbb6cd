#pragma once

#include "platform/SupportSources.h"

#include <QString>

#include <map>

// The support mail's sources on Linux. The system log is the user's journal, or the system log
// file (see HostFolders) where there is no journal; the crash reports are the core dumps the
// journal keeps, or the text files of the crash-reports folder. Both are chosen when a mail is
// composed, as a journal may have started since.
class LinuxSupportSources final : public SupportSources {
public:
    // Tests point the fallbacks at files of their own.
    LinuxSupportSources();
    LinuxSupportSources(QString systemLogPath, QString crashReportsFolder, bool useJournal);

    QString operatingSystemVersionString() override;
    std::optional<PlistValue::Dictionary> attributesOfItemAtPath(const QString& path) override;
    void forEachSystemLogLine(const std::function<void(const QString& line)>& visit) override;
    std::vector<QString> crashReportPaths() override;
    std::optional<QString> readCrashReport(const QString& relativePath) override;

private:
    QString systemLogPath_;
    QString crashReportsFolder_;
    bool useJournal_;
    // The journal's reports of the last listing, by the path they were listed under.
    std::map<QString, QString> journalReports_;
};
