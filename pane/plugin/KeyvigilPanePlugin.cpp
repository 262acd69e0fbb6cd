#include "pane/plugin/KeyvigilPanePlugin.h"

#include "pane/Outlets.h"
#include "pane/plugin/ApplicationChooser.h"
#include "pane/plugin/ImageAndTextCellDelegate.h"
#include "platform/backends/DisplayBackends.h"
#include "platform/desktop/AppKitVersionNumber.h"
#include "platform/desktop/HostFolders.h"
#include "platform/desktop/LinuxSupportSources.h"
#include "shared/BundleLayout.h"
#include "shared/ProgramLog.h"
#include "shared/SettingsKeys.h"

#include "ui_KeyvigilPref.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace {

SdlSoundService::Options soundOptions(const QString& bundlePath, AlertSound* alert) {
    return {SdlSoundService::searchFolders(BundleLayout::resources(bundlePath)),
            std::chrono::seconds(3), alert};
}

} // namespace

// The chooser as a modal dialog over the pane's window; its end handler runs when it closes.
class QtApplicationChooser final : public ApplicationChooserService {
public:
    explicit QtApplicationChooser(QWidget& view) : view_(view) {}
    void beginApplicationChooser(DidEnd didEnd) override {
        const auto* accessory = view_.findChild<QLabel*>(QString(Outlets::exclusionAplicationView));
        ApplicationChooser chooser(accessory ? accessory->text() : QString(), view_.window());
        const int returnCode = chooser.exec() == QDialog::Accepted ? 1 : 0;
        didEnd(returnCode, chooser.filenames());
    }

private:
    QWidget& view_;
};

struct KeyvigilPanePlugin::Pane {
    Pane(const QString& bundlePath, PaneHost& host)
        : agents(BundleLayout::agentTool(bundlePath)),
          sounds(soundOptions(bundlePath, alert.get())),
          wordsTable(*view.ui().excludeWordsTable, view.ui().excludeWordsAddButton,
                     view.ui().excludeWordsDeleteButton, view.ui().excludeWordsErrorMsg,
                     {QStringLiteral("Word")}),
          applicationsTable(*view.ui().excludeApplicationsTable,
                            view.ui().excludeApplicationsAddButton,
                            view.ui().excludeApplicationsDeleteButton,
                            view.ui().applicationErrorMsg, {QStringLiteral("Application")}),
          platform{host,
                   form,
                   processes,
                   appleEvents,
                   agents,
                   domains,
                   workspace,
                   sounds,
                   images,
                   wordsTable.table(),
                   applicationsTable.table(),
                   chooser,
                   support,
                   {HostFolders::path(HostFolders::Folder::SystemSounds),
                    HostFolders::path(HostFolders::Folder::LocalSounds),
                    HostFolders::path(HostFolders::Folder::UserSounds)},
                   kLinuxAppKitVersionNumber} {}

    KeyvigilPrefView view;
    QtPaneForm form{view};
    ProcProcessManager processes;
    PidfdAppleEventSender appleEvents;
    AgentTool agents;
    PropertyListDomains domains;
    DesktopWorkspace workspace;
    std::unique_ptr<AlertSound> alert = DisplayBackends::toolkitAlertSound();
    SdlSoundService sounds;
    QtPaneImageLoader images;
    QtTableViewArray wordsTable;
    QtTableViewArray applicationsTable;
    QtApplicationChooser chooser{view};
    LinuxSupportSources support;
    PanePlatform platform;
    KeyvigilPref pref{platform};
};

KeyvigilPanePlugin::KeyvigilPanePlugin() = default;
KeyvigilPanePlugin::~KeyvigilPanePlugin() = default;

bool KeyvigilPanePlugin::initWithBundle(const QString& bundlePath, PaneHost& host) {
    // The plug-in has its own copy of the log's name.
    setProgramLogName("keyvigil.preferences");
    pane_ = std::make_unique<Pane>(bundlePath, host);
    if (!pane_->pref.initWithBundle(bundlePath))
        return false;
    // Applications show an icon beside the name and are added through the chooser only.
    QTableView* applications = pane_->view.ui().excludeApplicationsTable;
    applications->setItemDelegateForColumn(0, new ImageAndTextCellDelegate(applications));
    pane_->applicationsTable.setColumnEditable(0, false);
    for (QTableView* table : {applications, pane_->view.ui().excludeWordsTable}) {
        table->horizontalHeader()->setStretchLastSection(true);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(22);
    }
    connectActions();
    return true;
}

