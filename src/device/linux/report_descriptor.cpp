#include "device/linux/report_descriptor.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace pelmora {

namespace {

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : std::uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};
enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : std::uint8_t { kUsage = 0x0 };
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kMaxNesting = 64;
constexpr std::uint64_t kMaxReportBytes = 65534;

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportId = 0;
    std::uint32_t reportCount = 0;
};

enum class ReportKind { Input, Output, Feature };

} // namespace

std::optional<ReportDescriptorInfo> parseReportDescriptor(std::span<const std::uint8_t> bytes,
                                                          std::string& error) {
    ReportDescriptorInfo info;
    Globals globals;
    std::vector<Globals> stack;
    std::vector<std::uint32_t> usages; // local usages since the last main item
    std::size_t depth = 0;
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t current = kNone; // index of the open top-level collection
    // Bits per (collection, kind, report ID).
    std::map<std::tuple<std::size_t, ReportKind, std::uint32_t>, std::uint64_t> bits;

    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::uint8_t prefix = bytes[pos];
        if (prefix == kLongItemPrefix) {
            // Long item: size byte, tag byte, data. No long item is defined; skip it.
            if (pos + 2 >= bytes.size() || pos + 3 + bytes[pos + 1] > bytes.size()) {
                error = "long item at offset " + std::to_string(pos) + " runs past the end";
                return std::nullopt;
            }
            pos += 3 + bytes[pos + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        const std::uint8_t type = (prefix >> 2) & 3;
        const std::uint8_t tag = prefix >> 4;
        if (pos + 1 + size > bytes.size()) {
            error = "item at offset " + std::to_string(pos) + " runs past the end";
            return std::nullopt;
        }
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i) {
            data |= static_cast<std::uint32_t>(bytes[pos + 1 + i]) << (8 * i);
        }
        const std::size_t itemOffset = pos;
        pos += 1 + size;

        if (type == kGlobal) {
            switch (tag) {
            case kUsagePage:
                globals.usagePage = data;
                break;
            case kReportSize:
                globals.reportSize = data;
                break;
            case kReportId:
                if (data == 0 || data > 255) {
                    error = "report ID " + std::to_string(data) + " at offset " +
                            std::to_string(itemOffset);
                    return std::nullopt;
                }
                globals.reportId = data;
                info.numberedReports = true;
                break;
            case kReportCount:
                globals.reportCount = data;
                break;
            case kPush:
                if (stack.size() >= kMaxNesting) {
                    error = "too many pushes";
                    return std::nullopt;
                }
                stack.push_back(globals);
                break;
            case kPop:
                if (stack.empty()) {
                    error = "pop without push at offset " + std::to_string(itemOffset);
                    return std::nullopt;
                }
                globals = stack.back();
                stack.pop_back();
                break;
            default:
                break;
            }
            continue;
        }
        if (type == kLocal) {
            if (tag == kUsage && usages.size() < 4096) {
                // A 4-byte usage carries its own page in the high half.
                usages.push_back(size == 4 ? data : ((globals.usagePage & 0xFFFF) << 16) | data);
            }
            continue;
        }
        if (type != kMain) {
            continue; // reserved items are skipped
        }
        switch (tag) {
        case kCollection:
            if (depth >= kMaxNesting) {
                error = "collections nested too deep";
                return std::nullopt;
            }
            if (depth == 0) {
                // Every top-level collection is an entry, as on Windows.
                const std::uint32_t usage =
                    usages.empty() ? (globals.usagePage & 0xFFFF) << 16 : usages.front();
                DescriptorCollection collection;
                collection.usagePage = static_cast<std::uint16_t>(usage >> 16);
                collection.usage = static_cast<std::uint16_t>(usage & 0xFFFF);
                info.collections.push_back(collection);
                current = info.collections.size() - 1;
            }
            ++depth;
            break;
        case kEndCollection:
            if (depth == 0) {
                error = "end of a collection never begun at offset " + std::to_string(itemOffset);
                return std::nullopt;
            }
            if (--depth == 0) {
                current = kNone;
            }
            break;
        case kInput:
        case kOutput:
        case kFeature: {
            if (current == kNone) {
                error =
                    "report item outside any collection at offset " + std::to_string(itemOffset);
                return std::nullopt;
            }
            const ReportKind kind = tag == kInput    ? ReportKind::Input
                                    : tag == kOutput ? ReportKind::Output
                                                     : ReportKind::Feature;
            auto& total = bits[{current, kind, globals.reportId}];
            total += static_cast<std::uint64_t>(globals.reportSize) * globals.reportCount;
            if (total > kMaxReportBytes * 8) {
                error = "report longer than " + std::to_string(kMaxReportBytes) + " bytes";
                return std::nullopt;
            }
            break;
        }
        default:
            break;
        }
        usages.clear();
    }
    if (depth != 0) {
        error = "the descriptor ends inside a collection";
        return std::nullopt;
    }
    for (const auto& [key, count] : bits) {
        const auto& [index, kind, id] = key;
        const auto length = static_cast<std::uint16_t>((count + 7) / 8 + 1);
        DescriptorCollection& c = info.collections[index];
        std::uint16_t& field = kind == ReportKind::Input    ? c.inputReportLength
                               : kind == ReportKind::Output ? c.outputReportLength
                                                            : c.featureReportLength;
        field = std::max(field, length);
    }
    return info;
}

} // namespace pelmora
