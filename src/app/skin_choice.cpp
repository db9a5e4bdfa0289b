#include "app/skin_choice.h"

#include "base/log.h"
#include "settings/shell_messages.h"
#include "settings/skin_folders.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skins_dialog.h"

#include <QColor>
#include <QString>

namespace pelmora {

namespace {

constexpr const char* kBackgroundImage = "BasicSet2.png";

void useSkin(const std::filesystem::path& folder, const TextColour& colour) {
    skinState().setSkin(QString::fromStdString(folder.parent_path().string()),
                        QString::fromStdString(folder.filename().string()));
    skinState().setTextColour(QColor(colour.red, colour.green, colour.blue));
}

} // namespace

void SkinChoice::reload() {
    session_.preferences = readPreferences(dataFolder_.preferencesFile(), session_.languageCode());
}

std::filesystem::path SkinChoice::skinFolder() const {
    // "Path" names a folder under the skins roots, else the Default skin is
    // used (the file keeps what it says until the user picks a skin).
    const auto& roots = dataFolder_.skinsRoots();
    const std::string name = effectiveSkinName(roots, session_.preferences.skinPath);
    if (const auto found = findSkin(roots, name)) {
        return *found;
    }
    return (roots.empty() ? dataFolder_.root() / kSkinsFolderName : roots.front()) / name;
}

QSize SkinChoice::backgroundSize() const {
    return skinImageSize(QString::fromStdString((skinFolder() / kBackgroundImage).string()));
}

void SkinChoice::publish() const {
    useSkin(skinFolder(), session_.preferences.textColour());
    skinState().setLanguage(session_.languageCode());
}

bool SkinChoice::choose(MessageSink& messages, QWidget* parent) {
    CSkinsDialog dialog(dataFolder_.skinsRoots(), messages, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    session_.preferences.skinPath = dialog.skinName.toStdString();
    session_.preferences.redText = std::to_string(dialog.red);
    session_.preferences.greenText = std::to_string(dialog.green);
    session_.preferences.blueText = std::to_string(dialog.blue);
    // A new skin folder drops the old skin's images; every window drawn from
    // now on uses the new skin and colour.
    useSkin(dialog.chosenSkinFolder.toStdString(), session_.preferences.textColour());
    std::string error;
    if (!writeSkinPreferences(dataFolder_.preferencesFile(), session_.preferences.textColour(),
                              session_.preferences.skinPath, &error)) {
        logLine(LogCategory::Files, LogLevel::Warning, "the skin was not saved: " + error);
        messages.showMessage(
            notSavedText(dataFolder_.preferencesFile(), error, session_.language()), kAppName);
    }
    return true;
}

void SkinChoice::saveLabels() const {
    std::string error;
    if (!writeLabels(dataFolder_.preferencesFile(), session_.languageCode(),
                     session_.preferences.labels, &error)) {
        logLine(LogCategory::Files, LogLevel::Warning,
                "the button labels were not saved: " + error);
    }
}

} // namespace pelmora
