#pragma once

#include <QAbstractButton>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The caption as drawn: without the line breaks that stand before the kind text.
    QString shownCaption() const;
};

} // namespace vnovla::ui
