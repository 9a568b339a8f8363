#include "fileversioninfo.h"

#include "elfsection.h"
#include "versionblock.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// A version block is addressed by 16-bit lengths, so it never exceeds 64 KiB.
constexpr uint64_t maxBlockSize = 0xffff;

std::string narrowPath(const wchar_t *path)
{
    // File names on this platform are UTF-8.
    std::string out;
    for (; path && *path; ++path) {
        uint32_t cp = uint32_t(*path);
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xc0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3f));
        } else if (cp < 0x10000) {
            out += char(0xe0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3f));
            out += char(0x80 | (cp & 0x3f));
        } else {
            out += char(0xf0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3f));
            out += char(0x80 | ((cp >> 6) & 0x3f));
            out += char(0x80 | (cp & 0x3f));
        }
    }
    return out;
}

bool readBlock(const wchar_t *filePath, std::vector<uint8_t> *block)
{
    if (!filePath)
        return false;
    if (!readElfSection(narrowPath(filePath), VersionBlock::sectionName, block, maxBlockSize))
        return false;
    if (block->size() < 6)
        return false;
    const uint16_t length = uint16_t((*block)[0] | ((*block)[1] << 8));
    return length >= 6 && length <= block->size();
}

uint16_t word(const uint8_t *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

size_t align4(size_t offset)
{
    return (offset + 3) & ~size_t(3);
}

// One node inside [begin, begin + limit) of the block, offsets relative to the
// block start (alignment is relative to it).
struct NodeView {
    size_t offset = 0;
    size_t length = 0;
    uint16_t valueLength = 0;
    uint16_t type = 0;
    size_t keyOffset = 0;
    size_t keyChars = 0;
    size_t valueOffset = 0;
    size_t valueBytes = 0;
    size_t childrenOffset = 0;
};

bool parseNode(const uint8_t *block, size_t offset, size_t limit, NodeView *node)
{
    if (offset + 6 > limit)
        return false;
    node->offset = offset;
    node->length = word(block + offset);
    node->valueLength = word(block + offset + 2);
    node->type = word(block + offset + 4);
    if (node->length < 6 || offset + node->length > limit)
        return false;
    const size_t end = offset + node->length;
    node->keyOffset = offset + 6;
    size_t p = node->keyOffset;
    while (p + 2 <= end && word(block + p) != 0)
        p += 2;
    if (p + 2 > end)
        return false;
    node->keyChars = (p - node->keyOffset) / 2;
    node->valueOffset = align4(p + 2);
    node->valueBytes = node->type == 1 ? size_t(node->valueLength) * 2 : node->valueLength;
    if (node->valueOffset > end)
        node->valueOffset = end;
    if (node->valueBytes > end - node->valueOffset)
        return false;
    node->childrenOffset = align4(node->valueOffset + node->valueBytes);
    return true;
}

char16_t fold(uint32_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c - 'A' + 'a') : char16_t(c);
}

bool keyEquals(const uint8_t *block, const NodeView &node, const std::u32string &key)
{
    if (node.keyChars != key.size())
        return false;
    for (size_t i = 0; i < key.size(); ++i) {
        if (fold(word(block + node.keyOffset + 2 * i)) != fold(key[i]))
            return false;
    }
    return true;
}

} // namespace

uint32_t GetFileVersionInfoSizeW(const wchar_t *filePath, uint32_t *handle)
{
    if (handle)
        *handle = 0;
    std::vector<uint8_t> block;
    if (!readBlock(filePath, &block))
        return 0;
    return uint32_t(block.size());
}

int GetFileVersionInfoW(const wchar_t *filePath, uint32_t /*handle*/, uint32_t length, void *data)
{
    std::vector<uint8_t> block;
    if (!data || !readBlock(filePath, &block))
        return 0;
    // The root length bounds every later lookup, so the copy must hold all of it.
    const uint16_t rootLength = word(block.data());
    if (length < rootLength)
        return 0;
    std::memcpy(data, block.data(), block.size() < length ? block.size() : length);
    return 1;
}

int VerQueryValueW(const void *blockData, const wchar_t *subBlock, void **buffer, uint32_t *length)
{
    if (!blockData || !subBlock || !buffer || !length)
        return 0;
    const uint8_t *block = static_cast<const uint8_t *>(blockData);
    NodeView node;
    if (!parseNode(block, 0, word(block), &node))
        return 0;

    // Walk the path one key at a time.
    const wchar_t *p = subBlock;
    while (*p) {
        while (*p == L'\\')
            ++p;
        if (!*p)
            break;
        std::u32string key;
        while (*p && *p != L'\\')
            key += char32_t(*p++);
        const size_t end = node.offset + node.length;
        size_t child = node.childrenOffset;
        bool found = false;
        while (child < end) {
            NodeView candidate;
            if (!parseNode(block, child, end, &candidate))
                return 0;
            if (keyEquals(block, candidate, key)) {
                node = candidate;
                found = true;
                break;
            }
            child = align4(candidate.offset + candidate.length);
        }
        if (!found)
            return 0;
    }
    if (node.valueBytes == 0)
        return 0;
    *buffer = const_cast<uint8_t *>(block + node.valueOffset);
    *length = node.type == 1 ? node.valueLength : uint32_t(node.valueBytes);
    return 1;
}
