#pragma once
// What the program knows about its own process: where it was started from,
// how, whether another copy runs, and its version record.
#include <string>

#include "platform/version_record.h"

namespace morvane {

class ProcessFacts {
public:
    virtual ~ProcessFacts() = default;

    // The executable's directory, without a closing "\".
    virtual std::wstring ExecutableDirectory() const = 0;
    // The executable's file name without its extension.
    virtual std::wstring ExecutableBaseName() const = 0;
    // True when another copy of the program was already running when this
    // one started.
    virtual bool AnotherInstanceRunning() const = 0;
    // What follows the program name and the blanks after it.
    virtual std::wstring CommandLineText() const = 0;
    virtual VersionRecord Version() const = 0;
};

} // namespace morvane
