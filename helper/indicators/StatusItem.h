#pragma once

#include "helper/indicators/KVObject.h"
#include "platform/StatusIcons.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// The status item: its picture shows whether a watched key is active (Num Lock alone has a
// picture of its own), its tooltip names what is on, and its menu opens the settings and pauses
// the warnings. The icon is made once a host is available, at once or when one starts: an icon
// made before the panel would never show. `hosts` and `KVHelperObject` must outlive this.
class StatusItem {
public:
    static constexpr std::chrono::minutes pauseLength{5};

    StatusItem(const QString& resourcesPath, KVObject& KVHelperObject, StatusIconHost& hosts);
    ~StatusItem();

    // True from the build on, whether or not a host has shown the icon yet.
    bool built() const { return built_; }
    void build();
    void remove();
    // The watched keys now active, as the modifier word's bits.
    void show(std::uint32_t active);

    // What the item shows now, whether or not a host has taken the icon yet.
    const QString& imagePath() const { return imagePath_; }
    const QString& toolTip() const { return toolTip_; }
    StatusIcon* icon() const { return icon_.get(); }

    // "Caps Lock is on", with the end of a pause when warnings are paused.
    static QString toolTipFor(std::uint32_t active, const QDateTime& pausedUntil);

private:
    void makeIcon();
    // Works out the picture and the tooltip, and hands them to the icon at once when asked.
    void refresh(bool handOver = true);
    std::vector<StatusMenuEntry> menu();

    const QString resourcesPath_;
    KVObject& KVHelperObject_;
    StatusIconHost& hosts_;
    std::unique_ptr<StatusIcon> icon_;
    bool built_ = false;
    bool hostChecked_ = false;
    std::uint32_t active_ = 0;
    QString imagePath_;
    QString toolTip_;
    QMetaObject::Connection pauseChanged_;
    // The hand-over to the icon after a modifier change, posted to itself; it goes with it.
    struct HandOver : QObject {
        bool event(QEvent* event) override;
        std::function<void()> run;
        bool queued = false;
    } handOver_;
};
