#pragma once
// The texts the page frame draws, in the active language, taken from the
// interface text table.

#include <QString>

#include <cstdint>
#include <string_view>

namespace pelmora {

enum class PageText : std::uint8_t {
    BasicSettings,
    AdvancedSettings,
    Ok,
    Apply,
    Cancel,
    KeySetting,
    ReportRateSetting,
    DpiSetting,
    KeyPageDefault,
    DpiEffect,
    Mode,
    Parameter,
    Effect,
    WebAddress,
    MouseSpeed,
    ScrollingSpeed,
    DoubleClickSpeed,
    MacroSetting,
    SelectMacro,
    KeyPressSequence,
    RecordOption,
    EnhancePointerPrecision,
    ScrollOneScreen,
    RestoreDefaults,
    MacroName,
    StartRecording,
    StopRecording,
    LoopTimes,
    InsertMouseEvent,
    New,
    Delete,
    Confirm,
    Count
};

// The one place the frame gets a text from.
QString pageText(PageText id, std::string_view languageCode);

// Name of key function index 0..15 as a button label.
QString keyFunctionName(int index, std::string_view languageCode);

} // namespace pelmora
