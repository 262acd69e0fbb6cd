#include "pane/Controls.h"

#include <cstddef>

namespace {

namespace Keys = SettingsKeys; // the list names its keys through this

constexpr Control kControls[] = {
#define KEYVIGIL_ROW(name, action, key, continuousKey)                                             \
    {Outlet::name, QLatin1StringView(#name), Action::action, key, continuousKey},
    KEYVIGIL_PANE_CONTROLS(KEYVIGIL_ROW)
#undef KEYVIGIL_ROW
};

} // namespace

std::span<const Control> Controls::all() {
    return kControls;
}

const Control& Controls::of(Outlet outlet) {
    return kControls[std::size_t(outlet)];
}
