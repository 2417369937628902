// A launch button shows its picture at the top and its kind text on the bottom line, over
// the lower part of the picture, and centres a caption that has no picture to share with.

#include "ui/launch_button.h"

#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QRect>

#include <algorithm>
#include <memory>

namespace vnovla {
namespace {

// The launcher's button: 36 pixels square with a 32-pixel picture.
constexpr int kSide = 36;
const QColor kPictureColour(Qt::red);
// A text colour no bevel and no picture here has, so that text pixels are easy to tell.
const QColor kTextColour(Qt::blue);

bool isText(QRgb pixel)
{
    return qBlue(pixel) > 120 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

bool isPicture(QRgb pixel)
{
    return QColor(pixel) == kPictureColour;
}

// The smallest rectangle holding every text-coloured pixel; empty when there is none.
QRect textBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isText(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class LaunchButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button = std::make_unique<ui::LaunchButton>();
        button->resize(kSide, kSide);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, kTextColour);
        button->setPalette(palette);
    }

    // The kind-text look the launcher gives a registered item with a picture.
    void showKind(const QString& caption, bool withPicture)
    {
        QFont font = button->font();
        font.setPointSizeF(9);
        font.setBold(true);
        button->setFont(font);
        button->setText(caption);
        if (withPicture) {
            QPixmap picture(32, 32);
            picture.fill(kPictureColour);
            button->setIcon(QIcon(picture));
        } else {
            button->setIcon(QIcon());
        }
    }

    QImage face() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<ui::LaunchButton> button;
};

TEST_F(LaunchButtonTest, kindTextStandsOnTheBottomLineOverThePicture)
{
    showKind(QStringLiteral("\rDIR"), true);
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(kSide, kSide));

    // The picture is centred at the top, inside the bevel.
    EXPECT_TRUE(isPicture(image.pixel(kSide / 2, 3)));
    EXPECT_TRUE(isPicture(image.pixel(3, 3)));
    EXPECT_TRUE(isPicture(image.pixel(kSide - 4, 3)));
    EXPECT_FALSE(isPicture(image.pixel(kSide / 2, 0))) << "the bevel stays visible";

    const QRect text = textBounds(image);
    ASSERT_FALSE(text.isEmpty()) << "the kind text is not drawn";
    EXPECT_GT(text.top(), kSide / 2) << "the kind text belongs on the bottom line";
    EXPECT_GE(text.bottom(), kSide - 6) << "the kind text belongs on the bottom line";
    EXPECT_NEAR(text.center().x(), kSide / 2, 2) << "the kind text is centred";

    // Drawn after the picture: text pixels stand where the picture would be.
    int textOverPicture = 0;
    for (int y = text.top(); y <= std::min(text.bottom(), 33); ++y)
        for (int x = 2; x < kSide - 2; ++x)
            textOverPicture += isText(image.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(textOverPicture, 5);
}

TEST_F(LaunchButtonTest, emptySlotCaptionIsCentred)
{
    QFont font = button->font();
    font.setPointSizeF(7);
    button->setFont(font);
    button->setText(QStringLiteral("EMPTY"));

    const QRect text = textBounds(face());
    ASSERT_FALSE(text.isEmpty()) << "EMPTY is not drawn";
    EXPECT_NEAR(text.center().x(), kSide / 2, 2);
    EXPECT_NEAR(text.center().y(), kSide / 2, 2);
}

// The line break before the kind text only moves it under the picture: it takes no room,
// with a picture and without one (an item whose icon could not be read).
TEST_F(LaunchButtonTest, leadingLineBreakTakesNoRoom)
{
    for (const bool withPicture : {true, false}) {
        showKind(QStringLiteral("DIR"), withPicture);
        const QImage plain = face();
        for (const QString& caption : {QStringLiteral("\rDIR"), QStringLiteral("\nDIR")}) {
            showKind(caption, withPicture);
            EXPECT_EQ(face(), plain) << "with picture: " << withPicture;
        }
    }
    showKind(QStringLiteral("\rDIR"), false);
    const QRect text = textBounds(face());
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().y(), kSide / 2, 2) << "without a picture the kind text is centred";
}

TEST_F(LaunchButtonTest, pressedButtonLooksPressed)
{
    showKind(QStringLiteral("\rDIR"), true);
    const QImage raised = face();
    button->setDown(true);
    EXPECT_NE(face(), raised);
}

} // namespace
} // namespace vnovla
