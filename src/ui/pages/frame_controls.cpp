// The controls of the shown page in reading order: the title bar's buttons,
// the page tabs, the page's heading, the parts of the page, then OK, Apply,
// Cancel and the web link at the bottom.

#include "settings/control_names.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/skin_state.h"

namespace pelmora {

namespace L = layout;

void PageFrame::describeControls(std::vector<SkinControl>& out) {
    if (page_ == NoPage) {
        return;
    }
    const Language language = languageFromCode(skinState().language());
    const auto named = [language](ControlName name) {
        const std::string_view t = controlName(name, language);
        return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    };
    // What would send, restore or restyle the settings waits while they are sent.
    const bool busy = hooks_.busy && hooks_.busy();
    out.push_back({.rect = L::kSkinsButton, .name = named(ControlName::Skins), .disabled = busy});
    out.push_back({.rect = L::kMinimiseButton, .name = named(ControlName::Minimise)});
    out.push_back({.rect = L::kCloseButton, .name = named(ControlName::Close)});
    out.push_back({.rect = L::kBasicTab,
                   .role = QAccessible::PageTab,
                   .name = text(TextId::BasicSettings),
                   .checked = page_ == BasicPage});
    out.push_back({.rect = L::kAdvancedTab,
                   .role = QAccessible::PageTab,
                   .name = text(TextId::AdvancedSettings),
                   .checked = page_ == AdvancedPage});
    out.push_back(
        {.rect = L::kPageTitle,
         .role = QAccessible::Heading,
         .name = text(page_ == BasicPage ? TextId::BasicSettings : TextId::AdvancedSettings)});
    for (PagePart* part : partsOf(page_)) {
        part->describe(out);
    }
    for (const auto& [control, id] :
         {std::pair{FrameControl::Ok, TextId::Ok}, std::pair{FrameControl::Apply, TextId::Apply},
          std::pair{FrameControl::Cancel, TextId::Cancel}}) {
        out.push_back({.rect = frameArea(control).rect, .name = text(id), .disabled = busy});
    }
    out.push_back(
        {.rect = L::kWebLink, .role = QAccessible::Link, .name = text(TextId::WebAddress)});
}

} // namespace pelmora
