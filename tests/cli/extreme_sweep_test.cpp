// Every accepted design finishes on every output path of tavro-cli: --json
// (with its ratings), the text output with --ratings, --batch --ratings and
// --pdf, over a grid of the accepted inputs' extremes in combination. A
// watchdog thread ends the program, naming the design, when one output takes
// more than a generous limit: a hang fails the test instead of stalling it.
// A switch-on surge that cannot be computed is said so in every table, and
// the rest of the ratings are still there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_run.h"
#include "common/csv.h"
#include "common/files.h"

namespace tavro::cli {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Ends the program when an armed task runs past the limit.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void Arm(std::string task) {
    std::lock_guard lock(mutex_);
    task_ = std::move(task);
    deadline_ = std::chrono::steady_clock::now() + limit_;
    armed_ = true;
  }
  void Disarm() {
    std::lock_guard lock(mutex_);
    armed_ = false;
  }

 private:
  void Watch() {
    std::unique_lock lock(mutex_);
    while (!done_) {
      wake_.wait_for(lock, std::chrono::milliseconds(100));
      if (armed_ && std::chrono::steady_clock::now() > deadline_) {
        std::fprintf(stderr, "did not finish within %lld s: %s\n",
                     static_cast<long long>(limit_.count()), task_.c_str());
        std::_Exit(3);
      }
    }
  }

  std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::string task_;
  std::chrono::steady_clock::time_point deadline_;
  bool armed_ = false;
  bool done_ = false;
  std::thread thread_;
};

// The smallest and largest accepted magnitude of each input (a positive
// denormal, the largest extended value, the current's 20 mA floor, the
// ripple's 15 %) and a realistic value or two between them.
constexpr const char* kTiniest = "3.6452e-4951";
constexpr const char* kLargest = "1.18973e+4932";
const char* const kVoltages[] = {kTiniest, "0.05", "12", "1e9", kLargest};
const char* const kCurrents[] = {"0.02", "7.5", kLargest};
const char* const kRipples[] = {kTiniest, "1", "15"};
const char* const kFluxes[] = {kTiniest, "1.2", "9.8e5", kLargest};
const char* const kDrops[] = {kTiniest, "0.7", "1e3", kLargest};

struct Inputs {
  std::string U0, I0, Kp, Limbs, Bm, Ud;
};

std::vector<Inputs> Grid() {
  std::vector<Inputs> grid;
  for (const char* u0 : kVoltages)
    for (const char* i0 : kCurrents)
      for (const char* kp : kRipples)
        for (const char* bm : kFluxes)
          for (const char* ud : kDrops)
            for (const char* limbs : {"1", "2"}) grid.push_back({u0, i0, kp, limbs, bm, ud});
  // Two designs whose switch-on pulses are too fast for the surge search.
  grid.push_back({"1e9", "7.5", "1", "1", "9.8e5", "1e-9"});
  grid.push_back({"1e12", "1e3", "15", "1", "1e12", "1e3"});
  return grid;
}

std::vector<std::string> Args(const Inputs& in, std::vector<std::string> more) {
  std::vector<std::string> args = {"--voltage", in.U0,         "--current", in.I0,
                                   "--ripple",  in.Kp,         "--limbs",   in.Limbs,
                                   "--flux",    in.Bm,         "--diode-drop", in.Ud,
                                   "--decimal-separator", "."};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(ExtremeSweep, EveryAcceptedDesignFinishesOnEveryOutput) {
  const std::vector<Inputs> grid = Grid();
  // Every design, under the sanitizers every fourth (and the PDF of every
  // sixteenth).
  const std::size_t stride = kSanitized ? 4 : 1;
  const std::size_t pdfStride = kSanitized ? 16 : 1;
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("tavro_sweep_" + std::to_string(::getpid()) + ".pdf"))
                              .string();
  test::ScopedEnv epoch("SOURCE_DATE_EPOCH", "1796739000");
  test::ScopedEnv display("DISPLAY", nullptr);
  Watchdog watchdog(std::chrono::seconds(kSanitized ? 60 : 5));

  int designs = 0;
  int surgeNotComputed = 0;
  int pdfs = 0;
  for (std::size_t k = 0; k < grid.size(); k += stride) {
    const Inputs& in = grid[k];
    const std::string name = in.U0 + " " + in.I0 + " " + in.Kp + " " + in.Limbs + " " + in.Bm +
                             " " + in.Ud;
    watchdog.Arm("--json " + name);
    const CliRun json = Cli(Args(in, {"--json"}));
    watchdog.Arm("--ratings " + name);
    const CliRun text = Cli(Args(in, {"--ratings"}));
    watchdog.Arm("--batch --ratings " + name);
    const CliRun batch = Cli({"--batch", "--ratings", "--jobs", "1"},
                             in.U0 + "," + in.I0 + "," + in.Kp + "," + in.Limbs + "," + in.Bm +
                                 "," + in.Ud + "\n");
    const bool designed = json.status == 0;
    if (k % pdfStride == 0 || k + 2 >= grid.size()) {
      watchdog.Arm("--pdf " + name);
      std::filesystem::remove(pdf);
      EXPECT_EQ(Cli(Args(in, {"--pdf", pdf})).status, json.status) << name;
      EXPECT_EQ(std::filesystem::exists(pdf), designed) << name;
      ++pdfs;
    }
    watchdog.Disarm();

    EXPECT_EQ(text.status, json.status) << name;
    EXPECT_EQ(batch.status == 0, designed) << name;
    if (!designed) continue;
    ++designs;
    ASSERT_NE(json.out.find("\"ratings\""), std::string::npos) << name;
    ASSERT_NE(text.out.find("Ударный ток при включении"), std::string::npos) << name;
    const std::size_t surge = json.out.find("\"surge\": {");
    ASSERT_NE(surge, std::string::npos) << name;
    if (json.out.find("\"error\"", surge) > json.out.find('}', surge)) continue;
    // Not computed: said so in the text, empty in the batch's two surge
    // columns; the transformer's ratings are still there.
    ++surgeNotComputed;
    EXPECT_NE(text.out.find("Ударный ток при включении: не рассчитано: "), std::string::npos)
        << name;
    EXPECT_NE(json.out.find("\"secondary_rated_load\""), std::string::npos) << name;
    const std::size_t rowStart = batch.out.find('\n') + 1;
    const std::vector<std::string> header = test::CsvFields(batch.out.substr(0, rowStart - 1));
    const std::vector<std::string> row =
        test::CsvFields(batch.out.substr(rowStart, batch.out.find('\n', rowStart) - rowStart));
    ASSERT_EQ(row.size(), header.size()) << name;
    for (std::size_t c = 0; c < header.size(); ++c) {
      const bool surgeColumn = header[c] == "Isurge" || header[c] == "surge_phase";
      if (surgeColumn) {
        EXPECT_EQ(row[c], "") << name;
      }
      if (header[c] == "U2_rated_load") {
        EXPECT_NE(row[c], "") << name;
      }
    }
  }
  EXPECT_GE(designs, kSanitized ? 25 : 100);
  EXPECT_GE(surgeNotComputed, 2);
  EXPECT_GE(pdfs, kSanitized ? 8 : 100);
  std::filesystem::remove(pdf);
}

}  // namespace
}  // namespace tavro::cli
