#include "ui/options_dialog.h"

#include "ui/colour_values.h"
#include "ui/translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace vnovla::ui {

namespace {

using options::OptionCheck;
using settings::CheckState;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::CheckState toQt(CheckState state)
{
    switch (state) {
    case CheckState::Checked:
        return Qt::Checked;
    case CheckState::Greyed:
        return Qt::PartiallyChecked;
    case CheckState::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

CheckState fromQt(int state)
{
    if (state == Qt::Checked)
        return CheckState::Checked;
    return state == Qt::PartiallyChecked ? CheckState::Greyed : CheckState::Unchecked;
}

// The captions of the colour page's rows, one per pair of slots.
constexpr std::array<const char*, options::kColourSlotCount / 2> kSwatchRows{
    "ﾍﾟｰｼﾞﾅﾝﾊﾞｰ", "ﾍﾟｰｼﾞﾀｲﾄﾙ", "ﾎﾞﾀﾝﾅﾝﾊﾞｰ", "CPU使用率", "物理メモリ",
    "仮想メモリ", "ｼｽﾃﾑﾘｿｰｽ",  "GDI ﾘｿｰｽ",  "ﾕｰｻﾞｰﾘｿｰｽ", "ﾄﾞﾗｲﾌﾞの空き"};
constexpr std::array<const char*, 2> kSwatchColumns{"ﾌｫﾝﾄ/ｹﾞｰｼﾞ", "バック"};

QLabel* addLabel(QLayout* layout, const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    layout->addWidget(label);
    return label;
}

QGroupBox* frame(const char* name, const QString& caption)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    return box;
}

// A read-only box that mirrors a scroll bar, named after the bar's frame.
QLineEdit* mirrorText(const char* name, const QString& accessibleName)
{
    auto* text = new QLineEdit;
    text->setObjectName(QLatin1String(name));
    text->setAccessibleName(accessibleName);
    text->setReadOnly(true);
    text->setFocusPolicy(Qt::NoFocus);
    text->setMaximumWidth(60);
    text->setAlignment(Qt::AlignRight);
    return text;
}

} // namespace

OptionsDialog::OptionsDialog(profile::ProfileStore& store, settings::Options& live,
                             platform::Dialogs& dialogs, options::OptionsRequest request,
                             utilities::ProgramVersion version, QWidget* parent)
    : QDialog(parent), presenter_(store, live, *this, dialogs, std::move(request), version)
{
    setObjectName(QStringLiteral("FrmOption"));
    setWindowTitle(QStringLiteral("オプション"));
    setAccessibleName(windowTitle());
    if (parent)
        setWindowIcon(parent->windowIcon());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setAccessibleName(QStringLiteral("タブ"));
    QWidget* const pages[] = {buildSettings1(), buildSettings2(), buildAlarm(), buildColours(),
                              buildVersion()};
    for (int index = 0; index < options::kTabCount; ++index) {
        QWidget* page = pages[index];
        page->setObjectName(QStringLiteral("Frame1_%1").arg(index));
        const QString caption = fromUtf8(options::kTabCaptions[static_cast<std::size_t>(index)]);
        page->setAccessibleName(caption);
        tabs_->addTab(page, caption);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BtOK"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { presenter_.BtOK_Click(); });
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    cancel->setObjectName(QStringLiteral("BtCancel"));
    cancel->setAccessibleName(cancel->text());
    connect(cancel, &QPushButton::clicked, this, [this] { presenter_.BtCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    presenter_.Form_Load();
    // The captions above are written in the program's source language.
    translateWidgets(this);
}

QCheckBox* OptionsDialog::addCheck(OptionCheck check, const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    connect(box, &QCheckBox::stateChanged, this,
            [this, check](int state) { presenter_.setCheck(check, fromQt(state)); });
    checks_[static_cast<std::size_t>(check)] = box;
    return box;
}

QWidget* OptionsDialog::buildSettings1()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QCheckBox* startMin = addCheck(OptionCheck::ChkStartMin, "ChkStartMin",
                                   QStringLiteral("VESKA NOVLAを起動直後に最小化"));
    startMin->setToolTip(
        QStringLiteral("「最小化時タスクトレイに入れる」と一緒にチェックすることにより、"
                       "ﾉﾌﾞﾗ起動直後にトレイに格納できます"));
    layout->addWidget(startMin);
    layout->addWidget(
        addCheck(OptionCheck::ChkTray, "ChkTray", QStringLiteral("最小化時タスクトレイに入れる")));

    QGroupBox* all = frame("Frame2", QStringLiteral("【 ALLボタンの設定 】"));
    auto* allLayout = new QVBoxLayout(all);
    allLayout->addWidget(addCheck(OptionCheck::ChkWait, "ChkWait",
                                  QStringLiteral("次のボタンまでの待ち時間を有効")));
    waitBar_ = new QScrollBar(Qt::Horizontal);
    waitBar_->setObjectName(QStringLiteral("ScrAll"));
    waitBar_->setAccessibleName(all->title());
    waitBar_->setRange(settings::kMinimumWait, settings::kMaximumWait);
    waitBar_->setSingleStep(50);
    waitBar_->setPageStep(200);
    waitBar_->setFocusPolicy(Qt::StrongFocus);
    waitBar_->setMinimumWidth(200);
    connect(waitBar_, &QScrollBar::valueChanged, this,
            [this](int value) { presenter_.ScrAll_Change(value); });
    auto* barRow = new QHBoxLayout;
    addLabel(barRow, "LblAllMin", QStringLiteral("0"));
    barRow->addWidget(waitBar_, 1);
    addLabel(barRow, "LblAllMax", QStringLiteral("5000"));
    allLayout->addLayout(barRow);
    auto* textRow = new QHBoxLayout;
    waitText_ = mirrorText("TxtAll", all->title());
    textRow->addWidget(waitText_);
    addLabel(textRow, "LblAllUnit", QStringLiteral("1秒 = 1000"));
    textRow->addStretch();
    allLayout->addLayout(textRow);
    allLayout->addWidget(
        addCheck(OptionCheck::ChkEnd, "ChkEnd", QStringLiteral("実行後VESKA NOVLAを閉じる")));
    allLayout->addWidget(addCheck(OptionCheck::ChkMin, "ChkMin",
                                  QStringLiteral("ボタンで起動後VESKA NOVLAを最小化")));
    layout->addWidget(all);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildSettings2()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(addCheck(OptionCheck::ChkEndTop, "ChkEndTop", QStringLiteral("起動時は")));
    startPageBar_ = new QScrollBar(Qt::Horizontal);
    startPageBar_->setObjectName(QStringLiteral("ScrEndPG"));
    startPageBar_->setAccessibleName(QStringLiteral("起動時に表示するページ"));
    startPageBar_->setFocusPolicy(Qt::StrongFocus);
    startPageBar_->setMinimumWidth(80);
    connect(startPageBar_, &QScrollBar::valueChanged, this,
            [this](int value) { presenter_.ScrEndPG_Change(value); });
    startRow->addWidget(startPageBar_);
    startPageText_ = mirrorText("TxtEndPG", startPageBar_->accessibleName());
    startRow->addWidget(startPageText_);
    addLabel(startRow, "Label7", QStringLiteral("ページを表示する"));
    startRow->addStretch();
    layout->addLayout(startRow);
    layout->addWidget(addCheck(OptionCheck::ChkEndSaikin, "ChkEndSaikin",
                               QStringLiteral("終了時に最近使ったﾌｧｲﾙを空にする")));

    QGroupBox* drop = frame("Frame3", QStringLiteral("【 ボタンにﾌｧｲﾙをドロップした時 】"));
    auto* dropLayout = new QVBoxLayout(drop);
    const QString dropCaptions[] = {QStringLiteral("登録アプリ(*.exe)に渡して起動"),
                                    QStringLiteral("ドロップしたボタンに登録する")};
    for (int index = 0; index < 2; ++index) {
        auto* choice = new QRadioButton(dropCaptions[index]);
        choice->setObjectName(QStringLiteral("Option3_%1").arg(index));
        choice->setAccessibleName(dropCaptions[index]);
        connect(choice, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                presenter_.setChoice(options::OptionGroup::Option3, index);
        });
        dropLayout->addWidget(choice);
        dropChoices_[static_cast<std::size_t>(index)] = choice;
    }
    layout->addWidget(drop);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildAlarm()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        addCheck(OptionCheck::ChkShow, "ChkShow", QStringLiteral("指定時間にダイアログを出す")));
    layout->addWidget(addCheck(OptionCheck::ChkAlarmSoundOn, "ChkAlarmSoundOn",
                               QStringLiteral("指定時間にアラーム音を鳴らす")));

    QGroupBox* sound = frame("Frame4", QStringLiteral("【 アラーム音の設定 】"));
    auto* soundLayout = new QVBoxLayout(sound);
    const QString captions[] = {QStringLiteral("BEEP音"), QStringLiteral("ｻｳﾝﾄﾞ（*.wav）")};
    for (int index = 0; index < 2; ++index) {
        auto* choice = new QRadioButton(captions[index]);
        choice->setObjectName(QStringLiteral("Option2_%1").arg(index));
        choice->setAccessibleName(captions[index]);
        connect(choice, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                presenter_.setChoice(options::OptionGroup::Option2, index);
        });
        soundLayout->addWidget(choice);
        soundChoices_[static_cast<std::size_t>(index)] = choice;
    }
    auto* pathRow = new QHBoxLayout;
    soundPath_ = new QLineEdit;
    soundPath_->setObjectName(QStringLiteral("TxtSoundPath"));
    soundPath_->setAccessibleName(sound->title());
    connect(soundPath_, &QLineEdit::textEdited, this,
            [this](const QString& text) { presenter_.TxtSoundPath_Change(text.toStdString()); });
    pathRow->addWidget(soundPath_, 1);
    auto* browse = new QPushButton(QStringLiteral("__"));
    browse->setObjectName(QStringLiteral("BtSound"));
    browse->setAccessibleName(QStringLiteral("サウンドの登録"));
    browse->setMaximumWidth(40);
    connect(browse, &QPushButton::clicked, this, [this] {
        presenter_.BtSound_Click();
        activateWindow();
        soundPath_->setFocus();
    });
    pathRow->addWidget(browse);
    soundLayout->addLayout(pathRow);
    layout->addWidget(sound);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildColours()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* schemeFrame = frame("Frame5", QStringLiteral("【 色の設定 】"));
    auto* schemeLayout = new QHBoxLayout(schemeFrame);
    schemes_ = new QComboBox;
    schemes_->setObjectName(QStringLiteral("CmbCol"));
    schemes_->setAccessibleName(schemeFrame->title());
    connect(schemes_, &QComboBox::activated, this,
            [this](int index) { presenter_.CmbCol_Click(index); });
    schemeLayout->addWidget(schemes_);
    schemeLayout->addStretch();
    layout->addWidget(schemeFrame);

