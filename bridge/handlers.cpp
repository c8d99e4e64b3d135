// The menu commands of the bridge notation.
#include "shell/tarnwellfileviewer.h"

namespace shell {

void TarnwellFileViewer::registerBridgeHandlers() {}

} // namespace shell
