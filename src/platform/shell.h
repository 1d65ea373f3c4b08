#pragma once
// Handing a document or an address to the program the system associates with it.
#include <string>

namespace morvane {

namespace show_command {
constexpr int kHide = 0;    // SW_HIDE
constexpr int kNormal = 1;  // SW_SHOWNORMAL
} // namespace show_command

class Shell {
public:
    virtual ~Shell() = default;

    // The shell's "open" operation on file, with the parameters, no owner
    // window, no working directory and the show command. True when the
    // system accepted it.
    virtual bool Open(const std::wstring& file, const std::wstring& parameters, int showCommand) = 0;
};

} // namespace morvane
