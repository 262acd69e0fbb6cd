#pragma once

#include "pane/ApplicationChooserService.h"
#include "pane/ConfirmationService.h"
#include "pane/PaneForm.h"
#include "pane/RVTableViewArray.h"
#include "pane/TextExportService.h"
#include "platform/AppleEventSender.h"
#include "platform/HelperAgent.h"
#include "platform/KeyboardAccess.h"
#include "platform/PaneHost.h"
#include "platform/PreferencesDomains.h"
#include "platform/ProcessManager.h"
#include "platform/ShellCompanionControl.h"
#include "platform/SoundService.h"
#include "platform/SupportSources.h"
#include "platform/Workspace.h"

// The services and values the pane's logic works through. The pane's plug-in entry picks the
// implementations; tests hand in fakes.
struct PanePlatform {
    PaneHost& host;
    PaneForm& form;
    ProcessManager& processes;
    AppleEventSender& appleEvents;
    HelperAgent& agents;
    PreferencesDomains& domains;
    Workspace& workspace;
    SoundService& sounds;
    PaneImageLoader& images;
    RVTableViewArray& excludeWordsTable;
    RVTableViewArray& excludeApplicationsTable;
    ApplicationChooserService& applicationChooser;
    SupportSources& support;
    KeyboardAccess& keyboardAccess;
    ConfirmationService& confirmations;
    TextExportService& textExport;
    // The system's, the local and the user's sound folders, listed in this order.
    QStringList soundFolders;
    double NSAppKitVersionNumber;
    // GNOME's Shell companion; null where the build has no GNOME support.
    ShellCompanionControl* shellCompanion = nullptr;
};
