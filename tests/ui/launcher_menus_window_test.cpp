#include "ui/launcher_window_fixture.h"

#include "pages/launcher_menus.h"
#include "ui/gauge_widget.h"
#include "ui/launch_button.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <string>
#include <vector>

namespace vnovla {
namespace {

QString qt(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class LauncherWindowMenusTest : public test::LauncherWindowTest
{
protected:
    QAction* action(const char* name) const
    {
        auto* found = window->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QMenu* menu(const char* name) const { return child<QMenu>(name); }

    void rightClick(QWidget* widget) { QTest::mousePress(widget, Qt::RightButton); }

    bool onTop() const { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
};

// ---- Layout ---------------------------------------------------------------------------------

TEST_F(LauncherWindowMenusTest, everyNamedControlIsThereAndThePopupControlsStartClosed)
{
    start("");
    for (const char* name : {"Frame1",   "ScrNo",   "LblNo",    "TxtJanp",  "BtAll",     "LblTitle",
                             "TxtTitle", "BtTJanp", "Picture1", "PicCpu",   "PicButuri", "PicKasou",
                             "PicSys",   "PicGdi",  "PicUser",  "PicDrive", "LstJanp",   "Drive1",
                             "Bt0",      "Bt9",     "Label3_0", "Label3_9"}) {
        EXPECT_NE(window->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }
    for (const char* name : {"TxtJanp", "TxtTitle", "LstJanp"}) {
        auto* control = child<QWidget>(name);
        ASSERT_TRUE(control);
        EXPECT_FALSE(control->isVisible()) << name;
        EXPECT_FALSE(control->isEnabled()) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
    EXPECT_FALSE(child<QWidget>("Drive1")->isVisible());
    EXPECT_EQ(child<QPushButton>("BtTJanp")->text(), QStringLiteral("▽"));
    EXPECT_EQ(child<QPushButton>("BtAll")->text(), QStringLiteral("ALL(&A)"));
    EXPECT_EQ(child<QWidget>("BtTJanp")->toolTip(),
              QStringLiteral("ページタイトルを選んでジャンプ"));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
}

TEST_F(LauncherWindowMenusTest, gaugeRowLiesEvenlyUnderTheButtonsInsideTheWindow)
{
    start("");
    const std::vector<const char*> names = {"PicCpu", "PicButuri", "PicKasou", "PicSys",
                                            "PicGdi", "PicUser",   "PicDrive"};
    const QRect buttonRow(child<QWidget>("Bt0")->mapTo(window.get(), QPoint(0, 0)),
                          child<QWidget>("Bt0")->size());
    int previousLeft = -1;
    int pitch = -1;
    for (const char* name : names) {
        auto* gauge = child<ui::GaugeWidget>(name);
        ASSERT_TRUE(gauge);
        const QRect inWindow(gauge->mapTo(window.get(), QPoint(0, 0)), gauge->size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << name << " is cut off";
        EXPECT_GT(inWindow.top(), buttonRow.bottom()) << name;
        EXPECT_GT(gauge->width(), gauge->height() * 5) << name << " is a flat bar";
        EXPECT_FALSE(gauge->accessibleName().isEmpty()) << name;
        EXPECT_NE(gauge->barColour(), gauge->backgroundColour()) << name;
        if (previousLeft >= 0) {
            const int step = inWindow.left() - previousLeft;
            EXPECT_GT(step, gauge->width()) << name << " overlaps its neighbour";
            if (pitch >= 0) {
                EXPECT_NEAR(step, pitch, 1) << name;
            }
            pitch = step;
        }
        previousLeft = inWindow.left();
    }
    // Before a colour scheme applies, the processor gauge is light blue on dark blue.
    EXPECT_EQ(child<ui::GaugeWidget>("PicCpu")->barColour(), QColor(192, 192, 255));
    EXPECT_EQ(child<ui::GaugeWidget>("PicCpu")->backgroundColour(), QColor(0, 0, 192));
}

TEST_F(LauncherWindowMenusTest, pageNumberAndTitleAreCentredYellowOnBlackAboveNumberedSlots)
{
    start("");
    for (const char* name : {"LblNo", "LblTitle"}) {
        auto* label = child<QLabel>(name);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::yellow)) << name;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::black)) << name;
        EXPECT_TRUE(label->autoFillBackground()) << name;
        EXPECT_EQ(label->alignment(), Qt::AlignCenter) << name;
    }
    EXPECT_TRUE(child<QLabel>("LblNo")->font().bold());
    for (int slot = 0; slot < 10; ++slot) {
        auto* number = child<QLabel>(qPrintable(QStringLiteral("Label3_%1").arg(slot)));
        auto* button = child<ui::LaunchButton>(qPrintable(QStringLiteral("Bt%1").arg(slot)));
        ASSERT_TRUE(number && button);
        EXPECT_EQ(number->text(), QString::number(slot));
        EXPECT_NEAR(number->geometry().center().x(), button->geometry().center().x(), 2) << slot;
        EXPECT_GE(number->geometry().bottom(), button->geometry().bottom()) << slot;
    }
}

// ---- Menus ----------------------------------------------------------------------------------

TEST_F(LauncherWindowMenusTest, everyMenuItemHasAnActionWithItsCaptionAndState)
{
    start("[Window]\nTime=False\nTemae=True\n");
    for (const pages::MenuRoot root :
         {pages::MenuRoot::Context, pages::MenuRoot::Button, pages::MenuRoot::Tray}) {
        const pages::MenuModel model = window->presenter().menu(root);
        ASSERT_TRUE(menu(model.name.c_str()));
        std::vector<const pages::MenuItem*> pending;
        for (const auto& item : model.items)
            pending.push_back(&item);
        for (std::size_t next = 0; next < pending.size(); ++next) {
            const pages::MenuItem& item = *pending[next];
            for (const auto& childItem : item.children)
                pending.push_back(&childItem);
            QAction* qtAction = action(item.name.c_str());
            ASSERT_TRUE(qtAction) << item.name;
            EXPECT_EQ(qtAction->isSeparator(), item.kind == pages::MenuItemKind::Separator);
            EXPECT_EQ(qtAction->menu() != nullptr, item.kind == pages::MenuItemKind::Submenu);
            if (item.kind != pages::MenuItemKind::Separator) {
                EXPECT_EQ(qtAction->text(), qt(item.caption)) << item.name;
            }
            EXPECT_EQ(qtAction->isEnabled(), item.enabled) << item.name;
            EXPECT_EQ(qtAction->isChecked(), item.checked) << item.name;
        }
    }
}

TEST_F(LauncherWindowMenusTest, rightButtonOpensTheContextMenuOnTheBodyAndTheButtonMenuOnAButton)
{
    start("");
    QMenu* context = menu("Mnu");
    QMenu* button = menu("PopBtn");
    ASSERT_TRUE(context && button);

    // The body, a label and a gauge all pass the right button on to the window.
    for (const char* name :
         {"Frame1", "LblTitle", "LblNo", "PicDrive", "Label3_2", "BtAll", "BtTJanp", "ScrNo"}) {
        rightClick(child<QWidget>(name));
        QTRY_VERIFY2(context->isVisible(), name);
        EXPECT_FALSE(button->isVisible()) << name;
        context->hide();
    }

    rightClick(child<QWidget>("Bt4"));
    QTRY_VERIFY(button->isVisible());
    EXPECT_FALSE(context->isVisible());
    EXPECT_EQ(window->presenter().CurrentSlot(), 4);
    button->hide();

    QTest::mousePress(child<QWidget>("Bt7"), Qt::MiddleButton);
    EXPECT_EQ(window->presenter().CurrentSlot(), 7) << "any button marks the slot";
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(context->isVisible());
}

TEST_F(LauncherWindowMenusTest, menuKeyOpensTheMenuOfTheFocusedControl)
{
    start("");
    const auto pressMenuKey = [](QWidget* widget) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(widget, &event);
    };
    pressMenuKey(child<QWidget>("ScrNo"));
    QTRY_VERIFY(menu("Mnu")->isVisible());
    menu("Mnu")->hide();

    pressMenuKey(child<QWidget>("Bt2"));
    QTRY_VERIFY(menu("PopBtn")->isVisible());
    EXPECT_FALSE(menu("Mnu")->isVisible());
    EXPECT_EQ(window->presenter().CurrentSlot(), 2);
}

TEST_F(LauncherWindowMenusTest, alwaysOnTopTogglesTheWindowAndIsSavedAtClose)
{
    struct Row
    {
        const char* stored;
        int toggles;
        bool onTop;
        const char* saved;
    };
    for (const Row& row : {Row{"True", 0, true, "True"}, Row{"False", 0, false, "False"},
                           Row{"True", 1, false, "False"}, Row{"False", 1, true, "True"},
                           Row{"False", 2, false, "False"}}) {
        SCOPED_TRACE(std::string(row.stored) + " toggled " + std::to_string(row.toggles));
        start(std::string("[Window]\nTemae=") + row.stored + "\n");
        for (int toggle = 0; toggle < row.toggles; ++toggle) {
            rightClick(child<QWidget>("Frame1"));
            QTRY_VERIFY(menu("Mnu")->isVisible());
            action("MnuTemae")->trigger();
            menu("Mnu")->hide();
        }
        EXPECT_EQ(onTop(), row.onTop);
        EXPECT_EQ(action("MnuTemae")->isChecked(), row.onTop);
        EXPECT_TRUE(window->isVisible()) << "changing the flag keeps the window on screen";
        window->close();
        EXPECT_EQ(store->ReadSetting("Window", "Temae"), row.saved);
    }
}

TEST_F(LauncherWindowMenusTest, clockItemIsSavedAtClose)
{
    start("[Window]\nTime=True\n");
    EXPECT_TRUE(action("mnuTime")->isChecked());
    action("mnuTime")->trigger();
    EXPECT_FALSE(action("mnuTime")->isChecked());
    window->close();
    EXPECT_EQ(store->ReadSetting("Window", "Time"), "False");
}

TEST_F(LauncherWindowMenusTest, launchThenCloseStartsThePressedButtonAndEndsTheProgram)
{
    start("[Window]\nNow=0\n[Path]\n06=/opt/tools/tool.sh\n");
    child<QScrollBar>("ScrNo")->setValue(0);
    rightClick(child<QWidget>("Bt6"));
    QTRY_VERIFY(menu("PopBtn")->isVisible());
    action("MnuBtEnd")->trigger();

    EXPECT_EQ(shell.openedPaths(), std::vector<std::string>{"/opt/tools/tool.sh"});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store->ReadSetting("Window", "Temae"), "True") << "the state was saved";
}

TEST_F(LauncherWindowMenusTest, endItemClosesTheWindowAndSavesItsState)
{
    start("[Window]\nPage=5\nNow=0\n");
    child<QScrollBar>("ScrNo")->setValue(3);
    action("MnuEnd")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store->ReadSetting("Window", "Now"), "3");
}

} // namespace
} // namespace vnovla
