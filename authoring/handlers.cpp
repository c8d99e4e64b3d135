// The menu commands of the HTML authoring.
#include "shell/tarnwellfileviewer.h"

namespace shell {

void TarnwellFileViewer::registerAuthoringHandlers() {}

} // namespace shell
