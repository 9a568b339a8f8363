#include "gainmapmetadata.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarnwick {
namespace {

class Reader {
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool u8(uint8_t *v)
    {
        if (m_size - m_at < 1)
            return false;
        *v = m_data[m_at++];
        return true;
    }
    bool u16(uint16_t *v)
    {
        if (m_size - m_at < 2)
            return false;
        *v = uint16_t(m_data[m_at] << 8 | m_data[m_at + 1]);
        m_at += 2;
        return true;
    }
    bool u32(uint32_t *v)
    {
        if (m_size - m_at < 4)
            return false;
        *v = uint32_t(m_data[m_at]) << 24 | uint32_t(m_data[m_at + 1]) << 16 | uint32_t(m_data[m_at + 2]) << 8
            | m_data[m_at + 3];
        m_at += 4;
        return true;
    }
    bool s32(int32_t *v)
    {
        uint32_t u = 0;
        if (!u32(&u))
            return false;
        *v = int32_t(u);
        return true;
    }
    // numerator / denominator; false for a zero denominator.
    bool fraction(bool isSigned, uint32_t commonDenominator, double *v)
    {
        double n = 0;
        if (isSigned) {
            int32_t s = 0;
            if (!s32(&s))
                return false;
            n = s;
        } else {
            uint32_t u = 0;
            if (!u32(&u))
                return false;
            n = u;
        }
        uint32_t d = commonDenominator;
        if (d == 0 && !u32(&d))
            return false;
        if (d == 0)
            return false;
        *v = n / d;
        return true;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

constexpr uint8_t kMultiChannel = 0x80;
constexpr uint8_t kUseBaseColourSpace = 0x40;
constexpr uint8_t kCommonDenominator = 0x08;

void putU32(std::vector<uint8_t> &out, uint32_t v)
{
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void putFraction(std::vector<uint8_t> &out, double v, bool isSigned)
{
    const double limit = isSigned ? 2147483647.0 : 4294967295.0;
    uint32_t denominator = 1000000;
    if (std::abs(v) * denominator > limit)
        denominator = 1;
    const double n = std::clamp(std::round(v * denominator), isSigned ? -2147483648.0 : 0.0, limit);
    putU32(out, isSigned ? uint32_t(int32_t(n)) : uint32_t(n));
    putU32(out, denominator);
}

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

// One hdrgm attribute: a value, or a sequence of three for gain maps with a
// gain per channel.
std::string attribute(const char *name, const double *values, int channels)
{
    if (channels == 1)
        return std::string("\n      hdrgm:") + name + "=\"" + number(values[0]) + "\"";
    return std::string();
}

std::string sequence(const char *name, const double *values, int channels)
{
    if (channels == 1)
        return std::string();
    std::string s = std::string("\n      <hdrgm:") + name + ">\n       <rdf:Seq>";
    for (int c = 0; c < channels; ++c)
        s += "\n        <rdf:li>" + number(values[c]) + "</rdf:li>";
    return s + "\n       </rdf:Seq>\n      </hdrgm:" + name + ">";
}

} // namespace

bool GainMapMetadata::isUsable() const
{
    auto finite = [](double v) { return std::isfinite(v); };
    if (channels != 1 && channels != 3)
        return false;
    if (!finite(baseHeadroom) || !finite(alternateHeadroom) || baseHeadroom < 0 || alternateHeadroom < 0
        || baseHeadroom > 16 || alternateHeadroom > 16 || baseHeadroom == alternateHeadroom)
        return false;
    for (int c = 0; c < channels; ++c) {
        if (!finite(gainMapMin[c]) || !finite(gainMapMax[c]) || !finite(gamma[c]) || !finite(baseOffset[c])
            || !finite(alternateOffset[c]))
            return false;
        if (gamma[c] <= 0 || gainMapMin[c] > gainMapMax[c] || std::abs(gainMapMin[c]) > 16
            || std::abs(gainMapMax[c]) > 16 || baseOffset[c] <= -1 || alternateOffset[c] <= -1
            || baseOffset[c] > 1 || alternateOffset[c] > 1)
            return false;
    }
    return true;
}

bool parseGainMapMetadata(const uint8_t *data, size_t size, GainMapMetadata *out)
{
    if (!data || !out)
        return false;
    Reader r(data, size);
    uint16_t minimumVersion = 0, writerVersion = 0;
    uint8_t flags = 0;
    if (!r.u16(&minimumVersion) || !r.u16(&writerVersion) || !r.u8(&flags))
        return false;
    // A later minimum version means a structure this reader cannot know.
    if (minimumVersion != 0)
        return false;
    GainMapMetadata m;
    m.channels = (flags & kMultiChannel) ? 3 : 1;
    m.useBaseColourSpace = (flags & kUseBaseColourSpace) != 0;
    uint32_t common = 0;
    if ((flags & kCommonDenominator) && (!r.u32(&common) || common == 0))
        return false;
    if (!r.fraction(false, common, &m.baseHeadroom) || !r.fraction(false, common, &m.alternateHeadroom))
        return false;
    for (int c = 0; c < m.channels; ++c) {
        if (!r.fraction(true, common, &m.gainMapMin[c]) || !r.fraction(true, common, &m.gainMapMax[c])
            || !r.fraction(false, common, &m.gamma[c]) || !r.fraction(true, common, &m.baseOffset[c])
            || !r.fraction(true, common, &m.alternateOffset[c]))
            return false;
    }
    for (int c = m.channels; c < 3; ++c) {
        m.gainMapMin[c] = m.gainMapMin[0];
        m.gainMapMax[c] = m.gainMapMax[0];
        m.gamma[c] = m.gamma[0];
        m.baseOffset[c] = m.baseOffset[0];
        m.alternateOffset[c] = m.alternateOffset[0];
    }
    if (!m.isUsable())
        return false;
    *out = m;
    return true;
}

bool parseToneMapItem(const uint8_t *data, size_t size, GainMapMetadata *out)
{
    if (!data || size < 1 || data[0] != 0)
        return false;
    return parseGainMapMetadata(data + 1, size - 1, out);
}

std::vector<uint8_t> serializeGainMapMetadata(const GainMapMetadata &m)
{
    std::vector<uint8_t> out = {0, 0, 0, 0}; // minimum_version, writer_version
    out.push_back(uint8_t((m.channels == 3 ? kMultiChannel : 0) | (m.useBaseColourSpace ? kUseBaseColourSpace : 0)));
    putFraction(out, m.baseHeadroom, false);
    putFraction(out, m.alternateHeadroom, false);
    for (int c = 0; c < m.channels; ++c) {
        putFraction(out, m.gainMapMin[c], true);
        putFraction(out, m.gainMapMax[c], true);
        putFraction(out, m.gamma[c], false);
        putFraction(out, m.baseOffset[c], true);
        putFraction(out, m.alternateOffset[c], true);
    }
    return out;
}

std::string gainMapXmp(const GainMapMetadata &m)
{
    // The base picture is the SDR one unless its headroom is the larger.
    const bool baseIsHdr = m.baseHeadroom > m.alternateHeadroom;
    const double capacityMin = std::min(m.baseHeadroom, m.alternateHeadroom);
    const double capacityMax = std::max(m.baseHeadroom, m.alternateHeadroom);
    const int n = m.channels;
    std::string x = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                    "  <rdf:Description rdf:about=\"\"\n"
                    "      xmlns:hdrgm=\"http://ns.adobe.com/hdr-gain-map/1.0/\"\n"
                    "      hdrgm:Version=\"1.0\"";
    x += attribute("GainMapMin", m.gainMapMin, n);
    x += attribute("GainMapMax", m.gainMapMax, n);
    x += attribute("Gamma", m.gamma, n);
    x += attribute("OffsetSDR", baseIsHdr ? m.alternateOffset : m.baseOffset, n);
    x += attribute("OffsetHDR", baseIsHdr ? m.baseOffset : m.alternateOffset, n);
    x += "\n      hdrgm:HDRCapacityMin=\"" + number(capacityMin) + "\"";
    x += "\n      hdrgm:HDRCapacityMax=\"" + number(capacityMax) + "\"";
    x += std::string("\n      hdrgm:BaseRenditionIsHDR=\"") + (baseIsHdr ? "True" : "False") + "\"";
    if (n == 1) {
        x += "/>\n";
    } else {
        x += ">";
        x += sequence("GainMapMin", m.gainMapMin, n);
        x += sequence("GainMapMax", m.gainMapMax, n);
        x += sequence("Gamma", m.gamma, n);
        x += sequence("OffsetSDR", baseIsHdr ? m.alternateOffset : m.baseOffset, n);
        x += sequence("OffsetHDR", baseIsHdr ? m.baseOffset : m.alternateOffset, n);
        x += "\n  </rdf:Description>\n";
    }
    x += " </rdf:RDF>\n</x:xmpmeta>";
    return x;
}

} // namespace tarnwick
