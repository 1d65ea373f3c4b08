#pragma once
// Calls a function of a system library inside another process, on a thread
// of its own there. Menus belong to the process that made them: Windows lets
// another process read them, Wine does not, so the probe reads the control
// menu from within the program. Only for a process of the probe's own
// bitness.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/handles.h"

namespace morvane::probe {

// A page of the other process, freed with it.
class RemotePage {
public:
    static constexpr size_t kSize = 4096;
    RemotePage() = default;
    RemotePage(HANDLE process, void* address) : process_(process), address_(address) {}
    RemotePage(RemotePage&& other) noexcept
        : process_(other.process_), address_(std::exchange(other.address_, nullptr)) {}
    RemotePage& operator=(RemotePage&&) = delete;
    RemotePage(const RemotePage&) = delete;
    RemotePage& operator=(const RemotePage&) = delete;
    ~RemotePage() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(address_); }
    explicit operator bool() const { return address_ != nullptr; }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

class RemoteProcess {
public:
    // Where the callers' data starts in the page; below it lie the code and
    // the call record.
    static constexpr size_t kDataOffset = 128;

    static std::optional<RemoteProcess> Open(DWORD pid, std::wstring& why) {
        win32::UniqueKernelHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                                          PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                                      FALSE, pid));
        if (!process) {
            why = L"cannot open process " + std::to_wstring(pid);
            return std::nullopt;
        }
        BOOL otherWow = FALSE, ownWow = FALSE;
        IsWow64Process(process.get(), &otherWow);
        IsWow64Process(GetCurrentProcess(), &ownWow);
        if (otherWow != ownWow) {
            why = L"the process is of another bitness than the probe";
            return std::nullopt;
        }
        void* address = VirtualAllocEx(process.get(), nullptr, RemotePage::kSize, MEM_COMMIT | MEM_RESERVE,
                                       PAGE_EXECUTE_READWRITE);
        RemotePage page(process.get(), address);
        if (!page) {
            why = L"cannot allocate memory in the process";
            return std::nullopt;
        }
        RemoteProcess remote(std::move(process), std::move(page));
        if (!remote.Write(0, kThunk.data(), kThunk.size())) {
            why = L"cannot write into the process";
            return std::nullopt;
        }
        return remote;
    }

    // The address, in the other process, of a function exported by a module
    // that both processes have loaded; 0 when the module is not loaded there.
    std::uintptr_t Function(const wchar_t* module, const char* name) const {
        const HMODULE local = GetModuleHandleW(module);
        const auto own = reinterpret_cast<std::uintptr_t>(GetProcAddress(local, name));
        const std::uintptr_t base = RemoteModuleBase(module);
        if (!local || !own || !base) return 0;
        return base + (own - reinterpret_cast<std::uintptr_t>(local));
    }

    // Runs function(args...) there and gives the low 32 bits of its result;
    // nothing when the thread could not run or did not end within 5 seconds.
    std::optional<DWORD> Call(std::uintptr_t function, std::array<std::uintptr_t, 4> args) {
        const std::array<std::uintptr_t, 5> record{function, args[0], args[1], args[2], args[3]};
        if (!function || !Write(kRecordOffset, record.data(), sizeof record)) return std::nullopt;
        const win32::UniqueKernelHandle thread(
            CreateRemoteThread(process_.get(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(page_.Address()),
                               reinterpret_cast<void*>(page_.Address() + kRecordOffset), 0, nullptr));
        if (!thread || WaitForSingleObject(thread.get(), 5000) != WAIT_OBJECT_0) return std::nullopt;
        DWORD result = 0;
        if (!GetExitCodeThread(thread.get(), &result)) return std::nullopt;
        return result;
    }

    std::uintptr_t At(size_t offset) const { return page_.Address() + offset; }

    bool Write(size_t offset, const void* data, size_t size) {
        SIZE_T done = 0;
        return offset + size <= RemotePage::kSize &&
               WriteProcessMemory(process_.get(), reinterpret_cast<void*>(At(offset)), data, size, &done) &&
               done == size;
    }

    bool Read(size_t offset, void* data, size_t size) const {
        SIZE_T done = 0;
        return offset + size <= RemotePage::kSize &&
               ReadProcessMemory(process_.get(), reinterpret_cast<const void*>(At(offset)), data, size, &done) &&
               done == size;
    }

private:
    static constexpr size_t kRecordOffset = 64;

    // The thread's start routine: takes the call record {function, four
    // arguments}, calls the function with them and returns its result.
#if defined(__x86_64__) || defined(_M_X64)
    static constexpr std::array<unsigned char, 30> kThunk{
        0x48, 0x83, 0xEC, 0x28,  // sub rsp, 40 (shadow space, 16-byte alignment)
        0x48, 0x89, 0xC8,        // mov rax, rcx
        0x48, 0x8B, 0x48, 0x08,  // mov rcx, [rax+8]
        0x48, 0x8B, 0x50, 0x10,  // mov rdx, [rax+16]
        0x4C, 0x8B, 0x40, 0x18,  // mov r8, [rax+24]
        0x4C, 0x8B, 0x48, 0x20,  // mov r9, [rax+32]
        0xFF, 0x10,              // call [rax]
        0x48, 0x83, 0xC4, 0x28,  // add rsp, 40
        0xC3,                    // ret
    };
    static_assert(sizeof(std::uintptr_t) == 8);
#else
    static constexpr std::array<unsigned char, 28> kThunk{
        0x55,              // push ebp
        0x89, 0xE5,        // mov ebp, esp
        0x8B, 0x45, 0x08,  // mov eax, [ebp+8]
        0xFF, 0x70, 0x10,  // push dword [eax+16]
        0xFF, 0x70, 0x0C,  // push dword [eax+12]
        0xFF, 0x70, 0x08,  // push dword [eax+8]
        0xFF, 0x70, 0x04,  // push dword [eax+4]
        0xFF, 0x10,        // call [eax]   (stdcall: it pops what it takes)
        0x89, 0xEC,        // mov esp, ebp (whatever it took)
        0x5D,              // pop ebp
        0xC2, 0x04, 0x00,  // ret 4
        0x90, 0x90,        // padding
    };
#endif

    RemoteProcess(win32::UniqueKernelHandle process, RemotePage page)
        : process_(std::move(process)), page_(std::move(page)) {}

    std::uintptr_t RemoteModuleBase(const wchar_t* module) const {
        HMODULE modules[1024];
        DWORD needed = 0;
        if (!K32EnumProcessModules(process_.get(), modules, sizeof modules, &needed)) return 0;
        const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 1024);
        for (DWORD i = 0; i < count; ++i) {
            wchar_t name[MAX_PATH] = {};
            if (K32GetModuleBaseNameW(process_.get(), modules[i], name, MAX_PATH) && _wcsicmp(name, module) == 0)
                return reinterpret_cast<std::uintptr_t>(modules[i]);
        }
        return 0;
    }

    win32::UniqueKernelHandle process_;
    RemotePage page_;  // released before the process handle closes
};

} // namespace morvane::probe
