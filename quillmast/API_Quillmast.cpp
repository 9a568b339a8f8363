#include "API_Quillmast.h"

#include "win32.h"
#include "win32types.h"

#include <cstring>

namespace LL {

using win32::DWORD;
using win32::HANDLE;

namespace {

const WCHAR kStartMenuPrograms[] = WIDE("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
const WCHAR kInstallMarker[] = WIDE("E15436C9-F797-4CBD-B3AA-9E27D649D47E");
const WCHAR kInstallTag[] = WIDE("Version");
const WCHAR kVersionIni[] = WIDE("Version.ini");
const WCHAR kVersionBin[] = WIDE("Version.bin");
const WCHAR kSectionUrls[] = WIDE("VERSION");
const WCHAR kSectionStates[] = WIDE("STATE");
const WCHAR kKeyWithoutNumber[] = WIDE("QUORVIX_MENU_MAX_LENGTH");

// INI keys by menu number; numbers 1, 2, 14 and 18 have none.
const WCHAR *const kMenuKeys[QuillmastMenuCount] = {
    WIDE("QUORVIX_MENU_TYPE"),
    nullptr,
    nullptr,
    WIDE("QUORVIX_MENU_TUTORIAL"),
    WIDE("QUORVIX_MENU_FREQUENTLY_ASKED_QUESTIONS"),
    WIDE("QUORVIX_MENU_WRITE_A_PRODUCT_REVIEW"),
    WIDE("QUORVIX_MENU_CONTACT_US"),
    WIDE("QUORVIX_MENU_VIEW_FACEBOOK_FAN_PAGE"),
    WIDE("QUORVIX_MENU_FOLLOW_US_ON_TWITTER"),
    WIDE("QUORVIX_MENU_LANGUAGE"),
    WIDE("QUORVIX_MENU_CHECK_FOR_UPDATES"),
    WIDE("QUORVIX_MENU_ABOUT"),
    WIDE("QUORVIX_MENU_EXIT"),
    WIDE("QUORVIX_MENU_INSTALL_URL"),
    nullptr,
    WIDE("QUORVIX_MENU_START_HOME_PAGE"),
    WIDE("QUORVIX_MENU_START_TUTORIAL"),
    WIDE("QUORVIX_MENU_BY_PRODUCT"),
    nullptr,
};

// The maker's products; the last one is this program.
const WCHAR *const kProductNames[QuillmastProductCount] = {
    WIDE("Quorvix Reelforge"),
    WIDE("Quorvix Scribeline"),
    WIDE("Quorvix Lumaset"),
    WIDE("Quorvix Tidewell"),
    WIDE("Quorvix Echomill"),
    WIDE("Quorvix Framecast"),
    WIDE("Quorvix Discwright"),
    WIDE("Quorvix Ferryman"),
    WIDE("Quorvix Slatekeep"),
    WIDE("Quorvix Inkpress"),
    WIDE("Quorvix Vantrope"),
};

// The highest menu number that has a key; its key heads "Version.bin".
constexpr int kHighestKeyedNumber = 17;

constexpr int kHeaderBytes = 256;
constexpr int kMenuBlockBytes = static_cast<int>(sizeof(MenuEntry) * QuillmastMenuCount);
constexpr int kRecordBytes = static_cast<int>(sizeof(InstallRecord));
// The record is looked for starting 1540 to 99,999 bytes before the end.
constexpr int kFarthestRecordDistance = 99999;

bool validMenuNumber(int number) { return number >= 0 && number < QuillmastMenuCount; }

// Copies at most units - 1 units of src and clears the rest of the field, so
// a field never holds an unterminated text or left-overs of a longer one.
void copyText(WCHAR *dst, const WCHAR *src, size_t units)
{
    size_t i = 0;
    if (src)
        for (; i + 1 < units && src[i]; ++i)
            dst[i] = src[i];
    for (; i < units; ++i)
        dst[i] = 0;
}

// Appends src to the text in dst (a buffer of units), cutting it at the
// buffer's end.
void appendText(WCHAR *dst, const WCHAR *src, size_t units)
{
    size_t used = 0;
    while (used < units && dst[used])
        ++used;
    if (used >= units)
        return;
    copyText(dst + used, src, units - used);
}

// Equality of a fixed field (possibly unterminated) with a terminated text.
bool fieldEquals(const WCHAR *field, const WCHAR *text, size_t units)
{
    for (size_t i = 0; i < units; ++i) {
        if (field[i] != text[i])
            return false;
        if (text[i] == 0)
            return true;
    }
    return false;
}

// Cuts a path after its last "\" (keeping it); a path without one becomes
// empty.
void cutAfterLastSeparator(WCHAR *path)
{
    WCHAR *cut = const_cast<WCHAR *>(win32::wcsrchr(path, '\\'));
    if (cut)
        cut[1] = 0;
    else
        path[0] = 0;
}

} // namespace

API_Quillmast::API_Quillmast()
{
    memset(menu, 0, sizeof menu);
    memset(&install, 0, sizeof install);
    menuBlockSize = kMenuBlockBytes;
    FormatProductName();
}

API_Quillmast::API_Quillmast(const API_Quillmast &other) = default;

API_Quillmast &API_Quillmast::operator=(const API_Quillmast &other) = default;

API_Quillmast::~API_Quillmast() = default;

bool API_Quillmast::GetVersionFilePath(WCHAR *path)
{
    win32::GetModuleFileNameW(nullptr, path, QuillmastPathUnits);
    path[QuillmastPathUnits - 1] = 0;
    cutAfterLastSeparator(path);
    appendText(path, kVersionIni, QuillmastPathUnits);
    return true;
}

// Shortcut of the current product in the Start menu, and the folder of its
// target (empty when it cannot be resolved: names are then relative to the
// current directory).
static void productFolder(API_Quillmast &self, const WCHAR *productName, WCHAR *folder)
{
    WCHAR shortcut[QuillmastPathUnits] = {};
    win32::wnsprintfW(shortcut, QuillmastPathUnits, WIDE("%s\\Quorvix\\%s\\%s.lnk"), kStartMenuPrograms,
                      productName, productName);
    self.GetLinkDirectroy(shortcut, folder);
}

bool API_Quillmast::GetVersionInfo(int number, int *state, WCHAR *url)
{
    if (!validMenuNumber(number) || !state || !url)
        return false;
    WCHAR path[QuillmastPathUnits] = {};
    productFolder(*this, install.productName, path);
    appendText(path, kVersionBin, QuillmastPathUnits);
    HANDLE file = win32::CreateFileW(path, win32::GENERIC_READ, 0, nullptr, win32::OPEN_EXISTING,
                                     win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE)
        return false;
    MenuEntry entry;
    DWORD got = 0;
    const bool read = win32::SetFilePointer(file, kHeaderBytes + number * static_cast<int>(sizeof(MenuEntry)),
                                            nullptr, win32::FILE_BEGIN)
            != win32::INVALID_SET_FILE_POINTER
        && win32::ReadFile(file, &entry, sizeof entry, &got, nullptr) && got == sizeof entry;
    win32::CloseHandle(file);
    if (!read)
        return false;
    *state = entry.state;
    copyText(url, entry.url, QuillmastTextUnits);
    return true;
}

bool API_Quillmast::ReadInstallFile(const WCHAR *filePath)
{
    HANDLE file = win32::CreateFileW(filePath, win32::GENERIC_READ, 0, nullptr, win32::OPEN_EXISTING,
                                     win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE)
        return false;
    // Probes go into a record of their own: a failed search leaves this
    // object as it was.
    InstallRecord probe;
    for (int distance = -kRecordBytes; distance >= -kFarthestRecordDistance; --distance) {
        if (win32::SetFilePointer(file, distance, nullptr, win32::FILE_END) == win32::INVALID_SET_FILE_POINTER)
            break; // before the start of the file: every farther probe is too
        DWORD got = 0;
        if (!win32::ReadFile(file, &probe, sizeof probe, &got, nullptr) || got != sizeof probe)
            continue;
        if (probe.magic != QuillmastInstallMagic || !fieldEquals(probe.tag, kInstallTag, QuillmastTextUnits)
            || !fieldEquals(probe.marker, kInstallMarker, QuillmastTextUnits))
            continue;
        win32::OutputDebugStringW(WIDE("IVT:wcscmp() Done"));
        MenuEntry table[QuillmastMenuCount];
        got = 0;
        const bool read = win32::SetFilePointer(file, -(menuBlockSize + kRecordBytes), nullptr, win32::FILE_CURRENT)
                != win32::INVALID_SET_FILE_POINTER
            && win32::ReadFile(file, table, sizeof table, &got, nullptr) && got == sizeof table;
        win32::CloseHandle(file);
        if (!read)
            return false;
        memcpy(menu, table, sizeof menu);
        install = probe;
        for (MenuEntry &entry : menu)
            entry.url[QuillmastTextUnits - 1] = 0;
        install.productName[QuillmastTextUnits - 1] = 0;
        return true;
    }
    win32::CloseHandle(file);
    return false;
}

bool API_Quillmast::WriteVersionFile()
{
    WCHAR iniPath[QuillmastPathUnits] = {};
    productFolder(*this, install.productName, iniPath);
    appendText(iniPath, kVersionIni, QuillmastPathUnits);
    HANDLE file = win32::CreateFileW(iniPath, win32::GENERIC_READ | win32::GENERIC_WRITE, 0, nullptr,
                                     win32::CREATE_ALWAYS, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE)
        return false;
    win32::CloseHandle(file);
    for (int number = 0; number < QuillmastMenuCount; ++number)
        if (kMenuKeys[number])
            WriteVersion(kMenuKeys[number], menu[number].url, &menu[number].state, iniPath);
    return true;
}

void API_Quillmast::GetMenuStateAndURL(int number, int *state, WCHAR *url)
{
    WCHAR key[QuillmastTextUnits];
    MenuNumberToString(number, key);
    ReadVersion(key, url, state);
}

void API_Quillmast::GetMenuStateAndURLEx(int number, int *state, WCHAR *url)
{
    if (!validMenuNumber(number)) {
        if (state)
            *state = 0;
        if (url)
            url[0] = 0;
        return;
    }
    if (url)
        copyText(url, menu[number].url, QuillmastTextUnits);
    if (state)
        *state = menu[number].state;
}

void API_Quillmast::SetMenuStateAndURL(int number, int *state, const WCHAR *url)
{
    if (!validMenuNumber(number))
        return;
    copyText(menu[number].url, url, QuillmastTextUnits);
    if (state)
        menu[number].state = *state;
}

bool API_Quillmast::ProductInstallFile(const WCHAR *sourcePath, const WCHAR *destinationPath)
{
    if (!win32::CopyFileW(sourcePath, destinationPath, win32::FALSE))
        return false;
    HANDLE file = win32::CreateFileW(destinationPath, win32::GENERIC_READ | win32::GENERIC_WRITE, 0, nullptr,
                                     win32::OPEN_EXISTING, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE)
        return false;
    win32::SetFilePointer(file, 0, nullptr, win32::FILE_END);
    install.magic = QuillmastInstallMagic;
    copyText(install.tag, kInstallTag, QuillmastTextUnits);
    copyText(install.marker, kInstallMarker, QuillmastTextUnits);
    DWORD tableWritten = 0, recordWritten = 0;
    const bool written = win32::WriteFile(file, menu, static_cast<DWORD>(menuBlockSize), &tableWritten, nullptr)
        && win32::WriteFile(file, &install, sizeof install, &recordWritten, nullptr)
        && tableWritten == static_cast<DWORD>(menuBlockSize) && recordWritten == sizeof install;
    win32::CloseHandle(file);
    return written;
}

void API_Quillmast::SingInstallFile(const WCHAR *filePath)
{
    WCHAR parameters[QuillmastPathUnits + 32];
    // A path cut to fit would sign some other file: then nothing is run.
    if (win32::wnsprintfW(parameters, static_cast<int>(sizeof parameters / sizeof parameters[0]),
                          WIDE("/C signtool.bat \"%s\""), filePath)
        < 0)
        return;
    win32::ShellExecuteW(nullptr, WIDE("open"), WIDE("cmd.exe"), parameters, nullptr, win32::SW_SHOW);
}

void API_Quillmast::FormatProductName()
{
    memset(productNames, 0, sizeof productNames);
    for (int i = 0; i < QuillmastProductCount; ++i)
        copyText(productNames[i], kProductNames[i], QuillmastTextUnits);
}

void API_Quillmast::GetStartMenuPath(WCHAR *path)
{
    copyText(path, kStartMenuPrograms, QuillmastTextUnits);
}

int API_Quillmast::UnicodeToAscii(const WCHAR *text, char *bytes, int capacity)
{
    const int needed = win32::WideCharToMultiByte(win32::CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return -1;
    if (capacity < needed)
        return needed;
    win32::WideCharToMultiByte(win32::CP_ACP, 0, text, -1, bytes, capacity, nullptr, nullptr);
    return 0;
}

int API_Quillmast::GetProductMaxNumber()
{
    return QuillmastProductCount;
}

void API_Quillmast::GetProductName(int index, WCHAR *name)
{
    if (index < 0 || index >= QuillmastProductCount) {
        name[0] = 0;
        return;
    }
    copyText(name, productNames[index], QuillmastTextUnits);
}

int API_Quillmast::SelectProductNumber(const WCHAR *name)
{
    if (!name)
        return -1;
    for (int i = 0; i < QuillmastProductCount; ++i)
        if (fieldEquals(productNames[i], name, QuillmastTextUnits))
            return i;
    return -1;
}

void API_Quillmast::SetCurrProductName(const WCHAR *name)
{
    copyText(install.productName, name, QuillmastTextUnits);
}

void API_Quillmast::GetVersionStartMenuPath(WCHAR *homePagePath, WCHAR *howToUsePath)
{
    WCHAR folder[QuillmastTextUnits];
    GetStartMenuPath(folder);
    appendText(folder, WIDE("\\Quorvix\\"), QuillmastTextUnits);
    appendText(folder, install.productName, QuillmastTextUnits);
    win32::wnsprintfW(homePagePath, QuillmastPathUnits, WIDE("%s\\ Homepage on the Web.url"), folder);
    win32::wnsprintfW(howToUsePath, QuillmastPathUnits, WIDE("%s\\ How to Use on the Web.url"), folder);
}

void API_Quillmast::SetLinkUrl(const WCHAR *shortcutPath, const WCHAR *url)
{
    constexpr int kBytes = 260;
    char path[kBytes], address[kBytes];
    if (UnicodeToAscii(shortcutPath, path, kBytes) != 0 || UnicodeToAscii(url, address, kBytes) != 0)
        return;
    char firstLine[kBytes], secondLine[kBytes];
    const int firstLength = snprintf(firstLine, sizeof firstLine, "[InternetShortcut]\r\n");
    const int secondLength = snprintf(secondLine, sizeof secondLine, "URL=%s", address);
    // A cut address would make a shortcut to somewhere else.
    if (secondLength < 0 || secondLength >= kBytes)
        return;
    FILE *file = win32::fopen(path, "wb");
    if (!file)
        return;
    fwrite(firstLine, 1, static_cast<size_t>(firstLength), file);
    fwrite(secondLine, 1, static_cast<size_t>(secondLength), file);
    fclose(file);
}

bool API_Quillmast::GetLinkDirectroy(const WCHAR *shortcutPath, WCHAR *folder)
{
    memset(folder, 0, 256);
    bool result = false;
    win32::CoInitialize(nullptr);
    win32::IShellLinkW *shellLink = nullptr;
    win32::IPersistFile *persistFile = nullptr;
    win32::HRESULT hr = win32::CoCreateInstance(win32::CLSID_ShellLink, nullptr, win32::CLSCTX_INPROC_SERVER,
                                                win32::IID_IShellLinkW, reinterpret_cast<void **>(&shellLink));
    if (win32::SUCCEEDED(hr))
        hr = shellLink->QueryInterface(win32::IID_IPersistFile, reinterpret_cast<void **>(&persistFile));
    if (win32::SUCCEEDED(hr))
        hr = persistFile->Load(shortcutPath, 0);
    if (win32::SUCCEEDED(hr)) {
        win32::WIN32_FIND_DATAW findData;
        hr = shellLink->GetPath(folder, QuillmastTextUnits, &findData, 0);
    }
    if (hr == win32::S_OK) {
        cutAfterLastSeparator(folder);
        result = true;
    } else {
        folder[0] = 0;
    }
    if (persistFile)
        persistFile->Release();
    if (shellLink)
        shellLink->Release();
    win32::CoUninitialize();
    return result;
}

void API_Quillmast::PopInstallURL()
{
    if (menu[QuillmastInstallUrlNumber].state != 1)
        return;
    win32::ShellExecuteW(nullptr, WIDE("open"), menu[QuillmastInstallUrlNumber].url, nullptr, nullptr,
                         win32::SW_SHOWNORMAL);
}

void API_Quillmast::ReadProductVersionUrlFile(const WCHAR *section, const WCHAR *key, int number,
                                              const WCHAR *iniPath)
{
    if (!validMenuNumber(number))
        return;
    win32::GetPrivateProfileStringW(section, key, WIDE(""), menu[number].url, QuillmastTextUnits, iniPath);
}

bool API_Quillmast::WriteVersion(const WCHAR *key, const WCHAR *url, int *state, const WCHAR *iniPath)
{
    WCHAR stateText[QuillmastTextUnits];
    win32::WritePrivateProfileStringW(kSectionUrls, key, url, iniPath);
    win32::wnsprintfW(stateText, QuillmastTextUnits, WIDE("%d"), state ? *state : 0);
    return win32::WritePrivateProfileStringW(kSectionStates, key, stateText, iniPath) != win32::FALSE;
}

bool API_Quillmast::ReadVersion(const WCHAR *key, WCHAR *url, int *state)
{
    WCHAR path[QuillmastPathUnits];
    WCHAR stateText[QuillmastTextUnits];
    GetVersionFilePath(path);
    win32::GetPrivateProfileStringW(kSectionUrls, key, WIDE(""), url, QuillmastTextUnits, path);
    win32::GetPrivateProfileStringW(kSectionStates, key, WIDE("1"), stateText, QuillmastTextUnits, path);
    if (state)
        *state = win32::_wtoi(stateText);
    return true;
}

void API_Quillmast::MenuNumberToString(int number, WCHAR *key)
{
    const WCHAR *text = validMenuNumber(number) && kMenuKeys[number] ? kMenuKeys[number] : kKeyWithoutNumber;
    copyText(key, text, QuillmastTextUnits);
}

void API_Quillmast::SetExeWorkDirectory()
{
    WCHAR path[QuillmastPathUnits];
    win32::GetModuleFileNameW(nullptr, path, QuillmastPathUnits);
    path[QuillmastPathUnits - 1] = 0;
    cutAfterLastSeparator(path);
    win32::SetCurrentDirectoryW(path);
}

void API_Quillmast::VersionTranslated()
{
    WCHAR path[QuillmastPathUnits] = {};
    productFolder(*this, install.productName, path);
    appendText(path, kVersionIni, QuillmastPathUnits);
    HANDLE file = win32::CreateFileW(path, win32::GENERIC_READ | win32::GENERIC_WRITE, 0, nullptr,
                                     win32::OPEN_EXISTING, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE)
        return;
    win32::CloseHandle(file);
    for (int number = 0; number < QuillmastMenuCount; ++number)
        if (kMenuKeys[number])
            ReadVersion(kMenuKeys[number], menu[number].url, &menu[number].state);

    productFolder(*this, install.productName, path);
    appendText(path, kVersionBin, QuillmastPathUnits);
    FILE *binary = win32::_wfopen(path, WIDE("wb"));
    if (!binary)
        return;
    unsigned char header[kHeaderBytes] = {};
    const WCHAR *headerKey = kMenuKeys[kHighestKeyedNumber];
    memcpy(header, headerKey, win32::wcslen(headerKey) * sizeof(WCHAR));
    fwrite(header, 1, sizeof header, binary);
    fwrite(menu, 1, static_cast<size_t>(menuBlockSize), binary);
    fclose(binary);
}

} // namespace LL
