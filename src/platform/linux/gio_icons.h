#pragma once

#include "platform/icons.h"

#include <memory>

namespace vnovla::platform::linux_desktop {

struct StyleIcons;

// Button pictures the way a Linux file manager draws the same files: a document shows its
// default application's icon, a desktop entry its Icon=, a program the theme icon named after
// it, a folder the folder icon, an image file itself.
//
// Nothing is cached beyond what Qt's icon theme lookup keeps: every page draw asks the file
// system afresh, so a changed file shows at once. A cache keyed by file identity (device,
// inode, modification time) comes with the icon-cache work.
class GioIcons : public Icons
{
public:
    GioIcons();
    ~GioIcons() override;
    GioIcons(const GioIcons&) = delete;
    GioIcons& operator=(const GioIcons&) = delete;

    std::string associatedProgram(const std::string& path) override;
    Picture picture(const pages::IconRequest& request, int sizePixels) override;

private:
    // Pictures that depend on no file, made once.
    std::unique_ptr<StyleIcons> styleIcons_;
};

} // namespace vnovla::platform::linux_desktop
