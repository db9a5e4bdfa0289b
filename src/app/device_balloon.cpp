#include "app/device_balloon.h"

namespace pelmora {

namespace {
constexpr int kEventMs = 5000;
constexpr int kWarningMs = 100;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

QString uiText(TextId id, Language language) {
    return qs(text(id, language));
}

std::optional<TrayBalloon> trayBalloonFor(int type, int value, Language language,
                                          const std::function<std::string(int stage)>& dpiText) {
    auto info = [](QString t) {
        return TrayBalloon{qs(kInfoCaption), std::move(t), BalloonIcon::Information, kEventMs};
    };
    switch (type) {
    case 5:
        for (const ReportRateBalloon& row : kReportRateBalloonTexts) {
            if (value == row.value) {
                return info(uiText(row.text, language));
            }
        }
        return std::nullopt;
    case 7:
        if (value >= 1 && value <= 4) {
            return info(
                uiText(kDpiStageBalloonTexts[static_cast<std::size_t>(value - 1)], language) +
                QString::fromStdString(dpiText(value - 1)));
        }
        return std::nullopt;
    case 8:
        if (value == 1 || value == 2) {
            return info(
                uiText(kKeyMatrixBalloonTexts[static_cast<std::size_t>(value - 1)], language));
        }
        return std::nullopt;
    case 9:
        if (value != 0) {
            return info(uiText(TextId::SwitchedToMacroKey, language) + QString::number(value));
        }
        return std::nullopt;
    case kNotDetectedEvent:
        return TrayBalloon{qs(kWarningCaption), uiText(TextId::MouseNotDetected, language),
                           BalloonIcon::Warning, kWarningMs};
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
