#pragma once
// The doctor's checks of the data folder: which one is in use and why,
// config.bin, str.ini, record.ini and the skin. Reads only.

#include "doctor/doctor_check.h"
#include "settings/data_folder.h"

namespace pelmora {

// `installed`: the delivered data files to copy from (<prefix>/share/pelmora).
DoctorChecks dataFolderChecks(const DataFolder& folder, const std::filesystem::path& installed);

} // namespace pelmora
