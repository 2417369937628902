#include "ui/launcher_window_fixture.h"

#include "ui/gauge_widget.h"
#include "ui/options_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace vnovla {
namespace {

class OptionsDialogTest : public test::LauncherWindowTest
{
protected:
    // Chooses a menu item of the launcher and, once the options dialog is up, runs `use` on
    // it. `use` must close the dialog.
    void openFromMenu(const char* item, const std::function<void(QDialog&)>& use)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), QStringLiteral("FrmOption"));
            opened = true;
            use(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->reject();
            }
        });
        auto* action = window->findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_TRUE(opened);
    }

    template <typename Widget> static Widget* in(QDialog& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QColor labelText(const char* name) const
    {
        return child<QLabel>(name)->palette().color(QPalette::WindowText);
    }
    QColor labelBack(const char* name) const
    {
        return child<QLabel>(name)->palette().color(QPalette::Window);
    }
};

TEST_F(OptionsDialogTest, thePauseScrolledToItsEndIsSavedByOk)
{
    start("[ALL]\r\nWait=1500\r\n");
    openFromMenu("MnuOption", [](QDialog& dialog) {
        auto* bar = in<QScrollBar>(dialog, "ScrAll");
        EXPECT_EQ(in<QLineEdit>(dialog, "TxtAll")->text(), QStringLiteral("1500"));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        EXPECT_EQ(in<QLineEdit>(dialog, "TxtAll")->text(), QStringLiteral("5000"));
        QTest::mouseClick(in<QPushButton>(dialog, "BtOK"), Qt::LeftButton);
    });
    EXPECT_EQ(store->ReadSetting("All", "Wait"), "5000");
    EXPECT_EQ(options.wait, 5000);
}

TEST_F(OptionsDialogTest, aSchemeConfirmedWithOkColoursTheLauncherAtOnce)
{
    start("");
    EXPECT_EQ(labelText("LblNo"), QColor(Qt::yellow));
    openFromMenu("MnuOption", [](QDialog& dialog) {
        in<QTabWidget>(dialog, "TabStrip1")->setCurrentIndex(3);
        auto* schemes = in<QComboBox>(dialog, "CmbCol");
        schemes->setFocus();
        // Down from no choice to the first scheme, then on to "ブルー調".
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(schemes, Qt::Key_Down);
        EXPECT_EQ(schemes->currentText(), QStringLiteral("ブルー調"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    const QColor lightCyan(128, 255, 255);
    const QColor darkBlue(0, 0, 160);
    for (const char* label : {"LblNo", "LblTitle", "Label3_0", "Label3_9"}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(labelText(label), lightCyan);
        EXPECT_EQ(labelBack(label), darkBlue);
    }
    auto* cpu = child<ui::GaugeWidget>("PicCpu");
    EXPECT_EQ(cpu->barColour(), lightCyan);
    EXPECT_EQ(cpu->backgroundColour(), darkBlue);
    EXPECT_EQ(store->ReadSetting("Col", "1"), "10485760");
}

TEST_F(OptionsDialogTest, aSchemeLeftWithEscapeChangesNothing)
{
    const std::string before = "[Window]\r\nPage=4\r\n";
    start(before);
    const QColor back = labelBack("Label3_0");
    openFromMenu("MnuOption", [](QDialog& dialog) {
        auto* schemes = in<QComboBox>(dialog, "CmbCol");
        schemes->setFocus();
        QTest::keyClick(schemes, Qt::Key_Down);
        QTest::mouseClick(in<QPushButton>(dialog, "LblCol_1"), Qt::LeftButton);
        QTest::mouseClick(in<QCheckBox>(dialog, "ChkTray"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(test::readBytes(dir / "Vnovla.ini"), before);
    EXPECT_EQ(labelText("LblNo"), QColor(Qt::yellow));
    EXPECT_EQ(labelBack("LblNo"), QColor(Qt::black));
    EXPECT_EQ(labelBack("Label3_0"), back);
    EXPECT_EQ(options.tray, settings::CheckState::Unchecked);
}

TEST_F(OptionsDialogTest, versionInformationOpensOnTheVersionTab)
{
    start("");
    openFromMenu("MnuVer", [](QDialog& dialog) {
        auto* tabs = in<QTabWidget>(dialog, "TabStrip1");
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(in<QLabel>(dialog, "Label1")->text(), QStringLiteral("VESKA NOVLA"));
        EXPECT_EQ(in<QLabel>(dialog, "LblVer")->text(), QStringLiteral("Ver 0.10"));
        auto* address = in<QLineEdit>(dialog, "TxtAdd");
        EXPECT_TRUE(address->text().startsWith(QStringLiteral("file:///")));
        EXPECT_TRUE(address->text().endsWith(QStringLiteral("/readme.txt")));
        EXPECT_EQ(address->focusPolicy(), Qt::NoFocus);
        in<QPushButton>(dialog, "BtCancel")->click();
    });
}

TEST_F(OptionsDialogTest, everyControlHasItsNameAndAnAccessibleName)
{
    start("");
    openFromMenu("MnuOption", [](QDialog& dialog) {
        const QStringList tabs = {QStringLiteral("設定1"), QStringLiteral("設定2"),
                                  QStringLiteral("ｱﾗｰﾑ"), QStringLiteral("ｶﾗｰ"),
                                  QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")};
        auto* strip = in<QTabWidget>(dialog, "TabStrip1");
        ASSERT_EQ(strip->count(), tabs.size());
        for (int index = 0; index < strip->count(); ++index)
            EXPECT_EQ(strip->tabText(index), tabs[index]);
        for (const char* name :
             {"ChkWait",      "ScrAll",    "TxtAll",    "ChkEnd",   "ChkMin",
              "ChkStartMin",  "ChkTray",   "ChkEndTop", "ScrEndPG", "TxtEndPG",
              "ChkEndSaikin", "Option3_0", "Option3_1", "ChkShow",  "ChkAlarmSoundOn",
              "TxtSoundPath", "Option2_0", "Option2_1", "BtSound",  "CmbCol",
              "LblCol_0",     "LblCol_19", "TxtAdd",    "BtOK",     "BtCancel"}) {
            auto* widget = in<QWidget>(dialog, name);
            if (widget) {
                EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
            }
        }
        EXPECT_EQ(in<QScrollBar>(dialog, "ScrEndPG")->maximum(), 15);
        EXPECT_EQ(in<QCheckBox>(dialog, "ChkStartMin")->toolTip().left(4),
                  QStringLiteral("「最小化"));
        dialog.close();
    });
}

// Under a display, VNOVLA_SCREENSHOTS=<folder> saves a picture of each tab for a look by eye.
TEST_F(OptionsDialogTest, screenshotsOfEachTab)
{
    const char* folder = std::getenv("VNOVLA_SCREENSHOTS");
    if (!folder)
        GTEST_SKIP() << "set VNOVLA_SCREENSHOTS to a folder to save the pictures";
    start("");
    openFromMenu("MnuOption", [folder](QDialog& dialog) {
        auto* strip = in<QTabWidget>(dialog, "TabStrip1");
        for (int index = 0; index < strip->count(); ++index) {
            strip->setCurrentIndex(index);
            QTest::qWait(100);
            dialog.grab().save(QStringLiteral("%1/options-tab%2.png")
                                   .arg(QString::fromLocal8Bit(folder))
                                   .arg(index));
        }
        dialog.reject();
    });
}

} // namespace
} // namespace vnovla
