#pragma once

#include "platform/sound.h"

struct ca_context;

namespace vnovla::platform::linux_desktop {

// Event sounds through libcanberra, which plays them on the desktop's sound server in the
// background. The beep is the sound theme's bell, or the window system's bell when the theme
// has none.
class CanberraSound : public Sound
{
public:
    CanberraSound();
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    void beep() override;
    bool playWave(const std::string& path) override;

private:
    ca_context* context_ = nullptr;
};

} // namespace vnovla::platform::linux_desktop
