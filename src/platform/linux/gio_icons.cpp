#include "platform/linux/gio_icons.h"

#include "icons/ico_reader.h"
#include "icons/icon_file.h"
#include "icons/pe_icon_reader.h"

#include "pages/page_face.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>

#include <cstring>

namespace vnovla::platform::linux_desktop {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

enum class ItemKind {
    Missing,
    Folder,
    DesktopEntry,
    Image,
    WindowsIconResource,
    Program,
    Document,
};

ItemKind itemKind(const QFileInfo& info)
{
    if (!info.exists())
        return ItemKind::Missing;
    if (info.isDir())
        return ItemKind::Folder;
    const QString suffix = info.suffix().toLower();
    // Before the executable test: desktop entries in ~/Desktop and files on FAT or NTFS
    // mounts often carry the execute bit.
    if (suffix == QLatin1String("desktop"))
        return ItemKind::DesktopEntry;
    if (suffix == QLatin1String("png") || suffix == QLatin1String("svg") ||
        suffix == QLatin1String("xpm") || suffix == QLatin1String("bmp") ||
        suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ItemKind::Image;
    if (suffix == QLatin1String("ico") || suffix == QLatin1String("exe") ||
        suffix == QLatin1String("dll") || suffix == QLatin1String("cpl") ||
        suffix == QLatin1String("icl"))
        return ItemKind::WindowsIconResource;
    if (info.isExecutable())
        return ItemKind::Program;
    return ItemKind::Document;
}

bool isInstanceOf(gpointer object, GType type)
{
    // The function behind GLib's G_TYPE_CHECK_INSTANCE_TYPE, whose macro casts C-style.
    return g_type_check_instance_is_a(static_cast<GTypeInstance*>(object), type) != FALSE;
}

QIcon themeIcon(const char* name)
{
    return QIcon::fromTheme(QString::fromUtf8(name));
}

QIcon fromGIcon(GIcon* icon)
{
    if (isInstanceOf(icon, g_themed_icon_get_type())) {
        // A themed icon lists its name first and then more generic fallbacks.
        const gchar* const* names = g_themed_icon_get_names(reinterpret_cast<GThemedIcon*>(icon));
        for (; names && *names; ++names) {
            const QIcon themed = themeIcon(*names);
            if (!themed.isNull())
                return themed;
        }
        return {};
    }
    if (isInstanceOf(icon, g_file_icon_get_type())) {
        char* path = g_file_get_path(g_file_icon_get_file(reinterpret_cast<GFileIcon*>(icon)));
        QIcon fromFile;
        if (path) {
            const QImage image(QString::fromUtf8(path));
            if (!image.isNull())
                fromFile = QIcon(QPixmap::fromImage(image));
        }
        g_free(path);
        return fromFile;
    }
    return {};
}

QIcon desktopEntryIcon(const QString& path)
{
    GDesktopAppInfo* entry = g_desktop_app_info_new_from_filename(path.toUtf8().constData());
    if (!entry)
        return {};
    // GDesktopAppInfo is a GAppInfo; this is the upcast GLib's own G_APP_INFO macro makes.
    GIcon* icon = g_app_info_get_icon(reinterpret_cast<GAppInfo*>(entry));
    QIcon result = icon ? fromGIcon(icon) : QIcon();
    g_object_unref(entry);
    return result;
}

} // namespace

// The style's own folder and file pictures, for a desktop whose icon theme lacks them. Asking
// the style takes close to a millisecond every time, and the answer never changes.
struct StyleIcons
{
    const QIcon& folder()
    {
        if (folder_.isNull())
            folder_ = QFileIconProvider().icon(QFileIconProvider::Folder);
        return folder_;
    }
    const QIcon& file()
    {
        if (file_.isNull())
            file_ = QFileIconProvider().icon(QFileIconProvider::File);
        return file_;
    }

private:
    QIcon folder_;
    QIcon file_;
};

namespace {

QIcon programIcon(const QFileInfo& info, StyleIcons& styleIcons)
{
    // Programs installed with the desktop ship a theme icon under their own name ("gimp").
    const QIcon named = QIcon::fromTheme(info.completeBaseName());
    if (!named.isNull())
        return named;
    const QIcon generic = themeIcon("application-x-executable");
    if (!generic.isNull())
        return generic;
    return styleIcons.file();
}

QIcon folderIcon(StyleIcons& styleIcons)
{
    const QIcon themed = themeIcon("folder");
    return themed.isNull() ? styleIcons.folder() : themed;
}

QIcon imageIcon(const QString& path, int sizePixels)
{
    QImageReader reader(path);
    // A photo registered as an icon file would otherwise be decoded whole at every page draw;
    // JPEG in particular decodes much faster straight to the smaller size.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > sizePixels || size.height() > sizePixels))
        reader.setScaledSize(size.scaled(sizePixels, sizePixels, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

// Image `index` of an .ico file, or icon group `index` of a Windows program or library, so
// that a profile brought from Windows (or a program run through a compatibility layer) keeps
// its pictures.
QIcon windowsIcon(const std::string& path, bool iconFile, int index, int sizePixels)
{
    const auto bytes = icons::readIconFile(path);
    if (!bytes)
        return {};
    const std::optional<icons::IconImage> image =
        iconFile ? icons::IcoReader(*bytes).image(index)
                 : icons::PeIconReader(*bytes).image(index, sizePixels);
    if (!image)
        return {};
    QImage decoded;
    if (const auto* picture = std::get_if<Picture>(&*image)) {
        // The image borrows the picture's pixels; copy before the picture goes away.
        decoded = QImage(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width,
                         picture->height, QImage::Format_ARGB32_Premultiplied)
                      .copy();
    } else {
        const std::vector<std::uint8_t>& png = std::get<icons::PngImage>(*image).bytes;
        decoded = QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
    }
    if (decoded.isNull())
        return {};
    if (decoded.width() > sizePixels || decoded.height() > sizePixels)
        decoded =
            decoded.scaled(sizePixels, sizePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(decoded));
}

// Icon number index of a file, as the desktop would extract it.
QIcon extractIcon(const std::string& path, int index, int sizePixels, StyleIcons& styleIcons)
{
    if (path.empty())
        return {};
    const QString file = fromUtf8(path);
    const QFileInfo info(file);
    const ItemKind kind = itemKind(info);
    if (kind == ItemKind::WindowsIconResource) {
        const bool iconFile = info.suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0;
        return windowsIcon(path, iconFile, index, sizePixels);
    }
    // Linux files carry one picture each, so only the first icon exists.
    if (index != 0)
        return {};
    switch (kind) {
    case ItemKind::Folder:
        return folderIcon(styleIcons);
    case ItemKind::DesktopEntry:
        return desktopEntryIcon(file);
    case ItemKind::Image:
        return imageIcon(file, sizePixels);
    case ItemKind::Program:
        return programIcon(info, styleIcons);
    case ItemKind::Missing:
    case ItemKind::Document:
    case ItemKind::WindowsIconResource:
        break;
    }
    return {};
}

std::string desktopEntryOrExecutable(GAppInfo* application)
{
    if (isInstanceOf(application, g_desktop_app_info_get_type())) {
        const char* entry =
            g_desktop_app_info_get_filename(reinterpret_cast<GDesktopAppInfo*>(application));
        if (entry)
            return entry;
    }
    const char* executable = g_app_info_get_executable(application);
    if (!executable)
        return {};
    char* found = g_find_program_in_path(executable);
    std::string program = found ? found : "";
    g_free(found);
    return program;
}

std::string defaultApplication(const std::string& path)
{
    GFile* file = g_file_new_for_path(path.c_str());
    GFileInfo* info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                        G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
    g_object_unref(file);
    if (!info)
        return {};
    std::string program;
    if (const char* contentType = g_file_info_get_content_type(info)) {
        if (GAppInfo* application = g_app_info_get_default_for_type(contentType, FALSE)) {
            program = desktopEntryOrExecutable(application);
            g_object_unref(application);
        }
    }
    g_object_unref(info);
    return program;
}

Picture toPicture(const QIcon& icon, int sizePixels)
{
    if (icon.isNull() || sizePixels <= 0)
        return {};
    // At its own size, shrunk only when it is larger than the button's picture area.
    const QPixmap pixmap = icon.pixmap(QSize(sizePixels, sizePixels), 1.0);
    if (pixmap.isNull())
        return {};
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Picture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                          static_cast<std::size_t>(picture.height));
    const auto rowBytes = static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t);
    for (int row = 0; row < picture.height; ++row) {
        std::memcpy(picture.pixels.data() +
                        static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width),
                    image.constScanLine(row), rowBytes);
    }
    return picture;
}

} // namespace

GioIcons::GioIcons() : styleIcons_(std::make_unique<StyleIcons>()) {}

GioIcons::~GioIcons() = default;

std::string GioIcons::associatedProgram(const std::string& path)
{
    if (path.empty())
        return {};
    const QFileInfo info(fromUtf8(path));
    switch (itemKind(info)) {
    case ItemKind::Missing:
        return {};
    // Opened by themselves: the file manager shows a folder, a desktop entry and a program
    // each with its own icon, not that of whatever would open the file as a document.
    case ItemKind::Folder:
    case ItemKind::DesktopEntry:
    case ItemKind::Program:
        return path;
    case ItemKind::WindowsIconResource:
        if (info.suffix().compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0)
            return path;
        return defaultApplication(path);
    case ItemKind::Image:
    case ItemKind::Document:
        return defaultApplication(path);
    }
    return {};
}

Picture GioIcons::picture(const pages::IconRequest& request, int sizePixels)
{
    switch (request.source) {
    case pages::IconSource::None:
        return {};
    case pages::IconSource::IconFile:
    case pages::IconSource::RegisteredItem:
        return toPicture(extractIcon(request.path, request.index, sizePixels, *styleIcons_),
                         sizePixels);
    case pages::IconSource::AssociatedProgram:
        return toPicture(extractIcon(associatedProgram(request.path), 0, sizePixels, *styleIcons_),
                         sizePixels);
    }
    return {};
}

} // namespace vnovla::platform::linux_desktop
