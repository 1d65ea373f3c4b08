#pragma once
// In-memory profile files and attributes that behave like the Windows profile
// functions as far as the settings store relies on them: section and key
// names ignore letter case, values are trimmed of surrounding blanks on
// read, reads are cut to the buffer's capacity, a read-only file refuses
// writes. Counters let tests prove that nothing was touched.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/profile_files.h"

namespace morvane {

class FakeProfileFiles : public ProfileFiles {
public:
    std::wstring ReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                            const std::wstring* defaultText, std::size_t capacity) override;
    bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    std::optional<std::uint32_t> GetAttributes(const std::wstring& path) override;
    bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;

    // Set-up and inspection; none of these counts as an access.
    void PutValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                  const std::wstring& rawValue);
    // The text after the equals sign as stored, untrimmed; nothing when absent.
    std::optional<std::wstring> StoredValue(const std::wstring& file, const std::wstring& section,
                                            const std::wstring& key) const;
    void PutAttributes(const std::wstring& file, std::uint32_t attributes);
    std::optional<std::uint32_t> StoredAttributes(const std::wstring& file) const;
    void AddDirectory(const std::wstring& path);
    // Every later write is refused, as in a folder without write permission.
    void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }

    int reads = 0;
    int writes = 0;  // attempted, refused ones included
    int attributeQueries = 0;
    int attributeChanges = 0;  // attempted
    int Accesses() const { return reads + writes + attributeQueries + attributeChanges; }

private:
    struct NoCaseLess {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    using Section = std::map<std::wstring, std::wstring, NoCaseLess>;
    struct File {
        std::map<std::wstring, Section, NoCaseLess> sections;
        std::uint32_t attributes = file_attr::kArchive;
    };

    std::map<std::wstring, File, NoCaseLess> files_;
    std::set<std::wstring, NoCaseLess> directories_;
    bool refuseWrites_ = false;
};

} // namespace morvane
