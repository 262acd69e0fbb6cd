#pragma once

#include "shared/PlistValue.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// What the support mail reports about this system besides the settings: the system's version,
// a folder's attributes, the system log and the crash reports.
class SupportSources {
public:
    virtual ~SupportSources() = default;

    // The operating system and its version, as one line for people.
    virtual QString operatingSystemVersionString() = 0;
    // A file's or folder's attributes under Foundation's attribute names (NSFileType,
    // NSFileOwnerAccountName, NSFilePosixPermissions, NSFileModificationDate, NSFileSize, …);
    // nullopt when it is missing or cannot be read. Links are not followed.
    virtual std::optional<PlistValue::Dictionary> attributesOfItemAtPath(const QString& path) = 0;
    // Each line of the system log, oldest first. A log that cannot be read gives no lines.
    virtual void forEachSystemLogLine(const std::function<void(const QString& line)>& visit) = 0;
    // Every crash report kept, by its path relative to the reports folder (whose first part
    // names the program that crashed), in the order the folder lists them.
    virtual std::vector<QString> crashReportPaths() = 0;
    // A listed report's text; nullopt when it cannot be read as text.
    virtual std::optional<QString> readCrashReport(const QString& relativePath) = 0;
};
