#pragma once
// Process facts that a test sets as it needs them.
#include <string>

#include "platform/process_facts.h"

namespace morvane {

class FakeProcessFacts : public ProcessFacts {
public:
    std::wstring directory = L"C:\\Tools";
    std::wstring baseName = L"Morvane3";
    bool anotherInstance = false;
    std::wstring commandLineText;
    VersionRecord version{.Major = 3, .Minor = 23, .Revision = 0, .CompanyName = L"Zantor Ltd", .Title = L"Morvane3",
        .ProductName = L"Morvane Language Badge \u00AE",
        .FileDescription = L"Shows the keyboard input language next to the mouse cursor",
        .LegalCopyright = L"Copyright \u00A9 2026 Zantor Ltd", .LegalTrademarks = L"Morvane3\u2122",
        .Comments = L"https://www.zantor.example, mailto:morvane@zantor.example"};

    std::wstring ExecutableDirectory() const override { return directory; }
    std::wstring ExecutableBaseName() const override { return baseName; }
    bool AnotherInstanceRunning() const override { return anotherInstance; }
    std::wstring CommandLineText() const override { return commandLineText; }
    VersionRecord Version() const override { return version; }
};

} // namespace morvane