    auto* grid = new QGridLayout;
    for (int column = 0; column < 2; ++column) {
        auto* header = new QLabel(QString::fromUtf8(kSwatchColumns[column]));
        header->setObjectName(QStringLiteral("LblColHead_%1").arg(column));
        header->setAlignment(Qt::AlignCenter);
        grid->addWidget(header, 0, column + 1);
    }
    for (int row = 0; row < options::kColourSlotCount / 2; ++row) {
        const QString caption = translated(kSwatchRows[static_cast<std::size_t>(row)]);
        auto* label = new QLabel(caption);
        label->setObjectName(QStringLiteral("LblColRow_%1").arg(row));
        grid->addWidget(label, row + 1, 0);
        for (int column = 0; column < 2; ++column) {
            const int slot = row * 2 + column;
            auto* swatch = new QPushButton;
            swatch->setObjectName(QStringLiteral("LblCol_%1").arg(slot));
            swatch->setAccessibleName(caption + QLatin1Char(' ') +
                                      translated(kSwatchColumns[column]));
            swatch->setFixedSize(60, 18);
            swatch->setAutoDefault(false);
            connect(swatch, &QPushButton::clicked, this, [this, slot] {
                presenter_.LblCol_Click(slot);
                activateWindow();
            });
            grid->addWidget(swatch, row + 1, column + 1);
            swatches_[static_cast<std::size_t>(slot)] = swatch;
        }
    }
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildVersion()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("ImgIcon"));
    picture->setAccessibleName(QStringLiteral("VESKA NOVLA のアイコン"));
    QIcon icon = windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_DesktopIcon);
    picture->setPixmap(icon.pixmap(32, 32));
    top->addWidget(picture);
    auto* names = new QVBoxLayout;
    QLabel* title = addLabel(names, "Label1", QStringLiteral("VESKA NOVLA"));
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
    bigger.setBold(true);
    title->setFont(bigger);
    version_ = addLabel(names, "LblVer", QString());
    top->addLayout(names);
    top->addStretch();
    layout->addLayout(top);

    addLabel(layout, "LblSite", QStringLiteral("VESKA NOVLA 説明書 (readme.txt)"));
    address_ = new QLineEdit;
    address_->setObjectName(QStringLiteral("TxtAdd"));
    address_->setAccessibleName(QStringLiteral("説明書のアドレス"));
    address_->setReadOnly(true);
    address_->setFocusPolicy(Qt::NoFocus);
    address_->setCursor(Qt::PointingHandCursor);
    QPalette linkColours = address_->palette();
    linkColours.setColor(QPalette::Text, QColor(Qt::blue));
    linkColours.setColor(QPalette::Base, linkColours.color(QPalette::Window));
    address_->setPalette(linkColours);
    address_->installEventFilter(this);
    layout->addWidget(address_);
    QLabel* note = addLabel(layout, "LblAddNote",
                            QStringLiteral("公開のウェブサイトはありません。上のアドレスは、"
                                           "プログラムと一緒にインストールされた説明書を指します。"
                                           "クリックすると開きます。"));
    note->setWordWrap(true);
    layout->addStretch();
    return page;
}

