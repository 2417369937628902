#include "ui/alarm_dialog.h"

#include "ui/twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace vnovla::ui {

AlarmDialog::AlarmDialog(const QIcon& icon)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("FrmAlarm"));
    setWindowTitle(tr("VESKA NOVLA アラーム"));
    setAccessibleName(windowTitle());
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    setFixedSize(twipsToPixels(2925, dpi), twipsToPixels(1800, dpi));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsToPixels(360, 120, 615, 615, dpi));
    image->setPixmap(icon.pixmap(image->size()));
    image->setAccessibleName(tr("アラーム"));

    auto* label = new QLabel(tr("時間です！"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(twipsToPixels(1080, 240, 1335, 255, dpi));
    label->setAccessibleName(label->text());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(twipsToPixels(840, 960, 1215, 375, dpi));
    ok->setAccessibleName(ok->text());
    // Enter presses it, Esc closes the dialog as well.
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vnovla::ui
