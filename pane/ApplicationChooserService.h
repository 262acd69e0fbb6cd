#pragma once

#include <QStringList>

#include <functional>

// Asks the user for applications to exclude: the installed ones, or a bundle or desktop entry
// picked elsewhere. The end handler gets the return code (1 for the default button) and the
// chosen files' full paths in the chooser's order.
class ApplicationChooserService {
public:
    using DidEnd = std::function<void(int returnCode, const QStringList& filenames)>;
    virtual ~ApplicationChooserService() = default;
    virtual void beginApplicationChooser(DidEnd didEnd) = 0;
};
