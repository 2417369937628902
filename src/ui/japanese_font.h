#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace vnovla::ui {

// The Japanese face the layout was drawn with, then the faces a Linux desktop has.
inline QFont japaneseFont(qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace vnovla::ui
