#pragma once

#include "platform/StatusIcons.h"

#include <QFileInfo>
#include <QStringList>

// A status icon that records what it is asked to show, as "show <picture file> <tooltip>" with
// the tooltip's lines joined by " / ", and keeps its menu for the test to click.
struct FakeStatusIcon final : StatusIcon {
    explicit FakeStatusIcon(QStringList& calls) : calls(calls) {}
    void show(const QString& imagePath, const QString& toolTip) override {
        calls << "show " + QFileInfo(imagePath).fileName() + ' ' +
                     QString(toolTip).replace('\n', " / ");
    }
    void setMenu(std::vector<StatusMenuEntry> entries) override { menu = std::move(entries); }
    QStringList menuTexts() const {
        QStringList texts;
        for (const StatusMenuEntry& entry : menu)
            texts << entry.text;
        return texts;
    }

    QStringList& calls;
    std::vector<StatusMenuEntry> menu;
};

// A host that is there once the test says so; the last icon made is kept for inspection.
struct FakeStatusIconHost final : StatusIconHost {
    bool available() const override { return running; }
    void setAppearedHandler(std::function<void()> handler) override {
        appeared = std::move(handler);
    }
    std::unique_ptr<StatusIcon> makeIcon() override {
        if (!running)
            return nullptr;
        auto icon = std::make_unique<FakeStatusIcon>(calls);
        last = icon.get();
        calls << "makeIcon";
        return icon;
    }
    void start() {
        running = true;
        if (appeared)
            appeared();
    }

    bool running = true;
    std::function<void()> appeared;
    QStringList calls;
    FakeStatusIcon* last = nullptr; // owned by whoever made it
};
