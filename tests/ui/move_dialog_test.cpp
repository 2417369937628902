// The copy/move dialog opened from the button menu of a real launcher window, worked with the
// keyboard and the mouse while it runs modally.

#include "ui/launcher_window_fixture.h"

#include "pages/icon_cache.h"
#include "platform/icons.h"
#include "ui/launch_button.h"
#include "ui/move_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using platform::Answer;

// A solid picture in the colour registered for the path; other paths have no icon.
class ColourIcons : public platform::Icons
{
public:
    std::string associatedProgram(const std::string&) override { return {}; }
    platform::Picture picture(const pages::IconRequest& request, int sizePixels) override
    {
        ++requests;
        const auto colour = colours.find(request.path);
        if (colour == colours.end())
            return {};
        platform::Picture picture{sizePixels, sizePixels, {}};
        picture.pixels.assign(static_cast<std::size_t>(sizePixels * sizePixels), colour->second);
        return picture;
    }

    std::map<std::string, std::uint32_t> colours;
    int requests = 0;
};

QColor pictureColour(const ui::LaunchButton* button)
{
    const QImage image = button->icon().pixmap(QSize(32, 32)).toImage();
    if (image.isNull())
        return {};
    return QColor(image.pixel(image.width() / 2, image.height() / 2));
}

