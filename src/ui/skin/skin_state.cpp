#include "ui/skin/skin_state.h"

#include "ui/skin/skin_images.h"

namespace pelmora {

void SkinState::setSkin(const QString& skinsFolder, const QString& name) {
    folder_ = skinsFolder + "/" + name;
    name_ = name;
    skinImageCache().clear();
}

QString SkinState::imagePath(std::string_view imageName) const {
    return folder_ + QString::fromUtf8(imageName);
}

SkinState& skinState() {
    static SkinState state;
    return state;
}

} // namespace pelmora
