// Every full-precision number of about thirty designs, pinned bit for bit.
//
// The calculation must give the same bits on every x86-64 processor and with
// every supported compiler; this test is what tells at once if one does not.
// The designs include ill-conditioned ones whose outcome would flip with the
// last bit of an elementary function. To remake the file after an intended
// change: TAVRO_REGENERATE_GOLDEN=1 ./design_tests --gtest_filter='FullPrecisionGolden*'
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "design/calculate.h"

namespace tavro::design {
namespace {

// U0, I0, Kp, Limbs, Bm, Ud as typed (read with the C library's correctly
// rounded strtold).
const char* const kDesigns[][6] = {
    {"12", "1", "1", "1", "1.2", "0.7"},  // the worked example
    {"12", "1", "1", "2", "1.2", "0.7"},
    {"5", "0.1", "1", "1", "1.2", "0.7"},
    {"5", "10", "5", "2", "1.5", "1"},
    {"24", "3", "2", "1", "1.2", "0.7"},
    {"48", "0.5", "0.5", "2", "0.8", "0.3"},
    {"110", "2", "1", "1", "1.6", "1.1"},
    {"300", "0.1", "1", "2", "1.2", "1"},
    {"300", "10", "3", "1", "1.8", "1.5"},
    {"1000", "0.02", "15", "1", "1.2", "0.7"},
    {"0.05", "1", "1", "1", "1.2", "0.7"},       // load rows past π/2
    {"0.0235776", "1", "1", "1", "1.2", "0.7"},  // A just under 20
    {"0.0235775", "1", "1", "1", "1.2", "0.7"},  // A just over 20
    {"0.025", "1", "1", "1", "1.2", "0.7"},      // high A, β starts at 4
    {"100000", "5", "1", "1", "0.01", "0.7"},    // ill-conditioned, low flux
    {"12", "1000", "1", "1", "0.01", "0.7"},     // leaves its branch
    {"1e5", "1000", "1", "1", "0.01", "0.7"},    // φ within 2e-4 of π/2
    {"1e7", "1000", "1", "2", "0.01", "0.7"},    // φ within 2e-5 of π/2
    {"10000", "0.05", "1", "1", "0.05", "0.7"},  // high voltage, low flux
    {"3000", "0.5", "2", "2", "0.1", "1.5"},
    {"1e14", "1e13", "1", "1", "1", "1e-8"},  // A near 1e-8
    {"1e7", "1e5", "1", "1", "1", "2"},       // completes with φ within 2e-5 of π/2
    {"1e6", "1e4", "1", "1", "1", "3"},
    {"1000", "1000", "1", "1", "0.1", "0.7"},
    {"10000", "1", "1", "1", "0.05", "0.7"},
    {"1e300", "1", "1", "1", "1.2", "0.7"},   // floating-point fault
    {"12", "1e4000", "1", "1", "1.2", "0.7"},
    {"1", "0.02", "1", "1", "0.3", "0.2"},
    {"15", "1.5", "10", "1", "2", "3"},
    {"9", "0.3", "0.1", "2", "1.2", "0.6"},
    {"36", "20", "1", "1", "1.2", "0.9"},
    {"220", "0.5", "1", "2", "1.4", "1"},
    {"1", "1", "1", "1", "1.2", "0.25"},
};

std::string Bits(long double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%La", value);
  return buffer;
}

// The lines of one design: its inputs, then every number by name, or the
// stage where it stopped.
std::vector<std::string> Describe(const char* const (&texts)[6]) {
  const DesignInputs in{std::strtold(texts[0], nullptr), std::strtold(texts[1], nullptr),
                        std::strtold(texts[2], nullptr), std::atoi(texts[3]),
                        std::strtold(texts[4], nullptr), std::strtold(texts[5], nullptr)};
  std::string name = "design";
  for (const char* t : texts) name += std::string(" ") + t;
  std::vector<std::string> lines{name};
  const Calculation c = Calculate(in);
  if (const auto* f = std::get_if<Failure>(&c)) {
    lines.push_back("  failed at " + std::string(StageName(f->Stage)));
    return lines;
  }
  const Design& d = std::get<Design>(c);
  const auto put = [&](const std::string& what, long double v) {
    lines.push_back("  " + what + " " + Bits(v));
  };
  const ModelParameters& p = d.Parameters;
  put("Rtr", p.Rtr), put("Rd", p.Rd), put("Rsum", p.Rsum), put("Ls", p.Ls), put("Phi", p.Phi);
  put("A", d.A), put("Psi", d.Point.Psi), put("Beta", d.Point.Beta);
  const NomogramCoefficients& k = d.Coefficients;
  put("B", k.B), put("D", k.D), put("F", k.F), put("H", k.H);
  const DesignResults& r = d.Results;
  put("U2", r.U2), put("Urev", r.Urev), put("I2", r.I2), put("Idrms", r.Idrms);
  put("Idpk", r.Idpk), put("Cf", r.Cf), put("TurnsRatio", r.TurnsRatio), put("I1", r.I1);
  put("Pframe", r.Pframe), put("RatedRowModelVoltage", d.Load.RatedRowModelVoltage);
  for (int row = 0; row < kLoadRows; ++row) {
    const std::string n = "row " + std::to_string(row) + " ";
    put(n + "Current", d.Load.Current[row]), put(n + "Gamma", d.Load.Gamma[row]);
    put(n + "Psi", d.Load.Psi[row]), put(n + "Voltage", d.Load.Voltage[row]);
    put(n + "Sqrt2CosPsi", d.Load.Sqrt2CosPsi[row]);
  }
  return lines;
}

const std::string kGoldenPath = std::string(TAVRO_DESIGN_GOLDEN) + "/full_precision.txt";

TEST(FullPrecisionGolden, EveryNumberOfEveryDesignKeepsItsBits) {
  std::vector<std::string> computed;
  for (const auto& texts : kDesigns) {
    for (std::string& line : Describe(texts)) computed.push_back(std::move(line));
  }
  if (std::getenv("TAVRO_REGENERATE_GOLDEN") != nullptr) {
    std::ofstream out(kGoldenPath);
    for (const std::string& line : computed) out << line << '\n';
    GTEST_SKIP() << "wrote " << kGoldenPath;
  }
  std::ifstream in(kGoldenPath);
  ASSERT_TRUE(in) << "cannot read " << kGoldenPath;
  std::vector<std::string> golden;
  for (std::string line; std::getline(in, line);) golden.push_back(line);

  std::string design;
  int differences = 0;
  for (std::size_t i = 0; i < std::max(golden.size(), computed.size()); ++i) {
    const std::string want = i < golden.size() ? golden[i] : "(nothing)";
    const std::string got = i < computed.size() ? computed[i] : "(nothing)";
    if (got.rfind("design", 0) == 0) design = got;
    if (want != got && ++differences <= 20) {
      ADD_FAILURE() << design << "\n  expected: " << want << "\n  computed: " << got;
    }
  }
  EXPECT_EQ(differences, 0) << "lines differ from " << kGoldenPath;
}

}  // namespace
}  // namespace tavro::design
