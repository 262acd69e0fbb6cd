#include "pane/SettingsForm.h"

#include "pane/SoundMenu.h"
#include "shared/AppKitVersion.h"
#include "shared/BundleLayout.h"

#include <QCoreApplication>

namespace Keys = SettingsKeys;

namespace {

// The lock pop-ups' items: no warning, warn once, warn continuously.
constexpr int kWarnOnce = 1;
constexpr int kWarnContinuously = 2;

// A count pop-up's items: each whole number of its key's range, and a stored count outside it
// as one more item, so that the window shows what is stored rather than nothing.
QStringList countTitles(QLatin1StringView key, std::int32_t stored) {
    QStringList titles;
    if (const auto range = Keys::find(key)->range)
        for (auto count = std::int64_t(range->lowest); count <= std::int64_t(range->highest);
             ++count)
            titles.append(QString::number(count));
    if (!titles.contains(QString::number(stored)))
        titles.append(QString::number(stored));
    return titles;
}

} // namespace

const std::array<QLatin1StringView, 8> SettingsForm::upperLeftPictures = {
    QLatin1StringView("upperLeft"),         QLatin1StringView("upperLeftCaps"),
    QLatin1StringView("upperLeftNum"),      QLatin1StringView("upperLeftCapsNum"),
    QLatin1StringView("upperLeftOther"),    QLatin1StringView("upperLeftCapsOther"),
    QLatin1StringView("upperLeftNumOther"), QLatin1StringView("upperLeftCapsNumOther"),
};

void SettingsForm::fillSoundPopup() {
    // Headed by the folder's place in the list: the desktop's, this computer's, the user's.
    static const std::array<QString, 3> headings = {
        QCoreApplication::translate("SoundMenu", "Desktop sounds"),
        QCoreApplication::translate("SoundMenu", "Sounds on this computer"),
        QCoreApplication::translate("SoundMenu", "Your sounds")};
    QList<SoundMenu::Folder> folders;
    const QStringList& paths = pane_.platform.soundFolders;
    for (qsizetype i = 0; i < paths.size(); ++i)
        folders.append({i < qsizetype(headings.size()) ? headings[std::size_t(i)] : QString(),
                        SoundMenu::titlesInFolder(paths[i])});
    pane_.platform.form.setItems(Outlet::soundPopup, SoundMenu::items(folders));
}

PlistValue SettingsForm::storedOrDefault(QLatin1StringView key, bool* stored) {
    // The pane's default comes from the settings table, after the fallback keys.
    const PlistValue* value = pane_.prefs().find(key);
    if (stored)
        *stored = value != nullptr;
    return value ? *value : *Keys::paneDefault(key, pane_.prefs());
}

void SettingsForm::readPreferences() {
    // In the table's order, which reads the sound before the slider that follows it.
    for (const Control& control : Controls::all()) {
        switch (control.action) {
        case Action::Store:
        case Action::SoundSwitch:
        case Action::Preview:
        case Action::Enable:
            readBool(control);
            break;
        case Action::Count:
            readCountPopup(control);
            break;
        case Action::Lock:
            readLockPopup(control);
            break;
        case Action::Sound:
            readSound(control);
            break;
        case Action::Volume:
            readVolume(control);
            break;
        default:
            break;
        }
    }
    upperLeftChanged();
    limitSwitched();
}

void SettingsForm::limitSwitched() {
    // The count is greyed while it limits nothing.
    PaneForm& form = pane_.platform.form;
    form.setEnabled(Outlet::WarnCapsLimitPopup, form.state(Outlet::WarnCapsLimitSwitch));
}

void SettingsForm::readBool(const Control& control) {
    bool stored = false;
    pane_.platform.form.setState(control.outlet, storedOrDefault(control.key, &stored).boolValue());
    // An absent key gets its default written back through the control.
    if (!stored)
        preferenceChanged(control);
}

void SettingsForm::readLockPopup(const Control& popup) {
    const bool on = storedOrDefault(popup.key).boolValue();
    const bool continuous = storedOrDefault(popup.continuousKey).boolValue();
    pane_.platform.form.selectItemAtIndex(popup.outlet, int(on) + int(continuous));
    // Always: this rewrites a continuous flag without its lock flag as a single warning.
    preferenceChanged(popup);
}

void SettingsForm::readCountPopup(const Control& popup) {
    bool stored = false;
    const std::int32_t count = storedOrDefault(popup.key, &stored).intValue();
    PaneForm& form = pane_.platform.form;
    const QStringList titles = countTitles(popup.key, count);
    if (form.itemTitles(popup.outlet) != titles) {
        QList<PopupItem> items;
        for (const QString& title : titles)
            items.append({title, title, {}});
        form.setItems(popup.outlet, items);
    }
    form.selectItemAtIndex(popup.outlet, int(titles.indexOf(QString::number(count))));
    if (!stored)
        preferenceChanged(popup);
}

void SettingsForm::readSound(const Control& popup) {
    bool stored = false;
    const QString name = storedOrDefault(popup.key, &stored).toString();
    PaneForm& form = pane_.platform.form;
    form.selectItemAtIndex(popup.outlet, int(form.itemTitles(popup.outlet).indexOf(name)));
    if (!stored)
        preferenceChanged(popup);
}

void SettingsForm::readVolume(const Control& slider) {
    bool stored = false;
    const PlistValue volume = storedOrDefault(slider.key, &stored);
    // The store holds the volume, which the slider shows unless the sound ignores it.
    if (!stored)
        pane_.prefs().setObjectForKey(volume, slider.key);
    setVolumeSliderForSound(storedOrDefault(Keys::warnSound).toString());
}

