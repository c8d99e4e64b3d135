// The menu commands of the source editor.
#include "editor/editsession.h"

namespace editor {

void EditSession::registerHandlers() {
    host_.registerHandler(QStringLiteral("mSave"), [this](int i) { mSave_Click(i); });
    host_.registerHandler(QStringLiteral("mRestore"), [this](int i) { mRestore_Click(i); });
    host_.registerHandler(QStringLiteral("mFind"), [this](int i) { mFind_Click(i); });
}

} // namespace editor
