#pragma once

#include "pane/PanePlatform.h"
#include "tests/fakes/FakeKeyboardAccess.h"
#include "tests/fakes/FakeSoundService.h"
#include "tests/fakes/Journal.h"

#include <QMap>

#include <optional>
#include <vector>

// The pane's platform fakes, all recording into one journal.

// The controls as plain values, by outlet. The lock and sound pop-ups start with the interface
// file's items; the count pop-ups are filled by the form. Only hiding is journaled: the order of
// the stopped message matters.
class FakePaneForm : public PaneForm {
public:
    struct Control {
        bool state = false;
        bool enabled = false;
        bool hidden = false;
        float value = 0;
        QString text;
        QStringList items; // titles
        QStringList labels;
        QStringList groups;
        int selected = -1;
        const PaneImage* image = nullptr;
    };

    explicit FakePaneForm(Journal& journal) : journal_(journal) {
        const QStringList lock = {"No warning", "Warn once", "Warn until off"};
        for (Outlet popup :
             {Outlet::continuousSoundMenu, Outlet::WarnCapsLockPopup, Outlet::WarnNumLockPopup})
            controls[popup].items = lock;
        controls[Outlet::notContinuousSoundMenu].items = lock.mid(0, 2);
    }
    Control& operator[](Outlet outlet) { return controls[outlet]; }

    bool state(Outlet outlet) const override { return controls.value(outlet).state; }
    void setState(Outlet outlet, bool on) override { controls[outlet].state = on; }
    int indexOfSelectedItem(Outlet outlet) const override {
        return controls.value(outlet).selected;
    }
    void selectItemAtIndex(Outlet outlet, int index) override {
        Control& popup = controls[outlet];
        popup.selected = index >= 0 && index < popup.items.size() ? index : -1;
    }
    QStringList itemTitles(Outlet outlet) const override { return controls.value(outlet).items; }
    void addItemWithTitle(Outlet outlet, const QString& title) override {
        controls[outlet].items.append(title);
    }
    void removeItemAtIndex(Outlet outlet, int index) override {
        Control& popup = controls[outlet];
        popup.items.removeAt(index);
        popup.selected = popup.selected == index ? -1 : popup.selected - (popup.selected > index);
    }
    void setItems(Outlet outlet, const QList<PopupItem>& items) override {
        Control& popup = controls[outlet];
        popup.items.clear();
        popup.labels.clear();
        popup.groups.clear();
        for (const PopupItem& item : items) {
            popup.items.append(item.title);
            popup.labels.append(item.label);
            popup.groups.append(item.group);
        }
        popup.selected = -1;
    }
    void setItemsFromMenu(Outlet outlet, Outlet menu) override {
        controls[outlet].items = controls.value(menu).items;
        controls[outlet].selected = -1;
    }
    float floatValue(Outlet outlet) const override { return controls.value(outlet).value; }
    void setFloatValue(Outlet outlet, float value) override { controls[outlet].value = value; }
    void setEnabled(Outlet outlet, bool enabled) override { controls[outlet].enabled = enabled; }
    void setStringValue(Outlet outlet, const QString& text) override {
        controls[outlet].text = text;
    }
    QString title(Outlet outlet) const override { return controls.value(outlet).text; }
    void setHidden(Outlet outlet, bool hidden) override {
        controls[outlet].hidden = hidden;
        journal_.record(
            QStringLiteral("form setHidden %1 %2").arg(Controls::name(outlet), yesNo(hidden)));
    }
    void selectTabViewItem(Outlet, Outlet) override {}
    void setImage(Outlet outlet, const PaneImage* image) override {
        controls[outlet].image = image;
    }

    QMap<Outlet, Control> controls;

private:
    Journal& journal_;
};

