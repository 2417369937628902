#include "ui/move_dialog.h"

#include "ui/japanese_font.h"
#include "ui/launch_button.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>

namespace vnovla::ui {

namespace {

using move::Side;

// The outer frame that fills the dialog, and the two sides inside it.
constexpr double kOuterWidth = 5760;
constexpr double kOuterHeight = 3860;
constexpr double kSideLeft = 30;
constexpr double kSourceTop = 130;
constexpr double kDestinationTop = 2280;
constexpr double kSideWidth = 5700;
constexpr double kSideHeight = 1520;

// Inside a side.
constexpr double kTitleLeft = 1800;
constexpr double kTitleTop = 195;
constexpr double kTitleWidth = 3495;
constexpr double kHolderLeft = 75;
constexpr double kHolderTop = 450;
constexpr double kImagePitch = 550;
constexpr double kSelectorTop = 1230;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

// The page number and the title stand out yellow on black.
void setStandOutColours(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(Qt::yellow));
    palette.setColor(QPalette::Window, QColor(Qt::black));
    label->setAutoFillBackground(true);
    label->setPalette(palette);
}

int sideNumber(Side side)
{
    return static_cast<int>(side);
}

} // namespace

MoveDialog::MoveDialog(profile::ProfileStore& store, platform::Dialogs& dialogs,
                       platform::Icons* icons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      icons_(icons), dpi_(logicalDpi())
{
    setObjectName(QStringLiteral("FrmMove"));
    setWindowTitle(tr("ボタンのコピー/移動"));
    setFont(japaneseFont(9));
    if (parent)
        setWindowIcon(parent->windowIcon());
    const QRect outer = place(0, 0, kOuterWidth, kOuterHeight);
    setFixedSize(outer.size());

    outerFrame_ = new QWidget(this);
    outerFrame_->setObjectName(QStringLiteral("Frame3"));
    outerFrame_->setGeometry(outer);
    outerFrame_->installEventFilter(this);

    // Built in the order the keyboard visits them: source, actions, destination.
    buildSide(Side::Source, kSourceTop);
    buildActionRow();
    buildSide(Side::Destination, kDestinationTop);
    presenter_ = std::make_unique<move::MovePresenter>(store, dialogs, *this);
}

MoveDialog::~MoveDialog() = default;

QRect MoveDialog::place(double left, double top, double width, double height) const
{
    return twipsToPixels(left, top, width, height, dpi_);
}

MoveDialog::SideWidgets& MoveDialog::widgets(Side side)
{
    return sides_[side == Side::Source ? 0 : 1];
}

void MoveDialog::buildSide(Side side, double top)
{
    SideWidgets& w = widgets(side);
    const int number = sideNumber(side);
    const QString name =
        side == Side::Source ? tr("【 コピー/移動元 】") : tr("【 コピー/移動先 】");
    const QString sideName = side == Side::Source ? tr("コピー/移動元") : tr("コピー/移動先");

    w.frame = new QGroupBox(name, outerFrame_);
    w.frame->setObjectName(QStringLiteral("Frame%1").arg(number));
    w.frame->setGeometry(place(kSideLeft, top, kSideWidth, kSideHeight));
    w.frame->installEventFilter(this);

    w.stepper = new QScrollBar(Qt::Horizontal, w.frame);
    w.stepper->setObjectName(QStringLiteral("ScrNo%1").arg(number));
    w.stepper->setGeometry(place(75, 200, 500, 255));
    w.stepper->setFocusPolicy(Qt::StrongFocus);
    w.stepper->setAccessibleName(tr("%1のページ番号").arg(sideName));
    w.stepper->setPageStep(1);
    // The right arrow goes to the next page, as on the scroll bars the layout was drawn with.
    w.stepper->setInvertedControls(false);
    connect(w.stepper, &QScrollBar::valueChanged, this,
            [this, side](int page) { presenter_->ScrNo_Change(side, page); });

    w.pageNumber = new QLabel(w.frame);
    w.pageNumber->setObjectName(QStringLiteral("LblNo%1").arg(number));
    w.pageNumber->setGeometry(place(555, 195, 615, 255));
    w.pageNumber->setFont(japaneseFont(9, QFont::Bold));
    w.pageNumber->setAlignment(Qt::AlignCenter);
    w.pageNumber->setAccessibleName(tr("%1のページ").arg(sideName));
    setStandOutColours(w.pageNumber);

    w.title = new QLabel(w.frame);
    w.title->setObjectName(QStringLiteral("LblTitle%1").arg(number));
    w.title->setGeometry(place(kTitleLeft, kTitleTop, kTitleWidth, 255));
    w.title->setAlignment(Qt::AlignCenter);
    w.title->setAccessibleName(tr("%1のページタイトル").arg(sideName));
    setStandOutColours(w.title);

    w.titleJump = new QPushButton(tr("▽"), w.frame);
    w.titleJump->setObjectName(QStringLiteral("BtTJanp%1").arg(number));
    w.titleJump->setGeometry(place(5310, 190, 285, 285));
    w.titleJump->setFont(japaneseFont(8.25));
    w.titleJump->setToolTip(tr("ページタイトルを選んでジャンプ"));
    w.titleJump->setAccessibleName(tr("%1のページタイトルを選んでジャンプ").arg(sideName));
    w.titleJump->setAutoDefault(false);
    connect(w.titleJump, &QPushButton::clicked, this,
            [this, side] { presenter_->BtTJanp_Click(side); });

    w.holder = new QWidget(w.frame);
    w.holder->setObjectName(QStringLiteral("Picture%1").arg(number));
    w.holder->setGeometry(place(kHolderLeft, kHolderTop, 5550, 735));

    w.selectorGroup = new QButtonGroup(this);
    w.selectorGroup->setExclusive(true);
    for (int slot = 0; slot < pages::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        auto* image = new LaunchButton(w.holder);
        image->setObjectName(QStringLiteral("Bt%1_%2").arg(number).arg(slot));
        image->setGeometry(place(kImagePitch * slot, 0, 540, 540));
        image->setAccessibleName(tr("%1のボタン %2").arg(sideName).arg(slot));
        // The images only show the buttons; the option buttons below select.
        image->setFocusPolicy(Qt::NoFocus);
        w.images[index] = image;

        // The destination's digits carry the indexes 19 down to 10.
        const int labelIndex = side == Side::Source ? slot : 19 - slot;
        auto* digit = new QLabel(QString::number(slot), w.holder);
        digit->setObjectName(QStringLiteral("Label3_%1").arg(labelIndex));
        digit->setGeometry(place(kImagePitch * slot, 540, 550, 150));
        digit->setFont(japaneseFont(8.25));
        digit->setAlignment(Qt::AlignCenter);

        auto* selector = new QRadioButton(w.frame);
        selector->setObjectName(QStringLiteral("Option%1_%2").arg(number).arg(slot));
        selector->setGeometry(
            place(kHolderLeft + kImagePitch * slot + 170, kSelectorTop, 240, 240));
        selector->setAccessibleName(tr("%1のボタン %2 を選択").arg(sideName).arg(slot));
        w.selectorGroup->addButton(selector, slot);
        w.selectors[index] = selector;
    }
    connect(w.selectorGroup, &QButtonGroup::idToggled, this, [this, side](int slot, bool on) {
        if (on)
            presenter_->Option_Click(side, slot);
    });

    // A child of the outer frame, created after the sides' controls, so that it opens over them.
    w.titleList = new QListWidget(outerFrame_);
    w.titleList->setObjectName(QStringLiteral("LstJanp%1").arg(number));
    w.titleList->setGeometry(
        place(kSideLeft + kTitleLeft, top + kTitleTop + 220, kTitleWidth, 930));
    w.titleList->setAccessibleName(tr("%1のページタイトルの一覧").arg(sideName));
    w.titleList->setUniformItemSizes(true);
    w.titleList->hide();
    w.titleList->setEnabled(false);
    w.titleList->installEventFilter(this);
    // A click or Enter chooses; the arrow keys only move the selection.
    connect(w.titleList, &QListWidget::itemClicked, this, [this, side](QListWidgetItem* item) {
        presenter_->LstJanp_Click(side, widgets(side).titleList->row(item));
    });
    connect(w.titleList, &QListWidget::itemActivated, this, [this, side](QListWidgetItem* item) {
        presenter_->LstJanp_Click(side, widgets(side).titleList->row(item));
    });
}

void MoveDialog::buildActionRow()
{
    backdrop_ = new QLabel(outerFrame_);
    backdrop_->setObjectName(QStringLiteral("Label1"));
    backdrop_->setGeometry(place(kSideLeft, kSourceTop + kSideHeight + 30, kSideWidth, 570));
    backdrop_->installEventFilter(this);

    const auto button = [this](const char* name, const QString& caption, const QString& tip,
                               QRect geometry) {
        auto* pushButton = new QPushButton(caption, outerFrame_);
        pushButton->setObjectName(QLatin1String(name));
        pushButton->setToolTip(tip);
        pushButton->setAccessibleName(caption);
        pushButton->setGeometry(geometry);
        // Enter on another control must never copy or move by accident.
        pushButton->setAutoDefault(false);
        return pushButton;
    };
    pageMake_ = button("BtPageMake", tr("ページ作成"), tr("新しいページを追加します"),
                       place(120, 1785, 1095, 375));
    copy_ = button("BtCopy", tr("コピー"), tr("選択されたボタンをコピーします"),
                   place(1440, 1800, 855, 375));
    move_ = button("BtMove", tr("移動"), tr("選択されたボタンを移動します"),
                   place(2400, 1800, 855, 375));
    moveAll_ = new QCheckBox(tr("一括処理"), outerFrame_);
    moveAll_->setObjectName(QStringLiteral("ChkMoveAll"));
    moveAll_->setToolTip(tr("空のページへ一括で処理します"));
    moveAll_->setAccessibleName(tr("一括処理"));
    moveAll_->setGeometry(place(3360, 1800, 975, 375));
    finish_ =
        button("Command3", tr("編集終了"), tr("編集を終了します"), place(4550, 1785, 1095, 375));

    connect(pageMake_, &QPushButton::clicked, this, [this] { presenter_->BtPageMake_Click(); });
    connect(copy_, &QPushButton::clicked, this, [this] { presenter_->BtCopy_Click(); });
    connect(move_, &QPushButton::clicked, this, [this] { presenter_->BtMove_Click(); });
    connect(moveAll_, &QCheckBox::toggled, this,
            [this](bool ticked) { presenter_->ChkMoveAll_Click(ticked); });
    // The cancel button: Esc reaches it through QDialog's reject.
    connect(finish_, &QPushButton::clicked, this, &QDialog::reject);
}

void MoveDialog::load(int page, int highestPage)
{
    presenter_->Form_Load(page, highestPage);
}

void MoveDialog::showSide(Side side, const pages::PageFace& face)
{
    SideWidgets& w = widgets(side);
    w.pageNumber->setText(fromUtf8(face.pageNumber));
    w.title->setText(fromUtf8(face.title));
    for (std::size_t slot = 0; slot < w.images.size(); ++slot)
        w.images[slot]->showFace(face.buttons[slot], icons_);
}

void MoveDialog::showPageRange(Side side, int highestPage, int page)
{
    QScrollBar* stepper = widgets(side).stepper;
    const QSignalBlocker quiet(stepper);
    stepper->setRange(0, highestPage);
    stepper->setValue(page);
}

void MoveDialog::selectSlot(Side side, int slot)
{
    QButtonGroup* group = widgets(side).selectorGroup;
    const QSignalBlocker quiet(group);
    if (QAbstractButton* selector = group->button(slot))
        selector->setChecked(true);
}

void MoveDialog::openTitleList(Side side, const std::vector<std::string>& titles, int selectedRow)
{
    QListWidget* list = widgets(side).titleList;
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(titles.size()));
    for (const std::string& title : titles)
        rows.push_back(fromUtf8(title));
    list->addItems(rows);
    list->setCurrentRow(selectedRow);
    list->setEnabled(true);
    list->show();
    list->raise();
    list->setFocus();
}

