#include "platform/win32/browser_command.h"

#include <gtest/gtest.h>

namespace qu {
namespace {

TEST(BrowserProgram, IsTheTextBetweenTheFirstPairOfQuotes) {
  const struct {
    const wchar_t* command;
    const wchar_t* program;
  } cases[] = {
      {L"\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\"",
       L"C:\\Program Files\\Web\\browser.exe"},
      {L"\"C:\\browser.exe\"", L"C:\\browser.exe"},
      {L"  \"C:\\a b\\web.exe\"%1", L"C:\\a b\\web.exe"},
      {L"C:\\browser.exe %1", L""},
      {L"\"C:\\browser.exe %1", L""},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(browserProgram(c.command), c.program) << c.command;
}

}  // namespace
}  // namespace qu
