#include "ui/qt/MessageBox.h"

#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>

namespace nonagra::qt {

form::MessageAnswer askUser(QWidget* parent, const std::string& title, const std::string& text,
                            form::MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    // The program's default font is one of its window's; a message speaks in
    // the desktop's, taking none of its properties from the default.
    QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    desktop.setResolveMask(QFont::AllPropertiesResolved);
    box.setFont(desktop);
    if (buttons == form::MessageButtons::Ok) {
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
        return form::MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? form::MessageAnswer::Yes : form::MessageAnswer::No;
}

} // namespace nonagra::qt
