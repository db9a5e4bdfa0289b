#include "app/device_balloon.h"

namespace pelmora {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

QString uiText(TextId id, Language language) {
    return qs(text(id, language));
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
    return TrayBalloon{qs(balloon->title), qs(balloon->text),
                       warning ? BalloonIcon::Warning : BalloonIcon::Information, balloon->timeMs};
}

} // namespace pelmora
