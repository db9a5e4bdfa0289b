#include "keys/consumer_list_texts.h"

namespace pelmora {

namespace {

template <std::size_t N> struct ListTexts {
    Language language;
    std::array<std::string_view, N> list;
};

// English is the lists' own text (key_lists.cpp).
constexpr std::array<ListTexts<kMediaCount>, 3> kMediaTexts = {{
    {Language::SimplifiedChinese,
     {"下一曲", "上一曲", "停止", "播放/暂停", "静音", "音量+", "音量-"}},
    {Language::TraditionalChinese,
     {"下一首", "上一首", "停止", "播放/暫停", "靜音", "音量+", "音量-"}},
    {Language::Turkish,
     {"Sonraki", "Önceki", "Durdur", "Oynat/Duraklat", "Sessiz", "Ses+", "Ses-"}},
}};

constexpr std::array<ListTexts<kLaunchCount>, 3> kLaunchTexts = {{
    {Language::SimplifiedChinese,
     {"媒体播放器", "邮件", "计算器", "我的电脑", "浏览器-搜索", "浏览器-主页", "浏览器-后退",
      "浏览器-前进", "浏览器-停止", "浏览器-刷新", "浏览器-收藏夹"}},
    {Language::TraditionalChinese,
     {"媒體播放器", "郵件", "小算盤", "我的電腦", "瀏覽器-搜尋", "瀏覽器-首頁", "瀏覽器-上一頁",
      "瀏覽器-下一頁", "瀏覽器-停止", "瀏覽器-重新整理", "瀏覽器-我的最愛"}},
    {Language::Turkish,
     {"Medya Oynatıcı", "Posta", "Hesap Makinesi", "Bilgisayarım", "Tarayıcı-Ara",
      "Tarayıcı-Ana Sayfa", "Tarayıcı-Geri", "Tarayıcı-İleri", "Tarayıcı-Durdur", "Tarayıcı-Yenile",
      "Tarayıcı-Yer İmleri"}},
}};

template <std::size_t N, std::size_t Rows, typename English>
std::array<std::string_view, N> textsFor(const std::array<ListTexts<N>, Rows>& table,
                                         Language language, English english) {
    for (const auto& row : table) {
        if (row.language == language) {
            return row.list;
        }
    }
    std::array<std::string_view, N> list{};
    for (std::size_t i = 0; i < N; ++i) {
        list[i] = english(i);
    }
    return list;
}

} // namespace

std::array<std::string_view, kMediaCount> mediaListTexts(Language language) {
    return textsFor(kMediaTexts, language, [](std::size_t i) { return mediaText(i); });
}

std::array<std::string_view, kLaunchCount> launchListTexts(Language language) {
    return textsFor(kLaunchTexts, language, [](std::size_t i) { return launchText(i); });
}

std::string_view mediaText(std::size_t position, Language language) {
    return position < kMediaCount ? mediaListTexts(language)[position] : std::string_view{};
}

std::string_view launchText(std::size_t position, Language language) {
    return position < kLaunchCount ? launchListTexts(language)[position] : std::string_view{};
}

} // namespace pelmora
