#include "editor/gui/ItemDialog.h"

#include "editor/project/EditorState.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/TitleWidth.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Msg = ui::MessageBoxService;

void ItemDialogContext::click() const {
    services.sound.play(ProjectFiles::clickSound());
}

bool ItemDialogContext::gate() const {
    if (projectOpen())
        return true;
    information(u"M1");
    return false;
}

void ItemDialogContext::information(const char16_t* key) const {
    services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok,
                           state.language.message(QStringView(key)));
}

void ItemDialogContext::warning(const char16_t* key) const {
    services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok, state.language.message(QStringView(key)));
}

void ItemDialogContext::error(const char16_t* key) const {
    services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok, state.language.message(QStringView(key)));
}

void ItemDialogContext::showTipIfWanted() const {
    if (state.prefs.showFt && tip)
        tip->exec();
}

void ItemDialogContext::help(int context) const {
    services.help.showHelp(state.helpFile, context);
}

QString ItemDialogContext::yesNo(bool yes) const {
    return yes ? state.language.yesText() : state.language.noText();
}

ItemDialog::ItemDialog(ItemDialogContext& context, const QString& name, const QString& title, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(name);
    setWindowTitle(title);
}

void ItemDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange)
        ui::fitWidthToTitle(*this);
    QDialog::changeEvent(event);
}

QPushButton* ItemDialog::button(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* ItemDialog::edit(const QString& name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    return e;
}

QLabel* ItemDialog::label(const QString& caption, const QString& name) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    return l;
}

QLabel* ItemDialog::heading(const QString& caption) {
    QLabel* l = label(caption);
    QFont font = l->font();
    font.setPointSize(11);
    font.setBold(true);
    l->setFont(font);
    return l;
}

QHBoxLayout* ItemDialog::buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

QComboBox* ItemDialog::categoryBox(const QString& name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(false);
    return box;
}
