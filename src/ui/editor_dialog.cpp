#include "ui/editor_dialog.h"

#include "ui/japanese_font.h"

#include "ui/qt_convert.h"
#include "ui/translation.h"
#include "ui/twips.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>

namespace vnovla::ui {

namespace {

using convert::fromUtf8;
using convert::toUtf8;

// The client area, in twips.
constexpr double kClientWidth = 5385;
constexpr double kClientHeight = 2160;
// Frame captions are navy (0x00800000 in the 0x00BBGGRR layout).
const QColor kFrameCaptionColour(0, 0, 0x80);

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

// A drop of anything at all reaches the handlers: a drop that carries no file empties its
// field, as the rules say.
bool carriesData(const QMimeData* mime)
{
    return mime && !mime->formats().isEmpty();
}

void setFieldText(QLineEdit* field, const std::string& text)
{
    const QString shown = fromUtf8(text);
    if (field->text() == shown)
        return;
    const QSignalBlocker quiet(field);
    field->setText(shown);
}

} // namespace

EditorDialog::EditorDialog(editor::EditorServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dpi_(logicalDpi())
{
    buildLayout();
    presenter_ = std::make_unique<editor::EditorPresenter>(*this, services);
    connectControls();
}

EditorDialog::~EditorDialog() = default;

QRect EditorDialog::place(double left, double top, double width, double height) const
{
    return twipsToPixels(left, top, width, height, dpi_);
}

QGroupBox* EditorDialog::frame(const char* name, const QString& caption, const QRect& geometry)
{
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    box->setGeometry(geometry);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, kFrameCaptionColour);
    box->setPalette(palette);
    return box;
}

void EditorDialog::buildLayout()
{
    setObjectName(QStringLiteral("FrmEdit"));
    setModal(true);
    setFont(japaneseFont(9));
    setFixedSize(twipsToPixels(kClientWidth, dpi_), twipsToPixels(kClientHeight, dpi_));
    setAcceptDrops(true);
    // Only the frame captions are navy; what the frames hold keeps the dialog's colours.
    const QColor plainText = palette().color(QPalette::WindowText);
    const auto plain = [&plainText](QWidget* widget) {
        QPalette own = widget->palette();
        own.setColor(QPalette::WindowText, plainText);
        widget->setPalette(own);
    };

    pathFrame_ = frame("Frame1", tr("【 登録するパス 】"), place(0, 0, 5355, 555));
    path_ = new QLineEdit(pathFrame_);
    path_->setObjectName(QStringLiteral("TxtPath"));
    path_->setAccessibleName(tr("登録するパス"));
    path_->setGeometry(place(120, 195, 4785, 270));
    plain(path_);
    browsePath_ = new QPushButton(tr("__"), pathFrame_);
    browsePath_->setObjectName(QStringLiteral("btOpen"));
    browsePath_->setAccessibleName(tr("登録するパスを選ぶ"));
    browsePath_->setToolTip(tr("登録するパスを選ぶ"));
    browsePath_->setGeometry(place(4965, 195, 270, 270));

    iconFileFrame_ = frame("Frame4", tr("【 アイコンファイルのパス 】"), place(0, 600, 3405, 555));
    iconFileFrame_->setAcceptDrops(true);
    iconFile_ = new QLineEdit(iconFileFrame_);
    iconFile_->setObjectName(QStringLiteral("TIcPath"));
    iconFile_->setAccessibleName(tr("アイコンファイルのパス"));
    iconFile_->setGeometry(place(120, 195, 2925, 270));
    plain(iconFile_);
    browseIconFile_ = new QPushButton(tr("__"), iconFileFrame_);
    browseIconFile_->setObjectName(QStringLiteral("BtIcpath"));
    browseIconFile_->setAccessibleName(tr("アイコンファイルを選ぶ"));
    browseIconFile_->setToolTip(tr("アイコンファイルを選ぶ"));
    browseIconFile_->setGeometry(place(3060, 210, 270, 270));

    tooltipFrame_ =
        frame("Frame2", tr("【 オンマウスで表示するテキスト 】"), place(0, 1200, 3420, 555));
    tooltip_ = new QLineEdit(tooltipFrame_);
    tooltip_->setObjectName(QStringLiteral("TxtToll"));
    tooltip_->setAccessibleName(tr("オンマウスで表示するテキスト"));
    tooltip_->setGeometry(place(120, 195, 3180, 270));
    plain(tooltip_);

    iconFrame_ = frame("Frame3", tr("【 アイコン 】"), place(3480, 600, 1890, 1335));
    preview_ = new QLabel(iconFrame_);
    preview_->setObjectName(QStringLiteral("PicIcon"));
    preview_->setAccessibleName(tr("アイコンのプレビュー"));
    preview_->setGeometry(place(80, 240, 540, 540));
    preview_->setFrameShape(QFrame::Panel);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plain(preview_);
    iconIndex_ = new QScrollBar(Qt::Horizontal, iconFrame_);
    iconIndex_->setObjectName(QStringLiteral("ScrIcon"));
    iconIndex_->setAccessibleName(tr("ｱｲｺﾝｾﾚｸﾄ"));
    iconIndex_->setGeometry(place(60, 780, 495, 220));
    iconIndex_->setRange(editor::kIconIndexMinimum, editor::kIconIndexMaximum);
    iconIndex_->setSingleStep(1);
    iconIndex_->setPageStep(1);
    // A scroll bar takes no focus by default; this one is reached with Tab and stepped with
    // the arrow keys.
    iconIndex_->setFocusPolicy(Qt::StrongFocus);
    iconIndexLabel_ = new QLabel(tr("ｱｲｺﾝｾﾚｸﾄ"), iconFrame_);
    iconIndexLabel_->setObjectName(QStringLiteral("Label1"));
    iconIndexLabel_->setAccessibleName(tr("ｱｲｺﾝｾﾚｸﾄ"));
    iconIndexLabel_->setGeometry(place(60, 1035, 1000, 240));
    plain(iconIndexLabel_);
    associatedIcon_ = new QPushButton(tr("関連ｱｲｺﾝ"), iconFrame_);
    associatedIcon_->setObjectName(QStringLiteral("Command1"));
    associatedIcon_->setAccessibleName(tr("関連ｱｲｺﾝ"));
    associatedIcon_->setGeometry(place(690, 270, 1100, 315));
    plain(associatedIcon_);

    ok_ = new QPushButton(tr("OK(&O)"), this);
    ok_->setObjectName(QStringLiteral("BtOK"));
    ok_->setAccessibleName(tr("OK"));
    ok_->setGeometry(place(150, 1800, 1095, 330));
    cancel_ = new QPushButton(tr("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("btCan"));
    cancel_->setAccessibleName(tr("キャンセル"));
    cancel_->setGeometry(place(1440, 1800, 1040, 330));

    // Enter in a field saves when OK can be pressed; on a focused button it presses that one.
    ok_->setDefault(true);

    iconIndex_->installEventFilter(this);
    for (QWidget* dropTarget :
         {static_cast<QWidget*>(path_), static_cast<QWidget*>(tooltip_),
          static_cast<QWidget*>(iconFile_), static_cast<QWidget*>(iconFileFrame_)})
        dropTarget->installEventFilter(this);

    setTabOrder(path_, browsePath_);
    setTabOrder(browsePath_, tooltip_);
    setTabOrder(tooltip_, iconIndex_);
    setTabOrder(iconIndex_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, associatedIcon_);
    setTabOrder(associatedIcon_, browseIconFile_);
    setTabOrder(browseIconFile_, iconFile_);
    path_->setFocus();
}

void EditorDialog::connectControls()
{
    editor::EditorPresenter* presenter = presenter_.get();
    connect(path_, &QLineEdit::textEdited, this,
            [presenter](const QString& text) { presenter->TxtPath_Change(toUtf8(text)); });
    connect(tooltip_, &QLineEdit::textEdited, this,
            [presenter](const QString& text) { presenter->TxtToll_Change(toUtf8(text)); });
    connect(iconFile_, &QLineEdit::textEdited, this,
            [presenter](const QString& text) { presenter->TIcPath_Change(toUtf8(text)); });
    connect(iconIndex_, &QScrollBar::valueChanged, this,
            [presenter](int value) { presenter->ScrIcon_Change(value); });
    connect(browsePath_, &QPushButton::clicked, this, [presenter] { presenter->btOpen_Click(); });
    connect(browseIconFile_, &QPushButton::clicked, this,
            [presenter] { presenter->BtIcpath_Click(); });
    connect(associatedIcon_, &QPushButton::clicked, this,
            [presenter] { presenter->Command1_Click(); });
    connect(ok_, &QPushButton::clicked, this, [presenter] { presenter->BtOK_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [presenter] { presenter->btCan_Click(); });
}

void EditorDialog::setCaption(const std::string& caption)
{
    setWindowTitle(translated(caption));
}

void EditorDialog::showPath(const std::string& text)
{
    setFieldText(path_, text);
}

void EditorDialog::showTooltip(const std::string& text)
{
    setFieldText(tooltip_, text);
}

void EditorDialog::showIconFile(const std::string& text)
{
    setFieldText(iconFile_, text);
}

void EditorDialog::showIconIndex(int index)
{
    const QSignalBlocker quiet(iconIndex_);
    iconIndex_->setValue(index);
}

void EditorDialog::setOkEnabled(bool enabled)
{
    ok_->setEnabled(enabled);
}

void EditorDialog::showPreview(const platform::Picture& picture)
{
    preview_->setPixmap(convert::toPixmap(picture, devicePixelRatioF()));
}

void EditorDialog::focusDialog()
{
    activateWindow();
}

void EditorDialog::finish(editor::EditorOutcome outcome)
{
    done(outcome == editor::EditorOutcome::Saved ? QDialog::Accepted : QDialog::Rejected);
}

void EditorDialog::reject()
{
    // The presenter ends the dialog through finish(), which does not come back here.
    presenter_->btCan_Click();
}

bool EditorDialog::handleDrag(QEvent* event, DropTarget target)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (carriesData(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> paths = convert::localPaths(drop->mimeData());
        if (target == DropTarget::IconFile)
            presenter_->BtIcpath_OLEDragDrop(paths);
        else
            presenter_->Form_OLEDragDrop(paths);
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

// Qt's scroll bar leaves the keyboard to the view it scrolls; this one stands alone, so it
// steps with the arrow keys itself.
bool EditorDialog::stepIconIndex(const QKeyEvent* key)
{
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return false;
    }
    iconIndex_->triggerAction(action);
    return true;
}

bool EditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == iconIndex_) {
        if (event->type() == QEvent::KeyPress && stepIconIndex(static_cast<QKeyEvent*>(event)))
            return true;
        return QDialog::eventFilter(watched, event);
    }
    // The text boxes would insert a dropped file's address as text; the icon-file frame (and
    // its browse button, which passes drops on to it) sets the icon file instead of the path.
    const DropTarget target = (watched == iconFile_ || watched == iconFileFrame_)
                                  ? DropTarget::IconFile
                                  : DropTarget::Path;
    if (handleDrag(event, target))
        return true;
    return QDialog::eventFilter(watched, event);
}

void EditorDialog::dragEnterEvent(QDragEnterEvent* event)
{
    handleDrag(event, DropTarget::Path);
}

void EditorDialog::dragMoveEvent(QDragMoveEvent* event)
{
    handleDrag(event, DropTarget::Path);
}

void EditorDialog::dropEvent(QDropEvent* event)
{
    handleDrag(event, DropTarget::Path);
}

// The dialog, like the launcher, is dragged by its body and its frames (which pass their
// mouse presses on here) with the left button.
void EditorDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    surfaceDrag_.press();
    event->accept();
}

void EditorDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!surfaceDrag_.move(*this, *event)) {
        QDialog::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void EditorDialog::mouseReleaseEvent(QMouseEvent* event)
{
    surfaceDrag_.release();
    QDialog::mouseReleaseEvent(event);
}

} // namespace vnovla::ui
