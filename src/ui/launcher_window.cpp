#include "ui/launcher_window.h"

#include "pages/page_face.h"
#include "platform/dialogs.h"
#include "platform/icons.h"
#include "profile/write_status.h"
#include "ui/colour_values.h"
#include "ui/gauge_widget.h"
#include "ui/japanese_font.h"
#include "ui/launch_button.h"
#include "ui/launcher_ticks.h"
#include "ui/menu_builder.h"
#include "ui/normal_position_tracker.h"
#include "ui/page_scroll_bar.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <QUrl>
#include <QWindow>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

namespace vnovla::ui {

namespace {

// The client area Qt fixes; the window manager adds title bar and borders around it. The
// content frame reaches 5700 twips wide, but its left 20 twips are cut off and the outer
// window of 5700 twips leaves about 5580 inside its borders. Down to the bottom of the gauge
// row the frame needs 1110 twips (it starts 100 twips above the client area).
constexpr double kClientWidthTwips = 5580;
constexpr double kClientHeightTwips = 1125;

// Frame1's offset: its top and left border lie outside the client area.
constexpr double kFrameLeft = -20;
constexpr double kFrameTop = -100;
constexpr double kFrameWidth = 5700;
constexpr double kFrameHeight = 1260;

// The page-title label, in Frame1's coordinates.
constexpr double kTitleLeft = 1770;
constexpr double kTitleTop = 120;
// The title list takes the label's frame position as a window position, 10 twips further left
// and 120 twips further down: with the frame's offset that opens it just under the label.
constexpr double kTitleListLeft = kTitleLeft - 10;
constexpr double kTitleListTop = kTitleTop + 120;

constexpr double kButtonPitch = 540;

// The gauge row under the buttons: seven boxes 795 twips apart, in the colours the window
// has before the stored colour scheme is applied. Colours are 0x00BBGGRR values, red in the
// low byte, as the colour scheme stores them.
struct GaugeLook
{
    const char* name;
    const char* description;
    std::uint32_t bar;
    std::uint32_t background;
};
constexpr std::array<GaugeLook, 7> kGauges{{
    {"PicCpu", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "CPU使用率"), 16761024, 12582912},
    {"PicButuri", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "物理メモリ使用率"), 12648384,
     32768},
    {"PicKasou", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "仮想メモリ使用率"), 16761087,
     16512},
    {"PicSys", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "システムリソース使用率"), 12632256,
     0},
    {"PicGdi", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "GDIリソース使用率"), 12632319,
     16512},
    {"PicUser", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "USERリソース使用率"), 16777152,
     8421376},
    {"PicDrive", QT_TRANSLATE_NOOP("vnovla::ui::LauncherWindow", "ドライブ使用率"), 12648447,
     32896},
}};
constexpr double kGaugeLeft = 60;
constexpr double kGaugeTop = 1110;
constexpr double kGaugePitch = 795;
constexpr double kGaugeWidth = 750;
constexpr double kGaugeHeight = 100;

QColor fromColourValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The page number and the title stand out yellow on black; the slot numbers are black on
// the window's own background.
void setLabelColours(QLabel* label, const QColor& text, const QColor* background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background) {
        palette.setColor(QPalette::Window, *background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
}

void setStandOutColours(QLabel* label)
{
    const QColor black(Qt::black);
    setLabelColours(label, QColor(Qt::yellow), &black);
}

// A pop-up control starts closed: hidden and disabled.
void closeControl(QWidget* control)
{
    control->hide();
    control->setEnabled(false);
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

// The character code the presenter's key handlers expect: Enter and Esc by their codes, other
// keys by the one character they type; keys that type nothing have none.
std::optional<int> characterCode(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return pages::kEnterKey;
    case Qt::Key_Escape:
        return pages::kEscapeKey;
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() != 1)
        return std::nullopt;
    return static_cast<int>(text.front().unicode());
}

// A drag can be dropped on a launch button when it carries at least one URL; which of them
// count is the presenter's business.
bool carriesUrls(const QMimeData* mime)
{
    return mime && mime->hasUrls() && !mime->urls().isEmpty();
}

// The dropped files as local paths in their order; other URLs (web addresses) are no files
// the launcher could register or hand on.
std::vector<std::string> localPaths(const QMimeData* mime)
{
    std::vector<std::string> paths;
    if (!mime)
        return paths;
    const QList<QUrl> urls = mime->urls();
    paths.reserve(static_cast<std::size_t>(urls.size()));
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.push_back(toUtf8(url.toLocalFile()));
    }
    return paths;
}

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

