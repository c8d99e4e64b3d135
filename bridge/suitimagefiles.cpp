// The suit images next to the articles that use them. The program ships
// them; an article names them by bare file names, so they must lie in its
// own folder. File names here are case-sensitive and different commands
// write "c.gif" and "C.gif": each spelling an article uses is copied.
#include "bridge/bridgecommands.h"

#include "bridge/shippedimages.h"
#include "util/strings.h"

namespace bridge {

using util::qs;

void BridgeCommands::ProvideSuitImages(const QStringList& imageNames) {
    const QString folder = panes().folder[1];
    auto& files = *services_.files;
    if (folder.isEmpty() || !files.exists(folder)) return;
    QStringList copied;
    QStringList failed;
    for (const QString& name : imageNames) {
        if (files.exists(folder + name)) continue; // never replace the user's own image
        const auto bytes = bridge::shippedSuitImage(name);
        if (!bytes) continue;
        if (files.write(folder + name, *bytes))
            copied << name;
        else
            failed << name;
    }
    if (!failed.isEmpty()) {
        message(qs("Could not copy the suit images\r") + failed.join(qs(", ")) + qs("\rto ") +
                folder);
        return;
    }
    if (copied.isEmpty() || suitImagesReported_) return;
    suitImagesReported_ = true;
    message(qs("The suit images this file uses were missing\rfrom its folder and have been copied "
               "there:\r") +
            copied.join(qs(", ")));
}

} // namespace bridge