class MoveDialogTest : public test::LauncherWindowTest
{
protected:
    // Pages 0 to 9, the launcher showing page 4; the launcher and the dialog share one cache.
    void startOnPage4(const std::string& moreSettings = "")
    {
        icons.colours["/opt/gimp/gimp"] = 0xffff0000;
        test::writeBytes(dir.path() / "Vnovla.ini", "[Window]\nPage=9\nNow=4\n" + moreSettings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        dialogWindows = std::make_unique<ui::DialogWindows>(
            ui::DialogServices{*store, options, dialogs, &cache});
        window = std::make_unique<ui::LauncherWindow>(
            *store, options,
            pages::LauncherServices{shell, dialogs, clock, screens, recent, dialogWindows.get()});
        dialogWindows->setParent(window.get());
        window->setIcons(&cache);
        window->load();
    }

    // Opens the dialog from the button menu of launch button 7 and runs body while it is open.
    // The dialog is closed afterwards in any case, so a failed check cannot hang the test.
    void withDialog(const std::function<void(ui::MoveDialog&)>& body)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = window->findChild<ui::MoveDialog*>(QStringLiteral("FrmMove"));
            if (dialog) {
                ran = true;
                dialog->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                body(*dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        QTest::mousePress(child<ui::LaunchButton>("Bt7"), Qt::RightButton);
        auto* action = window->findChild<QAction*>(QStringLiteral("MnuBtMove"));
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_TRUE(ran) << "the dialog did not open";
    }

    template <typename Widget> static Widget* in(ui::MoveDialog& dialog, const QString& name)
    {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QString text(ui::MoveDialog& dialog, const char* label)
    {
        return in<QLabel>(dialog, QLatin1String(label))->text();
    }
    static void press(QWidget* widget, Qt::Key key)
    {
        widget->setFocus();
        QTest::keyClick(widget, key);
    }

    ColourIcons icons;
    pages::IconCache cache{icons};
};

TEST_F(MoveDialogTest, opensFromTheButtonMenuOnTheLaunchersPageWithEveryControlNamed)
{
    startOnPage4("[Title]\n4=Tools\n");
    withDialog([&](ui::MoveDialog& dialog) {
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ボタンのコピー/移動"));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed dialog border";
        for (const char* side : {"1", "2"}) {
            const QString n = QLatin1String(side);
            auto* stepper = in<QScrollBar>(dialog, QStringLiteral("ScrNo") + n);
            EXPECT_EQ(stepper->minimum(), 0);
            EXPECT_EQ(stepper->maximum(), 9);
            EXPECT_EQ(stepper->value(), 4);
            EXPECT_EQ(in<QLabel>(dialog, QStringLiteral("LblNo") + n)->text(), QStringLiteral("4"));
            EXPECT_EQ(in<QLabel>(dialog, QStringLiteral("LblTitle") + n)->text(),
                      QStringLiteral("Tools"));
            EXPECT_TRUE(in<QRadioButton>(dialog, QStringLiteral("Option%1_0").arg(n))->isChecked());
            EXPECT_FALSE(in<QListWidget>(dialog, QStringLiteral("LstJanp") + n)->isVisible());
            for (const QString& name :
                 QStringList{QStringLiteral("ScrNo") + n, QStringLiteral("BtTJanp") + n,
                             QStringLiteral("LstJanp") + n, QStringLiteral("Option%1_9").arg(n),
                             QStringLiteral("Bt%1_9").arg(n)})
                EXPECT_FALSE(in<QWidget>(dialog, name)->accessibleName().isEmpty())
                    << name.toStdString();
        }
        EXPECT_EQ(in<QLabel>(dialog, QStringLiteral("Label3_19"))->text(), QStringLiteral("0"));
        EXPECT_EQ(in<QLabel>(dialog, QStringLiteral("Label3_10"))->text(), QStringLiteral("9"));
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Label1", "Picture1", "Picture2"})
            EXPECT_NE(dialog.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
        for (const char* name : {"BtPageMake", "BtCopy", "BtMove", "ChkMoveAll", "Command3"}) {
            auto* control = in<QAbstractButton>(dialog, QLatin1String(name));
            EXPECT_EQ(control->accessibleName(), control->text()) << name;
            EXPECT_FALSE(control->toolTip().isEmpty()) << name;
        }
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt1_0"))->text(),
                  QStringLiteral("EMPTY"));
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt1_0"))->toolTip(),
                  QStringLiteral("未登録"));
    });
}

TEST_F(MoveDialogTest, aKeyboardCopyShowsAtBothPlacesAndOnTheLauncherAfterEsc)
{
    startOnPage4("[Path]\n52=/opt/gimp/gimp\n[PopUp]\n52=Gimp\n");
    int requestsInDialog = -1;
    withDialog([&](ui::MoveDialog& dialog) {
        auto* source = in<QScrollBar>(dialog, QStringLiteral("ScrNo1"));
        press(source, Qt::Key_Right);
        EXPECT_EQ(text(dialog, "LblNo1"), QStringLiteral("5"));
        auto* image = in<ui::LaunchButton>(dialog, QStringLiteral("Bt1_2"));
        EXPECT_EQ(image->toolTip(), QStringLiteral("Gimp"));
        EXPECT_EQ(pictureColour(image), QColor(Qt::red));
        // Arrow keys walk the option buttons of a side, checking each.
        press(in<QRadioButton>(dialog, QStringLiteral("Option1_0")), Qt::Key_Right);
        press(in<QRadioButton>(dialog, QStringLiteral("Option1_1")), Qt::Key_Right);
        EXPECT_TRUE(in<QRadioButton>(dialog, QStringLiteral("Option1_2"))->isChecked());
        press(in<QRadioButton>(dialog, QStringLiteral("Option2_0")), Qt::Key_Right);
        EXPECT_TRUE(in<QRadioButton>(dialog, QStringLiteral("Option2_1"))->isChecked());
        press(in<QPushButton>(dialog, QStringLiteral("BtCopy")), Qt::Key_Space);
        auto* copied = in<ui::LaunchButton>(dialog, QStringLiteral("Bt2_1"));
        EXPECT_EQ(copied->toolTip(), QStringLiteral("Gimp"));
        EXPECT_EQ(pictureColour(copied), QColor(Qt::red));
        EXPECT_EQ(image->toolTip(), QStringLiteral("Gimp"));
        requestsInDialog = icons.requests;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(store->ReadSetting("Path", "41"), "/opt/gimp/gimp");
    EXPECT_EQ(store->ReadSetting("PopUp", "41"), "Gimp");
    EXPECT_EQ(store->ReadSetting("Icon", "41"), "0");
    EXPECT_EQ(child<ui::LaunchButton>("Bt1")->toolTip(), QStringLiteral("Gimp"));
    EXPECT_EQ(pictureColour(child<ui::LaunchButton>("Bt1")), QColor(Qt::red));
    EXPECT_EQ(icons.requests, requestsInDialog) << "the launcher drew from the shared cache";
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MoveDialogTest, aMoveEmptiesTheSourceAndARefusalShowsTheMessage)
{
    startOnPage4("[Path]\n42=/opt/gimp/gimp\n43=/x\n[PopUp]\n42=Gimp\n43=Taken\n");
    withDialog([&](ui::MoveDialog& dialog) {
        QTest::mouseClick(in<QRadioButton>(dialog, QStringLiteral("Option1_2")), Qt::LeftButton);
        QTest::mouseClick(in<QRadioButton>(dialog, QStringLiteral("Option2_3")), Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>(dialog, QStringLiteral("BtMove")), Qt::LeftButton);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "コピー/移動先は登録済みです");
        EXPECT_TRUE(dialog.isVisible());

        QTest::mouseClick(in<QRadioButton>(dialog, QStringLiteral("Option2_5")), Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>(dialog, QStringLiteral("BtMove")), Qt::LeftButton);
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt1_2"))->text(),
                  QStringLiteral("EMPTY"));
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt2_2"))->text(),
                  QStringLiteral("EMPTY"));
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt2_5"))->toolTip(),
                  QStringLiteral("Gimp"));
        QTest::mouseClick(in<QPushButton>(dialog, QStringLiteral("Command3")), Qt::LeftButton);
    });
    EXPECT_EQ(child<ui::LaunchButton>("Bt2")->text(), QStringLiteral("EMPTY"));
    EXPECT_EQ(child<ui::LaunchButton>("Bt5")->toolTip(), QStringLiteral("Gimp"));
}

