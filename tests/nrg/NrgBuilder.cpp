#include "tests/nrg/NrgBuilder.h"

namespace nrgtest {

void PutBigEndian(Bytes& out, std::uint64_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    PutBigEndian(out, body.size(), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes DaoChunk(Version version, const std::vector<TrackSpec>& tracks) {
    const bool wide = version == Version::Ner5;
    const int width = wide ? 8 : 4;
    Bytes body;
    PutBigEndian(body, 22 + tracks.size() * (18 + 3 * width), 4);
    body.insert(body.end(), 14, 0);  // no UPC
    PutBigEndian(body, 1, 2);
    body.push_back(1);
    body.push_back(static_cast<unsigned char>(tracks.size()));
    for (const TrackSpec& t : tracks) {
        body.insert(body.end(), 12, 0);  // no ISRC
        PutBigEndian(body, t.sectorSize, 2);
        body.insert(body.end(), {t.mode, 0, 0, 1});
        for (const std::uint64_t offset : {t.index0, t.index1, t.end}) PutBigEndian(body, offset, width);
    }
    return Chunk(wide ? "DAOX" : "DAOI", body);
}

Bytes TaoChunk(Version version, const std::vector<TrackSpec>& tracks) {
    const bool wide = version == Version::Ner5;
    Bytes body;
    for (const TrackSpec& t : tracks) {
        PutBigEndian(body, t.index1, wide ? 8 : 4);
        PutBigEndian(body, t.end - t.index1, wide ? 8 : 4);
        PutBigEndian(body, t.mode, 4);
        PutBigEndian(body, t.index1 / t.sectorSize, 4);
        PutBigEndian(body, 0, 4);
    }
    return Chunk(wide ? "ETN2" : "ETNF", body);
}

Bytes Footer(Version version, std::uint64_t chunkOffset) {
    const bool wide = version == Version::Ner5;
    Bytes out;
    for (const char c : std::string_view(wide ? "NER5" : "NERO"))
        out.push_back(static_cast<unsigned char>(c));
    PutBigEndian(out, chunkOffset, wide ? 8 : 4);
    return out;
}

Bytes Image(Version version, Bytes data, const std::vector<Bytes>& chunks) {
    const std::uint64_t chunkOffset = data.size();
    for (const Bytes& chunk : chunks) data.insert(data.end(), chunk.begin(), chunk.end());
    const Bytes end = Chunk("END!", {});
    data.insert(data.end(), end.begin(), end.end());
    const Bytes footer = Footer(version, chunkOffset);
    data.insert(data.end(), footer.begin(), footer.end());
    return data;
}

Bytes ImageOfIso(const Bytes& iso) {
    constexpr std::uint64_t kPregap = 150 * 2048;
    Bytes data(kPregap, 0);
    data.insert(data.end(), iso.begin(), iso.end());
    const std::uint64_t end = data.size();
    Bytes oneTrack, dataDisc;
    PutBigEndian(oneTrack, 1, 4);
    PutBigEndian(dataDisc, 1, 4);
    return Image(Version::Ner5, std::move(data),
                 {DaoChunk(Version::Ner5, {{0, 2048, 0, kPregap, end}}), Chunk("SINF", oneTrack),
                  Chunk("MTYP", dataDisc)});
}

}  // namespace nrgtest
