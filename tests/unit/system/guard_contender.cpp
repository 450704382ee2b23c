// Started as "<test binary> --guard-contender <folder> <name> [<file>]", the test binary
// contends for an instance guard instead of running the tests: it prints "first" and stays
// until killed, or prints "second" (or the failure) and ends. Given a file, the first one also
// leaves a child running until that file exists.

#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/posix_system.h"
#include "unit/system/system_test_support.h"

namespace {

std::vector<std::string> commandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::vector<std::string> arguments;
  for (std::string argument; std::getline(in, argument, '\0');) arguments.push_back(argument);
  return arguments;
}

[[noreturn]] void contend(const std::vector<std::string>& arguments) {
  qu::PosixSystem system(arguments[2]);
  const qu::InstanceClaim claim = system.acquireInstance(arguments[3]);
  if (claim.outcome != qu::InstanceClaim::Outcome::Acquired) {
    std::cout << (claim.error.empty() ? "second" : claim.error) << std::endl;
    std::_Exit(0);
  }
  qu::LaunchResult child;  // never closed: this process only ends by being killed
  if (arguments.size() > 4) {
    child = system.startProcess({"/bin/sh", qu::test::untilFileExists(arguments[4]), "", {}});
    if (!child.process) std::_Exit(2);
  }
  std::cout << "first" << std::endl;
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

const bool kContender = [] {
  const auto arguments = commandLine();
  if (arguments.size() >= 4 && arguments[1] == "--guard-contender") contend(arguments);
  return false;
}();

}  // namespace
