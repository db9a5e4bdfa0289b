#include "ui/keys/media_dialog.h"

#include "keys/consumer_list_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

namespace pelmora {

namespace {

constexpr Rect kMediaList{43, 145, 151, 265};

} // namespace

CMediaDialog::CMediaDialog(QWidget* parent, MessageSink& messages)
    : CChoiceKeyDialog(skin_image::kMediaKeyBackground,
                       QStringLiteral("Media Dialog Load background image failed!!!"),
                       listTexts(mediaListTexts(languageFromCode(skinState().language()))),
                       kMediaList, messages, parent) {}

} // namespace pelmora
