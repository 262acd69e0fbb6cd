#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "shared/AppKitVersion.h"
#include "shared/BundleLayout.h"
#include "shared/SettingsKeys.h"

#include <QDir>

using namespace Outlets;

const std::array<QLatin1StringView, 8> KeyvigilPref::upperLeftPictures = {
    QLatin1StringView("upperLeft"),         QLatin1StringView("upperLeftCaps"),
    QLatin1StringView("upperLeftNum"),      QLatin1StringView("upperLeftCapsNum"),
    QLatin1StringView("upperLeftOther"),    QLatin1StringView("upperLeftCapsOther"),
    QLatin1StringView("upperLeftNumOther"), QLatin1StringView("upperLeftCapsNumOther"),
};

void KeyvigilPref::addSoundsFromDirectory(const QString& path) {
    // In the order the file system lists them; a folder that cannot be read lists nothing.
    const QStringList names = QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    PaneForm& form = platform.form;
    QStringList titles = form.itemTitles(soundPopup);
    for (const QString& name : names) {
        if (name.startsWith(u'.'))
            continue;
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString title = dot > 0 ? name.left(dot) : name;
        // Each title once: one added again moves to the end.
        if (const qsizetype existing = titles.indexOf(title); existing >= 0) {
            form.removeItemAtIndex(soundPopup, int(existing));
            titles.removeAt(existing);
        }
        form.addItemWithTitle(soundPopup, title);
        titles.append(title);
    }
}

void KeyvigilPref::playSound(Sender sender) {
    preferenceChanged(sender);
    PaneForm& form = platform.form;
    const int index = form.indexOfSelectedItem(soundPopup);
    if (index == 0) {
        platform.sounds.beep();
        return;
    }
    // Item 1 is the pane's own sound: the service looks in the pane bundle's resources first.
    // It is found when first played, so that showing the window opens no audio output.
    Sound* sound = platform.sounds.soundNamed(
        index == 1 ? QStringLiteral("CAPS") : form.itemTitles(soundPopup).value(index));
    if (!sound)
        return;
    if (AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber))
        sound->setVolume(volume);
    sound->play();
}

void KeyvigilPref::setVolumeSliderForSound(const QString& name) {
    PaneForm& form = platform.form;
    if (name == SettingsKeys::systemAlertSound ||
        !AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber)) {
        // The system alert and older toolkits play at their own volume; `volume` is kept.
        form.setFloatValue(volumeSlider, 1.0f);
        form.setEnabled(volumeSlider, false);
        return;
    }
    form.setFloatValue(volumeSlider, volume);
    form.setEnabled(volumeSlider, true);
}

void KeyvigilPref::flashScreen(Sender sender) {
    preferenceChanged(sender);
}

void KeyvigilPref::upperLeftChanged(Sender sender) {
    const PaneForm& form = platform.form;
    const std::size_t picture = (form.state(showCapsUpperLeftSwitch) ? 1 : 0) |
                                (form.state(showNumUpperLeftSwitch) ? 2 : 0) |
                                (form.state(showOtherUpperLeftSwitch) ? 4 : 0);
    upperLeftImageFile(upperLeftSlots[picture], upperLeftPictures[picture]);
    preferenceChanged(sender);
}

void KeyvigilPref::upperLeftImageFile(std::unique_ptr<PaneImage>& slot, QLatin1StringView name) {
    // Loaded once; a missing picture is tried again next time.
    if (!slot)
        slot = platform.images.loadImage(BundleLayout::resources(bundlePath_) + u'/' + name +
                                         QStringLiteral(".tif"));
    platform.form.setImage(upperLeftGuide, slot.get());
}