void KeyvigilPanePlugin::connectActions() {
    using namespace Outlets;
    KeyvigilPref& pref = pane_->pref;
    QWidget& view = pane_->view;
    Ui::KeyvigilPrefView& ui = pane_->view.ui();

    // Every check box of the settings table stores its key; a few first do more.
    for (const SettingsKeys::KeyInfo& info : SettingsKeys::all()) {
        auto* box = view.findChild<QAbstractButton*>(QString(info.control));
        if (info.control.isEmpty() || !box)
            continue;
        const QLatin1StringView name = info.control;
        std::function<void()> action = [&pref, name] { pref.preferenceChanged(name); };
        if (name == EnableKeyvigilSwitch)
            action = [&pref] { pref.enabledChanged(); };
        else if (name == showCapsUpperLeftSwitch || name == showNumUpperLeftSwitch ||
                 name == showOtherUpperLeftSwitch)
            action = [&pref, name] { pref.upperLeftChanged(name); };
        else if (name == WarnWithFlashSwitch)
            action = [&pref, name] { pref.flashScreen(name); };
        QObject::connect(box, &QAbstractButton::toggled, &view, action);
    }
    for (QComboBox* popup :
         {ui.WarnCountPopup, ui.WarnCapsLimitPopup, ui.WarnCapsLockPopup, ui.WarnNumLockPopup}) {
        const QLatin1StringView name = popup == ui.WarnCountPopup       ? WarnCountPopup
                                       : popup == ui.WarnCapsLimitPopup ? WarnCapsLimitPopup
                                       : popup == ui.WarnCapsLockPopup  ? WarnCapsLockPopup
                                                                        : WarnNumLockPopup;
        QObject::connect(popup, &QComboBox::activated, &view,
                         [&pref, name] { pref.preferenceChanged(name); });
    }
    QObject::connect(ui.soundPopup, &QComboBox::activated, &view,
                     [&pref] { pref.playSound(soundPopup); });
    // Dragging stores the volume; letting go, or a key, plays the sound at it once.
    QSlider* slider = ui.volumeSlider;
    QObject::connect(slider, &QSlider::valueChanged, &view, [&pref, slider] {
        if (slider->isSliderDown())
            pref.preferenceChanged(volumeSlider);
        else
            pref.playSound(volumeSlider);
    });
    QObject::connect(slider, &QSlider::sliderReleased, &view,
                     [&pref] { pref.playSound(volumeSlider); });
    QObject::connect(ui.tabView, &QTabWidget::currentChanged, &view,
                     [&pref] { pref.tabViewWillSelectTabViewItem(); });
    QObject::connect(ui.accessibilityButton, &QAbstractButton::clicked, &view,
                     [&pref] { pref.openUniversalAccess(); });
    // Each "?" button opens the help at its topic; its title is the topic's anchor.
    for (QAbstractButton* help : view.findChildren<QAbstractButton*>()) {
        if (!help->objectName().endsWith(QLatin1StringView("HelpButton")))
            continue;
        const QByteArray name = help->objectName().toLatin1();
        QObject::connect(help, &QAbstractButton::clicked, &view,
                         [&pref, name] { pref.showHelp(QLatin1StringView(name)); });
    }
    QObject::connect(ui.emailTheAuthorButton, &QAbstractButton::clicked, &view,
                     [&pref] { pref.emailTheAuthor(); });
}

QWidget* KeyvigilPanePlugin::mainView() {
    return pane_ ? &pane_->view : nullptr;
}

void KeyvigilPanePlugin::willSelect() {
    if (pane_)
        pane_->pref.willSelect();
}

void KeyvigilPanePlugin::willUnselect() {
    if (pane_)
        pane_->pref.willUnselect();
}
