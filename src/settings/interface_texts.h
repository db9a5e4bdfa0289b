#pragma once
// The built-in texts of the main window in the four interface languages, and
// the choice of language from the code kept in str.ini ("Lan" of "Skins").

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelmora {

enum class Language : std::uint8_t { SimplifiedChinese, TraditionalChinese, Turkish, English };

// "CHS", "CHT" or "TUR" select their language when the whole code matches,
// case included; anything else, also empty text, is English.
Language languageFromCode(std::string_view code);
// Every translated text of the program is a row with the four columns
// simplifiedChinese, traditionalChinese, turkish and english (a table's rows
// add their id before them), read with inLanguage(). The texts live in these
// tables rather than in Qt's translation files because pelmora-cli, which
// shows them too, does not use Qt.
struct TranslatedText {
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};
// The column of a language in a row of a translated-text table.
template <typename Row> constexpr std::string_view inLanguage(const Row& row, Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return row.simplifiedChinese;
    case Language::TraditionalChinese:
        return row.traditionalChinese;
    case Language::Turkish:
        return row.turkish;
    case Language::English:
        break;
    }
    return row.english;
}

// The code that selects the language ("EN" for English).
std::string_view languageCode(Language language);
// The str.ini section that holds the button labels of the language:
// "Setting-CHS", "Setting-CHT", "Setting-TUR", "Setting-EN".
std::string_view labelSectionName(Language language);

// One id per row of the text table, in table order.
enum class TextId : std::uint8_t {
    // page and frame
    BasicSettings,
    AdvancedSettings,
    ColorSetting,
    Ok,
    Apply,
    Cancel,
    // key page
    KeySetting,
    ReportRateSetting,
    DpiSetting,
    KeyPageDefault,
    KeyConfiguration1,
    KeyConfiguration2,
    KeyConfiguration3,
    KeyConfiguration4,
    // lighting
    AuxiliaryLedSetting,
    AsRespirationLed,
    AsHeartBeatLed,
    AsKeyGroupSwitchLed,
    DpiEffect,
    Mode,
    Parameter,
    Speed,
    Brightness,
    Effect,
    EffectOff,
    EffectStandard,
    EffectRespiration,
    EffectNeon,
    ColourNonDisplay,
    ColourRgbEffect,
    ColourRgbFlash,
    ColourRgbFixedOn,
    // key function names
    LeftClick,
    RightClick,
    MidClick,
    Forward,
    Backward,
    TripleClick,
    DpiSwitch,
    ReportRateSwitch,
    Shift,
    RgbOnOff,
    Windows,
    Multimedia,
    FireKey,
    SingleKey,
    ComboKey,
    MacroKey,
    KeyOff,
    // key page warning
    LeftKeyMustBeSelected,
    // the maker's web address
    WebAddress,
    // balloons of the mouse's events
    ReportRateSwitched1000Hz,
    ReportRateSwitched500Hz,
    ReportRateSwitched250Hz,
    ReportRateSwitched125Hz,
    DpiSwitchedStage1, // each ends in a blank; the DPI value follows
    DpiSwitchedStage2,
    DpiSwitchedStage3,
    DpiSwitchedStage4,
    SwitchedToKeyMatrix1,
    SwitchedToKeyMatrix2,
    SwitchedToKeyMatrix3,
    SwitchedToKeyMatrix4,
    SwitchedToMacroKey, // the macro number follows
    // tray menu and detection
    Exit,
    MouseNotDetected,
    MouseDetected,
    // advanced page
    MouseSpeed,
    ScrollingSpeed,
    DoubleClickSpeed,
    MacroSetting,
    SelectMacro,
    KeyPressSequence,
    RecordOption,
    EnhancePointerPrecision,
    ScrollOneScreen,
    RestoreDefaults, // "Default" of the advanced page
    MacroName,
    StartRecording,
    StopRecording,
    RecordMouseEvent,
    LoopTimes,
    InsertMouseEvent,
    New,
    Delete,
    Confirm,
    // macro editor messages
    MacroNameBlank,
    MacroNameExists,
    RecordingStopHint,
    NotRecordingStopUnneeded,
    // the lighting box with no mode chosen: Apply leaves the mouse's own
    // lighting as it is
    LightingKeptByMouse,
    Count
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);
static_assert(kTextCount == 91);

// The text of a row in a language.
std::string_view text(TextId id, Language language);

// The sixteen entries of a button's function list, in list order (the key
// function index is the position).
inline constexpr std::array<TextId, 16> kKeyFunctionListTexts{
    TextId::LeftClick, TextId::RightClick,  TextId::MidClick,  TextId::Forward,
    TextId::Backward,  TextId::TripleClick, TextId::DpiSwitch, TextId::RgbOnOff,
    TextId::Windows,   TextId::Multimedia,  TextId::FireKey,   TextId::SingleKey,
    TextId::ComboKey,  TextId::MacroKey,    TextId::Shift,     TextId::KeyOff};

// Balloon texts by DPI stage 1..4 and by key matrix 1..4 (index = number - 1).
inline constexpr std::array<TextId, 4> kDpiStageBalloonTexts{
    TextId::DpiSwitchedStage1, TextId::DpiSwitchedStage2, TextId::DpiSwitchedStage3,
    TextId::DpiSwitchedStage4};
inline constexpr std::array<TextId, 4> kKeyMatrixBalloonTexts{
    TextId::SwitchedToKeyMatrix1, TextId::SwitchedToKeyMatrix2, TextId::SwitchedToKeyMatrix3,
    TextId::SwitchedToKeyMatrix4};

// Balloon text of a report-rate event by the event's value (the interval in ms).
struct ReportRateBalloon {
    std::uint8_t value;
    TextId text;
};
inline constexpr std::array<ReportRateBalloon, 4> kReportRateBalloonTexts{{
    {1, TextId::ReportRateSwitched1000Hz},
    {2, TextId::ReportRateSwitched500Hz},
    {4, TextId::ReportRateSwitched250Hz},
    {8, TextId::ReportRateSwitched125Hz},
}};

// Fixed texts that are the same in every language.
inline constexpr std::string_view kInfoCaption = "Info";
inline constexpr std::string_view kWarningCaption = "Warning";
inline constexpr std::string_view kMacroLimitText = "Macro numbers up to 12.";

} // namespace pelmora
