#include "platform/win32/version_record_win32.h"

#include <cstdint>
#include <span>

#include "platform/win32/handles.h"

namespace morvane::win32 {

namespace {

struct LibraryTraits {
    using Handle = HMODULE;
    static void Close(HMODULE h) { FreeLibrary(h); }
};
using UniqueLibrary = UniqueHandle<LibraryTraits>;

} // namespace

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

std::optional<VersionRecord> ReadVersionRecordOfFile(const std::wstring& path) {
    const UniqueLibrary module(
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) return std::nullopt;
    return ReadVersionRecord(module.get());
}

} // namespace morvane::win32
