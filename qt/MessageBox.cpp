#include "qt/MessageBox.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace nonagra::qt {

namespace {

// Room for the title "Nonagra" in a usual frame, however short the text.
constexpr int minimumWidth = 200;

// A question is answered only by one of its buttons: Escape and the frame's
// close would otherwise count as its "No".
class AnswerOnlyByButton : public QObject {
public:
    explicit AnswerOnlyByButton(QMessageBox& box) : box_(box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || box_.clickedButton() != nullptr) {
            return false;
        }
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
    }

private:
    QMessageBox& box_;
};

void keepMinimumWidth(QMessageBox& box) {
    // The box sizes itself from its layout, so a minimum width set on the box
    // is overruled; a spacer across the layout's columns holds.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(minimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

// The box keeps a column for an icon left of its text even without one, so
// the text would stand off centre: it spans every column, centred.
void centreText(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (grid == nullptr || text == nullptr) {
        return;
    }
    grid->removeWidget(text);
    grid->addWidget(text, 0, 0, 1, grid->columnCount());
    text->setAlignment(Qt::AlignCenter);
}

} // namespace

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
    keepMinimumWidth(box);
    centreText(box);
    if (buttons == form::MessageButtons::Ok) {
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
        return form::MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    // Closing a question does nothing, so its frame offers no close button.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Gone before the box, so it never sees the events of a box half destroyed.
    const AnswerOnlyByButton onlyButtons(box);
    box.exec();
    return box.clickedButton() == yes ? form::MessageAnswer::Yes : form::MessageAnswer::No;
}

} // namespace nonagra::qt
