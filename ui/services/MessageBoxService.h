#pragma once

#include <QString>

namespace ui {

// Every message box of a program goes through this service.
class MessageBoxService {
public:
    enum class Kind { Warning, Error, Information, Question };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxService() = default;

    // Shows the box modally; the answer is the button pressed (closing the box counts as Cancel or
    // No, whichever the box has, and as OK for a box with OK alone).
    virtual Answer show(Kind kind, Buttons buttons, const QString& text, const QString& title = {}) = 0;

    // Captions of the Yes and OK buttons and of the No button; the language tables set them.
    void setCaptions(const QString& yesOk, const QString& no) {
        m_yesOkCaption = yesOk;
        m_noCaption = no;
    }
    const QString& yesOkCaption() const { return m_yesOkCaption; }
    const QString& noCaption() const { return m_noCaption; }

private:
    QString m_yesOkCaption = QStringLiteral("OK");
    QString m_noCaption = QStringLiteral("No");
};

} // namespace ui
