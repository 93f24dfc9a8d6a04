// Replacing whole files: every kind of target, the old file kept whole when
// the write fails, modes and links kept, and the check made before writing.
#include "files/whole_file.h"

#include <gtest/gtest.h>
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

namespace tavro::files {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() {
    std::string name = (fs::temp_directory_path() / "tavro-files-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // How many names the folder holds.
  int Entries() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(path_)) ++n;
    return n;
  }

 private:
  fs::path path_;
};

void Put(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  ::chmod(path.c_str(), mode);
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

mode_t Umask() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

enum class Outcome { Written, NotRegular, IsFolder };

struct TargetCase {
  const char* name;
  // Makes the target in the folder; returns false when this system cannot.
  std::function<bool(const Folder&, const std::string&)> make;
  Outcome outcome;
  mode_t mode;  // of the written file
};

TEST(WholeFile, EveryKindOfTargetIsReplacedOrRefusedAsItShouldBe) {
  const mode_t fresh = 0666 & ~Umask();
  const TargetCase cases[] = {
      {"regular", [](const Folder&, const std::string& p) { return Put(p, "old"), true; },
       Outcome::Written, 0644},
      {"private", [](const Folder&, const std::string& p) { return Put(p, "old", 0600), true; },
       Outcome::Written, 0600},
      {"missing", [](const Folder&, const std::string&) { return true; }, Outcome::Written, fresh},
      {"folder", [](const Folder&, const std::string& p) { return fs::create_directory(p); },
       Outcome::IsFolder, 0},
      {"fifo", [](const Folder&, const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; },
       Outcome::NotRegular, 0},
      // A node like /dev/null (only root may make one).
      {"device",
       [](const Folder&, const std::string& p) {
         return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
       },
       Outcome::NotRegular, 0},
      {"link to a fifo",
       [](const Folder& f, const std::string& p) {
         return ::mkfifo((f / "pipe").c_str(), 0666) == 0 && ::symlink("pipe", p.c_str()) == 0;
       },
       Outcome::NotRegular, 0},
  };
  for (const TargetCase& c : cases) {
    Folder folder;
    const std::string path = folder / "target";
    if (!c.make(folder, path)) {
      std::cout << "skipped: " << c.name << "\n";
      continue;
    }
    const int entries = folder.Entries();
    const auto checked = CheckTarget(path, TargetUse::Replace);
    const auto appended = CheckTarget(path, TargetUse::Append);
    const auto written = ReplaceFile(path, "new");
    struct stat st {};
    ::lstat(path.c_str(), &st);
    switch (c.outcome) {
      case Outcome::Written:
        EXPECT_FALSE(checked) << c.name;
        EXPECT_FALSE(appended) << c.name;
        EXPECT_FALSE(written) << c.name;
        EXPECT_EQ(test::ReadFile(path), "new") << c.name;
        EXPECT_EQ(ModeOf(path), c.mode) << c.name;
        EXPECT_EQ(folder.Entries(), 1) << c.name;  // the file, no temporary one
        break;
      case Outcome::IsFolder:
      case Outcome::NotRegular: {
        const FileError expected = c.outcome == Outcome::IsFolder
                                       ? FileError{FileFault::System, EISDIR}
                                       : FileError{FileFault::NotRegular, 0};
        for (const auto& error : {checked, appended, written}) {
          ASSERT_TRUE(error) << c.name;
          EXPECT_EQ(error->Fault, expected.Fault) << c.name;
          EXPECT_EQ(error->Errno, expected.Errno) << c.name;
        }
        EXPECT_FALSE(S_ISREG(st.st_mode)) << c.name;     // left as it was
        EXPECT_EQ(folder.Entries(), entries) << c.name;  // no temporary file left
        break;
      }
    }
  }
}

TEST(WholeFile, ALinkStaysAndTheFileItLeadsToIsReplaced) {
  Folder folder;
  fs::create_directory(folder / "sub");
  Put(folder / "sub/real", "old", 0640);
  ASSERT_EQ(::symlink("sub/real", (folder / "link").c_str()), 0);
  ASSERT_EQ(::symlink((folder / "link").c_str(), (folder / "link2").c_str()), 0);
  ASSERT_FALSE(ReplaceFile(folder / "link2", "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link"));
  EXPECT_TRUE(fs::is_symlink(folder / "link2"));
  EXPECT_EQ(test::ReadFile(folder / "sub/real"), "new");
  EXPECT_EQ(ModeOf(folder / "sub/real"), 0640u);
  EXPECT_EQ(folder.Entries(), 3);
}

TEST(WholeFile, AWriteThatFailsPartWayKeepsTheOldFileAndLeavesNothing) {
  Folder folder;
  const std::string path = folder / "old";
  Put(path, "the old file\n");
  // The file-size limit fails the write part-way, as a full disk would.
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const auto error = ReplaceFile(path, std::string(1000, 'x'));
    ::_exit(error && error->Fault == FileFault::System && error->Errno == EFBIG ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(test::ReadFile(path), "the old file\n");
  EXPECT_EQ(folder.Entries(), 1);
}

// Run as an ordinary user (root may write anything): a file made read-only
// is kept, though its folder would take a new one.
TEST(WholeFile, AReadOnlyFileIsNotReplaced) {
  Folder folder;
  const std::string path = folder / "kept";
  Put(path, "old", 0444);
  ::chmod((folder / "").c_str(), 0777);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    const auto checked = CheckTarget(path, TargetUse::Replace);
    const auto written = ReplaceFile(path, "new");
    ::_exit(checked && written && written->Errno == EACCES ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(test::ReadFile(path), "old");
  EXPECT_EQ(folder.Entries(), 1);
}

TEST(WholeFile, AMissingFolderIsReportedBeforeAndWhenWriting) {
  Folder folder;
  const std::string path = folder / "none/file";
  for (const auto& error : {CheckTarget(path, TargetUse::Replace), ReplaceFile(path, "x")}) {
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Errno, ENOENT);
    EXPECT_EQ(SystemReason(*error), "No such file or directory");
  }
}

TEST(WholeFile, ReadingStopsOneByteAfterTheLimit) {
  Folder folder;
  Put(folder / "f", "12345");
  const auto exact = ReadRegularFile(folder / "f", 5);
  ASSERT_TRUE(std::holds_alternative<std::string>(exact));
  EXPECT_EQ(std::get<std::string>(exact), "12345");
  const auto over = ReadRegularFile(folder / "f", 4);
  ASSERT_TRUE(std::holds_alternative<FileError>(over));
  EXPECT_EQ(std::get<FileError>(over).Fault, FileFault::TooLarge);
}

}  // namespace
}  // namespace tavro::files
