#include "pages/icon_cache_file.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vnovla::pages {

namespace {

constexpr std::array<std::uint8_t, 8> kMagic{'V', 'N', 'O', 'V', 'I', 'C', 'O', 'N'};
constexpr std::uint32_t kVersion = 1;

// FNV-1a: enough to tell a damaged file from a whole one; nobody forges a cache file.
std::uint64_t checksum(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

class Writer
{
public:
    void bytes(std::span<const std::uint8_t> data)
    {
        out.insert(out.end(), data.begin(), data.end());
    }
    void u8(std::uint8_t value) { out.push_back(value); }
    void u32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    void u64(std::uint64_t value)
    {
        for (int shift = 0; shift < 64; shift += 8)
            out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    void text(const std::string& value)
    {
        u32(static_cast<std::uint32_t>(value.size()));
        out.insert(out.end(), value.begin(), value.end());
    }
    std::vector<std::uint8_t> out;
};

class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

    bool take(std::size_t count, std::span<const std::uint8_t>& part)
    {
        if (count > data_.size() - at_)
            return false;
        part = data_.subspan(at_, count);
        at_ += count;
        return true;
    }
    bool u8(std::uint8_t& value)
    {
        std::span<const std::uint8_t> part;
        if (!take(1, part))
            return false;
        value = part[0];
        return true;
    }
    bool u32(std::uint32_t& value)
    {
        std::span<const std::uint8_t> part;
        if (!take(4, part))
            return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | part[static_cast<std::size_t>(i)];
        return true;
    }
    bool u64(std::uint64_t& value)
    {
        std::span<const std::uint8_t> part;
        if (!take(8, part))
            return false;
        value = 0;
        for (int i = 7; i >= 0; --i)
            value = (value << 8) | part[static_cast<std::size_t>(i)];
        return true;
    }
    bool text(std::string& value)
    {
        std::uint32_t length = 0;
        std::span<const std::uint8_t> part;
        if (!u32(length) || length > kMaxStoredText || !take(length, part))
            return false;
        value.assign(part.begin(), part.end());
        return true;
    }
    bool atEnd() const { return at_ == data_.size(); }

private:
    std::span<const std::uint8_t> data_;
    std::size_t at_ = 0;
};

bool readIcon(Reader& in, StoredIcon& icon)
{
    std::uint8_t source = 0;
    std::uint8_t exists = 0;
    std::uint32_t index = 0;
    std::uint32_t size = 0;
    std::uint64_t modified = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!in.u8(source) || !in.text(icon.path) || !in.u32(index) || !in.u32(size) ||
        !in.u8(exists) || exists > 1 || !in.u64(icon.identity.size) || !in.u64(modified) ||
        !in.u32(width) || !in.u32(height))
        return false;
    if (width > kMaxStoredSide || height > kMaxStoredSide || (width == 0) != (height == 0))
        return false;
    icon.source = source;
    icon.index = static_cast<int>(index);
    icon.sizePixels = static_cast<int>(size);
    icon.identity.exists = exists == 1;
    icon.identity.modifiedTicks = static_cast<std::int64_t>(modified);
    icon.picture.width = static_cast<int>(width);
    icon.picture.height = static_cast<int>(height);
    std::span<const std::uint8_t> pixels;
    if (!in.take(std::size_t{width} * height * 4, pixels))
        return false;
    icon.picture.pixels.resize(std::size_t{width} * height);
    if (!pixels.empty())
        std::memcpy(icon.picture.pixels.data(), pixels.data(), pixels.size());
    return true;
}

} // namespace

FileIdentity FileIdentity::of(const std::string& path)
{
    FileIdentity identity;
    std::error_code error;
    const std::filesystem::path file(path);
    const auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return identity;
    identity.exists = true;
    if (std::filesystem::is_regular_file(status)) {
        identity.size = std::filesystem::file_size(file, error);
        identity.modifiedTicks =
            std::filesystem::last_write_time(file, error).time_since_epoch().count();
    }
    return identity;
}

std::filesystem::path iconCacheFileFor(const std::filesystem::path& cacheHome,
                                       const std::filesystem::path& profileFolder)
{
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(profileFolder, error);
    if (error)
        canonical = profileFolder.lexically_normal();
    const std::string name = canonical.string();
    const std::uint64_t hash =
        checksum({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()});
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return cacheHome / "veska-novla" / (std::string(hex) + ".icons");
}

std::vector<std::uint8_t> encodeIconCache(const IconCacheContents& contents)
{
    Writer out;
    out.bytes(kMagic);
    out.u32(kVersion);
    out.text(contents.theme);
    out.u32(static_cast<std::uint32_t>(contents.icons.size()));
    for (const StoredIcon& icon : contents.icons) {
        out.u8(static_cast<std::uint8_t>(icon.source));
        out.text(icon.path);
        out.u32(static_cast<std::uint32_t>(icon.index));
        out.u32(static_cast<std::uint32_t>(icon.sizePixels));
        out.u8(icon.identity.exists ? 1 : 0);
        out.u64(icon.identity.size);
        out.u64(static_cast<std::uint64_t>(icon.identity.modifiedTicks));
        out.u32(static_cast<std::uint32_t>(icon.picture.width));
        out.u32(static_cast<std::uint32_t>(icon.picture.height));
        // Pixels in this machine's byte order: the file never leaves the machine.
        const auto* pixels = reinterpret_cast<const std::uint8_t*>(icon.picture.pixels.data());
        out.bytes({pixels, icon.picture.pixels.size() * 4});
    }
    out.u64(checksum(out.out));
    return std::move(out.out);
}

void appendIconCacheChecksum(std::vector<std::uint8_t>& bytes)
{
    Writer out;
    out.u64(checksum(bytes));
    bytes.insert(bytes.end(), out.out.begin(), out.out.end());
}

std::optional<IconCacheContents> decodeIconCache(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kMagic.size() + 8 ||
        !std::equal(kMagic.begin(), kMagic.end(), bytes.begin()))
        return std::nullopt;
    const auto body = bytes.first(bytes.size() - 8);
    Reader trailer(bytes.last(8));
    std::uint64_t stored = 0;
    if (!trailer.u64(stored) || stored != checksum(body))
        return std::nullopt;

    Reader in(body.subspan(kMagic.size()));
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    IconCacheContents contents;
    if (!in.u32(version) || version != kVersion || !in.text(contents.theme) || !in.u32(count) ||
        count > kMaxStoredIcons)
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        StoredIcon icon;
        if (!readIcon(in, icon))
            return std::nullopt;
        contents.icons.push_back(std::move(icon));
    }
    if (!in.atEnd())
        return std::nullopt;
    return contents;
}

std::optional<IconCacheContents> readIconCacheFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return decodeIconCache(bytes);
}

bool writeIconCacheFile(const std::filesystem::path& file, const IconCacheContents& contents)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    // Named after this process: two launchers never write the same temporary file.
    std::filesystem::path temporary = file;
    temporary += ".tmp" + std::to_string(::getpid());
    const std::vector<std::uint8_t> bytes = encodeIconCache(contents);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace vnovla::pages
