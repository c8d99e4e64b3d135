#pragma once

#include "platform/menu.h"

#include <QString>
#include <vector>

namespace shell {

using platform::MenuItem;

// The whole tree in menu order (parents before their entries).
const std::vector<MenuItem>& menuTree();

} // namespace shell