LauncherWindow::LauncherWindow(profile::ProfileStore& store, const settings::Options& options,
                               pages::LauncherServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(services.dialogs), dpi_(logicalDpi()),
      normalPosition_(new NormalPositionTracker(this))
{
    buildLayout();
    presenter_ = std::make_unique<pages::LauncherPresenter>(store, options, *this, services);
    if (services.readings && services.sound && services.wallClock) {
        ticks_ = std::make_unique<LauncherTicks>(
            LauncherTicks::Parts{*this, gauges_, driveChooser_,
                                 [this](bool on) {
                                     setStayOnTop(on ? pages::StayOnTop::On
                                                     : pages::StayOnTop::Off);
                                 },
                                 [this] { return presenter_->alwaysOnTopChecked(); },
                                 pages::versionedCaption(VNOVLA_VERSION_MAJOR, VNOVLA_VERSION_MINOR,
                                                         VNOVLA_VERSION_PATCH)},
            *services.readings,
            alarm::AlarmServices{services.clock, *services.wallClock, *services.sound,
                                 services.dialogs},
            options);
        presenter_->setTimedCommands(&ticks_->alarm());
    }
    buildMenus();
}

LauncherWindow::~LauncherWindow() = default;

QRect LauncherWindow::place(double left, double top, double width, double height) const
{
    return twipsToPixels(left, top, width, height, dpi_);
}

void LauncherWindow::buildLayout()
{
    setObjectName(QStringLiteral("FrmMain"));
    // The controls without a face of their own use the window's font, a Japanese one.
    setFont(japaneseFont(9));
    setFixedSize(twipsToPixels(kClientWidthTwips, dpi_), twipsToPixels(kClientHeightTwips, dpi_));

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setGeometry(place(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

    pageScrollBar_ = new PageScrollBar(frame_);
    pageScrollBar_->setObjectName(QStringLiteral("ScrNo"));
    pageScrollBar_->setGeometry(place(90, 120, 480, 255));
    pageScrollBar_->setFocusPolicy(Qt::StrongFocus);
    pageScrollBar_->setAccessibleName(tr("ページ番号"));
    // The scroll bar's own menu would stand in for the launcher's context menu: its right
    // button reaches the window like the rest of the body does.
    pageScrollBar_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(pageScrollBar_, &QScrollBar::valueChanged, this,
            [this](int page) { presenter_->ScrNo_Change(page); });

    pageNumber_ = new QLabel(frame_);
    pageNumber_->setObjectName(QStringLiteral("LblNo"));
    pageNumber_->setGeometry(place(570, 120, 520, 255));
    pageNumber_->setFont(japaneseFont(9, QFont::Bold));
    pageNumber_->setAlignment(Qt::AlignCenter);
    setStandOutColours(pageNumber_);
    pageNumber_->setToolTip(tr("追加削除は最後のページが対象になります"));

    pageNumberEntry_ = new QLineEdit(frame_);
    pageNumberEntry_->setObjectName(QStringLiteral("TxtJanp"));
    pageNumberEntry_->setGeometry(place(570, 360, 520, 270));
    pageNumberEntry_->setAccessibleName(tr("ジャンプするページ番号"));
    closeControl(pageNumberEntry_);

    allButton_ = new QPushButton(tr("ALL(&A)"), frame_);
    allButton_->setObjectName(QStringLiteral("BtAll"));
    allButton_->setGeometry(place(1110, 120, 660, 260));
    allButton_->setToolTip(tr("現在のページの登録ボタンをすべて実行します"));
    connect(allButton_, &QPushButton::clicked, this, [this] { presenter_->BtAll_Click(); });

    pageTitle_ = new QLabel(frame_);
    pageTitle_->setObjectName(QStringLiteral("LblTitle"));
    pageTitle_->setGeometry(place(kTitleLeft, kTitleTop, 3480, 255));
    pageTitle_->setAlignment(Qt::AlignCenter);
    setStandOutColours(pageTitle_);
    pageTitle_->setToolTip(tr("ページのタイトルです。右クリックで変更を選び、Enterで決定、"
                              "Escでキャンセルできます"));

    titleEditor_ = new QLineEdit(frame_);
    titleEditor_->setObjectName(QStringLiteral("TxtTitle"));
    titleEditor_->setGeometry(place(1780, 360, 3480, 270));
    titleEditor_->setToolTip(tr("リターンで決定、ESCでキャンセルできます"));
    titleEditor_->setAccessibleName(tr("ページタイトルの変更"));
    closeControl(titleEditor_);

    titleJumpButton_ = new QPushButton(tr("▽"), frame_);
    titleJumpButton_->setObjectName(QStringLiteral("BtTJanp"));
    titleJumpButton_->setGeometry(place(5250, 120, 270, 270));
    titleJumpButton_->setFont(japaneseFont(8.25));
    titleJumpButton_->setToolTip(tr("ページタイトルを選んでジャンプ"));

    buttonRow_ = new QWidget(frame_);
    buttonRow_->setObjectName(QStringLiteral("Picture1"));
    buttonRow_->setGeometry(place(90, 360, 5455, 720));

    for (int slot = 0; slot < pages::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        auto* button = new LaunchButton(buttonRow_);
        button->setObjectName(QStringLiteral("Bt%1").arg(slot));
        button->setGeometry(place(kButtonPitch * slot, 0, 540, 540));
        button->setFont(japaneseFont(6.75));
        // Any mouse button marks the slot for the button menu and the drop, before a click.
        button->installEventFilter(this);
        // Files dropped on a button register it or are handed to its program.
        button->setAcceptDrops(true);
        connect(button, &LaunchButton::clicked, this, [this, slot] { presenter_->Bt_Click(slot); });
        launchButtons_[index] = button;

        auto* number = new QLabel(QString::number(slot), buttonRow_);
        number->setObjectName(QStringLiteral("Label3_%1").arg(slot));
        number->setGeometry(place(kButtonPitch * slot, 530, 550, 150));
        number->setFont(japaneseFont(8.25));
        number->setAlignment(Qt::AlignCenter);
        setLabelColours(number, QColor(Qt::black), nullptr);
        slotNumbers_[index] = number;
    }
    buildGauges();

    // A child of the window, not of the frame, so that it opens over the buttons.
    titleList_ = new QListWidget(this);
    titleList_->setObjectName(QStringLiteral("LstJanp"));
    titleList_->setGeometry(place(kTitleListLeft, kTitleListTop, 3480, 930));
    titleList_->setAccessibleName(tr("ページタイトルの一覧"));
    // Every row is one line of the same font: without this the view measures all 1001 rows
    // each time the list opens.
    titleList_->setUniformItemSizes(true);
    closeControl(titleList_);

    // Opened from the drive gauge by a double-click.
    driveChooser_ = new QComboBox(this);
    driveChooser_->setObjectName(QStringLiteral("Drive1"));
    driveChooser_->setGeometry(place(1080, 1920, 855, 300));
    driveChooser_->setAccessibleName(tr("ドライブの選択"));
    driveChooser_->hide();

    connectPopups();
}

void LauncherWindow::connectPopups()
{
    for (QWidget* watched : std::initializer_list<QWidget*>{
             pageNumber_, pageTitle_, pageNumberEntry_, titleEditor_, titleList_})
        watched->installEventFilter(this);
    connect(pageNumberEntry_, &QLineEdit::textChanged, this,
            [this](const QString& text) { presenter_->TxtJanp_Change(toUtf8(text)); });
    connect(titleEditor_, &QLineEdit::textChanged, this,
            [this](const QString& text) { presenter_->TxtTitle_Change(toUtf8(text)); });
    connect(titleList_, &QListWidget::currentRowChanged, this,
            [this](int row) { presenter_->LstJanp_Click(row); });
    connect(titleJumpButton_, &QPushButton::clicked, this, [this] { presenter_->BtTJanp_Click(); });
}

void LauncherWindow::buildGauges()
{
    for (std::size_t index = 0; index < kGauges.size(); ++index) {
        const GaugeLook& look = kGauges[index];
        auto* gauge =
            new GaugeWidget(fromColourValue(look.bar), fromColourValue(look.background), frame_);
        gauge->setObjectName(QLatin1String(look.name));
        gauge->setAccessibleName(tr(look.description));
        gauge->setGeometry(place(kGaugeLeft + kGaugePitch * static_cast<double>(index), kGaugeTop,
                                 kGaugeWidth, kGaugeHeight));
        gauges_[index] = gauge;
    }
}

void LauncherWindow::buildMenus()
{
    const auto forward = [this](pages::MenuRoot root) {
        return [this, root](const std::string& name) {
            presenter_->menuItem_Click(root, name);
            syncMenus();
        };
    };
    contextMenu_ = buildMenu(presenter_->menu(pages::MenuRoot::Context), this,
                             forward(pages::MenuRoot::Context));
    buttonMenu_ = buildMenu(presenter_->menu(pages::MenuRoot::Button), this,
                            forward(pages::MenuRoot::Button));
    trayMenu_ =
        buildMenu(presenter_->menu(pages::MenuRoot::Tray), this, forward(pages::MenuRoot::Tray));
    for (QMenu* menu : {contextMenu_, buttonMenu_, trayMenu_})
        connect(menu, &QMenu::aboutToShow, this, &LauncherWindow::syncMenus);
    buildTrayIcon();
    // Whatever was chosen, the keyboard goes back to the page scroll bar.
    for (QMenu* menu : {contextMenu_, buttonMenu_})
        connect(menu, &QMenu::aboutToHide, this, &LauncherWindow::focusPageScrollBar);
}

void LauncherWindow::syncMenus()
{
    syncMenu(contextMenu_, presenter_->menu(pages::MenuRoot::Context));
    syncMenu(buttonMenu_, presenter_->menu(pages::MenuRoot::Button));
    syncMenu(trayMenu_, presenter_->menu(pages::MenuRoot::Tray));
}

void LauncherWindow::popUp(QMenu* menu, const QPoint& globalPosition)
{
    // Not exec(): the menu must not hold the event loop, so that timers keep running.
    menu->popup(globalPosition);
}

void LauncherWindow::load()
{
    const pages::WindowStart start = presenter_->Form_Load();
    syncMenus();
    if (ticks_)
        ticks_->start(start.clock);
    else
        setWindowTitle(fromUtf8(pages::versionedCaption(VNOVLA_VERSION_MAJOR, VNOVLA_VERSION_MINOR,
                                                        VNOVLA_VERSION_PATCH)));
    if (start.position)
        move(start.position->x, start.position->y);
    if (start.startMinimised)
        showMinimized();
    else
        show();
}

void LauncherWindow::showPage(const pages::PageFace& face)
{
    pageNumber_->setText(fromUtf8(face.pageNumber));
    pageTitle_->setText(fromUtf8(face.title));
    for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot)
        launchButtons_[slot]->showFace(face.buttons[slot], icons_);
}

void LauncherWindow::closePopup(pages::PopupControl control)
{
    QLineEdit* editor = nullptr;
    switch (control) {
    case pages::PopupControl::TxtJanp:
        editor = pageNumberEntry_;
        break;
    case pages::PopupControl::TxtTitle:
        editor = titleEditor_;
        break;
    case pages::PopupControl::LstJanp:
        // Its rows stay until it opens again, which fills it afresh.
        closeControl(titleList_);
        return;
    }
    closeControl(editor);
    // Dropping the unfinished entry is housekeeping, not an edit of the user's.
    const QSignalBlocker blocker(editor);
    editor->clear();
}

void LauncherWindow::focusPageScrollBar()
{
    pageScrollBar_->setFocus(Qt::OtherFocusReason);
}

void LauncherWindow::showPageRange(int highestPage, int page)
{
    // The presenter draws the page itself; a value change here must not draw it twice.
    const QSignalBlocker blocker(pageScrollBar_);
    pageScrollBar_->setRange(0, highestPage);
    pageScrollBar_->setValue(page);
}

void LauncherWindow::setStayOnTop(pages::StayOnTop stayOnTop)
{
    const bool onTop = stayOnTop == pages::StayOnTop::On;
    // Setting the flag it has already would do nothing but disturb a window just back from the
    // tray: bring it forward instead.
    if (testAttribute(Qt::WA_WState_Created) &&
        windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        if (isVisible())
            raise();
        return;
    }
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // QWidget::setWindowFlags would replace the native window (a new taskbar entry, a
    // flicker); the native window takes the change in place, in the window manager's state.
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void LauncherWindow::minimise()
{
    showMinimized();
}

void LauncherWindow::showRaised()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    QWidget* focus = QApplication::activeModalWidget();
    (focus != nullptr ? focus : this)->activateWindow();
    if (focus != nullptr)
        focus->raise();
}

void LauncherWindow::close()
{
    QWidget::close();
}

void LauncherWindow::openPageNumberBox(const std::string& text)
{
    pageNumberEntry_->setText(fromUtf8(text));
    pageNumberEntry_->setEnabled(true);
    pageNumberEntry_->show();
    // Over the button row, which it overlaps.
    pageNumberEntry_->raise();
    pageNumberEntry_->setFocus(Qt::OtherFocusReason);
    // Typing replaces the shown number instead of adding to it.
    pageNumberEntry_->selectAll();
}

void LauncherWindow::openTitleList(const std::vector<std::string>& titles, int selectedRow)
{
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(titles.size()));
    for (const std::string& title : titles)
        rows.append(fromUtf8(title));
    {
        // Filling the list and selecting the current page is no choice of the user's: with the
        // signals on, it would jump and close the list at once.
        const QSignalBlocker blocker(titleList_);
        titleList_->clear();
        titleList_->addItems(rows);
        titleList_->setCurrentRow(selectedRow);
    }
    titleList_->setEnabled(true);
    titleList_->show();
    titleList_->raise();
    titleList_->scrollToItem(titleList_->currentItem());
    titleList_->setFocus(Qt::OtherFocusReason);
}

void LauncherWindow::openTitleEditor(const std::string& text)
{
    titleEditor_->setText(fromUtf8(text));
    titleEditor_->setEnabled(true);
    titleEditor_->show();
    titleEditor_->raise();
    titleEditor_->setFocus(Qt::OtherFocusReason);
}

void LauncherWindow::showTitle(const std::string& title)
{
    pageTitle_->setText(fromUtf8(title));
}

void LauncherWindow::applyColours(const options::ColourSlots& colours)
{
    const auto colour = [this, &colours](int slot) {
        return toQColor(colours[static_cast<std::size_t>(slot)], palette());
    };
    const auto paint = [&colour](QLabel* label, int textSlot) {
        const QColor background = colour(textSlot + 1);
        setLabelColours(label, colour(textSlot), &background);
    };
    paint(pageNumber_, 0);
    paint(pageTitle_, 2);
    for (QLabel* number : slotNumbers_)
        paint(number, 4);
    for (std::size_t gauge = 0; gauge < gauges_.size(); ++gauge) {
        const int bar = options::kFirstGaugeSlot + 2 * static_cast<int>(gauge);
        gauges_[gauge]->setColours(colour(bar), colour(bar + 1));
        // The readings repaint the background from the gauge's tag at every tick.
        if (ticks_)
            ticks_->monitors().setTag(static_cast<monitors::Gauge>(gauge),
                                      std::to_string(colours[static_cast<std::size_t>(bar + 1)]));
    }
}

void LauncherWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Closing the window ends the program: the state is saved once, however often Qt asks.
    if (unloaded_)
        return;
    unloaded_ = true;
    const profile::WriteStatus status = presenter_->Form_Unload(normalPosition_->position());
    if (status.ok())
        return;
    const QString text =
        tr("ウィンドウの状態を保存できませんでした。\n%1").arg(fromUtf8(status.message()));
    dialogs_.message(text.toStdString(), std::string(pages::kApplicationTitle),
                     platform::DialogIcon::Critical);
}

