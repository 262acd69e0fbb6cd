#pragma once

#include "pane/PanePlatform.h"
#include "tests/fakes/FakeSoundService.h"
#include "tests/fakes/Journal.h"

#include <QMap>

#include <optional>
#include <vector>

// The pane's platform fakes, all recording into one journal.

// The controls as plain values: check boxes, pop-ups (their titles and selection), sliders.
// The lock pop-ups and the sound pop-up start with the interface file's items.
class FakePaneForm : public PaneForm {
public:
    struct Popup {
        QStringList items;
        int selected = -1;
    };

    explicit FakePaneForm(Journal& journal) : journal_(journal) {
        const QStringList lock = {"No warning", "Warn once", "Warn until off"};
        popups["continuousSoundMenu"] = {lock};
        popups["notContinuousSoundMenu"] = {lock.mid(0, 2)};
        popups["WarnCapsLockPopup"] = {lock};
        popups["WarnNumLockPopup"] = {lock};
        popups["soundPopup"] = {{"System Alert Sound", "CAPS"}};
        QStringList counts;
        for (int i = 1; i <= 20; ++i)
            counts.append(QString::number(i));
        popups["WarnCountPopup"] = {counts};
        popups["WarnCapsLimitPopup"] = {counts};
    }
    bool state(QLatin1StringView outlet) const override { return states.value(outlet); }
    void setState(QLatin1StringView outlet, bool on) override {
        states[outlet] = on;
        journal_.record(QStringLiteral("form setState %1 %2").arg(outlet, yesNo(on)));
    }
    int indexOfSelectedItem(QLatin1StringView outlet) const override {
        return popups.value(outlet).selected;
    }
    void selectItemAtIndex(QLatin1StringView outlet, int index) override {
        Popup& popup = popups[outlet];
        popup.selected = index >= 0 && index < popup.items.size() ? index : -1;
    }
    QStringList itemTitles(QLatin1StringView outlet) const override {
        return popups.value(outlet).items;
    }
    void addItemWithTitle(QLatin1StringView outlet, const QString& title) override {
        popups[outlet].items.append(title);
    }
    void removeItemAtIndex(QLatin1StringView outlet, int index) override {
        Popup& popup = popups[outlet];
        popup.items.removeAt(index);
        if (popup.selected == index)
            popup.selected = -1;
        else if (popup.selected > index)
            --popup.selected;
    }
    void setItemsFromMenu(QLatin1StringView outlet, QLatin1StringView menu) override {
        popups[outlet] = {popups.value(menu).items, -1};
    }
    float floatValue(QLatin1StringView outlet) const override { return values.value(outlet); }
    void setFloatValue(QLatin1StringView outlet, float value) override { values[outlet] = value; }
    void setEnabled(QLatin1StringView outlet, bool enabled) override {
        this->enabled[outlet] = enabled;
    }
    void setStringValue(QLatin1StringView outlet, const QString& text) override {
        texts[outlet] = text;
    }
    void setHidden(QLatin1StringView outlet, bool hidden) override {
        this->hidden[outlet] = hidden;
        journal_.record(QStringLiteral("form setHidden %1 %2").arg(outlet, yesNo(hidden)));
    }
    void selectTabViewItem(QLatin1StringView, QLatin1StringView item) override {
        journal_.record(QStringLiteral("form select %1").arg(item));
    }
    void setImage(QLatin1StringView outlet, const PaneImage* image) override {
        images[outlet] = image;
    }

    QMap<QString, bool> states;
    QMap<QString, Popup> popups;
    QMap<QString, float> values;
    QMap<QString, bool> enabled;
    QMap<QString, QString> texts;
    QMap<QString, bool> hidden;
    QMap<QString, const PaneImage*> images;

private:
    Journal& journal_;
};

// Loads every file whose name it has been given; records each load.
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

// Processes as a test lists them, in order; each with its creator code.
class FakeProcessManager : public ProcessManager {
public:
    struct Process {
        ProcessSerialNumber psn;
        QString creator;
    };
    OSErr GetNextProcess(ProcessSerialNumber& psn) override {
        for (const Process& process : processes) {
            if (process.psn.lowLongOfPSN > psn.lowLongOfPSN) {
                psn = process.psn;
                return noErr;
            }
        }
        return procNotFound;
    }
    std::optional<QString> fileCreator(const ProcessSerialNumber& psn) override {
        for (const Process& process : processes)
            if (process.psn == psn)
                return process.creator;
        return std::nullopt;
    }
    std::vector<Process> processes;
};

