#include "ui/keys/media_dialog.h"

#include "keys/key_lists.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

#include <array>

namespace pelmora {

namespace {

struct MediaTexts {
    std::string_view language;
    std::array<const char*, kMediaCount> list;
};

constexpr std::array<MediaTexts, 4> kTexts = {{
    {"", {"Next", "Previous", "Stop", "Play/Pause", "Mute", "Vol+", "Vol-"}},
    {"CHS", {"下一曲", "上一曲", "停止", "播放/暂停", "静音", "音量+", "音量-"}},
    {"CHT", {"下一首", "上一首", "停止", "播放/暫停", "靜音", "音量+", "音量-"}},
    {"TUR", {"Sonraki", "Önceki", "Durdur", "Oynat/Duraklat", "Sessiz", "Ses+", "Ses-"}},
}};

constexpr Rect kMediaList{43, 145, 151, 265};

} // namespace

QStringList mediaListTexts(std::string_view language) {
    return listForLanguage(kTexts, language);
}

CMediaDialog::CMediaDialog(QWidget* parent, MessageSink& messages)
    : CChoiceKeyDialog(skin_image::kMediaKeyBackground,
                       QStringLiteral("Media Dialog Load background image failed!!!"),
                       mediaListTexts(skinState().language()), kMediaList, messages, parent) {}

} // namespace pelmora
