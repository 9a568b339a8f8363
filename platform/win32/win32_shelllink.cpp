// COM initialisation and the shell link object, which reads ".lnk" files by
// their published layout ([MS-SHLLINK]).

#include "win32.h"
#include "win32_internal.h"

#include <atomic>
#include <cstring>
#include <vector>

namespace win32 {

const CLSID CLSID_ShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

thread_local int comInitCount = 0;

// Shortcut files are small; anything larger is not one.
constexpr size_t kMaxLinkFileSize = 1 << 20;

enum : uint32_t {
    HasLinkTargetIDList = 0x1,
    HasLinkInfo = 0x2,
    HasName = 0x4,
    HasRelativePath = 0x8,
    HasWorkingDir = 0x10,
    HasArguments = 0x20,
    HasIconLocation = 0x40,
    IsUnicode = 0x80,
    ForceNoLinkInfo = 0x100,
};

enum : uint32_t { VolumeIDAndLocalBasePath = 0x1, CommonNetworkRelativeLinkAndPathSuffix = 0x2 };

// Bounds-checked little-endian reads over the file's bytes.
struct Reader {
    const std::vector<unsigned char> &data;

    bool u16(size_t at, uint16_t &v) const
    {
        if (at > data.size() || data.size() - at < 2)
            return false;
        v = static_cast<uint16_t>(data[at] | (data[at + 1] << 8));
        return true;
    }
    bool u32(size_t at, uint32_t &v) const
    {
        if (at > data.size() || data.size() - at < 4)
            return false;
        v = static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8)
            | (static_cast<uint32_t>(data[at + 2]) << 16) | (static_cast<uint32_t>(data[at + 3]) << 24);
        return true;
    }
    // NUL-terminated ANSI text in [at, limit).
    bool ansi(size_t at, size_t limit, WString &out) const
    {
        if (limit > data.size() || at >= limit)
            return false;
        const void *end = memchr(&data[at], 0, limit - at);
        if (!end)
            return false;
        size_t n = static_cast<size_t>(static_cast<const unsigned char *>(end) - &data[at]);
        std::string bytes(reinterpret_cast<const char *>(&data[at]), n);
        int units = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, nullptr, 0);
        if (units <= 0)
            return false;
        out.assign(static_cast<size_t>(units), 0);
        MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, &out[0], units);
        out.resize(static_cast<size_t>(units - 1));
        return true;
    }
    // NUL-terminated UTF-16 text in [at, limit).
    bool unicode(size_t at, size_t limit, WString &out) const
    {
        if (limit > data.size() || at >= limit)
            return false;
        out.clear();
        for (size_t i = at; i + 1 < limit; i += 2) {
            WCHAR c = static_cast<WCHAR>(data[i] | (data[i + 1] << 8));
            if (c == 0)
                return true;
            out += c;
        }
        return false;
    }
};

bool parseLinkInfo(const Reader &r, size_t start, size_t size, WString &target)
{
    uint32_t headerSize, flags, localBase, network, suffix;
    if (size < 0x1C || !r.u32(start + 4, headerSize) || !r.u32(start + 8, flags)
        || !r.u32(start + 16, localBase) || !r.u32(start + 20, network) || !r.u32(start + 24, suffix))
        return false;
    if (headerSize < 0x1C || headerSize > size)
        return false;
    const size_t limit = start + size;
    uint32_t localBaseUnicode = 0, suffixUnicode = 0;
    if (headerSize >= 0x24 && (!r.u32(start + 28, localBaseUnicode) || !r.u32(start + 32, suffixUnicode)))
        return false;
    WString tail;
    if (suffixUnicode ? !r.unicode(start + suffixUnicode, limit, tail) : !r.ansi(start + suffix, limit, tail))
        tail.clear();
    if (flags & VolumeIDAndLocalBasePath) {
        WString base;
        bool ok = localBaseUnicode ? r.unicode(start + localBaseUnicode, limit, base)
                                   : r.ansi(start + localBase, limit, base);
        if (!ok)
            return false;
        target = base + tail;
        return !target.empty();
    }
    if (flags & CommonNetworkRelativeLinkAndPathSuffix) {
        const size_t cnrl = start + network;
        uint32_t cnrlSize, netNameOffset, netNameUnicode = 0;
        if (network < headerSize || !r.u32(cnrl, cnrlSize) || cnrlSize < 0x14 || cnrlSize > limit - cnrl
            || !r.u32(cnrl + 8, netNameOffset))
            return false;
        if (netNameOffset > 0x14 && !r.u32(cnrl + 20, netNameUnicode))
            return false;
        WString share;
        bool ok = netNameUnicode ? r.unicode(cnrl + netNameUnicode, cnrl + cnrlSize, share)
                                 : r.ansi(cnrl + netNameOffset, cnrl + cnrlSize, share);
        if (!ok || share.empty())
            return false;
        target = tail.empty() ? share : share + WIDE("\\") + tail;
        return true;
    }
    return false;
}

