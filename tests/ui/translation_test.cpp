#include "ui/launcher_window_fixture.h"

#include "editor/editor_presenter.h"
#include "move/move_presenter.h"
#include "options/colour_scheme.h"
#include "options/options_presenter.h"
#include "pages/launcher_menus.h"
#include "pages/launcher_presenter.h"
#include "pages/page_face.h"
#include "ui/editor_dialog.h"
#include "ui/move_dialog.h"
#include "ui/options_dialog.h"
#include "ui/translation.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla {
namespace {

bool hasJapanese(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0x7F && c != QChar(0x25BD) && c != QChar(0x2190) && c != QChar(0x2192))
            return true;
    return false;
}

// The texts a user reads in a window that are still in the source language.
QStringList untranslated(QWidget* root)
{
    QStringList found;
    auto check = [&found](QWidget* widget, const QString& text) {
        if (hasJapanese(text))
            found << widget->objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        check(widget, widget->windowTitle());
        check(widget, widget->toolTip());
        check(widget, widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(widget, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(widget, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(widget, group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int index = 0; index < tabs->count(); ++index)
                check(widget, tabs->tabText(index));
        else if (auto* choices = qobject_cast<QComboBox*>(widget))
            for (int index = 0; index < choices->count(); ++index)
                check(widget, choices->itemText(index));
    }
    return found;
}

struct Caption
{
    QString where;
    QString text;
    int needed = 0; // pixels the text takes in the widget's font
    int room = 0;   // pixels the widget gives it
};

// Every single-line caption a window shows, in the order of its widgets, with the room it has.
std::vector<Caption> captions(QWidget* root)
{
    std::vector<Caption> found;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        QString text;
        int room = widget->width();
        const QStyle* style = widget->style();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap())
                continue;
            text = label->text();
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            text = qobject_cast<QAbstractButton*>(widget)->text();
            room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            text = button->text();
            room -= 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
        }
        if (auto* bar = qobject_cast<QTabBar*>(widget)) {
            // The tabs side by side against their strip: too wide, and arrows hide some.
            for (int index = 0; index < bar->count(); ++index)
                text += bar->tabText(index) + QLatin1Char('|');
            found.push_back({QStringLiteral("tabs"), text, bar->sizeHint().width(),
                             bar->parentWidget()->width()});
            continue;
        }
        text.remove(QLatin1Char('&'));
        found.push_back(
            {widget->objectName(), text, widget->fontMetrics().horizontalAdvance(text), room});
    }
    return found;
}

// English captions cut off where the Japanese ones were whole. Both windows are built alike,
// so their widgets pair up in order; a caption already too wide in Japanese (a symbol on a
// narrow button) is no fault of the translation.
QStringList clippedByTranslation(const std::vector<Caption>& japanese,
                                 const std::vector<Caption>& english)
{
    QStringList found;
    EXPECT_EQ(japanese.size(), english.size());
    for (std::size_t index = 0; index < std::min(japanese.size(), english.size()); ++index) {
        const Caption& ja = japanese[index];
        const Caption& en = english[index];
        if (en.needed > en.room && en.needed > ja.needed && !en.text.isEmpty())
            found << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                         .arg(en.where, en.text)
                         .arg(en.needed)
                         .arg(en.room);
    }
    return found;
}

std::string lines(const QStringList& list)
{
    return list.join(QLatin1Char('\n')).toStdString();
}

void collectCaptions(const std::vector<pages::MenuItem>& items, std::vector<std::string>& into)
{
    for (const pages::MenuItem& item : items) {
        into.push_back(item.caption);
        collectCaptions(item.children, into);
    }
}

// Texts added after the table was last brought up to date are listed, not failed: the
// translation follows the text in the next change of the table.
void report(const char* where, const QStringList& missing)
{
    for (const QString& text : missing)
        std::cout << "[ untranslated ] " << where << ": " << text.toStdString() << '\n';
}

class TranslationTest : public test::LauncherWindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(english.loadEnglish());
        QCoreApplication::installTranslator(&english);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&english); }

    static QString tr(const char* context, const char* source)
    {
        return QCoreApplication::translate(context, source);
    }

    ui::InterfaceTranslator english;
};

TEST_F(TranslationTest, looksUpSourceTextsWhateverTheContextAndFillsInNumbers)
{
    const struct
    {
        const char* context;
        const char* source;
        const char* expected; // nullptr: no translation, the source is shown
    } cases[] = {
        {"vnovla", "キャンセル", "Cancel"},
        {"vnovla::ui::EditorDialog", "キャンセル", "Cancel"},
        {"LauncherMenus", "終了(&W)", "Exit (&W)"},
        {"vnovla", "Page 12 を追加してもよろしいですか？", "Add page 12?"},
        {"vnovla", "Page 3 :  ボタンNo. 7", "Page 3 :  Button No. 7"},
        {"vnovla", "全ページ数は 16 です。16 ページ目を表示しますか？",
         "There are 16 pages. Show page 16?"},
        {"vnovla", "1分後", "In 1 minute"}, // an exact entry comes before its pattern
        {"vnovla", "Page 3 に登録済みのテキスト", nullptr},
        {"vnovla", "未知のテキスト", nullptr},
        {"vnovla", "", nullptr},
        {"vnovla", "1 2 3 4 5 6 7 8 9 10", nullptr}, // more numbers than %1..%9 can take
    };
    for (const auto& c : cases) {
        const QString expected =
            c.expected ? QString::fromUtf8(c.expected) : QString::fromUtf8(c.source);
        EXPECT_EQ(tr(c.context, c.source), expected) << c.context << " / " << c.source;
    }
}