void LauncherWindow::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 0x80)
        presenter_->Form_KeyPress(text.front().unicode());
    // The key goes on to whoever handles it next, as it did before the launcher saw it.
    QWidget::keyPressEvent(event);
}

int LauncherWindow::slotOf(const QObject* watched) const
{
    for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot) {
        if (watched == launchButtons_[slot])
            return static_cast<int>(slot);
    }
    return -1;
}

bool LauncherWindow::filterDoubleClick(QObject* watched)
{
    if (watched == pageNumber_) {
        presenter_->LblNo_DblClick();
        return true;
    }
    if (watched == pageTitle_) {
        presenter_->LblTitle_DblClick();
        return true;
    }
    if (watched == pageNumberEntry_) {
        presenter_->TxtJanp_DblClick();
        return true;
    }
    return false;
}

bool LauncherWindow::filterPopupKey(QObject* watched, const QKeyEvent* key)
{
    const std::optional<int> code = characterCode(key);
    if (!code)
        return false;
    pages::KeyHandling handling = pages::KeyHandling::PassedOn;
    if (watched == pageNumberEntry_)
        handling = presenter_->TxtJanp_KeyPress(*code);
    else if (watched == titleEditor_)
        handling = presenter_->TxtTitle_KeyPress(*code);
    else if (watched == titleList_)
        handling = presenter_->LstJanp_KeyPress(*code, titleList_->currentRow());
    return handling == pages::KeyHandling::Consumed;
}

