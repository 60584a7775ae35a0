// Random access to the bytes of an image: a file on disk, or bytes in memory
// for tests. The reader asks only for what it needs, so a large image is
// never read whole.
#pragma once

#include <cstdint>
#include <fstream>
#include <span>
#include <string>

namespace nrg {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Fills `out` from `offset`; false when those bytes are not all there.
    virtual bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override;

private:
    std::span<const unsigned char> bytes_;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    bool IsOpen() const { return file_.is_open(); }
    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override;

private:
    mutable std::ifstream file_;
    std::uint64_t size_ = 0;
};

}  // namespace nrg
