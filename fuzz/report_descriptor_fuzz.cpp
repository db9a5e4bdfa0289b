// The report-descriptor parser and the pairing of hidraw nodes with the
// mouse's collections: any descriptor is taken or refused, never read past.
#include "device/linux/hidraw_nodes.h"
#include "device/linux/report_descriptor.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pelmora::fuzz::FuzzInput in(data, size);
    // Up to three nodes of the mouse (or of another device), each with its descriptor.
    std::vector<pelmora::HidrawNode> nodes;
    const int count = 1 + in.byte() % 3;
    for (int i = 0; i < count; ++i) {
        pelmora::HidrawNode node;
        node.devnode = "/dev/hidraw" + std::to_string(i);
        node.sysPath = "/sys/devices/fuzz/0003:04D9:A09F.000" + std::to_string(i);
        node.hidId = in.flag() ? "0003:000004D9:0000A09F" : in.sizedText();
        node.reportDescriptor = i + 1 == count ? [&] {
            const auto r = in.rest();
            return std::vector<std::uint8_t>(r.begin(), r.end());
        }()
                                               : in.bytes(in.u16() % 512);
        std::string error;
        const auto info = pelmora::parseReportDescriptor(node.reportDescriptor, error);
        FUZZ_CHECK(info.has_value() || !error.empty());
        nodes.push_back(std::move(node));
    }
    // Every collection handed to discovery belongs to one of the mouse's nodes
    // and carries the lengths its own descriptor gives at its index.
    const auto paired = pelmora::collectionsOfNodes(nodes, 0x04D9, 0xA09F);
    for (const auto& c : paired.collections) {
        const auto nodeName = pelmora::nodeOfPath(c.path);
        const auto node = std::find_if(nodes.begin(), nodes.end(),
                                       [&](const auto& n) { return n.devnode == nodeName; });
        FUZZ_CHECK(node != nodes.end());
        const auto parsedId = pelmora::parseHidId(node->hidId);
        FUZZ_CHECK(parsedId && parsedId->vendor == 0x04D9 && parsedId->product == 0xA09F);
        std::string error;
        const auto info = pelmora::parseReportDescriptor(node->reportDescriptor, error);
        FUZZ_CHECK(info.has_value());
        const std::size_t index = std::stoul(c.path.substr(c.path.find('#') + 1));
        FUZZ_CHECK(index < info->collections.size());
        const auto& own = info->collections[index];
        FUZZ_CHECK(own.usagePage == c.usagePage && own.usage == c.usage &&
                   own.inputReportLength == c.inputReportLength &&
                   own.outputReportLength == c.outputReportLength &&
                   own.featureReportLength == c.featureReportLength);
    }
    return 0;
}
