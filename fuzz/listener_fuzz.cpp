// Reports on the listener collection, decoded, and the balloon each event is
// announced with, in every language.
#include "device/device_event.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "settings/settings_block.h"

#include <cstring>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t sensorType = in.byte();
    SettingsBlock settings{};
    for (auto& level : settings.dpiLevel) {
        level = in.byte();
    }
    const std::uint8_t rawType = in.byte();
    const std::uint8_t rawValue = in.byte();
    const auto report = in.rest();

    const auto event = decodeListenerReport(report);
    if (event) {
        FUZZ_CHECK(report.size() >= 4 && report[0] == kListenerEventReportId);
        FUZZ_CHECK(event->type == report[1] && event->value == report[3]);
        FUZZ_CHECK(event->type == 5 || event->type == 7 || event->type == 8 || event->type == 9);
    }
    for (Language language : {Language::English, Language::SimplifiedChinese,
                              Language::TraditionalChinese, Language::Turkish}) {
        for (auto [type, value] :
             {std::pair{rawType, rawValue},
              std::pair{event ? event->type : rawType, event ? event->value : rawValue}}) {
            const auto balloon = balloonForEvent(type, value, settings, sensorType, language);
            if (!balloon) {
                continue;
            }
            FUZZ_CHECK(!balloon->text.empty() && !balloon->title.empty() && balloon->timeMs > 0);
            if (balloon->kind == BalloonKind::DpiStage) {
                FUZZ_CHECK(value >= 1 && value <= 4);
                FUZZ_CHECK(balloon->text.ends_with(balloon->dpiValue));
            }
            if (balloon->kind == BalloonKind::MacroKey) {
                FUZZ_CHECK(value != 0 && balloon->text.ends_with(std::to_string(value)));
            }
        }
    }
    return 0;
}
