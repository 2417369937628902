#pragma once

#include "move/move_presenter.h"
#include "move/move_view.h"

#include <QDialog>

#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::platform {
class Dialogs;
class Icons;
} // namespace vnovla::platform

namespace vnovla::ui {

class LaunchButton;

// The copy/move dialog (FrmMove): the source page above, the destination page below and the
// action row between them. It forwards every event to its presenter and draws what it is told.
class MoveDialog : public QDialog, public move::MoveView
{
    Q_OBJECT

public:
    MoveDialog(profile::ProfileStore& store, platform::Dialogs& dialogs, platform::Icons* icons,
               QWidget* parent = nullptr);
    ~MoveDialog() override;

    // Opens both sides on page of pages 0..highestPage; call before exec().
    void load(int page, int highestPage);
    move::MovePresenter& presenter() { return *presenter_; }

    // MoveView
    void showSide(move::Side side, const pages::PageFace& face) override;
    void showPageRange(move::Side side, int highestPage, int page) override;
    void selectSlot(move::Side side, int slot) override;
    void openTitleList(move::Side side, const std::vector<std::string>& titles,
                       int selectedRow) override;
    void closeTitleList(move::Side side) override;
    void focusPageStepper(move::Side side) override;
    void showMoveAll(bool ticked) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SideWidgets
    {
        QGroupBox* frame = nullptr;
        QScrollBar* stepper = nullptr;
        QLabel* pageNumber = nullptr;
        QLabel* title = nullptr;
        QPushButton* titleJump = nullptr;
        QListWidget* titleList = nullptr;
        QWidget* holder = nullptr;
        std::array<LaunchButton*, pages::kSlotCount> images{};
        std::array<QRadioButton*, pages::kSlotCount> selectors{};
        QButtonGroup* selectorGroup = nullptr;
    };

    void buildSide(move::Side side, double top);
    void buildActionRow();
    QRect place(double left, double top, double width, double height) const;
    SideWidgets& widgets(move::Side side);

    platform::Icons* icons_ = nullptr;
    double dpi_ = 96.0;
    QWidget* outerFrame_ = nullptr;
    QLabel* backdrop_ = nullptr;
    std::array<SideWidgets, 2> sides_;
    QPushButton* pageMake_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* move_ = nullptr;
    QCheckBox* moveAll_ = nullptr;
    QPushButton* finish_ = nullptr;
    std::unique_ptr<move::MovePresenter> presenter_;
};

} // namespace vnovla::ui
