#include "ui/services/DesktopMessageBox.h"
#include "ui/services/ModalScope.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QMessageBox::Icon iconOf(MessageBoxService::Kind kind) {
    switch (kind) {
    case MessageBoxService::Kind::Warning:
        return QMessageBox::Warning;
    case MessageBoxService::Kind::Error:
        return QMessageBox::Critical;
    case MessageBoxService::Kind::Information:
        return QMessageBox::Information;
    case MessageBoxService::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageBoxService::Answer DesktopMessageBox::show(Kind kind, Buttons buttons, const QString& text,
                                                  const QString& title) {
    QMessageBox box(iconOf(kind), title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    // Messages quote names and texts from files; markup in them must show as written and never
    // load what it names.
    box.setTextFormat(Qt::PlainText);
    QPushButton* cancel = nullptr;
    QPushButton* no = nullptr;
    QPushButton* yes = nullptr;
    switch (buttons) {
    // Qt's standard buttons, so that OK and Cancel speak the language of Qt's installed texts.
    case Buttons::Ok:
        box.addButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.addButton(QMessageBox::Ok);
        cancel = box.addButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        yes = box.addButton(yesCaption(), QMessageBox::YesRole);
        no = box.addButton(noCaption(), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(yesCaption(), QMessageBox::YesRole);
        no = box.addButton(noCaption(), QMessageBox::NoRole);
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
        break;
    }
    const ModalScope modal;
    box.exec();
    const auto* clicked = box.clickedButton();
    if (buttons == Buttons::YesNo)
        return clicked == yes ? Answer::Yes : Answer::No;
    if (buttons == Buttons::YesNoCancel)
        return clicked == yes ? Answer::Yes : clicked == no ? Answer::No : Answer::Cancel;
    if (buttons == Buttons::OkCancel && (clicked == cancel || clicked == nullptr))
        return Answer::Cancel;
    return Answer::Ok;
}

} // namespace ui
