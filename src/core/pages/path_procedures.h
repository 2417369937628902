#pragma once

#include <string>
#include <string_view>

namespace vnovla::pages {

// Which characters end a folder name in a registered path.
enum class PathFlavour {
    Posix,   // '/' only
    Windows, // '\' and '/'
};

// The launcher runs on Linux; a native Windows front end would pass PathFlavour::Windows.
inline constexpr PathFlavour kNativePathFlavour = PathFlavour::Posix;

// All three work on UTF-8 text. No UTF-8 continuation byte equals '/', '\' or '.', so a byte
// search never splits a character.

// The extension of the last component without its dot; empty for a path ending in a
// separator, for a name without a dot, for a name whose only dot is its first character
// (".profile") and for a name ending in a dot.
std::string GetExtension(std::string_view path, PathFlavour flavour = kNativePathFlavour);

// The text after the last separator; the whole path when it holds no separator or ends in
// one.
std::string GetFileName(std::string_view path, PathFlavour flavour = kNativePathFlavour);

// The path up to and including its last separator, used as the working folder of a launch:
// a folder path ending in a separator is its own working folder. Empty when the path holds no
// separator.
std::string GetFolder(std::string_view path, PathFlavour flavour = kNativePathFlavour);

} // namespace vnovla::pages
