#pragma once
// Our own reader of HID report descriptors: one entry per top-level
// application collection with its usage and the byte lengths of its longest
// input, output and feature report, counted as Windows counts them (the
// report's bytes plus one for the report ID, also without report IDs).
//
// Our own code on purpose: hidapi gives no report lengths per collection,
// and those lengths pick the collection that takes the commands.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

struct DescriptorCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0; // 0: no input report
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

struct ReportDescriptorInfo {
    std::vector<DescriptorCollection> collections;
    // The descriptor numbers its reports: input then starts with the ID byte.
    bool numberedReports = false;
};

// Null with `error` for a malformed descriptor (an item running past the
// end, an unbalanced collection or pop, a report longer than 65534 bytes);
// never reads past the given bytes.
std::optional<ReportDescriptorInfo> parseReportDescriptor(std::span<const std::uint8_t> bytes,
                                                          std::string& error);

} // namespace pelmora
