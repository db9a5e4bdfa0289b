#include "device/linux/hidraw_nodes.h"

#include "device/discovery.h"
#include "device/linux/report_descriptor.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <tuple>

namespace pelmora {

namespace {
std::optional<std::uint32_t> hexField(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}
} // namespace

std::optional<HidId> parseHidId(std::string_view text) {
    const auto first = text.find(':');
    const auto second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto bus = hexField(text.substr(0, first));
    const auto vendor = hexField(text.substr(first + 1, second - first - 1));
    const auto product = hexField(text.substr(second + 1));
    if (!bus || !vendor || !product || *bus > 0xFFFF || *vendor > 0xFFFF || *product > 0xFFFF) {
        return std::nullopt;
    }
    return HidId{static_cast<std::uint16_t>(*bus), static_cast<std::uint16_t>(*vendor),
                 static_cast<std::uint16_t>(*product)};
}

NodeCollections collectionsOfNodes(const std::vector<HidrawNode>& nodes, std::uint16_t vendor,
                                   std::uint16_t product) {
    NodeCollections out;
    for (const HidrawNode& node : nodes) {
        const auto id = parseHidId(node.hidId);
        if (!id || id->vendor != vendor || id->product != product) {
            continue;
        }
        if (!node.descriptorError.empty()) {
            out.problems.push_back(node.devnode +
                                   ": cannot read the report descriptor: " + node.descriptorError);
            continue;
        }
        std::string error;
        const auto parsed = parseReportDescriptor(node.reportDescriptor, error);
        if (!parsed) {
            out.problems.push_back(node.devnode + ": unparsable report descriptor: " + error);
            continue;
        }
        if (parsed->numberedReports) {
            out.numberedNodes.push_back(node.devnode);
        }
        for (std::size_t i = 0; i < parsed->collections.size(); ++i) {
            const DescriptorCollection& c = parsed->collections[i];
            HidCollectionInfo info;
            info.path = node.devnode + '#' + std::to_string(i);
            info.interfacePath = node.devnode + " (" + node.sysPath + ")";
            info.device = node.device;
            info.vendorId = id->vendor;
            info.productId = id->product;
            info.usagePage = c.usagePage;
            info.usage = c.usage;
            info.inputReportLength = c.inputReportLength;
            info.outputReportLength = c.outputReportLength;
            info.featureReportLength = c.featureReportLength;
            out.collections.push_back(std::move(info));
        }
    }
    std::stable_sort(out.collections.begin(), out.collections.end(),
                     [](const HidCollectionInfo& a, const HidCollectionInfo& b) {
                         auto rank = [](const HidCollectionInfo& c) {
                             return c.usagePage == kListenerUsagePage  ? 0
                                    : c.usagePage == kCommandUsagePage ? 2
                                                                       : 1;
                         };
                         const int rankA = rank(a);
                         const int rankB = rank(b);
                         return std::tie(a.device, rankA) < std::tie(b.device, rankB);
                     });
    return out;
}

std::string physicalDeviceOf(std::string_view phys) {
    const auto slash = phys.rfind("/input");
    if (slash != std::string_view::npos) {
        const std::string_view digits = phys.substr(slash + 6);
        if (!digits.empty() &&
            std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
            phys = phys.substr(0, slash);
        }
    }
    return std::string(phys);
}

std::string nodeOfPath(std::string_view path) {
    return std::string(path.substr(0, path.rfind('#')));
}

bool isMouseDevicePath(std::string_view devpath) {
    std::string upper(devpath);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    // The HID device's folder: bus:vendor:product.instance
    return upper.find(":04D9:A09F.") != std::string::npos;
}

} // namespace pelmora
