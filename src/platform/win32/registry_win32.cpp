#include "platform/win32/registry_win32.h"

#include <windows.h>

#include "platform/win32/diagnostics.h"

namespace morvane::win32 {

namespace {

// The predefined roots are 32-bit numbers that the system sign-extends into
// a handle (HKEY_CURRENT_USER is ...FFFF80000001 on 64-bit builds).
HKEY RootHandle(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

} // namespace

RegistryKey Win32Registry::Keep(UniqueHkey key) {
    const auto id = reinterpret_cast<RegistryKey>(key.get());
    open_[id] = std::move(key);
    return id;
}

HKEY Win32Registry::Find(RegistryKey key) const {
    const auto found = open_.find(key);
    return found == open_.end() ? nullptr : found->second.get();
}

RegistryResult Win32Registry::OpenKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                      RegistryKey& key) {
    UniqueHkey opened;
    const LONG result = RegOpenKeyExW(RootHandle(root), subkey.c_str(), 0, access, opened.put());
    if (result == ERROR_SUCCESS) key = Keep(std::move(opened));
    return result;
}

RegistryResult Win32Registry::CreateKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                        RegistryKey& key) {
    UniqueHkey created;
    const LONG result = RegCreateKeyExW(RootHandle(root), subkey.c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, access, nullptr, created.put(), nullptr);
    if (result == ERROR_SUCCESS) {
        key = Keep(std::move(created));
    } else {
        MORVANE_TRACE_FAILURE("RegCreateKeyExW", static_cast<DWORD>(result));
    }
    return result;
}

RegistryResult Win32Registry::QueryValue(RegistryKey key, const std::wstring& name, std::uint32_t& type,
                                         std::span<std::uint8_t> data, std::uint32_t& size) {
    const HKEY handle = Find(key);
    if (!handle) return ERROR_INVALID_HANDLE;
    DWORD storedType = REG_NONE;
    DWORD bytes = static_cast<DWORD>(data.size());
    // Without a buffer the system reports type and size alone.
    const LONG result = RegQueryValueExW(handle, name.c_str(), nullptr, &storedType,
                                         data.empty() ? nullptr : data.data(), &bytes);
    type = storedType;
    size = bytes;
    return result;
}

RegistryResult Win32Registry::SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                                       std::span<const std::uint8_t> data) {
    const HKEY handle = Find(key);
    if (!handle) return ERROR_INVALID_HANDLE;
    const LONG result = RegSetValueExW(handle, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    if (result != ERROR_SUCCESS) MORVANE_TRACE_FAILURE("RegSetValueExW", static_cast<DWORD>(result));
    return result;
}

RegistryResult Win32Registry::DeleteValue(RegistryKey key, const std::wstring& name) {
    const HKEY handle = Find(key);
    if (!handle) return ERROR_INVALID_HANDLE;
    const LONG result = RegDeleteValueW(handle, name.c_str());
    if (result != ERROR_SUCCESS) MORVANE_TRACE_FAILURE("RegDeleteValueW", static_cast<DWORD>(result));
    return result;
}

RegistryResult Win32Registry::CloseKey(RegistryKey key) {
    const auto found = open_.find(key);
    if (found == open_.end()) return ERROR_INVALID_HANDLE;
    const LONG result = RegCloseKey(found->second.release());
    open_.erase(found);
    return result;
}

std::optional<bool> Win32Registry::QueryIsWow64Process() {
    // Looked up at run time: kernel32 of older systems does not have it.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleA("kernel32");
    if (!kernel) return std::nullopt;
    const FARPROC address = GetProcAddress(kernel, "IsWow64Process");
    if (!address) return std::nullopt;
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void (*)()>(address));
    BOOL flag = FALSE;
    if (!isWow64Process(GetCurrentProcess(), &flag)) return std::nullopt;
    return flag != FALSE;
}

bool Win32Registry::ProcessIs64Bit() const { return sizeof(void*) == 8; }

} // namespace morvane::win32