class FakeAppleEventSender : public AppleEventSender {
public:
    explicit FakeAppleEventSender(Journal& journal) : journal_(journal) {}
    OSErr sendAppleEvent(std::uint32_t eventID, const ProcessSerialNumber& target) override {
        journal_.record(
            QStringLiteral("send %1 %2").arg(fourCharText(eventID)).arg(target.lowLongOfPSN));
        return noErr;
    }

private:
    Journal& journal_;
};

class FakeAgentControl : public AgentControl {
public:
    explicit FakeAgentControl(Journal& journal) : journal_(journal) {}
    void load(const QString& file) override { journal_.record("agent load " + file); }
    void unload(const QString& file) override { journal_.record("agent unload " + file); }

private:
    Journal& journal_;
};

class FakePreferencesDomains : public PreferencesDomains {
public:
    explicit FakePreferencesDomains(Journal& journal) : journal_(journal) {}
    std::optional<PlistValue::Dictionary> persistentDomainForName(const QString& name) override {
        return domains.contains(name) ? std::optional(domains.value(name)) : std::nullopt;
    }
    void setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                    const QString& name) override {
        domains[name] = domain;
        journal_.record("domain write " + name);
    }
    QMap<QString, PlistValue::Dictionary> domains;

private:
    Journal& journal_;
};

class FakeWorkspace : public Workspace {
public:
    explicit FakeWorkspace(Journal& journal) : journal_(journal) {}
    bool openFile(const QString& path) override {
        journal_.record("open " + path);
        return true;
    }
    bool launchTask(const QString& program, const QStringList& arguments) override {
        journal_.record("launch " + program + ' ' + arguments.join(' '));
        return true;
    }

private:
    Journal& journal_;
};

class FakePaneHost : public PaneHost {
public:
    explicit FakePaneHost(Journal& journal) : journal_(journal) {}
    void runAlertPanel(const QString& title, const QString& message,
                       const QString& button) override {
        journal_.record(QStringLiteral("alert %1 | %2 | %3").arg(title, message, button));
    }
    void terminate() override { journal_.record(QStringLiteral("terminate")); }
    qint64 processIdentifier() const override { return 4242; }

private:
    Journal& journal_;
};

// A table's view that keeps the selection and the error field, and records reloads.
class FakeTableView : public RVTableViewArrayView {
public:
    explicit FakeTableView(Journal& journal, QString name) : journal_(journal), name_(name) {}
    void reloadData() override { journal_.record(name_ + " reload"); }
    void selectRowAlone(int row) override { selected = {row}; }
    void deselectAll() override { selected.clear(); }
    QList<int> selectedRowIndexes() const override { return selected; }
    void scrollRowToVisible(int) override {}
    void editColumnRow(int, int row) override {
        journal_.record(name_ + " edit " + QString::number(row));
    }
    void endEditing() override {}
    int clickedRow() const override { return -1; }
    void installDoubleAction() override {}
    void setErrorFieldStringValue(const QString& text) override { error = text; }
    void setErrorFieldHidden(bool hidden) override { errorHidden = hidden; }
    void setDeleteButtonEnabled(bool) override {}
    void stopModalWithCode(int) override {}

    QList<int> selected;
    QString error;
    bool errorHidden = true;

private:
    Journal& journal_;
    QString name_;
};

// Ends each chooser with the answer a test gives it.
class FakeApplicationChooser : public ApplicationChooserService {
public:
    explicit FakeApplicationChooser(Journal& journal) : journal_(journal) {}
    void beginApplicationChooser(DidEnd didEnd) override {
        journal_.record(QStringLiteral("chooser"));
        didEnd(returnCode, filenames);
    }
    int returnCode = 1;
    QStringList filenames;

private:
    Journal& journal_;
};

struct FakePanePlatform {
    Journal journal;
    FakePaneHost host{journal};
    FakePaneForm form{journal};
    FakeProcessManager processes;
    FakeAppleEventSender appleEvents{journal};
    FakeAgentControl agents{journal};
    FakePreferencesDomains domains{journal};
    FakeWorkspace workspace{journal};
    FakeSoundService sounds{journal};
    FakeImageLoader images{journal};
    FakeTableView wordsView{journal, "words"};
    FakeTableView applicationsView{journal, "applications"};
    RVTableViewArray excludeWordsTable{wordsView, {{"UniqueWord", "Word"}}};
    RVTableViewArray excludeApplicationsTable{applicationsView,
                                              {{"Nonalphabetized", "Application"}}};
    FakeApplicationChooser applicationChooser{journal};
};
