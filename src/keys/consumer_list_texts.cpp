#include "keys/consumer_list_texts.h"

namespace pelmora {

namespace {

// The other three languages of each entry; the English text is the list's
// own (key_lists.cpp), so the english column stays empty here.
constexpr std::array<TranslatedText, kMediaCount> kMediaTexts{{
    {"下一曲", "下一首", "Sonraki", ""},
    {"上一曲", "上一首", "Önceki", ""},
    {"停止", "停止", "Durdur", ""},
    {"播放/暂停", "播放/暫停", "Oynat/Duraklat", ""},
    {"静音", "靜音", "Sessiz", ""},
    {"音量+", "音量+", "Ses+", ""},
    {"音量-", "音量-", "Ses-", ""},
}};

constexpr std::array<TranslatedText, kLaunchCount> kLaunchTexts{{
    {"媒体播放器", "媒體播放器", "Medya Oynatıcı", ""},
    {"邮件", "郵件", "Posta", ""},
    {"计算器", "小算盤", "Hesap Makinesi", ""},
    {"我的电脑", "我的電腦", "Bilgisayarım", ""},
    {"浏览器-搜索", "瀏覽器-搜尋", "Tarayıcı-Ara", ""},
    {"浏览器-主页", "瀏覽器-首頁", "Tarayıcı-Ana Sayfa", ""},
    {"浏览器-后退", "瀏覽器-上一頁", "Tarayıcı-Geri", ""},
    {"浏览器-前进", "瀏覽器-下一頁", "Tarayıcı-İleri", ""},
    {"浏览器-停止", "瀏覽器-停止", "Tarayıcı-Durdur", ""},
    {"浏览器-刷新", "瀏覽器-重新整理", "Tarayıcı-Yenile", ""},
    {"浏览器-收藏夹", "瀏覽器-我的最愛", "Tarayıcı-Yer İmleri", ""},
}};

template <std::size_t N, typename English>
std::array<std::string_view, N> textsFor(const std::array<TranslatedText, N>& table,
                                         Language language, English english) {
    std::array<std::string_view, N> list{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view text = inLanguage(table[i], language);
        list[i] = text.empty() ? english(i) : text;
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
