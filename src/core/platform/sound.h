#pragma once

#include <string>

namespace vnovla::platform {

// Short event sounds. Both calls return at once; the sound plays on while the caller goes on.
class Sound
{
public:
    virtual ~Sound() = default;

    virtual void beep() = 0;
    // Plays a wave file; false when it cannot be played (missing, unreadable, not a sound).
    virtual bool playWave(const std::string& path) = 0;
};

} // namespace vnovla::platform
