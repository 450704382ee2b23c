#include "platform/win32/process_launch.h"

#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_process.h"

namespace qu {
namespace {

bool needsQuotes(const std::wstring& argument) {
  return argument.empty() || argument.find_first_of(L" \t\n\v\"") != std::wstring::npos;
}

// Backslashes count as themselves except before a quote, where they escape; so a run of them
// is doubled before an escaped quote and before the closing quote.
std::wstring quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      out.append(backslashes * 2 + 1, L'\\');
    } else {
      out.append(backslashes, L'\\');
    }
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, L'\\');
  out.push_back(L'"');
  return out;
}

std::wstring absolutePath(const std::wstring& path) {
  const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return path;
  full.resize(written);
  return full;
}

}  // namespace

std::wstring commandLineOf(const std::wstring& program,
                           const std::vector<std::wstring>& arguments) {
  // The program path is taken up to the next quote, with no escapes: a quote cannot be in it.
  std::wstring line = L"\"" + program + L"\"";
  for (const std::wstring& argument : arguments) {
    line += L' ';
    line += needsQuotes(argument) ? quoted(argument) : argument;
  }
  return line;
}

LaunchResult launchProcess(const ProcessLaunch& launch) {
  if (launch.program.empty()) return {nullptr, errorText(ERROR_FILE_NOT_FOUND)};
  std::vector<std::wstring> arguments;
  for (const std::string& argument : launch.arguments) arguments.push_back(widen(argument));
  std::wstring commandLine = commandLineOf(absolutePath(widen(launch.program)), arguments);
  const std::wstring folder = widen(launch.workingFolder);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = launch.output ? SW_SHOWNORMAL : SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return {nullptr, errorText(GetLastError())};
  }
  return {std::make_unique<Win32Process>(started.hProcess, started.hThread, started.dwProcessId),
          ""};
}

}  // namespace qu
