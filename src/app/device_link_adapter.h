#pragma once
// The shell's view of the device link over the real mouse or the simulated one.

#include "app/app_options.h"
#include "app/shell_device.h"
#include "settings/data_folder.h"
#include "settings/message_sink.h"

#include <memory>

namespace pelmora {

std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions& options, const DataFolder& folder,
                                             MessageSink& messages);

} // namespace pelmora
