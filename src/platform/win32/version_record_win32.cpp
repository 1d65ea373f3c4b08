#include "platform/win32/version_record_win32.h"

#include <cstdint>
#include <span>

namespace morvane::win32 {

VersionRecord ReadVersionRecord(HMODULE module) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (!found) return {};
    // A loaded resource lives as long as its module and is never freed.
    const HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return ParseVersionResource(
        std::span(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)));
}

} // namespace morvane::win32
