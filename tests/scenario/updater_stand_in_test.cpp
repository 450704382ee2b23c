// The stand-in utility on its own, as its README documents it: the source, the filters, the
// return codes and the run log it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/utf8_path.h"
#include "run/run_log_reader.h"
#include "support/native_system.h"
#include "support/program_folder.h"

namespace qu::testing {
namespace {

namespace fs = std::filesystem;

class StandIn : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file :
         {"source/CORE/core.dat", "source/CORE/modules/core.mod", "source/EXEC/exec.dat",
          "source/EXEC/build-614/exec-614.dat", "source/EXEC/build-621/exec-621.dat",
          "source/EXEC/app-QAV/exec-qav.dat", "source/EXEC/app-QIS/exec-qis.dat"}) {
      fs::create_directories(folder.file(file).parent_path());
      folder.write(file, file);
    }
  }
  // Runs the utility in its folder with a settings file of these Retranslation keys.
  int runWith(const std::string& retranslation,
              const std::string& updater = "update_srv_url0=source\n") {
    folder.write("ss_storage.ini", "[Updater]\n" + updater + "[Retranslation]\n" + retranslation);
    auto started = system.startProcess(
        {utf8FromPath(folder.file("Updater.exe")), {"-c", "-u"}, utf8FromPath(folder.path()), {}});
    return started.process ? started.process->wait() : -1;
  }
  std::vector<std::string> delivered() const {
    std::vector<std::string> files;
    if (!fs::exists(folder.file("Updates"))) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.file("Updates"))) {
      if (entry.is_regular_file()) {
        files.push_back(entry.path().lexically_relative(folder.file("Updates")).generic_string());
      }
    }
    std::sort(files.begin(), files.end());
    return files;
  }
  RunLogEntry runLog() const { return parseRunLog(folder.read(kRunLogFileName)); }

  TemporaryProgramFolder folder;
  NativeSystem system;
};

struct FilterCase {
  const char* retranslation;
  std::vector<std::string> files;
};

TEST_F(StandIn, DeliversWhatTheListsAndFiltersSelect) {
  const FilterCase cases[] = {
      {"component=CORE\n", {"CORE/core.dat", "CORE/modules/core.mod"}},
      {"component=CORE\ndownload_patches=0\n", {"CORE/core.dat"}},
      {"component=EXEC\nbuild=614;700\n",
       {"EXEC/app-QAV/exec-qav.dat", "EXEC/app-QIS/exec-qis.dat", "EXEC/build-614/exec-614.dat",
        "EXEC/exec.dat"}},
      {"component=EXEC\napplication=QIS 8.0.0.454;QIS 8.0.0.506;\n",
       {"EXEC/app-QIS/exec-qis.dat", "EXEC/build-614/exec-614.dat", "EXEC/build-621/exec-621.dat",
        "EXEC/exec.dat"}},
      {"component=EXEC;CORE;NONE;\nbuild=621\napplication=QAV 8.0.0.[357-358];\n"
       "download_patches=0\n",
       {"CORE/core.dat", "EXEC/app-QAV/exec-qav.dat", "EXEC/build-621/exec-621.dat",
        "EXEC/exec.dat"}},
      {"download_patches=0\n",
       {"CORE/core.dat", "EXEC/app-QAV/exec-qav.dat", "EXEC/app-QIS/exec-qis.dat",
        "EXEC/build-614/exec-614.dat", "EXEC/build-621/exec-621.dat", "EXEC/exec.dat"}},
  };
  for (const FilterCase& c : cases) {
    fs::remove_all(folder.file("Updates"));
    EXPECT_EQ(runWith(c.retranslation), 0) << c.retranslation;
    EXPECT_EQ(delivered(), c.files) << c.retranslation;
    EXPECT_EQ(runLog().code, "0");
    EXPECT_EQ(runLog().message, "Updates downloaded successfully");
  }
}

struct FailureCase {
  std::string retranslation;
  std::string updater;
  int code;
  const char* message;
};

TEST_F(StandIn, EndsWithItsDocumentedCodes) {
  folder.write("a file", "");
  const std::string source = "update_srv_url0=source\n";
  const FailureCase cases[] = {
      {"component=CORE\n", "update_srv_url0=nowhere\n", 1, "The update source was not found"},
      {"component=NONE;OTHER\n", source, 2, "No components are selected for download"},
      // A path for a name reaches nothing outside the source.
      {"component=../source/CORE\n", source, 2, "No components are selected for download"},
      {"component=CORE\n", source + "retranslation_dir=a file/Updates\n", 3,
       "Cannot write to the updates folder"},
  };
  for (const FailureCase& c : cases) {
    EXPECT_EQ(runWith(c.retranslation, c.updater), c.code) << c.retranslation << c.updater;
    EXPECT_EQ(runLog().code, std::to_string(c.code));
    EXPECT_EQ(runLog().message, c.message);
  }
  EXPECT_TRUE(delivered().empty());
}

}  // namespace
}  // namespace qu::testing
