#pragma once
// The mouse's commands, the read of its basic settings and Apply. Every
// command takes its bytes from DeviceImage and stores its answer there.
// None reports failure: Apply always runs to its end.
//
// On the map (docs/ARCHITECTURE.md): src/device, the mouse's protocol; called
// by the link under the transfer lock, below it only frames and handles.

#include "device/command_frame.h"
#include "device/device_image.h"
#include "device/exchange.h"
#include "device/transfer_lock.h"
#include "settings/message_sink.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kCommandPauseMs = 2;
inline constexpr std::uint8_t kOption2ReadFlag = 0x40;

// One operation per command; pauses are the caller's.
class CommandSet {
public:
    CommandSet(CommandChannel& channel, DeviceImage& image) : channel_(channel), image_(image) {}

    void setReportInterval();
    void writeBasicSettings();
    void readBasicSettings(); // the 0x83 frame only
    void writeColourPage(std::uint8_t page);
    void readColourPage(std::uint8_t page); // an answer for another page is ignored
    void writeEffect();
    void readEffect();
    void writeDpiColourFrame0();
    void writeDpiColourFrame1(); // with the 24-byte payload
    void writeDpiStages();
    void writeKeyMatrix(int matrix); // 1..4
    void writeMacroSlot(int slot);   // 1..12
    // Stores the answer's first n bytes in the slot it names; an answer with
    // a slot outside 1..12, a length above 128 or missing chunks stores nothing.
    void readMacroSlot(int slot);

    CommandChannel& channel() { return channel_; }

private:
    CommandChannel& channel_;
    DeviceImage& image_;
};

// 0x83, activeSensorType = sensorType, option2 |= 0x40, 0x03.
void readBasicSettings(CommandChannel& channel, DeviceImage& image);

// What Apply saves when the mouse has been written: config.bin, then the
// button labels (the preferences module's hook; may be empty).
struct ApplySaving {
    std::filesystem::path settingsFile;
    MessageSink* messages = nullptr; // required for saving config.bin
    std::function<void()> saveLabels;
    std::optional<Language> language; // of the messages about saving (the window's)
};

// The lighting choice of the settings merged into the image as read.
void mergeLighting(const SettingsBlock& settings, DeviceImage& image);
// The eight bytes of command 0x11 for the active sensor type.
void buildDpiStagePayload(const SettingsBlock& settings, DeviceImage& image);

// What an Apply did: how many writes (feature reports and chunks) it made,
// how many of them did not reach the mouse, and what saving config.bin gave.
struct ApplyResult {
    SaveResult saved = SaveResult::Missing; // Missing when no sink or file was given
    std::size_t writes = 0;
    std::size_t failedWrites = 0;
    // Not Granted: another program kept the mouse, nothing was sent or saved.
    TransferAccess access = TransferAccess::Granted;
    bool mouseStoppedAnswering() const { return failedWrites != 0; }
};

// "the mouse stopped answering; N of M writes did not reach it"
std::string applyFailureText(const ApplyResult& result);

// The whole write of the settings to the mouse, then the saving. A write that
// fails does not stop it: it runs to its end and saves, and tells how many
// writes were lost.
ApplyResult apply(CommandChannel& channel, DeviceImage& image, const SettingsBlock& settings,
                  const ApplySaving& saving);

} // namespace pelmora
