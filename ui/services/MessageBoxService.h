#pragma once

#include <QString>

namespace ui {

// Every message box of a program goes through this service.
class MessageBoxService {
public:
    enum class Kind { Warning, Error, Information, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxService() = default;

    // Shows the box modally; the answer is the button pressed (closing the box counts as Cancel or,
    // without one, No, and as OK for a box with OK alone).
    virtual Answer show(Kind kind, Buttons buttons, const QString& text, const QString& title = {}) = 0;

    // Captions of the Yes and the No button; the language tables set them. Before any language
    // is applied the Yes button reads "OK". The OK and Cancel buttons keep their own captions.
    void setCaptions(const QString& yes, const QString& no) {
        m_yesCaption = yes;
        m_noCaption = no;
    }
    const QString& yesCaption() const { return m_yesCaption; }
    const QString& noCaption() const { return m_noCaption; }

private:
    QString m_yesCaption = QStringLiteral("OK");
    QString m_noCaption = QStringLiteral("No");
};

} // namespace ui