void OptionsDialog::showSettings(const settings::Options& options)
{
    const CheckState states[] = {
        options.waitCheck,      options.endCheck,  options.minimiseAfterLaunch,
        options.startMinimised, options.tray,      options.endTop,
        options.endSaikin,      options.alarmShow, options.alarmSoundOn};
    for (std::size_t index = 0; index < checks_.size(); ++index) {
        const QSignalBlocker blocker(checks_[index]);
        checks_[index]->setCheckState(toQt(states[index]));
    }
    {
        const QSignalBlocker blocker(waitBar_);
        waitBar_->setValue(options.wait);
    }
    waitText_->setText(QString::fromStdString(options.waitText()));
    {
        const QSignalBlocker blocker(startPageBar_);
        startPageBar_->setRange(options.endTopNoRange.minimum, options.endTopNoRange.maximum);
        startPageBar_->setValue(options.endTopNo);
    }
    startPageText_->setText(QString::number(options.endTopNo));
    const auto choose = [](std::array<QRadioButton*, 2>& pair, int index) {
        for (QRadioButton* choice : pair) {
            const QSignalBlocker blocker(choice);
            choice->setChecked(choice == pair[static_cast<std::size_t>(index)]);
        }
    };
    choose(dropChoices_, static_cast<int>(options.drop));
    choose(soundChoices_, static_cast<int>(options.sound));
    const QString path = QString::fromStdString(options.soundPath);
    if (soundPath_->text() != path)
        soundPath_->setText(path);
}

