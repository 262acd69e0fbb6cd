#include "helper/indicators/StatusItem.h"

#include "platform/MonitorEvent.h"
#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

StatusItem::StatusItem(const QString& resourcesPath, KVObject& KVHelperObject,
                       StatusIconHost& hosts)
    : resourcesPath_(resourcesPath), KVHelperObject_(KVHelperObject), hosts_(hosts) {
    handOver_.run = [this] {
        if (icon_)
            icon_->show(imagePath_, toolTip_);
    };
    hosts_.setAppearedHandler([this] {
        if (built_ && !icon_)
            makeIcon();
    });
    pauseChanged_ = QObject::connect(&KVHelperObject_, &KVObject::warningsPauseChanged, [this] {
        if (!built_)
            return;
        refresh();
        if (icon_)
            icon_->setMenu(menu());
    });
}

StatusItem::~StatusItem() {
    QObject::disconnect(pauseChanged_);
    hosts_.setAppearedHandler({});
}

QString StatusItem::toolTipFor(std::uint32_t active, const QDateTime& pausedUntil) {
    const bool caps = active & ModifierMask::capsLock;
    const bool num = active & ModifierMask::numLock;
    QStringList lines;
    if (caps && num)
        lines << QCoreApplication::translate("StatusItem", "Caps Lock and Num Lock are on");
    else if (caps)
        lines << QCoreApplication::translate("StatusItem", "Caps Lock is on");
    else if (num)
        lines << QCoreApplication::translate("StatusItem", "Num Lock is on");
    if (active & ModifierMask::shift)
        lines << QCoreApplication::translate("StatusItem", "Shift is held down");
    if (lines.isEmpty())
        lines << QCoreApplication::translate("StatusItem", "No watched key is on");
    if (pausedUntil.isValid())
        lines << QCoreApplication::translate("StatusItem", "Warnings paused until %1")
                     .arg(QLocale().toString(pausedUntil.time(), QLocale::ShortFormat));
    return lines.join(u'\n');
}

void StatusItem::build() {
    remove();
    built_ = true;
    refresh();
    if (hosts_.available())
        makeIcon();
    else if (!hostChecked_) // said once, at the first build, and not again on later ones
        qCWarning(programLog, "no system tray yet: the status item appears when one starts");
    hostChecked_ = true;
}

void StatusItem::remove() {
    built_ = false;
    active_ = 0;
    icon_.reset();
}

void StatusItem::show(std::uint32_t active) {
    // Most modifier changes leave the watched keys as they are: nothing to redo then.
    if (!built_ || active == active_)
        return;
    active_ = active;
    refresh(false);
    // Handed to the icon once the change has been handled, after the upper-left window's
    // drawing has gone out: the panel's copy wakes the bus's thread or draws on another
    // connection, and a lock's change shows first where it is shown beside the text typed.
    // Ahead of the centre windows, which are shown after the change too but take milliseconds.
    if (icon_ && !handOver_.queued) {
        handOver_.queued = true;
        QCoreApplication::postEvent(&handOver_, new QEvent(QEvent::User), Qt::HighEventPriority);
    }
}

bool StatusItem::HandOver::event(QEvent* event) {
    if (event->type() != QEvent::User)
        return QObject::event(event);
    queued = false;
    if (run)
        run();
    return true;
}

void StatusItem::makeIcon() {
    icon_ = hosts_.makeIcon();
    if (!icon_)
        return;
    icon_->setMenu(menu());
    icon_->show(imagePath_, toolTip_);
}

void StatusItem::refresh(bool handOver) {
    const char* picture = "KVOpen";
    if ((active_ & (ModifierMask::capsLock | ModifierMask::shift | ModifierMask::numLock)) ==
        ModifierMask::numLock)
        picture = "KVNumLock";
    else if (active_ != 0)
        picture = "KVClosed";
    imagePath_ = resourcesPath_ + u'/' + QLatin1String(picture) + QStringLiteral(".svg");
    toolTip_ = toolTipFor(active_, KVHelperObject_.warningsPausedUntil());
    if (icon_ && handOver)
        icon_->show(imagePath_, toolTip_);
}

std::vector<StatusMenuEntry> StatusItem::menu() {
    KVObject* object = &KVHelperObject_;
    std::vector<StatusMenuEntry> entries{
        {QCoreApplication::translate("StatusItem", "Open Keyvigil Settings…"),
         [object] { object->openPrefPane(); }}};
    if (KVHelperObject_.warningsPausedUntil().isValid())
        entries.push_back({QCoreApplication::translate("StatusItem", "Resume Warnings"),
                           [object] { object->resumeWarnings(); }});
    else
        entries.push_back(
            {QCoreApplication::translate("StatusItem", "Pause Warnings for 5 Minutes"),
             [object] { object->pauseWarnings(pauseLength); }});
    return entries;
}
