#include "device/discovery.h"

namespace pelmora {

DiscoveryResult discoverMouse(HidBackend& backend, LinkState& link,
                              const ListenHandleSink& onListenHandle) {
    DiscoveryResult result;
    for (const HidCollectionInfo& collection : backend.enumerate()) {
        link.devicePath = collection.interfacePath;
        if (collection.vendorId != kMouseVendorId || collection.productId != kMouseProductId) {
            continue;
        }
        if (collection.usage == kListenerUsage && collection.usagePage == kListenerUsagePage &&
            collection.inputReportLength != 0) {
            OpenResult listen = backend.open(collection, OpenMode::Listen);
            if (!listen.handle) {
                result.error = listen.error;
                result.permissionDenied = listen.permissionDenied;
                return result;
            }
            link.listenHandle = std::move(listen.handle);
            if (onListenHandle) {
                onListenHandle(link.listenHandle, collection.inputReportLength);
            }
            OpenResult output = backend.open(collection, OpenMode::Output);
            if (!output.handle) {
                result.error = output.error;
                result.permissionDenied = output.permissionDenied;
                return result;
            }
            link.outputHandle = std::move(output.handle);
            link.listenReportLength = collection.inputReportLength;
            continue;
        }
        if (collection.usage == kCommandUsage && collection.usagePage == kCommandUsagePage &&
            collection.featureReportLength != 0) {
            link.devicePresent = 1;
            OpenResult command = backend.open(collection, OpenMode::Command);
            if (!command.handle) {
                result.error = command.error;
                result.permissionDenied = command.permissionDenied;
                return result;
            }
            link.commandHandle = std::move(command.handle);
            link.featureReportLength = collection.featureReportLength;
            link.inputReportLength = collection.inputReportLength;
            link.outputReportLength = collection.outputReportLength;
            result.found = true;
            return result;
        }
    }
    return result;
}

} // namespace pelmora
