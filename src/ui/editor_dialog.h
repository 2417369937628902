#pragma once

#include "editor/editor_presenter.h"
#include "editor/editor_view.h"
#include "ui/surface_drag.h"

#include <QDialog>

#include <memory>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vnovla::ui {

// The button editor (FrmEdit) with its icon picker. It shows what EditorPresenter decides and
// forwards the user's edits, clicks and drops to it.
class EditorDialog : public QDialog, public editor::EditorView
{
    Q_OBJECT

public:
    EditorDialog(editor::EditorServices services, QWidget* parent = nullptr);
    ~EditorDialog() override;

    editor::EditorPresenter& presenter() { return *presenter_; }

    // EditorView
    void setCaption(const std::string& caption) override;
    void showPath(const std::string& text) override;
    void showTooltip(const std::string& text) override;
    void showIconFile(const std::string& text) override;
    void showIconIndex(int index) override;
    void setOkEnabled(bool enabled) override;
    void showPreview(const platform::Picture& picture) override;
    void focusDialog() override;
    void finish(editor::EditorOutcome outcome) override;

    // Esc and the close box end the dialog as Cancel does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class DropTarget {
        Path,
        IconFile,
    };
    void buildLayout();
    QRect place(double left, double top, double width, double height) const;
    QGroupBox* frame(const char* name, const QString& caption, const QRect& geometry);
    void connectControls();
    // Routes a drag or a drop on a control to the field it sets; true when it was handled.
    bool handleDrag(QEvent* event, DropTarget target);
    bool stepIconIndex(const QKeyEvent* key);

    double dpi_;
    SurfaceDrag surfaceDrag_;
    QGroupBox* pathFrame_ = nullptr;
    QGroupBox* tooltipFrame_ = nullptr;
    QGroupBox* iconFrame_ = nullptr;
    QGroupBox* iconFileFrame_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browsePath_ = nullptr;
    QLineEdit* tooltip_ = nullptr;
    QLabel* preview_ = nullptr;
    QScrollBar* iconIndex_ = nullptr;
    QLabel* iconIndexLabel_ = nullptr;
    QPushButton* associatedIcon_ = nullptr;
    QLineEdit* iconFile_ = nullptr;
    QPushButton* browseIconFile_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::unique_ptr<editor::EditorPresenter> presenter_;
};

} // namespace vnovla::ui
