#include "pane/plugin/KeyvigilPanePlugin.h"

#include "pane/Controls.h"
#include "pane/plugin/ApplicationChooser.h"
#include "pane/plugin/ImageAndTextCellDelegate.h"
#include "platform/backends/DisplayBackends.h"
#include "platform/backends/WindowSession.h"
#include "platform/desktop/AppKitVersionNumber.h"
#include "platform/desktop/HostFolders.h"
#include "platform/desktop/LinuxSupportSources.h"
#include "shared/BundleLayout.h"
#include "shared/ProgramLog.h"
#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include "ui_KeyvigilPref.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
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
        const auto* accessory =
            view_.findChild<QLabel*>(QString(Controls::name(Outlet::exclusionAplicationView)));
        ApplicationChooser chooser(accessory ? accessory->text() : QString(), view_.window());
        const int returnCode = chooser.exec() == QDialog::Accepted ? 1 : 0;
        didEnd(returnCode, chooser.filenames());
    }

private:
    QWidget& view_;
};

// A warning over the pane's window, with Cancel as its default button.
class QtConfirmation final : public ConfirmationService {
public:
    explicit QtConfirmation(QWidget& view) : view_(view) {}
    bool confirm(const Confirmation& confirmation) override {
        QMessageBox box(QMessageBox::Warning, confirmation.title,
                        QStringLiteral("<b>%1</b>").arg(confirmation.title.toHtmlEscaped()),
                        QMessageBox::NoButton, view_.window());
        box.setInformativeText(confirmation.message);
        QPushButton* confirm =
            box.addButton(u'&' + confirmation.confirmButton, QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == confirm;
    }

private:
    QWidget& view_;
};

// The desktop's clipboard, and a save dialog over the pane's window.
class QtTextExport final : public TextExportService {
public:
    explicit QtTextExport(QWidget& view) : view_(view) {}
    void copyToClipboard(const QString& text) override {
        QGuiApplication::clipboard()->setText(text);
    }
    std::optional<QString> chooseFileToSave(const QString& suggestedPath) override {
        const QString path = QFileDialog::getSaveFileName(
            view_.window(),
            QCoreApplication::translate("SupportMailControl", "Save the Support Mail"),
            suggestedPath, QCoreApplication::translate("SupportMailControl", "Text files (*.txt)"));
        return path.isEmpty() ? std::nullopt : std::optional(path);
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
          // The system's files are read under KEYVIGIL_SYSTEM_ROOT in tests.
          keyboardAccess(DisplayBackends::windowSession(),
                         BundleLayout::resources(bundlePath) + u'/' +
                             QLatin1String(KeyboardAccessFiles::kProgramName),
                         qEnvironmentVariable("KEYVIGIL_SYSTEM_ROOT")),
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
                   keyboardAccess,
                   confirmations,
                   textExport,
                   {HostFolders::path(HostFolders::Folder::SystemSounds),
                    HostFolders::path(HostFolders::Folder::LocalSounds),
                    HostFolders::path(HostFolders::Folder::UserSounds)},
                   kLinuxAppKitVersionNumber,
                   shellCompanion.get()} {}

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
    LinuxKeyboardAccess keyboardAccess;
    std::unique_ptr<ShellCompanionControl> shellCompanion =
        DisplayBackends::shellCompanionControl();
    QtConfirmation confirmations{view};
    QtTextExport textExport{view};
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
    for (QTableView* table :
         {applications, static_cast<QTableView*>(pane_->view.ui().excludeWordsTable)}) {
        table->horizontalHeader()->setStretchLastSection(true);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(22);
    }
    connectActions();
    return true;
}

void KeyvigilPanePlugin::connectActions() {
    KeyvigilPref& pref = pane_->pref;
    QWidget& view = pane_->view;
    // Each control of the table reports the user's changes by its outlet; what a change does is
    // the pane's to decide.
    for (const Control& control : Controls::all()) {
        if (control.action == Action::Show)
            continue;
        QWidget* widget = view.findChild<QWidget*>(QString(control.name));
        const Outlet outlet = control.outlet;
        const auto changed = [&pref, outlet] { pref.userChanged(outlet); };
        if (auto* popup = qobject_cast<QComboBox*>(widget)) {
            QObject::connect(popup, &QComboBox::activated, &view, changed);
        } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
            // Dragging stores the volume; letting go, or a key, plays the sound at it once.
            QObject::connect(slider, &QSlider::valueChanged, &view, [&pref, outlet, slider] {
                pref.userChanged(outlet, slider->isSliderDown());
            });
            QObject::connect(slider, &QSlider::sliderReleased, &view, changed);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            QObject::connect(tabs, &QTabWidget::currentChanged, &view, changed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button,
                             button->isCheckable() ? &QAbstractButton::toggled
                                                   : &QAbstractButton::clicked,
                             &view, changed);
        } else {
            qCWarning(programLog, "the pane's interface has no control \"%s\" to act on",
                      control.name.data());
        }
    }
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
