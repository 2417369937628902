#pragma once

#include <QAbstractButton>

namespace vnovla::pages {
struct ButtonFace;
}
namespace vnovla::platform {
class Icons;
}

namespace vnovla::ui {

// A launch button that paints like a picture-style command button: the picture centred at the
// top and the caption's last line centred on the bottom edge, over the lower part of the
// picture where the button is too small for both. Leading line breaks of the caption only
// push the text under the picture and take no room. Without a picture the caption is centred.
// The picture is drawn at iconSize() at most.
class LaunchButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit LaunchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Shows a slot as the page-face rule describes it: tooltip, caption, font and picture.
    // Without icons the button shows no picture.
    void showFace(const pages::ButtonFace& face, platform::Icons* icons);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The caption as drawn: without the line breaks that stand before the kind text.
    QString shownCaption() const;
};

} // namespace vnovla::ui