QStringList untranslatedSources(const std::vector<std::string>& sources)
{
    QStringList missing;
    for (const std::string& source : sources) {
        const QString text = ui::translated(source);
        if (hasJapanese(text))
            missing << text;
    }
    return missing;
}

TEST_F(TranslationTest, everyTextFromCoreHasAnEnglishEntry)
{
    std::vector<std::string> sources;
    const std::vector<std::string_view> messages = {
        pages::kAllConfirmation,
        pages::kPageLimitMessage,
        pages::kOnlyPageMessage,
        pages::kAlreadyRegisteredMessage,
        pages::kClearConfirmation,
        pages::kUnregisteredTooltip,
        move::kDestinationRegisteredMessage,
        move::kDestinationPageNotEmptyMessage,
        editor::kBrowseTitle,
        options::kSoundPickerTitle,
        options::kSoundFilterLabel,
    };
    for (std::string_view message : messages)
        sources.emplace_back(message);
    for (std::string_view caption : options::kTabCaptions)
        sources.emplace_back(caption);
    for (const options::ColourScheme& scheme : options::kColourSchemes)
        sources.emplace_back(scheme.name);
    EXPECT_EQ(lines(untranslatedSources(sources)), "");

    // The menus grow with the commands being built; a caption added since the table was last
    // brought up to date is listed, not failed, until the table catches up.
    std::vector<std::string> menuCaptions;
    collectCaptions(pages::contextMenu(pages::MenuState{}).items, menuCaptions);
    collectCaptions(pages::buttonMenu().items, menuCaptions);
    pages::MenuState state;
    state.currentPage = 1;
    collectCaptions(pages::trayMenu(state, pages::PageFace{}).items, menuCaptions);
    const QStringList missingInMenus = untranslatedSources(menuCaptions);
    report("menus", missingInMenus);
    // The table keeps every Japanese caption the menus had when it was written.
    std::set<QString> translated;
    for (const std::string& caption : menuCaptions)
        if (const QString shown = ui::translated(caption);
            hasJapanese(QString::fromStdString(caption)) && !hasJapanese(shown))
            translated.insert(shown);
    EXPECT_GE(translated.size(), 40U);
}

TEST_F(TranslationTest, windowsShowNoJapaneseAndNoCaptionIsCutOff)
{
    start("");
    std::string iconFolder;
    // The launcher and its fixed-layout dialogs, built and shown in the current language.
    const auto measure = [&](const std::function<void(QWidget*)>& inspect) {
        openWindow();
        window->show();
        ui::EditorDialog editor({*store, dialogs, nullptr, iconFolder}, window.get());
        editor.presenter().open(0, 3);
        ui::MoveDialog mover(*store, dialogs, nullptr, window.get());
        mover.load(0, 15);
        editor.show();
        mover.show();
        QCoreApplication::processEvents();
        for (QWidget* shown : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&editor),
                               static_cast<QWidget*>(&mover)})
            inspect(shown);
    };
    std::vector<std::vector<Caption>> japanese;
    QCoreApplication::removeTranslator(&english);
    measure([&](QWidget* shown) { japanese.push_back(captions(shown)); });
    QCoreApplication::installTranslator(&english);
    std::size_t index = 0;
    measure([&](QWidget* shown) {
        const std::string name = shown->objectName().toStdString();
        EXPECT_EQ(lines(untranslated(shown)), "") << name;
        EXPECT_EQ(lines(clippedByTranslation(japanese.at(index++), captions(shown))), "") << name;
    });
}

TEST_F(TranslationTest, theOptionsDialogKeepsItsSizeInEnglish)
{
    start("");
    const auto build = [this] {
        auto dialog =
            std::make_unique<ui::OptionsDialog>(*store, options, dialogs, options::OptionsRequest{},
                                                utilities::ProgramVersion{1, 2, 3});
        dialog->show();
        QCoreApplication::processEvents();
        return dialog;
    };
    QCoreApplication::removeTranslator(&english);
    const auto japanese = build();
    QCoreApplication::installTranslator(&english);
    const auto dialog = build();
    EXPECT_LE(dialog->sizeHint().width(), japanese->sizeHint().width());
    // A line's height follows the font that draws it; Latin text may take a pixel more.
    EXPECT_LE(dialog->sizeHint().height(), japanese->sizeHint().height() + 2);
    EXPECT_EQ(lines(clippedByTranslation(captions(japanese.get()), captions(dialog.get()))), "");
    // Texts the options dialog gains before the table catches up are listed, not failed.
    report("FrmOption", untranslated(dialog.get()));
}

TEST_F(TranslationTest, theSameChoicesSaveTheSameFileInEitherLanguage)
{
    // The options dialog holds the most stored choices behind translated captions.
    const auto saveChoices = [this](const char* folderName) {
        const auto folder = dir.path() / folderName;
        std::filesystem::create_directory(folder);
        profile::ProfileStore profile(folder);
        settings::Options live;
        ui::OptionsDialog dialog(profile, live, dialogs, options::OptionsRequest{},
                                 utilities::ProgramVersion{1, 2, 3});
        dialog.show();
        auto* schemes = dialog.findChild<QComboBox*>(QStringLiteral("CmbCol"));
        schemes->setFocus();
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(schemes, Qt::Key_Down);
        dialog.findChild<QCheckBox*>(QStringLiteral("ChkEnd"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("BtOK"))->click();
        return test::readBytes(folder / "Vnovla.ini");
    };
    QCoreApplication::removeTranslator(&english);
    const std::string inJapanese = saveChoices("ja");
    QCoreApplication::installTranslator(&english);
    const std::string inEnglish = saveChoices("en");
    EXPECT_NE(inJapanese.find("EndCheck=1"), std::string::npos) << inJapanese;
    EXPECT_EQ(inEnglish, inJapanese);
}

} // namespace
} // namespace vnovla
