// The menu commands of the source editor.
#include "shell/tarnwellfileviewer.h"

namespace shell {

void TarnwellFileViewer::registerEditorHandlers() {
    registerHandler(QStringLiteral("mEditHTML"), [this](int) { mEditHTML_Click(); });
    registerHandler(QStringLiteral("mSave"), [this](int i) { mSave_Click(i); });
    registerHandler(QStringLiteral("mRestore"), [this](int i) { mRestore_Click(i); });
    registerHandler(QStringLiteral("mSaveWebPage"), [this](int) { mSaveWebPage_Click(); });
    registerHandler(QStringLiteral("mDeleteFile"), [this](int) { mDeleteFile_Click(); });
    registerHandler(QStringLiteral("mFind"), [this](int i) { mFind_Click(i); });
}

} // namespace shell
