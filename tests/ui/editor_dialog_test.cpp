#include "ui/launcher_window_fixture.h"

#include "fakes/fake_icons.h"
#include "pages/icon_cache.h"
#include "ui/editor_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

namespace vnovla {
namespace {

QString qt(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class EditorDialogTest : public test::LauncherWindowTest
{
protected:
    // Opens the editor as a user does, from the button menu of slot `slot`, and runs `act` on
    // it while it is open. A dialog that `act` leaves open is cancelled so the test goes on.
    void editSlot(int slot, const std::function<void(ui::EditorDialog&)>& act)
    {
        const QString button = QStringLiteral("Bt%1").arg(slot);
        QTest::mousePress(child<QWidget>(button.toLatin1().constData()), Qt::RightButton);
        QTRY_VERIFY(child<QMenu>("PopBtn")->isVisible());
        bool acted = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<ui::EditorDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || acted)
                return;
            acted = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        auto* edit = window->findChild<QAction*>(QStringLiteral("PopBtnEdit"));
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(edit->isEnabled());
        edit->trigger();
        EXPECT_TRUE(acted) << "the editor was shown";
    }

    template <typename Widget> static Widget* in(ui::EditorDialog& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void drop(QWidget* target, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPointF at = QPointF(target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
    }

    static QString text(ui::EditorDialog& dialog, const char* name)
    {
        return in<QLineEdit>(dialog, name)->text();
    }
};

TEST_F(EditorDialogTest, everyControlCarriesItsNameAndASpokenName)
{
    start("[Window]\nNow=0\n");
    editSlot(3, [&](ui::EditorDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("FrmEdit"));
        EXPECT_EQ(dialog.windowTitle(), qt("Page 0 :  ボタンNo. 3"));
        const std::vector<std::pair<const char*, std::string>> names = {
            {"Frame1", "【 登録するパス 】"},
            {"TxtPath", "登録するパス"},
            {"btOpen", "登録するパスを選ぶ"},
            {"Frame2", "【 オンマウスで表示するテキスト 】"},
            {"TxtToll", "オンマウスで表示するテキスト"},
            {"Frame3", "【 アイコン 】"},
            {"Frame4", "【 アイコンファイルのパス 】"},
            {"PicIcon", "アイコンのプレビュー"},
            {"ScrIcon", "ｱｲｺﾝｾﾚｸﾄ"},
            {"Label1", "ｱｲｺﾝｾﾚｸﾄ"},
            {"Command1", "関連ｱｲｺﾝ"},
            {"TIcPath", "アイコンファイルのパス"},
            {"BtIcpath", "アイコンファイルを選ぶ"},
            {"BtOK", "OK"},
            {"btCan", "キャンセル"},
        };
        for (const auto& [name, spoken] : names) {
            const QWidget* control = in<QWidget>(dialog, name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->accessibleName(), qt(spoken)) << name;
        }
        EXPECT_EQ(in<QGroupBox>(dialog, "Frame1")->title(), qt("【 登録するパス 】"));
        EXPECT_EQ(in<QPushButton>(dialog, "BtOK")->text(), qt("OK(&O)"));
        EXPECT_EQ(in<QGroupBox>(dialog, "Frame3")->palette().color(QPalette::WindowText),
                  QColor(0, 0, 0x80));
        EXPECT_EQ(in<QLabel>(dialog, "Label1")->palette().color(QPalette::WindowText),
                  dialog.palette().color(QPalette::WindowText));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed border";
        EXPECT_FALSE(dialog.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        const auto* index = in<QScrollBar>(dialog, "ScrIcon");
        EXPECT_EQ(index->minimum(), 0);
        EXPECT_EQ(index->maximum(), 32767);
        EXPECT_EQ(index->singleStep(), 1);
        EXPECT_EQ(index->pageStep(), 1);

        // Tab runs through the controls in the dialog's order.
        std::vector<QString> order;
        QWidget* focus = in<QWidget>(dialog, "TxtPath");
        for (int step = 0; step < 9; ++step) {
            order.push_back(focus->objectName());
            focus = focus->nextInFocusChain();
            while (focus->focusPolicy() == Qt::NoFocus || !focus->isEnabled() || focus->isWindow())
                focus = focus->nextInFocusChain();
        }
        EXPECT_EQ(order,
                  (std::vector<QString>{QStringLiteral("TxtPath"), QStringLiteral("btOpen"),
                                        QStringLiteral("TxtToll"), QStringLiteral("ScrIcon"),
                                        QStringLiteral("btCan"), QStringLiteral("Command1"),
                                        QStringLiteral("BtIcpath"), QStringLiteral("TIcPath"),
                                        QStringLiteral("TxtPath")}))
            << "OK is skipped while it is disabled";
    });
}

// Typing only: a path, Tab to the tooltip, Enter saves; the button shows the new item.
TEST_F(EditorDialogTest, keyboardAloneRegistersASlot)
{
    start("[Window]\nNow=0\n");
    ASSERT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    editSlot(3, [&](ui::EditorDialog& dialog) {
        EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint)
            << "the editor must not hide behind the launcher";
        dialog.activateWindow();
        QWidget* path = in<QWidget>(dialog, "TxtPath");
        QTRY_VERIFY(path->hasFocus());
        EXPECT_FALSE(in<QPushButton>(dialog, "BtOK")->isEnabled());
        QTest::keyClicks(path, QStringLiteral("/home/u/Work/"));
        EXPECT_EQ(text(dialog, "TxtToll"), QString()) << "a folder with its separator";
        EXPECT_FALSE(in<QPushButton>(dialog, "BtOK")->isEnabled());
        QTest::keyClick(path, Qt::Key_Backspace);
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("Work"));
        QTest::keyClicks(path, QStringLiteral("/notes.txt"));
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("notes.txt"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), in<QWidget>(dialog, "TxtToll"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        // Japanese text arrives from the input method as a committed string.
        QInputMethodEvent commit;
        commit.setCommitString(qt("作業メモ"));
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), in<QWidget>(dialog, "ScrIcon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_EQ(in<QScrollBar>(dialog, "ScrIcon")->value(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(store->ReadSetting("Path", "03"), "/home/u/Work/notes.txt");
    EXPECT_EQ(store->ReadSetting("PopUp", "03"), "作業メモ");
    EXPECT_EQ(store->ReadSetting("Icon", "03"), "2");
    const auto* button = child<QAbstractButton>("Bt3");
    EXPECT_EQ(button->toolTip(), qt("作業メモ"));
    EXPECT_TRUE(button->text().contains(QStringLiteral("txt"))) << button->text().toStdString();
}

TEST_F(EditorDialogTest, escapeTheCloseBoxAndCancelWriteNothing)
{
    const std::string settings = "[Window]\nNow=0\n[Path]\n05=/bin/old.sh\n[PopUp]\n05=Old\n"
                                 "[Icon]\n05=4\n";
    enum class Way { Escape, CloseBox, EnterOnCancel };
    for (const Way way : {Way::Escape, Way::CloseBox, Way::EnterOnCancel}) {
        SCOPED_TRACE(static_cast<int>(way));
        start(settings);
        const std::string before = test::readBytes(dir.path() / "Vnovla.ini");
        editSlot(5, [&](ui::EditorDialog& dialog) {
            EXPECT_EQ(text(dialog, "TxtPath"), QStringLiteral("/bin/old.sh"));
            EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("Old")) << "the stored tooltip";
            EXPECT_EQ(in<QScrollBar>(dialog, "ScrIcon")->value(), 0);
            EXPECT_TRUE(in<QPushButton>(dialog, "BtOK")->isEnabled());
            QTest::keyClicks(in<QWidget>(dialog, "TxtPath"), QStringLiteral("x"));
            switch (way) {
            case Way::Escape:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case Way::CloseBox:
                dialog.close();
                break;
            case Way::EnterOnCancel:
                in<QWidget>(dialog, "btCan")->setFocus();
                QTest::keyClick(in<QWidget>(dialog, "btCan"), Qt::Key_Return);
                break;
            }
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(test::readBytes(dir.path() / "Vnovla.ini"), before);
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "icon.ini"));
    }
}

TEST_F(EditorDialogTest, browsingAndDroppingFillTheFields)
{
    start("[Window]\nNow=0\n");
    dialogs.fileAnswers = {std::string("/home/u/a.txt"), std::nullopt,
                           std::string("/icons/set.ico")};
    editSlot(1, [&](ui::EditorDialog& dialog) {
        QTest::mouseClick(in<QWidget>(dialog, "btOpen"), Qt::LeftButton);
        EXPECT_EQ(text(dialog, "TxtPath"), QStringLiteral("/home/u/a.txt"));
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("a.txt"));
        QTest::mouseClick(in<QWidget>(dialog, "btOpen"), Qt::LeftButton); // cancelled
        EXPECT_EQ(text(dialog, "TxtPath"), QStringLiteral("/home/u/a.txt"));

        in<QScrollBar>(dialog, "ScrIcon")->setValue(3);
        QTest::mouseClick(in<QWidget>(dialog, "BtIcpath"), Qt::LeftButton);
        EXPECT_EQ(text(dialog, "TIcPath"), QStringLiteral("/icons/set.ico"));
        EXPECT_EQ(in<QScrollBar>(dialog, "ScrIcon")->value(), 0);

        // Drops: three files on the path field take the first; a file on the icon-file frame
        // sets the icon file and keeps the index; a web address is no file and empties.
        in<QScrollBar>(dialog, "ScrIcon")->setValue(2);
        drop(in<QWidget>(dialog, "TxtPath"),
             {QUrl::fromLocalFile(QStringLiteral("/home/u/first.sh")),
              QUrl::fromLocalFile(QStringLiteral("/home/u/second.sh")),
              QUrl::fromLocalFile(QStringLiteral("/home/u/third.sh"))});
        EXPECT_EQ(text(dialog, "TxtPath"), QStringLiteral("/home/u/first.sh"));
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("first.sh"));
        drop(in<QWidget>(dialog, "Frame4"), {QUrl::fromLocalFile(QStringLiteral("/i/b.dll"))});
        EXPECT_EQ(text(dialog, "TIcPath"), QStringLiteral("/i/b.dll"));
        drop(in<QWidget>(dialog, "TIcPath"), {QUrl::fromLocalFile(QStringLiteral("/i/c.dll"))});
        EXPECT_EQ(text(dialog, "TIcPath"), QStringLiteral("/i/c.dll"));
        EXPECT_EQ(in<QScrollBar>(dialog, "ScrIcon")->value(), 2);
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("first.sh"));
        drop(&dialog, {QUrl(QStringLiteral("https://example.org/a.txt"))});
        EXPECT_EQ(text(dialog, "TxtPath"), QString());
        EXPECT_FALSE(in<QPushButton>(dialog, "BtOK")->isEnabled());

        drop(in<QWidget>(dialog, "TxtToll"), {QUrl::fromLocalFile(QStringLiteral("/bin/x"))});
        EXPECT_EQ(text(dialog, "TxtPath"), QStringLiteral("/bin/x"));
        QTest::mouseClick(in<QWidget>(dialog, "BtOK"), Qt::LeftButton);
    });
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "登録");
    EXPECT_EQ(dialogs.fileRequests[2].startFolder, "/home/u/a.txt");
    EXPECT_EQ(store->ReadSetting("Path", "01"), "/bin/x");
    EXPECT_EQ(store->ReadSetting("Icon", "01"), "2");
    EXPECT_EQ(store->ReadIconSetting("IconPath", "01"), "/i/c.dll");
}

