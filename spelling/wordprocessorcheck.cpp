// The document check without a lexicon: the whole source goes to the
// spelling service, whose own dialog corrects it, and the corrected text
// comes back to the editor, to the screen only or to disk as well.
#include "spelling/spellingcontroller.h"
#include "util/numbers.h"

namespace spelling {

using shell::crJoin;
namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}
} // namespace

void SpellingController::WordProcessorSpellCheck() {
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor) return;
    platform::SpellingError error;
    std::optional<QString> corrected;
    platform::SpellingService* service = services_.speller;
    if (!service) {
        error = {429, ql("No spelling service is installed.")};
    } else {
        ui_.window->setScreenPointer(platform::Pointer::Hourglass);
        const bool opened = service->open(&error);
        ui_.window->setScreenPointer(platform::Pointer::Default);
        if (opened) {
            corrected = service->check(editor->text(), &error);
            service->close();
        }
    }
    if (!corrected) {
        message(ql("Error") + util::numberText(error.number) + ql(" opening Word.\r\n") +
                error.description);
        return;
    }

    // The service ends every paragraph with a CR; the editor breaks lines with CR LF.
    QString s = *corrected;
    s.replace(ql("\r\n"), ql("\r")); // a service that broke lines itself
    if (s.endsWith(QLatin1Char('\r'))) s.chop(1);
    s.replace(QLatin1Char('\r'), ql("\r\n"));

    const platform::Answer answer =
        message(crJoin(crJoin(ql("Save all corrections to disk?"),
                              ql("(No = save to display, not to disk.")),
                       ql(" Cancel = discard all corrections.)")),
                platform::Buttons::YesNoCancel);
    if (answer == platform::Answer::Cancel) return;
    editor->setText(s);
    if (answer == platform::Answer::Yes) {
        host_.document().save(activePane());
    }
}

} // namespace spelling