void SettingsForm::userChanged(const Control& control, bool dragging) {
    switch (control.action) {
    case Action::Sound:
        playSound(control);
        return;
    case Action::Volume:
        if (dragging)
            preferenceChanged(control);
        else
            playSound(control);
        return;
    case Action::Preview:
        upperLeftChanged();
        preferenceChanged(control);
        return;
    default:
        preferenceChanged(control);
        if (control.outlet == Outlet::WarnCapsLimitSwitch)
            limitSwitched();
    }
}

void SettingsForm::preferenceChanged(const Control& control) {
    PaneForm& form = pane_.platform.form;
    RVPrefs& prefs = pane_.prefs();
    switch (control.action) {
    case Action::Store:
    case Action::Preview:
    case Action::Enable:
        prefs.setObjectForKey(PlistValue::fromBool(form.state(control.outlet)), control.key);
        return;
    case Action::SoundSwitch:
        configureContinuousSoundOption();
        prefs.setObjectForKey(PlistValue::fromBool(form.state(control.outlet)), control.key);
        return;
    case Action::Count:
        // Each item shows the count it stands for.
        prefs.setObjectForKey(
            PlistValue::fromInt(form.itemTitles(control.outlet)
                                    .value(form.indexOfSelectedItem(control.outlet))
                                    .toInt()),
            control.key);
        return;
    case Action::Lock: {
        const int index = form.indexOfSelectedItem(control.outlet);
        prefs.setBoolForKey(index > 0, control.key);
        prefs.setBoolForKey(index == kWarnContinuously, control.continuousKey);
        return;
    }
    case Action::Sound: {
        configureContinuousSoundOption();
        const int index = form.indexOfSelectedItem(control.outlet);
        if (index < 0)
            return;
        const QString title = form.itemTitles(control.outlet).value(index);
        prefs.setObjectForKey(PlistValue::fromString(title), control.key);
        setVolumeSliderForSound(title);
        return;
    }
    case Action::Volume:
        prefs.setObjectForKey(PlistValue::fromFloat(form.floatValue(control.outlet)), control.key);
        return;
    default:
        return;
    }
}

bool SettingsForm::continuousWarningsPossible() const {
    // Item 0 is the system alert, which cannot loop.
    const PaneForm& form = pane_.platform.form;
    return form.state(Outlet::WarnWithSoundSwitch) &&
           form.indexOfSelectedItem(Outlet::soundPopup) > 0;
}

void SettingsForm::configureContinuousSoundOption() {
    PaneForm& form = pane_.platform.form;
    const bool possible = continuousWarningsPossible();
    for (const Outlet popup : {Outlet::WarnCapsLockPopup, Outlet::WarnNumLockPopup}) {
        const int item = form.indexOfSelectedItem(popup);
        form.setItemsFromMenu(popup, possible ? Outlet::continuousSoundMenu
                                              : Outlet::notContinuousSoundMenu);
        if (possible) {
            form.selectItemAtIndex(popup, item);
            continue;
        }
        // A lock set to warn continuously goes on warning once.
        form.selectItemAtIndex(popup, item == kWarnContinuously ? kWarnOnce : item);
        pane_.prefs().setBoolForKey(false, Controls::of(popup).continuousKey);
    }
}

void SettingsForm::playSound(const Control& sender) {
    preferenceChanged(sender);
    PanePlatform& platform = pane_.platform;
    const int index = platform.form.indexOfSelectedItem(Outlet::soundPopup);
    if (index == 0) {
        platform.sounds.beep();
        return;
    }
    // Item 1 is the pane's own sound: the service looks in the pane bundle's resources first.
    // It is found when first played, so that showing the window opens no audio output.
    Sound* sound = platform.sounds.soundNamed(
        index == 1 ? QString(SoundMenu::ownSound)
                   : platform.form.itemTitles(Outlet::soundPopup).value(index));
    if (!sound)
        return;
    if (AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber))
        sound->setVolume(pane_.prefs().floatForKey(Keys::soundVolume));
    sound->play();
}

void SettingsForm::setVolumeSliderForSound(const QString& name) {
    PanePlatform& platform = pane_.platform;
    if (name == Keys::systemAlertSound ||
        !AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber)) {
        // The system alert and older toolkits play at their own volume; the stored one is kept.
        platform.form.setFloatValue(Outlet::volumeSlider, 1.0f);
        platform.form.setEnabled(Outlet::volumeSlider, false);
        return;
    }
    platform.form.setFloatValue(Outlet::volumeSlider, pane_.prefs().floatForKey(Keys::soundVolume));
    platform.form.setEnabled(Outlet::volumeSlider, true);
}

void SettingsForm::upperLeftChanged() {
    PanePlatform& platform = pane_.platform;
    const std::size_t picture = (platform.form.state(Outlet::showCapsUpperLeftSwitch) ? 1 : 0) |
                                (platform.form.state(Outlet::showNumUpperLeftSwitch) ? 2 : 0) |
                                (platform.form.state(Outlet::showOtherUpperLeftSwitch) ? 4 : 0);
    // Loaded once; a missing picture is tried again next time.
    std::unique_ptr<PaneImage>& slot = upperLeftSlots[picture];
    if (!slot)
        slot = platform.images.loadImage(BundleLayout::resources(pane_.bundlePath()) + u'/' +
                                         upperLeftPictures[picture] + QStringLiteral(".tif"));
    platform.form.setImage(Outlet::upperLeftGuide, slot.get());
}
