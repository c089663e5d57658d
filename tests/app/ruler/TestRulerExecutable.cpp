// The executable users start: without an X display it says so in one line
// on standard error and ends with status 1, before touching anything.
#include "support/ToolRun.h"

#include <gtest/gtest.h>

namespace {

TEST(RulerExecutable, WithoutADisplayItSaysSoAndExitsWithStatus1) {
  for (const char* Env : {"env -u DISPLAY", "env DISPLAY=:nonexistent.0"}) {
    SCOPED_TRACE(Env);
    std::string Command = std::string(Env) + " " + ToolQuote(TAVREL_BIN);
    TToolRun Run = RunTool("/usr/bin/env", "sh -c " + ToolQuote(Command));
    EXPECT_EQ(Run.Status, 1) << Run.Output;
    ASSERT_FALSE(Run.Output.empty());
    EXPECT_EQ(Run.Output.rfind("tavrel: ", 0), 0u) << Run.Output;
    EXPECT_EQ(Run.Output.find('\n'), Run.Output.size() - 1) << Run.Output;
  }
}

} // namespace
