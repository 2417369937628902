#pragma once

#include "options/options_presenter.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace vnovla::ui {

// The options dialog (FrmOption): three pages of settings, the colour swatches and the
// version. It forwards every edit to its presenter and shows what the presenter tells it.
class OptionsDialog : public QDialog, public options::OptionsView
{
    Q_OBJECT

public:
    OptionsDialog(profile::ProfileStore& store, settings::Options& live, platform::Dialogs& dialogs,
                  options::OptionsRequest request, utilities::ProgramVersion version,
                  QWidget* parent = nullptr);

    options::OptionsPresenter& presenter() { return presenter_; }

    // OptionsView
    void showSettings(const settings::Options& options) override;
    void showSwatches(const options::ColourSlots& swatches) override;
    void showSchemes(const std::vector<std::string>& names) override;
    void showVersion(const options::VersionFace& face) override;
    void selectTab(options::OptionsTab tab) override;
    void closeDialog() override;
    std::uint32_t systemColour(options::SystemColourRole role) const override;

    // Esc and Cancel close without writing.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSettings1();
    QWidget* buildSettings2();
    QWidget* buildAlarm();
    QWidget* buildColours();
    QWidget* buildVersion();
    QCheckBox* addCheck(options::OptionCheck check, const char* name, const QString& caption);

    options::OptionsPresenter presenter_;
    bool closing_ = false;

    QTabWidget* tabs_ = nullptr;
    std::array<QCheckBox*, 9> checks_{};
    QScrollBar* waitBar_ = nullptr;
    QLineEdit* waitText_ = nullptr;
    QScrollBar* startPageBar_ = nullptr;
    QLineEdit* startPageText_ = nullptr;
    std::array<QRadioButton*, 2> dropChoices_{};
    std::array<QRadioButton*, 2> soundChoices_{};
    QLineEdit* soundPath_ = nullptr;
    QComboBox* schemes_ = nullptr;
    std::array<QPushButton*, options::kColourSlotCount> swatches_{};
    QLabel* version_ = nullptr;
    QLineEdit* address_ = nullptr;
};

} // namespace vnovla::ui
