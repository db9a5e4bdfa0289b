#include "ui/keys/windows_dialog.h"

#include "keys/consumer_list_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

namespace pelmora {

namespace {

constexpr Rect kLaunchList{43, 145, 151, 305};

} // namespace

CWindowsDialog::CWindowsDialog(QWidget* parent, MessageSink& messages)
    : CChoiceKeyDialog(skin_image::kWindowsKeyBackground,
                       QStringLiteral("Windows Dialog Load background image failed!!!"),
                       listTexts(launchListTexts(languageFromCode(skinState().language()))),
                       kLaunchList, messages, parent) {}

} // namespace pelmora
