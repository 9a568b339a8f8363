// Writes the version block of a program as a C source that places the block in
// its own ELF section, so linking the source into an executable embeds it.
//   vantrope-versionblock <dotted version> <output.c>

#include "versionblock.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <version> <output.c>\n", argv[0]);
        return 2;
    }
    const std::vector<uint8_t> block = VersionBlock::build(VersionBlock::programContents(argv[1]));
    FILE *out = std::fopen(argv[2], "w");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::fprintf(out, "/* Generated at build time: the program's version block. */\n");
    std::fprintf(out, "__attribute__((used, aligned(4), section(\"%s\")))\n", VersionBlock::sectionName);
    std::fprintf(out, "static const unsigned char vantrope_version_block[%zu] = {", block.size());
    for (size_t i = 0; i < block.size(); ++i)
        std::fprintf(out, "%s0x%02x,", i % 16 ? " " : "\n    ", block[i]);
    std::fprintf(out, "\n};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
