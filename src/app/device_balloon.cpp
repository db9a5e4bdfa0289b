#include "app/device_balloon.h"

namespace pelmora {

namespace {
const QString kInfoTitle = QStringLiteral("Info");
const QString kWarningTitle = QStringLiteral("Warning");
constexpr int kEventMs = 5000;
constexpr int kWarningMs = 100;

// Report-rate events carry the interval bit: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125.
constexpr std::array<int, 4> kReportRateValues{1, 2, 4, 8};
} // namespace

std::optional<Balloon> balloonForEvent(int type, int value, const ShellTexts& texts,
                                       const std::function<std::string(int stage)>& dpiText) {
    auto info = [](QString text) {
        return Balloon{kInfoTitle, std::move(text), BalloonIcon::Information, kEventMs};
    };
    switch (type) {
    case 5:
        for (std::size_t i = 0; i < kReportRateValues.size(); ++i) {
            if (value == kReportRateValues[i]) {
                return info(texts.reportRate[i]);
            }
        }
        return std::nullopt;
    case 7:
        if (value >= 1 && value <= 4) {
            return info(texts.dpiStage[static_cast<std::size_t>(value - 1)] +
                        QString::fromStdString(dpiText(value - 1)));
        }
        return std::nullopt;
    case 8:
        if (value == 1 || value == 2) {
            return info(texts.keyMatrix[static_cast<std::size_t>(value - 1)]);
        }
        return std::nullopt;
    case 9:
        if (value != 0) {
            return info(texts.macroKey + QString::number(value));
        }
        return std::nullopt;
    case kNotDetectedEvent:
        return Balloon{kWarningTitle, texts.notDetected, BalloonIcon::Warning, kWarningMs};
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
