#pragma once

#include "cli/clicommand.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tessel {

// Parameterised tests over every command tessel-cli has registered.
namespace cli {

// gtest shows a command parameter by its name.
inline void PrintTo(const Command* command, std::ostream* os)
{
    *os << command->name;
}

}  // namespace cli

// The test's name for a command: "dialogue-export" as dialogue_export.
inline std::string commandTestName(const testing::TestParamInfo<const cli::Command*>& info)
{
    std::string name = info.param->name;
    for (char& c : name)
        if (c == '-')
            c = '_';
    return name;
}

#define INSTANTIATE_FOR_EVERY_COMMAND(suite) \
    INSTANTIATE_TEST_SUITE_P(Registered, suite, testing::ValuesIn(cli::commands()), commandTestName)

}  // namespace tessel