bool LauncherWindow::filterDrop(QObject* watched, QEvent* event)
{
    const int slot = slotOf(watched);
    if (slot < 0)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (carriesUrls(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        presenter_->Bt_OLEDragDrop(slot, localPaths(drop->mimeData()));
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (filterDoubleClick(watched)) {
            releaseEndsDoubleClick_ = true;
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        // A new click begins; only the release of a double-click is passed over.
        releaseEndsDoubleClick_ = false;
        break;
    case QEvent::KeyPress:
        if (filterPopupKey(watched, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (filterDrop(watched, event))
            return true;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot) {
            LaunchButton* button = launchButtons_[slot];
            if (watched != button)
                continue;
            presenter_->setCurrentSlot(static_cast<int>(slot));
            popUp(buttonMenu_, button->mapToGlobal(button->rect().center()));
            return true;
        }
    }
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot) {
        if (watched != launchButtons_[slot])
            continue;
        presenter_->setCurrentSlot(static_cast<int>(slot));
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::RightButton)
            break;
        // The button menu, not the window's context menu, which the press would reach next.
        popUp(buttonMenu_, press->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click has opened its menu on the press already.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    popUp(contextMenu_, mapToGlobal(rect().center()));
    event->accept();
}

// The surface (the window body, its labels and gauges, which pass their mouse events on
// here) answers the mouse in one way: the left button drags the window, the right button
// opens the context menu, a release dismisses the pop-up controls.
void LauncherWindow::mousePressEvent(QMouseEvent* event)
{
    releaseEndsDoubleClick_ = false;
    if (event->button() == Qt::LeftButton) {
        surfaceDrag_.press();
        event->accept();
        return;
    }
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    popUp(contextMenu_, event->globalPosition().toPoint());
    event->accept();
}

void LauncherWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!surfaceDrag_.move(*this, *event)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void LauncherWindow::mouseReleaseEvent(QMouseEvent* event)
{
    surfaceDrag_.release();
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (std::exchange(releaseEndsDoubleClick_, false)) {
        event->accept();
        return;
    }
    presenter_->Form_MouseUp();
    event->accept();
}

} // namespace vnovla::ui
