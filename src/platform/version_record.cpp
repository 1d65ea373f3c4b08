#include "platform/version_record.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

namespace morvane {

namespace {

// Every block of a version resource: length (whole block, in bytes), value
// length, value type (1 text, 0 binary), a zero-ended UTF-16 key, then the
// value and the child blocks, each starting on a 4-byte boundary of the
// resource.
struct Block {
    std::size_t end = 0;
    std::u16string key;
    std::size_t valueBegin = 0;
    std::size_t childrenBegin = 0;
};

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::size_t kHeaderSize = 6;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint16_t Word(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t Dword(std::size_t at) const {
        return Word(at) | static_cast<std::uint32_t>(Word(at + 2)) << 16;
    }

    // The block at offset, when it lies wholly inside limit.
    std::optional<Block> BlockAt(std::size_t offset, std::size_t limit) const {
        if (limit > bytes_.size() || offset > limit || limit - offset < kHeaderSize) return std::nullopt;
        const std::size_t length = Word(offset);
        if (length < kHeaderSize || length > limit - offset) return std::nullopt;
        Block block;
        block.end = offset + length;
        const std::uint16_t valueLength = Word(offset + 2);
        const bool isText = Word(offset + 4) == 1;
        std::size_t at = offset + kHeaderSize;
        block.key = TextAt(at, block.end);
        at += (block.key.size() + 1) * 2;
        block.valueBegin = std::min(Aligned(at), block.end);
        // Resource compilers disagree on whether a text's value length counts
        // characters or bytes; a text is read up to its zero instead.
        std::size_t valueBytes = valueLength;
        if (isText && valueLength > 0) valueBytes = TextAt(block.valueBegin, block.end).size() * 2 + 2;
        block.childrenBegin = std::min(Aligned(block.valueBegin + valueBytes), block.end);
        return block;
    }

    // UTF-16 units from at up to the first zero or limit.
    std::u16string TextAt(std::size_t at, std::size_t limit) const {
        std::u16string text;
        for (; at + 1 < limit; at += 2) {
            const std::uint16_t unit = Word(at);
            if (unit == 0) break;
            text.push_back(static_cast<char16_t>(unit));
        }
        return text;
    }

    // Calls visit(block) for each child block of parent.
    template <typename Visit>
    void ForEachChild(const Block& parent, Visit visit) const {
        std::size_t at = parent.childrenBegin;
        while (const std::optional<Block> child = BlockAt(at, parent.end)) {
            visit(*child);
            at = Aligned(child->end);
        }
    }

private:
    static std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

    std::span<const std::uint8_t> bytes_;
};

std::wstring WideText(std::u16string_view utf16) {
    std::wstring text;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        const bool pair = sizeof(wchar_t) == 4 && unit >= 0xD800 && unit < 0xDC00 && i + 1 < utf16.size() &&
                          utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000;
        if (pair) {
            text.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00)));
        } else {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    return text;
}

void TakeString(const std::u16string& key, std::wstring value, VersionRecord& record) {
    if (key == u"CompanyName") record.CompanyName = std::move(value);
    else if (key == u"InternalName") record.Title = std::move(value);
    else if (key == u"ProductName") record.ProductName = std::move(value);
    else if (key == u"FileDescription") record.FileDescription = std::move(value);
    else if (key == u"LegalCopyright") record.LegalCopyright = std::move(value);
    else if (key == u"LegalTrademarks") record.LegalTrademarks = std::move(value);
    else if (key == u"Comments") record.Comments = std::move(value);
}

} // namespace

VersionRecord ParseVersionResource(std::span<const std::uint8_t> bytes) {
    VersionRecord record;
    const Reader reader(bytes);
    const std::optional<Block> root = reader.BlockAt(0, bytes.size());
    if (!root || root->key != u"VS_VERSION_INFO") return record;

    const std::size_t fixed = root->valueBegin;
    if (root->childrenBegin - fixed >= kFixedInfoSize && reader.Dword(fixed) == kFixedInfoSignature) {
        const std::uint32_t versionMs = reader.Dword(fixed + 8);
        const std::uint32_t versionLs = reader.Dword(fixed + 12);
        record.Major = static_cast<int>(versionMs >> 16);
        record.Minor = static_cast<int>(versionMs & 0xFFFF);
        record.Revision = static_cast<int>(versionLs >> 16);
    }

    bool tableRead = false;
    reader.ForEachChild(*root, [&](const Block& fileInfo) {
        if (fileInfo.key != u"StringFileInfo") return;
        reader.ForEachChild(fileInfo, [&](const Block& table) {
            if (tableRead) return;
            tableRead = true;
            reader.ForEachChild(table, [&](const Block& entry) {
                TakeString(entry.key, WideText(reader.TextAt(entry.valueBegin, entry.end)), record);
            });
        });
    });
    return record;
}

} // namespace morvane
