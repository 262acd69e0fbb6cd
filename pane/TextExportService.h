#pragma once

#include <QString>

#include <optional>

// Where the window hands a text the user takes elsewhere: the clipboard, or a file the user names.
class TextExportService {
public:
    virtual ~TextExportService() = default;
    virtual void copyToClipboard(const QString& text) = 0;
    // Asks where to save, proposing `suggestedPath`; nullopt when the user cancels.
    virtual std::optional<QString> chooseFileToSave(const QString& suggestedPath) = 0;
};
