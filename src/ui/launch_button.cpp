#include "ui/launch_button.h"

#include "pages/page_face.h"
#include "platform/icons.h"
#include "ui/japanese_font.h"
#include "ui/qt_convert.h"
#include "ui/translation.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace vnovla::ui {

namespace {

// The room the bevel takes on each side; the picture and the caption stand inside it. It is
// that of a classic 3D button, so that a 32-pixel picture fills a 36-pixel button.
constexpr int kBevel = 2;

// The desktop's large-icon size, the natural size of a button picture.
constexpr int kPictureSize = 32;

QFont buttonFont(pages::ButtonFont font)
{
    switch (font) {
    case pages::ButtonFont::Regular7pt:
        return japaneseFont(7);
    case pages::ButtonFont::Bold9pt:
        return japaneseFont(9, QFont::Bold);
    }
    return japaneseFont(7);
}

// The caption's carriage return puts the kind text on the line under the picture.
QString buttonCaption(const std::string& caption)
{
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The button's picture, kPictureSize logical pixels at most; none when the slot is empty or no
// icon was found, which the button shows as its plain surface.
QIcon pictureFor(const pages::IconRequest& request, platform::Icons* icons, qreal ratio)
{
    if (request.source == pages::IconSource::None || !icons)
        return {};
    const platform::Picture picture = icons->picture(request, qRound(kPictureSize * ratio));
    if (picture.isEmpty())
        return {};
    return QIcon(convert::toPixmap(picture, ratio));
}

} // namespace

LaunchButton::LaunchButton(QWidget* parent) : QAbstractButton(parent)
{
    // Launch buttons are reached with Tab but a click leaves the focus where it was, so that
    // the window's keys keep working after a launch.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(kPictureSize, kPictureSize));
}

QSize LaunchButton::sizeHint() const
{
    // The caption overlaps the picture, so the picture alone decides the height.
    const int textWidth = fontMetrics().size(0, shownCaption()).width();
    const QSize picture = icon().isNull() ? QSize() : iconSize();
    return QSize(std::max(textWidth, picture.width()) + 2 * kBevel,
                 std::max(fontMetrics().height(), picture.height()) + 2 * kBevel);
}

void LaunchButton::showFace(const pages::ButtonFace& face, platform::Icons* icons)
{
    // The user's own tooltip is shown as typed; only the program's "not registered" is translated.
    const QString tooltip =
        QString::fromUtf8(face.tooltip.data(), static_cast<qsizetype>(face.tooltip.size()));
    setToolTip(face.tooltip == pages::kUnregisteredTooltip ? translated(tooltip) : tooltip);
    setText(buttonCaption(face.caption));
    setFont(buttonFont(face.font));
    setIconSize(QSize(kPictureSize, kPictureSize));
    setIcon(pictureFor(face.icon, icons, devicePixelRatioF()));
}

QString LaunchButton::shownCaption() const
{
    QString caption = text();
    qsizetype start = 0;
    while (start < caption.size() &&
           (caption.at(start) == QLatin1Char('\n') || caption.at(start) == QLatin1Char('\r')))
        ++start;
    caption.remove(0, start);
    // A carriage return left inside would show as a box; it breaks the line as on the desktop.
    caption.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return caption;
}

void LaunchButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);

    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isChecked())
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }

    // A pressed button moves its face the way the style's push buttons do.
    QRect face = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
    if (isDown())
        face.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    // Asked for at the screen's pixel ratio so that it stays sharp on a HiDPI screen; QIcon
    // never enlarges, so a smaller picture keeps its own size.
    QPixmap picture;
    if (!icon().isNull())
        picture = icon().pixmap(iconSize(), devicePixelRatioF(),
                                isEnabled() ? QIcon::Normal : QIcon::Disabled,
                                isChecked() ? QIcon::On : QIcon::Off);
    if (!picture.isNull()) {
        const QSize size = picture.deviceIndependentSize().toSize();
        painter.drawPixmap(face.left() + (face.width() - size.width()) / 2, face.top(), picture);
    }

    const QString caption = shownCaption();
    if (caption.isEmpty())
        return;
    // The caption goes on last, so that it stays readable where it covers the picture.
    const Qt::Alignment alignment =
        picture.isNull() ? Qt::AlignCenter : (Qt::AlignHCenter | Qt::AlignBottom);
    painter.drawItemText(face, static_cast<int>(alignment), palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace vnovla::ui
