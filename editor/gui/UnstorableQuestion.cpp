#include "editor/gui/UnstorableQuestion.h"

#include "editor/language/LanguageTables.h"
#include "ui/services/MessageBoxService.h"

namespace unstorable {

bool confirm(ui::MessageBoxService& messages, const LanguageTables& language, const Findings& findings) {
    if (findings.empty())
        return true;
    using Msg = ui::MessageBoxService;
    return messages.show(Msg::Kind::Warning, Msg::Buttons::OkCancel,
                         language.message(u"M88").arg(listing(findings) + QStringLiteral("\n\n"))) ==
           Msg::Answer::Ok;
}

} // namespace unstorable
