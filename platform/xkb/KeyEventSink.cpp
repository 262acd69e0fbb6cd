#include "platform/xkb/KeyEventSink.h"

#include <algorithm>

void KeyEventSink::install(EventMonitor::Handler handler, EventTypeSpec type) {
    handler_ = std::move(handler);
    types_.assign(1, type);
}

void KeyEventSink::add(EventTypeSpec type) {
    if (std::find(types_.begin(), types_.end(), type) == types_.end())
        types_.push_back(type);
}

bool KeyEventSink::wants(std::uint32_t kind) const {
    const EventTypeSpec type{kEventClassKeyboard, kind};
    return handler_ && std::find(types_.begin(), types_.end(), type) != types_.end();
}

void KeyEventSink::deliver(std::uint32_t kind, std::uint32_t modifierWord, int character) const {
    MonitorEvent event;
    event.eventClass = kEventClassKeyboard;
    event.eventKind = kind;
    event.hasModifiers = true;
    event.kmod = modifierWord;
    if (character >= 0) {
        event.hasCharacter = true;
        event.kchr = std::uint8_t(character);
    }
    handler_(event);
}
