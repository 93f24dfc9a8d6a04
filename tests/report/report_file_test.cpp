// Appending reports, and every way the write can fail leaving the file intact.
#include "report/report_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "common/files.h"

namespace tavro::report {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) { return test::ReadFile(path.string()); }

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kReport = std::string(73, '-') + "\r\n" + std::string(4000, 'x') + "\r\n" +
                            std::string(73, '-') + "\r\n";

// A folder that everyone may enter, removed with all it holds.
class TempFolder {
 public:
  TempFolder() {
    std::string name = (fs::temp_directory_path() / "tavro-report-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
    fs::permissions(path_, fs::perms(0755));
  }
  ~TempFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
  }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// Runs `save` in a child process, as an unprivileged user when the tests run
// as root (root ignores file permissions). The child's exit code says how it
// ended: 0 a ReportWriteError, 1 no error, 2 anything else.
int SaveInChild(const std::function<void()>& save, const std::function<void()>& prepare = {}) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0) {
      constexpr gid_t kNobody = 65534;
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
        ::_exit(3);
      }
    }
    if (prepare) prepare();
    try {
      save();
    } catch (const ReportWriteError&) {
      ::_exit(0);
    } catch (...) {
      ::_exit(2);
    }
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

void Append(const fs::path& path, const std::string& bytes = kReport) {
  AppendReport(path.string(), [&] { return bytes; });
}

TEST(AppendReport, CreatesTheFileThenAppendsNeverTruncates) {
  TempFolder folder;
  const fs::path file = folder / "report.txt";
  Append(file, "first\r\n");
  EXPECT_EQ(Read(file), "first\r\n");
  Append(file, "second\r\n");
  EXPECT_EQ(Read(file), "first\r\nsecond\r\n");
}

TEST(AppendReport, ReadsTheReportOnlyOnceTheFileIsOpen) {
  TempFolder folder;
  const fs::path file = folder / "report.txt";
  bool existedWhenComposed = false;
  AppendReport(file.string(), [&] {
    existedWhenComposed = fs::exists(file);
    return std::string("r\r\n");
  });
  EXPECT_TRUE(existedWhenComposed);
}

TEST(AppendReport, AFileInAReadOnlyFolderIsNotCreated) {
  TempFolder folder;
  const fs::path locked = folder / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms(0555));
  EXPECT_EQ(SaveInChild([&] { Append(locked / "report.txt"); }), 0);
  EXPECT_FALSE(fs::exists(locked / "report.txt"));
}

TEST(AppendReport, AReadOnlyFileKeepsItsBytes) {
  TempFolder folder;
  const fs::path file = folder / "old.txt";
  Write(file, "earlier report\r\n");
  fs::permissions(file, fs::perms(0444));
  EXPECT_EQ(SaveInChild([&] { Append(file); }), 0);
  EXPECT_EQ(Read(file), "earlier report\r\n");
}

TEST(AppendReport, AFolderIsNoReportFile) {
  TempFolder folder;
  try {
    Append(folder.Path());
    FAIL() << "no error";
  } catch (const ReportWriteError& e) {
    EXPECT_EQ(e.ErrorNumber(), EISDIR);
    EXPECT_NE(std::string(e.what()).find(folder.Path().string()), std::string::npos);
  }
  EXPECT_TRUE(fs::is_directory(folder.Path()));
}

// A device takes no report: /dev/full is refused before a byte is written
// (it used to be written to and fail for want of space).
TEST(AppendReport, AFullDeviceIsRefused) {
  try {
    Append("/dev/full");
    FAIL() << "no error";
  } catch (const ReportWriteError& e) {
    EXPECT_EQ(e.Error().Fault, files::FileFault::NotRegular);
    EXPECT_NE(std::string(e.what()).find("/dev/full: это не обычный файл"), std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(fs::exists("/dev/full"));
}

// The file-size limit lets the first bytes of the report through and then
// fails the write part-way: a real partial write.
void LimitFileSize(rlim_t bytes) {
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{bytes, bytes};
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

TEST(AppendReport, AWriteThatFailsPartWayIsCutBack) {
  TempFolder folder;
  const fs::path file = folder / "old.txt";
  const std::string before = "earlier report\r\n";
  Write(file, before);
  fs::permissions(file, fs::perms(0666));
  EXPECT_EQ(SaveInChild([&] { Append(file); }, [&] { LimitFileSize(before.size() + 100); }), 0);
  EXPECT_EQ(Read(file), before);
}

TEST(AppendReport, AFileThisSaveCreatedIsRemovedOnFailure) {
  TempFolder folder;
  fs::permissions(folder.Path(), fs::perms(0777));
  const fs::path file = folder / "new.txt";
  EXPECT_EQ(SaveInChild([&] { Append(file); }, [] { LimitFileSize(100); }), 0);
  EXPECT_FALSE(fs::exists(file));
}

TEST(AppendReport, AReportThatCannotBeComposedLeavesTheFileAlone) {
  TempFolder folder;
  const fs::path file = folder / "old.txt";
  Write(file, "kept\r\n");
  EXPECT_THROW(AppendReport(file.string(), []() -> std::string { throw std::bad_alloc(); }),
               std::bad_alloc);
  EXPECT_EQ(Read(file), "kept\r\n");
  EXPECT_THROW(AppendReport((folder / "new.txt").string(),
                            []() -> std::string { throw std::bad_alloc(); }),
               std::bad_alloc);
  EXPECT_FALSE(fs::exists(folder / "new.txt"));
}

// Targets that are not regular files are refused untouched, a FIFO even when
// something reads it; a link to a file appends to that file, which keeps its
// mode.
TEST(AppendReport, OnlyRegularFilesTakeAReport) {
  TempFolder folder;
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  // A reader that holds the FIFO open (O_RDWR never waits for a writer).
  const int reader = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const fs::path device = folder / "null";
  const bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  const fs::path file = folder / "private.txt";
  Write(file, "old\r\n");
  fs::permissions(file, fs::perms(0600));
  fs::create_symlink("private.txt", folder / "link");
  struct Case {
    fs::path path;
    bool refused;
  };
  const Case cases[] = {{folder.Path(), true}, {fifo, true}, {device, haveDevice},
                        {folder / "link", false}, {file, false}};
  for (const Case& c : cases) {
    if (c.path == device && !haveDevice) continue;
    if (c.refused) {
      EXPECT_THROW(Append(c.path, "r\r\n"), ReportWriteError) << c.path;
    } else {
      EXPECT_NO_THROW(Append(c.path, "r\r\n")) << c.path;
    }
  }
  char buffer[16];
  EXPECT_EQ(::read(reader, buffer, sizeof buffer), -1);  // nothing reached the reader
  ::close(reader);
  EXPECT_TRUE(fs::is_symlink(folder / "link"));
  EXPECT_EQ(Read(file), "old\r\nr\r\nr\r\n");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));
}

TEST(AppendReport, AFifoWithoutAReaderDoesNotHang) {
  TempFolder folder;
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  EXPECT_THROW(Append(fifo), ReportWriteError);
}

}  // namespace
}  // namespace tavro::report