void OptionsDialog::showSwatches(const options::ColourSlots& swatches)
{
    for (std::size_t slot = 0; slot < swatches_.size(); ++slot) {
        const QColor colour = toQColor(swatches[slot], palette());
        // A style sheet, because styles may draw a button's face without its palette.
        swatches_[slot]->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; }"
                           "QPushButton:focus { border: 2px solid palette(highlight); }")
                .arg(colour.name()));
    }
}

void OptionsDialog::showSchemes(const std::vector<std::string>& names)
{
    const QSignalBlocker blocker(schemes_);
    schemes_->clear();
    for (const std::string& name : names)
        schemes_->addItem(QString::fromStdString(name));
    // No scheme is chosen until the user picks one.
    schemes_->setCurrentIndex(-1);
}

void OptionsDialog::showVersion(const options::VersionFace& face)
{
    version_->setText(QString::fromStdString(face.version));
    address_->setText(QUrl::fromLocalFile(QString::fromStdString(face.readme.string())).toString());
}

void OptionsDialog::selectTab(options::OptionsTab tab)
{
    tabs_->setCurrentIndex(static_cast<int>(tab));
}

void OptionsDialog::closeDialog()
{
    closing_ = true;
    done(presenter_.confirmed() ? QDialog::Accepted : QDialog::Rejected);
}

std::uint32_t OptionsDialog::systemColour(options::SystemColourRole role) const
{
    return toColourValue(palette().color(paletteRole(role)));
}

void OptionsDialog::reject()
{
    if (closing_) {
        QDialog::reject();
        return;
    }
    presenter_.BtCancel_Click();
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        closing_ = true;
        presenter_.Form_QueryUnload();
    }
    QDialog::closeEvent(event);
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The pause text follows its scroll bar whenever the dialog comes up.
    presenter_.ScrAll_Change(waitBar_->value());
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == address_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        presenter_.TxtAdd_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vnovla::ui
