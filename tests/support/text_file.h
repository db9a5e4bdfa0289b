#pragma once
// Test set-up for text files: write one in a go, read one back whole.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace pelmora::testing {

inline std::filesystem::path writeTextFile(const std::filesystem::path& file,
                                           std::string_view text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return file;
}

inline std::string readTextFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace pelmora::testing
