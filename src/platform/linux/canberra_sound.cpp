#include "platform/linux/canberra_sound.h"

#include <QApplication>

#include <canberra.h>

#include <sys/stat.h>

namespace vnovla::platform::linux_desktop {

CanberraSound::CanberraSound()
{
    if (ca_context_create(&context_) != CA_SUCCESS)
        context_ = nullptr;
    else
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "VESKA NOVLA", nullptr);
}

CanberraSound::~CanberraSound()
{
    if (context_)
        ca_context_destroy(context_);
}

void CanberraSound::beep()
{
    if (!context_ || ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell",
                                     CA_PROP_EVENT_DESCRIPTION, "Alarm", nullptr) != CA_SUCCESS)
        QApplication::beep();
}

bool CanberraSound::playWave(const std::string& path)
{
    // Only a regular file: a fifo or a device given as the sound would block the player.
    struct stat info
    {
    };
    if (!context_ || path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return ca_context_play(context_, 1, CA_PROP_MEDIA_FILENAME, path.c_str(),
                           CA_PROP_EVENT_DESCRIPTION, "Alarm", nullptr) == CA_SUCCESS;
}

} // namespace vnovla::platform::linux_desktop
