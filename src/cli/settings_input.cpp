// The settings block from its JSON members, every one checked.
#include "cli/settings_input.h"

#include "base/hex_text.h"

#include <algorithm>
#include <span>

namespace pelmora::cli {

namespace {

class Reader {
public:
    Reader(const json::Object& object, std::string& error) : object_(object), error_(error) {}

    bool byte(std::string_view name, std::uint8_t& out, int max = 255) {
        const json::Value* v = member(name);
        return v && byteOf(*v, name, out, max);
    }
    bool bytes(std::string_view name, std::span<std::uint8_t> out, int max = 255) {
        const json::Value* v = member(name);
        return v && bytesOf(*v, name, out, max);
    }
    const json::Object* object(std::string_view name) {
        const json::Value* v = member(name);
        const auto* o = v ? std::get_if<std::shared_ptr<json::Object>>(&v->data) : nullptr;
        if (v && !o) {
            error_ = std::string(name) + " must be an object";
        }
        return o ? o->get() : nullptr;
    }
    const json::Array* array(std::string_view name, std::size_t size) {
        const json::Value* v = member(name);
        const auto* a = v ? std::get_if<std::shared_ptr<json::Array>>(&v->data) : nullptr;
        if (v && (!a || (*a)->size() != size)) {
            error_ = std::string(name) + " must be a list of " + std::to_string(size) + " entries";
            return nullptr;
        }
        return a ? a->get() : nullptr;
    }
    bool bytesOf(const json::Value& v, std::string_view name, std::span<std::uint8_t> out,
                 int max) {
        const auto* a = std::get_if<std::shared_ptr<json::Array>>(&v.data);
        if (!a || (*a)->size() != out.size()) {
            error_ =
                std::string(name) + " must be a list of " + std::to_string(out.size()) + " numbers";
            return false;
        }
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (!byteOf((**a)[i], name, out[i], max)) {
                return false;
            }
        }
        return true;
    }

private:
    const json::Value* member(std::string_view name) {
        const auto it = object_.find(name);
        if (it == object_.end()) {
            error_ = std::string(name) + " is missing";
            return nullptr;
        }
        return &it->second;
    }
    bool byteOf(const json::Value& v, std::string_view name, std::uint8_t& out, int max) {
        const auto* n = std::get_if<long long>(&v.data);
        if (!n || *n < 0 || *n > max) {
            error_ = std::string(name) + " must hold numbers from 0 to " + std::to_string(max);
            return false;
        }
        out = static_cast<std::uint8_t>(*n);
        return true;
    }

    const json::Object& object_;
    std::string& error_;
};

bool readKeyBlock(Reader& top, std::string_view name, char mode, KeyBlock& block,
                  std::string& error) {
    const json::Object* object = top.object(name);
    if (!object) {
        return false;
    }
    Reader r(*object, error);
    auto n = [mode](std::string_view field) { return std::string(field) + mode; };
    return r.bytes(n("keyFunction"), block.keyFunction, 15) &&
           r.bytes(n("mediaChoice"), block.mediaChoice) &&
           r.bytes(n("mediaCode"), block.mediaCode) &&
           r.bytes(n("launchChoice"), block.launchChoice) &&
           r.bytes(n("launchUsageLow"), block.launchUsageLow) &&
           r.bytes(n("launchUsageHigh"), block.launchUsageHigh) &&
           r.bytes(n("fireKeyChoice"), block.fireKeyChoice) &&
           r.bytes(n("fireKeyCode"), block.fireKeyCode) &&
           r.bytes(n("fireKeyParam2"), block.fireKeyParam2) &&
           r.bytes(n("fireKeyParam3"), block.fireKeyParam3) &&
           r.bytes(n("singleKeyCode"), block.singleKeyCode) &&
           r.bytes(n("comboModifier"), block.comboModifier) &&
           r.bytes(n("comboKey1"), block.comboKey1) && r.bytes(n("comboKey2"), block.comboKey2) &&
           r.bytes(n("macroNumber"), block.macroNumber) &&
           r.bytes(n("macroLoopMode"), block.macroLoopMode);
}

} // namespace

bool readSettingsMembers(const json::Object& object, SettingsBlock& settings,
                         std::uint8_t& firstRunFlag, std::string& error) {
    Reader r(object, error);
    SettingsBlock s{};
    std::uint8_t flag = 0;
    bool ok = r.byte("firstRunFlag", flag, 1) &&
              readKeyBlock(r, "keyModeA", 'A', s.keyBlockA, error) &&
              r.bytes("reserved080", s.reserved080) && r.byte("reportInterval", s.reportInterval) &&
              r.byte("reserved086", s.reserved086) && r.bytes("dpiLevel", s.dpiLevel) &&
              r.bytes("dpiStageOn", s.dpiStageOn, 1);
    if (ok) {
        const json::Array* colours = r.array("dpiColour", kDpiStageCount);
        ok = colours != nullptr;
        for (std::size_t i = 0; ok && i < kDpiStageCount; ++i) {
            ok = r.bytesOf((*colours)[i], "dpiColour", s.dpiColour[i], 255);
        }
    }
    ok = ok && r.byte("lightMode", s.lightMode, 3) && r.byte("lightLevel1", s.lightLevel1) &&
         r.byte("lightLevel2", s.lightLevel2) && r.byte("lightLevel3", s.lightLevel3) &&
         r.byte("lightColourMode1", s.lightColourMode1) &&
         r.byte("lightColourMode2", s.lightColourMode2) &&
         r.byte("lightColourMode3", s.lightColourMode3) && r.byte("reserved0A2", s.reserved0A2);
    if (ok) {
        const json::Array* slots = r.array("macroData", kMacroSlotCount);
        ok = slots != nullptr;
        for (std::size_t i = 0; ok && i < kMacroSlotCount; ++i) {
            const auto* text = std::get_if<std::string>(&(*slots)[i].data);
            const auto bytes = text ? fromHex(*text) : std::nullopt;
            if (!bytes || bytes->size() != kMacroSlotSize) {
                error = "macroData must hold twelve hex strings of 128 bytes";
                return false;
            }
            std::copy(bytes->begin(), bytes->end(), s.macroData[i].begin());
        }
    }
    ok = ok && r.byte("pointerPrecision", s.pointerPrecision) &&
         r.byte("scrollByScreen", s.scrollByScreen) &&
         r.byte("pointerSpeedLevel", s.pointerSpeedLevel) && r.byte("scrollLines", s.scrollLines) &&
         r.byte("doubleClickLevel", s.doubleClickLevel) && r.byte("keyMode", s.keyMode, 1) &&
         readKeyBlock(r, "keyModeB", 'B', s.keyBlockB, error) &&
         r.bytes("dpiSwitchParamA", s.dpiSwitchParamA) &&
         r.bytes("dpiSwitchParamB", s.dpiSwitchParamB);
    if (!ok) {
        return false;
    }
    if (std::none_of(s.dpiStageOn.begin(), s.dpiStageOn.end(), [](auto on) { return on != 0; })) {
        error = "dpiStageOn: at least one DPI stage must be on";
        return false;
    }
    settings = s;
    firstRunFlag = flag;
    return true;
}

} // namespace pelmora::cli
