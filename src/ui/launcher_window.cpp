#include "ui/launcher_window.h"

#include "pages/page_face.h"
#include "platform/dialogs.h"
#include "platform/icons.h"
#include "profile/write_status.h"
#include "ui/gauge_widget.h"
#include "ui/launch_button.h"
#include "ui/menu_builder.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include <array>
#include <cstdint>

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

constexpr double kButtonPitch = 540;
// Icons are drawn at the desktop's large-icon size.
constexpr int kButtonPictureSize = 32;

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

// The Japanese face the layout was drawn with, then the faces a Linux desktop has.
QFont japaneseFont(qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont buttonFont(pages::ButtonFont font)
{
    switch (font) {
    case pages::ButtonFont::Regular7pt:
        return japaneseFont(7);
    case pages::ButtonFont::Bold9pt:
        return japaneseFont(9, QFont::Bold);
    }
    return japaneseFont(7);
}

// The caption's carriage return puts the kind text on the line under the picture.
QString buttonCaption(const std::string& caption)
{
    QString text = fromUtf8(caption);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
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
      dialogs_(services.dialogs), dpi_(logicalDpi())
{
    buildLayout();
    presenter_ = std::make_unique<pages::LauncherPresenter>(store, options, *this, services);
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

    pageScrollBar_ = new QScrollBar(Qt::Horizontal, frame_);
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

    // TODO: page-number entry (TxtJanp_KeyPress) once the page jump moves into the presenter.
    pageNumberEntry_ = new QLineEdit(frame_);
    pageNumberEntry_->setObjectName(QStringLiteral("TxtJanp"));
    pageNumberEntry_->setGeometry(place(570, 360, 520, 270));
    pageNumberEntry_->setAccessibleName(tr("ジャンプするページ番号"));
    closeControl(pageNumberEntry_);

    allButton_ = new QPushButton(tr("ALL(&A)"), frame_);
    allButton_->setObjectName(QStringLiteral("BtAll"));
    allButton_->setGeometry(place(1110, 120, 660, 260));
    connect(allButton_, &QPushButton::clicked, this, [this] { presenter_->BtAll_Click(); });

    pageTitle_ = new QLabel(frame_);
    pageTitle_->setObjectName(QStringLiteral("LblTitle"));
    pageTitle_->setGeometry(place(1770, 120, 3480, 255));
    pageTitle_->setAlignment(Qt::AlignCenter);
    setStandOutColours(pageTitle_);
    pageTitle_->setToolTip(tr("ページのタイトルです。右クリックで変更を選び、Enterで決定、"
                              "Escでキャンセルできます"));

    // TODO: title editing once the presenter has the title editor's rules.
    titleEditor_ = new QLineEdit(frame_);
    titleEditor_->setObjectName(QStringLiteral("TxtTitle"));
    titleEditor_->setGeometry(place(1780, 360, 3480, 270));
    titleEditor_->setToolTip(tr("リターンで決定、ESCでキャンセルできます"));
    titleEditor_->setAccessibleName(tr("ページタイトルの変更"));
    closeControl(titleEditor_);

    // TODO: jump by title (the LstJanp list) once the presenter has page navigation.
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

    // Outside the client area until the jump by title moves it in.
    titleList_ = new QListWidget(this);
    titleList_->setObjectName(QStringLiteral("LstJanp"));
    titleList_->setGeometry(place(2160, 1920, 3480, 930));
    titleList_->setAccessibleName(tr("ページタイトルの一覧"));
    closeControl(titleList_);

    // TODO: the drive chooser opens from the drive gauge once the drive monitor exists.
    driveChooser_ = new QComboBox(this);
    driveChooser_->setObjectName(QStringLiteral("Drive1"));
    driveChooser_->setGeometry(place(1080, 1920, 855, 300));
    driveChooser_->setAccessibleName(tr("ドライブの選択"));
    driveChooser_->hide();
}

void LauncherWindow::buildGauges()
{
    // TODO: the readings and tooltips come with the monitors' presenters.
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
    // TODO: the title-bar clock (start.clock) replaces this caption while it runs.
    setWindowTitle(fromUtf8(
        pages::versionedCaption(VNOVLA_VERSION_MAJOR, VNOVLA_VERSION_MINOR, VNOVLA_VERSION_PATCH)));
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
    for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot) {
        const pages::ButtonFace& buttonFace = face.buttons[slot];
        LaunchButton* button = launchButtons_[slot];
        button->setToolTip(fromUtf8(buttonFace.tooltip));
        button->setText(buttonCaption(buttonFace.caption));
        button->setFont(buttonFont(buttonFace.font));
        button->setIconSize(QSize(kButtonPictureSize, kButtonPictureSize));
        button->setIcon(pictureFor(buttonFace.icon));
    }
}

// The button's picture, kButtonPictureSize logical pixels at most; none when the slot is empty
// or no icon was found, which the button shows as its plain surface.
QIcon LauncherWindow::pictureFor(const pages::IconRequest& request) const
{
    if (request.source == pages::IconSource::None || !icons_)
        return {};
    const qreal ratio = devicePixelRatioF();
    const platform::Picture picture = icons_->picture(request, qRound(kButtonPictureSize * ratio));
    if (picture.isEmpty())
        return {};
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, QImage::Format_ARGB32_Premultiplied);
    // The image only borrows the picture's pixels, and a raster pixmap may keep sharing an
    // image's data instead of copying it: take a deep copy before the picture goes away.
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
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
        // TODO: the title list arrives with the page jump.
        return;
    }
    editor->hide();
    editor->setEnabled(false);
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
    const bool wasVisible = isVisible();
    // Changing a window flag hides a shown window; it is shown again, as on the desktop
    // where the topmost change keeps the window on screen.
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop == pages::StayOnTop::On);
    if (wasVisible)
        show();
}

void LauncherWindow::minimise()
{
    showMinimized();
}

void LauncherWindow::close()
{
    QWidget::close();
}

// TODO: open TxtJanp, LstJanp and TxtTitle and set LblTitle when the Qt side of page
// navigation and titles is wired; they do nothing until then.
void LauncherWindow::openPageNumberBox(const std::string& /*text*/) {}

void LauncherWindow::openTitleList(const std::vector<std::string>& /*titles*/, int /*selectedRow*/)
{}

void LauncherWindow::openTitleEditor(const std::string& /*text*/) {}

void LauncherWindow::showTitle(const std::string& /*title*/) {}

void LauncherWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Closing the window ends the program: the state is saved once, however often Qt asks.
    if (unloaded_)
        return;
    unloaded_ = true;
    // TODO: leave the task tray first, so that the position is that of the normal window.
    // normalGeometry() is the client area, but the stored position, like pos() and move(), is
    // the frame's: without the frame offset each minimised exit moves the window down.
    const QPoint frameOffset = pos() - geometry().topLeft();
    const QPoint position = isMinimized() ? normalGeometry().topLeft() + frameOffset : pos();
    const profile::WriteStatus status = presenter_->Form_Unload({position.x(), position.y()});
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

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event)
{
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

void LauncherWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    popUp(contextMenu_, event->globalPosition().toPoint());
    event->accept();
}

} // namespace vnovla::ui
