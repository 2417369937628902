#include "ui/launcher_window_fixture.h"

#include "ui/launch_button.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <string>

namespace vnovla {
namespace {

// Pages 0 to 5; page 0 has a program in slot 3, pages 0, 2 and 4 have titles.
const std::string kSixPages = "[Window]\n"
                              "Page=5\n"
                              "Now=0\n"
                              "[Path]\n"
                              "03=/usr/bin/editor\n"
                              "[Title]\n"
                              "0=仕事\n"
                              "2=旅行\n"
                              "4=趣味\n";

class PagePopupsTest : public test::LauncherWindowTest
{
protected:
    QLabel* pageNumber() const { return child<QLabel>("LblNo"); }
    QLabel* pageTitle() const { return child<QLabel>("LblTitle"); }
    QLineEdit* numberBox() const { return child<QLineEdit>("TxtJanp"); }
    QLineEdit* titleEditor() const { return child<QLineEdit>("TxtTitle"); }
    QListWidget* titleList() const { return child<QListWidget>("LstJanp"); }
    QScrollBar* scrollBar() const { return child<QScrollBar>("ScrNo"); }

    static bool isOpen(const QWidget* control)
    {
        return control->isVisible() && control->isEnabled();
    }
    static bool isClosed(const QWidget* control)
    {
        return !control->isVisible() && !control->isEnabled();
    }

    // Types text key by key; QTest's own typing knows ASCII only.
    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    // A double-click where the user sees control, as the window system delivers it: press,
    // release, press, double-click, release, to whatever stands at that point.
    void doubleClickOn(const QWidget* control) const
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, centre(control));
    }
    QPoint centre(const QWidget* control) const
    {
        return control->mapTo(window.get(), control->rect().center());
    }

    // What the settings file holds now, read by a store of its own.
    std::string storedSetting(const std::string& section, const std::string& key) const
    {
        profile::ProfileStore fresh(dir.path());
        return fresh.ReadSetting(section, key);
    }
};

// ---- Page-number box ------------------------------------------------------------------------

TEST_F(PagePopupsTest, pageNumberBoxJumpsOnEnterAndClosesOnEscape)
{
    start(kSixPages);
    QTest::mouseDClick(pageNumber(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(numberBox()));
    EXPECT_EQ(numberBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(window->focusWidget(), numberBox());

    // The shown number is selected, so typing replaces it; the digit is input, not a launch.
    QTest::keyClicks(numberBox(), QStringLiteral("3"));
    EXPECT_EQ(numberBox()->text(), QStringLiteral("3"));
    EXPECT_TRUE(shell.calls.empty());
    QTest::keyClick(numberBox(), Qt::Key_Return);

    EXPECT_EQ(pageNumber()->text(), QStringLiteral("3"));
    EXPECT_EQ(scrollBar()->value(), 3);
    EXPECT_TRUE(isClosed(numberBox()));
    EXPECT_EQ(window->focusWidget(), scrollBar());

    QTest::mouseDClick(pageNumber(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(numberBox()));
    EXPECT_EQ(numberBox()->text(), QStringLiteral("3"));
    QTest::keyClicks(numberBox(), QStringLiteral("1"));
    QTest::keyClick(numberBox(), Qt::Key_Escape);
    EXPECT_TRUE(isClosed(numberBox()));
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("3"));
}

// Both pop-up editors overlap the button row: an open one stands over it, so that the mouse
// reaches it where the user sees it.
TEST_F(PagePopupsTest, doubleClickInThePageNumberBoxJumpsToTheTypedPage)
{
    start(kSixPages);
    QTest::mouseDClick(pageNumber(), Qt::LeftButton);
    QTest::keyClicks(numberBox(), QStringLiteral("2"));
    ASSERT_EQ(window->childAt(centre(numberBox())), numberBox()) << "the box is hidden";
    doubleClickOn(numberBox());
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("2"));
    EXPECT_EQ(pageTitle()->text(), QStringLiteral("旅行"));
    EXPECT_TRUE(isClosed(numberBox()));
}

// ---- Title list -----------------------------------------------------------------------------

TEST_F(PagePopupsTest, titleListShowsEveryPageWithTheCurrentRowAndJumpsOnAChoice)
{
    start(kSixPages);
    scrollBar()->setValue(2);
    QTest::mouseClick(child<QPushButton>("BtTJanp"), Qt::LeftButton);

    QListWidget* list = titleList();
    ASSERT_TRUE(isOpen(list));
    ASSERT_EQ(list->count(), 6);
    const QStringList expected{QStringLiteral("仕事"), QString(), QStringLiteral("旅行"), QString(),
                               QStringLiteral("趣味"), QString()};
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(list->item(row)->text(), expected[row]) << row;
    // Selecting the current page while filling is no choice: the list stays open on page 2.
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("2"));
    EXPECT_EQ(window->focusWidget(), list);

    // Opens under the title label, inside the window.
    const QRect label(pageTitle()->mapTo(window.get(), QPoint(0, 0)), pageTitle()->size());
    EXPECT_GT(list->y(), label.top());
    EXPECT_GE(list->x(), label.left() - 2);
    EXPECT_LT(list->x(), label.center().x());
    EXPECT_TRUE(window->rect().contains(list->geometry().topLeft()));

    list->setCurrentRow(4);
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("4"));
    EXPECT_EQ(pageTitle()->text(), QStringLiteral("趣味"));
    EXPECT_TRUE(isClosed(list));
    EXPECT_EQ(window->focusWidget(), scrollBar());
}

