#pragma once

#include "pages/launcher_presenter.h"
#include "pages/launcher_view.h"

#include <QWidget>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::settings {
struct Options;
}

namespace vnovla::ui {

// The launcher window (FrmMain): one page of ten launch buttons under a strip with the page
// scroll bar, the page number, the ALL button and the page title. It owns its presenter,
// forwards every event to it and draws what the presenter tells it to.
class LauncherWindow : public QWidget, public pages::LauncherView
{
    Q_OBJECT

public:
    LauncherWindow(profile::ProfileStore& store, const settings::Options& options,
                   pages::LauncherServices services, QWidget* parent = nullptr);
    ~LauncherWindow() override;

    // Runs the start-up sequence and shows the window, minimised if the settings say so.
    void load();

    pages::LauncherPresenter& presenter() { return *presenter_; }

    // LauncherView
    void showPage(const pages::PageFace& face) override;
    void closePopup(pages::PopupControl control) override;
    void focusPageScrollBar() override;
    void showPageRange(int highestPage, int page) override;
    void setStayOnTop(pages::StayOnTop stayOnTop) override;
    void minimise() override;
    // Hides QWidget::close on purpose: the presenter ends the program through this.
    void close() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QRect place(double left, double top, double width, double height) const;

    platform::Dialogs& dialogs_;
    double dpi_ = 96.0;

    QFrame* frame_ = nullptr;
    QScrollBar* pageScrollBar_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QLineEdit* pageNumberEntry_ = nullptr;
    QPushButton* allButton_ = nullptr;
    QLabel* pageTitle_ = nullptr;
    QLineEdit* titleEditor_ = nullptr;
    QPushButton* titleJumpButton_ = nullptr;
    QWidget* buttonRow_ = nullptr;
    std::array<QToolButton*, pages::kSlotCount> launchButtons_{};
    std::array<QLabel*, pages::kSlotCount> slotNumbers_{};

    bool unloaded_ = false;
    // Last member: the presenter draws into the widgets above from its first call on.
    std::unique_ptr<pages::LauncherPresenter> presenter_;
};

} // namespace vnovla::ui