// Loads every file but the missing ones; records each load.
class FakeImageLoader : public PaneImageLoader {
public:
    explicit FakeImageLoader(Journal& journal) : journal_(journal) {}
    std::unique_ptr<PaneImage> loadImage(const QString& path) override {
        journal_.record("image load " + path.section(u'/', -1));
        return missing.contains(path.section(u'/', -1)) ? nullptr : std::make_unique<PaneImage>();
    }
    QStringList missing;

private:
    Journal& journal_;
};

// The pane's other services in one: the host, the process list (processes as a test lists them,
// each with its creator code), events, the agent tool (answering as agentProblems says), the
// login window's domain, the workspace, and the application chooser, which ends with the answer
// a test gives it.
class FakePaneServices : public PaneHost,
                         public ProcessManager,
                         public AppleEventSender,
                         public HelperAgent,
                         public PreferencesDomains,
                         public Workspace,
                         public ApplicationChooserService {
public:
    struct Process {
        ProcessSerialNumber psn;
        QString creator;
    };

    explicit FakePaneServices(Journal& journal) : journal_(journal) {}

    void runAlertPanel(const QString& title, const QString& message,
                       const QString& button) override {
        journal_.record(QStringLiteral("alert %1 | %2 | %3").arg(title, message, button));
    }
    void terminate() override { journal_.record(QStringLiteral("terminate")); }
    qint64 processIdentifier() const override { return 4242; }

    OSErr GetNextProcess(ProcessSerialNumber& psn) override {
        for (const Process& process : processes) {
            if (process.psn.lowLongOfPSN > psn.lowLongOfPSN) {
                psn = process.psn;
                return noErr;
            }
        }
        return procNotFound;
    }
    const Process* process(const ProcessSerialNumber& psn) const {
        for (const Process& process : processes)
            if (process.psn == psn)
                return &process;
        return nullptr;
    }
    std::optional<QString> fileCreator(const ProcessSerialNumber& psn) override {
        return process(psn) ? std::optional(process(psn)->creator) : std::nullopt;
    }
    OSErr CopyProcessName(const ProcessSerialNumber& psn, QString* name) override {
        if (!process(psn))
            return procNotFound;
        if (name)
            *name = process(psn)->creator;
        return noErr;
    }
    OSErr sendAppleEvent(std::uint32_t eventID, const ProcessSerialNumber& target) override {
        journal_.record(
            QStringLiteral("send %1 %2").arg(fourCharText(eventID)).arg(target.lowLongOfPSN));
        return noErr;
    }

    std::optional<QString> load(const QString& file) override { return agent("load", file); }
    std::optional<QString> stop(const QString& file) override { return agent("stop", file); }
    std::optional<QString> unload(const QString& file) override { return agent("unload", file); }
    std::optional<QString> whyNotRunning(const QString& file) override {
        return agent("running", file);
    }
    std::optional<QString> agent(const QString& verb, const QString& file) {
        journal_.record("agent " + verb + ' ' + file);
        return agentProblems.contains(verb) ? std::optional(agentProblems.value(verb))
                                            : std::nullopt;
    }

    std::optional<PlistValue::Dictionary> persistentDomainForName(const QString& name) override {
        return domains.contains(name) ? std::optional(domains.value(name)) : std::nullopt;
    }
    void setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                    const QString& name) override {
        domains[name] = domain;
        journal_.record("domain write " + name);
    }

    bool launchTask(const QString& program, const QStringList& arguments) override {
        journal_.record("launch " + program + ' ' + arguments.join(' '));
        return true;
    }
    bool launchApplication(const QString& applicationPath) override {
        journal_.record("launch application " + applicationPath);
        return true;
    }
    void openURL(const QString& url, OpenFailed failed) override {
        openedURLs.append(url);
        journal_.record(QStringLiteral("open URL"));
        if (openFailure)
            failed(*openFailure);
    }

    void beginApplicationChooser(DidEnd didEnd) override { didEnd(returnCode, filenames); }

    std::vector<Process> processes;
    // By verb ("load", "stop", "unload", "running"): what the agent tool says went wrong.
    QMap<QString, QString> agentProblems;
    QMap<QString, PlistValue::Dictionary> domains;
    QStringList openedURLs;
    // Set: no program opens the URLs, for this reason.
    std::optional<QString> openFailure;
    int returnCode = 1;
    QStringList filenames;

