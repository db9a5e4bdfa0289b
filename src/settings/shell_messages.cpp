#include "settings/shell_messages.h"

namespace pelmora {

namespace {

struct MessageRow {
    ShellMessage id;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

constexpr std::array<MessageRow, static_cast<std::size_t>(ShellMessage::Count)> kMessages{{
    {ShellMessage::SettingsNotLoaded,
     "启动时未能读取设置文件 config.bin。为避免清空鼠标的设置，没有向鼠标发送任何内容，"
     "也没有保存任何内容。请修复或恢复该文件后重新启动程序。",
     "啟動時未能讀取設定檔 config.bin。為避免清空滑鼠的設定，沒有向滑鼠傳送任何內容，"
     "也沒有儲存任何內容。請修復或還原該檔案後重新啟動程式。",
     "Ayar dosyası config.bin başlangıçta okunamadı. Farenin ayarlarını silmemek için fareye "
     "hiçbir şey gönderilmedi ve hiçbir şey kaydedilmedi. Dosyayı onarın veya geri yükleyin, "
     "sonra programı yeniden başlatın.",
     "The settings file config.bin could not be read at start-up. To keep the mouse's settings "
     "from being wiped, nothing was sent to the mouse and nothing was saved. Repair or restore "
     "the file, then start the program again."},
}};

} // namespace

std::string_view shellMessage(ShellMessage id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kMessages.size()) {
        return {};
    }
    const MessageRow& row = kMessages[index];
    return inLanguage(row, language);
}

} // namespace pelmora
