#pragma once

// Quillmast: the menu table of one product (an on/off state and a web address
// per menu entry), kept in memory, in the INI file "Version.ini", in the
// binary image "Version.bin" and in an installation record appended to an
// installer; plus the maker's product name table and the product's Start-menu
// Internet shortcuts.
//
// Plain style: fixed UTF-16 buffers (LL::WCHAR, 16-bit units on every
// platform), bounded copies, bool results, no exceptions and no allocation.
// Texts longer than their field are cut at the field's size (terminator
// included), never written past it. Menu numbers outside 0 to 18 and product
// indexes outside 0 to 10 read as empty and write nothing.
//
// Byte layouts (little-endian, independent of the word size):
//   MenuEntry      516 bytes: int32 state, 256 units url
//   InstallRecord 1540 bytes: int32 magic, 256 units marker, tag, productName
//   menu table    9804 bytes: 19 MenuEntry in number order
//   "Version.bin" 10060 bytes: 256-byte header (the key of the highest keyed
//                 menu number, NUL-padded), then the menu table
//   appended installation record: the menu table, then the InstallRecord
//                 (11344 bytes)
//
// Paths are Windows paths ("C:\...", "\" as separator); the platform layer
// maps them onto the local file system (see win32.h).
//
// Use from the program: construct one object per question, on the stack:
//     LL::WCHAR url[256] = {};
//     int state = 0;
//     LL::API_Quillmast().GetMenuStateAndURL(3, &state, url);
//     QString address = QString::fromUtf16(url);

#include "win32char.h"

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#  if defined(QUILLMAST_BUILD_SHARED)
#    define QUILLMAST_API __declspec(dllexport)
#  elif defined(QUILLMAST_USE_SHARED)
#    define QUILLMAST_API __declspec(dllimport)
#  else
#    define QUILLMAST_API
#  endif
#else
#  define QUILLMAST_API __attribute__((visibility("default")))
#endif

class QuillmastTestPeer;

namespace LL {

typedef win32::WCHAR WCHAR;

enum : int {
    QuillmastMenuCount = 19,       // menu numbers 0 to 18
    QuillmastTextUnits = 256,      // every text field
    QuillmastPathUnits = 260,      // every path buffer
    QuillmastProductCount = 11,    // product name table
    QuillmastInstallMagic = 16534, // 0x4096
    QuillmastInstallUrlNumber = 13
};

struct MenuEntry {
    int32_t state;
    WCHAR url[QuillmastTextUnits];
};

struct InstallRecord {
    int32_t magic;
    WCHAR marker[QuillmastTextUnits];
    WCHAR tag[QuillmastTextUnits];
    WCHAR productName[QuillmastTextUnits];
};

static_assert(sizeof(MenuEntry) == 516, "MenuEntry is 516 bytes");
static_assert(offsetof(MenuEntry, url) == 4, "MenuEntry.url follows the state");
static_assert(sizeof(InstallRecord) == 1540, "InstallRecord is 1540 bytes");
static_assert(offsetof(InstallRecord, marker) == 4, "InstallRecord layout");
static_assert(offsetof(InstallRecord, tag) == 516, "InstallRecord layout");
static_assert(offsetof(InstallRecord, productName) == 1028, "InstallRecord layout");
static_assert(sizeof(MenuEntry[QuillmastMenuCount]) == 9804, "menu table is 9804 bytes");
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the file images are the in-memory records: a little-endian host is required");
#endif

class QUILLMAST_API API_Quillmast
{
public:
    // Zeroes the menu table and the installation record, fills the product
    // name table.
    API_Quillmast();
    API_Quillmast(const API_Quillmast &other);
    API_Quillmast &operator=(const API_Quillmast &other);
    virtual ~API_Quillmast();

