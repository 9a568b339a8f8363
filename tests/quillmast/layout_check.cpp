// Plain C++ check of the Quillmast file layouts, built for 32 and for 64 bits
// (check_m32.sh): the compile proves the record sizes and offsets (static
// assertions), the run writes the files into an output folder so that the
// two builds' bytes can be compared.
//
// usage: layout_check <output folder>

#include "API_Quillmast.h"
#include "win32.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static_assert(sizeof(LL::WCHAR) == 2, "16-bit text");
static_assert(sizeof(LL::MenuEntry) == 516, "MenuEntry");
static_assert(sizeof(LL::InstallRecord) == 1540, "InstallRecord");

namespace {

int failures = 0;
int checks = 0;

#define CHECK(condition)                                                                  \
    do {                                                                                  \
        ++checks;                                                                         \
        if (!(condition)) {                                                               \
            ++failures;                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                                 \
    } while (0)

long fileSize(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

bool writeText(const std::string &path, const char *text)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fputs(text, f);
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    mkdir(out.c_str(), 0777);
    if (chdir(out.c_str()) != 0)
        return 2;
    win32::SetDriveRoot((out + "/drives").c_str());
    const std::string exe = out + "/exe";
    mkdir(exe.c_str(), 0777);
    win32::SetModulePath((exe + "/program").c_str());

    LL::API_Quillmast qm;
    for (int n = 0; n < LL::QuillmastMenuCount; ++n) {
        int state = n - 3;
        char16_t url[64];
        win32::wnsprintfW(url, 64, u"https://quorvix.example/%d/\u00e9\u4e2d", n);
        qm.SetMenuStateAndURL(n, &state, url);
    }
    qm.SetCurrProductName(u"Quorvix Vantrope");

    // The appended installation record, found again behind later data.
    CHECK(writeText(out + "/setup.exe", "installer"));
    CHECK(qm.ProductInstallFile(u"setup.exe", u"record.bin"));
    CHECK(fileSize(out + "/record.bin") == 9 + 11344);
    CHECK(qm.ProductInstallFile(u"setup.exe", u"record-tail.bin"));
    {
        FILE *f = std::fopen("record-tail.bin", "ab");
        for (int i = 0; i < 98459; ++i)
            std::fputc(i & 0xFF, f);
        std::fclose(f);
    }
    LL::API_Quillmast reader;
    CHECK(reader.ReadInstallFile(u"record-tail.bin"));
    for (int n = 0; n < LL::QuillmastMenuCount; ++n) {
        int a = 0, b = 0;
        char16_t ua[256], ub[256];
        qm.GetMenuStateAndURLEx(n, &a, ua);
        reader.GetMenuStateAndURLEx(n, &b, ub);
        CHECK(a == b && win32::wcscmp(ua, ub) == 0);
    }

    // "Version.ini" round trip and "Version.bin".
    CHECK(qm.WriteVersionFile());
    CHECK(writeText(exe + "/Version.ini", ""));
    {
        FILE *src = std::fopen("Version.ini", "rb");
        FILE *dst = std::fopen((exe + "/Version.ini").c_str(), "wb");
        int c;
        while (src && dst && (c = std::fgetc(src)) != EOF)
            std::fputc(c, dst);
        if (src)
            std::fclose(src);
        if (dst)
            std::fclose(dst);
    }
    int state = 0;
    char16_t url[256] = {};
    qm.GetMenuStateAndURL(5, &state, url);
    CHECK(state == 2);
    CHECK(win32::wcscmp(url, u"https://quorvix.example/5/\u00e9\u4e2d") == 0);
    qm.VersionTranslated();
    CHECK(fileSize(out + "/Version.bin") == 10060);
    CHECK(qm.GetVersionInfo(17, &state, url) && state == 14);

    qm.SetLinkUrl(u"link.url", u"https://quorvix.example/");
    CHECK(fileSize(out + "/link.url") == 18 + 2 + 4 + 24);

    std::printf("layout check (%d-bit): %d passed, %d failed\n", static_cast<int>(sizeof(void *) * 8),
                checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
