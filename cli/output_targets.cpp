#include "cli/output_targets.h"

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "design/design_file.h"
#include "design/text_template.h"
#include "i18n/catalogue.h"
#include "pdf/pdf_texts.h"

namespace tavro::cli {
namespace {

std::string Reason(const files::FileError& error) {
  return design::DescribeFileFault(error, i18n::TranslateUtf8);
}

}  // namespace

std::string ReportNotWritten(const std::string& path, const files::FileError& error) {
  return design::Compose(i18n::TranslateUtf8, texts::kContext, texts::kReportNotWritten,
                         {path, Reason(error)});
}

std::string PdfNotWritten(const std::string& path, const files::FileError& error) {
  // The PDF writer's own message (pdf/pdf_report.cpp).
  return i18n::TranslateUtf8(pdf::texts::kContext, pdf::texts::kCannotWrite) + " " + path + ": " +
         Reason(error);
}

std::string NetlistNotWritten(const std::string& path, const files::FileError& error) {
  return design::Compose(i18n::TranslateUtf8, texts::kContext, texts::kNetlistNotWritten,
                         {path, Reason(error)});
}

std::optional<TargetRefusal> CheckOutputTargets(const OutputTargets& targets) {
  using files::TargetUse;
  if (!targets.Report.empty()) {
    if (const auto error = files::CheckTarget(targets.Report, TargetUse::Append)) {
      return TargetRefusal{ReportNotWritten(targets.Report, *error), kExitReportNotWritten};
    }
  }
  if (!targets.Pdf.empty()) {
    if (const auto error = files::CheckTarget(targets.Pdf, TargetUse::Replace)) {
      return TargetRefusal{PdfNotWritten(targets.Pdf, *error), kExitReportNotWritten};
    }
  }
  if (!targets.Spice.empty()) {
    if (const auto error = files::CheckTarget(targets.Spice, TargetUse::Replace)) {
      return TargetRefusal{NetlistNotWritten(targets.Spice, *error), kExitSimulationFailed};
    }
  }
  return std::nullopt;
}

}  // namespace tavro::cli
