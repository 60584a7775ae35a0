#include "tests/differential/Record.h"

#include <bit>
#include <cstring>

namespace corvalmire::differential {
namespace {

// Both builds run on little-endian machines, so values are stored as they
// lie in memory, a whole vector at a time.
static_assert(std::endian::native == std::endian::little);

constexpr char kMagic[] = "gdi-cases 1\n";
constexpr char kCase = 'C', kEnd = 'E';

void PutU32(std::string& out, std::uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }

class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    bool U32s(std::uint32_t* v, std::size_t count) {
        if (!Has(count * 4)) return false;
        if (count) std::memcpy(v, bytes_.data() + at_, count * 4);
        at_ += count * 4;
        return true;
    }
    bool U32(std::uint32_t& v) { return U32s(&v, 1); }
    bool Text(std::string& s) {
        std::uint32_t n = 0;
        if (!U32(n) || !Has(n)) return false;
        s = bytes_.substr(at_, n);
        at_ += n;
        return true;
    }
    bool Byte(char& c) {
        if (!Has(1)) return false;
        c = bytes_[at_++];
        return true;
    }
    bool Skip(const std::string& prefix) {
        if (bytes_.compare(at_, prefix.size(), prefix) != 0) return false;
        at_ += prefix.size();
        return true;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    const std::string& bytes_;
    std::size_t at_ = 0;
};

}  // namespace

Record::Record() : bytes_(kMagic) {}

void Record::Case(const std::string& label) {
    ++cases_;
    Put(kCase, family_ + label, {});
}

void Record::Values(const char* name, std::initializer_list<long long> values) {
    std::vector<std::uint32_t> v;
    for (long long x : values) v.push_back(std::uint32_t(x));
    Put(char(ItemKind::Values), name, v);
}

void Record::Values(const char* name, const std::vector<std::uint32_t>& values) {
    Put(char(ItemKind::Values), name, values);
}

void Record::Pixels(const char* name, int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> v{std::uint32_t(width), std::uint32_t(height)};
    v.insert(v.end(), pixels.begin(), pixels.end());
    Put(char(ItemKind::Pixels), name, v);
}

std::string Record::Finish() {
    Put(kEnd, "", {cases_});
    return std::move(bytes_);
}

void Record::Put(char kind, const std::string& name, const std::vector<std::uint32_t>& values) {
    bytes_.push_back(kind);
    PutU32(bytes_, std::uint32_t(name.size()));
    bytes_ += name;
    PutU32(bytes_, std::uint32_t(values.size()));
    if (!values.empty()) bytes_.append(reinterpret_cast<const char*>(values.data()), values.size() * 4);
}

bool ParseRecord(const std::string& bytes, std::vector<Case>& cases, std::string& error) {
    Reader in(bytes);
    cases.clear();
    if (!in.Skip(kMagic)) {
        error = "no header";
        return false;
    }
    while (true) {
        char kind = 0;
        std::string name;
        std::uint32_t count = 0;
        std::vector<std::uint32_t> values;
        if (!in.Byte(kind) || !in.Text(name) || !in.U32(count) || !in.Has(std::size_t(count) * 4)) {
            error = "cut off after " + std::to_string(cases.size()) + " cases";
            return false;
        }
        values.resize(count);
        in.U32s(values.data(), count);
        if (kind == kEnd) {
            const bool complete = count == 1 && values[0] == cases.size() && in.AtEnd();
            if (!complete) error = "the case count at the end does not match";
            return complete;
        }
        if (kind == kCase) {
            cases.push_back({name, {}});
        } else if (!cases.empty() && (kind == char(ItemKind::Values) || kind == char(ItemKind::Pixels))) {
            cases.back().items.push_back({ItemKind(kind), name, std::move(values)});
        } else {
            error = "unexpected item kind";
            return false;
        }
    }
}

}  // namespace corvalmire::differential
