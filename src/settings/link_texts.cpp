#include "settings/link_texts.h"

#include <array>

namespace pelmora {

namespace {

struct LinkTextRow {
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

// %1 = writes lost, %2 = writes made.
constexpr LinkTextRow kWritesLost{
    "鼠标停止响应；%2 次写入中有 %1 次未送达鼠标。",
    "滑鼠停止回應；%2 次寫入中有 %1 次未送達滑鼠。",
    "Fare yanıt vermeyi bıraktı; %2 yazma işleminden %1 tanesi fareye ulaşmadı.",
    "The mouse stopped answering; %1 of %2 writes did not reach it.",
};

// Indexed by MouseProblem; the first row (None) is empty.
constexpr std::array<LinkTextRow, 4> kProblems{{
    {"", "", "", ""},
    {"鼠标已连接，但当前用户无权访问它（请安装 udev 规则 70-pelmora.rules，然后重新插拔鼠标）。",
     "滑鼠已連接，但目前使用者無權存取它（請安裝 udev 規則 70-pelmora.rules，然後重新插拔滑鼠）。",
     "Fare takılı, ancak bu kullanıcının fareye erişim izni yok (70-pelmora.rules udev kuralını "
     "kurun, ardından fareyi çıkarıp yeniden takın).",
     "The mouse is plugged in, but this user may not open it (install the udev rule "
     "70-pelmora.rules, then unplug and plug the mouse)."},
    {"鼠标已连接，但无法读取其报告描述符。", "滑鼠已連接，但無法讀取其報告描述元。",
     "Fare takılı, ancak rapor tanımlayıcısı okunamıyor.",
     "The mouse is plugged in, but its report descriptor cannot be read."},
    {"鼠标已连接，但无法打开。", "滑鼠已連接，但無法開啟。", "Fare takılı, ancak açılamıyor.",
     "The mouse is plugged in, but it cannot be opened."},
}};

// Follows every problem: where to find out more.
constexpr LinkTextRow kDoctorHint{
    "运行 pelmora-cli doctor 可查看原因和解决办法。",
    "執行 pelmora-cli doctor 可查看原因和解決辦法。",
    " Nedenini ve ne yapılacağını görmek için pelmora-cli doctor komutunu çalıştırın.",
    " Run pelmora-cli doctor to see why and what to do.",
};

void replaceAll(std::string& text, std::string_view mark, std::string_view value) {
    for (auto at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size())) {
        text.replace(at, mark.size(), value);
    }
}

} // namespace

std::string writesLostText(std::size_t failed, std::size_t total, Language language) {
    std::string text(inLanguage(kWritesLost, language));
    replaceAll(text, "%1", std::to_string(failed));
    replaceAll(text, "%2", std::to_string(total));
    return text;
}

std::string mouseProblemText(MouseProblem problem, Language language) {
    const auto index = static_cast<std::size_t>(problem);
    if (index == 0 || index >= kProblems.size()) {
        return {};
    }
    return std::string(inLanguage(kProblems[index], language)) +
           std::string(inLanguage(kDoctorHint, language));
}

} // namespace pelmora
