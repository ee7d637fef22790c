// Arbitrary bytes through the PE version reader, then every query on the
// block it finds; the raw input also goes straight to the block queries,
// which reaches malformed version blocks much faster than through a PE.
// A useful seed corpus: the fixture DLLs of the test build
// (tests/bin/fixtures/*.dll) and the bare version resources cut from them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/os/PeVersionReader.h"

namespace {

void QueryAll(std::span<const std::uint8_t> block)
{
    (void)os::pe::QueryFixedFileInfo(block);
    if (const auto translations = os::pe::QueryTranslations(block)) {
        for (const os::Translation& t : *translations) {
            static const char Hex[] = "0123456789abcdef";
            std::string name = "\\StringFileInfo\\";
            for (const unsigned v : {unsigned(t.Language), unsigned(t.CodePage)})
                for (int shift = 12; shift >= 0; shift -= 4) name += Hex[(v >> shift) & 0xF];
            for (const char* key : {"CompanyName", "FileVersion", "ProductVersion", "SpecialBuild"})
                (void)os::pe::QueryStringValue(block, name + "\\" + key);
        }
    }
    (void)os::pe::QueryStringValue(block, "\\StringFileInfo\\040904b0\\FileVersion");
    (void)os::pe::QueryStringValue(block, "\\\\stringfileinfo\\\\040904B0\\specialbuild\\");
    (void)os::pe::QueryValue(block, "\\VarFileInfo");
    (void)os::pe::QueryValue(block, "\\a\\b\\c\\d\\e\\f\\g\\h");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    const os::pe::PeVersionResource found = os::pe::FindVersionResource(input);
    if (found.Status == os::pe::PeLookup::Found) QueryAll(found.Block);
    QueryAll(input);
    return 0;
}