TEST_F(PagePopupsTest, titleListKeysAndTheTriangleButton)
{
    start(kSixPages);
    auto* triangle = child<QPushButton>("BtTJanp");
    QListWidget* list = titleList();

    // The button opens and closes the list.
    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_TRUE(isOpen(list));
    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_TRUE(isClosed(list));

    // Esc closes it without a jump; a double-click on the title label opens it again.
    QTest::mouseDClick(pageTitle(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(list));
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(isClosed(list));
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("0"));

    // An arrow key changes the row, which is a choice: the next page at once.
    QTest::mouseDClick(pageTitle(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(list));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("1"));
    EXPECT_TRUE(isClosed(list));
}

// ---- Title editor ---------------------------------------------------------------------------

TEST_F(PagePopupsTest, titleEditorStoresOnEnterAndDropsTheEditOnEscape)
{
    start(kSixPages);
    auto* change = window->findChild<QAction*>(QStringLiteral("MnuTitle"));
    ASSERT_TRUE(change);

    change->trigger();
    QLineEdit* editor = titleEditor();
    ASSERT_TRUE(isOpen(editor));
    EXPECT_EQ(editor->text(), QStringLiteral("仕事"));
    EXPECT_EQ(window->focusWidget(), editor);
    editor->selectAll();
    type(editor, QStringLiteral("会議 資料"));
    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_TRUE(isClosed(editor));
    EXPECT_EQ(pageTitle()->text(), QStringLiteral("会議 資料"));
    EXPECT_EQ(storedSetting("Title", "0"), "会議 資料");

    change->trigger();
    ASSERT_TRUE(isOpen(editor));
    EXPECT_EQ(editor->text(), QStringLiteral("会議 資料"));
    type(editor, QStringLiteral("追記"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(isClosed(editor));
    EXPECT_EQ(pageTitle()->text(), QStringLiteral("会議 資料"));
    EXPECT_EQ(storedSetting("Title", "0"), "会議 資料");
}

// ---- Drops on launch buttons ----------------------------------------------------------------

class LaunchButtonDropTest : public PagePopupsTest
{
protected:
    // Drags mime over the button and drops it there, as the window system would; whether the
    // drag was accepted on entering.
    bool dragAndDrop(QWidget* button, const QMimeData& mime)
    {
        const QPoint centre = button->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &drop);
        return true;
    }
};

TEST_F(LaunchButtonDropTest, droppedFilesRegisterTheFirstOneOnAnEmptyButton)
{
    options.drop = settings::DropMode::Register;
    start(kSixPages);
    const std::filesystem::path first = dir.path() / "議事録.txt";
    const std::filesystem::path second = dir.path() / "other.pdf";
    test::writeBytes(first, "minutes");
    test::writeBytes(second, "other");

    auto* button = child<ui::LaunchButton>("Bt7");
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->acceptDrops());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(first.string())),
                  QUrl::fromLocalFile(QString::fromStdString(second.string()))});
    ASSERT_TRUE(dragAndDrop(button, mime));

    EXPECT_EQ(storedSetting("Path", "07"), first.string());
    EXPECT_EQ(storedSetting("PopUp", "07"), "議事録.txt");
    EXPECT_EQ(button->text(), QStringLiteral("\ntxt"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("議事録.txt"));
    EXPECT_EQ(window->presenter().CurrentSlot(), 7);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LaunchButtonDropTest, onlyLocalFilesCountInADrop)
{
    options.drop = settings::DropMode::Register;
    start(kSixPages);
    auto* button = child<ui::LaunchButton>("Bt7");
    ASSERT_TRUE(button);

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("http://example.com/page.html"))});
    dragAndDrop(button, web);
    EXPECT_EQ(storedSetting("Path", "07"), "");
    EXPECT_EQ(button->text(), QStringLiteral("EMPTY"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(shell.calls.empty());

    // Plain text is no drag the buttons take.
    QMimeData text;
    text.setText(QStringLiteral("/etc/hosts"));
    EXPECT_FALSE(dragAndDrop(button, text));
    EXPECT_EQ(storedSetting("Path", "07"), "");

    // A web address before a file is passed over: the file is the first one dropped.
    const std::filesystem::path file = dir.path() / "notes.md";
    test::writeBytes(file, "notes");
    QMimeData mixed;
    mixed.setUrls({QUrl(QStringLiteral("https://example.com/")),
                   QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    ASSERT_TRUE(dragAndDrop(button, mixed));
    EXPECT_EQ(storedSetting("Path", "07"), file.string());
    EXPECT_EQ(button->text(), QStringLiteral("\nmd"));
}

// ---- Clicks on the window's surface ---------------------------------------------------------

TEST_F(PagePopupsTest, aClickOnTheSurfaceDismissesEveryOpenPopUpWithoutAJump)
{
    start(kSixPages);
    QWidget* gauge = child<QWidget>("PicCpu");
    QWidget* slotNumber = child<QWidget>("Label3_0"); // outside the opened title list

    QTest::mouseDClick(pageNumber(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(numberBox()));
    QTest::keyClicks(numberBox(), QStringLiteral("4"));
    QTest::mouseClick(gauge, Qt::LeftButton);
    EXPECT_TRUE(isClosed(numberBox()));
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("0")) << "no jump";
    EXPECT_EQ(window->focusWidget(), scrollBar());

    // The release that ends the double-click on the title does not close the list it opened.
    QTest::mouseDClick(pageTitle(), Qt::LeftButton);
    ASSERT_TRUE(isOpen(titleList()));
    QTest::mouseClick(slotNumber, Qt::LeftButton);
    EXPECT_TRUE(isClosed(titleList()));
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("0"));

    window->findChild<QAction*>(QStringLiteral("MnuTitle"))->trigger();
    ASSERT_TRUE(isOpen(titleEditor()));
    EXPECT_EQ(window->childAt(centre(titleEditor())), titleEditor()) << "the editor is hidden";
    type(titleEditor(), QStringLiteral("下書き"));
    QTest::mouseClick(pageTitle(), Qt::LeftButton);
    EXPECT_TRUE(isClosed(titleEditor()));
    EXPECT_EQ(storedSetting("Title", "0"), "仕事") << "an unfinished title is dropped";

    // The page number is part of the surface too.
    QTest::mouseDClick(pageNumber(), Qt::LeftButton);
    QTest::mouseClick(pageNumber(), Qt::LeftButton);
    EXPECT_TRUE(isClosed(numberBox()));
}

// The first click of a double-click on the page number closes the box with its typed number,
// so the double-click opens it afresh with the current page instead of jumping.
TEST_F(PagePopupsTest, doubleClickOnThePageNumberReopensTheBoxWithTheCurrentPage)
{
    start(kSixPages);
    doubleClickOn(pageNumber());
    ASSERT_TRUE(isOpen(numberBox()));
    QTest::keyClicks(numberBox(), QStringLiteral("3"));
    doubleClickOn(pageNumber());
    EXPECT_TRUE(isOpen(numberBox()));
    EXPECT_EQ(numberBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(pageNumber()->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.questions.empty());
}

} // namespace
} // namespace vnovla
