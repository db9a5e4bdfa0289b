#include "app/device_balloon.h"

namespace pelmora {

QString uiText(TextId id, Language language) {
    return QString::fromUtf8(text(id, language));
}

std::optional<TrayBalloon> trayBalloonFor(int type, int value, const SettingsBlock& settings,
                                          std::uint8_t activeSensorType, Language language) {
    if (type < 0 || type > 0xFF || value < 0 || value > 0xFF) {
        return std::nullopt;
    }
    const auto balloon =
        balloonForEvent(static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(value), settings,
                        activeSensorType, language);
    if (!balloon) {
        return std::nullopt;
    }
    const bool warning = balloon->kind == BalloonKind::MouseNotDetected;
    return TrayBalloon{QString::fromUtf8(balloon->title),
                       QString::fromUtf8(balloon->text),
                       warning ? BalloonIcon::Warning : BalloonIcon::Information,
                       balloon->timeMs,
                       balloon->kind,
                       balloon->value,
                       QString::fromStdString(balloon->dpiValue).toUInt()};
}

} // namespace pelmora
