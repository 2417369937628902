#include "ui/launcher_window.h"

#include "pages/page_face.h"
#include "platform/dialogs.h"
#include "profile/write_status.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolButton>

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
}

LauncherWindow::~LauncherWindow() = default;

QRect LauncherWindow::place(double left, double top, double width, double height) const
{
    return twipsToPixels(left, top, width, height, dpi_);
}

void LauncherWindow::buildLayout()
{
    setObjectName(QStringLiteral("FrmMain"));
    setFixedSize(twipsToPixels(kClientWidthTwips, dpi_), twipsToPixels(kClientHeightTwips, dpi_));

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setGeometry(place(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

    pageScrollBar_ = new QScrollBar(Qt::Horizontal, frame_);
    pageScrollBar_->setObjectName(QStringLiteral("ScrNo"));
    pageScrollBar_->setGeometry(place(90, 120, 480, 255));
    pageScrollBar_->setFocusPolicy(Qt::StrongFocus);
    connect(pageScrollBar_, &QScrollBar::valueChanged, this,
            [this](int page) { presenter_->ScrNo_Change(page); });

    pageNumber_ = new QLabel(frame_);
    pageNumber_->setObjectName(QStringLiteral("LblNo"));
    pageNumber_->setGeometry(place(570, 120, 520, 255));
    pageNumber_->setFont(japaneseFont(9, QFont::Bold));
    pageNumber_->setAlignment(Qt::AlignCenter);
    pageNumber_->setToolTip(tr("追加削除は最後のページが対象になります"));

    // TODO: page-number entry (TxtJanp_KeyPress) once the page jump moves into the presenter.
    pageNumberEntry_ = new QLineEdit(frame_);
    pageNumberEntry_->setObjectName(QStringLiteral("TxtJanp"));
    pageNumberEntry_->setGeometry(place(570, 360, 520, 270));
    pageNumberEntry_->hide();
    pageNumberEntry_->setEnabled(false);

    allButton_ = new QPushButton(tr("ALL(&A)"), frame_);
    allButton_->setObjectName(QStringLiteral("BtAll"));
    allButton_->setGeometry(place(1110, 120, 660, 260));
    connect(allButton_, &QPushButton::clicked, this, [this] { presenter_->BtAll_Click(); });

    pageTitle_ = new QLabel(frame_);
    pageTitle_->setObjectName(QStringLiteral("LblTitle"));
    pageTitle_->setGeometry(place(1770, 120, 3480, 255));
    pageTitle_->setAlignment(Qt::AlignCenter);
    pageTitle_->setToolTip(tr("ページのタイトルです。右クリックで変更を選び、Enterで決定、"
                              "Escでキャンセルできます"));

    // TODO: title editing once the presenter has the title editor's rules.
    titleEditor_ = new QLineEdit(frame_);
    titleEditor_->setObjectName(QStringLiteral("TxtTitle"));
    titleEditor_->setGeometry(place(1780, 360, 3480, 270));
    titleEditor_->setToolTip(tr("リターンで決定、ESCでキャンセルできます"));
    titleEditor_->hide();
    titleEditor_->setEnabled(false);

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
        auto* button = new QToolButton(buttonRow_);
        button->setObjectName(QStringLiteral("Bt%1").arg(slot));
        button->setGeometry(place(kButtonPitch * slot, 0, 540, 540));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFont(japaneseFont(6.75));
        // Any mouse button marks the slot for the button menu and the drop, before a click.
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, slot] { presenter_->Bt_Click(slot); });
        launchButtons_[index] = button;

        auto* number = new QLabel(QString::number(slot), buttonRow_);
        number->setObjectName(QStringLiteral("Label3_%1").arg(slot));
        number->setGeometry(place(kButtonPitch * slot, 530, 550, 150));
        number->setFont(japaneseFont(8.25));
        number->setAlignment(Qt::AlignCenter);
        slotNumbers_[index] = number;
    }
    // TODO: the seven gauges (PicCpu .. PicDrive) at 1110 twips, 795 twips apart, with the
    // monitors' presenters.
}

void LauncherWindow::load()
{
    const pages::WindowStart start = presenter_->Form_Load();
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
        QToolButton* button = launchButtons_[slot];
        button->setToolTip(fromUtf8(buttonFace.tooltip));
        button->setText(buttonCaption(buttonFace.caption));
        button->setFont(buttonFont(buttonFace.font));
        // TODO: draw buttonFace.icon through the Icons service (IconRequest -> picture, with
        // the DESIGN.md table for .ico, .exe/.dll, .desktop and images) once it exists.
    }
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

void LauncherWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Closing the window ends the program: the state is saved once, however often Qt asks.
    if (unloaded_)
        return;
    unloaded_ = true;
    // TODO: leave the task tray first, so that the position is that of the normal window.
    const QPoint position = isMinimized() ? normalGeometry().topLeft() : pos();
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
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t slot = 0; slot < launchButtons_.size(); ++slot) {
            if (watched == launchButtons_[slot])
                presenter_->setCurrentSlot(static_cast<int>(slot));
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vnovla::ui