TEST_F(EditorDialogTest, previewShowsTheChosenIconAndTheAssociatedOne)
{
    test::FakeIcons fakeIcons;
    fakeIcons.available = {{pages::IconSource::RegisteredItem, "/opt/app/app.exe", 1},
                           {pages::IconSource::AssociatedProgram, "/opt/app/app.exe", 0}};
    pages::IconCache cache(fakeIcons);
    dialogIcons = &cache;
    start("[Window]\nNow=0\n[Path]\n02=/opt/app/app.exe\n[PopUp]\n02=App\n");
    editSlot(2, [&](ui::EditorDialog& dialog) {
        const auto* preview = in<QLabel>(dialog, "PicIcon");
        EXPECT_TRUE(preview->pixmap().isNull()) << "index 0 of the file itself has no icon";
        in<QScrollBar>(dialog, "ScrIcon")->setValue(1);
        EXPECT_FALSE(preview->pixmap().isNull());
        in<QScrollBar>(dialog, "ScrIcon")->setValue(2);
        EXPECT_TRUE(preview->pixmap().isNull()) << "past the last icon";
        QTest::mouseClick(in<QWidget>(dialog, "Command1"), Qt::LeftButton);
        EXPECT_FALSE(preview->pixmap().isNull());
        EXPECT_EQ(text(dialog, "TxtToll"), QStringLiteral("App")) << "nothing else changes";
    });
}

} // namespace
} // namespace vnovla
