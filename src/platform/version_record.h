#pragma once
// The program's version record: its numbers and the texts that the dialogs
// show and the registry names are built from.
#include <cstdint>
#include <span>
#include <string>

namespace morvane {

struct VersionRecord {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    std::wstring CompanyName;
    std::wstring Title;  // the application title
    std::wstring ProductName;
    std::wstring FileDescription;
    std::wstring LegalCopyright;
    std::wstring LegalTrademarks;
    std::wstring Comments;
};

// Reads a version resource (VS_VERSIONINFO) as the resource compiler lays it
// out: the numbers from the first three parts of the file version, the texts
// from the first string table, the title from "InternalName". Whatever is
// missing or damaged stays 0 or empty; nothing outside the bytes is read.
VersionRecord ParseVersionResource(std::span<const std::uint8_t> bytes);

} // namespace morvane
