#pragma once

#include "pages/launcher_presenter.h"
#include "pages/launcher_view.h"
#include "ui/surface_drag.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QIcon;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::settings {
struct Options;
}
namespace vnovla::platform {
class Icons;
}

namespace vnovla::ui {

class GaugeWidget;
class LaunchButton;
class LauncherTicks;
class NormalPositionTracker;
class TrayIcon;

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

    // Where button pictures come from; set before load(). Without it buttons show no picture.
    void setIcons(platform::Icons* icons) { icons_ = icons; }

    // LauncherView
    void showPage(const pages::PageFace& face) override;
    void closePopup(pages::PopupControl control) override;
    void focusPageScrollBar() override;
    void showPageRange(int highestPage, int page) override;
    void setStayOnTop(pages::StayOnTop stayOnTop) override;
    void minimise() override;
    void showRaised() override;
    // Hides QWidget::close on purpose: the presenter ends the program through this.
    void close() override;
    void openPageNumberBox(const std::string& text) override;
    void openTitleList(const std::vector<std::string>& titles, int selectedRow) override;
    void openTitleEditor(const std::string& text) override;
    void showTitle(const std::string& title) override;
    void applyColours(const options::ColourSlots& colours) override;
    bool trayAvailable() const override;
    void enterTray() override;
    void removeTrayIcon() override;
    void restoreWindow() override;
    void bringToFront() override;
    void popUpTrayMenu() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The right button on the window body, or on a child that passes it on, opens the
    // context menu.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The menu key opens the same menu as the right button on the focused control.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildLayout();
    void connectPopups();
    // Double-clicks on the labels and on the page-number box; true when the event is used up.
    bool filterDoubleClick(QObject* watched);
    // Keys in the pop-up controls; true when the presenter consumed the key.
    bool filterPopupKey(QObject* watched, const QKeyEvent* key);
    // Drags and drops on the launch buttons; true when the event was a drag or drop there.
    bool filterDrop(QObject* watched, QEvent* event);
    int slotOf(const QObject* watched) const;
    void buildGauges();
    void buildMenus();
    // The tray icon and its reports (launcher_window_tray.cpp).
    void buildTrayIcon();
    void popUp(QMenu* menu, const QPoint& globalPosition);
    void syncMenus();
    QRect place(double left, double top, double width, double height) const;

    platform::Dialogs& dialogs_;
    platform::Icons* icons_ = nullptr;
    double dpi_ = 96.0;
    NormalPositionTracker* normalPosition_;

    QFrame* frame_ = nullptr;
    QScrollBar* pageScrollBar_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QLineEdit* pageNumberEntry_ = nullptr;
    QPushButton* allButton_ = nullptr;
    QLabel* pageTitle_ = nullptr;
    QLineEdit* titleEditor_ = nullptr;
    QPushButton* titleJumpButton_ = nullptr;
    QWidget* buttonRow_ = nullptr;
    std::array<LaunchButton*, pages::kSlotCount> launchButtons_{};
    std::array<QLabel*, pages::kSlotCount> slotNumbers_{};
    std::array<GaugeWidget*, 7> gauges_{};
    QListWidget* titleList_ = nullptr;
    QComboBox* driveChooser_ = nullptr;

    QMenu* contextMenu_ = nullptr;
    QMenu* buttonMenu_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    TrayIcon* trayIcon_ = nullptr;
    QElapsedTimer sinceRestore_;

    bool unloaded_ = false;
    // A left press on the window's surface moves the window once the mouse moves.
    SurfaceDrag surfaceDrag_;
    // The release that ends a double-click must not dismiss what the double-click opened.
    bool releaseEndsDoubleClick_ = false;
    // The gauges, the alarm and the clock; none without their services.
    std::unique_ptr<LauncherTicks> ticks_;
    // Last member: the presenter draws into the widgets above from its first call on.
    std::unique_ptr<pages::LauncherPresenter> presenter_;
};

} // namespace vnovla::ui