    // The 26 operations, in their fixed virtual-table order.
private:
    // Folder of the running executable plus "Version.ini" (260 units).
    virtual bool GetVersionFilePath(WCHAR *path);

public:
    // State and url of one menu entry, read back from the "Version.bin" that
    // VersionTranslated writes (same folder: the product's Start-menu shortcut
    // target, else the current directory): the entry at 256 + number * 516.
    // False when the number is outside 0 to 18 or the entry cannot be read.
    virtual bool GetVersionInfo(int number, int *state, WCHAR *url);
    // Loads the menu table from the installation record found at the end of
    // the file (within the last 99,999 bytes). On success the installation
    // record (with its product name) is taken over too; on failure nothing
    // changes.
    virtual bool ReadInstallFile(const WCHAR *filePath);
    // Writes the whole menu table to the product's "Version.ini".
    virtual bool WriteVersionFile();
    // From the executable's "Version.ini": a missing key gives state 1 and an
    // empty url, a state that is not a number gives 0.
    virtual void GetMenuStateAndURL(int number, int *state, WCHAR *url);
    // The in-memory entry.
    virtual void GetMenuStateAndURLEx(int number, int *state, WCHAR *url);
    virtual void SetMenuStateAndURL(int number, int *state, const WCHAR *url);
    // Copies source to destination and appends the installation record.
    virtual bool ProductInstallFile(const WCHAR *sourcePath, const WCHAR *destinationPath);
    // Runs the signing script "signtool.bat" of the current directory on the
    // file; nothing is waited for.
    virtual void SingInstallFile(const WCHAR *filePath);

private:
    virtual void FormatProductName();
    // The Start-menu programs folder (at least 256 units).
    virtual void GetStartMenuPath(WCHAR *path);
    // Converts NUL-terminated text to the ANSI code page. Returns 0 when it
    // fitted into capacity bytes (terminator included), else the size needed,
    // leaving bytes untouched.
    virtual int UnicodeToAscii(const WCHAR *text, char *bytes, int capacity);

public:
    virtual int GetProductMaxNumber();
    virtual void GetProductName(int index, WCHAR *name);
    // Index of the first exact, case-sensitive match, else -1.
    virtual int SelectProductNumber(const WCHAR *name);
    virtual void SetCurrProductName(const WCHAR *name);
    // The product's " Homepage on the Web.url" and " How to Use on the Web.url"
    // shortcut paths (260 units each).
    virtual void GetVersionStartMenuPath(WCHAR *homePagePath, WCHAR *howToUsePath);
    // Writes an Internet shortcut file; nothing is written unless path and
    // both lines fit their 260-byte buffers.
    virtual void SetLinkUrl(const WCHAR *shortcutPath, const WCHAR *url);
    // Folder (with its trailing "\") of the target of a ".lnk" shortcut; false
    // and an empty folder when the shortcut cannot be read.
    virtual bool GetLinkDirectroy(const WCHAR *shortcutPath, WCHAR *folder);
    // Opens the installation page (menu number 13) when its state is 1.
    virtual void PopInstallURL();
    virtual void ReadProductVersionUrlFile(const WCHAR *section, const WCHAR *key, int number,
                                           const WCHAR *iniPath);
    // url under "VERSION", the decimal state under "STATE"; the result is that
    // of the second write.
    virtual bool WriteVersion(const WCHAR *key, const WCHAR *url, int *state, const WCHAR *iniPath);
    // From the executable's "Version.ini"; always true.
    virtual bool ReadVersion(const WCHAR *key, WCHAR *url, int *state);
    // The INI key of a menu number; "QUORVIX_MENU_MAX_LENGTH" for a number
    // without one.
    virtual void MenuNumberToString(int number, WCHAR *key);
    virtual void SetExeWorkDirectory();
    // Reads the executable's "Version.ini" into the menu table and writes it
    // as "Version.bin" into the product's folder, provided the product's own
    // "Version.ini" exists.
    virtual void VersionTranslated();

private:
    friend class ::QuillmastTestPeer;

    MenuEntry menu[QuillmastMenuCount];
    InstallRecord install;
    WCHAR productNames[QuillmastProductCount][QuillmastTextUnits];
    int32_t menuBlockSize;
};

} // namespace LL
