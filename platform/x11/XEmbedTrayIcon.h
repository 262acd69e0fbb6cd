#pragma once

#include "platform/StatusIcons.h"
#include "platform/desktop/ChildErrors.h"
#include "platform/x11/X11Connection.h"
#include "shared/PixelImage.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>

class QProcess;
typedef struct _XGC* GC;

// A status icon in an X11 panel's XEmbed tray: a window of its own, docked in the tray that owns
// the screen's tray selection and docked again in the next tray when that one restarts, showing
// the baked picture at the size the tray gives it. Where the tray offers a visual with an alpha
// channel the picture's edges blend with the panel; elsewhere they are blended here onto the
// panel's background, which the window takes from its parent.
//
// The menu and the tooltip need text, which this process does not draw: `popupProgram` shows
// them, one popup at a time, the menu on a click with either button and the tooltip once the
// pointer rests on the icon, and prints the index of the entry chosen, which runs here.
class XEmbedTrayIcon final : public StatusIcon {
public:
    static constexpr int tooltipDelay = 700; // milliseconds

    // displayName null: $DISPLAY.
    explicit XEmbedTrayIcon(QString popupProgram, const char* displayName = nullptr);
    ~XEmbedTrayIcon() override;
    XEmbedTrayIcon(const XEmbedTrayIcon&) = delete;
    XEmbedTrayIcon& operator=(const XEmbedTrayIcon&) = delete;

    void show(const QString& imagePath, const QString& toolTip) override;
    void setMenu(std::vector<StatusMenuEntry> entries) override;

    // The docked window; 0 while no tray holds the icon.
    unsigned long window() const { return window_; }

private:
    void watchTray();
    void trayChanged();
    void dock();
    void undock();
    void handleEvent(XEvent& event);
    void draw();
    const PixelImage& pictureAt(int side);
    void openMenu(QPoint at);
    void openToolTip();
    void startPopup(const QStringList& arguments, std::vector<StatusMenuEntry> entries);
    void closePopup();

    X11Connection x11_;
    const QString popupProgram_;
    unsigned long traySelection_ = 0, managerAtom_ = 0, opcodeAtom_ = 0, visualAtom_ = 0,
                  infoAtom_ = 0;  // Atom
    unsigned long trayOwner_ = 0; // Window
    unsigned long window_ = 0;    // Window
    unsigned long colormap_ = 0;  // Colormap; 0 for the parent's
    void* visual_ = nullptr;      // Visual*, an unnamed type in Xlib
    int depth_ = 0;
    bool alphaVisual_ = false;
    GC gc_ = nullptr;
    QSize size_;

    bool shown_ = false;
    QString imagePath_;
    QString toolTip_;
    // The current picture at the window's side; made again when either changes.
    QHash<QString, PixelImage> pictures_;
    PixelImage background_; // the panel below the window, read at its last exposure
    int picturesSide_ = 0;
    std::vector<StatusMenuEntry> entries_;

    QProcess* popup_ = nullptr;
    ChildErrors errors_;
    bool popupIsMenu_ = false;
    QTimer rest_;
    QPoint pointer_;
};
