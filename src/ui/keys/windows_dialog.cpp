#include "ui/keys/windows_dialog.h"

#include "keys/key_lists.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

#include <array>

namespace pelmora {

namespace {

struct LaunchTexts {
    std::string_view language;
    std::array<const char*, kLaunchCount> list;
};

constexpr std::array<LaunchTexts, 4> kTexts = {{
    {"",
     {"Multimedia Player", "Mail", "Calculator", "My Computer", "Browser-Search", "Browser-Home",
      "Browser-Back", "Browser-Forward", "Browser-Stop", "Browser-Refresh",
      "Browser-My Favorites"}},
    {"CHS",
     {"媒体播放器", "邮件", "计算器", "我的电脑", "浏览器-搜索", "浏览器-主页", "浏览器-后退",
      "浏览器-前进", "浏览器-停止", "浏览器-刷新", "浏览器-收藏夹"}},
    {"CHT",
     {"媒體播放器", "郵件", "小算盤", "我的電腦", "瀏覽器-搜尋", "瀏覽器-首頁", "瀏覽器-上一頁",
      "瀏覽器-下一頁", "瀏覽器-停止", "瀏覽器-重新整理", "瀏覽器-我的最愛"}},
    {"TUR",
     {"Medya Oynatıcı", "Posta", "Hesap Makinesi", "Bilgisayarım", "Tarayıcı-Ara",
      "Tarayıcı-Ana Sayfa", "Tarayıcı-Geri", "Tarayıcı-İleri", "Tarayıcı-Durdur", "Tarayıcı-Yenile",
      "Tarayıcı-Yer İmleri"}},
}};

constexpr Rect kLaunchList{43, 145, 151, 305};

} // namespace

QStringList launchListTexts(std::string_view language) {
    return listForLanguage(kTexts, language);
}

CWindowsDialog::CWindowsDialog(QWidget* parent, MessageSink& messages)
    : CChoiceKeyDialog(skin_image::kWindowsKeyBackground,
                       QStringLiteral("Windows Dialog Load background image failed!!!"),
                       launchListTexts(skinState().language()), kLaunchList, messages, parent) {}

} // namespace pelmora
