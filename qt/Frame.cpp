#include "qt/Frame.h"

#include "qt/IconImage.h"
#include "qt/Taskbar.h"
#include "qt/Twips.h"

#include <QIcon>
#include <QPixmap>

namespace nonagra::qt {

namespace {

Qt::WindowFlags flagsOf(const form::Form& form) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (form.ControlBox) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (canMinimize(form)) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (form.MaxButton && form.Border == form::FrameBorder::Sizable) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    return flags;
}

} // namespace

bool canMinimize(const form::Form& form) {
    return form.ControlBox && form.MinButton;
}

void applyFrame(QWidget& window, const form::Form& form, double zoom) {
    window.setWindowFlags(flagsOf(form));
    window.setWindowTitle(QString::fromStdString(form.Caption));
    const QSize client(widgetRect({0, 0, form.ClientWidth, form.ClientHeight}, zoom).size());
    if (form.Border == form::FrameBorder::FixedSingle) {
        window.setFixedSize(client);
    } else {
        window.resize(client);
    }
    if (form.WindowIcon) {
        window.setWindowIcon(QIcon(QPixmap::fromImage(iconImage(*form.WindowIcon))));
    }
}

void prepareShowing(QWidget& window, const form::Form& form) {
    if (!form.ShowInTaskbar) {
        skipTaskbar(window);
    }
}

} // namespace nonagra::qt
