#pragma once
// probe menu: the control menu as the program holds it, read from the menu
// bar of its hidden menu window: the bar, the control menu (the submenu of
// the bar's first item) and every submenu of that (the margin widths).
#include <windows.h>

#include <optional>
#include <string>

#include "output.h"
#include "remote_call.h"
#include "window_facts.h"

namespace morvane::probe {

class RemoteMenuReader {
public:
    explicit RemoteMenuReader(RemoteProcess& remote)
        : remote_(remote),
          getMenu_(remote.Function(L"user32.dll", "GetMenu")),
          getItemCount_(remote.Function(L"user32.dll", "GetMenuItemCount")),
          getItemInfo_(remote.Function(L"user32.dll", "GetMenuItemInfoW")) {}

    bool Usable() const { return getMenu_ && getItemCount_ && getItemInfo_; }

    HMENU MenuOf(HWND hwnd) {
        if (const HMENU local = GetMenu(hwnd)) return local;
        const auto result = remote_.Call(getMenu_, {reinterpret_cast<std::uintptr_t>(hwnd), 0, 0, 0});
        // User handles are 32-bit values in every process.
        return result ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<LONG>(*result))) : nullptr;
    }

    int ItemCount(HMENU menu) {
        const auto result = remote_.Call(getItemCount_, {reinterpret_cast<std::uintptr_t>(menu), 0, 0, 0});
        return result ? static_cast<int>(*result) : -1;
    }

    struct Item {
        MENUITEMINFOW info{};
        std::wstring caption;
    };

    // The item's type, state, identifier, submenu and caption, by position.
    std::optional<Item> ItemAt(HMENU menu, UINT position) {
        Item item;
        item.info.cbSize = sizeof(MENUITEMINFOW);
        item.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.info.dwTypeData = reinterpret_cast<LPWSTR>(remote_.At(kCaptionOffset));
        item.info.cch = kCaptionCapacity - 1;
        if (!remote_.Write(RemoteProcess::kDataOffset, &item.info, sizeof item.info)) return std::nullopt;
        const auto ok = remote_.Call(getItemInfo_, {reinterpret_cast<std::uintptr_t>(menu), position, TRUE,
                                                    remote_.At(RemoteProcess::kDataOffset)});
        if (!ok || !*ok || !remote_.Read(RemoteProcess::kDataOffset, &item.info, sizeof item.info)) return std::nullopt;
        if (item.info.cch > 0 && item.info.cch < kCaptionCapacity) {
            item.caption.resize(item.info.cch);
            if (!remote_.Read(kCaptionOffset, item.caption.data(), item.info.cch * sizeof(wchar_t)))
                item.caption.clear();
        }
        return item;
    }

private:
    static constexpr size_t kCaptionOffset = RemoteProcess::kDataOffset + 128;
    static constexpr UINT kCaptionCapacity = static_cast<UINT>((RemotePage::kSize - kCaptionOffset) / sizeof(wchar_t));
    static_assert(sizeof(MENUITEMINFOW) <= 128);

    RemoteProcess& remote_;
    std::uintptr_t getMenu_;
    std::uintptr_t getItemCount_;
    std::uintptr_t getItemInfo_;
};

inline std::wstring MenuItemKind(UINT type) {
    if (type & MFT_SEPARATOR) return L"separator";
    if (type & MFT_OWNERDRAW) return L"ownerdraw";
    if (type & MFT_BITMAP) return L"bitmap";
    return L"string";
}

inline int ReportMenuHeader(RemoteMenuReader& reader, HMENU menu, const std::wstring& name) {
    const int count = reader.ItemCount(menu);
    Record(L"menu").Field(L"name", name).Field(L"hmenu", HandleText(menu)).Field(L"count", count).Print();
    return count;
}

// One line per item; each submenu follows its item, named after the path of
// positions that leads to it ("control", "control.5").
inline void ReportMenuItems(RemoteMenuReader& reader, HMENU menu, const std::wstring& name, int depth) {
    const int count = ReportMenuHeader(reader, menu, name);
    for (int position = 0; position < count; ++position) {
        const auto item = reader.ItemAt(menu, static_cast<UINT>(position));
        if (!item) {
            Record(L"item").Field(L"menu", name).Field(L"pos", position).Field(L"error", L"unreadable").Print();
            continue;
        }
        const UINT state = item->info.fState;
        Record(L"item")
            .Field(L"menu", name)
            .Field(L"pos", position)
            .Field(L"id", item->info.wID)
            .Field(L"type", MenuItemKind(item->info.fType))
            .Flag(L"checked", (state & MFS_CHECKED) != 0)
            .Flag(L"grayed", (state & MF_GRAYED) != 0)
            .Flag(L"disabled", (state & MF_DISABLED) != 0)
            .Flag(L"default", (state & MFS_DEFAULT) != 0)
            .Flag(L"submenu", item->info.hSubMenu != nullptr)
            .Field(L"caption", item->caption)
            .Print();
        if (item->info.hSubMenu && depth < 3)
            ReportMenuItems(reader, item->info.hSubMenu, name + L"." + std::to_wstring(position), depth + 1);
    }
}

inline int ReportMenu(const std::wstring& windowClass) {
    const HWND holder = FindWindowW(windowClass.c_str(), nullptr);
    if (!holder) {
        PrintLine(L"error\tno window of class " + windowClass);
        return 2;
    }
    std::wstring why;
    auto remote = RemoteProcess::Open(ProcessOf(holder), why);
    if (!remote) {
        PrintLine(L"error\t" + why);
        return 2;
    }
    RemoteMenuReader reader(*remote);
    if (!reader.Usable()) {
        PrintLine(L"error\tuser32 is not loaded in the process");
        return 2;
    }
    const HMENU bar = reader.MenuOf(holder);
    if (!bar) {
        PrintLine(L"error\tthe window has no menu bar");
        return 2;
    }
    const int count = ReportMenuHeader(reader, bar, L"bar");
    for (int position = 0; position < count; ++position) {
        const auto item = reader.ItemAt(bar, static_cast<UINT>(position));
        if (!item) continue;
        Record(L"item")
            .Field(L"menu", L"bar")
            .Field(L"pos", position)
            .Flag(L"submenu", item->info.hSubMenu != nullptr)
            .Field(L"caption", item->caption)
            .Print();
        if (position == 0 && item->info.hSubMenu) ReportMenuItems(reader, item->info.hSubMenu, L"control", 0);
    }
    return 0;
}

} // namespace morvane::probe
