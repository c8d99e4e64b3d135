// The menu commands of the spelling checker.
#include "shell/tarnwellfileviewer.h"

namespace shell {

void TarnwellFileViewer::registerSpellingHandlers() {}

} // namespace shell
