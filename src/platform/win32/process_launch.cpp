#include "platform/win32/process_launch.h"

#include <windows.h>

#include <system_error>
#include <thread>
#include <utility>

#include "platform/output_delivery.h"
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

void drain(HANDLE pipe, const OutputSink& sink) {
  OutputDelivery deliver(sink);
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    deliver(std::string_view(buffer, count));
  }
  CloseHandle(pipe);
  deliver({});
}

// The handles a captured launch gives the child: the pipe's writing end for its output and
// error, the null device for its input. Only these two are inherited.
class ChildHandles {
 public:
  ChildHandles() = default;
  ChildHandles(const ChildHandles&) = delete;
  ChildHandles& operator=(const ChildHandles&) = delete;
  ~ChildHandles() {
    if (attributes_) DeleteProcThreadAttributeList(attributes_);
    closeOurCopies();
    if (reader_) CloseHandle(reader_);
  }

  // The reason on failure, "" when ready.
  std::string open() {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&reader_, &writer_, &inherited, 0) ||
        !SetHandleInformation(reader_, HANDLE_FLAG_INHERIT, 0)) {
      return errorText(GetLastError());
    }
    input_ = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                         OPEN_EXISTING, 0, nullptr);
    if (input_ == INVALID_HANDLE_VALUE) {
      input_ = nullptr;
      return errorText(GetLastError());
    }
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    list_.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list_.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) return errorText(GetLastError());
    attributes_ = list;
    inheritedHandles_[0] = writer_;
    inheritedHandles_[1] = input_;
    if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inheritedHandles_,
                                   sizeof inheritedHandles_, nullptr, nullptr)) {
      return errorText(GetLastError());
    }
    return "";
  }

  void fill(STARTUPINFOEXW& startup) const {
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = SW_HIDE;
    startup.StartupInfo.hStdInput = input_;
    startup.StartupInfo.hStdOutput = writer_;
    startup.StartupInfo.hStdError = writer_;
    startup.lpAttributeList = attributes_;
  }

  // Once the child holds its copies: the pipe then ends when the child's side closes.
  void closeOurCopies() {
    if (writer_) CloseHandle(writer_);
    if (input_) CloseHandle(input_);
    writer_ = nullptr;
    input_ = nullptr;
  }
  HANDLE takeReader() { return std::exchange(reader_, nullptr); }

 private:
  HANDLE reader_ = nullptr;
  HANDLE writer_ = nullptr;
  HANDLE input_ = nullptr;
  HANDLE inheritedHandles_[2] = {nullptr, nullptr};
  std::vector<unsigned char> list_;
  LPPROC_THREAD_ATTRIBUTE_LIST attributes_ = nullptr;
};

// The child gets a console of its own that is never shown, so the events of the caller's
// console (Ctrl+C, its closing) never reach it.
LaunchResult launchCaptured(std::wstring& commandLine, const wchar_t* folder,
                            const OutputSink& sink) {
  ChildHandles handles;
  if (std::string failure = handles.open(); !failure.empty()) return {nullptr, failure};
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  handles.fill(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                      CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT | NORMAL_PRIORITY_CLASS,
                      nullptr, folder, &startup.StartupInfo, &started)) {
    return {nullptr, errorText(GetLastError())};
  }
  handles.closeOurCopies();
  auto process =
      std::make_unique<Win32Process>(started.hProcess, started.hThread, started.dwProcessId);
  const HANDLE reader = handles.takeReader();
  try {
    std::thread([reader, sink] { drain(reader, sink); }).detach();
  } catch (const std::system_error& failure) {
    CloseHandle(reader);
    process->terminate();
    process->wait();
    return {nullptr, failure.what()};
  }
  return {std::move(process), ""};
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
  const wchar_t* currentFolder = folder.empty() ? nullptr : folder.c_str();

  if (launch.output && launch.fromConsoleProgram) {
    return launchCaptured(commandLine, currentFolder, launch.output);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = launch.output ? SW_SHOWNORMAL : SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, currentFolder, &startup,
                      &started)) {
    return {nullptr, errorText(GetLastError())};
  }
  return {std::make_unique<Win32Process>(started.hProcess, started.hThread, started.dwProcessId),
          ""};
}

}  // namespace qu