TEST_F(MoveDialogTest, aWholePageMoveClearsTheTickAndARefusedOneKeepsIt)
{
    startOnPage4("[Path]\n40=/a\n41=/b\n60=/c\n[PopUp]\n60=Busy\n");
    withDialog([&](ui::MoveDialog& dialog) {
        auto* all = in<QCheckBox>(dialog, QStringLiteral("ChkMoveAll"));
        press(all, Qt::Key_Space);
        ASSERT_TRUE(all->isChecked());
        in<QScrollBar>(dialog, QStringLiteral("ScrNo2"))->setValue(6);
        QTest::mouseClick(in<QPushButton>(dialog, QStringLiteral("BtMove")), Qt::LeftButton);
        EXPECT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(all->isChecked());

        in<QScrollBar>(dialog, QStringLiteral("ScrNo2"))->setValue(7);
        QTest::mouseClick(in<QPushButton>(dialog, QStringLiteral("BtMove")), Qt::LeftButton);
        EXPECT_FALSE(all->isChecked());
        EXPECT_EQ(in<ui::LaunchButton>(dialog, QStringLiteral("Bt2_1"))->toolTip(),
                  QStringLiteral("未登録"));
        EXPECT_NE(in<ui::LaunchButton>(dialog, QStringLiteral("Bt2_1"))->text(),
                  QStringLiteral("EMPTY"));
    });
    EXPECT_EQ(store->ReadSetting("Path", "71"), "/b");
    EXPECT_EQ(store->ReadSetting("Path", "41"), "");
}

TEST_F(MoveDialogTest, steppersStopAtBothEndsUnderKeysAndTheWheel)
{
    startOnPage4();
    withDialog([&](ui::MoveDialog& dialog) {
        auto* stepper = in<QScrollBar>(dialog, QStringLiteral("ScrNo2"));
        press(stepper, Qt::Key_End);
        press(stepper, Qt::Key_Right);
        // The wheel turns the page like a spin box: away from the user is the next page.
        for (const int delta : {120, 120, 120}) {
            QWheelEvent wheel(QPointF(5, 5), stepper->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(stepper, &wheel);
        }
        EXPECT_EQ(stepper->value(), 9);
        EXPECT_EQ(text(dialog, "LblNo2"), QStringLiteral("9"));
        press(stepper, Qt::Key_Home);
        press(stepper, Qt::Key_Left);
        EXPECT_EQ(text(dialog, "LblNo2"), QStringLiteral("0"));
        EXPECT_EQ(text(dialog, "LblNo1"), QStringLiteral("4"));
    });
}

TEST_F(MoveDialogTest, theTitleListJumpsOneSideAndEscClosesOnlyTheList)
{
    startOnPage4("[Title]\n2=Games\n");
    withDialog([&](ui::MoveDialog& dialog) {
        auto* list = in<QListWidget>(dialog, QStringLiteral("LstJanp1"));
        press(in<QPushButton>(dialog, QStringLiteral("BtTJanp1")), Qt::Key_Space);
        ASSERT_TRUE(list->isVisible());
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(list->count(), 10);
        EXPECT_EQ(list->currentRow(), 4);
        QTest::keyClick(list, Qt::Key_Escape);
        EXPECT_FALSE(list->isVisible());
        EXPECT_TRUE(dialog.isVisible());

        press(in<QPushButton>(dialog, QStringLiteral("BtTJanp1")), Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_TRUE(list->isVisible()) << "the arrows only move the selection";
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(text(dialog, "LblTitle1"), QStringLiteral("Games"));
        EXPECT_EQ(in<QScrollBar>(dialog, QStringLiteral("ScrNo1"))->value(), 2);
        EXPECT_TRUE(in<QScrollBar>(dialog, QStringLiteral("ScrNo1"))->hasFocus());
        EXPECT_EQ(text(dialog, "LblNo2"), QStringLiteral("4"));
    });
}

TEST_F(MoveDialogTest, aNewPageReachesBothStepperAndTheLauncher)
{
    startOnPage4();
    dialogs.setNextAnswer(Answer::Yes);
    withDialog([&](ui::MoveDialog& dialog) {
        press(in<QPushButton>(dialog, QStringLiteral("BtPageMake")), Qt::Key_Space);
        ASSERT_EQ(dialogs.questions.size(), 1u);
        EXPECT_EQ(dialogs.questions[0].text, "Page 10 を追加してもよろしいですか？");
        EXPECT_EQ(in<QScrollBar>(dialog, QStringLiteral("ScrNo1"))->maximum(), 10);
        EXPECT_EQ(in<QScrollBar>(dialog, QStringLiteral("ScrNo2"))->maximum(), 10);
        EXPECT_EQ(in<QScrollBar>(dialog, QStringLiteral("ScrNo2"))->value(), 10);
        EXPECT_EQ(text(dialog, "LblNo2"), QStringLiteral("10"));
        EXPECT_EQ(text(dialog, "LblNo1"), QStringLiteral("4"));
        if (const char* path = std::getenv("VNOVLA_MOVE_SCREENSHOT"))
            dialog.grab().save(QString::fromLocal8Bit(path));
    });
    EXPECT_EQ(child<QScrollBar>("ScrNo")->maximum(), 10);
    EXPECT_EQ(window->presenter().highestPage(), 10);
    EXPECT_EQ(store->ReadSetting("Window", "Page"), "10");
}

} // namespace
} // namespace vnovla
