#include "settings/shell_messages.h"

#include <system_error>

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
    {ShellMessage::NoMouseToSend,
     "未连接鼠标，没有发送或保存任何内容。您的修改仍然保留：请插入鼠标，然后再次点击应用。",
     "未連接滑鼠，沒有傳送或儲存任何內容。您的修改仍然保留：請插入滑鼠，然後再次點擊應用。",
     "Fare bağlı değil; hiçbir şey gönderilmedi veya kaydedilmedi. Değişiklikleriniz duruyor: "
     "fareyi takın, sonra yeniden Uygula'ya basın.",
     "The mouse is not connected, so nothing was sent or saved. Your edits are kept: plug the "
     "mouse in, then press Apply again."},
    {ShellMessage::NoMouseStatus, "未连接鼠标：请插入鼠标", "未連接滑鼠：請插入滑鼠",
     "Fare yok: lütfen takın", "No mouse: please plug it in"},
    {ShellMessage::PlugInAdvice,
     "请插入鼠标。如果已插入，请在终端运行 pelmora-cli doctor：它会指出当前用户缺少的 udev "
     "规则以及安装命令。",
     "請插入滑鼠。如果已插入，請在終端機執行 pelmora-cli doctor：它會指出目前使用者缺少的 udev "
     "規則以及安裝指令。",
     "Fareyi takın. Takılıysa, bir uçbirimde pelmora-cli doctor komutunu çalıştırın: bu "
     "kullanıcının erişmesi için gereken udev kuralını ve kurulum komutunu söyler.",
     "Plug the mouse in. If it is plugged in, run pelmora-cli doctor in a terminal: it names the "
     "udev rule this user needs and the command that installs it."},
}};

struct FormatRow {
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

// %1 = the file, %2 = the reason.
constexpr FormatRow kNotSaved{"未能保存 %1：%2", "未能儲存 %1：%2", "%1 kaydedilemedi: %2",
                              "%1 was not saved: %2"};

// %1 = the file.
constexpr FormatRow kConfigMissingHelp{
    "缺少 %1。请从安装目录的 share/pelmora/config.bin 或构建目录的 bin/ 文件夹恢复该文件。",
    "缺少 %1。請從安裝目錄的 share/pelmora/config.bin 或建置目錄的 bin/ 資料夾還原該檔案。",
    "%1 eksik. Kurulumun share/pelmora/config.bin dosyasından veya derlemenin bin/ klasöründen "
    "geri yükleyin.",
    "%1 is missing. Restore it from share/pelmora/config.bin of the installation, or from the "
    "build's bin/ folder."};

constexpr std::array<FormatRow, static_cast<std::size_t>(FailureHelp::Count)> kFailureHelp{{
    {"无法接收鼠标自身的事件（DPI 切换、拔出）：%1。请在终端运行 pelmora-cli doctor 查看原因。",
     "無法接收滑鼠自身的事件（DPI 切換、拔出）：%1。請在終端機執行 pelmora-cli doctor 查看原因。",
     "Farenin kendi olayları (DPI değişimi, çıkarılma) alınamıyor: %1. Nedenini görmek için bir "
     "uçbirimde pelmora-cli doctor çalıştırın.",
     "The mouse's own events (DPI switches, its removal) cannot be received: %1. Run "
     "pelmora-cli doctor in a terminal to see why."},
    {"将不会察觉鼠标的插入和拔出：%1。重新启动程序后再试；pelmora-cli doctor 可显示更多信息。",
     "將不會察覺滑鼠的插入和拔出：%1。重新啟動程式後再試；pelmora-cli doctor 可顯示更多資訊。",
     "Farenin takılıp çıkarılması fark edilmeyecek: %1. Programı yeniden başlatın; "
     "pelmora-cli doctor daha fazlasını söyler.",
     "Plugging the mouse in or out will not be noticed: %1. Start the program again; "
     "pelmora-cli doctor tells more."},
    {"未能读取桌面的指针设置：%1。页面显示的是默认值；请检查桌面的鼠标设置。",
     "未能讀取桌面的指標設定：%1。頁面顯示的是預設值；請檢查桌面的滑鼠設定。",
     "Masaüstünün işaretçi ayarları okunamadı: %1. Sayfa varsayılan değerleri gösteriyor; "
     "masaüstünün fare ayarlarını denetleyin.",
     "The desktop's pointer settings could not be read: %1. The page shows the defaults; check "
     "the desktop's mouse settings."},
    {"桌面拒绝了指针设置：%1。鼠标的设置已发送；pelmora-cli doctor 会显示哪些设置被锁定。",
     "桌面拒絕了指標設定：%1。滑鼠的設定已傳送；pelmora-cli doctor 會顯示哪些設定被鎖定。",
     "Masaüstü işaretçi ayarlarını reddetti: %1. Farenin ayarları gönderildi; hangi ayarların "
     "kilitli olduğunu pelmora-cli doctor gösterir.",
     "The desktop refused the pointer settings: %1. The mouse's settings were sent; pelmora-cli "
     "doctor shows which settings are locked."},
    {"皮肤文件夹 %2 中缺少图片 %1。请选择其他皮肤，或从安装目录的 share/pelmora/Skins "
     "恢复该文件夹。",
     "面板資料夾 %2 中缺少圖片 %1。請選擇其他面板，或從安裝目錄的 share/pelmora/Skins "
     "還原該資料夾。",
     "%2 tema klasöründe %1 resmi yok. Başka bir tema seçin veya klasörü kurulumun "
     "share/pelmora/Skins klasöründen geri yükleyin.",
     "The image %1 is missing from the skin folder %2. Choose another skin, or restore the "
     "folder from share/pelmora/Skins of the installation."},
}};

std::string filled(std::string_view format, std::string_view first, std::string_view second) {
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == '1' || format[i + 1] == '2')) {
            text += format[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

constexpr std::array<ShellMessage, 2> kRefusalMessages{ShellMessage::NoMouseToSend,
                                                       ShellMessage::SettingsNotLoaded};

} // namespace

std::string_view shellMessage(ShellMessage id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kMessages.size()) {
        return {};
    }
    const MessageRow& row = kMessages[index];
    return inLanguage(row, language);
}

std::string_view applyRefusalText(ApplyRefusal refusal, Language language) {
    const auto index = static_cast<std::size_t>(refusal);
    return index < kRefusalMessages.size() ? shellMessage(kRefusalMessages[index], language)
                                           : std::string_view{};
}

std::string notSavedText(const std::filesystem::path& file, std::string_view reason,
                         Language language) {
    return filled(inLanguage(kNotSaved, language), file.string(), reason);
}

std::string failureHelp(FailureHelp help, Language language, std::string_view first,
                        std::string_view second) {
    const auto index = static_cast<std::size_t>(help);
    return index < kFailureHelp.size()
               ? filled(inLanguage(kFailureHelp[index], language), first, second)
               : std::string();
}

std::string configMissingHelp(const std::filesystem::path& file, Language language) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    return filled(inLanguage(kConfigMissingHelp, language), (ec ? file : full).string(), {});
}

} // namespace pelmora
