#pragma once

#include <QDialog>

class QIcon;

namespace vnovla::ui {

// FrmAlarm: "時間です！" with an OK button, shown without an owner when an alarm goes off.
// It deletes itself when closed, so every alarm gets a fresh one.
class AlarmDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AlarmDialog(const QIcon& icon);
};

} // namespace vnovla::ui
