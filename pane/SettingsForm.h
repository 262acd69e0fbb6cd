#pragma once

#include "pane/Controls.h"
#include "pane/PaneContext.h"

#include <QLatin1StringView>

#include <array>
#include <memory>

// The settings form: each control of the control table that edits a key shows the store's
// value, writes the pane's default back when the key is absent, and stores the user's changes.
// The sound pop-up and the slider preview the sound; the upper-left switches, the upper-left
// window.
class SettingsForm {
public:
    explicit SettingsForm(PaneContext& pane) : pane_(pane) {}

    // Lists the sounds of the platform's sound folders in the sound pop-up.
    void fillSoundPopup();
    void readPreferences();
    void configureContinuousSoundOption();

    // The user changed `control`; while the slider is dragged its sound is not played.
    void userChanged(const Control& control, bool dragging);

private:
    // The names of the eight preview pictures, by the bits Caps Lock 1, Num Lock 2, other 4.
    static const std::array<QLatin1StringView, 8> upperLeftPictures;

    void preferenceChanged(const Control& control);
    void readBool(const Control& control);
    void readLockPopup(const Control& popup);
    void readCountPopup(const Control& popup);
    void readSound(const Control& popup);
    void readVolume(const Control& slider);
    PlistValue storedOrDefault(QLatin1StringView key, bool* stored = nullptr);
    void playSound(const Control& sender);
    void setVolumeSliderForSound(const QString& name);
    bool continuousWarningsPossible() const;
    void upperLeftChanged();
    void limitSwitched();

    PaneContext& pane_;
    // One slot per preview picture, in the order of upperLeftPictures; loaded on first use.
    std::array<std::unique_ptr<PaneImage>, 8> upperLeftSlots;
};
