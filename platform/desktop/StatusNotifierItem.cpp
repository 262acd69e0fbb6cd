#include "platform/desktop/StatusNotifierItem.h"

#include "platform/desktop/StatusPictures.h"
#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QtEndian>

#include <algorithm>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap) {
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap) {
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip) {
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.icon << toolTip.title << toolTip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip) {
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.icon >> toolTip.title >> toolTip.text;
    argument.endStructure();
    return argument;
}

namespace {

// The status-notifier item interface over a StatusNotifierItem.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ none)
    Q_PROPERTY(StatusNotifierPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ none)
    Q_PROPERTY(StatusNotifierPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ none)
    Q_PROPERTY(StatusNotifierPixmaps AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ none)
    Q_PROPERTY(StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item)
        : QDBusAbstractAdaptor(item), item_(item) {
        connect(item, &StatusNotifierItem::newIcon, this, &StatusNotifierItemAdaptor::NewIcon);
        connect(item, &StatusNotifierItem::newToolTip, this,
                &StatusNotifierItemAdaptor::NewToolTip);
    }

    QString category() const { return QStringLiteral("Hardware"); }
    QString id() const { return item_->title(); }
    QString title() const { return item_->title(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString none() const { return {}; }
    StatusNotifierPixmaps iconPixmap() const { return item_->iconPixmap(); }
    StatusNotifierPixmaps noPixmaps() const { return {}; }
    StatusNotifierToolTip toolTip() const { return item_->toolTip(); }
    // A click shows the menu, as a click on a menu-bar item does.
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const {
        return QDBusObjectPath(QString::fromLatin1(StatusNotifierItem::menuPath));
    }

public slots:
    void ContextMenu(int, int) {}
    void Activate(int, int) { item_->activate(); }
    void SecondaryActivate(int, int) {}
    void Scroll(int, const QString&) {}

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem* item_;
};

} // namespace

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, const QString& title)
    : bus_(bus), title_(title) {
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmaps>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();
    new StatusNotifierItemAdaptor(this);

    static int items = 0;
    serviceName_ = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(++items);
    if (!bus_.registerObject(QString::fromLatin1(itemPath), this,
                             QDBusConnection::ExportAdaptors) ||
        !bus_.registerObject(QString::fromLatin1(menuPath), &menu_,
                             QDBusConnection::ExportAdaptors) ||
        !bus_.registerService(serviceName_))
        qCWarning(programLog).noquote()
            << "cannot export the status item on the session bus:" << bus_.lastError().message();

    // A panel that restarts brings a new watcher, which knows no items.
    auto* watcher = new QDBusServiceWatcher(kWatcherService, bus_,
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            [this] { registerWithWatcher(); });
}

StatusNotifierItem::~StatusNotifierItem() {
    bus_.unregisterService(serviceName_);
    bus_.unregisterObject(QString::fromLatin1(menuPath));
    bus_.unregisterObject(QString::fromLatin1(itemPath));
}

StatusNotifierPixmaps StatusNotifierItem::pixmapsOf(const QString& imagePath) {
    StatusNotifierPixmaps pixmaps;
    for (const PixelImage& picture : StatusPictures::baked(imagePath)) {
        QByteArray argb(qsizetype(picture.byteCount()), Qt::Uninitialized);
        auto* out = reinterpret_cast<quint32*>(argb.data());
        const std::uint32_t* in = picture.bits();
        for (std::size_t i = 0; i < picture.byteCount() / 4; ++i) {
            // Hosts take the colours whole, not premultiplied by the alpha.
            const std::uint32_t p = in[i];
            const std::uint32_t alpha = p >> 24;
            const auto whole = [alpha](std::uint32_t c) {
                return alpha == 0 ? 0u : std::min(255u, (c * 255 + alpha / 2) / alpha);
            };
            *out++ = qToBigEndian(quint32(alpha << 24 | whole((p >> 16) & 0xFF) << 16 |
                                          whole((p >> 8) & 0xFF) << 8 | whole(p & 0xFF)));
        }
        pixmaps.append({picture.width(), picture.height(), argb});
    }
    return pixmaps;
}

void StatusNotifierItem::show(const QString& imagePath, const QString& toolTip) {
    if (imagePath != imagePath_) {
        imagePath_ = imagePath;
        auto cached = pixmapCache_.constFind(imagePath);
        if (cached == pixmapCache_.cend())
            cached = pixmapCache_.insert(imagePath, pixmapsOf(imagePath));
        pixmaps_ = *cached;
        emit newIcon();
    }
    if (toolTip != toolTip_) {
        toolTip_ = toolTip;
        emit newToolTip();
    }
    if (!shown_) {
        shown_ = true;
        registerWithWatcher();
    }
}

void StatusNotifierItem::setMenu(std::vector<StatusMenuEntry> entries) {
    menu_.setEntries(std::move(entries));
}

void StatusNotifierItem::activate() {
    const auto& entries = menu_.entries();
    if (!entries.empty() && entries.front().triggered)
        entries.front().triggered();
}

void StatusNotifierItem::registerWithWatcher() {
    if (!shown_)
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << serviceName_;
    call.setAutoStartService(false);
    // A watcher that refuses is no worse than none: the item waits for the next.
    bus_.asyncCall(call);
}

#include "StatusNotifierItem.moc"
