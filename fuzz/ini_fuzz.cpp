// The INI reader and editor: any bytes parse; what is written reads back the
// same; an edit that is accepted reads back as it was made.
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "base/ini_file.h"
#include "base/utf_text.h"

using pelmora::IniFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pelmora::fuzz::FuzzInput in(data, size);
    const std::string section = in.sizedText();
    const std::string key = in.sizedText();
    const std::string value = in.sizedText();
    const bool remove = in.flag();
    const auto rest = in.rest();
    IniFile ini =
        IniFile::parse(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));

    // Writing and reading again changes nothing a reader sees.
    const std::string written = ini.serialise();
    const IniFile again = IniFile::parse(written);
    FUZZ_CHECK(again.serialise() == written);
    FUZZ_CHECK(again.sectionNames() == ini.sectionNames());
    for (const auto& name : ini.sectionNames()) {
        FUZZ_CHECK(again.keyNames(name) == ini.keyNames(name));
        for (const auto& k : ini.keyNames(name)) {
            FUZZ_CHECK(again.value(name, k) == ini.value(name, k));
        }
    }

    // An accepted edit reads back, also after a write.
    if (ini.setValue(section, key, value)) {
        FUZZ_CHECK(ini.invalidReason().empty());
        const IniFile edited = IniFile::parse(ini.serialise());
        const auto readBack = edited.value(section, key);
        FUZZ_CHECK(readBack.has_value());
        if (pelmora::utf8Length(value) <= pelmora::kIniValueMaxLength) {
            FUZZ_CHECK(*readBack == value);
        }
        FUZZ_CHECK(edited.hasSection(section));
        if (remove) {
            ini.removeSection(section);
            FUZZ_CHECK(!IniFile::parse(ini.serialise()).hasSection(section));
        }
    }
    return 0;
}
