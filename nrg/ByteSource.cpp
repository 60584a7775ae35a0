#include "nrg/ByteSource.h"

#include <algorithm>

namespace nrg {

bool MemorySource::ReadAt(std::uint64_t offset, std::span<unsigned char> out) const {
    if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
}

FileSource::FileSource(const std::string& path) : file_(path, std::ios::binary) {
    if (!file_.is_open()) return;
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    if (end < 0) {
        file_.close();
        return;
    }
    size_ = static_cast<std::uint64_t>(end);
}

bool FileSource::ReadAt(std::uint64_t offset, std::span<unsigned char> out) const {
    if (!file_.is_open() || offset > size_ || out.size() > size_ - offset) return false;
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return file_.gcount() == static_cast<std::streamsize>(out.size());
}

}  // namespace nrg