void MoveDialog::closeTitleList(Side side)
{
    QListWidget* list = widgets(side).titleList;
    list->hide();
    list->setEnabled(false);
}

void MoveDialog::focusPageStepper(Side side)
{
    widgets(side).stepper->setFocus();
}

void MoveDialog::showMoveAll(bool ticked)
{
    const QSignalBlocker quiet(moveAll_);
    moveAll_->setChecked(ticked);
}

bool MoveDialog::eventFilter(QObject* watched, QEvent* event)
{
    for (const Side side : {Side::Source, Side::Destination}) {
        if (watched != widgets(side).titleList || event->type() != QEvent::KeyPress)
            continue;
        // Esc closes the open list instead of the dialog.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            presenter_->TitleJanp(side);
            focusPageStepper(side);
            return true;
        }
    }
    // The dialog is dragged by its surface: a left press on the outer frame, the destination
    // frame or the action row's backdrop, or a move with the left button over the source frame.
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool drag = event->type() == QEvent::MouseMove;
    const bool surface = watched == outerFrame_ || watched == backdrop_ ||
                         watched == widgets(Side::Destination).frame;
    if ((press && surface) || (drag && watched == widgets(Side::Source).frame)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::LeftButton) && windowHandle()) {
            windowHandle()->startSystemMove();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vnovla::ui
