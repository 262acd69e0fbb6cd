#include "platform/wayland/KWinKeystate.h"

#include "platform/wayland/WaylandConnection.h"

#include "keystate-client-protocol.h"

#include <algorithm>

KWinKeystate::KWinKeystate(WaylandConnection& connection, LockStateHandler handler)
    : handler_(std::move(handler)) {
    const WaylandConnection::Global* global = connection.find("org_kde_kwin_keystate");
    if (!global)
        return;
    keystate_ = static_cast<org_kde_kwin_keystate*>(
        wl_registry_bind(connection.registry(), global->name, &org_kde_kwin_keystate_interface,
                         std::min<std::uint32_t>(global->version, 4)));
    static const org_kde_kwin_keystate_listener listener = {&KWinKeystate::stateChanged};
    org_kde_kwin_keystate_add_listener(keystate_, &listener, this);
    fetchStates();
}

KWinKeystate::~KWinKeystate() {
    if (!keystate_)
        return;
    if (org_kde_kwin_keystate_get_version(keystate_) >= 4)
        org_kde_kwin_keystate_destroy(keystate_);
    else
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(keystate_));
}

void KWinKeystate::fetchStates() {
    if (keystate_)
        org_kde_kwin_keystate_fetchStates(keystate_);
}

void KWinKeystate::stateChanged(void* data, org_kde_kwin_keystate*, std::uint32_t key,
                                std::uint32_t state) {
    auto* self = static_cast<KWinKeystate*>(data);
    const bool locked = state == ORG_KDE_KWIN_KEYSTATE_STATE_LOCKED;
    LockState next = self->state_;
    if (key == ORG_KDE_KWIN_KEYSTATE_KEY_CAPSLOCK)
        next.capsLock = locked;
    else if (key == ORG_KDE_KWIN_KEYSTATE_KEY_NUMLOCK)
        next.numLock = locked;
    else
        return;
    if (next == self->state_)
        return;
    self->state_ = next;
    self->handler_(next);
}
