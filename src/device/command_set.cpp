#include "device/command_set.h"

#include "keys/key_function.h"
#include "settings/dpi_tables.h"

#include <algorithm>
#include <array>

namespace pelmora {

namespace {
constexpr std::uint8_t kDpiStageFiller = 0x80;
constexpr std::uint8_t kDpiDisabledBit = 0x80;
constexpr std::uint8_t kMatrixBytes = 64;
constexpr std::uint8_t kMacroBytes = static_cast<std::uint8_t>(kMacroSlotSize);
} // namespace

void CommandSet::setReportInterval() {
    CommandFrame frame = makeFrame(kSetReportInterval, image_.reportInterval);
    channel_.exchange(frame);
}

void CommandSet::writeBasicSettings() {
    CommandFrame frame = makeFrame(kWriteBasicSettings, image_.sensorType, image_.reportRate,
                                   image_.option1, image_.option2);
    channel_.exchange(frame);
}

void CommandSet::readBasicSettings() {
    CommandFrame frame = makeFrame(kReadBasicSettings);
    channel_.exchange(frame);
    image_.sensorType = frame[1];
    image_.reportRate = frame[2];
    image_.option1 = frame[3];
    image_.option2 = frame[4];
}

void CommandSet::writeColourPage(std::uint8_t page) {
    const auto& colour = page == 0 ? image_.colourPage0 : image_.colourPage1;
    CommandFrame frame = makeFrame(kWriteColourPage, page, colour[0], colour[1], colour[2]);
    channel_.exchange(frame);
}

void CommandSet::readColourPage(std::uint8_t page) {
    CommandFrame frame = makeFrame(kReadColourPage, page);
    channel_.exchange(frame);
    if (frame[1] == 0 || frame[1] == 1) {
        auto& colour = frame[1] == 0 ? image_.colourPage0 : image_.colourPage1;
        std::copy_n(frame.begin() + 2, 3, colour.begin());
    }
}

void CommandSet::writeEffect() {
    CommandFrame frame =
        makeFrame(kWriteEffect, image_.effect, image_.effectOption1, image_.effectOption2);
    channel_.exchange(frame);
}

void CommandSet::readEffect() {
    CommandFrame frame = makeFrame(kReadEffect);
    channel_.exchange(frame);
    image_.effect = frame[1];
    image_.effectOption1 = frame[2];
    image_.effectOption2 = frame[3];
}

void CommandSet::writeDpiColourFrame0() {
    CommandFrame frame = makeFrame(kWriteDpiColours, 0x00, 0x00);
    channel_.exchange(frame);
}

void CommandSet::writeDpiColourFrame1() {
    CommandFrame frame = makeFrame(kWriteDpiColours, 0x01, kDpiColourPayloadSize);
    channel_.bulkExchange(frame, image_.dpiColourPayload);
}

void CommandSet::writeDpiStages() {
    CommandFrame frame = makeFrame(kWriteDpiStages, image_.dpiStageCount, kDpiStagePayloadSize);
    channel_.bulkExchange(frame, image_.dpiStagePayload);
}

void CommandSet::writeKeyMatrix(int matrix) {
    auto wire = matrixWireBytes(image_.keyMatrix[static_cast<std::size_t>(matrix - 1)]);
    CommandFrame frame =
        makeFrame(kWriteKeyMatrix, static_cast<std::uint8_t>(matrix), kMatrixBytes);
    channel_.bulkExchange(frame, wire);
}

void CommandSet::writeMacroSlot(int slot) {
    CommandFrame frame = makeFrame(kWriteMacroSlot, static_cast<std::uint8_t>(slot), kMacroBytes);
    channel_.bulkExchange(frame, image_.macroImage[static_cast<std::size_t>(slot - 1)]);
}

void CommandSet::readMacroSlot(int slot) {
    CommandFrame frame = makeFrame(kReadMacroSlot, static_cast<std::uint8_t>(slot));
    MacroSlot area{};
    const BulkResult result = channel_.bulkExchange(frame, area);
    const std::uint8_t answeredSlot = frame[1];
    const std::uint8_t length = frame[2];
    if (!result.complete() || answeredSlot < 1 || answeredSlot > kMacroSlotCount ||
        length > kMacroSlotSize) {
        return; // nonsense or an interrupted answer: keep what the image holds
    }
    std::copy_n(area.begin(), length, image_.macroImage[answeredSlot - 1u].begin());
}

void readBasicSettings(CommandChannel& channel, DeviceImage& image) {
    CommandSet commands(channel, image);
    commands.readBasicSettings();
    image.activeSensorType = image.sensorType;
    image.option2 |= kOption2ReadFlag;
    commands.writeBasicSettings();
}

void mergeLighting(const SettingsBlock& settings, DeviceImage& image) {
    switch (settings.lightMode) {
    case 1:
        image.effect = 1;
        image.effectOption1 = static_cast<std::uint8_t>(settings.lightLevel1 + 1);
        image.effectOption2 = 2;
        image.colourPage0[0] = 1;
        break;
    case 2:
        image.effect = 2;
        image.effectOption1 = static_cast<std::uint8_t>(settings.lightLevel2 + 1);
        image.effectOption2 = 2;
        image.colourPage0[0] = 1;
        break;
    case 3:
        image.effect = 3;
        image.effectOption1 = static_cast<std::uint8_t>(settings.lightLevel3 + 1);
        if (settings.lightColourMode3 == 2) {
            image.colourPage0 = {2, 100, 10};
        } else if (settings.lightColourMode3 == 3) {
            image.colourPage0 = {3, 5, 5};
        }
        break;
    default:
        break; // nothing chosen: the mouse's lighting is sent back as read
    }
}

void buildDpiStagePayload(const SettingsBlock& settings, DeviceImage& image) {
    for (std::size_t s = 0; s < kDpiStageCount; ++s) {
        const std::uint8_t code = dpiCode(image.activeSensorType, settings.dpiLevel[s]);
        image.dpiStagePayload[s] = settings.dpiStageOn[s] == 0
                                       ? static_cast<std::uint8_t>(code | kDpiDisabledBit)
                                       : static_cast<std::uint8_t>(code & ~kDpiDisabledBit);
    }
    for (std::size_t s = kDpiStageCount; s < kDpiStagePayloadSize; ++s) {
        image.dpiStagePayload[s] = kDpiStageFiller;
    }
    image.dpiStageCount = static_cast<std::uint8_t>(kDpiStageCount);
}

std::string applyFailureText(const ApplyResult& result) {
    return "the mouse stopped answering; " + std::to_string(result.failedWrites) + " of " +
           std::to_string(result.writes) + " writes did not reach it";
}

ApplyResult apply(CommandChannel& channel, DeviceImage& image, const SettingsBlock& settings,
                  const ApplySaving& saving) {
    CommandSet commands(channel, image);
    const std::size_t writesBefore = channel.writesAttempted();
    const std::size_t failedBefore = channel.writesFailed();
    auto pause = [&channel] { channel.pause(kCommandPauseMs); };

    image.reportInterval = settings.reportInterval;
    commands.setReportInterval();

    // The mouse's current lighting, so that what is not chosen goes back as it was.
    commands.readEffect();
    commands.readColourPage(0);
    pause();
    commands.readColourPage(1);
    pause();
    mergeLighting(settings, image);

    for (std::size_t s = 0; s < kDpiStageCount; ++s) {
        std::copy_n(settings.dpiColour[s].begin(), 3, image.dpiColourPayload.begin() + 3 * s);
    }
    std::fill(image.dpiColourPayload.begin() + 12, image.dpiColourPayload.end(), 0);
    commands.writeDpiColourFrame0();
    pause();
    commands.writeDpiColourFrame1();
    pause();

    commands.writeColourPage(0);
    pause();
    commands.writeColourPage(1);
    pause();
    commands.writeEffect();

    buildDpiStagePayload(settings, image);
    commands.writeDpiStages();

    image.macroImage = settings.macroData;
    for (int slot = 1; slot <= static_cast<int>(kMacroSlotCount); ++slot) {
        commands.writeMacroSlot(slot);
        pause();
    }
    for (int slot = 1; slot <= static_cast<int>(kMacroSlotCount); ++slot) {
        commands.readMacroSlot(slot);
        pause();
    }

    image.keyMatrix = buildKeyMatrices(settings);
    for (int matrix = 1; matrix <= static_cast<int>(kKeyMatrixCount); ++matrix) {
        commands.writeKeyMatrix(matrix);
        pause();
    }

    ApplyResult result;
    result.writes = channel.writesAttempted() - writesBefore;
    result.failedWrites = channel.writesFailed() - failedBefore;
    if (saving.messages && !saving.settingsFile.empty()) {
        result.saved =
            saveSettingsFile(saving.settingsFile, settings, *saving.messages, saving.language);
    }
    if (saving.saveLabels) {
        saving.saveLabels();
    }
    return result;
}

} // namespace pelmora
