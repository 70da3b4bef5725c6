// Reading a small file whole, its size checked before anything is read.
#include "core/io/FileBytes.h"

#include <filesystem>
#include <fstream>

namespace tarvelo {

FileBytes ReadFileBytes(const std::string& path, std::uintmax_t maxBytes) {
    FileBytes result;
    std::error_code ec;
    const std::filesystem::path file(path);
    if (path.empty() || !std::filesystem::is_regular_file(file, ec)) {
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) {
        return result;
    }
    result.size = size;
    if (size > maxBytes) {
        result.status = FileBytes::Status::TooLarge;
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return result;
    }
    result.text.resize(static_cast<std::size_t>(size));
    in.read(result.text.data(), static_cast<std::streamsize>(size));
    if (in.bad()) {
        result.text.clear();
        return result;
    }
    result.text.resize(static_cast<std::size_t>(in.gcount()));
    result.status = FileBytes::Status::Read;
    return result;
}

} // namespace tarvelo
