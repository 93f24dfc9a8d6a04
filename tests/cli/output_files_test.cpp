// tavro-cli and the files it reads and writes: a design file that is no
// file to read, and output targets that cannot take what is written, each
// refused with one message and its exit status, nothing written by the run.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "common/files.h"
#include "design/design_file.h"

namespace tavro::cli {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() {
    std::string name = (fs::temp_directory_path() / "tavro-cli-files-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const std::string kV1 = R"({"format":"tavro-design","version":1,"decimal_separator":".",)";
const std::string kInputs =
    R"("inputs":{"voltage":"12","current":"1","ripple":"1","limbs":1,"flux":"1.2",)"
    R"("diode_drop":"0.7"})";

TEST(CliDesignFile, WhatIsNoDesignFileToReadIsRefusedWithOneMessage) {
  Folder folder;
  const std::string fifo = folder / "pipe.tavro";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string path;
    std::string text;  // written to the path first, unless empty
    const char* reason;
  };
  const Case cases[] = {
      {folder / "", "", "Is a directory"},
      {fifo, "", "это не обычный файл"},
      {"/dev/zero", "", "это не обычный файл"},
      {folder / "large.tavro", kV1 + kInputs + "}" + std::string(1 << 20, ' '), "1 МиБ"},
      {folder / "deep.tavro", std::string(150000, '['), "повреждён"},
      {folder / "twice.tavro", kV1 + kInputs + R"(,"version":1})", "«version»"},
      {folder / "after.tavro", kV1 + kInputs + "}{}", "повреждён"},
      {folder / "nul.tavro", kV1 + kInputs + std::string("}\0{}", 4), "повреждён"},
      {folder / "escape.tavro", kV1 + kInputs + R"(,"\u001b[2J":1})", "«\\x1b[2J»"},
  };
  for (const Case& c : cases) {
    if (!c.text.empty()) Put(c.path, c.text);
    const CliRun run = Cli({"--design", c.path});
    EXPECT_EQ(run.status, kExitDesignFile) << c.path;
    EXPECT_EQ(run.out, "") << c.path;
    EXPECT_NE(run.err.find(c.path), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  // Whitespace after the document is fine.
  Put(folder / "good.tavro", kV1 + kInputs + "}\n\n  \n");
  EXPECT_EQ(Cli({"--design", folder / "good.tavro"}).status, kExitDesigned);
}

// A target of each kind that cannot be written, for each output option: the
// run fails with the option's status before writing anything, the good
// report beside it included.
TEST(CliOutputFiles, EveryTargetIsCheckedBeforeAnyIsWritten) {
  struct Target {
    const char* name;
    std::function<bool(const std::string&)> make;
    const char* reason;
  };
  const Target targets[] = {
      {"folder", [](const std::string& p) { return fs::create_directory(p); }, "Is a directory"},
      {"fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; },
       "это не обычный файл"},
      // Like /dev/null (only root may make one).
      {"device",
       [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
       "это не обычный файл"},
      {"missing folder", [](const std::string&) { return true; }, "No such file or directory"},
  };
  struct Option {
    const char* name;
    int status;
  };
  const Option options[] = {{"--report", kExitReportNotWritten},
                            {"--pdf", kExitReportNotWritten},
                            {"--spice", kExitSimulationFailed}};
  for (const Target& t : targets) {
    for (const Option& o : options) {
      Folder folder;
      const std::string path =
          std::string(t.name) == "missing folder" ? folder / "none/out" : folder / "out";
      if (!t.make(path)) continue;
      std::vector<std::string> args = kWorkedExampleArgs;
      for (const std::string& a : {std::string(o.name), path}) args.push_back(a);
      // A good report beside the bad target, unless the report is the bad one.
      const std::string good = folder / "good.txt";
      if (std::string(o.name) != "--report") {
        args.push_back("--report");
        args.push_back(good);
      }
      const CliRun run = Cli(args);
      const std::string where = std::string(o.name) + " " + t.name;
      EXPECT_EQ(run.status, o.status) << where << ": " << run.err;
      EXPECT_NE(run.err.find(path + ": " + t.reason), std::string::npos)
          << where << ": " << run.err;
      EXPECT_FALSE(fs::exists(good)) << where;
      struct stat st {};
      EXPECT_TRUE(::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) << where;
    }
  }
}

TEST(CliOutputFiles, ABadReportDateFailsTheRunBeforeTheNetlistIsWritten) {
  const test::ScopedEnv epoch("SOURCE_DATE_EPOCH", "yesterday");
  Folder folder;
  std::vector<std::string> args = kWorkedExampleArgs;
  for (const std::string& a :
       {std::string("--report"), folder / "r.txt", std::string("--spice"), folder / "n.cir"}) {
    args.push_back(a);
  }
  EXPECT_EQ(Cli(args).status, kExitUsage);
  EXPECT_FALSE(fs::exists(folder / "r.txt"));
  EXPECT_FALSE(fs::exists(folder / "n.cir"));
}

TEST(CliOutputFiles, TheNetlistMessageFollowsTheLanguage) {
  std::vector<std::string> args = kWorkedExampleArgs;
  for (const char* a : {"--lang", "en", "--spice", "/nonexistent-folder/x.cir"}) args.push_back(a);
  const CliRun run = Cli(args);
  EXPECT_EQ(run.status, kExitSimulationFailed);
  EXPECT_EQ(run.err,
            "Cannot write the netlist to the file /nonexistent-folder/x.cir: No such file or "
            "directory\n");
}

TEST(CliOutputFiles, APdfReplacedThroughALinkKeepsTheLinkAndTheMode) {
  Folder folder;
  const std::string real = folder / "real.pdf";
  Put(real, "old");
  ::chmod(real.c_str(), 0600);
  ASSERT_EQ(::symlink("real.pdf", (folder / "link.pdf").c_str()), 0);
  std::vector<std::string> args = kWorkedExampleArgs;
  args.push_back("--pdf");
  args.push_back(folder / "link.pdf");
  const CliRun run = Cli(args);
  ASSERT_EQ(run.status, kExitDesigned) << run.err;
  EXPECT_TRUE(fs::is_symlink(folder / "link.pdf"));
  EXPECT_EQ(test::ReadFile(real).substr(0, 5), "%PDF-");
  EXPECT_EQ(fs::status(real).permissions(), fs::perms(0600));
}

}  // namespace
}  // namespace tavro::cli
