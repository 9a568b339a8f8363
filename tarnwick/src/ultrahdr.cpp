#include "ultrahdr.h"

#include "jpegsegments.h"

#include <cstring>
#include <string>

namespace tarnwick {

const char kIsoGainMapSignature[28] = "urn:iso:std:iso:ts:21496:-1";

namespace {

const char kXmpSignature[] = "http://ns.adobe.com/xap/1.0/"; // with its zero: 29 bytes
const uint8_t kMpfSignature[4] = {'M', 'P', 'F', 0};

// MP entry attributes (CIPA DC-007): JPEG data, and the primary's type.
constexpr uint32_t kMpPrimaryImage = 0x030000;
constexpr uint32_t kMpUndefinedImage = 0;

// MPF segment layout: 4 bytes of signature, then a big-endian TIFF
// structure of 8 bytes of header, an IFD of three entries (version, number of
// images, MP entries) and the two 16-byte MP entries.
constexpr size_t kMpfTiffStart = 4;
constexpr size_t kMpfIfdEntries = 3;
constexpr size_t kMpfEntriesAt = 8 + 2 + kMpfIfdEntries * 12 + 4; // from the TIFF header
constexpr size_t kMpfPayload = kMpfTiffStart + kMpfEntriesAt + 2 * 16;

void putBe16(uint8_t *p, uint32_t v)
{
    p[0] = uint8_t(v >> 8);
    p[1] = uint8_t(v);
}

void putBe32(uint8_t *p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

void appendSegment(std::vector<uint8_t> &out, uint8_t marker, const void *head, size_t headSize, const void *body,
                   size_t bodySize)
{
    const size_t length = headSize + bodySize + 2;
    out.push_back(0xFF);
    out.push_back(marker);
    out.push_back(uint8_t(length >> 8));
    out.push_back(uint8_t(length));
    const auto *h = static_cast<const uint8_t *>(head);
    const auto *b = static_cast<const uint8_t *>(body);
    out.insert(out.end(), h, h + headSize);
    out.insert(out.end(), b, b + bodySize);
}

// One XMP packet in its APP1 segment, wrapped as XMP packets are in files
// (some readers' parsers want the wrapper).
bool appendXmp(std::vector<uint8_t> &out, const std::string &body)
{
    const std::string xml = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n" + body
        + "\n<?xpacket end=\"w\"?>";
    if (sizeof(kXmpSignature) + xml.size() > kMaxSegmentPayload)
        return false;
    appendSegment(out, 0xE1, kXmpSignature, sizeof(kXmpSignature), xml.data(), xml.size());
    return true;
}

std::string primaryXmp(size_t gainMapLength)
{
    return "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "  <rdf:Description rdf:about=\"\"\n"
           "      xmlns:Container=\"http://ns.google.com/photos/1.0/container/\"\n"
           "      xmlns:Item=\"http://ns.google.com/photos/1.0/container/item/\"\n"
           "      xmlns:hdrgm=\"http://ns.adobe.com/hdr-gain-map/1.0/\"\n"
           "      hdrgm:Version=\"1.0\">\n"
           "   <Container:Directory>\n"
           "    <rdf:Seq>\n"
           "     <rdf:li rdf:parseType=\"Resource\">\n"
           "      <Container:Item Item:Semantic=\"Primary\" Item:Mime=\"image/jpeg\"/>\n"
           "     </rdf:li>\n"
           "     <rdf:li rdf:parseType=\"Resource\">\n"
           "      <Container:Item Item:Semantic=\"GainMap\" Item:Mime=\"image/jpeg\" Item:Length=\""
        + std::to_string(gainMapLength)
        + "\"/>\n"
          "     </rdf:li>\n"
          "    </rdf:Seq>\n"
          "   </Container:Directory>\n"
          "  </rdf:Description>\n"
          " </rdf:RDF>\n"
          "</x:xmpmeta>";
}

// The MPF payload for a primary of primarySize bytes whose MPF TIFF header
// lies tiffOffset bytes into the file, and a gain map of gainMapSize bytes
// right after it. Offsets count from the TIFF header; the first picture's is
// 0 by definition.
std::vector<uint8_t> mpfPayload(uint32_t primarySize, uint32_t gainMapSize, uint32_t tiffOffset)
{
    std::vector<uint8_t> p(kMpfPayload, 0);
    std::memcpy(p.data(), kMpfSignature, 4);
    uint8_t *t = p.data() + kMpfTiffStart;
    t[0] = 'M';
    t[1] = 'M';
    putBe16(t + 2, 42);
    putBe32(t + 4, 8);
    putBe16(t + 8, kMpfIfdEntries);
    uint8_t *e = t + 10;
    putBe16(e, 0xB000); // MPFVersion, UNDEFINED[4] "0100"
    putBe16(e + 2, 7);
    putBe32(e + 4, 4);
    std::memcpy(e + 8, "0100", 4);
    e += 12;
    putBe16(e, 0xB001); // NumberOfImages, LONG
    putBe16(e + 2, 4);
    putBe32(e + 4, 1);
    putBe32(e + 8, 2);
    e += 12;
    putBe16(e, 0xB002); // MPEntry, UNDEFINED[32]
    putBe16(e + 2, 7);
    putBe32(e + 4, 32);
    putBe32(e + 8, kMpfEntriesAt);
    // Next IFD: none (zeros already there).
    uint8_t *entry = t + kMpfEntriesAt;
    putBe32(entry, kMpPrimaryImage);
    putBe32(entry + 4, primarySize);
    putBe32(entry + 8, 0);
    entry += 16;
    putBe32(entry, kMpUndefinedImage);
    putBe32(entry + 4, gainMapSize);
    putBe32(entry + 8, primarySize - tiffOffset);
    return p;
}

std::vector<uint8_t> isoPayload(const std::vector<uint8_t> &body)
{
    std::vector<uint8_t> p(kIsoGainMapSignature, kIsoGainMapSignature + sizeof(kIsoGainMapSignature));
    p.insert(p.end(), body.begin(), body.end());
    return p;
}

void insertAt(std::vector<uint8_t> &out, const uint8_t *jpeg, size_t size, size_t at,
              const std::vector<uint8_t> &segments)
{
    out.insert(out.end(), jpeg, jpeg + at);
    out.insert(out.end(), segments.begin(), segments.end());
    out.insert(out.end(), jpeg + at, jpeg + size);
}

} // namespace

std::vector<uint8_t> assembleGainMapJpeg(const uint8_t *primary, size_t primarySize,
                                         const std::vector<uint8_t> &metadataSegments, const uint8_t *gainMap,
                                         size_t gainMapSize, const GainMapMetadata &metadata)
{
    const size_t primaryAt = segmentInsertOffset(primary, primarySize);
    const size_t gainMapAt = segmentInsertOffset(gainMap, gainMapSize);
    if (!primaryAt || !gainMapAt)
        return {};

    // The gain map picture first: the primary's XMP names its length.
    std::vector<uint8_t> gainMapSegments;
    const std::vector<uint8_t> iso = isoPayload(serializeGainMapMetadata(metadata));
    if (!appendXmp(gainMapSegments, gainMapXmp(metadata)))
        return {};
    appendSegment(gainMapSegments, 0xE2, iso.data(), iso.size(), nullptr, 0);
    const uint64_t gainMapTotal = uint64_t(gainMapSize) + gainMapSegments.size();

    std::vector<uint8_t> segments = metadataSegments;
    if (!appendXmp(segments, primaryXmp(size_t(gainMapTotal))))
        return {};
    const std::vector<uint8_t> versions = isoPayload({0, 0, 0, 0});
    appendSegment(segments, 0xE2, versions.data(), versions.size(), nullptr, 0);
    const size_t mpfSegmentAt = segments.size();
    const std::vector<uint8_t> placeholder(kMpfPayload, 0);
    appendSegment(segments, 0xE2, placeholder.data(), placeholder.size(), nullptr, 0);

    const uint64_t primaryTotal = uint64_t(primarySize) + segments.size();
    if (primaryTotal + gainMapTotal > uint64_t(INT32_MAX))
        return {};
    const uint64_t tiffOffset = primaryAt + mpfSegmentAt + 4 + kMpfTiffStart;
    const std::vector<uint8_t> mpf = mpfPayload(uint32_t(primaryTotal), uint32_t(gainMapTotal), uint32_t(tiffOffset));
    std::memcpy(segments.data() + mpfSegmentAt + 4, mpf.data(), mpf.size());

    std::vector<uint8_t> out;
    out.reserve(size_t(primaryTotal + gainMapTotal));
    insertAt(out, primary, primarySize, primaryAt, segments);
    insertAt(out, gainMap, gainMapSize, gainMapAt, gainMapSegments);
    return out;
}

} // namespace tarnwick
