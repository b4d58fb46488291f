#include "editor/gui/items/AddItemDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AddItemDialog::AddItemDialog(ItemDialogContext& context, const QString& name, const QString& title,
                             QStringView section, QStringView titleKey, QWidget* parent)
    : ItemDialog(context, name, title, parent), m_fields(context, *this, m_captions),
      m_section(section.toString()), m_titleKey(titleKey.toString()) {}

void AddItemDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(m_titleKey));
    applyCaptions(m_captions, file, m_section);
}

QPushButton* AddItemDialog::button(const QString& name, const QString& caption, int key) {
    QPushButton* b = button(name, caption);
    m_captions.push_back(captionOf(windowKey(key), b));
    return b;
}

QPushButton* AddItemDialog::chooseButton() {
    m_chooseButton = button(QStringLiteral("selfilebtn"), QStringLiteral("Select File"), 2);
    return m_chooseButton;
}

QHBoxLayout* AddItemDialog::headingRow(const QString& caption, std::initializer_list<QWidget*> controls) {
    QLabel* title = heading(caption);
    m_captions.push_back(captionOf(windowKey(1), title));
    auto* row = new QHBoxLayout;
    row->addWidget(title, 1);
    for (QWidget* w : controls)
        row->addWidget(w);
    return row;
}

QVBoxLayout* AddItemDialog::arrange(QLayout* top, const std::array<const char*, 3>& names, int firstKey,
                                    int helpContext) {
    m_okButton = button(QLatin1String(names[0]), QStringLiteral("OK"), firstKey);
    m_okButton->setDefault(true);
    QPushButton* cancel = button(QLatin1String(names[1]), QStringLiteral("Cancel"), firstKey + 1);
    QPushButton* help = button(QLatin1String(names[2]), QStringLiteral("Help"), firstKey + 2);
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_context.click();
        reject();
    });
    connect(help, &QPushButton::clicked, this, [this, helpContext] {
        m_context.click();
        m_context.help(helpContext);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(m_fields.layout());
    layout->addLayout(buttonRow({m_okButton, cancel, help}));
    return layout;
}

int AddItemDialog::storeItem(const ItemRecord& record) {
    const int row = itemrules::rowForNewItem(m_context.items);
    m_context.items.setRecord(row, record);
    m_context.state.modified = true;
    return row;
}

void AddItemDialog::finish(int row) {
    accept();
    m_context.makeCurrent(row);
}
