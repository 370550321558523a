#include "play/playsettings.h"

#include "platform/settingsstore.h"
#include "play/emulatorcore.h"

#include <algorithm>

namespace tessel {

QString PlaySettings::effectiveCorePath() const
{
    return corePath.isEmpty() ? EmulatorCore::defaultCorePath() : corePath;
}

void PlaySettings::load(const platform::SettingsStore& store)
{
    using namespace settingsnames;
    corePath = store.readString(QString::fromLatin1(kEmulatorCore), corePath);
    keys.parse(store.readString(QString::fromLatin1(kEmulatorKeys), QString()));
    scale = std::clamp(store.readInt(QString::fromLatin1(kEmulatorScale), scale), kMinScale, kMaxScale);
    pixelAspect = store.readInt(QString::fromLatin1(kEmulatorPixelAspect), pixelAspect ? 1 : 0) != 0;
}

void PlaySettings::save(platform::SettingsStore& store) const
{
    using namespace settingsnames;
    store.writeString(QString::fromLatin1(kEmulatorCore), corePath);
    store.writeString(QString::fromLatin1(kEmulatorKeys), keys.toString());
    store.writeInt(QString::fromLatin1(kEmulatorScale), scale);
    store.writeInt(QString::fromLatin1(kEmulatorPixelAspect), pixelAspect ? 1 : 0);
}

}  // namespace tessel
