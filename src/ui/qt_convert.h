#pragma once

#include "platform/icons.h"

#include <QImage>
#include <QList>
#include <QMimeData>
#include <QPixmap>
#include <QString>
#include <QUrl>

#include <string>
#include <vector>

// Conversions at the edge between the windows and the rules: text, dropped files, pictures.
namespace vnovla::ui::convert {

inline QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

// The dropped files as local paths in their order; other URLs (web addresses) are no files.
inline std::vector<std::string> localPaths(const QMimeData* mime)
{
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    const QList<QUrl> urls = mime->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.push_back(toUtf8(url.toLocalFile()));
    }
    return paths;
}

// A picture of the rules as a pixmap of its own (the picture's pixels are only borrowed while
// converting); the null pixmap for the empty picture.
inline QPixmap toPixmap(const platform::Picture& picture, qreal devicePixelRatio)
{
    if (picture.isEmpty())
        return {};
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, QImage::Format_ARGB32_Premultiplied);
    // A raster pixmap may keep sharing an image's data instead of copying it: take a deep copy
    // before the picture goes away.
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace vnovla::ui::convert