// Joins a relative path to the shortcut's own folder and resolves "." and
// ".." segments; ".." never climbs above the first segment (the drive).
WString resolveRelative(const WString &linkPath, const WString &relative)
{
    std::vector<WString> parts;
    auto segments = [](const WString &s) {
        std::vector<WString> out;
        size_t pos = 0;
        for (;;) {
            size_t sep = s.find_first_of(WIDE("\\/"), pos);
            out.push_back(s.substr(pos, sep == WString::npos ? WString::npos : sep - pos));
            if (sep == WString::npos)
                return out;
            pos = sep + 1;
        }
    };
    size_t cut = linkPath.find_last_of(WIDE("\\/"));
    if (cut != WString::npos) {
        std::vector<WString> base = segments(linkPath.substr(0, cut));
        parts.push_back(base[0]); // the drive, or empty for a rooted path
        for (size_t i = 1; i < base.size(); ++i)
            if (!base[i].empty())
                parts.push_back(base[i]);
    }
    for (const WString &part : segments(relative)) {
        if (part.empty() || part == WIDE("."))
            continue;
        if (part == WIDE("..")) {
            if (parts.size() > 1)
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    WString out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += '\\';
        out += parts[i];
    }
    return out;
}

class ShellLink final : public IShellLinkW, public IPersistFile
{
public:
    HRESULT QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_INVALIDARG;
        if (iid == IID_IUnknown || iid == IID_IShellLinkW)
            *object = static_cast<IShellLinkW *>(this);
        else if (iid == IID_IPersistFile)
            *object = static_cast<IPersistFile *>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    unsigned long AddRef() override { return ++references; }
    unsigned long Release() override
    {
        unsigned long left = --references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT GetClassID(CLSID *clsid) override
    {
        if (!clsid)
            return E_INVALIDARG;
        *clsid = CLSID_ShellLink;
        return S_OK;
    }

    HRESULT Load(LPCWSTR fileName, DWORD) override
    {
        target.clear();
        if (!fileName || !*fileName)
            return E_INVALIDARG;
        HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return STG_E_FILENOTFOUND;
        DWORD sizeHigh = 0;
        const DWORD size = GetFileSize(file, &sizeHigh);
        std::string bytes;
        const bool read = sizeHigh == 0 && size <= kMaxLinkFileSize && ReadWholeFile(file, bytes)
            && bytes.size() <= kMaxLinkFileSize;
        CloseHandle(file);
        if (!read)
            return E_FAIL;
        std::vector<unsigned char> data(bytes.begin(), bytes.end());
        return parse(data, WString(fileName)) ? S_OK : E_FAIL;
    }

    HRESULT GetPath(LPWSTR file, int size, WIN32_FIND_DATAW *findData, DWORD) override
    {
        if (!file || size <= 0)
            return E_INVALIDARG;
        file[0] = 0;
        if (findData)
            memset(findData, 0, sizeof *findData);
        if (target.empty())
            return S_FALSE;
        if (target.size() >= static_cast<size_t>(size))
            return E_NOT_SUFFICIENT_BUFFER;
        lstrcpynW(file, target.c_str(), size);
        if (findData) {
            size_t cut = target.find_last_of(WIDE("\\/"));
            lstrcpynW(findData->cFileName, target.c_str() + (cut == WString::npos ? 0 : cut + 1), MAX_PATH);
        }
        return S_OK;
    }

private:
    bool parse(const std::vector<unsigned char> &data, const WString &linkPath)
    {
        static const unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                     0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
        Reader r{data};
        uint32_t headerSize, flags;
        if (!r.u32(0, headerSize) || headerSize != 0x4C || data.size() < 0x4C
            || memcmp(&data[4], kLinkClsid, 16) != 0 || !r.u32(0x14, flags))
            return false;
        size_t pos = 0x4C;
        if (flags & HasLinkTargetIDList) {
            uint16_t idListSize;
            if (!r.u16(pos, idListSize) || data.size() - (pos + 2) < idListSize)
                return false;
            pos += 2 + idListSize;
        }
        WString fromLinkInfo;
        if ((flags & HasLinkInfo) && !(flags & ForceNoLinkInfo)) {
            uint32_t linkInfoSize;
            if (!r.u32(pos, linkInfoSize) || linkInfoSize < 0x1C || linkInfoSize > data.size() - pos)
                return false;
            if (!parseLinkInfo(r, pos, linkInfoSize, fromLinkInfo))
                fromLinkInfo.clear();
            pos += linkInfoSize;
        }
        WString relative;
        const uint32_t strings[] = {HasName, HasRelativePath, HasWorkingDir, HasArguments, HasIconLocation};
        for (uint32_t which : strings) {
            if (!(flags & which))
                continue;
            uint16_t count;
            if (!r.u16(pos, count))
                return false;
            pos += 2;
            const size_t bytes = (flags & IsUnicode) ? 2u * count : count;
            if (data.size() - pos < bytes)
                return false;
            if (which == HasRelativePath) {
                if (flags & IsUnicode) {
                    for (size_t i = 0; i < count; ++i)
                        relative += static_cast<WCHAR>(data[pos + 2 * i] | (data[pos + 2 * i + 1] << 8));
                } else {
                    std::string text(reinterpret_cast<const char *>(&data[pos]), count);
                    int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                    nullptr, 0);
                    relative.assign(static_cast<size_t>(units > 0 ? units : 0), 0);
                    if (units > 0)
                        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &relative[0],
                                            units);
                }
            }
            pos += bytes;
        }
        if (!fromLinkInfo.empty())
            target = fromLinkInfo;
        else if (!relative.empty())
            target = resolveRelative(linkPath, relative);
        return true;
    }

    std::atomic<unsigned long> references{1};
    WString target;
};

} // namespace

HRESULT CoInitialize(void *)
{
    return comInitCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (comInitCount > 0)
        --comInitCount;
}

HRESULT CoCreateInstance(REFCLSID clsid, void *outer, DWORD context, REFIID iid, void **object)
{
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    if (comInitCount == 0)
        return CO_E_NOTINITIALIZED;
    if (outer || !(context & CLSCTX_INPROC_SERVER) || !(clsid == CLSID_ShellLink))
        return REGDB_E_CLASSNOTREG;
    auto *link = new ShellLink;
    HRESULT hr = link->QueryInterface(iid, object);
    link->Release();
    return hr;
}

} // namespace win32