private:
    Journal& journal_;
};

// The support mail's sources as a test sets them; nullopt attributes for a missing folder.
class FakeSupportSources : public SupportSources {
public:
    QString operatingSystemVersionString() override { return osVersion; }
    std::optional<PlistValue::Dictionary> attributesOfItemAtPath(const QString& path) override {
        attributesAsked.append(path);
        return agentFolder;
    }
    void forEachSystemLogLine(const std::function<void(const QString&)>& visit) override {
        for (const QString& line : logLines)
            visit(line);
    }
    std::vector<QString> crashReportPaths() override {
        std::vector<QString> paths;
        for (const auto& [path, text] : reports)
            paths.push_back(path);
        return paths;
    }
    std::optional<QString> readCrashReport(const QString& relativePath) override {
        for (const auto& [path, text] : reports)
            if (path == relativePath)
                return text;
        return std::nullopt;
    }

    QString osVersion = QStringLiteral("Debian GNU/Linux 12 (bookworm), Linux 6.1.0");
    std::optional<PlistValue::Dictionary> agentFolder;
    QStringList logLines;
    std::vector<std::pair<QString, std::optional<QString>>> reports;
    QStringList attributesAsked;
};

// A table's view that keeps the selection and the error text.
class FakeTableView : public RVTableViewArrayView {
public:
    void reloadData() override {}
    void selectRowAlone(int row) override { selected = {row}; }
    void deselectAll() override { selected.clear(); }
    QList<int> selectedRowIndexes() const override { return selected; }
    void scrollRowToVisible(int) override {}
    void editColumnRow(int, int) override {}
    void endEditing() override {}
    int clickedRow() const override { return -1; }
    void installDoubleAction() override {}
    void setErrorFieldStringValue(const QString& text) override { error = text; }
    void setErrorFieldHidden(bool) override {}
    void setDeleteButtonEnabled(bool) override {}
    void stopModalWithCode(int) override {}

    QList<int> selected;
    QString error;
};

// The clipboard and the file the user names, as a test sets them.
class FakeTextExport : public TextExportService {
public:
    explicit FakeTextExport(Journal& journal) : journal_(journal) {}
    void copyToClipboard(const QString& text) override {
        clipboard = text;
        journal_.record(QStringLiteral("copy to clipboard"));
    }
    std::optional<QString> chooseFileToSave(const QString& suggestedPath) override {
        journal_.record("choose file to save " + suggestedPath);
        return savePath;
    }

    QString clipboard;
    std::optional<QString> savePath; // nullopt: the user cancels

private:
    Journal& journal_;
};

// The sound folders are the test's to fill in.
struct FakePanePlatform {
    Journal journal;
    FakePaneServices services{journal};
    FakePaneForm form{journal};
    FakeSoundService sounds{journal};
    FakeImageLoader images{journal};
    FakeSupportSources support;
    FakeKeyboardAccess keyboardAccess{journal};
    FakeTextExport textExport{journal};
    FakeTableView wordsView;
    FakeTableView applicationsView;
    RVTableViewArray excludeWordsTable{wordsView, {{"UniqueWord", "Word"}}};
    RVTableViewArray excludeApplicationsTable{applicationsView,
                                              {{"Nonalphabetized", "Application"}}};
    // Each service in the order PanePlatform lists them.
    PanePlatform platform =
        PanePlatform(services, form, services, services, services, services, services, sounds,
                     images, excludeWordsTable, excludeApplicationsTable, services, support,
                     keyboardAccess, keyboardAccess, textExport, QStringList(), 1265.0);
};
